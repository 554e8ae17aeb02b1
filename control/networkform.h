#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The network page's four fields, judged before anything is sent: only complete, valid
// addresses go to the device, after one confirmation naming the old and new values.
class NetworkForm
{
    Q_DECLARE_TR_FUNCTIONS(NetworkForm)

public:
    struct Values
    {
        QString ip;
        QString gateway;
        QString subnet;
        QString mac;
    };
    enum Field { Ip = 0, Gateway, Subnet, Mac, FieldCount };

    // The fields that are not complete and valid, in page order.
    static QList<Field> badFields(const Values &values);
    // One sentence on the first bad field; empty when all are good.
    static QString problem(const Values &values);
    static QString fieldName(Field field);
    // The confirmation text: every field, old value and new value.
    static QString confirmation(const Values &before, const Values &after);
    static QString value(const Values &values, Field field);
};
