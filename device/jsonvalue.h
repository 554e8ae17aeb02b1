#pragma once

#include <QJsonValue>
#include <QString>

// A record member as text whatever its JSON type: true reads "true", 3 reads "3",
// a string reads as itself, arrays and objects as compact JSON; null, undefined and
// numbers beyond the 64-bit integers read "".
QString valueText(const QJsonValue &value);
