#include "messagedistance.h"
#include "testtimeouts.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

// Collects what arrives on one accepted connection of a server.
struct Peer
{
    QTcpServer server;
    QPointer<QTcpSocket> socket;
    QByteArray received;

    void listen(QObject *context)
    {
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QObject::connect(&server, &QTcpServer::newConnection, context, [this, context] {
            socket = server.nextPendingConnection();
            received.clear();
            QObject::connect(socket, &QTcpSocket::readyRead, context, [this] { received += socket->readAll(); });
        });
    }
    void answer(const QByteArray &bytes)
    {
        socket->write(bytes);
        socket->flush();
    }
};

class TestUpload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void worked1200ByteSequence();
    void pieceEdges_data();
    void pieceEdges();
    void emptyDataQueuesTheEndCommand();
    void secondUploadWaitsItsTurn();
    void wrongAcknowledgementFailsTheTransfer();
    void notConnectedReportsThePortFailure();
    void uploadSocketClosesAfterDone();

private:
    MessageDistance *link() const { return MessageDistance::instance(); }
    void openUpload();
    Peer *m_control = nullptr;
    Peer *m_upload = nullptr;
    QStringList m_failures;
};

void TestUpload::init()
{
    m_failures.clear();
    m_control = new Peer;
    m_upload = new Peer;
    m_control->listen(this);
    m_upload->listen(this);
    link()->setUploadPort(m_upload->server.serverPort());
    link()->setUploadFailureHook([this](const QString &heading, const QString &text) {
        m_failures << heading + QLatin1Char('|') + text;
    });
    QSignalSpy connected(link(), &MessageDistance::connectSuccessFulSig);
    link()->connectToDevice(QStringLiteral("127.0.0.1"), m_control->server.serverPort());
    QVERIFY(connected.wait(TestTimeouts::Short));
    QTRY_VERIFY_WITH_TIMEOUT(m_control->socket, TestTimeouts::Short);
}

void TestUpload::cleanup()
{
    link()->setUploadFailureHook(nullptr);
    link()->disconnectFromDevice();
    delete m_control;
    delete m_upload;
}

void TestUpload::openUpload()
{
    link()->openUploadSocket(true);
    QVERIFY(link()->isUploadConnected());
    QTRY_VERIFY_WITH_TIMEOUT(m_upload->socket, TestTimeouts::Short);
}

static QByteArray fileBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = static_cast<char>(i * 7 + 3);
    return data;
}

void TestUpload::worked1200ByteSequence()
{
    openUpload();
    const QByteArray data = fileBytes(1200);
    QSignalSpy progress(link(), &MessageDistance::si_updateProgressVal);
    QSignalSpy finished(link(), &MessageDistance::si_osdUploadFinish);

    link()->uploadData(QStringLiteral("{param=Update_EDID2}"), data, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received, QByteArray("{param=Update_EDID2}"), TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received, data.left(500), TestTimeouts::Short);
    QVERIFY(link()->isUploadBusy());
    QCOMPARE(link()->uploadQueueSize(), 3);

    m_upload->answer("ok");
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received, data.left(1000), TestTimeouts::Short);
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.at(0).at(0).toInt(), 2);

    m_upload->answer("ok");
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received, data, TestTimeouts::Short);
    QCOMPARE(progress.at(1).at(0).toInt(), 1);

    m_upload->answer("ok");
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received, QByteArray("{param=Update_EDID2}{param=Done}"), TestTimeouts::Short);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(link()->uploadQueueSize(), 0);
    QVERIFY(!link()->isUploadBusy());

    m_upload->answer("<ACK_1>\r\n");
    QTest::qWait(0);
    QTRY_VERIFY_WITH_TIMEOUT(m_upload->socket.isNull() || m_upload->socket->bytesAvailable() == 0, TestTimeouts::Short);
    QVERIFY(m_failures.isEmpty());
    QCOMPARE(m_upload->received, data); // nothing after the last piece
}

void TestUpload::pieceEdges_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("queued");
    QTest::addColumn<int>("lastPiece");
    QTest::addRow("exactly 500") << 500 << 1 << 0;
    QTest::addRow("501") << 501 << 2 << 1;
    QTest::addRow("1000") << 1000 << 2 << 500;
    QTest::addRow("1") << 1 << 1 << 0;
}

void TestUpload::pieceEdges()
{
    QFETCH(int, size);
    QFETCH(int, queued);
    QFETCH(int, lastPiece);
    openUpload();
    const QByteArray data = fileBytes(size);
    link()->uploadData(QString(), data, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received, data.left(500), TestTimeouts::Short);
    QCOMPARE(link()->uploadQueueSize(), queued);
    if (lastPiece > 0) {
        m_upload->answer("go");
        QTRY_COMPARE_WITH_TIMEOUT(m_upload->received.size(), size, TestTimeouts::Short);
        QCOMPARE(m_upload->received, data);
    }
    m_upload->answer("go");
    QTRY_VERIFY_WITH_TIMEOUT(m_control->received.endsWith("{param=Done}"), TestTimeouts::Short);
    QVERIFY(!link()->isUploadBusy());
}

void TestUpload::emptyDataQueuesTheEndCommand()
{
    openUpload();
    link()->uploadData(QStringLiteral("{param=Upload_Subtitle1}"), QByteArray(), QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received, QByteArray("{param=Upload_Subtitle1}"), TestTimeouts::Short);
    QVERIFY(!link()->isUploadBusy());
    QCOMPARE(link()->uploadQueueSize(), 1);
    m_upload->answer("x");
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received, QByteArray("{param=Upload_Subtitle1}{param=Done}"), TestTimeouts::Short);
}

void TestUpload::secondUploadWaitsItsTurn()
{
    openUpload();
    const QByteArray first = fileBytes(600);
    const QByteArray second = QByteArray(300, 'B');
    link()->uploadData(QStringLiteral("{param=Update_EDID1}"), first, QStringLiteral("{param=Done}"));
    link()->uploadData(QStringLiteral("{param=Update_EDID2}"), second, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received, first.left(500), TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received, QByteArray("{param=Update_EDID1}"), TestTimeouts::Short);
    QCOMPARE(link()->uploadQueueSize(), 5); // piece, Done, announce, piece, Done

    m_upload->answer("1");
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received, first, TestTimeouts::Short);
    // Commands at the head of the queue go out together, up to the next piece.
    m_upload->answer("2");
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received,
                              QByteArray("{param=Update_EDID1}{param=Done}{param=Update_EDID2}"), TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received, first + second, TestTimeouts::Short);
    m_upload->answer("<ACK_1>\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received,
                              QByteArray("{param=Update_EDID1}{param=Done}{param=Update_EDID2}{param=Done}"),
                              TestTimeouts::Short);
    QVERIFY(m_failures.isEmpty());
}

void TestUpload::wrongAcknowledgementFailsTheTransfer()
{
    openUpload();
    link()->uploadData(QStringLiteral("{param=Update_EDID3}"), fileBytes(10), QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received.size(), 10, TestTimeouts::Short);
    m_upload->answer("ok");
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received, QByteArray("{param=Update_EDID3}{param=Done}"), TestTimeouts::Short);
    m_upload->answer("<NAK>\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(m_failures.size(), 1, TestTimeouts::Short);
    QCOMPARE(m_failures.at(0), QStringLiteral("NetWork Error|传输文件过程网络发生错误！请重新上传"));
    // After the message: Done once more, upload socket gone, queue empty.
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received, QByteArray("{param=Update_EDID3}{param=Done}{param=Done}"),
                              TestTimeouts::Short);
    QVERIFY(!link()->isUploadConnected());
    QCOMPARE(link()->uploadQueueSize(), 0);
    QVERIFY(!link()->isUploadBusy());
}

void TestUpload::notConnectedReportsThePortFailure()
{
    QVERIFY(!link()->isUploadConnected());
    link()->uploadData(QStringLiteral("{param=Update_EDID1}"), fileBytes(900), QStringLiteral("{param=Done}"));
    QCOMPARE(m_failures, QStringList{QStringLiteral("NetWork Error|传输文件端口连接发生错误！")});
    QCOMPARE(link()->uploadQueueSize(), 0);
    QVERIFY(!link()->isUploadBusy());
    QTest::qWait(0);
    QCOMPARE(m_control->received, QByteArray()); // not even the announcement
}

void TestUpload::uploadSocketClosesAfterDone()
{
    openUpload();
    QSignalSpy disabled(link(), &MessageDistance::si_setDisableUiObject);
    link()->sendDoneCommand();
    QVERIFY(link()->isUploadConnected());
    QTRY_VERIFY_WITH_TIMEOUT(!link()->isUploadConnected(), TestTimeouts::Medium);
    QVERIFY(disabled.count() >= 1);
    QCOMPARE(disabled.at(0).at(0).toBool(), false);
}

QTEST_MAIN(TestUpload)
#include "tst_upload.moc"
