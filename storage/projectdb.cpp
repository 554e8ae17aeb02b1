#include "projectdb.h"

#include "datadir.h"
#include "storagelog.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

Q_LOGGING_CATEGORY(lcStorage, "zel.storage")

namespace {

enum class Kind { Exec, Query };

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void logExecFailure(const QString &dbPath, const QString &error, const QString &sql)
{
    const QChar blank = QLatin1Char(' ');
    qDebug().noquote() << QStringLiteral(" exe sqlstatement failure!\n detail:\ndbPath:") + blank +
                              quoted(dbPath) + blank + QStringLiteral("\n error:") + blank +
                              quoted(error) + blank + QStringLiteral("\n") + blank +
                              QStringLiteral("sql statement:") + blank + quoted(sql);
}

void logQueryFailure(const QString &dbPath, const QString &error)
{
    qDebug().noquote() << QString::fromUtf8("执行错误") + QLatin1Char(' ') + quoted(dbPath) +
                              QStringLiteral("  ") + quoted(error);
}

bool runQuery(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (values.isEmpty())
        return query.exec(sql);
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

bool run(
    Kind kind, const QString &sql, const QVariantList &values, const QString &path, SqlRows *rows)
{
    const QString dbPath = path.isEmpty() ? projectDbPath() : path;
    const QString name = threadConnectionName();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::contains(name)
                              ? QSqlDatabase::database(name, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.close();
        db.setDatabaseName(dbPath);
        if (!db.open()) {
            qCWarning(lcStorage) << "cannot open" << dbPath << db.lastError().text();
            db.close();
        } else {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            ok = runQuery(query, sql, values);
            if (!ok) {
                const QString error = query.lastError().text();
                if (kind == Kind::Exec)
                    logExecFailure(dbPath, error, sql);
                else
                    logQueryFailure(dbPath, error);
            } else if (rows) {
                const int columns = query.record().count();
                while (query.next()) {
                    SqlRow row;
                    row.reserve(columns);
                    for (int i = 0; i < columns; ++i)
                        row.append(query.value(i));
                    rows->append(row);
                }
            }
            query.finish();
            query.clear();
            db.close();
        }
    }
    // Every handle on the connection is gone now, so removal does not warn "still in use".
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

QString projectDbPath()
{
    return DataDir::filePath(QStringLiteral("project.db"));
}

QString threadConnectionName()
{
    return QString::number(reinterpret_cast<quintptr>(QThread::currentThreadId()));
}

bool execSql(const QString &sql, const QString &dbPath)
{
    return run(Kind::Exec, sql, QVariantList(), dbPath, nullptr);
}

bool execBound(const QString &sql, const QVariantList &values, const QString &dbPath)
{
    return run(Kind::Exec, sql, values, dbPath, nullptr);
}

SqlRows querySql(const QString &sql, const QVariantList &values, const QString &dbPath, bool *ok)
{
    SqlRows rows;
    const bool done = run(Kind::Query, sql, values, dbPath, &rows);
    if (ok)
        *ok = done;
    if (!done)
        rows.clear();
    return rows;
}

QVariant textValue(const QString &text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}
