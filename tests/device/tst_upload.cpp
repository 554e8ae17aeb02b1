#include "messagedistance.h"
#include "testtimeouts.h"
#include "wirepeer.h"

#include <QTcpSocket>
#include <QtTest>

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

void TestUpload::openUpload()
{
    link()->openUploadSocket(true);
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
    link()->uploadData(QStringLiteral("{param=Update_EDID2}"), data, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received(), QByteArray("{param=Update_EDID2}"), TestTimeouts::Short);
    const int pieces = (size + 499) / 500;
    for (int piece = 1; piece <= pieces; ++piece) {
        QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), data.left(piece * 500), TestTimeouts::Short);
        QCOMPARE(progress.count(), piece - 1);
        if (piece > 1)
            QCOMPARE(progress.last().at(0).toInt(), pieces - piece + 1); // entries still waiting
        m_upload->send("ok");
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received(), QByteArray("{param=Update_EDID2}{param=Done}"), TestTimeouts::Short);
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
    link()->uploadData(QStringLiteral("{param=Update_EDID1}"), first, QStringLiteral("{param=Done}"));
    link()->uploadData(QStringLiteral("{param=Update_EDID2}"), second, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), first.left(500), TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received(), QByteArray("{param=Update_EDID1}"), TestTimeouts::Short);

    m_upload->send("1");
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), first, TestTimeouts::Short);
    // Commands at the head of the queue go out together, up to the next piece.
    m_upload->send("2");
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received(),
                              QByteArray("{param=Update_EDID1}{param=Done}{param=Update_EDID2}"), TestTimeouts::Short);
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), first + second, TestTimeouts::Short);
    m_upload->send("<ACK_1>\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received(),
                              QByteArray("{param=Update_EDID1}{param=Done}{param=Update_EDID2}{param=Done}"),
                              TestTimeouts::Short);
    QVERIFY(m_failures.isEmpty());
}

void TestUpload::wrongAcknowledgementFailsOnlyThisTransfer()
{
    openUpload();
    link()->uploadData(QStringLiteral("{param=Update_EDID3}"), fileBytes(10), QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received().size(), 10, TestTimeouts::Short);
    m_upload->send("ok");
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received(), QByteArray("{param=Update_EDID3}{param=Done}"), TestTimeouts::Short);
    m_upload->send("<NAK>\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(m_failures.size(), 1, TestTimeouts::Short);
    QCOMPARE(m_failures.at(0), QStringLiteral("NetWork Error|传输文件过程网络发生错误！请重新上传"));
    // After the message: Done once more, upload socket gone, queue empty.
    QTRY_COMPARE_WITH_TIMEOUT(m_control->received(), QByteArray("{param=Update_EDID3}{param=Done}{param=Done}"),
                              TestTimeouts::Short);
    QVERIFY(!link()->isUploadConnected());
    QCOMPARE(link()->uploadQueueSize(), 0);

    // A new transfer starts afresh: the failed one's acknowledgement is no longer awaited.
    m_upload->take();
    openUpload();
    const QByteArray next = fileBytes(900);
    link()->uploadData(QStringLiteral("{param=Update_EDID1}"), next, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), next.left(500), TestTimeouts::Short);
    m_upload->send("ok");
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), next, TestTimeouts::Short);
    QCOMPARE(m_failures.size(), 1);
}

void TestUpload::notConnectedReportsThePortFailure()
{
    QVERIFY(!link()->isUploadConnected());
    link()->uploadData(QStringLiteral("{param=Update_EDID1}"), fileBytes(900), QStringLiteral("{param=Done}"));
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
    link()->uploadData(QStringLiteral("{param=Update_EDID2}"), data, QStringLiteral("{param=Done}"));
    QTRY_COMPARE_WITH_TIMEOUT(m_upload->received(), data.left(500), TestTimeouts::Short);
    link()->openUploadSocket(false);
    QCOMPARE(link()->uploadQueueSize(), 4); // three pieces, Done
    link()->feedUploadAnswer("ok");
    QCOMPARE(link()->uploadQueueSize(), 4);
    link()->openUploadSocket(true);
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
        link()->openUploadSocket(true);
        QVERIFY2(link()->isUploadConnected(), qPrintable(QString::number(tick)));
    }
}

QTEST_MAIN(TestUpload)
#include "tst_upload.moc"
