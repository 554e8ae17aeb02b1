#pragma once

#include <QString>
#include <QStringList>

// Each benchmark file registers one subcommand with a file-scope
//   static const BenchRegistration reg("parser", "what it measures", &runParserBench);
// The function gets the arguments after the subcommand name and returns an exit code.
using BenchFunction = int (*)(const QStringList &args);

struct BenchRegistration
{
    BenchRegistration(const char *name, const char *help, BenchFunction run);
};

// Prints one figure line: "name value unit".
void printFigure(const QString &name, double value, const QString &unit);
