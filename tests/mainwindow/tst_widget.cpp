#include "devicestate.h"
#include "inputsignalwidget0409.h"
#include "messagedistance.h"
#include "outputwidget0409.h"
#include "planpushbutton.h"
#include "singlesplitterwidget.h"
#include "tableitemwidget.h"
#include "tablewidgetaudiomix.h"
#include "videosplitmanager.h"
#include "videotablewidget.h"
#include "windowkit.h"
#include "zelresources.h"

#include "rawclient.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

// The main window against the simulator: start-up per model, drops and clicks on the
// wire, changes by other clients, hostile notices, and the wall pages.

class tst_Widget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init() { QVERIFY(m_kit.init()); }
    void cleanup() { m_kit.cleanup(); }
    void cleanupTestCase() { m_kit.release(); }

    // Each on a fresh window.
    void startUpPerModel_data();
    void startUpPerModel();
    void windowsOfAnotherClientAppear();
    void unansweredWindowStatusTimesOut();
    void jointRecallAfterTheStartUpLoad();
    void splitterLayoutAndDrop();
    void splitterAreaRefusedAsOutput9_data();
    void splitterAreaRefusedAsOutput9();
    void multiviewCanvasFitsEachWall();
    void zeroSizeWallSaysSoInTheMessageLine();
    // One window per model, shared in order.
    void videoDropRoutesBindGroup();
    void audioDrops();
    void iconAndPlanClicksSend();
    void changesByOthersApplyWithoutSending();
    void versionRecordsKeepNothing_data();
    void versionRecordsKeepNothing();
    void audioGrid0808S();
    void hostileNoticesChangeNothingElse();
    void screenshots_data();
    void screenshots();

private:
    bool openShared(const QString &model) { return m_kit.openShared(model); }
    bool waitForCommand(const QString &command) { return m_kit.waitForCommand(command); }
    template<typename T> T *child(const char *name) { return m_kit.child<T>(name); }
    SimDevice *device() { return m_kit.device(); }
    Widget *window() { return m_kit.window(); }

    WindowKit m_kit;
};

void tst_Widget::startUpPerModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("jointText");
    QTest::addColumn<bool>("jointEnabled");
    QTest::addColumn<bool>("videoEnabled");
    QTest::addColumn<int>("videoColumns");
    QTest::addColumn<int>("videoRows");
    const QStringList common{"{param=version}",
                             "{param=status}",
                             "{param=inputinfo}",
                             "{param=netInfo}",
                             "{param=resolution}"};
    const QStringList matrix =
        common + QStringList{"{param=hdcpinfo}", "{param=outputinfo}", "{param=bindinfo}"};
    QTest::newRow("0808") << "0808" << matrix << "Splice" << false << true << 3 << 3;
    QTest::newRow("0808-S") << "0808-S"
                            << common + QStringList{"{param=hdcpinfo}", "{param=outputinfo}"}
                            << "Splice" << false << true << 4 << 2;
    QTest::newRow("0809-M") << "0809-M" << matrix << "Multiview" << true << true << 3 << 3;
    QTest::newRow("0409-S") << "0409-S" << common + QStringList{"{param=Get_Rotate}"} << "Multiview"
                            << true << false << 3 << 3;
}

// Login-free start: version on connection, then the schedule the version record names,
// and the pages the model has.
void tst_Widget::startUpPerModel()
{
    QFETCH(QString, model);
    QFETCH(QStringList, expected);
    QVERIFY(m_kit.startDevice(model));
    m_kit.openWindow();
    QVERIFY(waitForCommand(expected.last()));
    // Anything else the window sends shows up before a marker query.
    QCOMPARE(m_kit.sentBeforeMarker(), expected);
    auto *tabs = child<QTabWidget>("tabWidget");
    QTEST(tabs->tabText(1), "jointText");
    QTEST(tabs->isTabEnabled(1), "jointEnabled");
    QTEST(tabs->isTabEnabled(0), "videoEnabled");
    auto *video = child<VideoTableWidget>("videoTableWidget");
    QTRY_COMPARE(video->columnCount(), [] {
        QFETCH(int, videoColumns);
        return videoColumns;
    }());
    QTEST(video->rowCount(), "videoRows");
    QCOMPARE(child<QWidget>("widget_audio_0808S")->isHidden(), model != QLatin1String("0808-S"));
}

// Input 3 onto video output 5 with outputs 5 and 6 bound: one switch, both cells follow.
void tst_Widget::videoDropRoutesBindGroup()
{
    QVERIFY(openShared(QStringLiteral("0809")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    window()->bindManager()->setGroups({{5, {5, 6}}});
    QVERIFY(WindowKit::dropOn(video, 5, QStringLiteral("103")));
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList{"{param=3VIDEO5}"});
    QCOMPARE(DeviceState::instance()->videoRouting(6), 3);
    QVERIFY(video->cellForPort(6)->inputText().startsWith(QLatin1String("[3] ")));
}

// Drops on the audio, HDMI audio and infrared grids, each on the wire.
void tst_Widget::audioDrops()
{
    struct Drop
    {
        const char *grid;
        int port;
        const char *text;
        const char *command;
    };
    const Drop drops[] = {
        {"AudioTable", 2, "103", "{param=103AUDIO2}"},     // input onto audio
        {"audioHDMITable", 102, "3", "{param=3AUDIO102}"}, // audio onto HDMI audio
        {"InfaredTable", 7, "104", "{param=4IR7}"},        // input onto infrared
    };
    QVERIFY(openShared(QStringLiteral("0809")));
    child<QComboBox>("HdmiAudioComboBox")->setCurrentIndex(1); // HDMI audio cells shown
    for (const Drop &d : drops) {
        auto *table = window()->findChild<TableWidget *>(QLatin1String(d.grid));
        QVERIFY2(table, d.grid);
        QVERIFY(WindowKit::dropOn(table, d.port, QLatin1String(d.text)));
        QVERIFY2(waitForCommand(QLatin1String(d.command)), d.command);
    }
}

// The 0808-S Audio page: HDMI audio routes switched on their own, a single cell while
// they follow video.
void tst_Widget::audioGrid0808S()
{
    QVERIFY(openShared(QStringLiteral("0808-S")));
    auto *mix = child<TableWidgetAudioMix>("audioTable0808S");
    auto *mode = child<QComboBox>("HdmiAudioComboBox");
    mode->setCurrentIndex(1);
    QVERIFY(!mix->isSingleCell());
    QVERIFY(waitForCommand(QStringLiteral("{param=AloneVideo}")));
    QVERIFY(WindowKit::dropOn(mix, 102, QStringLiteral("103")));
    QVERIFY(waitForCommand(QStringLiteral("{param=103AUDIO102}")));
    mode->setCurrentIndex(0);
    QVERIFY(mix->isSingleCell());
    // The version record says how the device runs its HDMI audio.
    window()->receiveVersionSlot(QJsonObject{{"device", "0808-S"}, {"audio", false}});
    QVERIFY(!mix->isSingleCell());
}

// Clicking a cell's icon twice turns the state on and off again on the device; a plan
// button's double click recalls (its sequence is tst_plans').
void tst_Widget::iconAndPlanClicksSend()
{
    QVERIFY(openShared(QStringLiteral("0809")));
    TableItemWidget *cell = child<VideoTableWidget>("videoTableWidget")->cellForPort(3);
    for (const char *icon : {"pauseIcon", "pauseIcon", "muteIcon", "muteIcon"})
        QTest::mouseClick(cell->findChild<QLabel *>(QLatin1String(icon)), Qt::LeftButton);
    QCOMPARE(m_kit.sentBeforeMarker(),
             QStringList({"{param=Frozen3/1}",
                          "{param=Frozen3/0}",
                          "{param=VideoMuteOn3}",
                          "{param=VideoMuteOff3}"}));
    QSignalSpy bindings(MessageDistance::instance(), &MessageDistance::receiveBindInfoSig);
    QTest::mouseDClick(child<PlanPushButton>("btn_plan3"), Qt::LeftButton);
    QVERIFY(waitForCommand(QStringLiteral("{param=Recall2}")));
    QVERIFY(bindings.wait(TestTimeouts::Medium)); // the answer to the recall's last query
}

// Notices from another client land in the store and the cells directly; the bind
// group follows and nothing goes back to the device.
void tst_Widget::changesByOthersApplyWithoutSending()
{
    QVERIFY(openShared(QStringLiteral("0809")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    window()->bindManager()->setGroups({{3, {3, 4}}});
    DeviceState *state = DeviceState::instance();
    device()->clearReceivedCommands();

    device()->applyPanelCommand(QStringLiteral("5VIDEO3"));
    QTRY_COMPARE_WITH_TIMEOUT(state->videoRouting(4), 5, TestTimeouts::Medium);
    QVERIFY(video->cellForPort(4)->inputText().startsWith(QLatin1String("[5] ")));

    device()->applyPanelCommand(QStringLiteral("Frozen4/1"));
    QTRY_VERIFY_WITH_TIMEOUT(video->cellForPort(4)->isFrozen(), TestTimeouts::Medium);

    // The device logs its own panel commands; the client added none before a marker query.
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList({"{param=5VIDEO3}", "{param=Frozen4/1}"}));
}

// A misbehaving device's notices neither crash the window nor bind outputs it lacks;
// the next sound one, another client's wall layout, still applies.
void tst_Widget::hostileNoticesChangeNothingElse()
{
    QVERIFY(openShared(QStringLiteral("0808-S")));
    const QList<QJsonObject> notices{
        {{"mode_change", "99"}},
        {{"video-4_change", "3"}},
        {{"video2147483647_change", "-1"}},
        {{"audio_change", ""}},
        {{"Bind1_change", "1/99999/-3"}},
        {{"Bind1_change", QJsonArray{1, 2}}},
        {{"UnBind_change", QJsonObject{{"a", 1}}}},
        {{"cmd_change", "Port/!"}},
        {{"cmd_change", "Frozen"}},
        {{"cmd_change", "MuteOn"}},
        {{"Chn_change", "1"}, {"Mode_change", "x"}, {"Color_change", QJsonValue()}},
    };
    window()->bindManager()->setGroups({}); // what the shared window's earlier cases left
    DeviceState::instance()->setSpliceMode(0);
    for (const QJsonObject &n : notices)
        window()->receiveChangedByOthersSlot(n);
    QVERIFY(window()->bindManager()->groups().isEmpty());
    QCOMPARE(DeviceState::instance()->spliceMode(), 0);
    device()->applyPanelCommand(QStringLiteral("mode3"));
    QTRY_COMPARE_WITH_TIMEOUT(DeviceState::instance()->spliceMode(), 3, TestTimeouts::Medium);
    QCOMPARE(window()->bindManager()->groupOf(6), QList<int>({1, 2, 5, 6}));
}

// Client A opens two windows; client B's start-up reads the window status and shows
// them where A put them, and the window audio on HDMI audio 101, without sending anything.
// With ZEL_SCREENSHOT_DIR set the page is rendered in both languages.
void tst_Widget::windowsOfAnotherClientAppear()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0409-S")));
    RawClient a;
    QVERIFY(a.connectTo(device()->controlPort()));
    a.command(QStringLiteral("WindowOpen1/2/1/0/0/1920/1080"));
    a.command(QStringLiteral("WindowOpen3/4/2/1920/1080/3840/2160"));
    QTRY_VERIFY_WITH_TIMEOUT(device()->state().windows.value(2).isOpen(), TestTimeouts::Short);
    device()->applyPanelCommand(QStringLiteral("3AUDIO1"));
    device()->clearReceivedCommands();
    m_kit.openWindow();
    auto *canvas = child<OutputWidget0409>("widget_out_0409");
    QTRY_COMPARE_WITH_TIMEOUT(canvas->windows().keys(), (QList<int>{1, 3}), TestTimeouts::Long);
    QCOMPARE(canvas->window(3)->input(), 4);
    QCOMPARE(canvas->window(3)->lastSentRect(), QRect(1920, 1080, 3840, 2160));
    QCOMPARE(canvas->realResolution(), QSize(5760, 3240));
    QCOMPARE(child<TableWidget>("audioHDMITable")->cellForPort(101)->inputText(),
             QStringLiteral("[3] Input 3"));
    for (const QString &c : device()->receivedCommands())
        QVERIFY2(!c.startsWith(QLatin1String("{param=Window")), qPrintable(c));
    QVERIFY(m_kit.dialogs.isEmpty());
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    for (int language = 0; !dir.isEmpty() && language < 2; ++language) {
        child<QComboBox>("languageComboBox")->setCurrentIndex(language);
        QCoreApplication::processEvents();
        QVERIFY(window()->grab().save(
            dir + (language ? "/main-multiview-en.png" : "/main-multiview-zh.png")));
    }
}

void tst_Widget::unansweredWindowStatusTimesOut()
{
    SimFaults faults;
    faults.ignoredQueries.insert(QStringLiteral("status"));
    QVERIFY(m_kit.startDevice(QStringLiteral("0409-S"), faults));
    device()->applyPanelCommand(QStringLiteral("WindowOpen1/2/1/0/0/1920/1080"));
    m_kit.openWindow();
    QTRY_VERIFY_WITH_TIMEOUT(!m_kit.dialogs.isEmpty(), TestTimeouts::Long);
    QCOMPARE(m_kit.dialogs, QStringList{"Error|Error|Timeout for Reading The last Window status!"});
    QVERIFY(child<OutputWidget0409>("widget_out_0409")->windows().isEmpty());
}

// After the start-up load a Joint-page plan recall reaches the device (the check before
// it reads what the canvas received). Answers that come later leave a window the user
// closed closed (the resolution and rotation answers arrive while the store still holds
// it), but the recall's own window status shows the plan's window again.
void tst_Widget::jointRecallAfterTheStartUpLoad()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0409-S")));
    device()->applyPanelCommand(QStringLiteral("WindowOpen1/2/1/0/0/1920/1080"));
    device()->applyPanelCommand(QStringLiteral("Save2"));
    QVERIFY(m_kit.openSettled(QStringLiteral("0409-S")));
    auto *canvas = child<OutputWidget0409>("widget_out_0409");
    QCOMPARE(canvas->windows().keys(), QList<int>{1});
    canvas->window(1)->runAction(InputSignalWidget0409::Action::Close);
    QVERIFY(waitForCommand(QStringLiteral("{param=WindowClose1}")));
    MessageDistance *link = MessageDistance::instance();
    QSignalSpy rotation(link, &MessageDistance::receiveRotateAngleSig);
    link->sendResolution();
    link->sendGetRotate();
    QVERIFY(rotation.wait(TestTimeouts::Medium));
    QCOMPARE(canvas->windows().keys(), QList<int>());
    QSignalSpy status(link, &MessageDistance::receiveWindowStatusSig);
    child<QTabWidget>("tabWidget")->setCurrentIndex(1);
    QTest::mouseDClick(child<PlanPushButton>("btn_plan3_2"), Qt::LeftButton);
    QVERIFY(waitForCommand(QStringLiteral("{param=Recall2}")));
    QVERIFY(status.wait(TestTimeouts::Medium));
    QCOMPARE(m_kit.dialogs, QStringList());
    // The recall asked for the plan's window: its status answer brings it back.
    QTRY_COMPARE_WITH_TIMEOUT(canvas->windows().keys(), QList<int>{1}, TestTimeouts::Short);
}

// The splitter layout the version record names locks output 9; a drop on an area of
// the splitter view switches that area.
void tst_Widget::splitterLayoutAndDrop()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0809-M")));
    device()->applyPanelCommand(QStringLiteral("Splitter2"));
    QVERIFY(m_kit.openSettled(QStringLiteral("0809-M")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    QVERIFY(video->cellForPort(9)->isCellLocked());
    QVERIFY(!video->clearRoute(9));
    child<QPushButton>("btn_splitter_1")->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=Splitter1}")));
    auto *view = child<SingleSplitterWidget>("wid_ss");
    QCOMPARE(view->layoutMode(), 1);
    view->resize(800, 450);
    QMimeData data;
    data.setText(QStringLiteral("103"));
    QDropEvent drop(QPoint(600, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject *>(view)->event(&drop); // dropEvent is protected
    QVERIFY(waitForCommand(QStringLiteral("{param=3VIDEO902}")));
    QCOMPARE(DeviceState::instance()->splitterRouting(2), 3);
}

void tst_Widget::splitterAreaRefusedAsOutput9_data()
{
    QTest::addColumn<bool>("offline");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("warned");
    QTest::addRow("output 9 denied") << false << "You have no right to switch output 9." << true;
    QTest::addRow("device gone") << true << "The device is not connected: nothing was sent."
                                 << false;
}

// An area is part of output 9: a drop or a clear meets output 9's rights and the offline
// refusal, and the area keeps the input the device has.
void tst_Widget::splitterAreaRefusedAsOutput9()
{
    QFETCH(bool, offline);
    if (!offline)
        QVERIFY(WindowKit::setRights(QStringLiteral("guest"), {}, {}, {9}));
    QVERIFY(m_kit.startDevice(QStringLiteral("0809-M")));
    device()->applyPanelCommand(QStringLiteral("Splitter1"));
    device()->applyPanelCommand(QStringLiteral("5VIDEO902"));
    QVERIFY(m_kit.openSettled(QStringLiteral("0809-M")));
    auto *view = child<SingleSplitterWidget>("wid_ss");
    view->resize(800, 450);
    QTRY_COMPARE_WITH_TIMEOUT(
        view->areaText(2).left(3), QStringLiteral("[5]"), TestTimeouts::Medium);
    const QString before = view->areaText(2);
    if (offline) {
        device()->close();
        QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>("linkLamp")->toolTip() != QLatin1String("Connected"),
                                 TestTimeouts::Medium);
    }
    auto *line = child<QLabel>("messageLine");
    QMimeData data;
    data.setText(QStringLiteral("103"));
    QDropEvent drop(QPoint(600, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject *>(view)->event(&drop); // dropEvent is protected
    QTEST(line->text(), "message");
    line->clear();
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(600, 100));
    QTEST(line->text(), "message");
    QCOMPARE(view->areaText(2), before);
    QCOMPARE(DeviceState::instance()->splitterRouting(2), 5);
    QFETCH(bool, warned);
    QCOMPARE(m_kit.dialogs.size(), warned ? 2 : 0);
    if (!offline)
        QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
}

// After the wall's layout changes the canvas is fitted to the new wall: no scroll bar,
// nothing cut off.
void tst_Widget::multiviewCanvasFitsEachWall()
{
    QVERIFY(m_kit.openSettled(QStringLiteral("0409-S")));
    auto *canvas = child<OutputWidget0409>("widget_out_0409");
    auto *area = child<QScrollArea>("sa_0409");
    for (int vir : {2, 3, 1, 0}) {
        DeviceState::instance()->setVirMode(vir);
        canvas->recalculate(); // as the splicing settings order it
        const auto fitted = [&] {
            const QSize wall = canvas->realResolution();
            const QRect placed(canvas->mapTo(area->viewport(), QPoint()), canvas->size());
            // The wall's shape, whole inside the view, without a scroll bar.
            return qAbs(canvas->height() -
                        double(canvas->width()) * wall.height() / wall.width()) <= 1 &&
                   area->viewport()->rect().contains(placed) &&
                   !area->horizontalScrollBar()->isVisible() &&
                   !area->verticalScrollBar()->isVisible();
        };
        QTRY_VERIFY2_WITH_TIMEOUT(fitted(), qPrintable(QString::number(vir)), TestTimeouts::Short);
    }
}

// A wall of no size refuses a new window with a reason the operator sees.
void tst_Widget::zeroSizeWallSaysSoInTheMessageLine()
{
    QVERIFY(m_kit.openSettled(QStringLiteral("0409-S")));
    auto *canvas = child<OutputWidget0409>("widget_out_0409");
    DeviceState::instance()->setOutputResolutions(1, QStringLiteral("1920"));
    canvas->recalculate();
    QMimeData data;
    data.setText(QStringLiteral("102"));
    QDropEvent drop(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject *>(canvas)->event(&drop);
    QCOMPARE(child<QLabel>("messageLine")->text(),
             QStringLiteral("No window opened: the wall has no size yet"));
    QVERIFY(canvas->windows().isEmpty());
}

void tst_Widget::versionRecordsKeepNothing_data()
{
    QTest::addColumn<QString>("model");
    // The 0808-S window stays for the cases after this one.
    for (const char *model : {"0809", "0409-S", "0808-S"})
        QTest::addRow("%s", model) << QString::fromLatin1(model);
}

// Every (re)connection brings a version record. Rebuilding the pages from it must keep
// the cells it has (new ones each time grew the client by megabytes) and add nothing.
void tst_Widget::versionRecordsKeepNothing()
{
    QFETCH(QString, model);
    QVERIFY(openShared(model));
    auto objects = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window()->findChildren<QObject *>().size();
    };
    QList<QPointer<TableItemWidget>> cells;
    for (TableWidget *grid : window()->findChildren<TableWidget *>()) {
        for (int port : {1, 101}) {
            if (TableItemWidget *cell = grid->cellForPort(port))
                cells << cell;
        }
    }
    QVERIFY(cells.size() >= 3);
    const int before = objects();
    QSignalSpy versions(MessageDistance::instance(), &MessageDistance::receiveVersionSig);
    for (int i = 0; i < 3; ++i)
        child<QPushButton>("refrenshBtn")->click();
    QTRY_COMPARE_WITH_TIMEOUT(versions.size(), 3, TestTimeouts::Long);
    QCoreApplication::processEvents();
    QCOMPARE(objects(), before);
    for (const QPointer<TableItemWidget> &cell : cells)
        QVERIFY2(cell, "a grid built its cells anew");
}

void tst_Widget::screenshots_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("language");
    // Rows of one model in a row, so they share its window.
    for (const char *model : {"0808-S", "0409-S", "0809"}) {
        for (int language : {0, 1})
            QTest::addRow("%s-%s", model, language ? "en" : "zh")
                << QString::fromLatin1(model) << language;
    }
}

// Every page, and the open popup of a combo box, when ZEL_SCREENSHOT_DIR names a directory.
void tst_Widget::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the main window");
    QFETCH(QString, model);
    QFETCH(int, language);
    QVERIFY(openShared(model));
    child<QComboBox>("languageComboBox")->setCurrentIndex(language);
    const QString file = dir + "/main-" + QTest::currentDataTag() + "-%1.png";
    auto *tabs = child<QTabWidget>("tabWidget");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        QVERIFY(window()->grab().save(file.arg(tab)));
    }
    auto *combo = child<QComboBox>("HdmiAudioComboBox");
    combo->showPopup();
    QCoreApplication::processEvents();
    QVERIFY(combo->view()->window()->grab().save(file.arg(QStringLiteral("popup"))));
    combo->hidePopup();
}

QTEST_MAIN(tst_Widget)
#include "tst_widget.moc"
