#include "benchregistry.h"

#include "datadir.h"
#include "headlesscore.h"
#include "linkindicator.h"
#include "permissionstore.h"
#include "remoteserver.h"
#include "simdevice.h"
#include "userstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThread>

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <unistd.h>

// zelbench web: the remote server against the simulator over loopback HTTP.
namespace {

using Clock = std::chrono::steady_clock;

template<typename Ready> bool pumpUntil(Ready ready, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!ready()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// Runs `call` on a thread of its own while this thread serves the core.
template<typename Call> auto offThread(Call call)
{
    auto future = std::async(std::launch::async, call);
    pumpUntil(
        [&] { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    return future.get();
}

double p99(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * 99 / 100)];
}

long rssKb()
{
    long pages = 0;
    long resident = 0;
    FILE *f = std::fopen("/proc/self/statm", "r");
    if (!f)
        return 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    std::fclose(f);
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Session
{
    std::string cookie;
    std::string csrf;
};

httplib::Headers headersFor(quint16 port, const Session &session)
{
    httplib::Headers headers{{"Host", "127.0.0.1:" + std::to_string(port)}};
    if (!session.cookie.empty())
        headers.emplace("Cookie", "zelsession=" + session.cookie);
    if (!session.csrf.empty())
        headers.emplace("X-CSRF-Token", session.csrf);
    return headers;
}

Session login(httplib::Client &client, quint16 port)
{
    Session session;
    const auto result = client.Post("/api/v1/login",
                                    headersFor(port, session),
                                    R"({"user":"ADMIN","password":"tiger905"})",
                                    "application/json");
    if (!result || result->status != 200)
        return session;
    const std::string cookie = result->get_header_value("Set-Cookie");
    session.cookie = cookie.substr(11, cookie.find(';') - 11);
    session.csrf = QJsonDocument::fromJson(QByteArray::fromStdString(result->body))
                       .object()
                       .value(QStringLiteral("csrf"))
                       .toString()
                       .toStdString();
    return session;
}

// One event stream read on its own thread; notes when `marker` arrives.
class StreamReader
{
public:
    StreamReader(quint16 port, const Session &session)
        : m_client("127.0.0.1", port)
    {
        m_client.set_read_timeout(30, 0);
        const httplib::Headers headers = headersFor(port, session);
        m_thread = std::thread([this, headers] {
            m_client.Get("/api/v1/events", headers, [this](const char *data, size_t length) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_buffer.append(data, length);
                if (!m_marker.empty() && !m_seen && m_buffer.find(m_marker) != std::string::npos) {
                    m_seenAt = Clock::now();
                    m_seen = true;
                }
                if (m_buffer.find("event: hello") != std::string::npos)
                    m_hello = true;
                return !m_stop;
            });
        });
    }
    ~StreamReader()
    {
        m_stop = true;
        m_client.stop();
        m_thread.join();
    }
    void expect(const std::string &marker)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_buffer.clear();
        m_marker = marker;
        m_seen = false;
    }
    bool seen() const { return m_seen; }
    bool hello() const { return m_hello; }
    Clock::time_point seenAt() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_seenAt;
    }

private:
    httplib::Client m_client;
    mutable std::mutex m_mutex;
    std::string m_buffer;
    std::string m_marker;
    std::atomic<bool> m_seen{false};
    std::atomic<bool> m_hello{false};
    std::atomic<bool> m_stop{false};
    Clock::time_point m_seenAt;
    std::thread m_thread;
};

struct Rig
{
    QTemporaryDir dir;
    std::unique_ptr<SimDevice> device;
    std::unique_ptr<HeadlessCore> core;
    std::unique_ptr<RemoteServer> server;

    bool start()
    {
        DataDir::set(dir.path());
        UserStore::initTables();
        PermissionStore::createTable();
        device = std::make_unique<SimDevice>(QStringLiteral("0809"));
        if (!device->listen(QHostAddress::LocalHost, 0, 0))
            return false;
        core = std::make_unique<HeadlessCore>();
        core->start(QStringLiteral("127.0.0.1"), device->controlPort());
        server = std::make_unique<RemoteServer>(core->context());
        QString error;
        if (!server->listen(QHostAddress::LocalHost, 0, &error))
            return false;
        return pumpUntil([this] { return core->context().link->isOnline(); });
    }
    quint16 port() const { return server->port(); }
};

std::string routeBody(int output, int source)
{
    return "{\"kind\":\"video\",\"output\":" + std::to_string(output) +
           ",\"source\":" + std::to_string(source) + "}";
}

double routeToWire(Rig &rig, int rounds)
{
    httplib::Client client("127.0.0.1", rig.port());
    // As browsers do: a request's header and body writes are not held back by Nagle.
    client.set_tcp_nodelay(true);
    client.set_keep_alive(true);
    const Session session = offThread([&] { return login(client, rig.port()); });
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        const int output = 1 + i % 9;
        const int source = 1 + (i / 9 + output) % 8;
        const QString expected = QStringLiteral("VIDEO%1}").arg(output);
        std::atomic<bool> arrived{false};
        const auto connection = QObject::connect(
            rig.device.get(), &SimDevice::commandReceived, [&](int, const QString &command) {
                if (command.endsWith(expected))
                    arrived = true;
            });
        const auto start = Clock::now();
        auto done = std::async(std::launch::async, [&] {
            client.Post("/api/v1/route",
                        headersFor(rig.port(), session),
                        routeBody(output, source),
                        "application/json");
        });
        pumpUntil([&] { return arrived.load(); });
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        pumpUntil(
            [&] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        QObject::disconnect(connection);
    }
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    printFigure(QStringLiteral("web_route_to_wire_ms_median"),
                sorted[sorted.size() / 2],
                QStringLiteral("ms"));
    return p99(ms);
}

double fanout(Rig &rig, int streams, int rounds)
{
    httplib::Client client("127.0.0.1", rig.port());
    const Session session = offThread([&] { return login(client, rig.port()); });
    std::vector<std::unique_ptr<StreamReader>> readers;
    for (int i = 0; i < streams; ++i)
        readers.push_back(std::make_unique<StreamReader>(rig.port(), session));
    pumpUntil([&] {
        return std::all_of(
            readers.begin(), readers.end(), [](const auto &r) { return r->hello(); });
    });
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        const int output = 1 + i % 9;
        const int source = 1 + (i + 3) % 8;
        const std::string marker = "data: " + routeBody(output, source);
        for (auto &reader : readers)
            reader->expect(marker);
        const auto start = Clock::now();
        // Another client of the device (its front panel) makes the change.
        rig.device->applyPanelCommand(QStringLiteral("%1VIDEO%2").arg(source).arg(output));
        pumpUntil([&] {
            return std::all_of(
                readers.begin(), readers.end(), [](const auto &r) { return r->seen(); });
        });
        for (auto &reader : readers) {
            if (reader->seen())
                ms.push_back(
                    std::chrono::duration<double, std::milli>(reader->seenAt() - start).count());
        }
    }
    return p99(ms);
}

double rssGrowth(Rig &rig, int cycles)
{
    const auto cycle = [&] {
        httplib::Client client("127.0.0.1", rig.port());
        const Session session = offThread([&] { return login(client, rig.port()); });
        {
            StreamReader reader(rig.port(), session);
            pumpUntil([&] { return reader.hello(); });
            offThread([&] {
                return bool(client.Post(
                    "/api/v1/logout", headersFor(rig.port(), session), "", "application/json"));
            });
        }
    };
    const int warmUp = std::max(1, cycles / 10);
    for (int i = 0; i < warmUp; ++i)
        cycle();
    const long before = rssKb();
    for (int i = 0; i < cycles; ++i)
        cycle();
    return double(rssKb() - before);
}

int runWebBench(const QStringList &args)
{
    const int cycles = args.value(0).toInt() > 0 ? args.value(0).toInt() : 1000;
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    Rig rig;
    if (!rig.start()) {
        std::fprintf(stderr, "zelbench web: the simulator or the server did not start\n");
        return 1;
    }
    printFigure(
        QStringLiteral("web_route_to_wire_ms_p99"), routeToWire(rig, 300), QStringLiteral("ms"));
    printFigure(QStringLiteral("web_fanout_ms_p99"), fanout(rig, 50, 40), QStringLiteral("ms"));
    printFigure(QStringLiteral("web_rss_growth_kb"), rssGrowth(rig, cycles), QStringLiteral("kB"));
    return 0;
}

const BenchRegistration reg("web",
                            "HTTP route to the wire, event fan-out to 50 streams, RSS over "
                            "[N=1000] log-in/stream/log-out cycles",
                            &runWebBench);

} // namespace
