#include "activitylog.h"
#include "commandtap.h"
#include "linkindicator.h"
#include "messagedistance.h"
#include "networkform.h"
#include "signalsearch.h"
#include "staletracker.h"
#include "takeundo.h"
#include "testtimeouts.h"

#include <QtTest>

// The window-free logic behind the indicator, the stale marker, the activity view,
// undo and the network page.
class tst_OperatorLogic : public QObject
{
    Q_OBJECT

private slots:
    void indicator_data();
    void indicator();
    void indicatorGivesUp();
    void staleAfterSilence();
    void activityNewestFirstAndBounded();
    void tapHearsTheLink();
    void undoKeepsRealChanges();
    void networkFields_data();
    void networkFields();
    void networkConfirmationNamesOldAndNew();
    void signalSearch_data();
    void signalSearch();
};

// c: connecting, f: failed, s: connected
void tst_OperatorLogic::indicator_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("word");
    QTest::addRow("first attempt, reported twice") << "cc" << "Connecting";
    QTest::addRow("connected") << "ccs" << "Connected";
    QTest::addRow("two retries") << "ccfccfcc" << "Connecting, retry 2";
    QTest::addRow("lost after connecting") << "csf" << "Disconnected";
    QTest::addRow("retrying after a loss") << "csfcc" << "Connecting, retry 1";
    QTest::addRow("back: count starts over") << "cfcsfc" << "Connecting, retry 1";
}

void tst_OperatorLogic::indicator()
{
    QFETCH(QString, events);
    LinkIndicator indicator;
    for (const QChar e : events) {
        if (e == 'c')
            indicator.linkConnecting();
        else if (e == 'f')
            indicator.linkFailed();
        else
            indicator.linkConnected();
    }
    QTEST(indicator.word(), "word");
    QCOMPARE(indicator.offlineReason().isEmpty(), indicator.word() == "Connected");
}

void tst_OperatorLogic::indicatorGivesUp()
{
    LinkIndicator indicator(nullptr, 50);
    indicator.linkConnecting();
    indicator.linkFailed();
    QCOMPARE(indicator.state(), LinkIndicator::State::Connecting);
    QTRY_COMPARE_WITH_TIMEOUT(indicator.state(), LinkIndicator::State::Disconnected,
                              TestTimeouts::Short);
}

void tst_OperatorLogic::staleAfterSilence()
{
    StaleTracker tracker(nullptr, 100);
    QSignalSpy stale(&tracker, &StaleTracker::staleChanged);
    tracker.commandSent("{param=3VIDEO5}"); // not a query: nothing to wait for
    tracker.commandSent("{param=status}");
    tracker.recordReceived("status");
    tracker.commandSent("{param=netInfo}");
    QVERIFY(stale.wait(TestTimeouts::Short));
    QCOMPARE(stale.last().first().toBool(), true);
    QVERIFY(tracker.lastRecord().isValid());
    tracker.recordReceived("bindinfo"); // any record: the picture is current again
    QCOMPARE(stale.last().first().toBool(), false);
    QCOMPARE(StaleTracker::queryOf("{param=Get_OSD3}"), QStringLiteral("Get_Subtitle"));
}

void tst_OperatorLogic::activityNewestFirstAndBounded()
{
    ActivityLog log;
    log.addSent("{param=status}");
    log.addReceived("{\"video1\":1}");
    QVERIFY(log.data(log.index(0)).toString().endsWith("received  {\"video1\":1}"));
    QVERIFY(log.copyText().split('\n').at(1).endsWith("sent  {param=status}"));
    for (int i = 0; i < ActivityLog::MaxEntries + 10; ++i)
        log.addSent(QStringLiteral("{param=%1VIDEO1}").arg(i));
    QCOMPARE(log.rowCount(), ActivityLog::MaxEntries);
    QVERIFY(log.copyText({0}).endsWith(QStringLiteral("{param=%1VIDEO1}").arg(ActivityLog::MaxEntries + 9)));
    log.addReceived(QString(5000, 'x'));
    QVERIFY(log.data(log.index(0)).toString().size() < 600);
}

// The tap hears what the link really writes, also with debug turned off as the test
// environment does (QT_LOGGING_RULES=*.debug=false).
void tst_OperatorLogic::tapHearsTheLink()
{
    CommandTap::install();
    QSignalSpy sent(CommandTap::instance(), &CommandTap::commandSent);
    MessageDistance::instance()->sendSwitch(3, 0, 5);
    QVERIFY(!sent.isEmpty());
    QCOMPARE(sent.last().first().toString(), QStringLiteral("{param=3VIDEO5}"));
    qDebug() << "send: finished"; // not a command
    QCOMPARE(sent.size(), 1);
}

void tst_OperatorLogic::undoKeepsRealChanges()
{
    TakeUndo undo;
    undo.recordRoute(0, {{5, 3, 3}, {6, 0, 2}}); // unchanged, and nothing before
    QVERIFY(!undo.canUndo());
    undo.recordRoute(0, {{5, 3, 4}, {6, 1, 4}});
    undo.recordWallPreset(0, 2);
    QCOMPARE(int(undo.takeLast().kind), int(TakeUndo::Kind::WallPreset));
    const TakeUndo::Take take = undo.takeLast();
    QCOMPARE(take.switches.size(), 2);
    QCOMPARE(take.switches.at(1).previousSource, 1);
    for (int i = 0; i < TakeUndo::MaxTakes + 5; ++i)
        undo.recordWallPreset(0, 1);
    QCOMPARE(undo.size(), TakeUndo::MaxTakes);
}

void tst_OperatorLogic::networkFields_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QList<int>>("bad");
    const QStringList good{"10.0.0.5", "10.0.0.1", "255.255.255.0", "02:00:00:00:00:01"};
    QTest::addRow("all complete") << good << QList<int>{};
    QTest::addRow("the half-typed values that cut a device off")
        << QStringList{"99.30.1.1", "", "255.255", "11:22"} << QList<int>{1, 2, 3};
}

void tst_OperatorLogic::networkFields()
{
    QFETCH(QStringList, values);
    QFETCH(QList<int>, bad);
    const NetworkForm::Values v{values[0], values[1], values[2], values[3]};
    QList<int> got;
    for (NetworkForm::Field f : NetworkForm::badFields(v))
        got << int(f);
    QCOMPARE(got, bad);
    QCOMPARE(NetworkForm::problem(v).isEmpty(), bad.isEmpty());
}

void tst_OperatorLogic::networkConfirmationNamesOldAndNew()
{
    const NetworkForm::Values before{"192.168.1.188", "192.168.1.1", "255.255.255.0", "00:1A:2B:3C:4D:5E"};
    NetworkForm::Values after = before;
    after.ip = "10.0.0.5";
    const QString text = NetworkForm::confirmation(before, after);
    QVERIFY2(text.contains("IP address: 192.168.1.188 → 10.0.0.5"), qPrintable(text));
    QVERIFY2(text.contains("Gateway: 192.168.1.1 (unchanged)"), qPrintable(text));
}

void tst_OperatorLogic::signalSearch_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("shown");
    QTest::addRow("number") << " [3] Camera" << "3" << true;
    QTest::addRow("number is the port, not a digit in another") << " [13] Input 13" << "3" << false;
    QTest::addRow("bracketed number") << " [3] Camera" << "[3]" << true;
    QTest::addRow("name, any case") << " [3] Camera" << "cam" << true;
    QTest::addRow("a number is never a name") << " [1] Studio 3" << "3" << false;
    QTest::addRow("other name") << " [3] Camera" << "mic" << false;
    QTest::addRow("empty") << " [3] Camera" << " " << true;
}

void tst_OperatorLogic::signalSearch()
{
    QFETCH(QString, item);
    QFETCH(QString, query);
    QTEST(SignalSearch::matches(item, query), "shown");
}

QTEST_GUILESS_MAIN(tst_OperatorLogic)
#include "tst_operatorlogic.moc"
