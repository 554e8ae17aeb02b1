#include "portnamestore.h"

#include "projectdb.h"
#include "storagelog.h"

namespace {

bool save(const char *table, int port, const QString &name)
{
    const QString sql = QStringLiteral("insert or replace into %1(Port,PortName) values(?,?)")
                            .arg(QLatin1String(table));
    return execBound(sql, {port, textValue(name)});
}

QMap<int, QString> load(const QString &sql)
{
    QMap<int, QString> names;
    const SqlRows rows = querySql(sql);
    for (const SqlRow &row : rows) {
        bool ok = false;
        const int port = row.value(0).toInt(&ok);
        if (ok)
            names.insert(port, row.value(1).toString());
    }
    return names;
}

} // namespace

bool PortNameStore::createPortNameTables()
{
    static const char *const tables[] = {
        "InPortName", "InAudioName", "OutPortName", "OutAudioPortName", "OutInfarePortName"};
    bool ok = true;
    for (const char *table : tables) {
        const QString sql =
            QStringLiteral("create table if not exists %1(Port integer primary key,PortName text)")
                .arg(QLatin1String(table));
        ok = execSql(sql) && ok;
    }
    return ok;
}

bool PortNameStore::savePortName(int port, const QString &name, int kind)
{
    switch (kind) {
    case InputVideo:
        return save("InPortName", port, name);
    case OutputVideo:
        return save("OutPortName", port, name);
    case InputAudio:
        return save("InAudioName", port, name);
    default:
        qCWarning(lcStorage) << "port name of unknown kind" << kind << "for port" << port
                             << "not saved";
        return false;
    }
}

bool PortNameStore::saveOutAudioName(int port, const QString &name)
{
    return save("OutAudioPortName", port, name);
}

bool PortNameStore::saveOutInfraredName(int port, const QString &name)
{
    return save("OutInfarePortName", port, name);
}

QMap<int, QString> PortNameStore::loadPortNames(int kind)
{
    switch (kind) {
    case InputVideo:
        return load(QStringLiteral("select *from InPortName"));
    case InputAudio:
        return load(QStringLiteral("select * from InAudioName"));
    default:
        return load(QStringLiteral("select *from OutPortName"));
    }
}

QMap<int, QString> PortNameStore::loadOutAudioNames()
{
    return load(QStringLiteral("select * from OutAudioPortName"));
}

QMap<int, QString> PortNameStore::loadOutInfraredNames()
{
    return load(QStringLiteral("select * from OutInfarePortName"));
}
