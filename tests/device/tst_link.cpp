#include "messagedistance.h"
#include "testtimeouts.h"

#include <QElapsedTimer>
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
            ++connections;
            connect(peer, &QTcpSocket::readyRead, this, [this] { received += peer->readAll(); });
        });
    }
    bool listen(quint16 port = 0) { return server.listen(QHostAddress::LocalHost, port); }
    void send(const QByteArray &bytes)
    {
        peer->write(bytes);
        peer->flush();
    }
    void drop()
    {
        peer->abort();
        peer = nullptr;
    }
    QTcpServer server;
    QTcpSocket *peer = nullptr;
    QByteArray received;
    int connections = 0;
};

// When each connection event of the link happened, in ms since the recorder began.
class LinkClock : public QObject
{
public:
    explicit LinkClock(MessageDistance *link)
    {
        m_clock.start();
        // One loss raises the signal for both the closing and the unconnected state.
        connect(link, &MessageDistance::connectFailureSig, this, [this] {
            if (failures.isEmpty() || m_clock.elapsed() - failures.last() > 300)
                failures << m_clock.elapsed();
        });
        connect(link, &MessageDistance::connectSuccessFulSig, this, [this] { connects << m_clock.elapsed(); });
    }
    qint64 now() const { return m_clock.elapsed(); }
    QList<qint64> failures;
    QList<qint64> connects;

private:
    QElapsedTimer m_clock;
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
    void floodWithoutClosingBraceIsBounded();
    void drainedMeansEveryRecordHandled();
    void repeatedKeyRecordIsRefused();
    void connectDiscardsPartialRecordButKeepsRawBytes();
    void lostConnectionIsRetriedEveryTwoSeconds();
    void dialingAgainDoesNotPostponeTheRetry();
    void unansweredConnectIsRetried();
    void vanishedDeviceIsNoticed();

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
    link()->setUploadPort(6666);
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
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, TestTimeouts::Short);
    QCOMPARE(spy.at(0).at(0).toJsonObject().value("link2").toString(), QStringLiteral("0"));
}

void TestLink::everyValidRecordAfterAFailedOneIsKept()
{
    QSignalSpy inputs(link(), &MessageDistance::receiveInputChannelStateSig);
    const quint64 failedBefore = link()->recordsFailed();
    link()->feedReceivedData("{broken,}{\"input1\":\"true\"}{\"c\":{\"d\":1}}{\"input3\":\"true\"}");
    QVERIFY(link()->waitUntilDrained(TestTimeouts::Short));
    QTRY_COMPARE_WITH_TIMEOUT(inputs.count(), 2, TestTimeouts::Short);
    QVERIFY(inputs.at(1).at(0).toJsonObject().contains("input3"));
    // The broken record and the nested one (cut at its first brace) fail.
    QCOMPARE(link()->recordsFailed() - failedBefore, quint64(2));
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

void TestLink::connectDiscardsPartialRecordButKeepsRawBytes()
{
    QSignalSpy inputs(link(), &MessageDistance::receiveInputChannelStateSig);
    QSignalSpy http(link(), &MessageDistance::si_http200Analysis);
    link()->feedReceivedData("{\"input1\":");
    QVERIFY(link()->waitUntilDrained(TestTimeouts::Short));
    // The worker is busy with a backlog of records while a notice arrives and a
    // new connection starts: the notice still reaches the raw analysis.
    QByteArray backlog;
    for (int i = 0; i < 3000; ++i)
        backlog += "{\"x\":1}";
    link()->feedReceivedData(backlog);
    link()->feedReceivedData("HTTP/1.1 200 OK\r\nContent-Length:2OK");
    connectTo(*m_device);
    QTRY_COMPARE_WITH_TIMEOUT(http.count(), 1, TestTimeouts::Medium);
    m_device->send("{\"input2\":\"true\"}");
    QTRY_VERIFY_WITH_TIMEOUT(inputs.count() >= 1, TestTimeouts::Medium);
    QCOMPARE(inputs.at(0).at(0).toJsonObject().keys(), QStringList{"input2"});
}

// Timers are observed from outside: the failure and success signals are stamped.
// Done while the link is down is dropped: the link comes back on the control port
// through its timer, never dialling the upload port.
void TestLink::lostConnectionIsRetriedEveryTwoSeconds()
{
    FakeDevice upload;
    QVERIFY(upload.listen());
    link()->setUploadPort(upload.server.serverPort());
    connectTo(*m_device);
    const quint16 port = m_device->server.serverPort();
    LinkClock clock(link());
    m_device->server.close();
    m_device->drop();
    QTRY_COMPARE_WITH_TIMEOUT(clock.failures.size(), 1, TestTimeouts::Short);
    link()->sendDone();
    QTRY_COMPARE_WITH_TIMEOUT(clock.failures.size(), 2, TestTimeouts::Medium);
    const qint64 gap = clock.failures.at(1) - clock.failures.at(0);
    QVERIFY2(gap > 1700 && gap < 3000, qPrintable(QString::number(gap)));
    QVERIFY(m_device->listen(port));
    QTRY_COMPARE_WITH_TIMEOUT(clock.connects.size(), 1, TestTimeouts::Medium);
    QTRY_VERIFY_WITH_TIMEOUT(m_device->peer, TestTimeouts::Short);
    link()->sendStatus();
    QTRY_COMPARE_WITH_TIMEOUT(m_device->received, QByteArray("{param=status}"), TestTimeouts::Short);
    QCOMPARE(link()->port(), port);
    QCOMPARE(upload.connections, 0);

    // Connecting stopped the timer: dropped half a period later, the link retries a
    // whole period after that loss, not on the old timer's beat.
    QTRY_VERIFY_WITH_TIMEOUT(clock.now() - clock.connects.at(0) >= 1000, TestTimeouts::Short);
    const int failuresBefore = clock.failures.size();
    m_device->drop();
    QTRY_COMPARE_WITH_TIMEOUT(clock.connects.size(), 2, TestTimeouts::Medium);
    const qint64 retry = clock.connects.at(1) - clock.failures.at(failuresBefore);
    QVERIFY2(retry > 1700, qPrintable(QString::number(retry)));
}

void TestLink::dialingAgainDoesNotPostponeTheRetry()
{
    const quint16 port = m_device->server.serverPort();
    m_device->server.close();
    LinkClock clock(link());
    link()->connectToDevice(QStringLiteral("127.0.0.1"), port);
    QTRY_COMPARE_WITH_TIMEOUT(clock.failures.size(), 1, TestTimeouts::Short);
    // A second loss within the period: the retry keeps the timer's first start.
    QTRY_VERIFY_WITH_TIMEOUT(clock.now() - clock.failures.at(0) >= 1000, TestTimeouts::Short);
    link()->connectToDevice(QStringLiteral("127.0.0.1"), port);
    QTRY_COMPARE_WITH_TIMEOUT(clock.failures.size(), 3, TestTimeouts::Medium);
    const qint64 gap = clock.failures.at(2) - clock.failures.at(0);
    QVERIFY2(gap > 1700 && gap < 2700, qPrintable(QString::number(gap)));
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

QTEST_MAIN(TestLink)
#include "tst_link.moc"
