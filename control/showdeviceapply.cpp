#include "showdeviceapply.h"

#include "bindgroups.h"
#include "commands.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "routeservice.h"

#include <QHash>
#include <QTimer>

namespace {

Route toRoute(const ShowRoute &r)
{
    Route route;
    RouteKinds::fromKey(r.kind, &route.kind);
    route.output = r.output;
    route.source = r.source;
    return route;
}

ShowRoute fromRoute(const Route &r)
{
    return {RouteKinds::key(r.kind), r.output, r.source};
}

void wallCommands(const ShowDeviceChanges &c, QStringList *out)
{
    if (c.spliceMode)
        *out << Commands::mode(*c.spliceMode);
    if (c.wallGroups) {
        QList<int> masters = c.groupsToDissolve;
        // A splice mode binds its preset, which always starts at output 1.
        if (c.spliceMode && !masters.contains(1))
            masters.prepend(1);
        for (const int master : qAsConst(masters))
            *out << Commands::unBind(master);
        for (const QList<int> &members : *c.wallGroups)
            *out << Commands::bind(members.first(), members);
    }
    if (c.bezel) {
        const auto &b = *c.bezel;
        *out << Commands::bezelX(b[0], b[1], b[2], b[3])
             << Commands::bezelY(b[4], b[5], b[6], b[7]);
    }
    if (c.virMode)
        *out << Commands::vir(*c.virMode);
    for (auto it = c.rotation.cbegin(); it != c.rotation.cend(); ++it)
        *out << Commands::rotate(it.key(), it.value());
    // Before the routes: the splitter layout decides which areas there are.
    if (c.splitterLayout)
        *out << Commands::splitter(*c.splitterLayout);
}

} // namespace

ShowDeviceApply::ShowDeviceApply(OperatorCore *core, QObject *parent)
    : QObject(parent)
    , m_core(core)
    , m_pacer(new RoutePacer(core->routes(), this))
    , m_timer(new QTimer(this))
    , m_verifyTimer(new QTimer(this))
{
    qRegisterMetaType<ShowDeviceApply::Report>("ShowDeviceApply::Report");
    m_timer->setInterval(m_pacer->spacing());
    m_timer->setSingleShot(true);
    m_verifyTimer->setInterval(VerifyTimeoutMs);
    m_verifyTimer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ShowDeviceApply::next);
    connect(m_pacer, &RoutePacer::finished, this, &ShowDeviceApply::routesDone);
    connect(m_pacer, &RoutePacer::progress, this, [this](int sent, int) {
        emit progress(m_done + sent, m_total);
    });
    connect(m_verifyTimer, &QTimer::timeout, this, [this] { verified(false); });
    // The routing query is answered by the status record, on the multiview model by the
    // window status record.
    const auto answered = [this] {
        if (m_stage == Stage::Verify)
            verified(true);
    };
    connect(core, &OperatorCore::routingApplied, this, answered);
    connect(core, &OperatorCore::windowStatusApplied, this, answered);
}

void ShowDeviceApply::setSpacing(int ms)
{
    m_pacer->setSpacing(ms);
    m_timer->setInterval(m_pacer->spacing());
}

QStringList ShowDeviceApply::commandsBefore(const ShowDeviceChanges &changes,
                                            const QSet<ShowPart> &parts)
{
    QStringList commands;
    if (parts.contains(ShowPart::Wall))
        wallCommands(changes, &commands);
    return commands;
}

QStringList ShowDeviceApply::commandsAfter(const ShowDeviceChanges &c, const QSet<ShowPart> &parts)
{
    QStringList commands;
    if (parts.contains(ShowPart::OutputSettings)) {
        for (auto it = c.outputLock.cbegin(); it != c.outputLock.cend(); ++it)
            commands << Commands::outputLock(it.key(), it.value());
        for (auto it = c.resolution.cbegin(); it != c.resolution.cend(); ++it)
            commands << Commands::portResolution(it.key(), it.value());
        for (auto it = c.scaling.cbegin(); it != c.scaling.cend(); ++it)
            commands << Commands::scalerMode(it.key(), it.value());
    }
    if (parts.contains(ShowPart::Windows) && c.windows) {
        commands << Commands::windowCloseAll();
        for (auto it = c.windows->cbegin(); it != c.windows->cend(); ++it) {
            const QVector<int> &w = it.value();
            if (w.size() == 6 && w[0] > 0 && w[4] > 0 && w[5] > 0)
                commands << Commands::windowOpen(it.key(), w[0], w[1], w[2], w[3], w[4], w[5]);
        }
    }
    return commands;
}

bool ShowDeviceApply::start(const ActingUser &user,
                            const ShowDeviceChanges &changes,
                            const QSet<ShowPart> &parts)
{
    if (isRunning())
        return false;
    m_user = user;
    m_changes = changes;
    m_parts = parts;
    m_before = commandsBefore(changes, parts);
    m_after = commandsAfter(changes, parts);
    m_routes = parts.contains(ShowPart::Routes) ? changes.routes : QVector<ShowRoute>();
    m_report = Report();
    m_done = 0;
    m_total = m_before.size() + m_routes.size() + m_after.size();
    m_stage = Stage::Before;
    next();
    return true;
}

bool ShowDeviceApply::resendMissing()
{
    if (isRunning() || m_report.missing.isEmpty())
        return false;
    const QVector<ShowRoute> missing = m_report.missing;
    m_report = Report();
    m_before.clear();
    m_after.clear();
    m_routes = missing;
    m_done = 0;
    m_total = missing.size();
    startRoutes();
    return true;
}

void ShowDeviceApply::next()
{
    QStringList &queue = m_stage == Stage::Before ? m_before : m_after;
    if (queue.isEmpty()) {
        if (m_stage == Stage::Before) {
            storeWall();
            startRoutes();
        } else {
            storeOutputs();
            verify();
        }
        return;
    }
    m_core->link()->sendData(queue.takeFirst());
    ++m_report.settings;
    emit progress(++m_done, m_total);
    m_timer->start();
}

void ShowDeviceApply::startRoutes()
{
    m_stage = Stage::Routes;
    QVector<Route> routes;
    for (const ShowRoute &route : qAsConst(m_routes))
        routes.append(toRoute(route));
    m_pacer->start(m_user, routes);
}

void ShowDeviceApply::routesDone(const QVector<Route> &sent,
                                 const QVector<RoutePacer::Refused> &refused)
{
    for (const Route &route : sent)
        m_report.sent.append(fromRoute(route));
    for (const RoutePacer::Refused &r : refused)
        m_report.refused.append({fromRoute(r.first), r.second});
    m_done += sent.size() + refused.size();
    m_stage = Stage::After;
    // What follows the last route (a setting or the routing query) keeps the spacing too.
    if (!sent.isEmpty())
        m_timer->start();
    else
        next();
}

void ShowDeviceApply::storeWall()
{
    // The store follows what was sent at once, as for every other command (the device's
    // answers correct it later); the routes that follow are checked against it.
    DeviceState *state = m_core->state();
    const ShowDeviceChanges &c = m_changes;
    if (m_parts.contains(ShowPart::Wall)) {
        if (c.spliceMode)
            state->setSpliceMode(*c.spliceMode);
        if (c.bezel) {
            const auto &b = *c.bezel;
            state->setBezel(b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]);
        }
        if (c.virMode)
            state->setVirMode(*c.virMode);
        for (auto it = c.rotation.cbegin(); it != c.rotation.cend(); ++it)
            state->setRotation(it.key(), it.value());
        if (c.splitterLayout)
            state->selectSplitterLayout(*c.splitterLayout);
        if (c.wallGroups && m_core->bindGroups()) {
            m_core->bindGroups()->setGroups(*c.wallGroups);
            m_core->bindGroups()->refresh();
        }
    }
}

void ShowDeviceApply::storeOutputs()
{
    DeviceState *state = m_core->state();
    const ShowDeviceChanges &c = m_changes;
    if (m_parts.contains(ShowPart::OutputSettings)) {
        for (auto it = c.outputLock.cbegin(); it != c.outputLock.cend(); ++it)
            state->setOutputLocked(it.key(), it.value());
        for (auto it = c.resolution.cbegin(); it != c.resolution.cend(); ++it)
            state->setOutputResolutions(it.key(), it.value());
        for (auto it = c.scaling.cbegin(); it != c.scaling.cend(); ++it)
            state->setScalingMode(it.key(), it.value());
    }
    if (m_parts.contains(ShowPart::Windows) && c.windows)
        state->setWindowStatus(*c.windows);
    m_parts.clear();
}

void ShowDeviceApply::verify()
{
    m_stage = Stage::Verify;
    if (m_report.sent.isEmpty()) {
        verified(true);
        return;
    }
    m_verifyTimer->start();
    m_core->link()->sendStatus();
}

void ShowDeviceApply::verified(bool answered)
{
    m_verifyTimer->stop();
    m_stage = Stage::Idle;
    m_report.verified = answered;
    if (answered) {
        const DeviceState &state = *m_core->state();
        for (const ShowRoute &route : qAsConst(m_report.sent)) {
            const Route r = toRoute(route);
            if (RouteKinds::liveSource(r.kind, r.output, state) != r.source)
                m_report.missing.append(route);
        }
    }
    emit finished(m_report);
}
