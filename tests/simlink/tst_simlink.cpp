#include "../sim/rawclient.h"
#include "devicestate.h"
#include "jsonvalue.h"
#include "messagedistance.h"
#include "simdevice.h"
#include "testtimeouts.h"

#include <QJsonArray>
#include <QtTest>

#include <memory>

// The client's real link against the simulator: each record kind must reach exactly its
// signal with the keys and value texts the handlers read.

struct Emission
{
    QString signal;
    QJsonObject obj;
    QString text;
    bool flag = false;
};

// Collects every signal of the link on the test thread (queued from the worker).
class Collector : public QObject
{
    Q_OBJECT
public:
    explicit Collector(MessageDistance *link)
    {
        using M = MessageDistance;
        watch(link, &M::receiveVersionSig, "version");
        watch(link, &M::receiveInputChannelStateSig, "input");
        watch(link, &M::receiveNetWorkImforamtionSig, "net");
        watch(link, &M::receiveVolumnImformationSig, "volume");
        watch(link, &M::receiveVideoAudioIRMapSig, "status");
        watch(link, &M::receiveInOutChannelResolutionMapSig, "resolution");
        watch(link, &M::receiveTitleImfSig, "title");
        watch(link, &M::receiveHDCPInfoSig, "hdcp");
        watch(link, &M::receiveOutputInfoSig, "output");
        watch(link, &M::receiveWindowStatusSig, "window");
        watch(link, &M::receiveRotateAngleSig, "rotate");
        watch(link, &M::receiveChangedByOthersSig, "changed");
        watch(link, &M::receiveBindInfoSig, "bind");
        connect(link, &M::si_ForwardAnalysis, this, [this](const QString &t) { all << Emission{"forward", {}, t}; });
        connect(link, &M::si_http200Analysis, this, [this] { all << Emission{"http200", {}, {}}; });
        connect(link, &M::si_SetDhcpSwitch, this, [this](bool on) { all << Emission{"dhcp", {}, {}, on}; });
        connect(link, &M::si_osdUploadFinish, this, [this] { all << Emission{"uploadFinish", {}, {}}; });
        connect(link, &M::si_updateProgressVal, this,
                [this](int left) { all << Emission{"progress", {}, QString::number(left)}; });
    }
    int indexOf(const QString &signal) const
    {
        for (int i = 0; i < all.size(); ++i) {
            if (all.at(i).signal == signal)
                return i;
        }
        return -1;
    }
    QStringList names() const
    {
        QStringList n;
        for (const Emission &e : all)
            n << e.signal;
        return n;
    }
    QList<Emission> all;

private:
    template<typename Signal>
    void watch(MessageDistance *link, Signal signal, const char *name)
    {
        const QString n = QString::fromLatin1(name);
        connect(link, signal, this, [this, n](const QJsonObject &o) { all << Emission{n, o, {}}; });
    }
};

class TestSimLink : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
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
    void changesByOthers_data();
    void changesByOthers();
    void noSignalChangeByOthersIsForwarded();
    void uploadThroughTheLink_data();
    void uploadThroughTheLink();
    void osdAnnouncementOnTheUploadSocket();
    void recordsSurviveFaults_data();
    void recordsSurviveFaults();
    void linkComesBackAfterADrop();
    void aBurstOfAnswersArrivesWhole_data();
    void aBurstOfAnswersArrivesWhole();

private:
    MessageDistance *link() const { return MessageDistance::instance(); }
    bool start(const QString &model, const SimFaults &faults = SimFaults());
    // Sends command, then a marker query, and returns what the link emitted before the
    // marker's record: everything the command's answer produced, and nothing later.
    QList<Emission> exchange(const std::function<void()> &send, const QString &marker = QStringLiteral("rotate"));
    Emission only(const QString &signal, const std::function<void()> &send);

    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<Collector> m_collector;
};

bool TestSimLink::start(const QString &model, const SimFaults &faults)
{
    m_device = std::make_unique<SimDevice>(model);
    m_device->setFaults(faults);
    if (!m_device->listen(QHostAddress::LocalHost, 0, 0))
        return false;
    DeviceState::instance()->setDeviceType(SimDevice::models().indexOf(model));
    m_collector = std::make_unique<Collector>(link());
    link()->setUploadPort(m_device->uploadPort());
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    link()->connectToDevice(QStringLiteral("127.0.0.1"), m_device->controlPort());
    if (!connected.wait(TestTimeouts::Short))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (m_device->clientCount() < 1 && clock.elapsed() < TestTimeouts::Short)
        QTest::qWait(5);
    return m_device->clientCount() == 1;
}

void TestSimLink::cleanup()
{
    link()->disconnectFromDevice();
    m_collector.reset();
    m_device.reset();
}

QList<Emission> TestSimLink::exchange(const std::function<void()> &send, const QString &marker)
{
    m_collector->all.clear();
    send();
    // The marker is a record of its own kind; all emissions of what came before it are
    // out by the time it is parsed.
    if (marker == QLatin1String("rotate"))
        link()->sendGetRotate();
    else
        link()->sendVersion();
    QElapsedTimer clock;
    clock.start();
    while (m_collector->indexOf(marker) < 0 && clock.elapsed() < TestTimeouts::Short)
        QTest::qWait(5);
    QList<Emission> before;
    for (const Emission &e : qAsConst(m_collector->all)) {
        if (e.signal == marker)
            break;
        before << e;
    }
    return before;
}

Emission TestSimLink::only(const QString &signal, const std::function<void()> &send)
{
    const QList<Emission> got = exchange(send);
    QStringList names;
    for (const Emission &e : got)
        names << e.signal;
    if (names != QStringList{signal}) {
        qWarning().noquote() << "expected only" << signal << "got" << names.join(',');
        return Emission();
    }
    return got.first();
}

void TestSimLink::versionOfEachModel_data()
{
    QTest::addColumn<QString>("model");
    for (const QString &m : SimDevice::models())
        QTest::addRow("%s", qPrintable(m)) << m;
}

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

void TestSimLink::everyQueryReachesItsSignalOnly()
{
    QFETCH(QString, model);
    QFETCH(QString, query);
    QFETCH(QStringList, expected);
    QVERIFY(start(model));
    const QString marker = query == QLatin1String("Get_Rotate") ? "version" : "rotate";
    const QList<Emission> got = exchange([&] { link()->sendData("{param=" + query + "}"); }, marker);
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
    QCOMPARE(valueText(e.obj.value("video2")), QStringLiteral("1"));  // bound with 1 by mode 1
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
    link()->sendSwitch(102, 1, 101);  // the multiview strips both offsets: 2AUDIO1
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
    QCOMPARE(valueText(m_collector->all.first().obj.value("input6_change")), QStringLiteral("true"));
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
    QCOMPARE(valueText(net.value("ip")), QStringLiteral("192.168.1.188"));
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
    QCOMPARE(valueText(m_collector->all.first().obj.value("link7_change")), QStringLiteral("false"));
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

void TestSimLink::captionSettings_data()
{
    QTest::addColumn<bool>("osd");
    QTest::addRow("caption") << false;
    QTest::addRow("osd") << true;
}

void TestSimLink::captionSettings()
{
    QFETCH(bool, osd);
    QVERIFY(start("0809"));
    const Emission defaults = only("title", [this, osd] { osd ? link()->sendGetOsd(2) : link()->sendGetSubtitle(); });
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
    const Emission e = only("title", [this, osd] { osd ? link()->sendGetOsd(2) : link()->sendGetSubtitle(); });
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
    QCOMPARE(m_device->state().ip, QStringLiteral("192.168.1.188"));
}

void TestSimLink::changesByOthers_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::addRow("video") << "0809" << "3VIDEO5" << "video5_change" << "3";
    QTest::addRow("splitter area") << "0809-M" << "4VIDEO902" << "video902_change" << "4";
    QTest::addRow("audio") << "0809" << "103AUDIO2" << "audio2_change" << "103";
    QTest::addRow("multiview audio") << "0409-S" << "3AUDIO1" << "audio1_change" << "3";
    QTest::addRow("ir") << "0808" << "4IR6" << "IR6_change" << "4";
    QTest::addRow("mode") << "0808-S" << "mode2" << "mode_change" << "2";
    QTest::addRow("bind") << "0809" << "Bind4/5/6" << "Bind4_change" << "4/5/6";
    QTest::addRow("frozen") << "0809" << "Frozen4/1" << "cmd_change" << "Frozen4/1";
    QTest::addRow("output lock") << "0809" << "Output_Lock2/1" << "cmd_change" << "Output_Lock2/1";
    QTest::addRow("hdcp") << "0809" << "Input_HDCP3/2" << "cmd_change" << "Input_HDCP3/2";
    QTest::addRow("volume") << "0409-S" << "Volume102/40" << "cmd_change" << "Volume102/40";
    QTest::addRow("mute on") << "0809" << "MuteOn3" << "cmd_change" << "MuteOn3";
    QTest::addRow("mute off") << "0809" << "MuteOff103" << "cmd_change" << "MuteOff103";
    QTest::addRow("resolution") << "0809" << "Port3/1280x720x60Hz!" << "cmd_change" << "Port3/1280x720x60Hz!";
    QTest::addRow("scaler") << "0809" << "Scaler_Mode2/3" << "cmd_change" << "Scaler_Mode2/3";
    QTest::addRow("analog") << "0809" << "Analog_sel1/1" << "cmd_change" << "Analog_sel1/1";
}

void TestSimLink::changesByOthers()
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

void TestSimLink::noSignalChangeByOthersIsForwarded()
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

void TestSimLink::uploadThroughTheLink_data()
{
    QTest::addColumn<QString>("announce");
    QTest::addColumn<int>("size");
    QTest::addRow("caption, one piece") << "{param=Upload_Subtitle1}" << 500;
    QTest::addRow("osd, 501 bytes") << "{param=Upload_OSD3}" << 501;
    QTest::addRow("edid, 1200 bytes") << "{param=Update_EDID2}" << 1200;
    QTest::addRow("edid, two full pieces") << "{param=Update_EDID1}" << 1000;
    QTest::addRow("osd, 4096 bytes") << "{param=Upload_OSD1}" << 4096;
}

void TestSimLink::uploadThroughTheLink()
{
    QFETCH(QString, announce);
    QFETCH(int, size);
    QVERIFY(start("0809"));
    QStringList failures;
    link()->setUploadFailureHook([&failures](const QString &h, const QString &t) { failures << h + ": " + t; });
    QByteArray data("BM");
    while (data.size() < size)
        data += char((data.size() * 131) & 0xff);
    QSignalSpy received(m_device.get(), &SimDevice::uploadReceived);
    link()->openUploadSocket(true);
    QVERIFY(link()->isUploadConnected());
    link()->uploadData(announce, data, QStringLiteral("{param=Done}"));
    QVERIFY(received.count() || received.wait(TestTimeouts::Medium));
    // The acknowledgement ends the transfer on the client side.
    QTRY_VERIFY_WITH_TIMEOUT(!link()->isUploadBusy() && m_device->uploadConnectionCount() == 0, TestTimeouts::Medium);
    link()->setUploadFailureHook(nullptr);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    QCOMPARE(m_device->receivedUploads().size(), 1);
    const SimUpload got = m_device->receivedUploads().first();
    QCOMPARE(got.data, data);
    QCOMPARE(QStringLiteral("{param=%1%2}").arg(got.kind == "Subtitle" ? "Upload_Subtitle"
                                                : got.kind == "OSD"    ? "Upload_OSD"
                                                                       : "Update_EDID").arg(got.port),
             announce);
    QVERIFY(m_collector->indexOf("uploadFinish") >= 0);
    const int pieces = (size + 499) / 500;
    int progress = 0;
    for (const Emission &e : qAsConst(m_collector->all))
        progress += e.signal == QLatin1String("progress");
    QCOMPARE(progress, pieces - 1);
}

void TestSimLink::osdAnnouncementOnTheUploadSocket()
{
    QVERIFY(start("0809"));
    link()->openUploadSocket(true);
    QVERIFY(link()->isUploadConnected());
    link()->sendUploadOsd(4);
    QTRY_COMPARE_WITH_TIMEOUT(m_device->lastCommand(), QStringLiteral("{param=Upload_OSD4}"), TestTimeouts::Short);
    // Announced there, the bitmap still goes through the paced path.
    QByteArray bitmap("BM");
    bitmap += QByteArray(700, '\x55');
    link()->uploadData(QString(), bitmap, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedUploads().size(), 1, TestTimeouts::Medium);
    QCOMPARE(m_device->receivedUploads().first().kind, QStringLiteral("OSD"));
    QCOMPARE(m_device->receivedUploads().first().port, 4);
    QCOMPARE(m_device->receivedUploads().first().data, bitmap);
}

void TestSimLink::recordsSurviveFaults_data()
{
    QTest::addColumn<int>("split");
    QTest::addColumn<bool>("garbage");
    QTest::addColumn<int>("delay");
    QTest::addRow("split in 3-byte pieces") << 3 << false << 0;
    QTest::addRow("garbage before each record") << 0 << true << 0;
    QTest::addRow("split garbage, late") << 5 << true << 50;
}

void TestSimLink::recordsSurviveFaults()
{
    QFETCH(int, split);
    QFETCH(bool, garbage);
    QFETCH(int, delay);
    SimFaults faults;
    faults.splitReplyBytes = split;
    faults.garbageBeforeReplies = garbage;
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

void TestSimLink::linkComesBackAfterADrop()
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

void TestSimLink::aBurstOfAnswersArrivesWhole_data()
{
    QTest::addColumn<int>("split");
    QTest::addRow("whole") << 0;
    QTest::addRow("in 64-byte pieces") << 64;
}

void TestSimLink::aBurstOfAnswersArrivesWhole()
{
    QFETCH(int, split);
    SimFaults faults;
    faults.splitReplyBytes = split;
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
        expected << "status" << "output";
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

QTEST_GUILESS_MAIN(TestSimLink)
#include "tst_simlink.moc"
