#include "logmessagehandler.h"

#include "logbatch.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>

#include <atomic>
#include <limits>

namespace {

QDateTime (*s_clock)() = nullptr;

// The day's file stays open between messages: opening and closing it for every line
// cost far more than the line itself. Reopened when the day or the working directory
// changes, or after a failed write.
struct LogState
{
    QMutex mutex;
    QFile file;
    QString fileName;  // relative name the open file was opened under
    QString directory; // working directory at that time
    bool recheck = true; // look at the working directory again (once a second)
    // The local time of the last second asked for, formatted once per second.
    qint64 second = std::numeric_limits<qint64>::min();
    QString stamp;
    QString day;
    // Lines held back while a batch is open (see LogBatch), all for `pendingFile`.
    QByteArray pending;
    QString pendingFile;
    std::atomic<bool> hasPending{false};

    ~LogState();
};

LogState &state()
{
    static LogState s;
    return s;
}

struct Moment
{
    QString stamp; // "yyyy-MM-dd hh:mm:ss"
    QString day;   // "yyyy-MM-dd"
};

// One reading of the clock. Formatting a local time is dear, so the real clock's
// texts are kept for the rest of the second. Called with the mutex held.
Moment now()
{
    if (s_clock) {
        const QDateTime when = s_clock();
        return {when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                when.date().toString(QStringLiteral("yyyy-MM-dd"))};
    }
    LogState &s = state();
    const qint64 second = QDateTime::currentSecsSinceEpoch();
    if (second != s.second) {
        s.recheck = true;
        const QDateTime when = QDateTime::fromSecsSinceEpoch(second);
        s.second = second;
        s.stamp = when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        s.day = when.date().toString(QStringLiteral("yyyy-MM-dd"));
    }
    return {s.stamp, s.day};
}

QString lineText(const QString &message, const char *file, int line, const QString &stamp)
{
    return QLatin1Char('[') + stamp + QLatin1String("][File:") + QString::fromUtf8(file ? file : "")
           + QLatin1String("  Line:") + QString::number(line) + QLatin1String("]:") + message;
}

bool ensureOpen(LogState &s, const QString &fileName)
{
    // Asking for the working directory is a system call; once a second is enough.
    if (s.file.isOpen() && s.fileName == fileName && !s.recheck && !s_clock)
        return true;
    s.recheck = false;
    const QString directory = QDir::currentPath();
    if (s.file.isOpen() && s.fileName == fileName && s.directory == directory)
        return true;
    s.file.close();
    s.file.setFileName(fileName);
    // Unbuffered: what is written reaches the file at once (see logMessageHandler).
    if (!s.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    s.fileName = fileName;
    s.directory = directory;
    return true;
}

void writeOut(LogState &s, const QString &fileName, const QByteArray &bytes)
{
    if (!ensureOpen(s, fileName))
        return;
    if (s.file.write(bytes) != bytes.size())
        s.file.close(); // the next message tries again
}

// Called with the mutex held.
void writePending(LogState &s)
{
    if (s.pending.isEmpty())
        return;
    writeOut(s, s.pendingFile, s.pending);
    s.pending.clear();
    s.hasPending.store(false, std::memory_order_release);
}

void flushPending()
{
    LogState &s = state();
    if (!s.hasPending.load(std::memory_order_acquire))
        return;
    QMutexLocker locker(&s.mutex);
    writePending(s);
}

LogState::~LogState()
{
    writePending(*this);
}

} // namespace

namespace LogFile {

QString formatLine(const QString &message, const char *file, int line, const QDateTime &when)
{
    return lineText(message, file, line, when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

QString fileNameFor(const QDateTime &when)
{
    return QStringLiteral("log/%1.log").arg(when.date().toString(QStringLiteral("yyyy-MM-dd")));
}

void setClockForTesting(QDateTime (*clock)())
{
    QMutexLocker locker(&state().mutex);
    s_clock = clock;
    // A test may move to another working directory within the same second.
    state().recheck = true;
}

} // namespace LogFile

// Every line is one write of its own, except the debug and info lines logged inside a
// LogBatch (the reply worker's pass over a batch of records, and the read that feeds
// it): those are written together at the end of the batch, one write instead of two or
// three per record. The price: if the process dies inside a batch, that batch's held
// lines are lost. Warnings and worse are never held, and they, a line from outside a
// batch, or 64 KB of held lines write everything held before them, in order.
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const bool hooked = (LogBatch::setFlushHook(flushPending), true);
    Q_UNUSED(hooked)
    constexpr int MaxPending = 64 * 1024;
    LogState &s = state();
    QMutexLocker locker(&s.mutex);
    // The time of the line is taken before the date of the file, so a line stamped
    // 23:59:59 may open the next day's file.
    const QString stamp = now().stamp;
    const QString fileName = QLatin1String("log/") + now().day + QLatin1String(".log");
    // Always UTF-8: a message in Chinese must read back the same on every system.
    const QByteArray bytes =
        (lineText(message, context.file, context.line, stamp) + QLatin1String("\r\n")).toUtf8();
    if (!s.pending.isEmpty() && s.pendingFile != fileName)
        writePending(s);
    const bool hold = (type == QtDebugMsg || type == QtInfoMsg) && LogBatch::isOpen();
    if (!hold && s.pending.isEmpty()) {
        writeOut(s, fileName, bytes);
        return;
    }
    if (s.pending.isEmpty())
        s.pendingFile = fileName;
    s.pending += bytes;
    s.hasPending.store(true, std::memory_order_release);
    if (!hold || s.pending.size() > MaxPending)
        writePending(s);
}
