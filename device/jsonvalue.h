#pragma once

#include <QJsonValue>
#include <QString>

// A record member as text whatever its JSON type: true reads "true", 3 reads "3",
// a string reads as itself, null/undefined read "", arrays and objects as compact JSON.
QString valueText(const QJsonValue &value);
