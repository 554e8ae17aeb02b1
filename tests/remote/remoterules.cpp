#include "datadir.h"
#include "devicepicture.h"
#include "eventstream.h"
#include "hostcheck.h"
#include "loginlimiter.h"
#include "portnamestore.h"
#include "remotetexts.h"
#include "tempdatadir.h"
#include "testtimeouts.h"
#include "webclient.h"
#include "zelresources.h"

#include <QFileInfo>
#include <QProcess>
#include <QtTest>

// The server's rules that need no device (the Host check, the login limits, a stream's
// bound) and `zeldesk --serve` as a program.
class RemoteRules : public QObject
{
    Q_OBJECT

private slots:
    void serveCommand_data();
    void serveCommand();
    void hostCheck_data();
    void hostCheck();
    void loginLimits_data();
    void loginLimits();
    void streamDropsReaderThatFallsBehind();
    void defaultNamesSpeakTheSessionLanguage_data();
    void defaultNamesSpeakTheSessionLanguage();
};

void RemoteRules::serveCommand_data()
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

void RemoteRules::serveCommand()
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

void RemoteRules::hostCheck_data()
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

void RemoteRules::hostCheck()
{
    QFETCH(QString, host);
    QFETCH(bool, allowed);
    QCOMPARE(HostCheck::allowed(host, 8790, {QStringLiteral("desk.local")}), allowed);
}

void RemoteRules::loginLimits_data()
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

void RemoteRules::loginLimits()
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

void RemoteRules::streamDropsReaderThatFallsBehind()
{
    EventStream stream("owner");
    for (std::size_t i = 0; i < EventStream::MaxQueued; ++i)
        QVERIFY(stream.push("route", "{}"));
    QVERIFY(!stream.push("route", "{}"));
    std::string text;
    QCOMPARE(stream.next(&text, std::chrono::milliseconds(0)), EventStream::Next::Closed);
}

int runRemoteRules(int argc, char *argv[])
{
    RemoteRules test;
    return QTest::qExec(&test, argc, argv);
}

#include "remoterules.moc"

void RemoteRules::defaultNamesSpeakTheSessionLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("isOutput");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("name");
    QTest::addRow("unnamed output") << "zh" << true << 2 << "输出 2";
    QTest::addRow("embedded audio") << "zh" << false << 103 << "输入 3 (HDMI)";
    QTest::addRow("same port in English") << "en" << false << 103 << "Input 3 (HDMI)";
    QTest::addRow("a stored name stays") << "zh" << true << 5 << "Lobby";
}

void RemoteRules::defaultNamesSpeakTheSessionLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, isOutput);
    QFETCH(int, port);
    TempDataDir dir;
    QVERIFY(dir.isValid());
    DataDir::set(dir.path());
    QVERIFY(PortNameStore::createPortNameTables());
    QVERIFY(PortNameStore::savePortName(5, QStringLiteral("Lobby"), PortNameStore::OutputVideo));
    initZelResources(); // the catalogues
    const RemoteTexts texts;
    const QString name = isOutput
                             ? DevicePicture::outputName(RouteKind::Video, port, texts, language)
                             : DevicePicture::sourceName(RouteKind::Audio, port, texts, language);
    DataDir::set(QString());
    QTEST(name, "name");
}
