#include "planmarkstore.h"

#include "appsettings.h"
#include "projectdb.h"

bool PlanMarkStore::createTable()
{
    return execSql(QStringLiteral("create table if not exists SavedPlan(Id integer NOT NULL,"
                                  "Ip text NOT NULL,PRIMARY KEY (Id, Ip))"));
}

bool PlanMarkStore::setMarked(int index, bool marked, const QString &ip)
{
    const QString sql = marked
                            ? QStringLiteral("insert or replace into SavedPlan(Id,Ip)values(?,?)")
                            : QStringLiteral("delete from SavedPlan where Id = ? and Ip = ?");
    return execBound(sql, {index, textValue(ip)});
}

bool PlanMarkStore::setMarked(int index, bool marked)
{
    return setMarked(index, marked, AppSettings::instance()->ip());
}

QSet<int> PlanMarkStore::loadMarks(const QString &ip)
{
    QSet<int> marks;
    const SqlRows rows =
        querySql(QStringLiteral("select Id from SavedPlan where Ip = ?"), {textValue(ip)});
    for (const SqlRow &row : rows) {
        bool ok = false;
        const int index = row.value(0).toInt(&ok);
        if (ok)
            marks.insert(index);
    }
    return marks;
}

QSet<int> PlanMarkStore::loadMarks()
{
    return loadMarks(AppSettings::instance()->ip());
}
