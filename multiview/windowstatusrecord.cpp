#include "windowstatusrecord.h"

#include <QJsonArray>

WindowStatusRecord WindowStatusRecord::read(const QJsonObject &obj)
{
    WindowStatusRecord record;
    for (auto it = obj.constBegin(); it != obj.constEnd(); ++it) {
        const QString key = it.key();
        const QJsonArray values = it.value().toArray();
        if (key.contains(QLatin1String("window"))) {
            bool ok = false;
            const int id = QString(key).remove(QLatin1String("window")).toInt(&ok);
            if (!ok || values.size() < 6)
                continue;
            WindowGeometry w;
            for (int i = 0; i < 6; ++i)
                w << values.at(i).toInt();
            // The device lists all four windows; a closed one is all zeros.
            if (w[4] > 0 && w[5] > 0)
                record.windows.insert(id, w);
        } else if (key == QLatin1String("VIR")) {
            if (!values.isEmpty())
                record.virMode = values.first().toInt();
        } else if (key != QLatin1String("AUDIO")) {
            record.unknownKeys << key;
        }
    }
    return record;
}
