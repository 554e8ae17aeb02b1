#pragma once

#include <QString>
#include <QtGlobal>

class QDateTime;

// Writes every toolkit message as one line of log/yyyy-MM-dd.log under the working
// directory. Safe from any thread: lines never interleave.
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

namespace LogFile {
// "[time][File:file  Line:line]:message", without the CR LF.
QString formatLine(const QString &message, const char *file, int line, const QDateTime &when);
// "log/yyyy-MM-dd.log" for the given day.
QString fileNameFor(const QDateTime &when);
// Tests only: a fixed clock, so the midnight case can be shown. Null restores the real
// one. Either way the next line looks at the working directory again.
void setClockForTesting(QDateTime (*clock)());
} // namespace LogFile
