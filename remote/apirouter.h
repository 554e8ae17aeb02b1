#pragma once

#include "apierror.h"
#include "apimessage.h"
#include "loginlimiter.h"
#include "remotecontext.h"
#include "remotetexts.h"
#include "sessionstore.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class ApiActions;
class EventHub;
class PermissionStore;
struct UserRow;
struct ActingUser;

// The whole HTTP API as a function: method, path, headers, body and client address in,
// status, headers and body out. Checks the Host, the size, the session, the CSRF token
// and the user's current rights before any action; the adaptor around it only moves
// bytes. Core's thread.
class ApiRouter
{
public:
    static constexpr std::size_t MaxBodyBytes = 64 * 1024;

    ApiRouter(const RemoteContext &context, EventHub *hub);
    ~ApiRouter();
    ApiRouter(const ApiRouter &) = delete;
    ApiRouter &operator=(const ApiRouter &) = delete;

    void setListenPort(quint16 port) { m_port = port; }
    void setAllowedHosts(const QStringList &names) { m_allowedHosts = names; }
    // The page's own texts (context "WebPage"), as the catalogues hold them.
    void setPageTexts(const QStringList &sources) { m_pageTexts = sources; }

    SessionStore &sessions() { return m_sessions; }
    LoginLimiter &limiter() { return m_limiter; }
    // Ends sessions idle too long, and their streams; returns how many ended. A session
    // with an open event stream is in use.
    int expireSessions();

    ApiResponse handle(const ApiRequest &request);

    // Parses a JSON object body; false for anything else.
    static bool parseObject(const std::string &body, QJsonObject *object);
    static ApiResponse json(const QJsonObject &object, int status = 200);

private:
    struct Caller;
    ApiResponse handleApi(const ApiRequest &request, const std::string &route);
    ApiResponse login(const ApiRequest &request);
    ApiResponse
    openSession(const UserRow &row, bool bearer, const QString &language, const QString &address);
    ApiResponse texts(const ApiRequest &request);
    ApiResponse logout(const Caller &caller);
    ApiResponse session(const Caller &caller);
    ApiResponse events(const Caller &caller);
    // The session of the request and its user as stored now; an error when there is none.
    bool authenticate(const ApiRequest &request, Caller *caller, ApiResponse *error);
    bool userStillValid(WebSession *session, ActingUser *user);
    void endSessions(const QVector<QByteArray> &tokens);
    ApiResponse error(ApiError code, const char *source, const QString &language) const;
    QString requestLanguage(const ApiRequest &request) const;

    RemoteContext m_context;
    EventHub *m_hub;
    quint16 m_port = 0;
    QStringList m_allowedHosts;
    QStringList m_pageTexts;
    SessionStore m_sessions;
    LoginLimiter m_limiter;
    RemoteTexts m_texts;
    std::unique_ptr<PermissionStore> m_rights;
    std::unique_ptr<ApiActions> m_actions;
};
