#include "apirouter.h"
#include "appsettings.h"
#include "devicestate.h"
#include "eventhub.h"
#include "eventstream.h"
#include "hostcheck.h"
#include "linkindicator.h"
#include "loginlimiter.h"
#include "permissionstore.h"
#include "remotefixture.h"
#include "salvocontroller.h"
#include "staletracker.h"
#include "tempdatadir.h"
#include "testtimeouts.h"
#include "userstore.h"
#include "webclient.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QtTest>

namespace {

const QString Admin = QStringLiteral("ADMIN");
const QString AdminPassword = QStringLiteral("tiger905");

QJsonObject routeBody(const QString &kind, int output, int source)
{
    return {{QStringLiteral("kind"), kind},
            {QStringLiteral("output"), output},
            {QStringLiteral("source"), source}};
}

int simRoute(const SimState &state, const QString &kind, int output)
{
    if (kind == QLatin1String("infrared"))
        return state.ir.value(output);
    if (kind == QLatin1String("audio") || kind == QLatin1String("hdmiAudio"))
        return state.audio.value(output);
    return state.video.value(output);
}

// Sends raw bytes on a connection of its own and returns the status of the first answer,
// 0 when the server closed without one.
int rawStatus(quint16 port, const QByteArray &bytes)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; },
                         TestTimeouts::Short))
        return -1;
    socket.write(bytes);
    QByteArray answer;
    (void)QTest::qWaitFor(
        [&] {
            answer += socket.readAll();
            return answer.contains("\r\n") || socket.state() == QAbstractSocket::UnconnectedState;
        },
        TestTimeouts::Medium + RemoteServer::ReadTimeoutS * 1000);
    if (!answer.startsWith("HTTP/1.1 "))
        return 0;
    return answer.mid(9, 3).toInt();
}

// What the device was told to change since command number `from`; queries left out.
QStringList changes(const SimDevice &device, int from)
{
    QStringList changed;
    for (const QString &command : device.receivedCommands().mid(from)) {
        if (StaleTracker::queryOf(command).isEmpty())
            changed.append(command);
    }
    return changed;
}

} // namespace

// The remote server against the simulator: what a browser or a control system sends
// reaches the device only through the same checks as the window, with the web user's
// own rights, and nothing hostile gets through or brings the server down.
class tst_Remote : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void routeReachesDevice_data();
    void routeReachesDevice();
    void sessionsSeeEachOthersChanges();
    void takeSendsOnlyOnTake();
    void salvoRecallReachesDevice();
    void webUserRightsNotWindowRights_data();
    void webUserRightsNotWindowRights();
    void errorStatuses_data();
    void errorStatuses();
    void loginLimitedAfterFailures();
    void offlineWhileDeviceGone();
    void hostileRequests_data();
    void hostileRequests();
    void slowClientHoldsNobodyUp();
    void sessionEnds_data();
    void sessionEnds();
    void idleSessionExpires();
    void busyBeyondClientLimit();

    void staticFiles_data();
    void staticFiles();
    void serveCommand_data();
    void serveCommand();

    void hostCheck_data();
    void hostCheck();
    void loginLimits_data();
    void loginLimits();
    void streamDropsReaderThatFallsBehind();

private:
    RemoteFixture m_fx;
};

void tst_Remote::init()
{
    // The pure cases need no device.
    static const QStringList pure{
        "hostCheck", "loginLimits", "streamDropsReaderThatFallsBehind", "serveCommand"};
    if (pure.contains(QLatin1String(QTest::currentTestFunction())))
        return;
    const bool splitter =
        QTest::currentDataTag() && QByteArray(QTest::currentDataTag()).startsWith("0809-M");
    QVERIFY(m_fx.start(splitter ? QStringLiteral("0809-M") : QStringLiteral("0809"),
                       [splitter](SimState &s) {
                           if (splitter)
                               s.splitterLayout = 2;
                       }));
}

void tst_Remote::cleanup()
{
    m_fx.stop();
}

void tst_Remote::routeReachesDevice_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("source");
    QTest::addRow("video") << "video" << 2 << 5;
    QTest::addRow("video clear") << "video" << 4 << 0;
    QTest::addRow("infrared") << "infrared" << 3 << 7;
    QTest::addRow("audio") << "audio" << 1 << 6;
    QTest::addRow("0809-M splitter area") << "splitter" << 2 << 3;
}

void tst_Remote::routeReachesDevice()
{
    QFETCH(QString, kind);
    QFETCH(int, output);
    QFETCH(int, source);
    WebClient client(m_fx.port());
    QCOMPARE(client.login(Admin, AdminPassword).status, 200);
    const int before = kind == QLatin1String("splitter")
                           ? m_fx.device->state().splitter.value(output)
                           : simRoute(m_fx.device->state(), kind, output);
    const WebReply reply = client.post("/api/v1/route", routeBody(kind, output, source));
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.json().value("previous").toInt(), before);
    QCOMPARE(reply.json().value("route").toObject(), routeBody(kind, output, source));
    if (kind == QLatin1String("splitter"))
        QTRY_COMPARE_WITH_TIMEOUT(
            m_fx.device->state().splitter.value(output), source, TestTimeouts::Short);
    else
        QTRY_COMPARE_WITH_TIMEOUT(
            simRoute(m_fx.device->state(), kind, output), source, TestTimeouts::Short);
    // The picture the API shows follows.
    const QJsonArray kinds = client.get("/api/v1/device").json().value("kinds").toArray();
    bool seen = false;
    for (const QJsonValue &k : kinds) {
        if (k.toObject().value("kind").toString() == kind) {
            seen = true;
            QCOMPARE(k.toObject().value("routes").toObject().value(QString::number(output)).toInt(),
                     source);
        }
    }
    QVERIFY(seen);
}

void tst_Remote::sessionsSeeEachOthersChanges()
{
    WebClient browser(m_fx.port());
    WebClient panel(m_fx.port());
    QCOMPARE(browser.login(Admin, AdminPassword).status, 200);
    QCOMPARE(panel.login(Admin, AdminPassword, true).status, 200);
    EventReader browserEvents(m_fx.port(), browser);
    EventReader panelEvents(m_fx.port(), panel);
    QTRY_VERIFY_WITH_TIMEOUT(browserEvents.contains("event: hello"), TestTimeouts::Short);
    QTRY_VERIFY_WITH_TIMEOUT(panelEvents.contains("event: hello"), TestTimeouts::Short);

    QCOMPARE(browser.post("/api/v1/route", routeBody("video", 6, 2)).status, 200);
    const QByteArray first = sseEvent("route", routeBody("video", 6, 2));
    QTRY_VERIFY_WITH_TIMEOUT(panelEvents.contains(first), TestTimeouts::Short);
    QTRY_VERIFY_WITH_TIMEOUT(browserEvents.contains(first), TestTimeouts::Short);

    QCOMPARE(panel.post("/api/v1/route", routeBody("video", 7, 3)).status, 200);
    QTRY_VERIFY_WITH_TIMEOUT(browserEvents.contains(sseEvent("route", routeBody("video", 7, 3))),
                             TestTimeouts::Short);

    // Another client of the device (here its front panel) is heard too.
    m_fx.device->applyPanelCommand(QStringLiteral("8VIDEO1"));
    QTRY_VERIFY_WITH_TIMEOUT(browserEvents.contains(sseEvent("route", routeBody("video", 1, 8))),
                             TestTimeouts::Medium);
}

void tst_Remote::takeSendsOnlyOnTake()
{
    WebClient client(m_fx.port());
    QCOMPARE(client.login(Admin, AdminPassword).status, 200);
    const int commands = m_fx.device->receivedCommands().size();
    QCOMPARE(client.post("/api/v1/stage", routeBody("video", 2, 6)).status, 200);
    const WebReply staged = client.post("/api/v1/stage", routeBody("video", 3, 7));
    QCOMPARE(staged.status, 200);
    QCOMPARE(staged.json().value("staged").toArray().size(), 2);
    // Another session's stage is its own.
    WebClient other(m_fx.port());
    QCOMPARE(other.login(Admin, AdminPassword).status, 200);
    QCOMPARE(other.get("/api/v1/device")
                 .json()
                 .value("take")
                 .toObject()
                 .value("staged")
                 .toArray()
                 .size(),
             0);
    QCOMPARE(other.post("/api/v1/take").status, 409);
    QCOMPARE(changes(*m_fx.device, commands), QStringList());

    const WebReply take = client.post("/api/v1/take");
    QCOMPARE(take.status, 200);
    QCOMPARE(take.json().value("sent").toInt(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(m_fx.device->state().video.value(2), 6, TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(m_fx.device->state().video.value(3), 7, TestTimeouts::Short);
}

void tst_Remote::salvoRecallReachesDevice()
{
    SalvoController *salvos = m_fx.core->context().salvos;
    const qint64 id = salvos->create(
        QStringLiteral("Morning"), {Route{RouteKind::Video, 4, 8}, Route{RouteKind::Video, 5, 7}});
    QVERIFY(id > 0);
    WebClient client(m_fx.port());
    QCOMPARE(client.login(Admin, AdminPassword).status, 200);
    EventReader events(m_fx.port(), client);
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("event: hello"), TestTimeouts::Short);
    QVERIFY(client.get("/api/v1/device").body.contains("\"Morning\""));
    QCOMPARE(client.post("/api/v1/salvos/" + QByteArray::number(id + 1000) + "/recall").status,
             404);
    const WebReply reply = client.post("/api/v1/salvos/" + QByteArray::number(id) + "/recall");
    QCOMPARE(reply.status, 200);
    QTRY_COMPARE_WITH_TIMEOUT(m_fx.device->state().video.value(4), 8, TestTimeouts::Medium);
    QTRY_COMPARE_WITH_TIMEOUT(m_fx.device->state().video.value(5), 7, TestTimeouts::Medium);
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("event: salvo"), TestTimeouts::Long);
    QVERIFY(events.received().contains("\"complete\":true"));
}

void tst_Remote::webUserRightsNotWindowRights_data()
{
    QTest::addColumn<int>("deniedFunction"); // -1: none
    QTest::addColumn<int>("deniedOutput");
    QTest::addColumn<int>("deniedInput");
    QTest::addColumn<int>("status");
    QTest::addRow("all rights") << -1 << 0 << 0 << 200;
    QTest::addRow("no video switching") << int(PermissionStore::VideoSwitch) << 0 << 0 << 403;
    QTest::addRow("not output 3") << -1 << 3 << 0 << 403;
    QTest::addRow("not input 5") << -1 << 0 << 5 << 403;
    QTest::addRow("another output denied") << -1 << 4 << 0 << 200;
}

void tst_Remote::webUserRightsNotWindowRights()
{
    QFETCH(int, deniedFunction);
    QFETCH(int, deniedOutput);
    QFETCH(int, deniedInput);
    QFETCH(int, status);
    RemoteFixture::addUser(QStringLiteral("bob"), QStringLiteral("pw"), [&](PermissionRights &r) {
        if (deniedFunction >= 0)
            r.functions[deniedFunction] = false;
        if (deniedOutput > 0)
            r.outputs[deniedOutput - 1] = false;
        if (deniedInput > 0)
            r.inputs[deniedInput - 1] = false;
    });
    QCOMPARE(AppSettings::instance()->currentUserType(), 0);
    WebClient client(m_fx.port());
    QCOMPARE(client.login(QStringLiteral("bob"), QStringLiteral("pw")).status, 200);
    const int before = m_fx.device->state().video.value(3);
    const int commands = m_fx.device->receivedCommands().size();
    const WebReply reply = client.post("/api/v1/route", routeBody("video", 3, 5));
    QCOMPARE(reply.status, status);
    if (status == 200) {
        QTRY_COMPARE_WITH_TIMEOUT(m_fx.device->state().video.value(3), 5, TestTimeouts::Short);
        return;
    }
    QCOMPARE(reply.error(), QStringLiteral("forbidden"));
    QVERIFY(!reply.json().value("message").toString().isEmpty());
    QCOMPARE(m_fx.device->state().video.value(3), before);
    QCOMPARE(changes(*m_fx.device, commands), QStringList());
    // A plan recall is refused for the same user without the switching right.
    const WebReply plan = client.post("/api/v1/plans/1/recall");
    QCOMPARE(plan.status, deniedFunction >= 0 ? 403 : 200);
}

void tst_Remote::errorStatuses_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("withSession");
    QTest::addColumn<bool>("withCsrf");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    const QByteArray route = R"({"kind":"video","output":2,"source":5})";
    QTest::addRow("no session") << QByteArray("POST") << QByteArray("/api/v1/route") << route
                                << false << false << 401 << "not_logged_in";
    QTest::addRow("device without session")
        << QByteArray("GET") << QByteArray("/api/v1/device") << QByteArray() << false << false
        << 401 << "not_logged_in";
    QTest::addRow("no CSRF token") << QByteArray("POST") << QByteArray("/api/v1/route") << route
                                   << true << false << 403 << "forbidden";
    QTest::addRow("too large") << QByteArray("POST") << QByteArray("/api/v1/route")
                               << QByteArray(64 * 1024 + 1, ' ') << true << true << 413
                               << "too_large";
    QTest::addRow("input the model lacks")
        << QByteArray("POST") << QByteArray("/api/v1/route")
        << QByteArray(R"({"kind":"video","output":2,"source":9})") << true << true << 400
        << "bad_request";
    QTest::addRow("kind the model lacks")
        << QByteArray("POST") << QByteArray("/api/v1/route")
        << QByteArray(R"({"kind":"splitter","output":1,"source":1})") << true << true << 400
        << "bad_request";
    QTest::addRow("0809-M output 9 held by the splitter")
        << QByteArray("POST") << QByteArray("/api/v1/route")
        << QByteArray(R"({"kind":"video","output":9,"source":1})") << true << true << 409
        << "locked";
    QTest::addRow("plan 11") << QByteArray("POST") << QByteArray("/api/v1/plans/11/recall")
                             << QByteArray() << true << true << 404 << "not_found";
    QTest::addRow("unknown call") << QByteArray("GET") << QByteArray("/api/v1/nothing")
                                  << QByteArray() << true << true << 404 << "not_found";
}

void tst_Remote::errorStatuses()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, body);
    QFETCH(bool, withSession);
    QFETCH(bool, withCsrf);
    QFETCH(int, status);
    QFETCH(QString, error);
    WebClient client(m_fx.port());
    if (withSession)
        QCOMPARE(client.login(Admin, AdminPassword).status, 200);
    QList<QPair<QByteArray, QByteArray>> headers{{"Content-Type", "application/json"}};
    if (withCsrf)
        headers.append({"X-CSRF-Token", client.csrf});
    const int commands = m_fx.device->receivedCommands().size();
    const WebReply reply = client.request(method, path, body, headers);
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.error(), error);
    QCOMPARE(reply.header("Cache-Control"), QByteArray("no-store"));
    QCOMPARE(changes(*m_fx.device, commands), QStringList());
}

void tst_Remote::loginLimitedAfterFailures()
{
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { logged.append(text); });
    const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    WebClient client(m_fx.port());
    for (int i = 0; i < LoginLimiter::MaxPerUser; ++i) {
        const WebReply wrong = client.login(Admin, QStringLiteral("guess%1").arg(i));
        QCOMPARE(wrong.status, 401);
        QVERIFY(!wrong.body.contains("guess")); // a password is never sent back
    }
    // From now on not even the right password gets in.
    const WebReply limited = client.login(Admin, AdminPassword);
    QCOMPARE(limited.status, 429);
    QCOMPARE(limited.error(), QStringLiteral("too_many_attempts"));
    QVERIFY(limited.header("Set-Cookie").isEmpty());
    // Each attempt is logged, with its user and address, and no password.
    QVERIFY(logged.filter(QStringLiteral("Login failed for ADMIN from 127.0.0.1")).size() >=
            LoginLimiter::MaxPerUser);
    QCOMPARE(logged.filter(QStringLiteral("guess")), QStringList());
    QCOMPARE(logged.filter(AdminPassword), QStringList());
}

void tst_Remote::offlineWhileDeviceGone()
{
    WebClient client(m_fx.port());
    QCOMPARE(client.login(Admin, AdminPassword).status, 200);
    m_fx.device.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!m_fx.core->context().link->isOnline(), TestTimeouts::Long);
    const WebReply reply = client.post("/api/v1/route", routeBody("video", 2, 5));
    QCOMPARE(reply.status, 503);
    QCOMPARE(reply.error(), QStringLiteral("offline"));
    QCOMPARE(client.get("/api/v1/device").json().value("connection").toString(),
             QStringLiteral("disconnected"));
}

void tst_Remote::hostileRequests_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    const QByteArray host = "Host: 127.0.0.1\r\n";
    const QByteArray json = "Content-Type: application/json\r\n";
    QTest::addRow("bad JSON") << QByteArray("POST /api/v1/login HTTP/1.1\r\n" + host + json +
                                            "Content-Length: 9\r\n\r\n{\"user\":1")
                              << 400;
    QTest::addRow("JSON array") << QByteArray("POST /api/v1/login HTTP/1.1\r\n" + host + json +
                                              "Content-Length: 2\r\n\r\n[]")
                                << 400;
    QTest::addRow("announced huge body") << QByteArray("POST /api/v1/login HTTP/1.1\r\n" + host +
                                                       json + "Content-Length: 100000000\r\n\r\n{")
                                         << 413;
    QTest::addRow("unknown path") << QByteArray("GET /etc/passwd HTTP/1.1\r\n" + host + "\r\n")
                                  << 404;
    QTest::addRow("dot dot in a static path")
        << QByteArray("GET /static/../../etc/passwd HTTP/1.1\r\n" + host + "\r\n") << 404;
    QTest::addRow("escaped dot dot")
        << QByteArray("GET /static/%2e%2e/%2e%2e/etc/passwd HTTP/1.1\r\n" + host + "\r\n") << 404;
    QTest::addRow("resource outside the page")
        << QByteArray("GET /static/..%2fImages HTTP/1.1\r\n" + host + "\r\n") << 404;
    QTest::addRow("missing token") << QByteArray("POST /api/v1/route HTTP/1.1\r\n" + host + json +
                                                 "Content-Length: 2\r\n\r\n{}")
                                   << 401;
    QTest::addRow("wrong bearer token")
        << QByteArray("POST /api/v1/route HTTP/1.1\r\n" + host +
                      "Authorization: Bearer 00112233\r\n" + json + "Content-Length: 2\r\n\r\n{}")
        << 401;
    QTest::addRow("wrong cookie") << QByteArray("GET /api/v1/device HTTP/1.1\r\n" + host +
                                                "Cookie: zelsession=" + QByteArray(64, 'a') +
                                                "\r\n\r\n")
                                  << 401;
    QTest::addRow("wrong Host")
        << QByteArray("GET /api/v1/texts HTTP/1.1\r\nHost: attacker.example\r\n\r\n") << 400;
    QTest::addRow("rebinding Host with our port")
        << QByteArray("GET /api/v1/texts HTTP/1.1\r\nHost: attacker.example:%PORT%\r\n\r\n") << 400;
    QTest::addRow("no Host") << QByteArray("GET /api/v1/texts HTTP/1.1\r\n\r\n") << 400;
    QTest::addRow("garbage request line") << QByteArray("\x01\x02\x03 nonsense\r\n\r\n") << 400;
    QTest::addRow("endless path") << QByteArray("GET /" + QByteArray(6000, 'a') + " HTTP/1.1\r\n" +
                                                host + "\r\n")
                                  << 404;
    QTest::addRow("unknown method")
        << QByteArray("BREW /api/v1/route HTTP/1.1\r\n" + host + "\r\n") << 400;
}

void tst_Remote::hostileRequests()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    bytes.replace("%PORT%", QByteArray::number(m_fx.port()));
    bytes.replace("Host: 127.0.0.1\r\n",
                  "Host: 127.0.0.1:" + QByteArray::number(m_fx.port()) + "\r\n");
    const int commands = m_fx.device->receivedCommands().size();
    QCOMPARE(rawStatus(m_fx.port(), bytes), status);
    // Still serving, and the device heard nothing.
    WebClient client(m_fx.port());
    QCOMPARE(client.login(Admin, AdminPassword).status, 200);
    QCOMPARE(changes(*m_fx.device, commands), QStringList());
}

void tst_Remote::slowClientHoldsNobodyUp()
{
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, m_fx.port());
    QTRY_COMPARE_WITH_TIMEOUT(slow.state(), QAbstractSocket::ConnectedState, TestTimeouts::Short);
    slow.write("POST /api/v1/route HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Le");
    WebClient client(m_fx.port());
    QCOMPARE(client.login(Admin, AdminPassword).status, 200);
    QCOMPARE(client.post("/api/v1/route", routeBody("video", 5, 1)).status, 200);
    // The server gives up on the stalled headers by itself.
    QTRY_COMPARE_WITH_TIMEOUT(slow.state(),
                              QAbstractSocket::UnconnectedState,
                              RemoteServer::ReadTimeoutS * 1000 + TestTimeouts::Medium);
}

void tst_Remote::sessionEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("logout") << "logout";
    QTest::addRow("user deleted") << "delete";
    QTest::addRow("password changed") << "password";
    QTest::addRow("user renamed") << "rename";
}

void tst_Remote::sessionEnds()
{
    QFETCH(QString, how);
    const int id = RemoteFixture::addUser(QStringLiteral("carol"), QStringLiteral("pw"));
    WebClient client(m_fx.port());
    QCOMPARE(client.login(QStringLiteral("carol"), QStringLiteral("pw")).status, 200);
    EventReader events(m_fx.port(), client);
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("event: hello"), TestTimeouts::Short);
    QCOMPARE(client.get("/api/v1/session").status, 200);
    if (how == QLatin1String("logout"))
        QCOMPARE(client.post("/api/v1/logout").status, 200);
    else if (how == QLatin1String("delete"))
        QVERIFY(UserStore::deleteUser(id));
    else if (how == QLatin1String("password"))
        QVERIFY(UserStore::updateUser(id, QStringLiteral("carol"), QStringLiteral("new")));
    else
        QVERIFY(UserStore::updateUser(id, QStringLiteral("dave"), QStringLiteral("pw")));
    QCOMPARE(client.get("/api/v1/session").status, 401);
    QTRY_VERIFY_WITH_TIMEOUT(events.finished(), TestTimeouts::Medium);
    QCOMPARE(client.post("/api/v1/route", routeBody("video", 2, 5)).status, 401);
}

void tst_Remote::idleSessionExpires()
{
    m_fx.server->setSessionIdleMs(300);
    WebClient idle(m_fx.port());
    WebClient watching(m_fx.port());
    QCOMPARE(idle.login(Admin, AdminPassword).status, 200);
    QCOMPARE(watching.login(Admin, AdminPassword).status, 200);
    EventReader events(m_fx.port(), watching);
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("event: hello"), TestTimeouts::Short);
    QSignalSpy expired(m_fx.server.get(), &RemoteServer::sessionsExpired);
    QVERIFY(expired.wait(TestTimeouts::Medium));
    QCOMPARE(idle.get("/api/v1/session").status, 401);
    // A page with its event stream open is not idle.
    QCOMPARE(watching.get("/api/v1/session").status, 200);
    QVERIFY(!events.finished());
}

void tst_Remote::busyBeyondClientLimit()
{
    // Each connection keeps one of the server's threads while it stays open; one answered
    // request shows the server took it.
    const QByteArray request =
        "GET /api/v1/texts HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(m_fx.port()) +
        "\r\n\r\n";
    std::vector<std::unique_ptr<QTcpSocket>> held;
    const int limit = RemoteServer::MaxClients + EventHub::MaxStreams;
    // One by one: the listen queue is short, and a refused connect would be retried late.
    for (int i = 0; i < limit; ++i) {
        held.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket *socket = held.back().get();
        socket->connectToHost(QHostAddress::LocalHost, m_fx.port());
        socket->write(request);
        QTRY_VERIFY_WITH_TIMEOUT(socket->bytesAvailable() > 0, TestTimeouts::Short);
    }
    QCOMPARE(rawStatus(m_fx.port(), request), 503);
    held.clear();
    QTRY_COMPARE_WITH_TIMEOUT(rawStatus(m_fx.port(), request), 200, TestTimeouts::Long);
}

void tst_Remote::staticFiles_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("type");
    QTest::addRow("the page") << QByteArray("/") << 200 << QByteArray("text/html; charset=utf-8");
    QTest::addRow("a style sheet")
        << QByteArray("/static/probe.css") << 200 << QByteArray("text/css; charset=utf-8");
    QTest::addRow("missing file") << QByteArray("/static/none.js") << 404 << QByteArray();
    QTest::addRow("hidden name") << QByteArray("/static/.probe.css") << 404 << QByteArray();
    QTest::addRow("another resource")
        << QByteArray("/static/../Images/logo.png") << 404 << QByteArray();
}

void tst_Remote::staticFiles()
{
    QFETCH(QByteArray, path);
    QFETCH(int, status);
    QFETCH(QByteArray, type);
    WebClient client(m_fx.port());
    const WebReply reply = client.get(path);
    QCOMPARE(reply.status, status);
    if (status != 200)
        return;
    QCOMPARE(reply.header("Content-Type"), type);
    QCOMPARE(reply.header("Content-Security-Policy"),
             QByteArray("default-src 'self'; frame-ancestors 'none'"));
    QVERIFY(!reply.body.isEmpty());
}

void tst_Remote::serveCommand_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode"); // -1: serves until stopped
    QTest::addColumn<QString>("says");
    QTest::addRow("loopback, no display")
        << QStringList{"--demo", "0809", "--listen", "127.0.0.1:0"} << -1
        << "zeldesk serving on http://127.0.0.1:";
    QTest::addRow("beyond loopback with the default password")
        << QStringList{"--listen", "0.0.0.0:0"} << 3 << "default password";
    QTest::addRow("listen without a port")
        << QStringList{"--listen", "127.0.0.1"} << 2 << "--listen";
    QTest::addRow("device without a port")
        << QStringList{"--device", "10.0.0.5"} << 2 << "--device";
}

void tst_Remote::serveCommand()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    TempDataDir dir;
    const QString data = dir.filePath(QStringLiteral("service"));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb"); // would abort if a GUI were started
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(QCoreApplication::applicationDirPath() + "/zeldesk",
                  QStringList{"--serve", "--data-dir", data} + args);
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT(
        (out += process.readAllStandardOutput() + process.readAllStandardError(),
         out.contains(says.toUtf8())),
        TestTimeouts::Long);
    if (exitCode >= 0) {
        QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, TestTimeouts::Medium);
        QCOMPARE(process.exitCode(), exitCode);
        if (exitCode == 3) // the service's directory is its own
            QCOMPARE(QFileInfo(data).permissions() & 0x0077, QFileDevice::Permissions());
        return;
    }
    const quint16 port = quint16(out.mid(out.lastIndexOf(':') + 1).trimmed().toUInt());
    WebClient client(port);
    QCOMPARE(client.get("/api/v1/texts?lang=zh").json().value("lang").toString(),
             QStringLiteral("zh"));
    process.terminate();
    QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, TestTimeouts::Medium);
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
}

void tst_Remote::hostCheck_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("allowed");
    QTest::addRow("loopback with our port") << "127.0.0.1:8790" << true;
    QTest::addRow("loopback without port") << "127.0.0.1" << true;
    QTest::addRow("LAN address") << "192.168.1.20:8790" << true;
    QTest::addRow("localhost") << "localhost:8790" << true;
    QTest::addRow("IPv6 loopback") << "[::1]:8790" << true;
    QTest::addRow("allowed name") << "Desk.Local:8790" << true;
    QTest::addRow("other port") << "127.0.0.1:8791" << false;
    QTest::addRow("rebinding name") << "attacker.example:8790" << false;
    QTest::addRow("name ending in an address") << "1.2.3.4.attacker.example" << false;
    QTest::addRow("localhost suffix") << "localhost.attacker.example" << false;
    QTest::addRow("empty") << "" << false;
    QTest::addRow("bare colon") << "127.0.0.1:" << false;
    QTest::addRow("unclosed IPv6") << "[::1:8790" << false;
    QTest::addRow("IPv6 without brackets") << "::1" << false;
}

void tst_Remote::hostCheck()
{
    QFETCH(QString, host);
    QFETCH(bool, allowed);
    QCOMPARE(HostCheck::allowed(host, 8790, {QStringLiteral("desk.local")}), allowed);
}

void tst_Remote::loginLimits_data()
{
    QTest::addColumn<int>("failuresFromOneAddress");
    QTest::addColumn<int>("failuresForOneName");
    QTest::addColumn<qint64>("waitMs");
    QTest::addColumn<bool>("blocked");
    const int address = LoginLimiter::MaxPerAddress;
    const int name = LoginLimiter::MaxPerUser;
    QTest::addRow("one short for the address") << address - 1 << 0 << qint64(0) << false;
    QTest::addRow("address at its limit") << address << 0 << qint64(0) << true;
    QTest::addRow("one short for the name") << 0 << name - 1 << qint64(0) << false;
    QTest::addRow("name at its limit") << 0 << name << qint64(0) << true;
    QTest::addRow("failures aged out") << address << name << LoginLimiter::WindowMs << false;
    QTest::addRow("failures nearly aged out")
        << address << name << LoginLimiter::WindowMs - 1 << true;
}

void tst_Remote::loginLimits()
{
    QFETCH(int, failuresFromOneAddress);
    QFETCH(int, failuresForOneName);
    QFETCH(qint64, waitMs);
    QFETCH(bool, blocked);
    qint64 now = 1000;
    LoginLimiter limiter([&now] { return now; });
    // Each failure for the name comes from another address, and the other way round.
    for (int i = 0; i < failuresFromOneAddress; ++i)
        limiter.failed(QStringLiteral("10.0.0.1"), QStringLiteral("user%1").arg(i));
    for (int i = 0; i < failuresForOneName; ++i)
        limiter.failed(QStringLiteral("10.0.1.%1").arg(i), QStringLiteral("ADMIN"));
    now += waitMs;
    const bool addressBlocked = limiter.blocked(QStringLiteral("10.0.0.1"), QStringLiteral("x"));
    const bool nameBlocked = limiter.blocked(QStringLiteral("10.9.9.9"), QStringLiteral("admin"));
    QCOMPARE(addressBlocked || nameBlocked, blocked);
    QVERIFY(!limiter.blocked(QStringLiteral("10.9.9.9"), QStringLiteral("someone")));
}

void tst_Remote::streamDropsReaderThatFallsBehind()
{
    EventStream stream("owner");
    for (std::size_t i = 0; i < EventStream::MaxQueued; ++i)
        QVERIFY(stream.push("route", "{}"));
    QVERIFY(!stream.push("route", "{}"));
    std::string text;
    QCOMPARE(stream.next(&text, std::chrono::milliseconds(0)), EventStream::Next::Closed);
}

QTEST_GUILESS_MAIN(tst_Remote)
#include "tst_remote.moc"
