#include "appsettings.h"
#include "logindialog.h"
#include "messagedistance.h"
#include "tableitemwidget.h"
#include "videotablewidget.h"
#include "windowkit.h"
#include "zelresources.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The main window's Setting page and link status against the simulator: network
// values, factory reset, DHCP, going offline and coming back, stale records, Re-Login.
class tst_LinkAndSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init() { QVERIFY(m_kit.init()); }
    void cleanup() { m_kit.cleanup(); }
    void cleanupTestCase() { m_kit.release(); }

    // One shared 0809 window.
    void networkRecordAndConfirmation();
    void halfTypedNetworkValuesRefused();
    void dhcpMakesStaticFieldsReadOnly();
    void factoryResetAsksFirst();
    // Each on a fresh window.
    void offlineDropRefusedAndLinkComesBack();
    void staleMarkerAfterSilentPeer();
    void reLoginKeepsTheAddressTheDeviceReports();

private:
    bool openSettled(const QString &model) { return m_kit.openSettled(model); }
    bool waitForCommand(const QString &command, int timeout = TestTimeouts::Medium)
    {
        return m_kit.waitForCommand(command, timeout);
    }
    template <typename T> T *child(const char *name) { return m_kit.child<T>(name); }
    SimDevice *device() { return m_kit.device(); }
    Widget *window() { return m_kit.window(); }

    WindowKit m_kit;
};

void tst_LinkAndSettings::networkRecordAndConfirmation()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    auto *ip = child<QLineEdit>("IpEdit");
    QVERIFY(!ip->text().isEmpty());
    auto *mac = child<QLineEdit>("MacEdit");
    child<QPushButton>("netWorkConfirmBtn")->click();
    const QString command = QStringLiteral("{param=&ip,ip=%1,gateway=%2,subnet=%3,mac=%4}")
                                .arg(ip->text(), child<QLineEdit>("GateWayEdit")->text(),
                                     child<QLineEdit>("SubnetEdit")->text(), mac->text());
    QVERIFY(waitForCommand(command));
    QTRY_COMPARE_WITH_TIMEOUT(m_kit.dialogs.size(), 2, TestTimeouts::Medium);
    QVERIFY(m_kit.dialogs.first().contains(QLatin1String("Send these network settings")));
    QVERIFY(m_kit.dialogs.last().contains(QLatin1String("please reboot the device immediately")));
    emit window()->si_http200Analysis(); // a second acknowledgement shows nothing
    QCOMPARE(m_kit.dialogs.size(), 2);
}

// What went to the device before: "{param=&ip,ip=99.30.1.1,gateway=,subnet=255.255,mac=11:22}".
// Complete values the operator declines are not sent either.
void tst_LinkAndSettings::halfTypedNetworkValuesRefused()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    const char *names[] = {"IpEdit", "GateWayEdit", "SubnetEdit", "MacEdit"};
    const QStringList good{"10.0.0.5", "10.0.0.1", "255.255.255.0", "02:00:00:00:00:01"};
    for (int i = 0; i < 4; ++i)
        child<QLineEdit>(names[i])->setText(good.at(i));
    device()->clearReceivedCommands();
    m_kit.answer = QDialog::Rejected;
    child<QPushButton>("netWorkConfirmBtn")->click();
    QCOMPARE(m_kit.dialogs.size(), 1);
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());

    device()->clearReceivedCommands();
    m_kit.answer = QDialog::Accepted;
    child<QLineEdit>("MacEdit")->setText(QStringLiteral("11:22"));
    child<QPushButton>("netWorkConfirmBtn")->click();
    QCOMPARE(m_kit.dialogs.size(), 1); // refused before any confirmation
    QVERIFY(child<QLineEdit>("MacEdit")->property("bad").toBool());
    QVERIFY(!child<QLabel>("messageLine")->text().isEmpty());
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
}

// Factory Reset asks first: "no" sends nothing, "yes" sends Default.
void tst_LinkAndSettings::factoryResetAsksFirst()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    device()->clearReceivedCommands();
    m_kit.answer = QDialog::Rejected;
    child<QPushButton>("factorResetBtn")->click();
    QCOMPARE(m_kit.dialogs.size(), 1);
    QVERIFY(m_kit.dialogs.first().contains(QLatin1String("factory settings")));
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
    m_kit.answer = QDialog::Accepted;
    child<QPushButton>("factorResetBtn")->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=Default}")));
}

void tst_LinkAndSettings::dhcpMakesStaticFieldsReadOnly()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    auto *dhcp = child<QCheckBox>("DhcpSwitchCheck");
    dhcp->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=DHCP_On}")));
    QVERIFY(child<QLineEdit>("IpEdit")->isReadOnly());
    QVERIFY(!child<QPushButton>("netWorkConfirmBtn")->isEnabled());
    dhcp->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=DHCP_Off}")));
    QVERIFY(!child<QLineEdit>("SubnetEdit")->isReadOnly());
    QVERIFY(child<QPushButton>("netWorkConfirmBtn")->isEnabled());
}

// Offline, a drop is refused with a reason and the cell keeps its source (it used to
// show the new one and revert after the reconnect); the link then comes back by itself.
void tst_LinkAndSettings::offlineDropRefusedAndLinkComesBack()
{
    QVERIFY(openSettled(QStringLiteral("0809")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    auto *title = child<QLabel>("connectState");
    QVERIFY(title->text().endsWith(QLatin1String(" connected")));
    const QString before = video->cellForPort(5)->inputText();
    const quint16 port = device()->controlPort();
    device()->close();
    auto *word = child<QLabel>("linkWord");
    QTRY_VERIFY_WITH_TIMEOUT(word->text() != QLatin1String("Connected"), TestTimeouts::Medium);
    QVERIFY(title->text().endsWith(QLatin1String(" disconnected")));
    QCOMPARE(AppSettings::instance()->connectionStatus(), 0);
    QVERIFY(WindowKit::dropOn(video, 5, QStringLiteral("103")));
    QCOMPARE(video->cellForPort(5)->inputText(), before);
    QVERIFY(child<QLabel>("messageLine")->text().contains(QLatin1String("not connected")));
    QVERIFY(child<QLabel>("linkStripText")->text().startsWith(QLatin1String("Offline")));
    device()->clearReceivedCommands();
    QVERIFY(device()->listen(QHostAddress::LocalHost, port, 0));
    QVERIFY(waitForCommand(QStringLiteral("{param=version}"), TestTimeouts::Long));
    QTRY_COMPARE_WITH_TIMEOUT(word->text(), QStringLiteral("Connected"), TestTimeouts::Medium);
    QVERIFY(title->text().endsWith(QLatin1String(" connected")));
    QVERIFY(!device()->receivedCommands().contains(QStringLiteral("{param=3VIDEO5}")));
}

void tst_LinkAndSettings::staleMarkerAfterSilentPeer()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0809")));
    SimFaults faults;
    faults.ignoredQueries = {QStringLiteral("netInfo")};
    device()->setFaults(faults);
    m_kit.openWindow();
    auto *strip = child<QLabel>("linkStripText");
    QTRY_VERIFY_WITH_TIMEOUT(strip->text().contains(QLatin1String("may be stale (last record")),
                             TestTimeouts::Long);
    auto *refresh = child<QPushButton>("staleRefreshBtn");
    QVERIFY(refresh->isVisibleTo(window()));
    device()->clearReceivedCommands();
    refresh->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=version}")));
    QTRY_COMPARE_WITH_TIMEOUT(strip->text(), QString(), TestTimeouts::Medium);
}

// The simulator used to report 192.168.1.188 whatever address it was reached on; a
// Re-Login then wrote that address and connected there.
void tst_LinkAndSettings::reLoginKeepsTheAddressTheDeviceReports()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0809")));
    m_kit.openWindow([](LoginDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("passwordEdit"))->setText(QStringLiteral("tiger905"));
        dialog.findChild<QPushButton *>(QStringLiteral("btnLogin"))->click();
        return dialog.result();
    });
    QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("IpEdit")->text(), QStringLiteral("127.0.0.1"),
                              TestTimeouts::Medium);
    device()->clearReceivedCommands();
    child<QPushButton>("btnReLogin")->click();
    QCOMPARE(AppSettings::instance()->ip(), QStringLiteral("127.0.0.1"));
    QVERIFY(waitForCommand(QStringLiteral("{param=version}"), TestTimeouts::Long));
}

QTEST_MAIN(tst_LinkAndSettings)
#include "tst_linkandsettings.moc"
