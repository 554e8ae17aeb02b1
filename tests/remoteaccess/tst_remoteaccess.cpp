#include "remoteaccessswitch.h"
#include "svgwidgets.h"
#include "zelresources.h"

#include <QLabel>
#include <QSpinBox>
#include <QtTest>

// The Setting page's "Remote access" switch with a stand-in server: who may touch it,
// what port it starts, and what it shows when the server will not start.
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

QTEST_MAIN(TestRemoteAccess)
#include "tst_remoteaccess.moc"
