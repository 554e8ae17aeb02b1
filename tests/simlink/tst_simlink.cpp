#include "jsonvalue.h"
#include "linkharness.h"
#include "rawclient.h"
#include "testtimeouts.h"

#include <QtTest>

// The client's real link against the simulator: each record kind reaches exactly its
// signal with the keys and value texts the handlers read; changes by others; faults.
class TestSimLink : public LinkTestBase
{
    Q_OBJECT

private slots:
    void cleanup() { stop(); }
    void recordReachesItsSignalOnly_data();
    void recordReachesItsSignalOnly();
    void inputAndLinkChangesReachThisClientToo();
    void changesByOthers_data();
    void changesByOthers();
    void recordsSurviveFaults_data();
    void recordsSurviveFaults();
};

// clang-format off
// Settings sent first, then the query; the signals its answer raises, and member texts of the last one.
void TestSimLink::recordReachesItsSignalOnly_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("raised");
    QTest::addColumn<QStringList>("members");
    for (const QString &m : SimDevice::models()) {
        QTest::addRow("version of %s", qPrintable(m)) << m << QStringList{"Bezel_x1/2/3/4"} << "version"
            << QStringList{"version"} << QStringList{"device=" + m, "bezel_x=1/2/3/4"};
    }
    QTest::addRow("0809-M version carries the splitter") << "0809-M" << QStringList{} << "version"
        << QStringList{"version"} << QStringList{"Splitter=0"};
    QTest::addRow("routing status") << "0809" << QStringList{"3VIDEO5", "103AUDIO2", "4IR9", "mode1"} << "status"
        << QStringList{"status"} << QStringList{"video5=3", "video2=1", "audio2=103", "audio105=103", "IR9=4", "splice_mode=1"};
    QTest::addRow("splitter areas in status") << "0809-M" << QStringList{"6VIDEO903"} << "status"
        << QStringList{"status"} << QStringList{"video900=1/0/6/0/0/0/0/0/0", "video9=1"};
    QTest::addRow("multiview window status") << "0409-S"
        << QStringList{"WindowOpen1/3/1/100/200/960/540", "WindowOpen3/2/2/0/0/1920/1080", "WindowLayer3/4", "VIR2", "2AUDIO1"}
        << "status" << QStringList{"window"}
        << QStringList{"window1=[3,1,100,200,960,540]", "window2=[0,0,0,0,0,0]", "window3=[2,4,0,0,1920,1080]", "VIR=[2]", "AUDIO=[2]"};
    QTest::addRow("input presence") << "0809" << QStringList{} << "inputinfo"
        << QStringList{"input"} << QStringList{"input-1=true", "input-5=false"};
    QTest::addRow("network after dhcp") << "0809" << QStringList{"DHCP_On"} << "netInfo"
        << QStringList{"dhcp", "net"} << QStringList{"ip=127.0.0.1", "subnet=255.255.255.0", "mac=00:1A:2B:3C:4D:5E"};
    QTest::addRow("resolutions") << "0808" << QStringList{"Port3/1280x720x60Hz!"} << "resolution"
        << QStringList{"resolution"} << QStringList{"in1=1920x1080x60Hz", "in5=noinput", "out3=1280x720x60Hz"};
    QTest::addRow("output link states") << "0809" << QStringList{"Frozen4/1", "Output_Lock2/1", "VideoMuteOn9"} << "outputinfo"
        << QStringList{"output"} << QStringList{"link1=true/false/false/false", "link2=true/false/true/false",
                                                "link4=true/true/false/false", "link9=true/false/false/true"};
    QTest::addRow("binding") << "0809" << QStringList{"Bind4/5/6", "Bind8/9", "UnBind9"} << "bindinfo"
        << QStringList{"bind"} << QStringList{"bind4=4/5/6", "bind8=8", "mode=0"};
    QTest::addRow("volumes") << "0809" << QStringList{"Volume105/30", "MuteOn3"} << "Get_Volume"
        << QStringList{"volume"} << QStringList{"Volume105=30", "Volume1=50", "Mute3=1", "Mute4=0"};
    QTest::addRow("caption settings")
        << "0809" << QStringList{"Open", "Speed7", "Font_Color10/20/30", "POS5/6", "Bg_Open", "Bg_Color1/2/3", "Right"}
        << "Get_Subtitle" << QStringList{"title"}
        << QStringList{"Switch=true", "Speed=7", "Color=10,20,30", "Position_x=5", "Position_y=6", "Bg_switch=true",
                       "Bg_Color=1,2,3", "Move_dir=right"};
    QTest::addRow("hdcp") << "0808-S" << QStringList{"Input_HDCP3/2"} << "hdcpinfo"
        << QStringList{"hdcp"} << QStringList{"hdcp_in3=2", "hdcp_in1=0"};
    QTest::addRow("rotation") << "0409-S" << QStringList{"Rotate1/3"} << "Get_Rotate"
        << QStringList{"rotate"} << QStringList{"Angle1=3", "Angle9=0"};
    QTest::addRow("no-signal answer is forwarded only") << "0809" << QStringList{} << "Get_Noinput1"
        << QStringList{"forward"} << QStringList{};
}
// clang-format on

void TestSimLink::recordReachesItsSignalOnly()
{
    QFETCH(QString, model);
    QFETCH(QStringList, settings);
    QFETCH(QString, query);
    QFETCH(QStringList, raised);
    QFETCH(QStringList, members);
    QVERIFY(start(model));
    for (const QString &setting : settings)
        link()->sendData("{param=" + setting + "}");
    const QString marker = query == QLatin1String("Get_Rotate") ? "version" : "rotate";
    const QList<Emission> got =
        exchange([&] { link()->sendData("{param=" + query + "}"); }, marker);
    QCOMPARE(signalNames(got), raised);
    for (const QString &member : members) {
        const QString key = member.section('=', 0, 0);
        QCOMPARE(key + '=' + valueText(got.last().obj.value(key)), member);
    }
}

// The device tells every client of a changed input or output link, this one too.
void TestSimLink::inputAndLinkChangesReachThisClientToo()
{
    QVERIFY(start("0809"));
    m_device->setInputSignal(6, true);
    m_device->setOutputLink(7, false);
    QTRY_COMPARE_WITH_TIMEOUT(
        m_collector->names(), (QStringList{"changed", "changed"}), TestTimeouts::Short);
    QCOMPARE(valueText(m_collector->all.at(0).obj.value("input6_change")), QStringLiteral("true"));
    QCOMPARE(valueText(m_collector->all.at(1).obj.value("link7_change")), QStringLiteral("false"));
    const Emission e = only("input", [this] { link()->sendInputInfo(); });
    QCOMPARE(valueText(e.obj.value("input-6")), QStringLiteral("true"));
}

// clang-format off
// Another client's command: the one change notice this client sees, and what it carries.
void TestSimLink::changesByOthers_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::addRow("video") << "3VIDEO5" << "video5_change" << "3";
    QTest::addRow("bind") << "Bind4/5/6" << "Bind4_change" << "4/5/6";
}
// clang-format on

void TestSimLink::changesByOthers()
{
    QFETCH(QString, command);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QVERIFY(start("0809"));
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

// clang-format off
void TestSimLink::recordsSurviveFaults_data()
{
    QTest::addColumn<int>("split");
    QTest::addColumn<bool>("garbage");
    QTest::addColumn<int>("delay");
    QTest::addRow("split in 3-byte pieces") << 3 << false << 0;
    QTest::addRow("garbage before each record") << 0 << true << 0;
    QTest::addRow("split garbage, late") << 5 << true << 50;
}
// clang-format on

void TestSimLink::recordsSurviveFaults()
{
    QFETCH(int, split);
    QFETCH(bool, garbage);
    QFETCH(int, delay);
    SimFaults faults;
    faults.splitReplyBytes = split;
    faults.garbageEvery = garbage ? 1 : 0;
    faults.replyDelayMs = delay;
    QVERIFY(start("0809", faults));
    // The no-signal answer fails the record parser; the records around it stay whole.
    QList<Emission> got = exchange([this] {
        link()->sendVersion();
        link()->sendGetNoinput(2);
        link()->sendGetSubtitle();
    });
    got.erase(std::remove_if(
                  got.begin(), got.end(), [](const Emission &e) { return e.signal == "forward"; }),
              got.end());
    QCOMPARE(signalNames(got), (QStringList{"version", "title"}));
    QCOMPARE(valueText(got.at(0).obj.value("device")), QStringLiteral("0809"));
    QCOMPARE(valueText(got.at(1).obj.value("Color")), QStringLiteral("255,255,255"));
}

QTEST_GUILESS_MAIN(TestSimLink)
#include "tst_simlink.moc"
