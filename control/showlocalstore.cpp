#include "showlocalstore.h"

#include "projectdb.h"
#include "salvostore.h"

#include <QHash>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

Q_LOGGING_CATEGORY(lcShow, "zel.show")

namespace {

const QString kConnection = QStringLiteral("zel-show-import");

const char *tableOf(ShowDocument::Names kind)
{
    switch (kind) {
    case ShowDocument::Names::VideoInputs:
        return "InPortName";
    case ShowDocument::Names::AudioInputs:
        return "InAudioName";
    case ShowDocument::Names::VideoOutputs:
        return "OutPortName";
    case ShowDocument::Names::AudioOutputs:
        return "OutAudioPortName";
    case ShowDocument::Names::InfraredOutputs:
        break;
    }
    return "OutInfarePortName";
}

// Runs statements on one connection inside one transaction; the first failure rolls
// everything back.
class Transaction
{
public:
    explicit Transaction(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(path);
        if (!db.open() || !db.transaction())
            m_error = db.lastError().text();
    }
    ~Transaction()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(kConnection, false);
            if (db.isOpen() && !m_done)
                db.rollback();
            db.close();
        }
        QSqlDatabase::removeDatabase(kConnection);
    }
    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    bool exec(const QString &sql, const QVariantList &values)
    {
        if (!ok())
            return false;
        QSqlQuery query(QSqlDatabase::database(kConnection, false));
        bool done = query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        done = done && query.exec();
        if (!done)
            m_error = query.lastError().text();
        return done;
    }
    bool fail(const QString &error)
    {
        if (m_error.isEmpty())
            m_error = error.isEmpty() ? QStringLiteral("refused") : error;
        return false;
    }
    bool commit()
    {
        QSqlDatabase db = QSqlDatabase::database(kConnection, false);
        if (ok() && !db.commit())
            m_error = db.lastError().text();
        m_done = ok();
        return m_done;
    }

private:
    QString m_error;
    bool m_done = false;
};

bool writeNames(Transaction &t, const ShowDocument &doc)
{
    for (auto it = doc.names.cbegin(); it != doc.names.cend(); ++it) {
        const QString sql = QStringLiteral("insert or replace into %1(Port,PortName) values(?,?)")
                                .arg(QLatin1String(tableOf(it.key())));
        for (auto n = it.value().cbegin(); n != it.value().cend(); ++n) {
            if (!t.exec(sql, {n.key(), textValue(n.value())}))
                return false;
        }
    }
    return true;
}

bool writePlans(Transaction &t, const ShowDocument &doc, const QString &ip)
{
    for (auto it = doc.planNames.cbegin(); it != doc.planNames.cend(); ++it) {
        if (!t.exec(QStringLiteral("insert or replace into SplitPlanName(Id,Name,Ip)values(?,?,?)"),
                    {it.key(), textValue(it.value()), textValue(ip)}))
            return false;
    }
    return true;
}

bool writeSalvos(Transaction &t, const ShowDocument &doc, const QString &ip)
{
    if (!t.ok())
        return false;
    SalvoStore store(kConnection);
    if (!store.isUsable())
        return t.fail(store.lastError());
    QHash<QString, qint64> ids;
    for (const Salvo &salvo : store.list(ip))
        ids.insert(salvo.name, salvo.id);
    for (const ShowSalvo &show : doc.salvos) {
        Salvo salvo;
        salvo.name = show.name;
        for (const ShowRoute &route : show.routes)
            salvo.routes.append({route.kind, route.output, route.source});
        const qint64 id = ids.value(show.name.trimmed());
        const bool done = id ? store.replaceRoutes(id, salvo.routes) : store.create(ip, salvo) != 0;
        if (!done)
            return t.fail(store.lastError());
    }
    return true;
}

} // namespace

ShowDocument ShowLocalStore::load(const QString &ip) const
{
    ShowDocument doc;
    for (const ShowDocument::Names kind : ShowDocument::nameKinds()) {
        const SqlRows rows = querySql(
            QStringLiteral("select Port,PortName from %1").arg(QLatin1String(tableOf(kind))), {});
        QMap<int, QString> names;
        for (const SqlRow &row : rows) {
            const int port = row.value(0).toInt();
            const QString name = row.value(1).toString();
            // A row the file format cannot carry stays out rather than spoil the export.
            if (port >= 1 && port <= ShowDocument::maxPort(kind) &&
                name.toUcs4().size() <= ShowDocument::MaxNameLength)
                names.insert(port, name);
        }
        if (!names.isEmpty())
            doc.names.insert(kind, names);
    }
    const SqlRows plans =
        querySql(QStringLiteral("select Id,Name from SplitPlanName where Ip = ?"), {textValue(ip)});
    for (const SqlRow &row : plans) {
        const int index = row.value(0).toInt();
        const QString name = row.value(1).toString();
        if (index >= 0 && index < ShowDocument::PlanCount &&
            name.toUcs4().size() <= ShowDocument::MaxNameLength)
            doc.planNames.insert(index, name);
    }
    const SalvoStore salvos;
    for (const Salvo &salvo : salvos.list(ip)) {
        ShowSalvo show{salvo.name, {}};
        for (const SalvoRoute &route : salvo.routes) {
            const ShowRoute r{route.kind, route.output, route.source};
            if (ShowDocument::routeInRange(r))
                show.routes.append(r);
        }
        if (salvo.name.toUcs4().size() <= ShowDocument::MaxNameLength)
            doc.salvos.append(show);
    }
    return doc;
}

bool ShowLocalStore::write(const ShowDocument &doc,
                           const QString &ip,
                           Parts parts,
                           QString *error) const
{
    Transaction t(projectDbPath());
    const bool ok = (!parts.names || writeNames(t, doc)) &&
                    (!parts.plans || writePlans(t, doc, ip)) &&
                    (!parts.salvos || writeSalvos(t, doc, ip)) && t.commit();
    if (!ok) {
        qCWarning(lcShow) << "show import into" << projectDbPath() << "rolled back:" << t.error();
        if (error)
            *error =
                tr("Nothing was imported: the project database refused it (%1).").arg(t.error());
    }
    return ok;
}
