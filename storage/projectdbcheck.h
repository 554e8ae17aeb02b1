#pragma once

#include <QString>

#include <functional>

// Whether project.db can be used, looked at once at start-up before anything opens it,
// and the one way out of a damaged file: moving it aside. Never deletes or writes the
// file it inspects. Any thread; no state.
namespace ProjectDbCheck {

enum class Verdict {
    Usable,     // opens and passes SQLite's quick check (or does not exist yet)
    ReadOnly,   // usable, but changes cannot be saved
    Locked,     // another program holds it
    Unreadable, // the file cannot be read at all
    Damaged,    // not a database, or a damaged one
};

struct Result
{
    Verdict verdict = Verdict::Usable;
    QString detail; // SQLite's or the file system's words
};

Result inspect(const QString &path);

// Renames path to "<name>.damaged-<yyyyMMdd-hhmmss>" beside it (with "-2", "-3", ... if
// that exists). Returns the new path, or empty with *error set.
QString moveAside(const QString &path, QString *error);

enum class Choice { Continue, StartFresh, Retry, Quit };
// Asks the user about a result that is not Usable; Continue for ReadOnly.
using Prompt = std::function<Choice(const QString &path, const Result &result)>;

// Inspects path until it is usable or the user gives up: logs each problem once, asks,
// moves a damaged file aside when the user wants a fresh start. False to quit.
bool resolve(const QString &path, const Prompt &prompt);

} // namespace ProjectDbCheck
