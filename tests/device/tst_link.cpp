#include "messagedistance.h"
#include "testtimeouts.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

// Reply signals reach the test thread through its event loop, possibly before a
// QSignalSpy::wait() would start, so those are awaited with QTRY on the count.

// The far end: one accepted connection at a time, bytes collected as they come.
class FakeDevice : public QObject
{
    Q_OBJECT
public:
    FakeDevice()
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            peer = server.nextPendingConnection();
            connect(peer, &QTcpSocket::readyRead, this, [this] { received += peer->readAll(); });
        });
    }
    bool listen(quint16 port = 0) { return server.listen(QHostAddress::LocalHost, port); }
    void send(const QByteArray &bytes)
    {
        peer->write(bytes);
        peer->flush();
    }
    QTcpServer server;
    QTcpSocket *peer = nullptr;
    QByteArray received;
};

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sendsCommandsAsBareUtf8();
    void recordsInOneReadComeInOrder();
    void recordSplitAcrossReads();
    void everyValidRecordAfterAFailedOneIsKept();
    void recordWithSeveralSignals();
    void changeNoticeGoesOnlyToTheChangesHandler();
    void dhcpFollowsTheDeviceAsLastMember();
    void rawAnalysisForwardsAndHttp200();
    void floodWithoutClosingBraceIsBounded();
    void drainedMeansEveryRecordHandled();
    void repeatedKeyRecordIsRefused();
    void lostConnectionComesBack();
    void unreachableDeviceKeepsRetrying();
    void unansweredConnectIsRetried();
    void vanishedDeviceIsNoticed();
    void connectDiscardsPartialRecord();
    void doneWhileDisconnectedLeavesControlPortAlone();

private:
    MessageDistance *link() const { return MessageDistance::instance(); }
    void connectTo(FakeDevice &device);
    FakeDevice *m_device = nullptr;
};

void TestLink::init()
{
    m_device = new FakeDevice;
    QVERIFY(m_device->listen());
}

void TestLink::cleanup()
{
    link()->disconnectFromDevice();
    delete m_device;
    m_device = nullptr;
}

void TestLink::connectTo(FakeDevice &device)
{
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    link()->connectToDevice(QStringLiteral("127.0.0.1"), device.server.serverPort());
    QVERIFY(connected.wait(TestTimeouts::Short));
    QTRY_VERIFY_WITH_TIMEOUT(device.peer, TestTimeouts::Short);
}

void TestLink::sendsCommandsAsBareUtf8()
{
    connectTo(*m_device);
    link()->sendVersion();
    link()->sendPortResolution(3, QStringLiteral("1920x1080x60Hz"));
    link()->sendData(QStringLiteral("{param=名}"));
    const QByteArray expected = QByteArray("{param=version}{param=Port3/1920x1080x60Hz!}")
                                + QStringLiteral("{param=名}").toUtf8();
    QTRY_COMPARE_WITH_TIMEOUT(m_device->received, expected, TestTimeouts::Short);
}

void TestLink::recordsInOneReadComeInOrder()
{
    connectTo(*m_device);
    QStringList order;
    QObject guard;
    connect(link(), &MessageDistance::receiveVersionSig, &guard, [&](const QJsonObject &o) {
        order << QStringLiteral("version:") + o.value("type").toString();
    });
    connect(link(), &MessageDistance::receiveInputChannelStateSig, &guard, [&](const QJsonObject &o) {
        order << QStringLiteral("input:") + o.value("input1").toString();
    });
    m_device->send("{\"input1\":\"true\"}{\"type\":\"0809\",\"MCU\":\"1\",\"FPGA\":\"2\",\"device\":\"m\"}"
                   "{\"input1\":\"false\"}");
    QTRY_COMPARE_WITH_TIMEOUT(order.size(), 3, TestTimeouts::Short);
    QCOMPARE(order, (QStringList{"input:true", "version:0809", "input:false"}));
}

void TestLink::recordSplitAcrossReads()
{
    connectTo(*m_device);
    QSignalSpy spy(link(), &MessageDistance::receiveOutputInfoSig);
    m_device->send("{\"link1\":1,");
    QVERIFY(link()->waitUntilDrained(TestTimeouts::Short));
    QCOMPARE(spy.count(), 0);
    m_device->send("\"link2\":0}");
    QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 1, TestTimeouts::Short);
    QCOMPARE(spy.count(), 1);
    const QJsonObject obj = spy.at(0).at(0).toJsonObject();
    QCOMPARE(obj.value("link1").toString(), QStringLiteral("1"));
    QCOMPARE(obj.value("link2").toString(), QStringLiteral("0"));
}

void TestLink::everyValidRecordAfterAFailedOneIsKept()
{
    QSignalSpy inputs(link(), &MessageDistance::receiveInputChannelStateSig);
    const quint64 failedBefore = link()->recordsFailed();
    link()->feedReceivedData("{broken,}{\"input1\":\"true\"}{\"input2\":\"false\"}{\"c\":{\"d\":1}}{\"input3\":\"true\"}");
    QVERIFY(link()->waitUntilDrained(TestTimeouts::Short));
    QTRY_COMPARE_WITH_TIMEOUT(inputs.count(), 3, TestTimeouts::Short);
    QVERIFY(inputs.at(0).at(0).toJsonObject().contains("input1"));
    QVERIFY(inputs.at(1).at(0).toJsonObject().contains("input2"));
    QVERIFY(inputs.at(2).at(0).toJsonObject().contains("input3"));
    // The broken record and the nested one (cut at its first brace) fail.
    QCOMPARE(link()->recordsFailed() - failedBefore, quint64(2));
}

void TestLink::recordWithSeveralSignals()
{
    QSignalSpy status(link(), &MessageDistance::receiveVideoAudioIRMapSig);
    QSignalSpy volume(link(), &MessageDistance::receiveVolumnImformationSig);
    QSignalSpy angle(link(), &MessageDistance::receiveRotateAngleSig);
    link()->feedReceivedData("{\"video\":[1],\"audio\":[2],\"IR\":[3],\"Volume\":[4],\"Angle\":[0]}");
    QTRY_VERIFY_WITH_TIMEOUT(status.count() >= 1, TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(volume.count(), 1, TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(angle.count(), 1, TestTimeouts::Short);
    QCOMPARE(status.count(), 1);
}

void TestLink::changeNoticeGoesOnlyToTheChangesHandler()
{
    QSignalSpy changes(link(), &MessageDistance::receiveChangedByOthersSig);
    QSignalSpy status(link(), &MessageDistance::receiveVideoAudioIRMapSig);
    QSignalSpy forward(link(), &MessageDistance::si_ForwardAnalysis);
    link()->feedReceivedData("{video3_change=5}");
    QTRY_VERIFY_WITH_TIMEOUT(changes.count() >= 1, TestTimeouts::Short);
    QCOMPARE(changes.at(0).at(0).toJsonObject().value("video3_change").toString(), QStringLiteral("5"));

    link()->feedReceivedData("{\"Chn_change\":1,\"Mode_change\":2,\"Color_change\":3}");
    QTRY_VERIFY_WITH_TIMEOUT(forward.count() >= 1, TestTimeouts::Short);
    QCOMPARE(forward.at(0).at(0).toString(), QStringLiteral("{\"Chn\":1,\"Mode\":2,\"Color\":3}"));
    QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 2, TestTimeouts::Short);
    QCOMPARE(status.count(), 0);
}

void TestLink::dhcpFollowsTheDeviceAsLastMember()
{
    QSignalSpy dhcp(link(), &MessageDistance::si_SetDhcpSwitch);
    QSignalSpy net(link(), &MessageDistance::receiveNetWorkImforamtionSig);
    link()->feedReceivedData("{\"ip\":\"192.168.1.9\",\"gateway\":\"192.168.1.1\",\"subnet\":\"255.255.255.0\",\"DHCP\":true}");
    QTRY_VERIFY_WITH_TIMEOUT(dhcp.count() >= 1, TestTimeouts::Short);
    QCOMPARE(dhcp.at(0).at(0).toBool(), true);
    QTRY_COMPARE_WITH_TIMEOUT(net.count(), 1, TestTimeouts::Short);
    // The test runs on records that fail to parse too.
    link()->feedReceivedData("{\"DHCP\":false,broken}");
    QTRY_COMPARE_WITH_TIMEOUT(dhcp.count(), 2, TestTimeouts::Short);
    QCOMPARE(dhcp.at(1).at(0).toBool(), false);
}

void TestLink::rawAnalysisForwardsAndHttp200()
{
    QSignalSpy forward(link(), &MessageDistance::si_ForwardAnalysis);
    QSignalSpy http(link(), &MessageDistance::si_http200Analysis);
    QSignalSpy close(link(), &MessageDistance::si_requestCloseOsdSocket);
    link()->feedReceivedData("{\"Chn\":2,\"Scaler_Mode\":1}");
    QTRY_VERIFY_WITH_TIMEOUT(forward.count() >= 1, TestTimeouts::Short);
    QCOMPARE(forward.at(0).at(0).toString(), QStringLiteral("{\"Chn\":2,\"Scaler_Mode\":1}"));
    link()->feedReceivedData("HTTP/1.1 200 OK\r\nContent-Length:2OK");
    QTRY_VERIFY_WITH_TIMEOUT(http.count() >= 1, TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(close.count(), 1, TestTimeouts::Short);
}

void TestLink::floodWithoutClosingBraceIsBounded()
{
    QSignalSpy inputs(link(), &MessageDistance::receiveInputChannelStateSig);
    const quint64 droppedBefore = link()->bytesDropped();
    const QByteArray chunk(8192, 'x');
    link()->feedReceivedData("{");
    for (int i = 0; i < 64; ++i)
        link()->feedReceivedData(chunk);
    QVERIFY(link()->waitUntilDrained(TestTimeouts::Medium));
    QVERIFY(link()->bytesDropped() - droppedBefore >= quint64(64 * 8192 - ReplyParser::RecordBuffer::MaxUnframed));
    link()->feedReceivedData("{\"input5\":\"true\"}");
    QTRY_VERIFY_WITH_TIMEOUT(inputs.count() >= 1, TestTimeouts::Short);
    QVERIFY(inputs.at(0).at(0).toJsonObject().contains("input5"));
}

void TestLink::drainedMeansEveryRecordHandled()
{
    QByteArray reads;
    for (int i = 0; i < 2000; ++i)
        reads += "{\"input1\":\"true\"}";
    QSignalSpy inputs(link(), &MessageDistance::receiveInputChannelStateSig);
    const quint64 before = link()->recordsParsed();
    link()->feedReceivedData(reads);
    link()->feedReceivedData("{\"input2\":\"true\"}");
    QVERIFY(link()->waitUntilDrained(TestTimeouts::Medium));
    QCOMPARE(link()->recordsParsed() - before, quint64(2001));
    QTRY_COMPARE_WITH_TIMEOUT(inputs.count(), 2001, TestTimeouts::Short);
    QVERIFY(inputs.last().at(0).toJsonObject().contains("input2"));
}

void TestLink::repeatedKeyRecordIsRefused()
{
    QSignalSpy inputs(link(), &MessageDistance::receiveInputChannelStateSig);
    const quint64 failedBefore = link()->recordsFailed();
    QTest::ignoreMessage(QtWarningMsg, "record refused, a key repeats: {\"input1\":[1],\"input1\":2}");
    link()->feedReceivedData("{\"input1\":[1],\"input1\":2}{\"input3\":\"true\"}");
    QTRY_COMPARE_WITH_TIMEOUT(inputs.count(), 1, TestTimeouts::Short);
    QVERIFY(inputs.at(0).at(0).toJsonObject().contains("input3"));
    QCOMPARE(link()->recordsFailed() - failedBefore, quint64(1));
}

void TestLink::lostConnectionComesBack()
{
    connectTo(*m_device);
    QSignalSpy failed(link(), &MessageDistance::connectFailureSig);
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    m_device->peer->abort();
    m_device->peer = nullptr;
    QVERIFY(failed.wait(TestTimeouts::Short));
    QVERIFY(!link()->isConnected());
    // The reconnect timer brings the link back within its 2 s period.
    QVERIFY(connected.wait(TestTimeouts::Medium));
    QVERIFY(link()->isConnected());
    QTRY_VERIFY_WITH_TIMEOUT(m_device->peer, TestTimeouts::Short);
    link()->sendStatus();
    QTRY_COMPARE_WITH_TIMEOUT(m_device->received, QByteArray("{param=status}"), TestTimeouts::Short);
}

void TestLink::unreachableDeviceKeepsRetrying()
{
    const quint16 port = m_device->server.serverPort();
    m_device->server.close();
    QSignalSpy connecting(link(), &MessageDistance::connectingSig);
    QSignalSpy failed(link(), &MessageDistance::connectFailureSig);
    QElapsedTimer clock;
    clock.start();
    link()->connectToDevice(QStringLiteral("127.0.0.1"), port);
    QTRY_VERIFY_WITH_TIMEOUT(failed.count() >= 1, TestTimeouts::Short);
    const int afterFirst = connecting.count();
    QVERIFY(afterFirst >= 1);
    // A retry: the tick aborts and dials again, so connecting and failure repeat.
    QTRY_VERIFY_WITH_TIMEOUT(connecting.count() > afterFirst + 1 && failed.count() >= 2, TestTimeouts::Medium);
    // The device appears on the same port: the next tick finds it.
    QVERIFY(m_device->listen(port));
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    QVERIFY(connected.wait(TestTimeouts::Medium));
}

void TestLink::unansweredConnectIsRetried()
{
#ifdef Q_OS_LINUX
    // A listener whose backlog is full drops the handshake, so an attempt hangs.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&address), size) == 0);
    QVERIFY(::listen(listener, 0) == 0);
    QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &size) == 0);
    const quint16 port = ntohs(address.sin_port);
    QTcpSocket filler;
    filler.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(filler.waitForConnected(TestTimeouts::Short));

    QSignalSpy connecting(link(), &MessageDistance::connectingSig);
    QSignalSpy failed(link(), &MessageDistance::connectFailureSig);
    link()->connectToDevice(QStringLiteral("127.0.0.1"), port);
    QTRY_VERIFY_WITH_TIMEOUT(failed.count() >= 1, TestTimeouts::Medium);
    QVERIFY(!link()->isConnected());
    const int afterAbort = connecting.count();
    QTRY_VERIFY_WITH_TIMEOUT(connecting.count() > afterAbort, TestTimeouts::Short);
    // Once the device takes its queue, a later attempt gets through.
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    const int accepted = ::accept(listener, nullptr, nullptr);
    QVERIFY(accepted >= 0);
    QVERIFY(connected.wait(TestTimeouts::Medium));
    link()->disconnectFromDevice();
    ::close(accepted);
    ::close(listener);
#else
    QSKIP("needs a listener with a full backlog");
#endif
}

void TestLink::vanishedDeviceIsNoticed()
{
#ifdef Q_OS_LINUX
    connectTo(*m_device);
    QSignalSpy failed(link(), &MessageDistance::connectFailureSig);
    // A socket in repair mode closes without FIN or RST, as a device that loses power:
    // nothing tells the link until a keep-alive probe finds the connection gone.
    int on = 1;
    const int fd = int(m_device->peer->socketDescriptor());
    if (::setsockopt(fd, IPPROTO_TCP, TCP_REPAIR, &on, sizeof on) != 0)
        QSKIP("closing a connection silently needs CAP_NET_ADMIN");
    m_device->peer->abort();
    m_device->peer = nullptr;
    QCoreApplication::processEvents();
    QVERIFY(link()->isConnected());
    QVERIFY(failed.wait(TestTimeouts::Long));
#else
    QSKIP("the silent close needs Linux");
#endif
}

void TestLink::connectDiscardsPartialRecord()
{
    QSignalSpy inputs(link(), &MessageDistance::receiveInputChannelStateSig);
    link()->feedReceivedData("{\"input1\":");
    QVERIFY(link()->waitUntilDrained(TestTimeouts::Short));
    connectTo(*m_device);
    m_device->send("{\"input2\":\"true\"}");
    QTRY_VERIFY_WITH_TIMEOUT(inputs.count() >= 1, TestTimeouts::Short);
    QCOMPARE(inputs.at(0).at(0).toJsonObject().keys(), QStringList{"input2"});
}

void TestLink::doneWhileDisconnectedLeavesControlPortAlone()
{
    QTcpServer uploadServer;
    QVERIFY(uploadServer.listen(QHostAddress::LocalHost));
    link()->setUploadPort(uploadServer.serverPort());
    connectTo(*m_device);
    const quint16 port = m_device->server.serverPort();
    QSignalSpy failed(link(), &MessageDistance::connectFailureSig);
    m_device->peer->abort();
    m_device->peer = nullptr;
    QVERIFY(failed.wait(TestTimeouts::Short));

    link()->sendDone();
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    QVERIFY(connected.wait(TestTimeouts::Medium));
    QCOMPARE(link()->port(), port);
    QTRY_VERIFY_WITH_TIMEOUT(m_device->peer, TestTimeouts::Short);
    QCoreApplication::processEvents();
    QVERIFY(!uploadServer.hasPendingConnections());
    // The dropped Done never reaches the device later either.
    link()->sendStatus();
    QTRY_COMPARE_WITH_TIMEOUT(m_device->received, QByteArray("{param=status}"), TestTimeouts::Short);
    link()->setUploadPort(6666);
}

QTEST_MAIN(TestLink)
#include "tst_link.moc"
