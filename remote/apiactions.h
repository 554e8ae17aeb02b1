#pragma once

#include "apierror.h"
#include "apimessage.h"
#include "remotecontext.h"
#include "routeservice.h"

#include <QJsonObject>
#include <QString>

#include <string>

class RemoteTexts;
struct WebCaller;

// What a logged-in caller can do: see the device, route and clear, recall a plan. Every
// action goes through the same core checks as the window, with the caller's rights, and
// is logged with the caller's name and address. Core's thread.
class ApiActions
{
public:
    ApiActions(const RemoteContext &context, const RemoteTexts &texts);

    // False when no action answers `method` on `route` (the path after the prefix).
    bool handle(const std::string &method,
                const std::string &route,
                const std::string &body,
                const WebCaller &caller,
                ApiResponse *response);
    QJsonObject device(const WebCaller &caller) const;

private:
    ApiResponse routeAction(const std::string &body, const WebCaller &caller);
    ApiResponse
    refusal(RouteService::Refusal refusal, const Route &route, const WebCaller &caller) const;
    ApiResponse recallPlan(int number, const WebCaller &caller);
    ApiResponse refuse(ApiError error, const char *source, const WebCaller &caller) const;
    bool online() const;

    RemoteContext m_context;
    const RemoteTexts &m_texts;
};
