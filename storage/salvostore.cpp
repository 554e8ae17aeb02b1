#include "salvostore.h"

#include "projectdb.h"
#include "projectdbcheck.h"
#include "storagelog.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <functional>

bool operator==(const SalvoRoute &a, const SalvoRoute &b)
{
    return a.kind == b.kind && a.output == b.output && a.source == b.source;
}

namespace {

const QString kCreateSalvo =
    QStringLiteral("create table if not exists Salvo(Id integer PRIMARY KEY AUTOINCREMENT,"
                   "Ip text NOT NULL,Name text NOT NULL,UNIQUE (Ip, Name))");
const QString kCreateRoute = QStringLiteral(
    "create table if not exists SalvoRoute(SalvoId integer NOT NULL,Kind text NOT NULL,"
    "Output integer NOT NULL,Source integer NOT NULL,PRIMARY KEY (SalvoId, Kind, Output))");

// The caller's open connection, or project.db opened for the lifetime of this object.
class Connection
{
public:
    explicit Connection(const QString &callerName)
        : m_own(callerName.isEmpty())
        , m_name(m_own ? threadConnectionName() + QStringLiteral("-salvo") : callerName)
    {
        if (m_own) {
            m_db = QSqlDatabase::contains(m_name)
                       ? QSqlDatabase::database(m_name, false)
                       : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
            m_db.setDatabaseName(projectDbPath());
            if (!m_db.open())
                qCWarning(lcStorage) << "cannot open" << projectDbPath() << m_db.lastError().text();
        } else {
            m_db = QSqlDatabase::database(m_name, false);
        }
    }
    ~Connection()
    {
        if (!m_own)
            return;
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool isOpen() const { return m_db.isOpen(); }

    // Runs one statement with its placeholders bound; rows (if given) gets every row.
    bool run(const QString &sql, const QVariantList &values = {}, SqlRows *rows = nullptr)
    {
        if (!m_db.isOpen())
            return false;
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        bool ok = query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        ok = ok && query.exec();
        if (!ok) {
            m_lastError = query.lastError().text();
            qCWarning(lcStorage).noquote() << "salvo statement failed:" << m_lastError << sql;
            return false;
        }
        while (rows && query.next()) {
            SqlRow row;
            for (int i = 0; i < query.record().count(); ++i)
                row.append(query.value(i));
            rows->append(row);
        }
        return true;
    }

    // Runs steps inside a savepoint, so a failure halfway leaves no row behind; nests inside a
    // transaction the caller holds on its own connection.
    bool inSavepoint(const std::function<bool()> &steps)
    {
        if (!run(QStringLiteral("SAVEPOINT salvo_write")))
            return false;
        if (steps())
            return run(QStringLiteral("RELEASE salvo_write"));
        run(QStringLiteral("ROLLBACK TO salvo_write"));
        run(QStringLiteral("RELEASE salvo_write"));
        return false;
    }

    QString lastError() const { return m_lastError; }

private:
    bool m_own;
    QString m_name;
    QSqlDatabase m_db;
    QString m_lastError;
};

int characterCount(const QString &text)
{
    return text.toUcs4().size();
}

bool routesValid(const QVector<SalvoRoute> &routes)
{
    return std::all_of(routes.cbegin(), routes.cend(), [](const SalvoRoute &route) {
        return !route.kind.isEmpty() && route.output > 0 && route.source >= 0;
    });
}

bool insertRoutes(Connection &db, qint64 id, const QVector<SalvoRoute> &routes)
{
    // A second route for the same output replaces the first: an output has one source.
    const QString sql = QStringLiteral(
        "insert or replace into SalvoRoute(SalvoId,Kind,Output,Source)values(?,?,?,?)");
    return std::all_of(routes.cbegin(), routes.cend(), [&](const SalvoRoute &route) {
        return db.run(sql, {id, textValue(route.kind), route.output, route.source});
    });
}

} // namespace

SalvoStore::SalvoStore(const QString &connectionName)
    : m_connectionName(connectionName)
{
    if (connectionName.isEmpty()) {
        const ProjectDbCheck::Result check = ProjectDbCheck::inspect(projectDbPath());
        if (check.verdict != ProjectDbCheck::Verdict::Usable) {
            fail(Error::Unusable, check.detail);
            return;
        }
    }
    if (!createTables(connectionName)) {
        fail(Error::Unusable, QStringLiteral("the salvo tables cannot be created"));
        return;
    }
    // A file the system will not let us change passes the checks above when its tables exist
    // already; a write that is rolled back at once finds it out without changing a byte.
    Connection db(connectionName);
    if (db.isOpen())
        db.inSavepoint([&db] {
            db.run(QStringLiteral("insert into Salvo(Ip,Name)values('','')"));
            return false;
        });
    if (!db.isOpen() || !db.lastError().isEmpty()) {
        fail(Error::Unusable, db.lastError());
        return;
    }
    m_usable = true;
}

bool SalvoStore::createTables(const QString &connectionName)
{
    Connection db(connectionName);
    return db.run(kCreateSalvo) && db.run(kCreateRoute);
}

SalvoStore::Error SalvoStore::checkName(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return Error::EmptyName;
    if (characterCount(trimmed) > kMaxNameLength)
        return Error::NameTooLong;
    return Error::None;
}

QVector<Salvo> SalvoStore::list(const QString &deviceIp) const
{
    QVector<Salvo> salvos;
    if (!m_usable)
        return salvos;
    Connection db(m_connectionName);
    SqlRows rows;
    if (!db.run(QStringLiteral("select Id,Name from Salvo where Ip = ? order by Name collate "
                               "nocase, Name"),
                {textValue(deviceIp)},
                &rows)) {
        fail(Error::Database, db.lastError());
        return salvos;
    }
    for (const SqlRow &row : rows) {
        Salvo salvo;
        salvo.id = row.value(0).toLongLong();
        salvo.name = row.value(1).toString();
        SqlRows routeRows;
        db.run(QStringLiteral("select Kind,Output,Source from SalvoRoute where SalvoId = ? "
                              "order by rowid"),
               {salvo.id},
               &routeRows);
        for (const SqlRow &route : routeRows)
            salvo.routes.append(
                {route.value(0).toString(), route.value(1).toInt(), route.value(2).toInt()});
        salvos.append(salvo);
    }
    succeed();
    return salvos;
}

qint64 SalvoStore::create(const QString &deviceIp, const Salvo &salvo)
{
    if (!m_usable) {
        fail(Error::Unusable, QStringLiteral("project.db cannot be changed"));
        return 0;
    }
    const QString name = salvo.name.trimmed();
    if (const Error error = checkName(name); error != Error::None) {
        fail(error, name.left(80));
        return 0;
    }
    if (!routesValid(salvo.routes)) {
        fail(Error::BadRoute, QStringLiteral("a route without kind or output"));
        return 0;
    }
    bool ok = false;
    if (nameTaken(deviceIp, name, 0, &ok) || !ok)
        return 0;
    Connection db(m_connectionName);
    qint64 id = 0;
    const bool done = db.inSavepoint([&] {
        SqlRows rows;
        if (!db.run(QStringLiteral("insert into Salvo(Ip,Name)values(?,?)"),
                    {textValue(deviceIp), name}) ||
            !db.run(QStringLiteral("select last_insert_rowid()"), {}, &rows) || rows.isEmpty())
            return false;
        id = rows.first().value(0).toLongLong();
        return insertRoutes(db, id, salvo.routes);
    });
    if (!done) {
        fail(Error::Database, db.lastError());
        return 0;
    }
    succeed();
    return id;
}

bool SalvoStore::rename(qint64 id, const QString &name)
{
    if (!m_usable)
        return fail(Error::Unusable, QStringLiteral("project.db cannot be changed"));
    const QString trimmed = name.trimmed();
    if (const Error error = checkName(trimmed); error != Error::None)
        return fail(error, trimmed.left(80));
    bool found = false;
    const QString ip = ipOf(id, &found);
    if (!found)
        return false;
    bool ok = false;
    if (nameTaken(ip, trimmed, id, &ok) || !ok)
        return false;
    Connection db(m_connectionName);
    if (!db.run(QStringLiteral("update Salvo set Name = ? where Id = ?"), {trimmed, id}))
        return fail(Error::Database, db.lastError());
    return succeed();
}

bool SalvoStore::replaceRoutes(qint64 id, const QVector<SalvoRoute> &routes)
{
    if (!m_usable)
        return fail(Error::Unusable, QStringLiteral("project.db cannot be changed"));
    if (!routesValid(routes))
        return fail(Error::BadRoute, QStringLiteral("a route without kind or output"));
    bool found = false;
    ipOf(id, &found);
    if (!found)
        return false;
    Connection db(m_connectionName);
    const bool done = db.inSavepoint([&] {
        return db.run(QStringLiteral("delete from SalvoRoute where SalvoId = ?"), {id}) &&
               insertRoutes(db, id, routes);
    });
    return done ? succeed() : fail(Error::Database, db.lastError());
}

bool SalvoStore::remove(qint64 id)
{
    if (!m_usable)
        return fail(Error::Unusable, QStringLiteral("project.db cannot be changed"));
    bool found = false;
    ipOf(id, &found);
    if (!found)
        return false;
    Connection db(m_connectionName);
    const bool done = db.inSavepoint([&] {
        return db.run(QStringLiteral("delete from SalvoRoute where SalvoId = ?"), {id}) &&
               db.run(QStringLiteral("delete from Salvo where Id = ?"), {id});
    });
    return done ? succeed() : fail(Error::Database, db.lastError());
}

bool SalvoStore::fail(Error error, const QString &text) const
{
    m_error = error;
    m_errorText = text;
    return false;
}

bool SalvoStore::succeed() const
{
    m_error = Error::None;
    m_errorText.clear();
    return true;
}

bool SalvoStore::nameTaken(const QString &deviceIp,
                           const QString &name,
                           qint64 exceptId,
                           bool *ok) const
{
    Connection db(m_connectionName);
    SqlRows rows;
    *ok = db.run(QStringLiteral("select count(*) from Salvo where Ip = ? and Name = ? and Id <> ?"),
                 {textValue(deviceIp), name, exceptId},
                 &rows);
    if (!*ok) {
        fail(Error::Database, db.lastError());
        return false;
    }
    const bool taken = !rows.isEmpty() && rows.first().value(0).toInt() > 0;
    if (taken)
        fail(Error::NameTaken, name);
    return taken;
}

QString SalvoStore::ipOf(qint64 id, bool *found) const
{
    Connection db(m_connectionName);
    SqlRows rows;
    if (!db.run(QStringLiteral("select Ip from Salvo where Id = ?"), {id}, &rows)) {
        *found = false;
        fail(Error::Database, db.lastError());
        return QString();
    }
    *found = !rows.isEmpty();
    if (!*found)
        fail(Error::NotFound, QString::number(id));
    return *found ? rows.first().value(0).toString() : QString();
}
