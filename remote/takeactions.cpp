#include "takeactions.h"

#include "apiactions.h"
#include "apirouter.h"
#include "eventhub.h"
#include "linkindicator.h"
#include "remotelog.h"
#include "remotetexts.h"
#include "routeservice.h"
#include "takestage.h"
#include "webcaller.h"

#include <QJsonDocument>

namespace {

constexpr int MaxStaged = 64;

QJsonObject routeJson(const Route &route)
{
    return {{QStringLiteral("kind"), RouteKinds::key(route.kind)},
            {QStringLiteral("output"), route.output},
            {QStringLiteral("source"), route.source}};
}

} // namespace

TakeActions::TakeActions(const RemoteContext &context, const RemoteTexts &texts, EventHub *hub)
    : m_context(context)
    , m_texts(texts)
    , m_hub(hub)
{
}

TakeActions::~TakeActions() = default;

TakeStage *TakeActions::stageOf(const WebCaller &caller)
{
    std::shared_ptr<TakeStage> &stage = m_stages[caller.session.token];
    if (!stage) {
        stage = std::make_shared<TakeStage>(m_context.routes);
        stage->setTakeMode(true);
    }
    return stage.get();
}

QJsonArray TakeActions::staged(const WebCaller &caller) const
{
    QJsonArray staged;
    const auto stage = m_stages.value(caller.session.token);
    if (stage) {
        for (const Route &route : stage->routes())
            staged.append(routeJson(route));
    }
    return staged;
}

void TakeActions::drop(const QByteArray &token)
{
    m_stages.remove(token);
}

void TakeActions::tell(const QByteArray &token)
{
    if (!m_hub)
        return;
    const auto stage = m_stages.value(token);
    QJsonArray staged;
    if (stage) {
        for (const Route &route : stage->routes())
            staged.append(routeJson(route));
    }
    const QJsonObject data{{QStringLiteral("staged"), staged}};
    m_hub->publishTo(token.toStdString(),
                     "stage",
                     QJsonDocument(data).toJson(QJsonDocument::Compact).toStdString());
}

ApiResponse TakeActions::stage(const std::string &body, const WebCaller &caller)
{
    Route route;
    ApiResponse refusal;
    if (!ApiActions::parseRoute(body, m_context, m_texts, caller, &route, &refusal))
        return refusal;
    const RouteService::Outcome outcome = m_context.routes->check(caller.user, route);
    if (!outcome.ok())
        return ApiActions::refusal(outcome.refusal, route, m_texts, caller);
    TakeStage *stage = stageOf(caller);
    if (stage->routes().size() >= MaxStaged && !stage->staged(route.kind, route.output))
        return ApiErrors::make(
            ApiError::BadRequest,
            m_texts.text(caller.session.language,
                         "RemoteApi",
                         QT_TRANSLATE_NOOP("RemoteApi", "Too many routes staged.")));
    const QString reason = stage->stage(caller.user, route);
    if (!reason.isEmpty())
        return ApiErrors::make(ApiError::Forbidden, reason);
    tell(caller.session.token);
    return ApiRouter::json({{QStringLiteral("staged"), staged(caller)}});
}

ApiResponse TakeActions::take(const WebCaller &caller)
{
    if (!m_context.routes)
        return ApiErrors::make(
            ApiError::Offline,
            m_texts.text(caller.session.language,
                         "RemoteApi",
                         QT_TRANSLATE_NOOP("RemoteApi", "The device is not connected.")));
    TakeStage *stage = stageOf(caller);
    QJsonArray dropped;
    int sent = 0;
    const auto onDropped =
        QObject::connect(stage, &TakeStage::dropped, [&](const TakeStage::Refused &entries) {
            for (const auto &entry : entries) {
                dropped.append(
                    QJsonObject{{QStringLiteral("kind"), RouteKinds::key(entry.first.kind)},
                                {QStringLiteral("output"), entry.first.output},
                                {QStringLiteral("reason"), entry.second}});
            }
        });
    const auto onStarted =
        QObject::connect(stage, &TakeStage::takeStarted, [&](int count) { sent = count; });
    const bool offline = m_context.link && !m_context.link->isOnline();
    const QString reason = stage->take(caller.user);
    QObject::disconnect(onDropped);
    QObject::disconnect(onStarted);
    qCInfo(lcRemote).noquote() << QStringLiteral("%1 at %2: take of %3 routes: %4")
                                      .arg(caller.session.userName, caller.address)
                                      .arg(sent)
                                      .arg(reason.isEmpty() ? QStringLiteral("sending") : reason);
    tell(caller.session.token);
    if (!reason.isEmpty())
        return ApiErrors::make(offline ? ApiError::Offline : ApiError::Locked, reason);
    return ApiRouter::json({{QStringLiteral("sent"), sent}, {QStringLiteral("dropped"), dropped}});
}

ApiResponse TakeActions::cancel(const WebCaller &caller)
{
    if (const auto stage = m_stages.value(caller.session.token))
        stage->cancel();
    tell(caller.session.token);
    return ApiRouter::json(QJsonObject());
}
