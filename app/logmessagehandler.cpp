#include "logmessagehandler.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QTextStream>

namespace {

QDateTime (*s_clock)() = nullptr;

QDateTime now()
{
    return s_clock ? s_clock() : QDateTime::currentDateTime();
}

QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

namespace LogFile {

QString formatLine(const QString &message, const char *file, int line, const QDateTime &when)
{
    // One replacement pass: a "%3" inside a message must stay as it was written.
    return QStringLiteral("[%4][File:%2  Line:%3]:%1")
        .arg(message, QString::fromUtf8(file ? file : ""), QString::number(line),
             when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

QString fileNameFor(const QDateTime &when)
{
    return QStringLiteral("log/%1.log").arg(when.date().toString(QStringLiteral("yyyy-MM-dd")));
}

void setClockForTesting(QDateTime (*clock)())
{
    QMutexLocker locker(&logMutex());
    s_clock = clock;
}

} // namespace LogFile

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    Q_UNUSED(type)
    QMutexLocker locker(&logMutex());
    // The time of the line is taken before the date of the file, so a line stamped
    // 23:59:59 may open the next day's file.
    const QString line = LogFile::formatLine(message, context.file, context.line, now());
    QFile file(LogFile::fileNameFor(now()));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return;
    // Always UTF-8: a message in Chinese must read back the same on every system.
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << line << "\r\n";
    out.flush();
    file.close();
}
