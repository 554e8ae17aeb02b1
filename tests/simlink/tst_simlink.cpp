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
    void everyQueryReachesItsSignalOnly_data();
    void everyQueryReachesItsSignalOnly();
    void routingStatus();
    void splitterAreasInStatus();
    void windowStatusOfTheMultiview();
    void inputPresence();
    void networkAndDhcp();
    void resolutions();
    void outputLinkStates();
    void binding();
    void volumes();
    void captionSettings_data();
    void captionSettings();
    void hdcp();
    void rotation();
    void noSignalForward();
    void scalerForward();
    void http200AfterNetworkAndDefault();
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
    QVERIFY(!valueText(e.obj.value("type")).isEmpty());
    QVERIFY(!valueText(e.obj.value("MCU")).isEmpty());
    QVERIFY(!valueText(e.obj.value("FPGA")).isEmpty());
    QCOMPARE(e.obj.value("audio").toBool(), true);
    QCOMPARE(valueText(e.obj.value("bezel_x")), QStringLiteral("1/2/3/4"));
    QCOMPARE(valueText(e.obj.value("bezel_y")), QStringLiteral("0/0/0/0"));
    QCOMPARE(e.obj.contains("Splitter"), model == QLatin1String("0809-M"));
}

// clang-format off
void TestSimLink::everyQueryReachesItsSignalOnly_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("expected");
    const QList<QPair<const char *, QStringList>> queries{
        {"version", {"version"}},         {"inputinfo", {"input"}},   {"netInfo", {"dhcp", "net"}},
        {"resolution", {"resolution"}},   {"hdcpinfo", {"hdcp"}},     {"outputinfo", {"output"}},
        {"bindinfo", {"bind"}},           {"Get_Rotate", {"rotate"}}, {"Get_Volume", {"volume"}},
        {"Get_Subtitle", {"title"}},      {"Get_OSD2", {"title"}},    {"Get_Noinput1", {"forward"}},
        {"Get_Scaler1", {"forward"}},
    };
    for (const QString &model : SimDevice::models()) {
        QTest::addRow("%s status", qPrintable(model))
            << model << "status" << QStringList{model == QLatin1String("0409-S") ? "window" : "status"};
        for (const auto &q : queries)
            QTest::addRow("%s %s", qPrintable(model), q.first) << model << q.first << q.second;
    }
}
// clang-format on

void TestSimLink::everyQueryReachesItsSignalOnly()
{
    QFETCH(QString, model);
    QFETCH(QString, query);
    QFETCH(QStringList, expected);
    QVERIFY(start(model));
    const QString marker = query == QLatin1String("Get_Rotate") ? "version" : "rotate";
    const QList<Emission> got =
        exchange([&] { link()->sendData("{param=" + query + "}"); }, marker);
    QStringList names;
    for (const Emission &e : got)
        names << e.signal;
    QCOMPARE(names, expected);
    for (const Emission &e : got) {
        if (e.signal != QLatin1String("forward") && e.signal != QLatin1String("dhcp"))
            QVERIFY(!e.obj.isEmpty());
    }
}

void TestSimLink::routingStatus()
{
    QVERIFY(start("0809"));
    link()->sendSwitch(3, 0, 5);
    link()->sendSwitch(103, 1, 2);
    link()->sendSwitch(4, 2, 9);
    link()->sendMode(1);
    const Emission e = only("status", [this] { link()->sendStatus(); });
    QCOMPARE(e.signal, QStringLiteral("status"));
    QCOMPARE(valueText(e.obj.value("video5")), QStringLiteral("3"));
    QCOMPARE(valueText(e.obj.value("video2")), QStringLiteral("1")); // bound with 1 by mode 1
    QCOMPARE(valueText(e.obj.value("audio2")), QStringLiteral("103"));
    QCOMPARE(valueText(e.obj.value("audio105")), QStringLiteral("103"));
    QCOMPARE(valueText(e.obj.value("IR9")), QStringLiteral("4"));
    QCOMPARE(valueText(e.obj.value("splice_mode")), QStringLiteral("1"));
    QCOMPARE(e.obj.size(), 9 + 18 + 9 + 1);
}

void TestSimLink::splitterAreasInStatus()
{
    QVERIFY(start("0809-M"));
    link()->sendSwitch(6, 0, 903);
    const Emission e = only("status", [this] { link()->sendStatus(); });
    QCOMPARE(valueText(e.obj.value("video900")), QStringLiteral("1/0/6/0/0/0/0/0/0"));
    QCOMPARE(valueText(e.obj.value("video9")), QStringLiteral("1"));
}

void TestSimLink::windowStatusOfTheMultiview()
{
    QVERIFY(start("0409-S"));
    link()->sendWindowOpen(1, 3, 1, 100, 200, 960, 540);
    link()->sendWindowOpen(3, 2, 2, 0, 0, 1920, 1080);
    link()->sendWindowLayer(3, 4);
    link()->sendVir(2);
    link()->sendSwitch(102, 1, 101); // the multiview strips both offsets: 2AUDIO1
    const Emission e = only("window", [this] { link()->sendStatus(); });
    QCOMPARE(e.signal, QStringLiteral("window"));
    QCOMPARE(e.obj.value("window1").toArray(), (QJsonArray{3, 1, 100, 200, 960, 540}));
    QCOMPARE(e.obj.value("window2").toArray(), (QJsonArray{0, 0, 0, 0, 0, 0}));
    QCOMPARE(e.obj.value("window3").toArray(), (QJsonArray{2, 4, 0, 0, 1920, 1080}));
    QCOMPARE(e.obj.value("window4").toArray(), (QJsonArray{0, 0, 0, 0, 0, 0}));
    QCOMPARE(e.obj.value("VIR").toArray(), (QJsonArray{2}));
    QCOMPARE(e.obj.value("AUDIO").toArray(), (QJsonArray{2}));
    QCOMPARE(e.obj.size(), 6);
}

void TestSimLink::inputPresence()
{
    QVERIFY(start("0809"));
    m_device->setInputSignal(6, true);
    // The device tells every client, this one too.
    QTRY_VERIFY_WITH_TIMEOUT(m_collector->indexOf("changed") >= 0, TestTimeouts::Short);
    QCOMPARE(valueText(m_collector->all.first().obj.value("input6_change")),
             QStringLiteral("true"));
    const Emission e = only("input", [this] { link()->sendInputInfo(); });
    QCOMPARE(e.obj.size(), 8);
    QCOMPARE(valueText(e.obj.value("input-1")), QStringLiteral("true"));
    QCOMPARE(valueText(e.obj.value("input-5")), QStringLiteral("false"));
    QCOMPARE(valueText(e.obj.value("input-6")), QStringLiteral("true"));
}

void TestSimLink::networkAndDhcp()
{
    QVERIFY(start("0809"));
    QList<Emission> got = exchange([this] { link()->sendNetInfo(); });
    QCOMPARE(m_collector->names().mid(0, 2), (QStringList{"dhcp", "net"}));
    QCOMPARE(got.size(), 2);
    QCOMPARE(got.at(0).flag, false);
    const QJsonObject net = got.at(1).obj;
    QCOMPARE(valueText(net.value("ip")), QStringLiteral("127.0.0.1"));
    QCOMPARE(valueText(net.value("gateway")), QStringLiteral("192.168.1.1"));
    QCOMPARE(valueText(net.value("subnet")), QStringLiteral("255.255.255.0"));
    QCOMPARE(valueText(net.value("mac")), QStringLiteral("00:1A:2B:3C:4D:5E"));
    link()->sendDhcp(true);
    got = exchange([this] { link()->sendNetInfo(); });
    QCOMPARE(got.size(), 2);
    QCOMPARE(got.at(0).signal, QStringLiteral("dhcp"));
    QCOMPARE(got.at(0).flag, true);
}

void TestSimLink::resolutions()
{
    QVERIFY(start("0808"));
    link()->sendPortResolution(3, QStringLiteral("1280x720x60Hz"));
    const Emission e = only("resolution", [this] { link()->sendResolution(); });
    QCOMPARE(e.obj.size(), 16);
    QCOMPARE(valueText(e.obj.value("in1")), QStringLiteral("1920x1080x60Hz"));
    QCOMPARE(valueText(e.obj.value("in5")), QStringLiteral("noinput"));
    QCOMPARE(valueText(e.obj.value("out3")), QStringLiteral("1280x720x60Hz"));
    QCOMPARE(valueText(e.obj.value("out8")), QStringLiteral("1920x1080x60Hz"));
}

void TestSimLink::outputLinkStates()
{
    QVERIFY(start("0809"));
    link()->sendFrozen(4, true);
    link()->sendOutputLock(2, true);
    link()->sendVideoMute(9, true);
    m_device->setOutputLink(7, false);
    QTRY_VERIFY_WITH_TIMEOUT(m_collector->indexOf("changed") >= 0, TestTimeouts::Short);
    QCOMPARE(valueText(m_collector->all.first().obj.value("link7_change")),
             QStringLiteral("false"));
    const Emission e = only("output", [this] { link()->sendOutputInfo(); });
    QCOMPARE(e.obj.size(), 9);
    QCOMPARE(valueText(e.obj.value("link1")), QStringLiteral("true/false/false/false"));
    QCOMPARE(valueText(e.obj.value("link2")), QStringLiteral("true/false/true/false"));
    QCOMPARE(valueText(e.obj.value("link4")), QStringLiteral("true/true/false/false"));
    QCOMPARE(valueText(e.obj.value("link7")), QStringLiteral("false/false/false/false"));
    QCOMPARE(valueText(e.obj.value("link9")), QStringLiteral("true/false/false/true"));
}

void TestSimLink::binding()
{
    QVERIFY(start("0809"));
    link()->sendBind(4, {4, 5, 6});
    link()->sendBind(8, {8, 9});
    link()->sendUnBind(9);
    const Emission e = only("bind", [this] { link()->sendBindInfo(); });
    QCOMPARE(valueText(e.obj.value("bind4")), QStringLiteral("4/5/6"));
    QCOMPARE(valueText(e.obj.value("bind8")), QStringLiteral("8"));
    QCOMPARE(valueText(e.obj.value("mode")), QStringLiteral("0"));
    int groups = 0;
    for (auto it = e.obj.begin(); it != e.obj.end(); ++it) {
        if (it.key().contains("bind") && valueText(it.value()).split('/').size() > 1)
            ++groups;
    }
    QCOMPARE(groups, 1);
}

void TestSimLink::volumes()
{
    QVERIFY(start("0809"));
    link()->sendVolume(105, 30);
    link()->sendAudioMute(3, true);
    const Emission e = only("volume", [this] { link()->sendGetVolume(); });
    QCOMPARE(valueText(e.obj.value("Volume105")), QStringLiteral("30"));
    QCOMPARE(valueText(e.obj.value("Volume1")), QStringLiteral("50"));
    QCOMPARE(valueText(e.obj.value("Mute3")), QStringLiteral("1"));
    QCOMPARE(valueText(e.obj.value("Mute4")), QStringLiteral("0"));
}

// clang-format off
void TestSimLink::captionSettings_data()
{
    QTest::addColumn<bool>("osd");
    QTest::addRow("caption") << false;
    QTest::addRow("osd") << true;
}
// clang-format on

void TestSimLink::captionSettings()
{
    QFETCH(bool, osd);
    QVERIFY(start("0809"));
    const Emission defaults =
        only("title", [this, osd] { osd ? link()->sendGetOsd(2) : link()->sendGetSubtitle(); });
    QCOMPARE(valueText(defaults.obj.value("Switch")), QStringLiteral("false"));
    QCOMPARE(valueText(defaults.obj.value("Color")), QStringLiteral("255,255,255"));
    QCOMPARE(valueText(defaults.obj.value("Move_dir")), QStringLiteral("left"));

    link()->sendCaptionOpen(true);
    link()->sendSpeed(7);
    link()->sendFontColor(10, 20, 30);
    link()->sendPosition(5, 6);
    link()->sendBgOpen(true);
    link()->sendBgColor(1, 2, 3);
    link()->sendDirection(1);
    const Emission e =
        only("title", [this, osd] { osd ? link()->sendGetOsd(2) : link()->sendGetSubtitle(); });
    QCOMPARE(valueText(e.obj.value("Switch")), QStringLiteral("true"));
    QCOMPARE(valueText(e.obj.value("Speed")), QStringLiteral("7"));
    QCOMPARE(valueText(e.obj.value("Color")), QStringLiteral("10,20,30"));
    QCOMPARE(valueText(e.obj.value("Position_x")), QStringLiteral("5"));
    QCOMPARE(valueText(e.obj.value("Position_y")), QStringLiteral("6"));
    QCOMPARE(valueText(e.obj.value("Bg_switch")), QStringLiteral("true"));
    QCOMPARE(valueText(e.obj.value("Bg_Color")), QStringLiteral("1,2,3"));
    QCOMPARE(valueText(e.obj.value("Move_dir")), QStringLiteral("right"));
}

void TestSimLink::hdcp()
{
    QVERIFY(start("0808-S"));
    link()->sendInputHdcp(3, 2);
    const Emission e = only("hdcp", [this] { link()->sendHdcpInfo(); });
    QCOMPARE(e.obj.size(), 8);
    QCOMPARE(valueText(e.obj.value("hdcp_in3")), QStringLiteral("2"));
    QCOMPARE(valueText(e.obj.value("hdcp_in1")), QStringLiteral("0"));
}

void TestSimLink::rotation()
{
    QVERIFY(start("0409-S"));
    link()->sendRotate(1, 3);
    m_collector->all.clear();
    link()->sendGetRotate();
    link()->sendVersion();
    QTRY_VERIFY_WITH_TIMEOUT(m_collector->indexOf("version") >= 0, TestTimeouts::Short);
    QCOMPARE(m_collector->names(), (QStringList{"rotate", "version"}));
    const QJsonObject o = m_collector->all.first().obj;
    QCOMPARE(o.size(), 9);
    QCOMPARE(valueText(o.value("Angle1")), QStringLiteral("3"));
    QCOMPARE(valueText(o.value("Angle9")), QStringLiteral("0"));
}

void TestSimLink::noSignalForward()
{
    QVERIFY(start("0809"));
    link()->sendNoSignal(2, 0, 10, 20, 30);
    const Emission e = only("forward", [this] { link()->sendGetNoinput(2); });
    // What the dialogs cut out of the text: the part from just before "Chn" to the brace.
    const int chn = e.text.indexOf("\"Chn\":");
    QVERIFY(chn > 0);
    const QString part = e.text.mid(chn - 1, e.text.indexOf('}', chn - 1) - chn + 2);
    QCOMPARE(part, QStringLiteral("{\"Chn\":2,\"Mode\":0,\"Color\":10,20,30}"));
}

void TestSimLink::scalerForward()
{
    QVERIFY(start("0809"));
    link()->sendScalerMode(4, 2);
    const Emission e = only("forward", [this] { link()->sendGetScaler(4); });
    QVERIFY2(e.text.contains("{\"Chn\":4,\"Scaler_Mode\":2}"), qPrintable(e.text));
}

void TestSimLink::http200AfterNetworkAndDefault()
{
    QVERIFY(start("0809"));
    QList<Emission> got = exchange([this] {
        link()->sendSetNetwork("10.0.0.9", "10.0.0.1", "255.255.255.0", "02:00:00:00:00:09");
    });
    QCOMPARE(got.size(), 1);
    QCOMPARE(got.first().signal, QStringLiteral("http200"));
    QCOMPARE(m_device->state().ip, QStringLiteral("10.0.0.9"));
    got = exchange([this] { link()->sendDefault(); });
    QCOMPARE(got.size(), 1);
    QCOMPARE(got.first().signal, QStringLiteral("http200"));
    QCOMPARE(m_device->state().ip, QString());
}

QTEST_GUILESS_MAIN(TestSimLink)
#include "tst_simlink.moc"
