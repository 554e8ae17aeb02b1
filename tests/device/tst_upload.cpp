#include "messagedistance.h"
#include "testtimeouts.h"
#include "wirepeer.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// An upload port that answers late: a listener whose accept queue is already full, so
// the kernel drops the client's connection request and the client repeats it about a
// second later. Until accepting() the queue stays full and the client never connects.
class LatePeer : public QObject
{
public:
    ~LatePeer() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool listen()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
            ::listen(m_fd, 0) != 0 ||
            ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return false;
        m_port = ntohs(address.sin_port);
        // Takes the one place of the queue.
        QSignalSpy connected(&m_filler, &QTcpSocket::connected);
        m_filler.connectToHost(QHostAddress::LocalHost, m_port);
        return connected.wait(TestTimeouts::Short);
    }
    quint16 port() const { return m_port; }
    void startAccepting()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                // The first is the filler; the next is the client.
                if (++m_accepted == 2)
                    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                        m_received += socket->readAll();
                    });
            }
        });
        m_server.setSocketDescriptor(m_fd);
        m_fd = -1;
    }
    QByteArray received() const { return m_received; }

private:
    int m_fd = -1;
    quint16 m_port = 0;
    QTcpSocket m_filler;
    QTcpServer m_server;
    int m_accepted = 0;
    QByteArray m_received;
};

class TestUpload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void piecesFollowTheAnswers_data();
    void piecesFollowTheAnswers();
    void secondUploadWaitsItsTurn();
    void wrongAcknowledgementFailsOnlyThisTransfer();
    void notConnectedReportsThePortFailure();
    void queuedPieceGoesOutWhenTheUploadSocketReconnects();
    void uploadSocketClosesASecondAfterDone();
    void http200ClosesTheUploadSocketAtOnce();
    void closeCountdownClosesThreeTimes();
    void openingWaitsWithoutBlocking_data();
    void openingWaitsWithoutBlocking();

private:
    MessageDistance *link() const { return MessageDistance::instance(); }
    void openUpload();
    WirePeer *m_control = nullptr;
    WirePeer *m_upload = nullptr;
    QStringList m_failures;
};

void TestUpload::init()
{
    m_failures.clear();
    m_control = new WirePeer;
    m_upload = new WirePeer;
    QVERIFY(m_control->listen());
    QVERIFY(m_upload->listen());
    link()->setUploadPort(m_upload->port());
    link()->setUploadFailureHook([this](const QString &heading, const QString &text) {
        m_failures << heading + QLatin1Char('|') + text;
    });
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    link()->connectToDevice(QStringLiteral("127.0.0.1"), m_control->port());
    QVERIFY(connected.wait(TestTimeouts::Short));
    QTRY_VERIFY_WITH_TIMEOUT(m_control->hasPeer(), TestTimeouts::Short);
}

void TestUpload::cleanup()
{
    link()->setUploadFailureHook(nullptr);
    link()->disconnectFromDevice();
    delete m_control;
    delete m_upload;
}

// Opening returns at once; the outcome comes as a signal.
static void openUploadSocketAndWait()
{
    QSignalSpy finished(MessageDistance::instance(), &MessageDistance::uploadOpenFinished);
    MessageDistance::instance()->openUploadSocket(true);
    QVERIFY(finished.count() == 1 || finished.wait(TestTimeouts::Medium));
}

void TestUpload::openUpload()
{
    openUploadSocketAndWait();
    QVERIFY(link()->isUploadConnected());
    QTRY_VERIFY_WITH_TIMEOUT(m_upload->hasPeer(), TestTimeouts::Short);
}

static QByteArray fileBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = static_cast<char>(i * 7 + 3);
    return data;
}

void TestUpload::piecesFollowTheAnswers_data()
{
    QTest::addColumn<int>("size");
    QTest::addRow("exactly one piece") << 500;
    QTest::addRow("one byte over") << 501;
    QTest::addRow("1200 bytes") << 1200;
}

// The first piece goes out at once, every answer releases the next, and the
// answer to the last one sends Done on the control connection.
void TestUpload::piecesFollowTheAnswers()
{
    QFETCH(int, size);
    openUpload();
    const QByteArray data = fileBytes(size);
    QSignalSpy progress(link(), &MessageDistance::si_updateProgressVal);
    QSignalSpy finished(link(), &MessageDistance::si_osdUploadFinish);
    link()->uploadData(
        QStringLiteral("{param=Update_EDID2}"), data, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(
        m_control->received(), QByteArray("{param=Update_EDID2}"), TestTimeouts::Short);
    const int pieces = (size + 499) / 500;
    for (int piece = 1; piece <= pieces; ++piece) {
        QTRY_COMPARE_WITH_TIMEOUT(
            m_upload->received(), data.left(piece * 500), TestTimeouts::Short);
        QCOMPARE(progress.count(), piece - 1);
        if (piece > 1)
            QCOMPARE(progress.last().at(0).toInt(), pieces - piece + 1); // entries still waiting
        m_upload->send("ok");
    }
    QTRY_COMPARE_WITH_TIMEOUT(
        m_control->received(), QByteArray("{param=Update_EDID2}{param=Done}"), TestTimeouts::Short);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!link()->isUploadBusy());
    m_upload->send("<ACK_1>\r\n");
    // A query after the acknowledgement: nothing but its answer follows.
    link()->sendStatus();
    QTRY_VERIFY_WITH_TIMEOUT(m_control->received().endsWith("{param=status}"), TestTimeouts::Short);
    QVERIFY(m_failures.isEmpty());
    QCOMPARE(m_upload->received(), data);
}

void TestUpload::secondUploadWaitsItsTurn()
{
    openUpload();
    const QByteArray first = fileBytes(600);
    const QByteArray second = QByteArray(300, 'B');
    link()->uploadData(
        QStringLiteral("{param=Update_EDID1}"), first, QStringLiteral("{param=Done}"));
    link()->uploadData(
        QStringLiteral("{param=Update_EDID2}"), second, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), first.left(500), TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(
        m_control->received(), QByteArray("{param=Update_EDID1}"), TestTimeouts::Short);

    m_upload->send("1");
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), first, TestTimeouts::Short);
    // Commands at the head of the queue go out together, up to the next piece.
    m_upload->send("2");
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received(),
                              QByteArray("{param=Update_EDID1}{param=Done}{param=Update_EDID2}"),
                              TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), first + second, TestTimeouts::Short);
    m_upload->send("<ACK_1>\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(
        m_control->received(),
        QByteArray("{param=Update_EDID1}{param=Done}{param=Update_EDID2}{param=Done}"),
        TestTimeouts::Short);
    QVERIFY(m_failures.isEmpty());
}

void TestUpload::wrongAcknowledgementFailsOnlyThisTransfer()
{
    openUpload();
    link()->uploadData(
        QStringLiteral("{param=Update_EDID3}"), fileBytes(10), QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received().size(), 10, TestTimeouts::Short);
    m_upload->send("ok");
    QTRY_COMPARE_WITH_TIMEOUT(
        m_control->received(), QByteArray("{param=Update_EDID3}{param=Done}"), TestTimeouts::Short);
    m_upload->send("<NAK>\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(m_failures.size(), 1, TestTimeouts::Short);
    QCOMPARE(m_failures.at(0),
             QStringLiteral("NetWork Error|传输文件过程网络发生错误！请重新上传"));
    // After the message: Done once more, upload socket gone, queue empty.
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received(),
                              QByteArray("{param=Update_EDID3}{param=Done}{param=Done}"),
                              TestTimeouts::Short);
    QVERIFY(!link()->isUploadConnected());
    QCOMPARE(link()->uploadQueueSize(), 0);

    // A new transfer starts afresh: the failed one's acknowledgement is no longer awaited.
    m_upload->take();
    openUpload();
    const QByteArray next = fileBytes(900);
    link()->uploadData(
        QStringLiteral("{param=Update_EDID1}"), next, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), next.left(500), TestTimeouts::Short);
    m_upload->send("ok");
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), next, TestTimeouts::Short);
    QCOMPARE(m_failures.size(), 1);
}

void TestUpload::notConnectedReportsThePortFailure()
{
    QVERIFY(!link()->isUploadConnected());
    link()->uploadData(
        QStringLiteral("{param=Update_EDID1}"), fileBytes(900), QStringLiteral("{param=Done}"));
    QCOMPARE(m_failures, QStringList{QStringLiteral("NetWork Error|传输文件端口连接发生错误！")});
    QCOMPARE(link()->uploadQueueSize(), 0);
    QVERIFY(!link()->isUploadBusy());
    QTest::qWait(0);
    QCOMPARE(m_control->received(), QByteArray()); // not even the announcement
}

// The upload socket drops mid-transfer and a late answer makes a piece due: the
// queue is kept, and the due piece goes out first when the socket is opened again.
void TestUpload::queuedPieceGoesOutWhenTheUploadSocketReconnects()
{
    openUpload();
    const QByteArray data = fileBytes(1600);
    link()->uploadData(
        QStringLiteral("{param=Update_EDID2}"), data, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), data.left(500), TestTimeouts::Short);
    link()->openUploadSocket(false);
    QCOMPARE(link()->uploadQueueSize(), 4); // three pieces, Done
    link()->feedUploadAnswer("ok");
    QCOMPARE(link()->uploadQueueSize(), 4);
    openUploadSocketAndWait();
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), data.left(1000), TestTimeouts::Short);
}

// Delays are measured from outside: when the device sees the upload connection end.
static qint64 msUntilClosed(WirePeer *upload, const QElapsedTimer &clock)
{
    QTcpSocket *socket = upload->peer();
    if (!socket)
        return -1;
    if (socket->state() == QAbstractSocket::ConnectedState)
        QSignalSpy(socket, &QTcpSocket::disconnected).wait(TestTimeouts::Medium);
    return clock.elapsed();
}

void TestUpload::uploadSocketClosesASecondAfterDone()
{
    openUpload();
    QSignalSpy disabled(link(), &MessageDistance::si_setDisableUiObject);
    QElapsedTimer clock;
    clock.start();
    link()->sendDoneCommand();
    const qint64 ms = msUntilClosed(m_upload, clock);
    QVERIFY2(ms > 700 && ms < 2000, qPrintable(QString::number(ms)));
    QVERIFY(!link()->isUploadConnected());
    QCOMPARE(disabled.count(), 1);
    QCOMPARE(disabled.at(0).at(0).toBool(), false);
}

void TestUpload::http200ClosesTheUploadSocketAtOnce()
{
    openUpload();
    QElapsedTimer clock;
    clock.start();
    link()->sendDoneCommand();
    m_control->send("HTTP/1.1 200 OK\r\nContent-Length:2OK");
    const qint64 ms = msUntilClosed(m_upload, clock);
    QVERIFY2(ms >= 0 && ms < 600, qPrintable(QString::number(ms)));
}

// The countdown aborts the upload socket once a second, three times.
void TestUpload::closeCountdownClosesThreeTimes()
{
    openUpload();
    link()->setUploadCloseCountdown(true);
    for (int tick = 1; tick <= 3; ++tick) {
        QTRY_VERIFY_WITH_TIMEOUT(!link()->isUploadConnected(), TestTimeouts::Short);
        openUploadSocketAndWait();
        QVERIFY2(link()->isUploadConnected(), qPrintable(QString::number(tick)));
    }
}

void TestUpload::openingWaitsWithoutBlocking_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("connected");
    QTest::addRow("accepted late: connects, then uploads") << "late" << true;
    QTest::addRow("never accepted: fails at the timeout") << "never" << false;
    QTest::addRow("refused: fails without waiting") << "refused" << false;
}

// The GUI thread keeps running events while the upload socket connects; the outcome
// arrives as a signal and the upload (or its failure) follows it.
void TestUpload::openingWaitsWithoutBlocking()
{
    QFETCH(QString, port);
    QFETCH(bool, connected);
    LatePeer late;
    if (port == QLatin1String("refused")) {
        m_upload->close(); // nothing listens there now
    } else {
        QVERIFY(late.listen());
        link()->setUploadPort(late.port());
    }
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(20);
    QSignalSpy finished(link(), &MessageDistance::uploadOpenFinished);
    QElapsedTimer clock;
    clock.start();
    link()->openUploadSocket(true);
    QCOMPARE(finished.count(), 0); // returned before the outcome
    if (port == QLatin1String("late"))
        QTimer::singleShot(300, this, [&late] { late.startAccepting(); });
    QVERIFY(finished.wait(TestTimeouts::Medium));
    const qint64 ms = clock.elapsed();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), connected);
    QCOMPARE(link()->isUploadConnected(), connected);
    if (port == QLatin1String("refused")) {
        QVERIFY2(ms < UploadChannel::ConnectTimeoutMs, qPrintable(QString::number(ms)));
    } else {
        // The device's late answer (or the timeout) comes after the kernel's one-second
        // retry; the event loop ran all along.
        QVERIFY2(ms >= 900, qPrintable(QString::number(ms)));
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    }
    if (port == QLatin1String("never"))
        QVERIFY2(ms >= UploadChannel::ConnectTimeoutMs - 100, qPrintable(QString::number(ms)));

    const QByteArray data = fileBytes(700);
    link()->uploadData(
        QStringLiteral("{param=Update_EDID2}"), data, QStringLiteral("{param=Done}"));
    if (connected) {
        QTRY_COMPARE_WITH_TIMEOUT(late.received(), data.left(500), TestTimeouts::Short);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_control->received(), QByteArray("{param=Update_EDID2}"), TestTimeouts::Short);
        QVERIFY(m_failures.isEmpty());
    } else {
        QCOMPARE(m_failures,
                 QStringList{QStringLiteral("NetWork Error|传输文件端口连接发生错误！")});
    }
}

QTEST_MAIN(TestUpload)
#include "tst_upload.moc"
