#include "remoteserver.h"

#include "apirouter.h"
#include "coregate.h"
#include "eventfeed.h"
#include "eventhub.h"
#include "eventstream.h"
#include "remotelog.h"

#include <QTimer>

#include <httplib.h>

#include <atomic>
#include <thread>

namespace {

constexpr int ExpiryCheckMs = 60 * 1000;
// Connections beyond the limit are still taken by a spare thread, to be told "busy".
constexpr int SpareThreads = 8;
constexpr int MaxConnections = RemoteServer::MaxClients + EventHub::MaxStreams;
constexpr std::size_t MaxPathBytes = 2048;
constexpr auto StreamWait = std::chrono::milliseconds(500);
constexpr int PingEveryWaits = 30; // 15 s

thread_local bool t_overLimit = false;

const char BusyBody[] = R"({"error":"busy","message":"Too many clients; try again later."})";
const char TooLargeBody[] = R"({"error":"too_large","message":"The request is too large."})";
const char NotFoundBody[] = R"({"error":"not_found","message":"No such page."})";
const char BadRequestBody[] = R"({"error":"bad_request","message":"The request is not valid."})";

// The library's pool, counting the connections it is serving: each connection keeps one
// thread for as long as it stays open.
class CountingPool : public httplib::TaskQueue
{
public:
    CountingPool()
        : m_pool(MaxConnections + SpareThreads)
    {
    }

    void enqueue(std::function<void()> fn) override
    {
        m_pool.enqueue([this, fn = std::move(fn)] {
            t_overLimit = ++m_active > MaxConnections;
            fn();
            --m_active;
        });
    }
    void shutdown() override { m_pool.shutdown(); }

private:
    httplib::ThreadPool m_pool;
    std::atomic<int> m_active{0};
};

void setBody(httplib::Response &res, int status, const char *body)
{
    res.status = status;
    res.set_content(body, "application/json");
    res.set_header("Cache-Control", "no-store");
}

ApiRequest toApi(const httplib::Request &req)
{
    ApiRequest request;
    request.method = req.method;
    request.path = req.path;
    const std::size_t question = req.target.find('?');
    if (question != std::string::npos)
        request.query = req.target.substr(question + 1);
    request.headers.assign(req.headers.begin(), req.headers.end());
    request.body = req.body;
    request.clientAddress = req.remote_addr;
    return request;
}

void writeStream(httplib::Response &res, const std::shared_ptr<EventStream> &stream)
{
    auto idle = std::make_shared<int>(0);
    res.set_header("X-Accel-Buffering", "no");
    res.set_chunked_content_provider(
        "text/event-stream",
        [stream, idle](size_t, httplib::DataSink &sink) {
            std::string text;
            switch (stream->next(&text, StreamWait)) {
            case EventStream::Next::Event:
                *idle = 0;
                return sink.write(text.data(), text.size());
            case EventStream::Next::Idle:
                if (++*idle < PingEveryWaits)
                    return sink.is_writable();
                *idle = 0;
                return sink.write(": ping\n\n", 8);
            case EventStream::Next::Closed:
                sink.done();
                return true;
            }
            return false;
        },
        [stream](bool) { stream->close(); });
}

// Timeouts, limits and the answers the library gives by itself (busy, too large).
void configureLimits(httplib::Server &server)
{
    server.new_task_queue = [] {
        return new CountingPool;
    };
    server.set_read_timeout(RemoteServer::ReadTimeoutS, 0);
    server.set_write_timeout(RemoteServer::ReadTimeoutS, 0);
    server.set_keep_alive_timeout(RemoteServer::KeepAliveS);
    // Small answers and events go out at once, not after the peer's delayed ACK.
    server.set_tcp_nodelay(true);
    server.set_payload_max_length(ApiRouter::MaxBodyBytes);
    server.set_pre_routing_handler([](const httplib::Request &req, httplib::Response &res) {
        if (t_overLimit) {
            setBody(res, 503, BusyBody);
            res.set_header("Connection", "close");
            return httplib::Server::HandlerResponse::Handled;
        }
        // Keeps the library's pattern matching off long paths.
        if (req.path.size() > MaxPathBytes) {
            setBody(res, 404, NotFoundBody);
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.set_error_handler([](const httplib::Request &, httplib::Response &res) {
        if (res.status == 413)
            setBody(res, 413, TooLargeBody);
        else if (res.status == 404)
            setBody(res, 404, NotFoundBody);
        else if (res.status >= 400 && res.status < 500 && res.body.empty())
            setBody(res, res.status, BadRequestBody);
    });
    server.set_exception_handler(
        [](const httplib::Request &, httplib::Response &res, const std::exception_ptr &) {
            setBody(res, 400, BadRequestBody);
        });
}

// Every method and path goes to the router on the core's thread.
void configure(httplib::Server &server, CoreGate *gate, ApiRouter *router)
{
    configureLimits(server);
    const auto handler = [gate, router](const httplib::Request &req, httplib::Response &res) {
        ApiRequest request = toApi(req);
        ApiResponse answer;
        if (!gate->call([router, request] { return router->handle(request); },
                        &answer,
                        RemoteServer::CoreWaitMs)) {
            setBody(res, 503, BusyBody);
            return;
        }
        res.status = answer.status;
        for (const auto &header : answer.headers)
            res.set_header(header.first, header.second);
        if (answer.stream)
            writeStream(res, answer.stream);
        else
            res.set_content(answer.body, answer.contentType);
    };
    const std::string all = ".*";
    server.Get(all, handler);
    server.Post(all, handler);
    server.Put(all, handler);
    server.Patch(all, handler);
    server.Delete(all, handler);
    server.Options(all, handler);
}

} // namespace

struct RemoteServer::Http
{
    std::unique_ptr<httplib::Server> server;
    std::unique_ptr<CoreGate> gate;
    std::thread thread;
};

RemoteServer::RemoteServer(const RemoteContext &context, QObject *parent)
    : QObject(parent)
    , m_hub(std::make_unique<EventHub>())
    , m_router(std::make_unique<ApiRouter>(context, m_hub.get()))
    , m_feed(new EventFeed(context, m_hub.get(), this))
    , m_expiry(new QTimer(this))
{
    m_expiry->setInterval(ExpiryCheckMs);
    connect(m_expiry, &QTimer::timeout, this, [this] {
        const int ended = m_router->expireSessions();
        if (ended > 0)
            emit sessionsExpired(ended);
    });
}

RemoteServer::~RemoteServer()
{
    close();
}

bool RemoteServer::tlsAvailable()
{
#ifdef CPPHTTPLIB_OPENSSL_SUPPORT
    return true;
#else
    return false;
#endif
}

void RemoteServer::setSessionIdleMs(qint64 idleMs)
{
    m_router->sessions().setIdleMs(idleMs);
    m_expiry->setInterval(int(qBound<qint64>(50, idleMs / 4, ExpiryCheckMs)));
}

void RemoteServer::setAllowedHosts(const QStringList &names)
{
    m_allowedHosts = names;
    m_router->setAllowedHosts(names);
}

void RemoteServer::setPageTexts(const QStringList &sources)
{
    m_router->setPageTexts(sources);
}

void RemoteServer::setTls(const QString &certificate, const QString &key)
{
    m_certificate = certificate;
    m_key = key;
}

bool RemoteServer::isListening() const
{
    return m_http && m_http->server && m_http->thread.joinable();
}

bool RemoteServer::listen(const QHostAddress &address, quint16 port, QString *error)
{
    close();
    auto http = std::make_unique<Http>();
    if (!m_certificate.isEmpty() || !m_key.isEmpty()) {
#ifdef CPPHTTPLIB_OPENSSL_SUPPORT
        http->server = std::make_unique<httplib::SSLServer>(m_certificate.toLocal8Bit().constData(),
                                                            m_key.toLocal8Bit().constData());
#endif
        if (!http->server || !http->server->is_valid()) {
            *error = tr("The certificate or key cannot be used: %1, %2").arg(m_certificate, m_key);
            return false;
        }
    } else {
        http->server = std::make_unique<httplib::Server>();
    }
    http->gate = std::make_unique<CoreGate>(this);
    httplib::Server &server = *http->server;
    configure(server, http->gate.get(), m_router.get());

    const std::string host = address.toString().toStdString();
    int bound = port;
    if (port == 0)
        bound = server.bind_to_any_port(host);
    else if (!server.bind_to_port(host, port))
        bound = -1;
    if (bound <= 0) {
        *error = tr("Cannot listen on %1 port %2.").arg(address.toString()).arg(port);
        return false;
    }
    m_address = address;
    m_port = static_cast<quint16>(bound);
    m_router->setListenPort(m_port);
    http->thread = std::thread([&server] { server.listen_after_bind(); });
    m_http = std::move(http);
    m_expiry->start();
    logListening();
    emit listeningChanged(true);
    return true;
}

void RemoteServer::logListening() const
{
    const QString host = m_address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QStringLiteral("[%1]").arg(m_address.toString())
                             : m_address.toString();
    qCInfo(lcRemote).noquote()
        << QStringLiteral("Remote access on %1://%2:%3%4")
               .arg(m_certificate.isEmpty() ? QStringLiteral("http") : QStringLiteral("https"),
                    host)
               .arg(m_port)
               .arg(m_address.isLoopback() ? QString() : QStringLiteral(" (open to the network)"));
}

void RemoteServer::close()
{
    if (!m_http)
        return;
    m_expiry->stop();
    // In this order: no new work for this thread, streams end, then the pool joins.
    m_http->gate->shutdown();
    m_hub->closeAll();
    m_http->server->stop();
    if (m_http->thread.joinable())
        m_http->thread.join();
    m_http.reset();
    qCInfo(lcRemote).noquote() << "Remote access closed";
    emit listeningChanged(false);
}
