#include "route.h"

#include "devicemodel.h"
#include "devicestate.h"
#include "gridlayout.h"
#include "splitterlayout.h"

#include <QHash>

bool operator==(const Route &a, const Route &b)
{
    return a.kind == b.kind && a.output == b.output && a.source == b.source;
}

uint qHash(const Route &route, uint seed)
{
    return ::qHash(int(route.kind) * 1000 + route.output, seed);
}

namespace RouteKinds {

namespace {
struct KindName
{
    RouteKind kind;
    const char *key;
};
constexpr KindName Names[] = {
    {RouteKind::Video, "video"},
    {RouteKind::Audio, "audio"},
    {RouteKind::HdmiAudio, "hdmiAudio"},
    {RouteKind::Infrared, "infrared"},
    {RouteKind::Audio0808S, "audio0808s"},
    {RouteKind::SplitterArea, "splitter"},
};

bool isModel(int code, DeviceModel model)
{
    return DeviceModels::is(code, model);
}
} // namespace

QString key(RouteKind kind)
{
    for (const KindName &n : Names) {
        if (n.kind == kind)
            return QLatin1String(n.key);
    }
    return QString();
}

bool fromKey(const QString &key, RouteKind *kind)
{
    for (const KindName &n : Names) {
        if (key == QLatin1String(n.key)) {
            *kind = n.kind;
            return true;
        }
    }
    return false;
}

int gridKind(RouteKind kind)
{
    switch (kind) {
    case RouteKind::Video:
        return int(GridLayout::Kind::Video);
    case RouteKind::Audio:
        return int(GridLayout::Kind::Audio);
    case RouteKind::HdmiAudio:
        return int(GridLayout::Kind::HdmiAudio);
    case RouteKind::Infrared:
        return int(GridLayout::Kind::Infrared);
    case RouteKind::Audio0808S:
        return int(GridLayout::Kind::Audio0808S);
    case RouteKind::SplitterArea:
        break;
    }
    return -1;
}

int switchType(RouteKind kind)
{
    switch (kind) {
    case RouteKind::Audio:
    case RouteKind::HdmiAudio:
    case RouteKind::Audio0808S:
        return 1;
    case RouteKind::Infrared:
        return 2;
    case RouteKind::Video:
    case RouteKind::SplitterArea:
        break;
    }
    return 0;
}

QList<RouteKind> kindsOf(int deviceCode)
{
    if (!DeviceModels::fromCode(deviceCode))
        return {};
    QList<RouteKind> kinds{RouteKind::Video};
    if (isModel(deviceCode, DeviceModel::Model0808S)) {
        kinds << RouteKind::Audio0808S;
    } else {
        for (RouteKind kind : {RouteKind::Audio, RouteKind::HdmiAudio}) {
            if (GridLayout::shapeFor(GridLayout::Kind(gridKind(kind)), deviceCode, 0).visible)
                kinds << kind;
        }
    }
    if (GridLayout::shapeFor(GridLayout::Kind::Infrared, deviceCode, 0).visible)
        kinds << RouteKind::Infrared;
    if (isModel(deviceCode, DeviceModel::Model0809M))
        kinds << RouteKind::SplitterArea;
    return kinds;
}

QList<int> outputs(RouteKind kind, int deviceCode, int splitterLayout)
{
    if (!kindsOf(deviceCode).contains(kind))
        return {};
    QList<int> ports;
    if (kind == RouteKind::SplitterArea) {
        // Layout 0 leaves output 9 whole: no area to route to.
        if (splitterLayout == 0)
            return {};
        return SplitterLayout::areas(splitterLayout).keys();
    }
    if (kind == RouteKind::Audio0808S) {
        ports << 1;
        for (int n = 1; n <= 8; ++n)
            ports << 100 + n;
        return ports;
    }
    const auto grid = GridLayout::Kind(gridKind(kind));
    const GridLayout::Shape shape = GridLayout::shapeFor(grid, deviceCode, 0);
    const int base = kind == RouteKind::HdmiAudio ? 100 : 0;
    for (int row = 0; row < shape.rows; ++row) {
        for (int column = 0; column < shape.columns; ++column) {
            const int port = GridLayout::cellPort(base, shape.columns, shape.rows, column, row);
            if (GridLayout::hasCellWidget(port, base, deviceCode))
                ports << port;
        }
    }
    return ports;
}

QList<int> sources(RouteKind kind, int deviceCode)
{
    if (!kindsOf(deviceCode).contains(kind))
        return {};
    QList<int> ports;
    if (switchType(kind) != 1) {
        for (int n = 1; n <= 8; ++n)
            ports << n;
        return ports;
    }
    // The signal list offers analogue audio only where the model has analogue inputs.
    if (!isModel(deviceCode, DeviceModel::Model0409S) &&
        !isModel(deviceCode, DeviceModel::Model0808S)) {
        for (int n = 1; n <= 8; ++n)
            ports << n;
    }
    for (int n = 1; n <= 8; ++n)
        ports << 100 + n;
    return ports;
}

int liveSource(RouteKind kind, int output, const DeviceState &state)
{
    switch (kind) {
    case RouteKind::Video:
        return state.videoRouting(output);
    case RouteKind::Audio:
    case RouteKind::HdmiAudio:
    case RouteKind::Audio0808S:
        return state.audioRouting(output);
    case RouteKind::Infrared:
        return state.irRouting(output);
    case RouteKind::SplitterArea:
        return state.splitterRouting(output);
    }
    return 0;
}

} // namespace RouteKinds
