#include "appsettings.h"
#include "operatorcore.h"
#include "remoteaccess.h"
#include "remoteaccessswitch.h"
#include "remoteserver.h"
#include "route.h"
#include "salvocontroller.h"
#include "storagetestkit.h"
#include "svgwidgets.h"
#include "testtimeouts.h"
#include "userstore.h"
#include "widget.h"
#include "windowkit.h"
#include "zelresources.h"

#include <QComboBox>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSpinBox>
#include <QTabWidget>
#include <QTcpSocket>
#include <QtTest>

// The Setting page's "Remote access" switch with a stand-in server: who may touch it,
// what port it starts, and what it shows when the server will not start. Then the
// window's server itself: closed while the default password works, and once opened it
// serves the page and its texts.
class TestRemoteAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void onlyAnAdministratorMayTouchIt_data();
    void onlyAnAdministratorMayTouchIt();
    void turningOnServesThePortBesideIt();
    void aServerThatCannotStartLeavesTheSwitchOff();
    void turningOffStopsOnceAndFreesThePort();
    void theDefaultPasswordKeepsTheNetworkOut();
    void theWindowsServerServesThePageAndItsTexts();
    void theWindowsServerSharesItsSalvos();
    void theSettingPageOffersItToAdministratorsOnly_data();
    void theSettingPageOffersItToAdministratorsOnly();
    void cleanup() { m_kit.cleanup(); }

private:
    WindowKit m_kit;
};

namespace {

struct FakeServer
{
    QList<quint16> started;
    int stopped = 0;
    QString refusal; // non-empty: start fails with it

    RemoteAccessSwitch::Start start()
    {
        return [this](quint16 port, QString *error) {
            started.append(port);
            if (refusal.isEmpty())
                return true;
            *error = refusal;
            return false;
        };
    }
    RemoteAccessSwitch::Stop stop()
    {
        return [this] {
            ++stopped;
        };
    }
};

} // namespace

void TestRemoteAccess::onlyAnAdministratorMayTouchIt_data()
{
    QTest::addColumn<bool>("administrator");
    QTest::newRow("administrator") << true;
    QTest::newRow("ordinary user") << false;
}

void TestRemoteAccess::onlyAnAdministratorMayTouchIt()
{
    QFETCH(bool, administrator);
    FakeServer server;
    RemoteAccessSwitch row(server.start(), server.stop());
    row.applyRights(administrator);
    QVERIFY(!row.isOn());
    QVERIFY(!row.switchBox()->isChecked());
    QCOMPARE(row.switchBox()->isEnabled(), administrator);
    QCOMPARE(row.portBox()->isEnabled(), administrator);
    QVERIFY(server.started.isEmpty());
}

void TestRemoteAccess::turningOnServesThePortBesideIt()
{
    FakeServer server;
    RemoteAccessSwitch row(server.start(), server.stop());
    row.applyRights(true);
    QCOMPARE(row.portBox()->value(), 8790);
    row.portBox()->setValue(18790);
    row.switchBox()->click();
    QCOMPARE(server.started, QList<quint16>{18790});
    QVERIFY(row.isOn());
    QVERIFY(row.switchBox()->isChecked());
    QVERIFY2(row.statusLine()->text().contains(QLatin1String(":18790/")),
             qPrintable(row.statusLine()->text()));
    // A port change under a running server would not be the port it serves.
    QVERIFY(!row.portBox()->isEnabled());
    // Logging in again as an administrator keeps it that way.
    row.applyRights(true);
    QVERIFY(!row.portBox()->isEnabled());
    QCOMPARE(server.stopped, 0);
}

void TestRemoteAccess::aServerThatCannotStartLeavesTheSwitchOff()
{
    FakeServer server;
    server.refusal = QStringLiteral("address already in use");
    RemoteAccessSwitch row(server.start(), server.stop());
    row.applyRights(true);
    row.switchBox()->click();
    QCOMPARE(server.started.size(), 1);
    QVERIFY(!row.isOn());
    QVERIFY(!row.switchBox()->isChecked());
    QVERIFY(row.portBox()->isEnabled());
    QVERIFY2(row.statusLine()->text().contains(server.refusal),
             qPrintable(row.statusLine()->text()));
    // Nothing was started, so nothing is stopped; a second try asks again.
    QCOMPARE(server.stopped, 0);
    server.refusal.clear();
    row.switchBox()->click();
    QCOMPARE(server.started.size(), 2);
    QVERIFY(row.isOn());
    QVERIFY(!row.statusLine()->text().contains(QLatin1String("already in use")));
}

void TestRemoteAccess::turningOffStopsOnceAndFreesThePort()
{
    FakeServer server;
    RemoteAccessSwitch row(server.start(), server.stop());
    row.applyRights(true);
    row.switchBox()->click();
    row.switchBox()->click();
    QCOMPARE(server.stopped, 1);
    QVERIFY(!row.isOn());
    QVERIFY(row.portBox()->isEnabled());
    row.turnOff(); // the window closing with the switch already off
    QCOMPARE(server.stopped, 1);
}

namespace {

QByteArray get(QNetworkAccessManager &network, quint16 port, const QString &path, int *status)
{
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path)));
    QNetworkReply *reply = network.get(request);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(TestTimeouts::Medium))
        return QByteArray();
    *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    reply->deleteLater();
    return reply->readAll();
}

QByteArray
post(QNetworkAccessManager &network, quint16 port, const QString &path, const QByteArray &body)
{
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QNetworkReply *reply = network.post(request, body);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(TestTimeouts::Medium))
        return QByteArray();
    reply->deleteLater();
    return reply->readAll();
}

} // namespace

void TestRemoteAccess::theDefaultPasswordKeepsTheNetworkOut()
{
    ScopedDataDir dir;
    QVERIFY(UserStore::initTables());
    QObject window;
    RemoteAccess access(&window);
    QString error;
    QVERIFY(!access.start(nullptr, 0, &error));
    QVERIFY2(error.contains(QLatin1String("ADMIN")), qPrintable(error));
    QVERIFY(!access.server());
}

void TestRemoteAccess::theWindowsServerServesThePageAndItsTexts()
{
    ScopedDataDir dir;
    QVERIFY(UserStore::initTables());
    QObject window;
    RemoteAccess access(&window);
    QString error;
    QVERIFY2(access.start(nullptr, 0, &error, QHostAddress(QHostAddress::LocalHost)),
             qPrintable(error));
    const quint16 port = access.server()->port();
    QVERIFY(port != 0);

    QNetworkAccessManager network;
    int status = 0;
    const QByteArray page = get(network, port, QStringLiteral("/"), &status);
    QCOMPARE(status, 200);
    QVERIFY(page.contains("/static/app.js"));
    const QByteArray texts = get(network, port, QStringLiteral("/api/v1/texts?lang=zh"), &status);
    QCOMPARE(status, 200);
    QVERIFY2(QString::fromUtf8(texts).contains(QStringLiteral("登录")), texts.constData());

    access.stop();
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!probe.waitForConnected(TestTimeouts::Short));
}

void TestRemoteAccess::theSettingPageOffersItToAdministratorsOnly_data()
{
    QTest::addColumn<int>("userType");
    QTest::addColumn<int>("language");
    QTest::newRow("administrator") << 0 << 1;
    QTest::newRow("ordinary user") << 1 << 1;
    QTest::newRow("administrator, Chinese") << 0 << 0;
}

// The row sits on the window's Setting page, off, and follows who is logged in.
void TestRemoteAccess::theSettingPageOffersItToAdministratorsOnly()
{
    QFETCH(int, userType);
    QFETCH(int, language);
    QVERIFY(m_kit.init());
    // Login-free start as the remembered user.
    const QString user = userType == 0 ? QStringLiteral("ADMIN") : QStringLiteral("OPER");
    QVERIFY(UserStore::initTables());
    if (userType != 0)
        QVERIFY(UserStore::addUser(user, QStringLiteral("oper-pass-1")));
    QVERIFY(UserStore::setLoginModel(1));
    AppSettings::instance()->setUsername(user);
    QVERIFY(m_kit.openSettled(QStringLiteral("0809")));
    Widget *window = m_kit.window();
    auto *row = window->findChild<RemoteAccessSwitch *>();
    QVERIFY(row);
    QVERIFY(!row->isOn());
    QCOMPARE(row->switchBox()->isEnabled(), userType == 0);
    QCOMPARE(row->portBox()->isEnabled(), userType == 0);

    auto *languages = window->findChild<QComboBox *>(QStringLiteral("languageComboBox"));
    languages->setCurrentIndex(1 - language);
    languages->setCurrentIndex(language);
    QTRY_COMPARE(row->title()->text(),
                 language == 0 ? QStringLiteral("远程访问") : QStringLiteral("Remote access"));
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (!dir.isEmpty() && userType == 0) {
        auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        tabs->setCurrentWidget(
            row->window()->findChild<QWidget *>(QStringLiteral("SettingTabWidget")));
        QCoreApplication::processEvents();
        QVERIFY(window->grab().save(
            dir + QStringLiteral("/remote-access-%1.png").arg(language == 0 ? "zh" : "en")));
    }
}

// The window's server works on the window's own salvos, so a tablet lists and recalls
// what the operator saved at the desk.
void TestRemoteAccess::theWindowsServerSharesItsSalvos()
{
    QVERIFY(m_kit.init());
    QVERIFY(m_kit.openSettled(QStringLiteral("0809")));
    auto *salvos = m_kit.window()->findChild<SalvoController *>();
    QVERIFY(salvos);
    QVERIFY(salvos->create(QStringLiteral("Desk salvo"), {{RouteKind::Video, 2, 3}}) > 0);
    auto *access = m_kit.window()->findChild<RemoteAccess *>();
    QVERIFY(access);
    QString error;
    QVERIFY2(
        access->start(m_kit.window()->core(), 0, &error, QHostAddress(QHostAddress::LocalHost)),
        qPrintable(error));
    const quint16 port = access->server()->port();
    QNetworkAccessManager network;
    QVERIFY(post(network, port, "/api/v1/login", R"({"user":"ADMIN","password":"tiger905"})")
                .contains("ADMIN"));
    int status = 0;
    const QByteArray device = get(network, port, QStringLiteral("/api/v1/device"), &status);
    QCOMPARE(status, 200);
    QVERIFY2(device.contains("Desk salvo"), device.constData());
    access->stop();
}

QTEST_MAIN(TestRemoteAccess)
#include "tst_remoteaccess.moc"
