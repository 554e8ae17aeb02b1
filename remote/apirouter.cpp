#include "apirouter.h"

#include "apiactions.h"
#include "eventhub.h"
#include "eventstream.h"
#include "hostcheck.h"
#include "permissionstore.h"
#include "remotelog.h"
#include "replyparser.h"
#include "staticfiles.h"
#include "userstore.h"
#include "webcaller.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrlQuery>

Q_LOGGING_CATEGORY(lcRemote, "zel.remote")

namespace {

const char Prefix[] = "/api/v1";
const char Cookie[] = "zelsession";
const char Context[] = "RemoteApi";
constexpr int MaxUserNameChars = 64;
constexpr int MaxPasswordChars = 256;

QByteArray digestOf(const QString &password)
{
    return QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha256);
}

QByteArray cookieToken(const std::string &header)
{
    const QList<QByteArray> parts = QByteArray::fromStdString(header).split(';');
    for (const QByteArray &part : parts) {
        const QByteArray trimmed = part.trimmed();
        if (trimmed.startsWith(QByteArray(Cookie) + '='))
            return trimmed.mid(int(sizeof(Cookie)));
    }
    return QByteArray();
}

bool stateChanging(const std::string &method)
{
    return method != "GET" && method != "HEAD";
}

} // namespace

struct ApiRouter::Caller : WebCaller
{
};

ApiRouter::ApiRouter(const RemoteContext &context, EventHub *hub)
    : m_context(context)
    , m_hub(hub)
    , m_rights(std::make_unique<PermissionStore>())
    , m_actions(std::make_unique<ApiActions>(context, m_texts, hub))
{
}

ApiRouter::~ApiRouter() = default;

bool ApiRouter::parseObject(const std::string &body, QJsonObject *object)
{
    const QByteArray bytes = QByteArray::fromStdString(body);
    // The toolkit's parser leaks on such texts; nothing we take repeats a key.
    if (ReplyParser::repeatsKeyBesideArray(bytes))
        return false;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    *object = doc.object();
    return true;
}

ApiResponse ApiRouter::json(const QJsonObject &object, int status)
{
    ApiResponse response;
    response.status = status;
    response.body = QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
    return response;
}

ApiResponse ApiRouter::error(ApiError code, const char *source, const QString &language) const
{
    return ApiErrors::make(code, m_texts.text(language, Context, source));
}

QString ApiRouter::requestLanguage(const ApiRequest &request) const
{
    return RemoteTexts::languageOf(QString::fromStdString(request.header("Accept-Language")));
}

ApiResponse ApiRouter::handle(const ApiRequest &request)
{
    const QString language = requestLanguage(request);
    const QString host = QString::fromStdString(request.header("Host"));
    if (!HostCheck::allowed(host, m_port, m_allowedHosts)) {
        qCWarning(lcRemote).noquote()
            << "Refused a request from" << QString::fromStdString(request.clientAddress)
            << "for host" << host.left(80);
        return error(
            ApiError::BadRequest, QT_TRANSLATE_NOOP("RemoteApi", "Unknown host name."), language);
    }
    if (request.body.size() > MaxBodyBytes)
        return error(ApiError::TooLarge,
                     QT_TRANSLATE_NOOP("RemoteApi", "The request is too large."),
                     language);
    if (StaticFiles::isStaticPath(request.path)) {
        if (request.method != "GET" && request.method != "HEAD")
            return error(ApiError::MethodNotAllowed,
                         QT_TRANSLATE_NOOP("RemoteApi", "This method is not allowed here."),
                         language);
        return StaticFiles::serve(request.path);
    }
    const std::string prefix(Prefix);
    if (request.path.compare(0, prefix.size(), prefix) != 0 ||
        (request.path.size() > prefix.size() && request.path[prefix.size()] != '/'))
        return error(ApiError::NotFound, QT_TRANSLATE_NOOP("RemoteApi", "No such page."), language);
    ApiResponse response = handleApi(request, request.path.substr(prefix.size()));
    response.setHeader("Cache-Control", "no-store");
    response.setHeader("X-Content-Type-Options", "nosniff");
    return response;
}

ApiResponse ApiRouter::handleApi(const ApiRequest &request, const std::string &route)
{
    const QString language = requestLanguage(request);
    if (route == "/login") {
        if (request.method != "POST")
            return error(ApiError::MethodNotAllowed,
                         QT_TRANSLATE_NOOP("RemoteApi", "This method is not allowed here."),
                         language);
        return login(request);
    }
    if (route == "/texts" && request.method == "GET")
        return texts(request);

    Caller caller;
    ApiResponse refusal;
    if (!authenticate(request, &caller, &refusal))
        return refusal;
    if (route == "/logout" && request.method == "POST")
        return logout(caller);
    if (route == "/session" && request.method == "GET")
        return session(caller);
    if (route == "/events" && request.method == "GET")
        return events(caller);
    ApiResponse response;
    if (m_actions->handle(request.method, route, request.body, caller, &response))
        return response;
    return error(ApiError::NotFound,
                 QT_TRANSLATE_NOOP("RemoteApi", "No such page."),
                 caller.session.language);
}

bool ApiRouter::authenticate(const ApiRequest &request, Caller *caller, ApiResponse *refusal)
{
    const QString language = requestLanguage(request);
    const std::string authorization = request.header("Authorization");
    const bool bearer = !authorization.empty();
    QByteArray token;
    if (bearer) {
        const std::string scheme = "Bearer ";
        if (authorization.compare(0, scheme.size(), scheme) == 0)
            token = QByteArray::fromStdString(authorization.substr(scheme.size())).trimmed();
    } else {
        token = cookieToken(request.header("Cookie"));
    }
    WebSession *session = token.isEmpty() ? nullptr : m_sessions.find(token);
    // A cookie cannot stand in for a bearer token, nor the other way round.
    if (!session || session->bearer != bearer) {
        *refusal = error(
            ApiError::NotLoggedIn, QT_TRANSLATE_NOOP("RemoteApi", "Please log in."), language);
        return false;
    }
    if (!bearer && stateChanging(request.method) &&
        !SessionStore::constantTimeEquals(
            session->csrf, QByteArray::fromStdString(request.header("X-CSRF-Token")))) {
        qCWarning(lcRemote).noquote()
            << "Refused a request without its CSRF token from" << session->userName << "at"
            << QString::fromStdString(request.clientAddress);
        *refusal = error(ApiError::Forbidden,
                         QT_TRANSLATE_NOOP("RemoteApi", "The page is out of date; reload it."),
                         session->language);
        return false;
    }
    if (!userStillValid(session, &caller->user)) {
        *refusal = error(
            ApiError::NotLoggedIn, QT_TRANSLATE_NOOP("RemoteApi", "Please log in."), language);
        return false;
    }
    caller->session = *session;
    caller->address = QString::fromStdString(request.clientAddress);
    return true;
}

bool ApiRouter::userStillValid(WebSession *session, ActingUser *user)
{
    const QVector<UserRow> users = UserStore::allUsers();
    const auto row = std::find_if(
        users.begin(), users.end(), [&](const UserRow &r) { return r.id == session->userId; });
    if (row != users.end() && row->username == session->userName &&
        SessionStore::constantTimeEquals(digestOf(row->password), session->passwordDigest)) {
        user->type = row->type;
        user->rights = m_rights->readRights(row->id);
        return true;
    }
    qCInfo(lcRemote).noquote() << "Ended the web sessions of" << session->userName
                               << "(user deleted, renamed or password changed)";
    endSessions(m_sessions.removeUser(session->userId));
    return false;
}

void ApiRouter::endSessions(const QVector<QByteArray> &tokens)
{
    for (const QByteArray &token : tokens) {
        m_actions->dropSession(token);
        if (m_hub)
            m_hub->closeOwner(token.toStdString());
    }
}

int ApiRouter::expireSessions()
{
    if (m_hub) {
        for (const std::string &owner : m_hub->owners())
            m_sessions.touch(QByteArray::fromStdString(owner));
    }
    const QVector<QByteArray> ended = m_sessions.expire();
    endSessions(ended);
    return ended.size();
}

ApiResponse ApiRouter::login(const ApiRequest &request)
{
    const QString language = requestLanguage(request);
    const QString address = QString::fromStdString(request.clientAddress);
    QJsonObject body;
    if (!parseObject(request.body, &body) || !body.value(QStringLiteral("user")).isString() ||
        !body.value(QStringLiteral("password")).isString())
        return error(ApiError::BadRequest,
                     QT_TRANSLATE_NOOP("RemoteApi", "The request is not valid."),
                     language);
    const QString user = body.value(QStringLiteral("user")).toString();
    const QString password = body.value(QStringLiteral("password")).toString();
    const bool bearer = body.value(QStringLiteral("bearer")).toBool(false);
    if (user.isEmpty() || user.size() > MaxUserNameChars || password.size() > MaxPasswordChars)
        return error(ApiError::BadRequest,
                     QT_TRANSLATE_NOOP("RemoteApi", "The request is not valid."),
                     language);
    if (m_limiter.blocked(address, user)) {
        qCWarning(lcRemote).noquote() << "Login of" << user.left(MaxUserNameChars) << "from"
                                      << address << "refused: too many failed attempts";
        return error(ApiError::TooManyAttempts,
                     QT_TRANSLATE_NOOP("RemoteApi", "Too many failed logins; try again later."),
                     language);
    }
    const QVector<UserRow> users = UserStore::allUsers();
    const auto row = std::find_if(
        users.begin(), users.end(), [&](const UserRow &r) { return r.username == user; });
    if (row == users.end() || password.isEmpty() || !UserStore::checkLogin(user, password)) {
        m_limiter.failed(address, user);
        qCWarning(lcRemote).noquote() << "Login failed for" << user << "from" << address;
        return error(ApiError::NotLoggedIn,
                     QT_TRANSLATE_NOOP("RemoteApi", "Wrong user name or password."),
                     language);
    }
    m_limiter.succeeded(user);
    const QString chosen =
        body.value(QStringLiteral("language")).isString()
            ? RemoteTexts::languageOf(body.value(QStringLiteral("language")).toString())
            : language;
    return openSession(*row, bearer, chosen, address);
}

ApiResponse ApiRouter::openSession(const UserRow &row,
                                   bool bearer,
                                   const QString &language,
                                   const QString &address)
{
    WebSession fresh;
    fresh.bearer = bearer;
    fresh.userId = row.id;
    fresh.userName = row.username;
    fresh.passwordDigest = digestOf(row.password);
    fresh.language = language;
    fresh.clientAddress = address;
    const WebSession &session = m_sessions.create(fresh);
    qCInfo(lcRemote).noquote() << "Login of" << session.userName << "from" << address
                               << (bearer ? "(bearer token)" : "(browser)");
    QJsonObject answer{{QStringLiteral("user"), session.userName},
                       {QStringLiteral("type"), row.type},
                       {QStringLiteral("language"), session.language}};
    if (bearer) {
        answer.insert(QStringLiteral("token"), QString::fromLatin1(session.token));
        return json(answer);
    }
    answer.insert(QStringLiteral("csrf"), QString::fromLatin1(session.csrf));
    ApiResponse response = json(answer);
    response.setHeader("Set-Cookie",
                       std::string(Cookie) + "=" + session.token.toStdString() +
                           "; HttpOnly; SameSite=Strict; Path=/");
    return response;
}

ApiResponse ApiRouter::logout(const Caller &caller)
{
    qCInfo(lcRemote).noquote() << "Logout of" << caller.session.userName << "from"
                               << caller.address;
    m_sessions.remove(caller.session.token);
    endSessions({caller.session.token});
    ApiResponse response = json(QJsonObject());
    if (!caller.session.bearer)
        response.setHeader("Set-Cookie",
                           std::string(Cookie) + "=; HttpOnly; SameSite=Strict; Path=/; Max-Age=0");
    return response;
}

ApiResponse ApiRouter::session(const Caller &caller)
{
    return json({{QStringLiteral("user"), caller.session.userName},
                 {QStringLiteral("type"), caller.user.type},
                 {QStringLiteral("csrf"),
                  caller.session.bearer ? QString() : QString::fromLatin1(caller.session.csrf)},
                 {QStringLiteral("language"), caller.session.language}});
}

ApiResponse ApiRouter::texts(const ApiRequest &request)
{
    const QUrlQuery query(QString::fromStdString(request.query));
    const QString lang = query.hasQueryItem(QStringLiteral("lang"))
                             ? RemoteTexts::languageOf(query.queryItemValue(QStringLiteral("lang")))
                             : requestLanguage(request);
    QJsonObject texts;
    for (const QString &source : qAsConst(m_pageTexts))
        texts.insert(source, m_texts.text(lang, "WebPage", source));
    return json({{QStringLiteral("lang"), lang}, {QStringLiteral("texts"), texts}});
}

ApiResponse ApiRouter::events(const Caller &caller)
{
    std::shared_ptr<EventStream> stream =
        m_hub ? m_hub->open(caller.session.token.toStdString()) : nullptr;
    if (!stream)
        return error(ApiError::Busy,
                     QT_TRANSLATE_NOOP("RemoteApi", "Too many clients; try again later."),
                     caller.session.language);
    const QJsonObject hello = m_actions->device(caller);
    stream->push("hello", QJsonDocument(hello).toJson(QJsonDocument::Compact).toStdString());
    qCInfo(lcRemote).noquote() << "Event stream opened for" << caller.session.userName << "at"
                               << caller.address;
    ApiResponse response;
    response.contentType = "text/event-stream";
    response.stream = stream;
    return response;
}
