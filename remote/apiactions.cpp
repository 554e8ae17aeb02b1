#include "apiactions.h"

#include "apirouter.h"
#include "devicepicture.h"
#include "devicestate.h"
#include "linkindicator.h"
#include "operatorcore.h"
#include "permissionstore.h"
#include "plancontroller.h"
#include "remotelog.h"
#include "remotetexts.h"
#include "routeservice.h"
#include "salvoactions.h"
#include "takeactions.h"
#include "webcaller.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

const char Context[] = "RemoteApi";
constexpr int PlanCount = 10;

// An integer field, within int range; false for anything else (3.5, "3", missing).
bool intField(const QJsonObject &object, const QString &name, int *value)
{
    const QJsonValue v = object.value(name);
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (d != static_cast<double>(static_cast<qint64>(d)) || d < 0 || d > 100000)
        return false;
    *value = static_cast<int>(d);
    return true;
}

QJsonObject routeJson(const Route &route)
{
    return {{QStringLiteral("kind"), RouteKinds::key(route.kind)},
            {QStringLiteral("output"), route.output},
            {QStringLiteral("source"), route.source}};
}

} // namespace

ApiActions::ApiActions(const RemoteContext &context, const RemoteTexts &texts, EventHub *hub)
    : m_context(context)
    , m_texts(texts)
    , m_take(std::make_unique<TakeActions>(context, texts, hub))
    , m_salvos(std::make_unique<SalvoActions>(context, texts, hub))
{
}

ApiActions::~ApiActions() = default;

void ApiActions::dropSession(const QByteArray &token)
{
    m_take->drop(token);
}

bool ApiActions::online() const
{
    return m_context.core && m_context.link && m_context.link->isOnline();
}

ApiResponse ApiActions::refuse(ApiError error, const char *source, const WebCaller &caller) const
{
    return ApiErrors::make(error, m_texts.text(caller.session.language, Context, source));
}

bool ApiActions::handle(const std::string &method,
                        const std::string &route,
                        const std::string &body,
                        const WebCaller &caller,
                        ApiResponse *response)
{
    static const QRegularExpression planPath(QStringLiteral("^/plans/(\\d{1,3})/recall$"));
    static const QRegularExpression salvoPath(QStringLiteral("^/salvos/(\\d{1,15})/recall$"));
    if (route == "/device" && method == "GET") {
        *response = ApiRouter::json(device(caller));
        return true;
    }
    if (route == "/route" && method == "POST") {
        *response = routeAction(body, caller);
        return true;
    }
    if (method != "POST")
        return false;
    if (route == "/stage")
        *response = m_take->stage(body, caller);
    else if (route == "/take")
        *response = m_take->take(caller);
    else if (route == "/stage/cancel")
        *response = m_take->cancel(caller);
    else if (const auto plan = planPath.match(QString::fromStdString(route)); plan.hasMatch())
        *response = recallPlan(plan.captured(1).toInt(), caller);
    else if (const auto salvo = salvoPath.match(QString::fromStdString(route)); salvo.hasMatch())
        *response = m_salvos->recall(salvo.captured(1).toLongLong(), caller);
    else
        return false;
    return true;
}

QJsonObject ApiActions::device(const WebCaller &caller) const
{
    QJsonObject picture =
        DevicePicture::build(m_context, caller.user, m_texts, caller.session.language);
    picture.insert(QStringLiteral("salvos"), m_salvos->list());
    picture.insert(QStringLiteral("take"),
                   QJsonObject{{QStringLiteral("staged"), m_take->staged(caller)}});
    return picture;
}

bool ApiActions::parseRoute(const std::string &body,
                            const RemoteContext &context,
                            const RemoteTexts &texts,
                            const WebCaller &caller,
                            Route *route,
                            ApiResponse *refusal)
{
    const QString &language = caller.session.language;
    QJsonObject request;
    if (!ApiRouter::parseObject(body, &request) ||
        !RouteKinds::fromKey(request.value(QStringLiteral("kind")).toString(), &route->kind) ||
        !intField(request, QStringLiteral("output"), &route->output) ||
        !intField(request, QStringLiteral("source"), &route->source)) {
        *refusal = ApiErrors::make(
            ApiError::BadRequest,
            texts.text(
                language, Context, QT_TRANSLATE_NOOP("RemoteApi", "The request is not valid.")));
        return false;
    }
    if (!context.core || !context.routes) {
        *refusal = ApiErrors::make(
            ApiError::Offline,
            texts.text(
                language, Context, QT_TRANSLATE_NOOP("RemoteApi", "The device is not connected.")));
        return false;
    }
    const DeviceState *state = context.core->state();
    const int code = state->deviceType();
    if (!RouteKinds::kindsOf(code).contains(route->kind) ||
        !RouteKinds::outputs(route->kind, code, state->splitterLayout()).contains(route->output) ||
        (route->source != 0 && !RouteKinds::sources(route->kind, code).contains(route->source))) {
        *refusal = ApiErrors::make(
            ApiError::BadRequest,
            texts.text(language,
                       Context,
                       QT_TRANSLATE_NOOP("RemoteApi", "This device has no such port.")));
        return false;
    }
    return true;
}

ApiResponse ApiActions::routeAction(const std::string &body, const WebCaller &caller)
{
    Route route;
    ApiResponse refused;
    if (!parseRoute(body, m_context, m_texts, caller, &route, &refused))
        return refused;
    RouteService *routes = m_context.routes;
    const DeviceState *state = m_context.core->state();
    const int previous = RouteKinds::liveSource(route.kind, route.output, *state);
    const RouteService::Outcome outcome =
        routes->route(caller.user, route, caller.session.userName);
    qCInfo(lcRemote).noquote() << QStringLiteral("%1 at %2: route %3 output %4 <- %5: %6")
                                      .arg(caller.session.userName,
                                           caller.address,
                                           RouteKinds::key(route.kind))
                                      .arg(route.output)
                                      .arg(route.source)
                                      .arg(outcome.ok() ? QStringLiteral("sent") : outcome.reason);
    if (!outcome.ok())
        return refusal(outcome.refusal, route, m_texts, caller);
    return ApiRouter::json(
        {{QStringLiteral("route"), routeJson(route)}, {QStringLiteral("previous"), previous}});
}

ApiResponse ApiActions::refusal(RouteService::Refusal refusal,
                                const Route &route,
                                const RemoteTexts &texts,
                                const WebCaller &caller)
{
    const auto refuse = [&](ApiError error, const char *source) {
        return ApiErrors::make(error, texts.text(caller.session.language, Context, source));
    };
    const QString &language = caller.session.language;
    switch (refusal) {
    case RouteService::Refusal::Offline:
        return refuse(ApiError::Offline,
                      QT_TRANSLATE_NOOP("RemoteApi", "The device is not connected."));
    case RouteService::Refusal::NoPort:
        return refuse(ApiError::BadRequest,
                      QT_TRANSLATE_NOOP("RemoteApi", "This device has no such port."));
    case RouteService::Refusal::Locked:
        return ApiErrors::make(
            ApiError::Locked,
            texts.text(language, Context, QT_TRANSLATE_NOOP("RemoteApi", "%1 is locked."))
                .arg(DevicePicture::outputName(route.kind, route.output, texts, language)));
    case RouteService::Refusal::NoRight:
    case RouteService::Refusal::None:
        break;
    }
    // Names the right that failed, as the window's warning does.
    QString text;
    if (!DevicePicture::outputPermitted(caller.user, route.kind, route.output))
        text =
            texts.text(language, Context, QT_TRANSLATE_NOOP("RemoteApi", "No permission for %1."))
                .arg(DevicePicture::outputName(route.kind, route.output, texts, language));
    else
        text =
            texts.text(language, Context, QT_TRANSLATE_NOOP("RemoteApi", "No permission for %1."))
                .arg(DevicePicture::sourceName(route.kind, route.source, texts, language));
    return ApiErrors::make(ApiError::Forbidden, text);
}

ApiResponse ApiActions::recallPlan(int number, const WebCaller &caller)
{
    if (number < 1 || number > PlanCount)
        return refuse(ApiError::NotFound, QT_TRANSLATE_NOOP("RemoteApi", "No such plan."), caller);
    // Checked here first, so a refusal is answered to the caller, not shown in the window.
    if (!caller.user.functionAllowed(PermissionStore::PlanOperation) ||
        !caller.user.functionAllowed(PermissionStore::VideoSwitch))
        return refuse(ApiError::Forbidden,
                      QT_TRANSLATE_NOOP("RemoteApi", "No permission: plan operation."),
                      caller);
    if (!online() || !m_context.plans || !m_context.plans->isAvailable())
        return refuse(ApiError::Offline,
                      QT_TRANSLATE_NOOP("RemoteApi", "The device is not connected."),
                      caller);
    const bool sent = m_context.plans->recall(caller.user, PlanController::Page::Video, number - 1);
    qCInfo(lcRemote).noquote() << QStringLiteral("%1 at %2: recall plan %3: %4")
                                      .arg(caller.session.userName, caller.address)
                                      .arg(number)
                                      .arg(sent ? QStringLiteral("sent")
                                                : QStringLiteral("refused"));
    if (!sent)
        return refuse(ApiError::Locked,
                      QT_TRANSLATE_NOOP("RemoteApi", "The plan cannot be recalled now."),
                      caller);
    return ApiRouter::json(QJsonObject());
}
