#pragma once

#include <QString>

class QCommandLineParser;

// What `zeldesk --help` and `--version` say. Both are answered before the GUI starts, so
// they work without a display (a package check, a script over ssh).
class CommandLine
{
public:
    static QString version();
    // The options and the environment variables the client reads.
    static void describe(QCommandLineParser &parser);
    // True when argv asks for help or the version: the caller answers and exits.
    static bool asksHelpOrVersion(int argc, char *argv[]);
    // Prints the help or the version and ends the process with 0; an unknown option ends it with 1.
    [[noreturn]] static void answer(int argc, char *argv[]);
};
