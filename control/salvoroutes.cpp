#include "salvoroutes.h"

#include "devicestate.h"
#include "localrouting.h"

#include <QSet>

#include <algorithm>

namespace SalvoRoutes {

SalvoRoute toStored(const Route &route)
{
    return {RouteKinds::key(route.kind), route.output, route.source};
}

bool fromStored(const SalvoRoute &stored, Route *route)
{
    RouteKind kind = RouteKind::Video;
    if (!RouteKinds::fromKey(stored.kind, &kind))
        return false;
    *route = {kind, stored.output, stored.source};
    return true;
}

QVector<SalvoRoute> toStored(const QVector<Route> &routes)
{
    QVector<SalvoRoute> stored;
    stored.reserve(routes.size());
    for (const Route &route : routes)
        stored.append(toStored(route));
    return stored;
}

QVector<Route> current(const DeviceState &state, const QVector<Route> &cells)
{
    QVector<Route> routes;
    const int code = state.deviceType();
    for (const RouteKind kind : RouteKinds::kindsOf(code)) {
        for (const int output : RouteKinds::outputs(kind, code, state.splitterLayout())) {
            const Route route{kind, output, RouteKinds::liveSource(kind, output, state)};
            const bool picked = std::any_of(cells.cbegin(), cells.cend(), [&](const Route &c) {
                return c.kind == kind && c.output == output;
            });
            if (cells.isEmpty() || picked)
                routes.append(route);
        }
    }
    return routes;
}

namespace {

int pageIndex(RouteKind kind)
{
    static const RouteKind order[] = {RouteKind::Video,
                                      RouteKind::Audio,
                                      RouteKind::HdmiAudio,
                                      RouteKind::Audio0808S,
                                      RouteKind::Infrared,
                                      RouteKind::SplitterArea};
    return int(std::find(std::begin(order), std::end(order), kind) - std::begin(order));
}

// The cell that stands for a route: a video route's group is named by its first output.
QPair<int, int> cellKey(const Route &route, const BindGroups *groups)
{
    if (route.kind != RouteKind::Video)
        return {int(route.kind), route.output};
    const QList<int> reached = LocalRouting::outputsReached(route.output, groups);
    return {int(route.kind), *std::min_element(reached.cbegin(), reached.cend())};
}

} // namespace

QVector<Route> recallOrder(const QVector<Route> &routes, const BindGroups *groups)
{
    // Walking backwards keeps the last route of each cell or group, as the device would.
    QVector<Route> kept;
    QSet<QPair<int, int>> seen;
    for (auto it = routes.crbegin(); it != routes.crend(); ++it) {
        const auto key = cellKey(*it, groups);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        kept.prepend(*it);
    }
    std::stable_sort(kept.begin(), kept.end(), [](const Route &a, const Route &b) {
        return pageIndex(a.kind) < pageIndex(b.kind);
    });
    return kept;
}

QVector<Route> expectedCells(const Route &route, const BindGroups *groups)
{
    if (route.kind != RouteKind::Video)
        return {route};
    QVector<Route> cells;
    for (const int output : LocalRouting::outputsReached(route.output, groups))
        cells.append({route.kind, output, route.source});
    return cells;
}

QVector<Route>
notTaken(const QVector<Route> &sent, const DeviceState &state, const BindGroups *groups)
{
    QVector<Route> missing;
    for (const Route &route : sent) {
        const QVector<Route> cells = expectedCells(route, groups);
        const bool taken = std::all_of(cells.cbegin(), cells.cend(), [&](const Route &cell) {
            return RouteKinds::liveSource(cell.kind, cell.output, state) == cell.source;
        });
        if (!taken)
            missing.append(route);
    }
    return missing;
}

} // namespace SalvoRoutes
