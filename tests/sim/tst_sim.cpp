#include "rawclient.h"
#include "simtestkit.h"
#include "simdevice.h"
#include "simrecords.h"
#include "testtimeouts.h"

#include <QTcpSocket>
#include <QtTest>

#include <memory>

class TestSim : public QObject
{
    Q_OBJECT

private slots:
    void queryAnswers_data();
    void queryAnswers();
    void settingsReachTheState_data();
    void settingsReachTheState();
    void noticesGoToOtherClientsOnly_data();
    void noticesGoToOtherClientsOnly();
    void outOfRangeSettingChangesNothing_data();
    void outOfRangeSettingChangesNothing();
    void boundOutputsFollowTheirGroup();
    void plansSaveRecallClear();
    void recallTellsTheOthers();
    void http200AfterNetworkSettings();
    void defaultRestoresTheFactoryState();
    void commandsSplitAtEveryOffset();
    void panelEventsReachEveryClient();

};

// clang-format off
void TestSim::queryAnswers_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("0809-M version carries the splitter") << "0809-M" << "version"
        << QByteArray(R"({"type":"ZEL-0809-M-4K","device":"0809-M","MCU":"V1.0.7","FPGA":"V2.3.1","audio":true,"bezel_x":"0/0/0/0","bezel_y":"0/0/0/0","Splitter":0})");
    QTest::addRow("0409-S status is the bare window list") << "0409-S" << "status"
        << QByteArray("{window1:0,0,0,0,0,0,window2:0,0,0,0,0,0,window3:0,0,0,0,0,0,window4:0,0,0,0,0,0,VIR:0,AUDIO:1}");
    QTest::addRow("0809 netInfo: the address it was reached on, DHCP not last") << "0809" << "netInfo"
        << QByteArray(R"({"ip":"127.0.0.1","gateway":"192.168.1.1","subnet":"255.255.255.0","DHCP":false,"mac":"00:1A:2B:3C:4D:5E"})");
    QTest::addRow("0409-S resolution unquoted") << "0409-S" << "resolution"
        << QByteArray(R"({"in1":1920x1080x60Hz,"in2":1920x1080x60Hz,"in3":1920x1080x60Hz,"in4":1920x1080x60Hz,)"
                      R"("out1":1920x1080x60Hz,"out2":1920x1080x60Hz,"out3":1920x1080x60Hz,"out4":1920x1080x60Hz,"out5":1920x1080x60Hz,)"
                      R"("out6":1920x1080x60Hz,"out7":1920x1080x60Hz,"out8":1920x1080x60Hz,"out9":1920x1080x60Hz})");
    QTest::addRow("0808-S outputinfo unquoted") << "0808-S" << "outputinfo"
        << QByteArray(R"({"link1":true/false/false/false,"link2":true/false/false/false,"link3":true/false/false/false,)"
                      R"("link4":true/false/false/false,"link5":true/false/false/false,"link6":true/false/false/false,)"
                      R"("link7":true/false/false/false,"link8":true/false/false/false})");
    QTest::addRow("0809 Get_Subtitle unquoted lists") << "0809" << "Get_Subtitle"
        << QByteArray(R"({"Switch":false,"Speed":3,"Color":255,255,255,"Position_x":0,"Position_y":0,"Bg_switch":false,"Bg_Color":0,0,0,"Move_dir":left})");
}
// clang-format on

void TestSim::queryAnswers()
{
    QFETCH(QString, model);
    QFETCH(QString, query);
    QFETCH(QByteArray, expected);
    auto device = startSim(model);
    QVERIFY(device);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    QCOMPARE(client.ask(query), expected);
}

// clang-format off
void TestSim::settingsReachTheState_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("multiview volume loses the offset") << "0409-S" << QStringList{"Volume102/70"} << "Get_Volume"
                                                       << QByteArray(R"("Volume2":70)");
    QTest::addRow("bezel") << "0809" << QStringList{"Bezel_x1/2/3/4", "Bezel_y5/6/7/8"} << "version"
                           << QByteArray(R"("bezel_x":"1/2/3/4","bezel_y":"5/6/7/8")");
    QTest::addRow("alone keeps hdmi audio") << "0809" << QStringList{"AloneVideo", "3VIDEO5"} << "status"
                                            << QByteArray(R"("audio105":105,)");
    QTest::addRow("splice mode binds its outputs") << "0809" << QStringList{"mode3"} << "bindinfo"
        << QByteArray(R"({"bind1":"1/2/5/6","bind2":"2","bind3":"3","bind4":"4","bind5":"5","bind6":"6","bind7":"7","bind8":"8","bind9":"9","mode":3})");
    QTest::addRow("rebinding takes members over") << "0808" << QStringList{"Bind4/5/6", "Bind6/7"} << "bindinfo"
                                                  << QByteArray(R"("bind4":"4","bind5":"5","bind6":"6/7",)");
}
// clang-format on

void TestSim::settingsReachTheState()
{
    QFETCH(QString, model);
    QFETCH(QStringList, commands);
    QFETCH(QString, query);
    QFETCH(QByteArray, expected);
    auto device = startSim(model);
    QVERIFY(device);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    for (const QString &c : qAsConst(commands))
        client.command(c);
    const QByteArray reply = client.ask(query);
    QVERIFY2(reply.contains(expected), reply.constData());
    // Setting commands are never answered, so the query's record is all that came.
    QVERIFY2(reply.startsWith('{') && reply.count('{') == 1, reply.constData());
}

// clang-format off
void TestSim::noticesGoToOtherClientsOnly_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("notice");

    QTest::addRow("video") << "0809" << "3VIDEO5" << QByteArray("{video5_change=3}");
    QTest::addRow("bind") << "0809" << "Bind4/5/6" << QByteArray("{Bind4_change=4/5/6}");
}
// clang-format on

void TestSim::noticesGoToOtherClientsOnly()
{
    QFETCH(QString, model);
    QFETCH(QString, command);
    QFETCH(QByteArray, notice);
    auto device = startSim(model);
    QVERIFY(device);
    RawClient sender, other, third;
    QVERIFY(sender.connectTo(device->controlPort()));
    QVERIFY(other.connectTo(device->controlPort()));
    QVERIFY(third.connectTo(device->controlPort()));
    QTRY_COMPARE_WITH_TIMEOUT(device->clientCount(), 3, TestTimeouts::Short);

    sender.command(command);
    // The sender's next answer is the first thing it hears: no notice of its own change.
    QCOMPARE(sender.ask("version"), SimRecords::version(device->state()));
    QCOMPARE(other.takeUntil(notice), notice);
    QCOMPARE(third.takeUntil(notice), notice);
    QVERIFY(device->receivedCommands().contains("{param=" + command + "}"));
}

// clang-format off
void TestSim::outOfRangeSettingChangesNothing_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("command");
    QTest::addRow("video to output 9 of an 8-output model") << "0808" << "3VIDEO9";
    QTest::addRow("splitter area on a plain matrix") << "0809" << "3VIDEO901";
    QTest::addRow("hdcp input 5 of the multiview") << "0409-S" << "Input_HDCP5/1";
    QTest::addRow("window 5") << "0409-S" << "WindowOpen5/1/1/0/0/10/10";
    QTest::addRow("bind past the last output") << "0808" << "Bind7/8/9";
    QTest::addRow("plan 10") << "0809" << "Save10";
}
// clang-format on

void TestSim::outOfRangeSettingChangesNothing()
{
    QFETCH(QString, model);
    QFETCH(QString, command);
    auto device = startSim(model);
    QVERIFY(device);
    const QJsonObject before = device->state().toJson();
    RawClient sender, other;
    QVERIFY(sender.connectTo(device->controlPort()));
    QVERIFY(other.connectTo(device->controlPort()));
    QTRY_COMPARE_WITH_TIMEOUT(device->clientCount(), 2, TestTimeouts::Short);
    sender.command(command);
    sender.command("version");
    QVERIFY(!sender.takeUntil("}").isEmpty());
    QCOMPARE(device->state().toJson(), before);
    // Nothing changed, so the other client heard nothing either.
    other.command("version");
    QCOMPARE(other.takeUntil("}"), SimRecords::version(device->state()));
}

void TestSim::boundOutputsFollowTheirGroup()
{
    auto device = startSim("0809");
    QVERIFY(device);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    client.command("2VIDEO4");
    client.command("Bind4/5/6");
    // Binding shows the master's source on the whole group.
    QByteArray status = client.ask("status");
    QVERIFY2(status.contains(R"("video4":2,"video5":2,"video6":2,"video7":7)"), status.constData());
    client.command("7VIDEO5");
    status = client.ask("status");
    QVERIFY2(status.contains(R"("video4":7,"video5":7,"video6":7,"video7":7)"), status.constData());
    client.command("UnBind6");
    client.command("1VIDEO5");
    status = client.ask("status");
    QVERIFY2(status.contains(R"("video4":7,"video5":1,"video6":7)"), status.constData());
}

void TestSim::plansSaveRecallClear()
{
    auto device = startSim("0809");
    QVERIFY(device);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    client.command("5VIDEO1");
    client.command("6IR2");
    client.command("Bind3/4");
    client.command("Save0");
    const QByteArray saved = client.ask("status");
    const QByteArray savedBinding = client.ask("bindinfo");

    client.command("UnBind3");
    client.command("8VIDEO1");
    client.command("1IR2");
    QVERIFY(client.ask("status") != saved);
    client.command("Recall0");
    QCOMPARE(client.ask("status"), saved);
    QCOMPARE(client.ask("bindinfo"), savedBinding);

    // Recalling an empty plan leaves the routing alone; a cleared plan is empty.
    client.command("8VIDEO1");
    const QByteArray changed = client.ask("status");
    client.command("Recall9");
    QCOMPARE(client.ask("status"), changed);
    client.command("Clear0");
    client.command("Recall0");
    QCOMPARE(client.ask("status"), changed);
    QVERIFY(!device->state().plans.at(0).stored);
}

void TestSim::recallTellsTheOthers()
{
    auto device = startSim("0809");
    QVERIFY(device);
    RawClient sender, other;
    QVERIFY(sender.connectTo(device->controlPort()));
    QVERIFY(other.connectTo(device->controlPort()));
    QTRY_COMPARE_WITH_TIMEOUT(device->clientCount(), 2, TestTimeouts::Short);
    sender.command("Save2");
    sender.command("5VIDEO1");
    sender.command("6IR2");
    QCOMPARE(other.takeUntil("{IR2_change=6}"), QByteArray("{video1_change=5}{IR2_change=6}"));
    sender.command("Recall2");
    QCOMPARE(other.takeUntil("{IR2_change=2}"),
             QByteArray("{video1_change=1}{audio101_change=101}{IR2_change=2}"));
    QCOMPARE(sender.ask("version"), SimRecords::version(device->state()));
}

void TestSim::http200AfterNetworkSettings()
{
    auto device = startSim("0809");
    QVERIFY(device);
    RawClient sender, other;
    QVERIFY(sender.connectTo(device->controlPort()));
    QVERIFY(other.connectTo(device->controlPort()));
    QTRY_COMPARE_WITH_TIMEOUT(device->clientCount(), 2, TestTimeouts::Short);
    sender.command("&ip,ip=10.0.0.5,gateway=10.0.0.1,subnet=255.0.0.0,mac=02:00:00:00:00:01");
    const QByteArray ack = sender.takeUntil("OK\r\nContent-Length:2\r\n\r\nOK");
    QVERIFY(ack.startsWith("HTTP/1.1 200"));
    QCOMPARE(
        sender.ask("netInfo"),
        QByteArray(
            R"({"ip":"10.0.0.5","gateway":"10.0.0.1","subnet":"255.0.0.0","DHCP":false,"mac":"02:00:00:00:00:01"})"));
    // The acknowledgement is for the sender alone.
    other.command("version");
    QCOMPARE(other.takeUntil("}"), SimRecords::version(device->state()));
}

void TestSim::defaultRestoresTheFactoryState()
{
    auto device = startSim("0808-S");
    QVERIFY(device);
    const QJsonObject factory = device->state().toJson();
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    for (const char *c : {"4VIDEO1", "mode2", "Save3", "Input_HDCP1/3", "Volume1/0", "Open"})
        client.command(QString::fromLatin1(c));
    QVERIFY(!client.ask("status").isEmpty());
    QVERIFY(device->state().toJson() != factory);
    client.command("Default");
    QCOMPARE(client.takeUntil("Length:2\r\n\r\nOK"), SimRecords::http200());
    QCOMPARE(device->state().toJson(), factory);
}

void TestSim::commandsSplitAtEveryOffset()
{
    auto device = startSim("0809");
    QVERIFY(device);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    const QByteArray bytes = "junk{param=3VIDEO5}{param=Frozen5/1}{param=status}";
    for (int cut = 1; cut < bytes.size(); ++cut) {
        client.command("1VIDEO5");
        client.command("Frozen5/0");
        client.send(bytes.left(cut));
        QTRY_VERIFY_WITH_TIMEOUT(device->receivedCommands().size() >= 2, TestTimeouts::Short);
        client.send(bytes.mid(cut));
        const QByteArray status = client.takeUntil("}");
        QVERIFY2(status.contains(R"("video5":3,)"),
                 qPrintable(QStringLiteral("cut at %1").arg(cut)));
        QVERIFY(device->state().frozen.value(5));
        QCOMPARE(device->receivedCommands().mid(device->receivedCommands().size() - 3),
                 (QStringList{"{param=3VIDEO5}", "{param=Frozen5/1}", "{param=status}"}));
    }
}

void TestSim::panelEventsReachEveryClient()
{
    auto device = startSim("0809");
    QVERIFY(device);
    RawClient a, b;
    QVERIFY(a.connectTo(device->controlPort()));
    QVERIFY(b.connectTo(device->controlPort()));
    QTRY_COMPARE_WITH_TIMEOUT(device->clientCount(), 2, TestTimeouts::Short);
    device->setInputSignal(2, false);
    device->setOutputLink(7, false);
    device->applyPanelCommand("4VIDEO3");
    const QByteArray expected = "{input2_change=false}{link7_change=false}{video3_change=4}";
    QCOMPARE(a.takeUntil("{video3_change=4}"), expected);
    QCOMPARE(b.takeUntil("{video3_change=4}"), expected);
    QVERIFY(a.ask("resolution").contains(R"("in2":noinput,)"));
    QVERIFY(a.ask("inputinfo").contains(R"("input-2":false,)"));
    QVERIFY(a.ask("outputinfo").contains(R"("link7":false/false/false/false)"));
}

QTEST_GUILESS_MAIN(TestSim)
#include "tst_sim.moc"
