#include "showsnapshot.h"

#include "bindgroups.h"
#include "devicestate.h"
#include "route.h"

namespace {

template<typename V, typename Keep>
QMap<int, V> outputsOnly(const QMap<int, V> &map, int outputs, Keep keep)
{
    QMap<int, V> kept;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.key() >= 1 && it.key() <= outputs && keep(it.value()))
            kept.insert(it.key(), it.value());
    }
    return kept;
}

bool windowValid(int id, const WindowGeometry &geometry)
{
    static const int high[] = {8, 8, 16384, 16384, 16384, 16384};
    if (id < 1 || id > ShowDocument::WindowCount || geometry.size() != 6)
        return false;
    for (int i = 0; i < 6; ++i) {
        if (geometry.at(i) < 0 || geometry.at(i) > high[i])
            return false;
    }
    return true;
}

// Whether the store has heard of the cell at all: a route it never heard of (the
// multiview model reports no video routing) is not written as "nothing routed".
bool known(RouteKind kind, int output, const DeviceState &state)
{
    switch (kind) {
    case RouteKind::Video:
        return state.videoRouting().contains(output);
    case RouteKind::Audio:
    case RouteKind::HdmiAudio:
    case RouteKind::Audio0808S:
        return state.audioRouting().contains(output);
    case RouteKind::Infrared:
        return state.irRouting().contains(output);
    case RouteKind::SplitterArea:
        break;
    }
    return state.splitterRouting().contains(output);
}

} // namespace

QVector<ShowRoute> ShowSnapshot::routes(const DeviceState &state, int deviceCode, int layout)
{
    QVector<ShowRoute> routes;
    for (const RouteKind kind : RouteKinds::kindsOf(deviceCode)) {
        for (const int output : RouteKinds::outputs(kind, deviceCode, layout)) {
            if (!known(kind, output, state))
                continue;
            const ShowRoute route{
                RouteKinds::key(kind), output, RouteKinds::liveSource(kind, output, state)};
            if (ShowDocument::routeInRange(route))
                routes.append(route);
        }
    }
    return routes;
}

ShowDeviceSnapshot ShowSnapshot::capture(const DeviceState &state, const BindGroups *groups)
{
    ShowDeviceSnapshot d;
    const int code = state.deviceType();
    const int outputs = DeviceModels::outputCount(state.deviceTypeModel());
    const int layout = state.splitterLayout();
    d.splitterLayout = layout >= 0 && layout <= 6 ? layout : 0;
    d.routes = routes(state, code, d.splitterLayout);
    const auto any = [](const auto &) {
        return true;
    };
    const auto mode = [](int value) {
        return value >= 0 && value <= 3;
    };
    d.outputLock = outputsOnly(state.outputLocked(), outputs, any);
    d.resolution =
        outputsOnly(state.outputResolutions(), outputs, ShowDocument::resolutionTextValid);
    d.scaling = outputsOnly(state.scalingMode(), outputs, mode);
    d.rotation = outputsOnly(state.rotation(), outputs, mode);
    if (groups) {
        for (auto it = groups->groups().cbegin(); it != groups->groups().cend(); ++it) {
            if (it.value().size() >= 2)
                d.wallGroups.insert(it.value().first(), it.value());
        }
    }
    d.spliceMode = state.spliceMode();
    d.virMode = state.virMode();
    const BezelValues bezel = state.bezel();
    for (int i = 0; i < 4; ++i) {
        d.bezel[size_t(i)] = qMin(bezel.x[size_t(i)], 65535u);
        d.bezel[size_t(i) + 4] = qMin(bezel.y[size_t(i)], 65535u);
    }
    const QMap<int, WindowGeometry> windows = state.windowStatus();
    for (auto it = windows.cbegin(); it != windows.cend(); ++it) {
        if (windowValid(it.key(), it.value()))
            d.windows.insert(it.key(), it.value());
    }
    return d;
}
