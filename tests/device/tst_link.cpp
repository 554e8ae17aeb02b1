#include "messagedistance.h"
#include "recordsignals.h"
#include "testtimeouts.h"
#include "wirepeer.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMetaMethod>
#include <QTcpSocket>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>

#ifdef Q_OS_LINUX
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

// Reply signals reach the test thread through its event loop, possibly before a
// QSignalSpy::wait() would start, so those are awaited with QTRY on the count.

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
        connect(link, &MessageDistance::connectSuccessFulSig, this, [this] {
            connects << m_clock.elapsed();
        });
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
    void recordsReachTheirSignal_data();
    void recordsReachTheirSignal();
    void eachKindHasItsSignalAndQuery_data();
    void eachKindHasItsSignalAndQuery();
    void connectDiscardsPartialRecordButKeepsRawBytes();
    void lostConnectionIsRetriedEveryTwoSeconds();
    void dialingAgainDoesNotPostponeTheRetry();
    void unansweredConnectIsRetried();
    void vanishedDeviceIsNoticed();
    void recordsOfAClosedConnectionAreNotDelivered();

private:
    MessageDistance *link() const { return MessageDistance::instance(); }
    void connectTo(WirePeer &device);
    WirePeer *m_device = nullptr;
};

void TestLink::init()
{
    m_device = new WirePeer;
    QVERIFY(m_device->listen());
}

void TestLink::cleanup()
{
    link()->disconnectFromDevice();
    link()->setUploadPort(6666);
    delete m_device;
    m_device = nullptr;
}

void TestLink::connectTo(WirePeer &device)
{
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    link()->connectToDevice(QStringLiteral("127.0.0.1"), device.port());
    QVERIFY(connected.wait(TestTimeouts::Short));
    QTRY_VERIFY_WITH_TIMEOUT(device.hasPeer(), TestTimeouts::Short);
}

// The device's bytes in reads, each handled before the next; the input records that come
// out, by their key, and how many records fail. Once drained, every record is counted.
void TestLink::recordsReachTheirSignal_data()
{
    QTest::addColumn<QByteArrayList>("reads");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("failed");
    QTest::addRow("split across reads")
        << QByteArrayList{"{\"input1\":", "\"true\"}"} << QStringList{"input1"} << 0;
    // The nested record is cut at its first closing brace and fails too.
    QTest::addRow("valid records after failed ones are kept")
        << QByteArrayList{"{broken,}{\"input1\":\"true\"}{\"c\":{\"d\":1}}{\"input3\":\"true\"}"}
        << QStringList{"input1", "input3"} << 2;
    QTest::addRow("repeated key beside an array is refused")
        << QByteArrayList{"{\"input1\":[1],\"input1\":2}{\"input3\":\"true\"}"}
        << QStringList{"input3"} << 1;
    QTest::addRow("record after a flood without closing brace")
        << QByteArrayList{"{" + QByteArray(64 * 8192, 'x'), "{\"input5\":\"true\"}"}
        << QStringList{"input5"} << 0;
    QByteArray many;
    QStringList manyKeys;
    for (int i = 0; i < 2000; ++i) {
        many += "{\"input1\":\"true\"}";
        manyKeys << "input1";
    }
    QTest::addRow("2000 records, then one more")
        << QByteArrayList{many, "{\"input2\":\"true\"}"} << (manyKeys << "input2") << 0;
}

void TestLink::recordsReachTheirSignal()
{
    QFETCH(QByteArrayList, reads);
    QFETCH(QStringList, inputs);
    QFETCH(int, failed);
    QStringList keys;
    QObject guard;
    connect(link(),
            &MessageDistance::receiveInputChannelStateSig,
            &guard,
            [&](const QJsonObject &o) { keys << o.keys().join(','); });
    const quint64 parsedBefore = link()->recordsParsed();
    const quint64 failedBefore = link()->recordsFailed();
    for (const QByteArray &read : qAsConst(reads)) {
        link()->feedReceivedData(read);
        QVERIFY(link()->waitUntilDrained(TestTimeouts::Medium));
    }
    QCOMPARE(link()->recordsParsed() - parsedBefore, quint64(inputs.size()));
    QCOMPARE(link()->recordsFailed() - failedBefore, quint64(failed));
    QTRY_COMPARE_WITH_TIMEOUT(keys.size(), inputs.size(), TestTimeouts::Short);
    QCOMPARE(keys, inputs);
}

// One record of each kind raises the signal named for it, and the record table names
// the query it answers (empty for a change notice).
void TestLink::eachKindHasItsSignalAndQuery_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("query");
    QTest::addRow("version") << QByteArray(R"({"type":"t","MCU":"1","FPGA":"2","device":"d"})")
                             << "receiveVersionSig"
                             << "version";
    QTest::addRow("routing") << QByteArray(R"({"video":"1","audio":"2","IR":"3"})")
                             << "receiveVideoAudioIRMapSig"
                             << "status";
    QTest::addRow("window status")
        << QByteArray("{window1:1,2,window2:3,4,window3:5,6,window4:7,8,VIR:1,AUDIO:2}")
        << "receiveWindowStatusSig"
        << "status";
    QTest::addRow("input presence")
        << QByteArray(R"({"input1":"true"})") << "receiveInputChannelStateSig"
        << "inputinfo";
    QTest::addRow("network") << QByteArray(R"({"ip":"1","gateway":"2","subnet":"3"})")
                             << "receiveNetWorkImforamtionSig"
                             << "netInfo";
    QTest::addRow("resolutions") << QByteArray(R"({"in1":1920x1080,"out1":3840x2160})")
                                 << "receiveInOutChannelResolutionMapSig"
                                 << "resolution";
    QTest::addRow("output link") << QByteArray(R"({"link1":1})") << "receiveOutputInfoSig"
                                 << "outputinfo";
    QTest::addRow("binding") << QByteArray(R"({"bind":"1","mode":"2"})") << "receiveBindInfoSig"
                             << "bindinfo";
    QTest::addRow("volume") << QByteArray(R"({"Volume":"1"})") << "receiveVolumnImformationSig"
                            << "Get_Volume";
    QTest::addRow("caption") << QByteArray(R"({"switch":"1"})") << "receiveTitleImfSig"
                             << "Get_Subtitle";
    QTest::addRow("rotation") << QByteArray(R"({"Angle":"1"})") << "receiveRotateAngleSig"
                              << "Get_Rotate";
    QTest::addRow("hdcp") << QByteArray(R"({"hdcp_in":"1"})") << "receiveHDCPInfoSig"
                          << "hdcpinfo";
    QTest::addRow("change notice")
        << QByteArray("{Output_Lock_change=3}") << "receiveChangedByOthersSig"
        << "";
}

void TestLink::eachKindHasItsSignalAndQuery()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, signal);
    QFETCH(QString, query);
    // Every record signal of the link, found by its parameter rather than by a list.
    std::map<QString, std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject &meta = MessageDistance::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        if (m.methodType() == QMetaMethod::Signal && m.parameterCount() == 1 &&
            m.parameterType(0) == QMetaType::QJsonObject)
            spies[QString::fromLatin1(m.name())] = std::make_unique<QSignalSpy>(
                link(), QByteArray('2' + m.methodSignature()).constData());
    }
    QCOMPARE(int(spies.size()), int(RecordSignals::end() - RecordSignals::begin()));
    QVERIFY(spies.count(signal));
    link()->feedReceivedData(record);
    QVERIFY(link()->waitUntilDrained(TestTimeouts::Medium));
    QTRY_COMPARE_WITH_TIMEOUT(spies[signal]->count(), 1, TestTimeouts::Short);
    for (const auto &spy : spies)
        QCOMPARE(spy.second->count(), spy.first == signal ? 1 : 0);

    const auto named = [&](const RecordSignals::Entry &e) {
        return QMetaMethod::fromSignal(e.signal).name() == signal.toLatin1();
    };
    const auto entry = std::find_if(RecordSignals::begin(), RecordSignals::end(), named);
    QVERIFY(entry != RecordSignals::end());
    QCOMPARE(&RecordSignals::of(entry->kind), entry);
    QCOMPARE(QString::fromLatin1(entry->query), query);
}

// The worker is busy with a backlog when a notice and the start of a record arrive and
// a new connection starts: the notice still reaches the raw analysis, the partial
// record is gone.
void TestLink::connectDiscardsPartialRecordButKeepsRawBytes()
{
    QSignalSpy inputs(link(), &MessageDistance::receiveInputChannelStateSig);
    QSignalSpy http(link(), &MessageDistance::si_http200Analysis);
    const quint64 parsed = link()->recordsParsed();
    QByteArray backlog;
    for (int i = 0; i < 1000; ++i)
        backlog += "{\"x\":\"" + QByteArray(2000, 'b') + "\"}";
    link()->feedReceivedData(backlog);
    QDeadlineTimer deadline(TestTimeouts::Short);
    while (link()->recordsParsed() == parsed && !deadline.hasExpired())
        QThread::yieldCurrentThread();
    link()->feedReceivedData("HTTP/1.1 200 OK\r\nContent-Length:2OK{\"input1\":");
    connectTo(*m_device);
    QTRY_COMPARE_WITH_TIMEOUT(http.count(), 1, TestTimeouts::Medium);
    m_device->send("\"true\"}{\"input2\":\"true\"}");
    QTRY_VERIFY_WITH_TIMEOUT(inputs.count() >= 1, TestTimeouts::Medium);
    QCOMPARE(inputs.at(0).at(0).toJsonObject().keys(), QStringList{"input2"});
}

// Timers are observed from outside: the failure and success signals are stamped.
// Done while the link is down is dropped: the link comes back on the control port
// through its timer, never dialling the upload port.
void TestLink::lostConnectionIsRetriedEveryTwoSeconds()
{
    WirePeer upload;
    QVERIFY(upload.listen());
    link()->setUploadPort(upload.port());
    connectTo(*m_device);
    const quint16 port = m_device->port();
    LinkClock clock(link());
    m_device->close();
    m_device->drop();
    QTRY_COMPARE_WITH_TIMEOUT(clock.failures.size(), 1, TestTimeouts::Short);
    link()->sendDone();
    QTRY_COMPARE_WITH_TIMEOUT(clock.failures.size(), 2, TestTimeouts::Medium);
    const qint64 gap = clock.failures.at(1) - clock.failures.at(0);
    QVERIFY2(gap > 1700 && gap < 3000, qPrintable(QString::number(gap)));
    QVERIFY(m_device->listen(port));
    QTRY_COMPARE_WITH_TIMEOUT(clock.connects.size(), 1, TestTimeouts::Medium);
    QTRY_VERIFY_WITH_TIMEOUT(m_device->hasPeer(), TestTimeouts::Short);
    link()->sendStatus();
    QTRY_COMPARE_WITH_TIMEOUT(
        m_device->received(), QByteArray("{param=status}"), TestTimeouts::Short);
    QCOMPARE(link()->port(), port);
    QVERIFY(!upload.hasPeer());

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
    const quint16 port = m_device->port();
    m_device->close();
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
    const int fd = int(m_device->peer()->socketDescriptor());
    if (::setsockopt(fd, IPPROTO_TCP, TCP_REPAIR, &on, sizeof on) != 0)
        QSKIP("closing a connection silently needs CAP_NET_ADMIN");
    m_device->drop();
    QCoreApplication::processEvents();
    QVERIFY(link()->isConnected());
    QVERIFY(failed.wait(TestTimeouts::Long));
#else
    QSKIP("the silent close needs Linux");
#endif
}

// A record parsed before the disconnect, its delivery still queued, would reach the
// next connection's receivers as if the new device had sent it.
void TestLink::recordsOfAClosedConnectionAreNotDelivered()
{
    QStringList keys;
    QObject guard;
    connect(link(), &MessageDistance::receiveRotateAngleSig, &guard, [&](const QJsonObject &o) {
        keys << o.keys().join(',');
    });
    link()->feedReceivedData(R"({"Angle1":0})");
    QVERIFY(link()->waitUntilDrained(TestTimeouts::Medium));
    link()->disconnectFromDevice();
    // Deliveries keep their order, so a stale one would come first.
    link()->feedReceivedData(R"({"Angle2":0})");
    QTRY_VERIFY_WITH_TIMEOUT(!keys.isEmpty(), TestTimeouts::Medium);
    QCOMPARE(keys, QStringList{"Angle2"});
}

QTEST_MAIN(TestLink)
#include "tst_link.moc"
