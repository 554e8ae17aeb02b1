#pragma once

#include <QSet>
#include <QString>

// The plans this client saved (table SavedPlan), one set per device address, so their
// buttons are marked and overwriting or clearing them is asked first. Index counts
// from 0. Stateless; any thread.
class PlanMarkStore
{
public:
    static bool createTable();

    static bool setMarked(int index, bool marked, const QString &ip);
    // With the device address of config.ini as it stands now.
    static bool setMarked(int index, bool marked);

    // The marked indexes for ip; empty when the query fails.
    static QSet<int> loadMarks(const QString &ip);
    static QSet<int> loadMarks();
};
