#include "takestage.h"

#include "actinguser.h"
#include "routepacer.h"
#include "routeservice.h"

namespace {

bool sameCell(const Route &a, const Route &b)
{
    return a.kind == b.kind && a.output == b.output;
}

} // namespace

TakeStage::TakeStage(RouteService *routes, QObject *parent)
    : QObject(parent)
    , m_service(routes)
    , m_pacer(new RoutePacer(routes, this))
{
    connect(m_pacer, &RoutePacer::finished, this, &TakeStage::takeFinished);
}

void TakeStage::setTakeMode(bool on)
{
    if (on == m_takeMode)
        return;
    m_takeMode = on;
    if (!on)
        cancel();
    emit takeModeChanged(on);
}

QString TakeStage::stage(const ActingUser &user, const Route &route)
{
    const RouteService::Outcome outcome = m_service->check(user, route);
    if (!outcome.ok())
        return outcome.reason;
    for (Route &staged : m_routes) {
        if (sameCell(staged, route)) {
            staged = route;
            emit changed();
            return QString();
        }
    }
    m_routes << route;
    emit changed();
    return QString();
}

bool TakeStage::staged(RouteKind kind, int output, Route *route) const
{
    for (const Route &staged : m_routes) {
        if (staged.kind == kind && staged.output == output) {
            if (route)
                *route = staged;
            return true;
        }
    }
    return false;
}

TakeStage::Refused TakeStage::revalidate(const ActingUser &user)
{
    Refused gone;
    QVector<Route> kept;
    for (const Route &route : qAsConst(m_routes)) {
        const RouteService::Outcome outcome = m_service->check(user, route);
        // Offline the stage waits for the device to come back.
        if (outcome.ok() || outcome.refusal == RouteService::Refusal::Offline)
            kept << route;
        else
            gone << qMakePair(route, outcome.reason);
    }
    if (gone.isEmpty())
        return gone;
    m_routes = kept;
    emit changed();
    emit dropped(gone);
    return gone;
}

QString TakeStage::take(const ActingUser &user)
{
    if (m_pacer->isRunning())
        return tr("The previous take is still being sent.");
    if (m_routes.isEmpty())
        return tr("Nothing is staged.");
    for (const Route &route : qAsConst(m_routes)) {
        const RouteService::Outcome outcome = m_service->check(user, route);
        if (outcome.refusal == RouteService::Refusal::Offline)
            return outcome.reason;
    }
    revalidate(user);
    if (m_routes.isEmpty())
        return tr("Nothing is staged.");
    const QVector<Route> sending = m_routes;
    m_routes.clear();
    emit changed();
    emit takeStarted(sending.size());
    m_pacer->start(user, sending);
    return QString();
}

void TakeStage::cancel()
{
    clearStage();
}

void TakeStage::setDevice(const QString &identity)
{
    if (identity == m_device)
        return;
    const bool another = !m_device.isEmpty();
    m_device = identity;
    if (another)
        clearStage();
}

void TakeStage::clearStage()
{
    if (m_routes.isEmpty())
        return;
    m_routes.clear();
    emit changed();
}

bool TakeStage::isTaking() const
{
    return m_pacer->isRunning();
}

void TakeStage::setSpacing(int ms)
{
    m_pacer->setSpacing(ms);
}
