#include "storagetestkit.h"

#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

QMutex s_logMutex;
QStringList s_messages;
QtMessageHandler s_previousHandler = nullptr;
QLoggingCategory::CategoryFilter s_previousFilter = nullptr;

void collect(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker locker(&s_logMutex);
    s_messages.append(message);
}

void enableAll(QLoggingCategory *category)
{
    category->setEnabled(QtDebugMsg, true);
    category->setEnabled(QtWarningMsg, true);
}

#ifdef Q_OS_LINUX
bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}
#endif

} // namespace

QStringList rawRows(const QString &sql, const QString &dbPath, bool *ok)
{
    QStringList rows;
    const QString name = QStringLiteral("raw-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(dbPath);
        const bool opened = db.open();
        QSqlQuery query(db);
        const bool done = opened && query.exec(sql);
        while (done && query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            rows << values.join(QLatin1Char('|'));
        }
        if (ok)
            *ok = done;
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

MessageLog::MessageLog()
{
    {
        QMutexLocker locker(&s_logMutex);
        s_messages.clear();
    }
    s_previousFilter = QLoggingCategory::installFilter(enableAll);
    s_previousHandler = qInstallMessageHandler(collect);
}

MessageLog::~MessageLog()
{
    qInstallMessageHandler(s_previousHandler);
    QLoggingCategory::installFilter(s_previousFilter);
}

QStringList MessageLog::messages() const
{
    QMutexLocker locker(&s_logMutex);
    return s_messages;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

Unwritable::Unwritable(const QString &path)
    : m_path(path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    m_active = true;
#ifdef Q_OS_LINUX
    // Permissions do not stop root.
    if (::geteuid() == 0)
        m_active = m_immutable = setImmutable(path, true);
#endif
}

Unwritable::~Unwritable()
{
#ifdef Q_OS_LINUX
    if (m_immutable)
        setImmutable(m_path, false);
#endif
    QFile::setPermissions(m_path,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
