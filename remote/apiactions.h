#pragma once

#include "apierror.h"
#include "apimessage.h"
#include "remotecontext.h"
#include "routeservice.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <memory>
#include <string>

class EventHub;
class RemoteTexts;
class SalvoActions;
class TakeActions;
struct WebCaller;

// What a logged-in caller can do: see the device, route and clear, recall a plan or a
// salvo, stage and take. Every action goes through the same core checks as the window,
// with the caller's rights, and is logged with the caller's name and address. Core's
// thread.
class ApiActions
{
public:
    ApiActions(const RemoteContext &context, const RemoteTexts &texts, EventHub *hub);
    ~ApiActions();
    ApiActions(const ApiActions &) = delete;
    ApiActions &operator=(const ApiActions &) = delete;

    // False when no action answers `method` on `route` (the path after the prefix).
    bool handle(const std::string &method,
                const std::string &route,
                const std::string &body,
                const WebCaller &caller,
                ApiResponse *response);
    QJsonObject device(const WebCaller &caller) const;
    // The session ended: what it kept (its stage) goes.
    void dropSession(const QByteArray &token);

    // A route from a {"kind","output","source"} body for this model; else the answer.
    static bool parseRoute(const std::string &body,
                           const RemoteContext &context,
                           const RemoteTexts &texts,
                           const WebCaller &caller,
                           Route *route,
                           ApiResponse *refusal);
    // The answer to a refused route, naming the port or right.
    static ApiResponse refusal(RouteService::Refusal refusal,
                               const Route &route,
                               const RemoteTexts &texts,
                               const WebCaller &caller);

private:
    ApiResponse routeAction(const std::string &body, const WebCaller &caller);
    ApiResponse recallPlan(int number, const WebCaller &caller);
    ApiResponse refuse(ApiError error, const char *source, const WebCaller &caller) const;
    bool online() const;

    RemoteContext m_context;
    const RemoteTexts &m_texts;
    std::unique_ptr<TakeActions> m_take;
    std::unique_ptr<SalvoActions> m_salvos;
};
