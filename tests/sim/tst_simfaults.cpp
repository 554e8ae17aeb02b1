#include "rawclient.h"
#include "simtestkit.h"
#include "simdevice.h"
#include "simrecords.h"
#include "tempdatadir.h"
#include "testtimeouts.h"

#include <QFile>
#include <QJsonDocument>
#include <QtTest>

#include <memory>

// The simulator's upload channel, its state file and its deliberate faults.
class TestSimFaults : public QObject
{
    Q_OBJECT

private slots:
    void stateFileRoundTrip();
    void stateFileOfAnotherModelIsRefused();
    void stateFileIsSavedAfterChanges();
    void faultDropAfterCommands();
    void faultWithholdAck();
    void faultIgnoredQuery();
};

void TestSimFaults::stateFileRoundTrip()
{
    TempDataDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("device.json");
    auto device = startSim("0409-S");
    QVERIFY(device);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    for (const char *c : {"WindowOpen1/3/1/100/200/960/540", "VIR1", "Rotate2/3", "Save4",
                          "Bezel_x9/8/7/6", "Font_Color1/2/3", "Input_HDCP4/2", "EDID_Sel2/3"})
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

void TestSimFaults::stateFileOfAnotherModelIsRefused()
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
    QCOMPARE(multiview.state().toJson(), before);

    QFile broken(dir.filePath("broken.json"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"model\":\"0409-S\",");
    broken.close();
    QVERIFY(!multiview.loadState(broken.fileName(), &error));
    QVERIFY(!multiview.loadState(dir.filePath("missing.json"), &error));
    QCOMPARE(multiview.state().toJson(), before);
}

void TestSimFaults::stateFileIsSavedAfterChanges()
{
    TempDataDir dir;
    const QString path = dir.filePath("device.json");
    auto device = startSim("0809");
    QVERIFY(device);
    device->setStateFile(path);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    client.command("7VIDEO2");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), TestTimeouts::Short);
    SimDevice restored("0809");
    QTRY_VERIFY_WITH_TIMEOUT(restored.loadState(path) && restored.state().video.value(2) == 7,
                             TestTimeouts::Short);
}

void TestSimFaults::faultDropAfterCommands()
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

void TestSimFaults::faultWithholdAck()
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

void TestSimFaults::faultIgnoredQuery()
{
    SimFaults faults;
    faults.ignoredQueries = {"Get_Rotate"};
    auto device = startSim("0409-S", faults);
    QVERIFY(device);
    RawClient client;
    QVERIFY(client.connectTo(device->controlPort()));
    client.command("Get_Rotate");
    QCOMPARE(client.ask("version"), SimRecords::version(device->state()));
}

QTEST_GUILESS_MAIN(TestSimFaults)
#include "tst_simfaults.moc"
