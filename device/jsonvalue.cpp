#include "jsonvalue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString valueText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double: {
        // A number no port, volume or code can be (beyond 64 bits, or not finite) reads
        // as invalid; casting it to an integer would be undefined.
        const double d = value.toDouble();
        if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0))
            return QString();
        if (d == static_cast<double>(static_cast<qint64>(d)))
            return QString::number(static_cast<qint64>(d));
        return QString::number(d, 'g', 15);
    }
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    default:
        return QString();
    }
}
