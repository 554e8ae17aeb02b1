#include "salvocontroller.h"

#include "appsettings.h"
#include "linkindicator.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "routepacer.h"
#include "routeservice.h"
#include "salvoroutes.h"

#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcSalvo, "zel.salvo")

SalvoController::SalvoController(OperatorCore *core, QObject *parent)
    : QObject(parent)
    , m_core(core)
    , m_pacer(new RoutePacer(core->routes(), this))
    , m_timer(new QTimer(this))
{
    qRegisterMetaType<SalvoController::Report>();
    m_timer->setSingleShot(true);
    connect(m_pacer, &RoutePacer::progress, this, &SalvoController::recallProgress);
    connect(m_pacer, &RoutePacer::finished, this, &SalvoController::sent);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::Waiting)
            send();
        else if (m_phase == Phase::Settling)
            askDevice();
        else if (m_phase == Phase::Verifying)
            verify(false);
    });
    // The answer to the routing query carries every route of the device.
    connect(m_core, &OperatorCore::routingApplied, this, [this] {
        if (m_phase == Phase::Verifying)
            verify(true);
    });
    // Any route from this client keeps the device busy for a spacing, a drop included.
    connect(m_core->routes(), &RouteService::routed, this, [this] { m_sinceRoute.start(); });
    reload();
}

SalvoController::~SalvoController() = default;

void SalvoController::reload()
{
    m_store = std::make_unique<SalvoStore>();
    if (!m_store->isUsable())
        qCWarning(lcSalvo).noquote() << "salvos are off:" << m_store->lastError();
    emit salvosChanged();
}

bool SalvoController::isUsable() const
{
    return m_store->isUsable();
}

QString SalvoController::unusableReason() const
{
    if (isUsable())
        return QString();
    return tr("Salvos are unavailable: the project database cannot be changed (it is "
              "read-only or damaged).");
}

QVector<Salvo> SalvoController::salvos() const
{
    return m_store->list(deviceIp());
}

QVector<Route> SalvoController::currentRoutes(const QVector<Route> &cells) const
{
    return SalvoRoutes::current(*m_core->state(), cells);
}

qint64 SalvoController::create(const QString &name, const QVector<Route> &routes)
{
    Salvo salvo;
    salvo.name = name;
    salvo.routes = SalvoRoutes::toStored(routes);
    const qint64 id = m_store->create(deviceIp(), salvo);
    stored(id > 0);
    return id;
}

bool SalvoController::rename(qint64 id, const QString &name)
{
    return stored(m_store->rename(id, name));
}

bool SalvoController::remove(qint64 id)
{
    return stored(m_store->remove(id));
}

void SalvoController::setSpacing(int ms)
{
    m_pacer->setSpacing(ms);
}

int SalvoController::spacing() const
{
    return m_pacer->spacing();
}

bool SalvoController::recall(const ActingUser &user, qint64 id, const QString &actor)
{
    const QVector<Salvo> all = salvos();
    const auto it =
        std::find_if(all.cbegin(), all.cend(), [id](const Salvo &s) { return s.id == id; });
    if (it == all.cend() || isRecalling())
        return false;
    QVector<Route> routes;
    for (const SalvoRoute &stored : it->routes) {
        Route route;
        if (SalvoRoutes::fromStored(stored, &route))
            routes.append(route);
        else
            qCWarning(lcSalvo) << "salvo" << it->name.left(64) << "has an unknown route kind"
                               << stored.kind.left(32);
    }
    return start(user, it->name, routes, actor);
}

bool SalvoController::resendMissing(const ActingUser &user, const QString &actor)
{
    if (isRecalling() || m_report.missing.isEmpty())
        return false;
    return start(user, m_report.name, m_report.missing, actor);
}

bool SalvoController::start(const ActingUser &user,
                            const QString &name,
                            const QVector<Route> &routes,
                            const QString &actor)
{
    if (m_pacer->isRunning())
        return false;
    m_user = user;
    m_routes = SalvoRoutes::recallOrder(routes, m_core->bindGroups());
    m_actor = actor;
    m_report = Report();
    m_report.name = name;
    // The first route keeps the spacing from the route before it, a resend's included.
    const qint64 wait = m_sinceRoute.isValid() ? spacing() - m_sinceRoute.elapsed() : 0;
    if (wait > 0) {
        m_phase = Phase::Waiting;
        m_timer->start(int(wait));
    } else {
        send();
    }
    return true;
}

void SalvoController::send()
{
    m_phase = Phase::Sending;
    m_pacer->start(m_user, m_routes, m_actor);
}

void SalvoController::sent(const QVector<Route> &routes,
                           const QVector<QPair<Route, QString>> &refused)
{
    if (m_phase != Phase::Sending)
        return;
    m_report.sent = routes;
    m_report.skipped = refused;
    if (routes.isEmpty()) {
        verify(false);
        return;
    }
    // The last route gets the same time to take as the others before the device is asked.
    m_phase = Phase::Settling;
    m_timer->start(spacing());
}

void SalvoController::askDevice()
{
    if (!m_core->indicator()->offlineReason().isEmpty()) {
        verify(false);
        return;
    }
    m_phase = Phase::Verifying;
    m_timer->start(VerifyTimeoutMs);
    m_core->link()->sendStatus();
}

void SalvoController::verify(bool answered)
{
    m_timer->stop();
    m_phase = Phase::Idle;
    m_report.verified = answered;
    // Unanswered, nothing is known to have taken: everything sent may be sent again.
    m_report.missing =
        answered ? SalvoRoutes::notTaken(m_report.sent, *m_core->state(), m_core->bindGroups())
                 : m_report.sent;
    if (!m_report.missing.isEmpty())
        qCInfo(lcSalvo).noquote() << "salvo" << m_report.name.left(64) << ":"
                                  << m_report.missing.size() << "of" << m_report.sent.size()
                                  << "routes did not take";
    emit recallFinished(m_report);
}

QString SalvoController::deviceIp() const
{
    return AppSettings::instance()->ip();
}

bool SalvoController::stored(bool ok)
{
    m_lastError = ok ? QString() : storeErrorText();
    if (ok)
        emit salvosChanged();
    return ok;
}

QString SalvoController::storeErrorText() const
{
    switch (m_store->lastErrorKind()) {
    case SalvoStore::Error::None:
        return QString();
    case SalvoStore::Error::Unusable:
        return unusableReason();
    case SalvoStore::Error::EmptyName:
        return tr("A salvo needs a name.");
    case SalvoStore::Error::NameTooLong:
        return tr("A salvo name has at most %1 characters.").arg(SalvoStore::kMaxNameLength);
    case SalvoStore::Error::NameTaken:
        return tr("There is already a salvo called \"%1\".").arg(m_store->lastError());
    case SalvoStore::Error::NotFound:
        return tr("That salvo no longer exists.");
    case SalvoStore::Error::BadRoute:
    case SalvoStore::Error::Database:
        break;
    }
    return tr("The salvo could not be saved: %1").arg(m_store->lastError());
}
