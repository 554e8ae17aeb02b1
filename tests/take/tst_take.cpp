#include "devicestate.h"
#include "listwidget.h"
#include "messagedistance.h"
#include "permissionstore.h"
#include "portmenus.h"
#include "rawclient.h"
#include "route.h"
#include "singlesplitterwidget.h"
#include "tableitemwidget.h"
#include "tablewidget.h"
#include "takebar.h"
#include "takestage.h"
#include "takewiring.h"
#include "widget.h"
#include "windowkit.h"
#include "zelresources.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

// Take mode and one source to many as an operator uses them, judged by the bytes the
// simulator gets: a stage sends nothing until Take, Take sends each change once and
// Ctrl+Z takes it back in one step, a change that became impossible leaves the stage
// with its reason, and a fanout leaves out what it may not touch.
class tst_Take : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init() { QVERIFY(m_kit.init()); }
    void cleanup() { m_kit.cleanup(); }

    void stageSendsOnlyOnTake_data();
    void stageSendsOnlyOnTake();
    void cancelSendsNothing();
    void takeOfflineKeepsTheStage();
    void lockedByAnotherClientLeavesTheStage();
    void oneUndoRestoresTheWholeTake();
    void fanoutSkipsLockedAndUnpermitted_data();
    void fanoutSkipsLockedAndUnpermitted();
    void screenshots_data();
    void screenshots();

private:
    bool open(const QString &model);
    // "grid port text": a drop of the list's text ("103" input 3) on a grid cell; "area
    // n text" on a splitter area; "clear grid port" a double click.
    void act(const QString &step);
    bool takeAndWait();
    // Waits until everything sent so far has arrived, then forgets it.
    void settle()
    {
        m_kit.sentBeforeMarker();
        m_kit.device()->clearReceivedCommands();
    }
    template<typename T> T *child(const char *name) { return m_kit.child<T>(name); }
    QString message() { return child<QLabel>("messageLine")->text(); }
    TakeWiring *wiring() { return m_kit.window()->findChild<TakeWiring *>(); }
    TakeStage *stage() { return wiring()->stage(); }

    WindowKit m_kit;
};

bool tst_Take::open(const QString &model)
{
    if (!m_kit.openSettled(model))
        return false;
    wiring()->bar()->modeButton()->click();
    return stage()->isTakeMode();
}

void tst_Take::act(const QString &step)
{
    const QStringList p = step.split(QLatin1Char(' '));
    if (p.at(0) == QLatin1String("area")) {
        auto *view = child<SingleSplitterWidget>("wid_ss");
        view->resize(800, 450);
        // Area 1 of layout 1 is the left half.
        QMimeData data;
        data.setText(p.at(2));
        QDropEvent drop(QPoint(100, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject *>(view)->event(&drop);
        return;
    }
    if (p.at(0) == QLatin1String("clear")) {
        QVERIFY(child<TableWidget>(qPrintable(p.at(1)))->clearRoute(p.at(2).toInt()));
        return;
    }
    QVERIFY(WindowKit::dropOn(child<TableWidget>(qPrintable(p.at(0))), p.at(1).toInt(), p.at(2)));
}

bool tst_Take::takeAndWait()
{
    QSignalSpy done(stage(), &TakeStage::takeFinished);
    wiring()->bar()->takeButton()->click();
    // A take of one route is out before the click returns.
    return !done.isEmpty() || done.wait(TestTimeouts::Medium);
}

void tst_Take::stageSendsOnlyOnTake_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("pending"); // grid port: the staged cell's pending line
    QTest::addColumn<QStringList>("sent");
    QTest::addRow("video and infrared, restaged output sent once")
        << "0809"
        << QStringList{"videoTableWidget 2 103", "InfaredTable 4 105", "videoTableWidget 2 104"}
        << "videoTableWidget 2" << QStringList{"{param=4VIDEO2}", "{param=5IR4}"};
    QTest::addRow("0808-S audio grid and a clear")
        << "0808-S" << QStringList{"audioTable0808S 1 102", "clear videoTableWidget 5"}
        << "audioTable0808S 1" << QStringList{"{param=102AUDIO1}", "{param=0VIDEO5}"};
    QTest::addRow("splitter area and audio embedded")
        << "0809-M" << QStringList{"area 1 106", "AudioTable 3 107"} << "AudioTable 3"
        << QStringList{"{param=6VIDEO901}", "{param=107AUDIO3}"};
}

void tst_Take::stageSendsOnlyOnTake()
{
    QFETCH(QString, model);
    QFETCH(QStringList, steps);
    if (model == QLatin1String("0809-M")) {
        QVERIFY(m_kit.startDevice(model));
        m_kit.device()->applyPanelCommand(QStringLiteral("Splitter1"));
    }
    QVERIFY(open(model));
    for (const QString &step : steps)
        act(step);
    QVERIFY2(stage()->routes().size() == 2, qPrintable(message()));
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
    m_kit.device()->clearReceivedCommands();
    QFETCH(QString, pending);
    TableItemWidget *cell = child<TableWidget>(qPrintable(pending.section(' ', 0, 0)))
                                ->cellForPort(pending.section(' ', 1).toInt());
    QVERIFY2(cell->pendingText().startsWith(QStringLiteral("→ [")),
             qPrintable(cell->pendingText()));
    // The live source stays readable beside the staged one.
    QVERIFY(!cell->inputText().contains(cell->pendingText().mid(2)));
    QVERIFY(takeAndWait());
    QTEST(m_kit.sentBeforeMarker(), "sent");
    QVERIFY(stage()->isEmpty());
    QCOMPARE(cell->pendingText(), QString());
}

void tst_Take::cancelSendsNothing()
{
    QVERIFY(open(QStringLiteral("0809")));
    act(QStringLiteral("videoTableWidget 1 103"));
    act(QStringLiteral("AudioTable 2 3"));
    wiring()->bar()->cancelButton()->click();
    QVERIFY(stage()->isEmpty());
    QVERIFY(child<TableWidget>("videoTableWidget")->cellForPort(1)->pendingText().isEmpty());
    wiring()->bar()->takeButton()->click();
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
}

// Nothing goes out while the device is away, and the stage waits for it.
void tst_Take::takeOfflineKeepsTheStage()
{
    QVERIFY(open(QStringLiteral("0809")));
    act(QStringLiteral("videoTableWidget 3 105"));
    QSignalSpy lost(MessageDistance::instance(), &MessageDistance::connectFailureSig);
    m_kit.device()->close();
    QVERIFY(lost.wait(TestTimeouts::Medium));
    QSignalSpy started(stage(), &TakeStage::takeStarted);
    wiring()->bar()->takeButton()->click();
    QCOMPARE(started.size(), 0);
    QCOMPARE(stage()->routes().size(), 1);
    QVERIFY(!message().isEmpty());
}

// A second client gives output 9 of the 0809-M to the splitter while it is staged.
void tst_Take::lockedByAnotherClientLeavesTheStage()
{
    QVERIFY(open(QStringLiteral("0809-M")));
    act(QStringLiteral("videoTableWidget 9 102"));
    act(QStringLiteral("videoTableWidget 8 102"));
    QCOMPARE(stage()->routes().size(), 2);
    RawClient other;
    QVERIFY(other.connectTo(m_kit.device()->controlPort()));
    other.command(QStringLiteral("Splitter2"));
    QTRY_COMPARE_WITH_TIMEOUT(stage()->routes().size(), 1, TestTimeouts::Medium);
    QCOMPARE(stage()->routes().first().output, 8);
    QVERIFY2(message().contains(QStringLiteral("Output 9 is locked.")), qPrintable(message()));
    QVERIFY(child<TableWidget>("videoTableWidget")->cellForPort(9)->pendingText().isEmpty());
    settle();
    QVERIFY(takeAndWait());
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList{"{param=2VIDEO8}"});
}

// The simulator starts with input n on output n, audio n on audio output n and input 1
// on splitter area 1.
void tst_Take::oneUndoRestoresTheWholeTake()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0809-M")));
    m_kit.device()->applyPanelCommand(QStringLiteral("Splitter1"));
    QVERIFY(open(QStringLiteral("0809-M")));
    const int irBefore = m_kit.device()->state().ir.value(2);
    act(QStringLiteral("videoTableWidget 1 104"));
    act(QStringLiteral("InfaredTable 2 106"));
    act(QStringLiteral("AudioTable 3 5"));
    act(QStringLiteral("area 1 107"));
    QVERIFY(takeAndWait());
    settle();
    QTest::keyClick(m_kit.window(), Qt::Key_Z, Qt::ControlModifier);
    QStringList undone = m_kit.sentBeforeMarker();
    undone.sort();
    QCOMPARE(undone,
             (QStringList{"{param=1VIDEO1}",
                          "{param=1VIDEO901}",
                          QStringLiteral("{param=%1IR2}").arg(irBefore),
                          "{param=3AUDIO3}"}));
    QTest::keyClick(m_kit.window(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(message(), QStringLiteral("Nothing to undo."));
}

void tst_Take::fanoutSkipsLockedAndUnpermitted_data()
{
    QTest::addColumn<bool>("takeMode");
    QTest::addRow("direct: sent at once") << false;
    QTest::addRow("take mode: staged") << true;
}

// Output 3 is not the user's, output 9 belongs to the splitter.
void tst_Take::fanoutSkipsLockedAndUnpermitted()
{
    QFETCH(bool, takeMode);
    QVERIFY(WindowKit::setRights(QStringLiteral("guest"), {}, {}, {3}));
    QVERIFY(m_kit.startDevice(QStringLiteral("0809-M")));
    m_kit.device()->applyPanelCommand(QStringLiteral("Splitter1"));
    QVERIFY(m_kit.openSettled(QStringLiteral("0809-M")));
    if (takeMode)
        wiring()->bar()->modeButton()->click();
    auto *list = child<ListWidget>("listWidget");
    m_kit.window()->portMenus()->setMenuRunner([](QMenu &menu) {
        if (auto *all = menu.findChild<QAction *>(QStringLiteral("routeToAll")))
            all->trigger();
    });
    m_kit.window()->portMenus()->showListMenu(list, list->item(8 + 4)); // input 5
    const QList<int> reached{1, 2, 4, 5, 6, 7, 8};
    QStringList expected;
    for (int output : reached)
        expected << QStringLiteral("{param=5VIDEO%1}").arg(output);
    if (takeMode) {
        QList<int> staged;
        for (const Route &route : stage()->routes())
            staged << route.output;
        QCOMPARE(staged, reached);
        QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
    } else {
        QVERIFY(m_kit.waitForCommand(expected.last()));
        QCOMPARE(m_kit.sentBeforeMarker(), expected);
    }
    QVERIFY2(message().contains(QStringLiteral("Output 9 is locked.")), qPrintable(message()));
    QVERIFY2(message().contains(QStringLiteral("output 3")), qPrintable(message()));
}

void tst_Take::screenshots_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("language");
    for (const char *model : {"0809", "0808-S"}) {
        for (int language : {0, 1})
            QTest::addRow("%s-%s", model, language ? "en" : "zh")
                << QString::fromLatin1(model) << language;
    }
}

// A stage on the video grid and on the 0808-S audio grid, when ZEL_SCREENSHOT_DIR names
// a directory.
void tst_Take::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the stage");
    QFETCH(QString, model);
    QVERIFY(open(model));
    QFETCH(int, language);
    child<QComboBox>("languageComboBox")->setCurrentIndex(language);
    m_kit.window()->resize(1280, 800);
    if (model == QLatin1String("0808-S")) {
        child<QComboBox>("HdmiAudioComboBox")->setCurrentIndex(1);
        child<QTabWidget>("tabWidget")->setCurrentIndex(2);
        QCoreApplication::processEvents();
        act(QStringLiteral("audioTable0808S 1 103"));
        act(QStringLiteral("audioTable0808S 105 106"));
    } else {
        act(QStringLiteral("videoTableWidget 2 105"));
        act(QStringLiteral("videoTableWidget 6 103"));
        act(QStringLiteral("clear videoTableWidget 4"));
    }
    QCOMPARE(stage()->routes().size(), model == QLatin1String("0808-S") ? 2 : 3);
    QCoreApplication::processEvents();
    const QString file = dir + "/take-" + QTest::currentDataTag() + ".png";
    QVERIFY(m_kit.window()->grab().save(file));
}

QTEST_MAIN(tst_Take)
#include "tst_take.moc"
