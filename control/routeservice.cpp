#include "routeservice.h"

#include "actinguser.h"
#include "devicestate.h"
#include "droprefusal.h"
#include "linkindicator.h"
#include "localrouting.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "splitterlayout.h"
#include "windowrules.h"

#include <QCoreApplication>

RouteService::RouteService(OperatorCore *core, QObject *parent)
    : QObject(parent)
    , m_core(core)
{
    qRegisterMetaType<Route>();
}

bool RouteService::isLocked(RouteKind kind, int output) const
{
    const DeviceState *state = m_core->state();
    return kind == RouteKind::Video && output == 9 &&
           DeviceModels::is(state->deviceType(), DeviceModel::Model0809M) &&
           state->splitterLayout() != 0;
}

RouteService::Outcome RouteService::check(const ActingUser &user, const Route &route) const
{
    const DeviceState *state = m_core->state();
    const QString offline = m_core->indicator()->offlineReason();
    Outcome out;
    if (!offline.isEmpty()) {
        out = {Refusal::Offline, offline};
        return out;
    }
    const bool knownSource =
        route.source == 0 ||
        RouteKinds::sources(route.kind, state->deviceType()).contains(route.source);
    const bool knownOutput =
        RouteKinds::outputs(route.kind, state->deviceType(), state->splitterLayout())
            .contains(route.output);
    if (!knownOutput || !knownSource) {
        out = {Refusal::NoPort,
               QCoreApplication::translate("TableWidget", "There is no output here.")};
        return out;
    }
    bool noRight = false;
    if (route.kind == RouteKind::SplitterArea) {
        out.reason = DropRefusal::splitterArea(
            user, route.source, QString(), m_core->bindGroups(), &noRight);
    } else {
        const int grid = RouteKinds::gridKind(route.kind);
        DropRefusal::Cell cell{true, isLocked(route.kind, route.output)};
        out.reason = DropRefusal::reason(
            route.output,
            QString(),
            cell,
            [&] {
                return WindowRules::dropAllowed(
                    user,
                    grid,
                    route.output,
                    GridLayout::dropRights(grid, route.output, route.source),
                    m_core->bindGroups());
            },
            &noRight);
        if (cell.locked)
            out.refusal = Refusal::Locked;
    }
    if (noRight)
        out.refusal = Refusal::NoRight;
    return out;
}

RouteService::Outcome
RouteService::route(const ActingUser &user, const Route &route, const QString &actor)
{
    const Outcome outcome = check(user, route);
    if (!outcome.ok())
        return outcome;
    const int previous = RouteKinds::liveSource(route.kind, route.output, *m_core->state());
    send(route);
    store(route);
    emit routed(route, previous, actor);
    return outcome;
}

void RouteService::send(const Route &route)
{
    const int output = route.kind == RouteKind::SplitterArea
                           ? SplitterLayout::deviceOutput(route.output)
                           : route.output;
    m_core->link()->sendSwitch(route.source, RouteKinds::switchType(route.kind), output);
}

void RouteService::store(const Route &route)
{
    DeviceState *state = m_core->state();
    switch (route.kind) {
    case RouteKind::Video:
        LocalRouting::applyVideoRoute(route.source,
                                      route.output,
                                      m_core->bindGroups(),
                                      m_core->hdmiAudioFollowsVideo(),
                                      true);
        break;
    case RouteKind::Audio:
    case RouteKind::HdmiAudio:
    case RouteKind::Audio0808S:
        state->setAudioRouting(route.output, route.source);
        break;
    case RouteKind::Infrared:
        state->setIrRouting(route.output, route.source);
        break;
    case RouteKind::SplitterArea:
        state->setSplitterRouting(route.output, route.source);
        break;
    }
}
