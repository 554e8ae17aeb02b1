#pragma once

#include "showdocument.h"

class BindGroups;
class DeviceState;

// What the client knows of the device, as a show file carries it: routes of every kind
// the model has, output settings, the wall and the multiview windows. Only values the
// reader would take back are kept, so an export can always be imported. GUI thread.
class ShowSnapshot
{
public:
    // groups may be null (no bind manager yet): the snapshot then has no wall groups.
    static ShowDeviceSnapshot capture(const DeviceState &state, const BindGroups *groups);
    // The routes the state holds for the grids of deviceCode (splitter areas of `layout`).
    static QVector<ShowRoute> routes(const DeviceState &state, int deviceCode, int layout);
};
