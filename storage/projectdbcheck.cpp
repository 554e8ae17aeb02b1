#include "projectdbcheck.h"

#include "storagelog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace ProjectDbCheck {

namespace {

const QString kConnection = QStringLiteral("zel-projectdb-check");

Result quickCheck(const QString &path)
{
    Result result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(path);
        // Read-only, so a look can never change the user's file; wait briefly for a lock.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=300"));
        if (!db.open()) {
            result = {Verdict::Unreadable, db.lastError().text()};
        } else {
            QSqlQuery query(db);
            const bool ran = query.exec(QStringLiteral("PRAGMA quick_check"));
            const QString first = ran && query.next() ? query.value(0).toString() : QString();
            if (!ran) {
                const QString text = query.lastError().text();
                const bool locked = text.contains(QLatin1String("locked"), Qt::CaseInsensitive) ||
                                    text.contains(QLatin1String("busy"), Qt::CaseInsensitive);
                result = {locked ? Verdict::Locked : Verdict::Damaged, text};
            } else if (first != QLatin1String("ok")) {
                result = {Verdict::Damaged, first};
            }
            query.finish();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(kConnection);
    return result;
}

} // namespace

Result inspect(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile() || !info.isReadable())
        return {Verdict::Unreadable, QStringLiteral("not a readable file")};
    Result result = quickCheck(path);
    // Permission bits, not access(): root may write anywhere but the user said no.
    if (result.verdict == Verdict::Usable && !(info.permissions() & QFile::WriteOwner))
        result = {Verdict::ReadOnly, QStringLiteral("the file is read-only")};
    return result;
}

QString moveAside(const QString &path, QString *error)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString base = path + QStringLiteral(".damaged-") + stamp;
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QStringLiteral("-%1").arg(n);
    // rename() never replaces an existing file.
    QFile file(path);
    if (!file.rename(target)) {
        if (error)
            *error = file.errorString();
        return QString();
    }
    return target;
}

bool resolve(const QString &path, const Prompt &prompt)
{
    QString logged;
    for (;;) {
        const Result result = inspect(path);
        if (result.verdict == Verdict::Usable)
            return true;
        const QString line = QStringLiteral("project database %1 cannot be used as it is: %2")
                                 .arg(path, result.detail);
        if (line != logged) {
            qCWarning(lcStorage).noquote() << line;
            logged = line;
        }
        switch (prompt(path, result)) {
        case Choice::Continue:
            return true;
        case Choice::Retry:
            continue;
        case Choice::Quit:
            qCWarning(lcStorage).noquote() << "quitting: project database" << path << "unusable";
            return false;
        case Choice::StartFresh: {
            QString error;
            const QString aside = moveAside(path, &error);
            if (aside.isEmpty()) {
                qCWarning(lcStorage).noquote() << "cannot move" << path << "aside:" << error;
                return false;
            }
            qCWarning(lcStorage).noquote() << "moved the damaged project database to" << aside
                                           << "and starting with a fresh one";
            return true;
        }
        }
    }
}

} // namespace ProjectDbCheck
