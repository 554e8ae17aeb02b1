#include "eventfeed.h"

#include "changeapplier.h"
#include "devicepicture.h"
#include "devicestate.h"
#include "eventhub.h"
#include "linkindicator.h"
#include "operatorcore.h"
#include "plancontroller.h"
#include "portnamestore.h"
#include "route.h"
#include "routeservice.h"
#include "staletracker.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>

EventFeed::EventFeed(const RemoteContext &context, EventHub *hub, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_hub(hub)
    , m_coalesce(new QTimer(this))
    , m_names(new QTimer(this))
{
    // Several signals follow one change; one comparison after them all is enough.
    m_coalesce->setSingleShot(true);
    m_coalesce->setInterval(0);
    connect(m_coalesce, &QTimer::timeout, this, &EventFeed::publishChanges);
    m_names->setInterval(NamesPollMs);
    connect(m_names, &QTimer::timeout, this, &EventFeed::pollNames);
    m_names->start();
    connectCore();
    publishChanges();
    m_connection = QString::fromUtf8(QJsonDocument(DevicePicture::connection(m_context)).toJson());
}

void EventFeed::connectCore()
{
    if (OperatorCore *core = m_context.core) {
        connect(core, &OperatorCore::routingApplied, this, &EventFeed::scheduleChanges);
        connect(core, &OperatorCore::videoRouted, this, &EventFeed::scheduleChanges);
        connect(core, &OperatorCore::bindApplied, this, &EventFeed::scheduleChanges);
        connect(core, &OperatorCore::windowStatusApplied, this, &EventFeed::scheduleChanges);
        connect(core, &OperatorCore::versionApplied, this, [this] {
            // Another model has other grids: the pages fetch the whole picture again.
            m_routes.clear();
            m_locks.clear();
            publish("names", QJsonObject());
            scheduleChanges();
        });
        ChangeApplier *changes = core->changes();
        connect(changes, &ChangeApplier::gridChanged, this, &EventFeed::scheduleChanges);
        connect(changes, &ChangeApplier::cellChanged, this, &EventFeed::scheduleChanges);
        connect(changes, &ChangeApplier::splitterChanged, this, &EventFeed::scheduleChanges);
        if (RouteService *routes = m_context.routes)
            connect(routes, &RouteService::routed, this, &EventFeed::scheduleChanges);
    }
    if (m_context.link)
        connect(m_context.link, &LinkIndicator::changed, this, &EventFeed::publishConnection);
    if (m_context.stale)
        connect(m_context.stale, &StaleTracker::staleChanged, this, &EventFeed::publishConnection);
    if (m_context.plans) {
        connect(m_context.plans, &PlanController::namesChanged, this, [this] {
            publish("plans", {{QStringLiteral("plans"), DevicePicture::plans(m_context)}});
        });
    }
}

void EventFeed::scheduleChanges()
{
    m_coalesce->start();
}

void EventFeed::publish(const char *name, const QJsonObject &data)
{
    if (m_hub)
        m_hub->publish(name, QJsonDocument(data).toJson(QJsonDocument::Compact).toStdString());
}

void EventFeed::publishChanges()
{
    if (!m_context.core)
        return;
    const DeviceState *state = m_context.core->state();
    const RouteService *routes = m_context.routes;
    const int code = state->deviceType();
    for (RouteKind kind : RouteKinds::kindsOf(code)) {
        const QString key = RouteKinds::key(kind);
        for (int output : RouteKinds::outputs(kind, code, state->splitterLayout())) {
            const QString cell = key + QLatin1Char('/') + QString::number(output);
            const int source = RouteKinds::liveSource(kind, output, *state);
            if (!m_routes.contains(cell) || m_routes.value(cell) != source) {
                m_routes.insert(cell, source);
                publish("route",
                        {{QStringLiteral("kind"), key},
                         {QStringLiteral("output"), output},
                         {QStringLiteral("source"), source}});
            }
            const bool locked = routes && routes->isLocked(kind, output);
            if (m_locks.value(cell, false) != locked) {
                m_locks.insert(cell, locked);
                publish("lock",
                        {{QStringLiteral("kind"), key},
                         {QStringLiteral("output"), output},
                         {QStringLiteral("locked"), locked}});
            }
        }
    }
}

void EventFeed::publishConnection()
{
    const QJsonObject connection = DevicePicture::connection(m_context);
    const QString text = QString::fromUtf8(QJsonDocument(connection).toJson());
    if (text == m_connection)
        return;
    m_connection = text;
    publish("connection", connection);
}

void EventFeed::pollNames()
{
    if (!m_hub || m_hub->openCount() == 0)
        return;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QList<QMap<int, QString>> tables{PortNameStore::loadPortNames(PortNameStore::InputVideo),
                                           PortNameStore::loadPortNames(PortNameStore::OutputVideo),
                                           PortNameStore::loadPortNames(PortNameStore::InputAudio),
                                           PortNameStore::loadOutAudioNames(),
                                           PortNameStore::loadOutInfraredNames()};
    for (const auto &table : tables) {
        for (auto it = table.begin(); it != table.end(); ++it)
            hash.addData(QStringLiteral("%1=%2;").arg(it.key()).arg(it.value()).toUtf8());
        hash.addData("|", 1);
    }
    const QByteArray digest = hash.result();
    if (!m_namesDigest.isEmpty() && digest != m_namesDigest)
        publish("names", QJsonObject());
    m_namesDigest = digest;
}
