#include "logmessagehandler.h"

#include "datadir.h"
#include "logbatch.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>

#include <atomic>
#include <cstring>
#include <limits>

namespace {

std::atomic<QDateTime (*)()> s_clock{nullptr};
// "" (the working directory) or the log directory with a trailing slash; set at start-up.
QString s_prefix;

// The day's file stays open between messages: opening and closing it for every line
// cost far more than the line itself. Reopened when the day or the working directory
// changes, or after a failed write.
struct LogState
{
    QMutex mutex;
    QFile file;
    QString fileName;  // relative name the open file was opened under
    QString directory; // working directory at that time
    qint64 checkedSecond = std::numeric_limits<qint64>::min(); // working directory looked at
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

// The clock's texts for one line. Formatting a local time is dear: each thread keeps the
// real clock's texts for the rest of the second.
struct Moment
{
    qint64 second = std::numeric_limits<qint64>::min(); // min: a test's clock, no caching
    QByteArray stamp;                                   // "yyyy-MM-dd hh:mm:ss"
    QString fileName;                                   // "log/yyyy-MM-dd.log"
};

// Plain characters, so the per-thread cache has no destructor: a message logged while
// the process exits still finds it intact.
struct SecondCache
{
    qint64 second;
    char stamp[20];
    char day[11];
};

QByteArray stampFor(const QDateTime &when)
{
    return when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toLatin1();
}

// The time of the line is read before the date of the file, so a line stamped
// 23:59:59 may open the next day's file.
Moment now()
{
    Moment moment;
    if (QDateTime(*clock)() = s_clock.load(std::memory_order_acquire)) {
        moment.stamp = stampFor(clock());
        moment.fileName = LogFile::fileNameFor(clock());
        return moment;
    }
    thread_local SecondCache cached{std::numeric_limits<qint64>::min(), {}, {}};
    const qint64 second = QDateTime::currentSecsSinceEpoch();
    if (second != cached.second) {
        const QDateTime when = QDateTime::fromSecsSinceEpoch(second);
        const QByteArray stamp = stampFor(when);
        if (stamp.size() != 19)
            return {second, stamp, LogFile::fileNameFor(when)}; // a year beyond four digits
        std::memcpy(cached.stamp, stamp.constData(), 20);
        std::memcpy(cached.day, stamp.constData(), 10);
        cached.day[10] = '\0';
        cached.second = second;
    }
    moment.second = second;
    moment.stamp = QByteArray(cached.stamp, 19);
    const qint64 fileSecond = QDateTime::currentSecsSinceEpoch();
    if (fileSecond != second) {
        moment.second = fileSecond;
        moment.fileName = LogFile::fileNameFor(QDateTime::fromSecsSinceEpoch(fileSecond));
    } else {
        moment.fileName =
            s_prefix + QLatin1String("log/") + QLatin1String(cached.day) + QLatin1String(".log");
    }
    return moment;
}

// "[stamp][File:file  Line:line]:message" and CR LF, always UTF-8: a message in Chinese
// must read back the same on every system. Appended to `out` in one go.
void appendLine(
    QByteArray &out, const QString &message, const char *file, int line, const QByteArray &stamp)
{
    const QByteArray text = message.toUtf8();
    const int fileLength = file ? int(qstrlen(file)) : 0;
    out.reserve(out.size() + stamp.size() + fileLength + text.size() + 40);
    out.append('[').append(stamp).append("][File:").append(file, fileLength).append("  Line:");
    out.append(QByteArray::number(line)).append("]:").append(text).append("\r\n");
}

bool ensureOpen(LogState &s, const QString &fileName, qint64 second)
{
    // Asking for the working directory is a system call; once a second is enough.
    const bool recheck = second != s.checkedSecond || second == std::numeric_limits<qint64>::min();
    if (s.file.isOpen() && s.fileName == fileName && !recheck)
        return true;
    s.checkedSecond = second;
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

void writeOut(LogState &s, const QString &fileName, qint64 second, const QByteArray &bytes)
{
    if (!ensureOpen(s, fileName, second))
        return;
    if (s.file.write(bytes) != bytes.size())
        s.file.close(); // the next message tries again
}

// Called with the mutex held.
void writePending(LogState &s)
{
    if (s.pending.isEmpty())
        return;
    const qint64 second = s_clock.load(std::memory_order_acquire)
                              ? std::numeric_limits<qint64>::min()
                              : QDateTime::currentSecsSinceEpoch();
    writeOut(s, s.pendingFile, second, s.pending);
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
    QByteArray out;
    appendLine(
        out, message, file, line, when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toLatin1());
    out.chop(2);
    return QString::fromUtf8(out);
}

QString fileNameFor(const QDateTime &when)
{
    return s_prefix +
           QStringLiteral("log/%1.log").arg(when.date().toString(QStringLiteral("yyyy-MM-dd")));
}

QString directoryFor(bool demo, const QString &dataDir, const QString &appDir)
{
    if (demo || dataDir.isEmpty())
        return QString();
    const auto canonical = [](const QString &dir) {
        const QString path = QDir(dir).canonicalPath();
        return path.isEmpty() ? QDir::cleanPath(QDir(dir).absolutePath()) : path;
    };
    return canonical(dataDir) == canonical(appDir) ? QString() : canonical(dataDir);
}

void setDirectory(const QString &dir)
{
    QMutexLocker locker(&state().mutex);
    s_prefix = dir.isEmpty() ? QString() : QDir(dir).absolutePath() + QLatin1Char('/');
    state().checkedSecond = std::numeric_limits<qint64>::min();
}

void setClockForTesting(QDateTime (*clock)())
{
    QMutexLocker locker(&state().mutex);
    s_clock.store(clock, std::memory_order_release);
    // A test may move to another working directory within the same second.
    state().checkedSecond = std::numeric_limits<qint64>::min();
}

void install(bool demo)
{
    const QString dir = directoryFor(demo, DataDir::path(), QCoreApplication::applicationDirPath());
    setDirectory(dir);
    QDir(dir.isEmpty() ? QDir::currentPath() : dir).mkpath(QStringLiteral("log"));
    qInstallMessageHandler(logMessageHandler);
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
    // Formatted before the lock is taken, so threads wait on each other only for a copy.
    const Moment moment = now();
    QByteArray line;
    appendLine(line, message, context.file, context.line, moment.stamp);
    const bool hold = (type == QtDebugMsg || type == QtInfoMsg) && LogBatch::isOpen();
    LogState &s = state();
    QMutexLocker locker(&s.mutex);
    if (!s.pending.isEmpty() && s.pendingFile != moment.fileName)
        writePending(s);
    if (!hold && s.pending.isEmpty()) {
        writeOut(s, moment.fileName, moment.second, line);
        return;
    }
    if (s.pending.isEmpty())
        s.pendingFile = moment.fileName;
    s.pending += line;
    s.hasPending.store(true, std::memory_order_release);
    if (!hold || s.pending.size() > MaxPending)
        writePending(s);
}
