#pragma once

#include <QMap>
#include <QString>

// Names of the splicer's plan buttons (table SplitPlanName), one set per device address,
// so devices controlled from one computer keep their own names. Index counts from 0.
// Stateless; any thread.
class PlanNameStore
{
public:
    static bool createTable();

    // Replaces the name of (index, ip).
    static bool savePlanName(int index, const QString &name, const QString &ip);
    // With the device address of config.ini as it stands now.
    static bool savePlanName(int index, const QString &name);

    // Index -> name for ip; empty when the query fails.
    static QMap<int, QString> loadPlanNames(const QString &ip);
    static QMap<int, QString> loadPlanNames();
};
