#pragma once

#include "devicestate.h"

#include <QJsonObject>
#include <QMap>
#include <QStringList>

#include <optional>

// What the device's window status record says about the windows and the wall layout.
// The audio part of the record is read elsewhere.
struct WindowStatusRecord
{
    // Window ID to input, layer, x, y, w, h; closed windows (no size) are left out.
    QMap<int, WindowGeometry> windows;
    std::optional<int> virMode;
    QStringList unknownKeys;

    static WindowStatusRecord read(const QJsonObject &obj);
};
