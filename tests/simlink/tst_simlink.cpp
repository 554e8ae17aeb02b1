#include "../sim/rawclient.h"
#include "jsonvalue.h"
#include "linkharness.h"
#include "testtimeouts.h"

#include <QJsonArray>
#include <QtTest>

// Each record kind through the client's real parser must reach exactly its signal with the
// keys and value texts the handlers read.
class TestSimLink : public LinkTestBase
{
    Q_OBJECT

private slots:
    void cleanup() { stop(); }
    void versionOfEachModel_data();
    void versionOfEachModel();
    void recordReachesItsSignalOnly_data();
    void recordReachesItsSignalOnly();
    void inputAndLinkChangesReachThisClientToo();
};

// clang-format off
void TestSimLink::versionOfEachModel_data()
{
    QTest::addColumn<QString>("model");
    for (const QString &m : SimDevice::models())
        QTest::addRow("%s", qPrintable(m)) << m;
}
// clang-format on

void TestSimLink::versionOfEachModel()
{
    QFETCH(QString, model);
    QVERIFY(start(model));
    link()->sendBezelX(1, 2, 3, 4);
    const Emission e = only("version", [this] { link()->sendVersion(); });
    QCOMPARE(e.signal, QStringLiteral("version"));
    QCOMPARE(valueText(e.obj.value("device")), model);
    for (const char *key : {"type", "MCU", "FPGA"})
        QVERIFY(!valueText(e.obj.value(key)).isEmpty());
    QCOMPARE(valueText(e.obj.value("bezel_x")), QStringLiteral("1/2/3/4"));
    QCOMPARE(e.obj.contains("Splitter"), model == QLatin1String("0809-M"));
}

// clang-format off
// Settings sent first, then the query; the signals its answer raises, and member texts of the last one.
void TestSimLink::recordReachesItsSignalOnly_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("signalNames");
    QTest::addColumn<QStringList>("members");
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
    QFETCH(QStringList, signalNames);
    QFETCH(QStringList, members);
    QVERIFY(start(model));
    for (const QString &setting : settings)
        link()->sendData("{param=" + setting + "}");
    const QString marker = query == QLatin1String("Get_Rotate") ? "version" : "rotate";
    const QList<Emission> got = exchange([&] { link()->sendData("{param=" + query + "}"); }, marker);
    QStringList names;
    for (const Emission &e : got)
        names << e.signal;
    QCOMPARE(names, signalNames);
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
    QTRY_COMPARE_WITH_TIMEOUT(m_collector->names(), (QStringList{"changed", "changed"}), TestTimeouts::Short);
    QCOMPARE(valueText(m_collector->all.at(0).obj.value("input6_change")), QStringLiteral("true"));
    QCOMPARE(valueText(m_collector->all.at(1).obj.value("link7_change")), QStringLiteral("false"));
    const Emission e = only("input", [this] { link()->sendInputInfo(); });
    QCOMPARE(valueText(e.obj.value("input-6")), QStringLiteral("true"));
}

QTEST_GUILESS_MAIN(TestSimLink)
#include "tst_simlink.moc"
