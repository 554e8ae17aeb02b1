#pragma once

#include <QString>
#include <QtGlobal>

class QDateTime;

// Writes every toolkit message as one line of log/yyyy-MM-dd.log under the log directory
// (LogFile::setDirectory), by default the working directory. Safe from any thread: lines
// never interleave.
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

namespace LogFile {
// "[time][File:file  Line:line]:message", without the CR LF.
QString formatLine(const QString &message, const char *file, int line, const QDateTime &when);
// "log/yyyy-MM-dd.log" for the given day, under the log directory when one is set.
QString fileNameFor(const QDateTime &when);
// Where log/ goes: outside the demo, a data directory that is not the application's
// takes the log too (a launcher may start the client where it cannot write); otherwise
// empty, the working directory.
QString directoryFor(bool demo, const QString &dataDir, const QString &appDir);
// Set before the handler is installed; empty means the working directory.
void setDirectory(const QString &dir);
// Picks the directory for this run (directoryFor with DataDir's path), makes its log/
// and installs the handler: the window and the service start their logs alike.
void install(bool demo);
// Tests only: a fixed clock, so the midnight case can be shown. Null restores the real
// one. Either way the next line looks at the working directory again.
void setClockForTesting(QDateTime (*clock)());
} // namespace LogFile
