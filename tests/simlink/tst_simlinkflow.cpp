#include "../sim/rawclient.h"
#include "jsonvalue.h"
#include "linkharness.h"
#include "testtimeouts.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

// Changes by other clients, uploads and the device's faults, through the client's real link.
class TestSimLinkFlow : public LinkTestBase
{
    Q_OBJECT

private slots:
    void cleanup() { stop(); }
    void changesByOthers_data();
    void changesByOthers();
    void noSignalChangeByOthersIsForwarded();
    void osdAnnouncementOnTheUploadSocket();
    void refusedUploadPortIsSeenAsNotConnected();
    void recordsSurviveFaults_data();
    void recordsSurviveFaults();
    void linkComesBackAfterADrop();
    void aBurstOfAnswersArrivesWhole();
};

// clang-format off
void TestSimLinkFlow::changesByOthers_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::addRow("video") << "0809" << "3VIDEO5" << "video5_change" << "3";
    QTest::addRow("bind") << "0809" << "Bind4/5/6" << "Bind4_change" << "4/5/6";
}
// clang-format on

void TestSimLinkFlow::changesByOthers()
{
    QFETCH(QString, model);
    QFETCH(QString, command);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QVERIFY(start(model));
    RawClient other;
    QVERIFY(other.connectTo(m_device->controlPort()));
    QTRY_COMPARE_WITH_TIMEOUT(m_device->clientCount(), 2, TestTimeouts::Short);
    const Emission e = only("changed", [&] {
        other.command(command);
        QTRY_VERIFY_WITH_TIMEOUT(m_collector->indexOf("changed") >= 0, TestTimeouts::Short);
    });
    QCOMPARE(e.obj.keys(), QStringList{key});
    QCOMPARE(valueText(e.obj.value(key)), value);
}

void TestSimLinkFlow::noSignalChangeByOthersIsForwarded()
{
    QVERIFY(start("0809"));
    RawClient other;
    QVERIFY(other.connectTo(m_device->controlPort()));
    QTRY_COMPARE_WITH_TIMEOUT(m_device->clientCount(), 2, TestTimeouts::Short);
    m_collector->all.clear();
    other.command("No_Signal1/0/10/20/30");
    QTRY_VERIFY_WITH_TIMEOUT(m_collector->indexOf("forward") >= 0, TestTimeouts::Short);
    const QString text = m_collector->all.at(m_collector->indexOf("forward")).text;
    QVERIFY2(text.contains("{\"Chn\":1,\"Mode\":0,\"Color\":10,20,30}"), qPrintable(text));
}

void TestSimLinkFlow::osdAnnouncementOnTheUploadSocket()
{
    QVERIFY(start("0809"));
    link()->openUploadSocket(true);
    QVERIFY(link()->isUploadConnected());
    link()->sendUploadOsd(4);
    QTRY_COMPARE_WITH_TIMEOUT(
        m_device->lastCommand(), QStringLiteral("{param=Upload_OSD4}"), TestTimeouts::Short);
    // Announced there, the bitmap still goes through the paced path.
    QByteArray bitmap("BM");
    bitmap += QByteArray(700, '\x55');
    link()->uploadData(QString(), bitmap, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedUploads().size(), 1, TestTimeouts::Medium);
    QCOMPARE(m_device->receivedUploads().first().kind, QStringLiteral("OSD"));
    QCOMPARE(m_device->receivedUploads().first().port, 4);
    QCOMPARE(m_device->receivedUploads().first().data, bitmap);
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

void TestSimLinkFlow::linkComesBackAfterADrop()
{
    SimFaults faults;
    faults.dropAfterCommands = 1;
    QVERIFY(start("0809", faults));
    QSignalSpy failed(link(), &MessageDistance::connectFailureSig);
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    link()->sendVersion();
    QTRY_VERIFY_WITH_TIMEOUT(m_collector->indexOf("version") >= 0, TestTimeouts::Short);
    QTRY_VERIFY_WITH_TIMEOUT(failed.count() >= 1, TestTimeouts::Short);
    // The link retries every 2 s and the device takes it back.
    QTRY_VERIFY_WITH_TIMEOUT(connected.count() >= 1, TestTimeouts::Medium);
    QTRY_COMPARE_WITH_TIMEOUT(m_device->clientCount(), 1, TestTimeouts::Short);
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
