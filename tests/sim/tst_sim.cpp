#include "rawclient.h"
#include "simrecords.h"
#include "simtestkit.h"
#include "tempdatadir.h"
#include "testtimeouts.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

// The simulator on raw sockets: its answers, who hears of a command, its state file
// and its deliberate faults.
class TestSim : public QObject
{
    Q_OBJECT

private slots:
    void answersAfterSettings_data();
    void answersAfterSettings();
    void whoHearsOfACommand_data();
    void whoHearsOfACommand();
    void commandsSplitAtEveryOffset();
    void stateFileRoundTrip();
    void stateFileOfAnotherModelIsRefused();
    void faultDropAfterCommands();
    void faultWithholdAck();
    void faultBusyIgnoresSettingsTooSoon();
};

// clang-format off
// The answer's quirks the client's repairs rely on (unquoted values, bare lists), and
// settings reaching the state. Settings are never answered, so the query's record is
// the only record that comes.
void TestSim::answersAfterSettings_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("0409-S status is the bare window list") << "0409-S" << QStringList{} << "status"
        << QByteArray("window3:0,0,0,0,0,0,window4:0,0,0,0,0,0,VIR:0,AUDIO:1}");
    QTest::addRow("netInfo: DHCP unquoted and not last") << "0809" << QStringList{} << "netInfo"
        << QByteArray(R"("subnet":"255.255.255.0","DHCP":false,"mac":)");
    QTest::addRow("resolution unquoted") << "0409-S" << QStringList{} << "resolution"
        << QByteArray(R"({"in1":1920x1080x60Hz,"in2":1920x1080x60Hz,)");
    QTest::addRow("outputinfo unquoted") << "0808-S" << QStringList{} << "outputinfo"
        << QByteArray(R"("link7":true/false/false/false,"link8":true/false/false/false})");
    QTest::addRow("Get_Subtitle unquoted lists") << "0809" << QStringList{} << "Get_Subtitle"
        << QByteArray(R"("Color":255,255,255,"Position_x":0,"Position_y":0,"Bg_switch":false,)"
                      R"("Bg_Color":0,0,0,"Move_dir":left})");
    QTest::addRow("multiview volume loses the offset") << "0409-S" << QStringList{"Volume102/70"}
        << "Get_Volume" << QByteArray(R"("Volume2":70)");
    QTest::addRow("alone keeps hdmi audio") << "0809" << QStringList{"AloneVideo", "3VIDEO5"} << "status"
        << QByteArray(R"("audio105":105,)");
    QTest::addRow("splice mode binds its outputs") << "0809" << QStringList{"mode3"} << "bindinfo"
        << QByteArray(R"({"bind1":"1/2/5/6","bind2":"2","bind3":"3","bind4":"4",)");
    QTest::addRow("rebinding takes members over") << "0808" << QStringList{"Bind4/5/6", "Bind6/7"}
        << "bindinfo" << QByteArray(R"("bind4":"4","bind5":"5","bind6":"6/7",)");
    QTest::addRow("binding shows the master's source") << "0809" << QStringList{"2VIDEO4", "Bind4/5/6"}
        << "status" << QByteArray(R"("video4":2,"video5":2,"video6":2,"video7":7)");
    QTest::addRow("a member switches its group") << "0809" << QStringList{"Bind4/5/6", "7VIDEO5"}
        << "status" << QByteArray(R"("video4":7,"video5":7,"video6":7,)");
    QTest::addRow("an unbound output switches alone") << "0809"
        << QStringList{"Bind4/5/6", "UnBind6", "1VIDEO5"} << "status"
        << QByteArray(R"("video4":4,"video5":1,"video6":4,)");
    QTest::addRow("recall of an empty plan keeps the routing") << "0809" << QStringList{"8VIDEO1", "Recall9"}
        << "status" << QByteArray(R"({"video1":8,)");
    QTest::addRow("a cleared plan is empty") << "0809"
        << QStringList{"5VIDEO1", "Save0", "Clear0", "8VIDEO1", "Recall0"} << "status"
        << QByteArray(R"({"video1":8,)");
    QTest::addRow("default restores the factory state") << "0808-S"
        << QStringList{"4VIDEO1", "Bind1/2", "Default"} << "bindinfo"
        << QByteArray(R"({"bind1":"1","bind2":"2",)");
}
// clang-format on

void TestSim::answersAfterSettings()
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
    QVERIFY2(reply.count('{') == 1, reply.constData());
}

// clang-format off
// What the sender and another client hear of commands, before the answer to a query;
// a command that changes nothing is heard by nobody.
void TestSim::whoHearsOfACommand_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QByteArray>("senderHears");
    QTest::addColumn<QByteArray>("otherHears");
    QTest::addColumn<bool>("changes");

    const QByteArray nothing;
    QTest::addRow("video") << "0809" << QStringList{"3VIDEO5"} << nothing << QByteArray("{video5_change=3}")
                           << true;
    QTest::addRow("bind") << "0809" << QStringList{"Bind4/5/6"} << nothing
                          << QByteArray("{Bind4_change=4/5/6}") << true;
    QTest::addRow("recall") << "0809" << QStringList{"Save2", "5VIDEO1", "6IR2", "Recall2"} << nothing
        << QByteArray("{video1_change=5}{IR2_change=6}{video1_change=1}{audio101_change=101}{IR2_change=2}")
        << true;
    QTest::addRow("network settings: HTTP 200 to the sender alone") << "0809"
        << QStringList{"&ip,ip=10.0.0.5,gateway=10.0.0.1,subnet=255.0.0.0,mac=02:00:00:00:00:01"}
        << SimRecords::http200() << nothing << true;
    QTest::addRow("video to output 9 of an 8-output model") << "0808" << QStringList{"3VIDEO9"} << nothing
                                                            << nothing << false;
    QTest::addRow("window 5") << "0409-S" << QStringList{"WindowOpen5/1/1/0/0/10/10"} << nothing << nothing
                              << false;
    QTest::addRow("bind past the last output") << "0808" << QStringList{"Bind7/8/9"} << nothing << nothing
                                               << false;
}
// clang-format on

void TestSim::whoHearsOfACommand()
{
    QFETCH(QString, model);
    QFETCH(QStringList, commands);
    QFETCH(QByteArray, senderHears);
    QFETCH(QByteArray, otherHears);
    QFETCH(bool, changes);
    auto device = startSim(model);
    QVERIFY(device);
    const QJsonObject before = device->state().toJson();
    const QByteArray version = SimRecords::version(device->state());
    RawClient sender, other;
    QVERIFY(sender.connectTo(device->controlPort()));
    QVERIFY(other.connectTo(device->controlPort()));
    QTRY_COMPARE_WITH_TIMEOUT(device->clientCount(), 2, TestTimeouts::Short);
    for (const QString &c : qAsConst(commands))
        sender.command(c);
    // The sender's answer comes after its commands are applied, so the others' notices
    // are out before their own query is read.
    sender.command("version");
    QCOMPARE(sender.takeUntil(version), senderHears + version);
    other.command("version");
    QCOMPARE(other.takeUntil(version), otherHears + version);
    QCOMPARE(device->state().toJson() != before, changes);
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
    }
}

void TestSim::stateFileRoundTrip()
{
    TempDataDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("device.json");
    auto device = startSim("0409-S");
    QVERIFY(device);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    for (const char *c : {"WindowOpen1/3/1/100/200/960/540",
                          "VIR1",
                          "Rotate2/3",
                          "Save4",
                          "Bezel_x9/8/7/6",
                          "Font_Color1/2/3",
                          "Input_HDCP4/2",
                          "EDID_Sel2/3"})
        client.command(QString::fromLatin1(c));
    QVERIFY(!client.ask("status").isEmpty());
    QVERIFY(device->saveState(path));

    SimDevice restored("0409-S");
    QVERIFY(restored.loadState(path));
    QCOMPARE(restored.state().toJson(), device->state().toJson());
    QCOMPARE(restored.state().windows.at(0), (SimWindow{3, 1, 100, 200, 960, 540}));
    QVERIFY(restored.state().plans.at(4).stored);
    QCOMPARE(restored.state().edid.value(2), QStringLiteral("builtin/3"));
}

void TestSim::stateFileOfAnotherModelIsRefused()
{
    TempDataDir dir;
    const QString path = dir.filePath("device.json");
    SimDevice matrix("0808");
    QVERIFY(matrix.saveState(path));
    SimDevice multiview("0409-S");
    const QJsonObject before = multiview.state().toJson();
    QString error;
    QVERIFY(!multiview.loadState(path, &error));
    QVERIFY(error.contains("0808"));
    QFile broken(dir.filePath("broken.json"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"model\":\"0409-S\",");
    broken.close();
    QVERIFY(!multiview.loadState(broken.fileName(), &error));
    QVERIFY(!multiview.loadState(dir.filePath("missing.json"), &error));
    QCOMPARE(multiview.state().toJson(), before);
}

void TestSim::faultDropAfterCommands()
{
    SimFaults faults;
    faults.dropAfterCommands = 2;
    auto device = startSim("0809", faults);
    QVERIFY(device);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    QSignalSpy closed(&client.socket, &QTcpSocket::disconnected);
    // Commands past the second are never read, even when they came in the same read.
    client.send("{param=3VIDEO1}{param=version}{param=4VIDEO1}");
    QCOMPARE(client.takeUntil("}"), SimRecords::version(device->state()));
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, TestTimeouts::Short);
    QCOMPARE(device->state().video.value(1), 3);
    QCOMPARE(device->receivedCommands().size(), 2);
    // A new connection gets its own count.
    RawClient again;
    QVERIFY(again.connectTo(device->controlPort()));
    QCOMPARE(again.ask("version"), SimRecords::version(device->state()));
}

void TestSim::faultWithholdAck()
{
    SimFaults faults;
    faults.withholdAck = true;
    auto device = startSim("0809", faults);
    QVERIFY(device);
    RawClient control;
    QVERIFY(control.connectTo(device->controlPort()));
    RawClient uploader;
    QVERIFY(uploader.connectTo(device->uploadPort()));
    control.command("Update_EDID1");
    QTRY_COMPARE_WITH_TIMEOUT(device->receivedCommands().size(), 1, TestTimeouts::Short);
    uploader.send(QByteArray(300, 'e'));
    QCOMPARE(uploader.takeUntil("<ACK_0>\r\n"), QByteArray("<ACK_0>\r\n"));
    // The bytes are taken; Done gets a refusal instead of the acknowledgement.
    control.command("Done");
    QCOMPARE(uploader.takeUntil("\r\n"), QByteArray("<NAK_1>\r\n"));
    QCOMPARE(device->receivedUploads().size(), 1);
}

void TestSim::faultBusyIgnoresSettingsTooSoon()
{
    SimFaults faults;
    faults.minCommandGapMs = 300;
    auto device = startSim("0809", faults);
    QVERIFY(device);
    QSignalSpy ignored(device.get(), &SimDevice::commandIgnored);
    RawClient client;
    RawClient other;
    QVERIFY(client.connectTo(device->controlPort()));
    QVERIFY(other.connectTo(device->controlPort()));
    QElapsedTimer clock;
    clock.start();
    // The query between the settings is answered; the second setting is dropped.
    client.send("{param=3VIDEO1}{param=version}{param=4VIDEO2}");
    QCOMPARE(client.takeUntil("}"), SimRecords::version(device->state()));
    QTRY_COMPARE_WITH_TIMEOUT(ignored.count(), 1, TestTimeouts::Short);
    QCOMPARE(ignored.first().at(1).toString(), QStringLiteral("{param=4VIDEO2}"));
    QCOMPARE(device->state().video.value(1), 3);
    QCOMPARE(device->state().video.value(2), 2);
    // Another client finds the device just as busy; once the gap has passed it is obeyed.
    QTRY_VERIFY_WITH_TIMEOUT((other.command("5VIDEO3"), device->state().video.value(3) == 5),
                             TestTimeouts::Short);
    QVERIFY(clock.elapsed() >= faults.minCommandGapMs);
    QVERIFY(ignored.count() >= 2);
    QCOMPARE(device->receivedCommands().first(), QStringLiteral("{param=3VIDEO1}"));
}

QTEST_GUILESS_MAIN(TestSim)
#include "tst_sim.moc"
