#include "datadir.h"

#include "storagelog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

namespace {

QMutex s_mutex;
QString s_dir;

QString prepared(const QString &dir)
{
    QString absolute = QDir(dir).absolutePath();
    if (!QDir().mkpath(absolute))
        qCWarning(lcStorage) << "cannot create the data directory" << absolute;
    return absolute;
}

} // namespace

namespace DataDir {

void set(const QString &dir)
{
    const QString value = dir.isEmpty() ? QString() : prepared(dir);
    QMutexLocker locker(&s_mutex);
    s_dir = value;
}

QString path()
{
    {
        QMutexLocker locker(&s_mutex);
        if (!s_dir.isEmpty())
            return s_dir;
    }
    const QString env = qEnvironmentVariable("ZELDESK_DATA_DIR");
    if (!env.isEmpty())
        return QDir(env).exists() ? QDir(env).absolutePath() : prepared(env);
    // Without an application object (a tool, a test before QCoreApplication) the
    // application directory is unknown; the current directory is the next best place.
    if (!QCoreApplication::instance())
        return QDir::currentPath();
    QString appDir = QCoreApplication::applicationDirPath();
    // Installed under /usr/bin the program cannot write beside itself: use the user's
    // data directory instead of losing every setting.
    if (!QFileInfo(appDir).isWritable()) {
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!user.isEmpty())
            return prepared(user);
    }
    return appDir;
}

QString filePath(const QString &name)
{
    return QDir(path()).filePath(name);
}

bool applyCommandLine(const QStringList &args)
{
    static const QString option = QStringLiteral("--data-dir");
    QString dir;
    bool found = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == option) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                qCWarning(lcStorage) << "--data-dir needs a directory";
                continue;
            }
            dir = args.at(++i);
            found = true;
        } else if (arg.startsWith(option + QLatin1Char('='))) {
            const QString value = arg.mid(option.size() + 1);
            if (value.isEmpty()) {
                qCWarning(lcStorage) << "--data-dir= needs a directory";
                continue;
            }
            dir = value;
            found = true;
        }
    }
    if (found)
        set(dir);
    return found;
}

} // namespace DataDir
