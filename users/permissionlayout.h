#pragma once

#include "permissionstore.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// What the rights dialog shows, without the dialog: its nine groups in screen order with
// their boxes, the labels of the function keys, the boxes' starting state and the
// select-all rule.
class PermissionLayout
{
    Q_DECLARE_TR_FUNCTIONS(PermissionDialog)

public:
    enum class Kind { Function, Input, Output, Audio, Analog };

    struct Group
    {
        QString objectName;
        QString title;
        QString allText;
        Kind kind;
        QVector<int> keys; // function keys, or ports 1..n
        int perRow;
    };

    static QString seriesName() { return QStringLiteral("ZEL"); }
    static QVector<Group> groups();
    static QString functionLabel(int key);
    static QString portLabel(Kind kind, int port);
    static int portCount(Kind kind);
    // Every box starts ticked except the four Matrix Signal Switch keys.
    static bool startsChecked(Kind kind, int key);
    // Ticks all when any is unticked, else unticks all.
    static QVector<bool> selectAll(const QVector<bool> &states);
    // The stored value for box `index` of a list, or `fallback` when the list is short.
    static bool storedOr(const QVector<bool> &stored, int index, bool fallback);
};
