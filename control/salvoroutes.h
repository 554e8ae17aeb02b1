#pragma once

#include "route.h"
#include "salvostore.h"

#include <QVector>

class BindGroups;
class DeviceState;

// The routes of a salvo as the routing core sees them: stored form to routes and back,
// what "the current routes" are, the order a recall sends them in and what the device
// must show afterwards. Pure functions; any thread.
namespace SalvoRoutes {

SalvoRoute toStored(const Route &route);
// False for a kind this client does not know (a newer client's salvo).
bool fromStored(const SalvoRoute &stored, Route *route);
QVector<SalvoRoute> toStored(const QVector<Route> &routes);

// Every cell of every grid the model has (splitter areas only while a layout is set), with
// what the store holds for it; with `cells` given, only those (kind and output) of them.
QVector<Route> current(const DeviceState &state, const QVector<Route> &cells = {});

// The routes in page order (video first, so audio that follows video is set after it), one
// per cell; a video route on a bound output stands for its group, so only the last of a
// group's routes is kept.
QVector<Route> recallOrder(const QVector<Route> &routes, const BindGroups *groups);

// The cells a sent route must change: a video route reaches its whole bind group.
QVector<Route> expectedCells(const Route &route, const BindGroups *groups);

// The sent routes the state does not show.
QVector<Route>
notTaken(const QVector<Route> &sent, const DeviceState &state, const BindGroups *groups);

} // namespace SalvoRoutes
