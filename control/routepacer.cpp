#include "routepacer.h"

#include "routeservice.h"

#include <QTimer>

RoutePacer::RoutePacer(RouteService *routes, QObject *parent)
    : QObject(parent)
    , m_routes(routes)
    , m_timer(new QTimer(this))
{
    qRegisterMetaType<QVector<Route>>("QVector<Route>");
    qRegisterMetaType<QVector<Refused>>("QVector<RoutePacer::Refused>");
    m_timer->setInterval(DefaultSpacingMs);
    connect(m_timer, &QTimer::timeout, this, &RoutePacer::sendNext);
}

void RoutePacer::setSpacing(int ms)
{
    m_timer->setInterval(qMax(0, ms));
}

int RoutePacer::spacing() const
{
    return m_timer->interval();
}

bool RoutePacer::isRunning() const
{
    return m_running;
}

bool RoutePacer::start(const ActingUser &user, const QVector<Route> &routes, const QString &actor)
{
    if (m_running)
        return false;
    m_running = true;
    m_user = user;
    m_actor = actor;
    m_pending = routes;
    m_sent.clear();
    m_refused.clear();
    m_total = routes.size();
    // The first goes out now; a list of one needs no timer at all.
    sendNext();
    if (m_running)
        m_timer->start();
    return true;
}

void RoutePacer::stop()
{
    if (!m_running)
        return;
    m_pending.clear();
    finish();
}

void RoutePacer::sendNext()
{
    // A refused route sends nothing, so the next one need not wait for its turn.
    while (!m_pending.isEmpty()) {
        const Route route = m_pending.takeFirst();
        const RouteService::Outcome outcome = m_routes->route(m_user, route, m_actor);
        if (outcome.ok())
            m_sent.append(route);
        else
            m_refused.append({route, outcome.reason});
        emit progress(m_sent.size() + m_refused.size(), m_total);
        if (outcome.ok())
            break;
    }
    if (m_pending.isEmpty())
        finish();
}

void RoutePacer::finish()
{
    m_timer->stop();
    if (!m_running)
        return;
    m_running = false;
    emit finished(m_sent, m_refused);
}
