#include "plannamestore.h"

#include "appsettings.h"
#include "projectdb.h"

bool PlanNameStore::createTable()
{
    return execSql(QStringLiteral("create table if not exists SplitPlanName(Id integer NOT NULL,"
                                  "Name text,Ip text NOT NULL,PRIMARY KEY (Id, Ip))"));
}

bool PlanNameStore::savePlanName(int index, const QString &name, const QString &ip)
{
    return execBound(
        QStringLiteral("insert or replace into SplitPlanName(Id,Name,Ip)values(?,?,?)"),
        {index, textValue(name), textValue(ip)});
}

bool PlanNameStore::savePlanName(int index, const QString &name)
{
    return savePlanName(index, name, AppSettings::instance()->ip());
}

QMap<int, QString> PlanNameStore::loadPlanNames(const QString &ip)
{
    QMap<int, QString> names;
    const SqlRows rows =
        querySql(QStringLiteral("select * from SplitPlanName where Ip = ?"), {textValue(ip)});
    for (const SqlRow &row : rows) {
        bool ok = false;
        const int index = row.value(0).toInt(&ok);
        if (ok)
            names.insert(index, row.value(1).toString());
    }
    return names;
}

QMap<int, QString> PlanNameStore::loadPlanNames()
{
    return loadPlanNames(AppSettings::instance()->ip());
}
