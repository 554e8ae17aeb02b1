#include "../sim/rawclient.h"
#include "jsonvalue.h"
#include "linkharness.h"
#include "testtimeouts.h"

#include <QtTest>

// Changes by other clients and the device's faults, through the client's real link.
class TestSimLinkFlow : public LinkTestBase
{
    Q_OBJECT

private slots:
    void cleanup() { stop(); }
    void changesByOthers_data();
    void changesByOthers();
    void refusedUploadPortIsSeenAsNotConnected();
    void recordsSurviveFaults_data();
    void recordsSurviveFaults();
    void aBurstOfAnswersArrivesWhole();
};

// clang-format off
// Another client's command: the one signal this client sees, and what it carries.
void TestSimLinkFlow::changesByOthers_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("carries");

    QTest::addRow("video") << "3VIDEO5" << "changed" << "video5_change=3";
    QTest::addRow("bind") << "Bind4/5/6" << "changed" << "Bind4_change=4/5/6";
    QTest::addRow("no-signal setting is forwarded") << "No_Signal1/0/10/20/30" << "forward"
                                                    << "{\"Chn\":1,\"Mode\":0,\"Color\":10,20,30}";
}
// clang-format on

void TestSimLinkFlow::changesByOthers()
{
    QFETCH(QString, command);
    QFETCH(QString, signal);
    QFETCH(QString, carries);
    QVERIFY(start("0809"));
    RawClient other;
    QVERIFY(other.connectTo(m_device->controlPort()));
    QTRY_COMPARE_WITH_TIMEOUT(m_device->clientCount(), 2, TestTimeouts::Short);
    const Emission e = only(signal, [&] {
        other.command(command);
        QTRY_VERIFY_WITH_TIMEOUT(m_collector->indexOf(signal) >= 0, TestTimeouts::Short);
    });
    QCOMPARE(e.signal, signal);
    if (signal == QLatin1String("forward")) {
        QVERIFY2(e.text.contains(carries), qPrintable(e.text));
    } else {
        QCOMPARE(e.obj.keys(), QStringList{carries.section('=', 0, 0)});
        QCOMPARE(valueText(e.obj.value(e.obj.keys().first())), carries.section('=', 1));
    }
}

// clang-format off
void TestSimLinkFlow::recordsSurviveFaults_data()
{
    QTest::addColumn<int>("split");
    QTest::addColumn<bool>("garbage");
    QTest::addColumn<int>("delay");
    QTest::addRow("split in 3-byte pieces") << 3 << false << 0;
    QTest::addRow("garbage before each record") << 0 << true << 0;
    QTest::addRow("split garbage, late") << 5 << true << 50;
}
// clang-format on

void TestSimLinkFlow::recordsSurviveFaults()
{
    QFETCH(int, split);
    QFETCH(bool, garbage);
    QFETCH(int, delay);
    SimFaults faults;
    faults.splitReplyBytes = split;
    faults.garbageEvery = garbage ? 1 : 0;
    faults.replyDelayMs = delay;
    QVERIFY(start("0809", faults));
    link()->sendFrozen(2, true);
    const QList<Emission> got = exchange([this] {
        link()->sendVersion();
        link()->sendOutputInfo();
        link()->sendGetSubtitle();
    });
    QStringList names;
    for (const Emission &e : got)
        names << e.signal;
    QCOMPARE(names, (QStringList{"version", "output", "title"}));
    QCOMPARE(valueText(got.at(0).obj.value("device")), QStringLiteral("0809"));
    QCOMPARE(valueText(got.at(1).obj.value("link2")), QStringLiteral("true/true/false/false"));
    QCOMPARE(valueText(got.at(2).obj.value("Color")), QStringLiteral("255,255,255"));
}

void TestSimLinkFlow::aBurstOfAnswersArrivesWhole()
{
    SimFaults faults;
    faults.splitReplyBytes = 64;
    QVERIFY(start("0809", faults));
    constexpr int Rounds = 200;
    for (int i = 0; i < Rounds; ++i) {
        link()->sendSwitch(i % 8 + 1, 0, 3);
        link()->sendStatus();
        link()->sendGetNoinput(i % 9 + 1);
        link()->sendOutputInfo();
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_collector->names().count("output"), Rounds, TestTimeouts::Long);
    QStringList expected;
    for (int i = 0; i < Rounds; ++i)
        expected << "status"
                 << "output";
    QStringList records = m_collector->names();
    records.removeAll("forward");
    QCOMPARE(records, expected);
    // Each status shows the switch sent just before it.
    int round = 0;
    for (const Emission &e : qAsConst(m_collector->all)) {
        if (e.signal == QLatin1String("status"))
            QCOMPARE(valueText(e.obj.value("video3")), QString::number(round++ % 8 + 1));
    }
}

void TestSimLinkFlow::refusedUploadPortIsSeenAsNotConnected()
{
    SimFaults faults;
    faults.refuseUpload = true;
    QVERIFY(start("0809", faults));
    link()->openUploadSocket(true);
    QVERIFY(!link()->isUploadConnected());
    QCOMPARE(m_device->uploadConnectionCount(), 0);
}

QTEST_GUILESS_MAIN(TestSimLinkFlow)
#include "tst_simlinkflow.moc"
