#include "appsettings.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "planpushbutton.h"
#include "tableitemwidget.h"
#include "tablewidgetaudiomix.h"
#include "videosplitmanager.h"
#include "videotablewidget.h"
#include "windowkit.h"
#include "zelresources.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

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
    void refusedDropWarns();
    // One window per model, shared in order.
    void videoDropRoutesBindGroup();
    void audioDrops();
    void iconAndPlanClicksSend();
    void changesByOthersApplyWithoutSending();
    void versionRecordsKeepNothing_data();
    void versionRecordsKeepNothing();
    void audioGrid0808S();
    void wallChangesByOthers();
    void hostileNoticesChangeNothingElse();
    void languageSwitch();
    void screenshots_data();
    void screenshots();

private:
    bool openShared(const QString &model) { return m_kit.openShared(model); }
    bool waitForCommand(const QString &command, int timeout = TestTimeouts::Medium)
    {
        return m_kit.waitForCommand(command, timeout);
    }
    static bool dropOn(TableWidget *grid, int port, const QString &text) { return WindowKit::dropOn(grid, port, text); }
    template <typename T> T *child(const char *name) { return m_kit.child<T>(name); }
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
    const QStringList common{"{param=version}", "{param=status}", "{param=inputinfo}",
                             "{param=netInfo}", "{param=resolution}"};
    const QStringList matrix = common + QStringList{"{param=hdcpinfo}", "{param=outputinfo}", "{param=bindinfo}"};
    QTest::newRow("0808") << "0808" << matrix << "Splice" << false << true << 3 << 3;
    QTest::newRow("0808-S") << "0808-S" << common + QStringList{"{param=hdcpinfo}", "{param=outputinfo}"}
                            << "Splice" << false << true << 4 << 2;
    QTest::newRow("0809-M") << "0809-M" << matrix << "Multiview" << true << true << 3 << 3;
    QTest::newRow("0409-S") << "0409-S" << common + QStringList{"{param=Get_Rotate}"} << "Multiview" << true
                            << false << 3 << 3;
}

// Login-free start: version on connection, then the schedule the version record names,
// and the pages the model has.
void tst_Widget::startUpPerModel()
{
    QFETCH(QString, model);
    QFETCH(QStringList, expected);
    QVERIFY(m_kit.startDevice(model));
    m_kit.openWindow();
    QVERIFY(!window()->loginCancelled());
    QVERIFY(waitForCommand(expected.last()));
    // Anything else the window sends shows up before a marker query.
    QCOMPARE(m_kit.sentBeforeMarker(), expected);
    QVERIFY(child<QLabel>("connectState")->text().endsWith(QLatin1String(" connected")));
    QTRY_COMPARE(AppSettings::instance()->type(), DeviceState::instance()->deviceType());
    auto *tabs = child<QTabWidget>("tabWidget");
    QTEST(tabs->tabText(1), "jointText");
    QTEST(tabs->isTabEnabled(1), "jointEnabled");
    QTEST(tabs->isTabEnabled(0), "videoEnabled");
    auto *video = child<VideoTableWidget>("videoTableWidget");
    QTRY_COMPARE(video->columnCount(), [] { QFETCH(int, videoColumns); return videoColumns; }());
    QTEST(video->rowCount(), "videoRows");
    QCOMPARE(child<QLabel>("softwareLabel")->text(), QStringLiteral("V2.1.0(241212)"));
    QVERIFY(child<QLabel>("deviceFPGA_label")->text().startsWith(QLatin1String("FPGA: ")));
    if (model == QLatin1String("0808-S")) {
        // The wall of two rows of four: 1-4 above 5-8, no ninth cell.
        QCOMPARE(video->itemForPort(5)->row(), 1);
        QVERIFY(!video->cellForPort(9));
        QVERIFY(!child<QWidget>("widget_audio_0808S")->isHidden());
        QVERIFY(child<QWidget>("widget_audio_normal")->isHidden());
    }
}

// Input 3 onto video output 5 with outputs 5 and 6 bound: one switch, both cells follow.
void tst_Widget::videoDropRoutesBindGroup()
{
    QVERIFY(openShared(QStringLiteral("0809")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    window()->bindManager()->setGroups({{5, {5, 6}}});
    QVERIFY(dropOn(video, 5, QStringLiteral("103")));
    QVERIFY(waitForCommand(QStringLiteral("{param=3VIDEO5}")));
    QCOMPARE(DeviceState::instance()->videoRouting(5), 3);
    QCOMPARE(DeviceState::instance()->videoRouting(6), 3);
    QVERIFY(video->cellForPort(6)->inputText().startsWith(QLatin1String("[3] ")));

    // A drop on a wall-group-free output leaves the others alone.
    QVERIFY(dropOn(video, 1, QStringLiteral("102")));
    QVERIFY(waitForCommand(QStringLiteral("{param=2VIDEO1}")));
    QCOMPARE(DeviceState::instance()->videoRouting(5), 3);
    // The second drop's command marks the end of what the first one sent.
    QCOMPARE(device()->receivedCommands().count(QStringLiteral("{param=3VIDEO5}")), 1);
    QVERIFY(!device()->receivedCommands().contains(QStringLiteral("{param=3VIDEO6}")));
}

// Drops on the audio, HDMI audio and infrared grids, each on the wire.
void tst_Widget::audioDrops()
{
    struct Drop { const char *grid; int port; const char *text; const char *command; };
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
        QVERIFY(dropOn(table, d.port, QLatin1String(d.text)));
        QVERIFY2(waitForCommand(QLatin1String(d.command)), d.command);
    }
}

// A user without the output right: nothing is sent, the warning is shown.
void tst_Widget::refusedDropWarns()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0809")));
    QVERIFY(WindowKit::setRights(QStringLiteral("guest"), {}, {}, {5}));
    m_kit.openWindow();
    QVERIFY(waitForCommand(QStringLiteral("{param=status}")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    QVERIFY(dropOn(video, 5, QStringLiteral("103")));
    QCOMPARE(m_kit.dialogs.size(), 1);
    QVERIFY(m_kit.dialogs.first().contains(QLatin1String("does not have permission")));
    QVERIFY(dropOn(video, 4, QStringLiteral("103")));
    QVERIFY(waitForCommand(QStringLiteral("{param=3VIDEO4}")));
    QVERIFY(!device()->receivedCommands().contains(QStringLiteral("{param=3VIDEO5}")));
}

// The 0808-S Audio page: HDMI audio routes shown and switched on their own, a single
// cell while they follow video.
void tst_Widget::audioGrid0808S()
{
    QVERIFY(openShared(QStringLiteral("0808-S")));
    auto *mix = child<TableWidgetAudioMix>("audioTable0808S");
    const int source = DeviceState::instance()->audioRouting(102);
    QVERIFY(source > 100);
    QCOMPARE(mix->cellForPort(102)->inputText(),
             QStringLiteral("[%1] %2").arg(source - 100).arg(AppSettings::instance()->inputName(source - 100)));
    QCOMPARE(mix->cellForPort(102)->outputText().left(4), QStringLiteral("[2] "));

    auto *mode = child<QComboBox>("HdmiAudioComboBox");
    mode->setCurrentIndex(1);
    QVERIFY(!mix->isSingleCell());
    QVERIFY(waitForCommand(QStringLiteral("{param=AloneVideo}")));
    QVERIFY(dropOn(mix, 102, QStringLiteral("103")));
    QVERIFY(waitForCommand(QStringLiteral("{param=103AUDIO102}")));
    mode->setCurrentIndex(0);
    QVERIFY(mix->isSingleCell());
    QVERIFY(waitForCommand(QStringLiteral("{param=FollowVideo}")));
    // The version record says how the device runs its HDMI audio.
    window()->receiveVersionSlot(QJsonObject{{"device", "0808-S"}, {"audio", false}});
    QVERIFY(!mix->isSingleCell());
    QCOMPARE(mix->itemForPort(105)->row(), 1);
}

// Clicking a cell's icon twice turns the state on and off again on the device; a plan
// button's double click recalls (its sequence is tst_plans').
void tst_Widget::iconAndPlanClicksSend()
{
    QVERIFY(openShared(QStringLiteral("0809")));
    TableItemWidget *cell = child<VideoTableWidget>("videoTableWidget")->cellForPort(3);
    QVERIFY(cell);
    const QMap<QString, QStringList> clicks{{"pauseIcon", {"{param=Frozen3/1}", "{param=Frozen3/0}"}},
                                           {"muteIcon", {"{param=VideoMuteOn3}", "{param=VideoMuteOff3}"}}};
    for (auto it = clicks.begin(); it != clicks.end(); ++it) {
        auto *label = cell->findChild<QLabel *>(it.key());
        QVERIFY(label);
        for (const QString &command : it.value()) {
            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY2(waitForCommand(command), qPrintable(command));
        }
    }
    QVERIFY(!DeviceState::instance()->outputFrozen(3));
    QVERIFY(!DeviceState::instance()->outputVideoMuted(3));
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
    QCOMPARE(state->videoRouting(3), 5);
    QVERIFY(video->cellForPort(4)->inputText().startsWith(QLatin1String("[5] ")));

    device()->applyPanelCommand(QStringLiteral("Frozen4/1"));
    QTRY_VERIFY_WITH_TIMEOUT(video->cellForPort(4)->isFrozen(), TestTimeouts::Medium);
    device()->applyPanelCommand(QStringLiteral("Output_Lock2/1"));
    QTRY_VERIFY_WITH_TIMEOUT(state->outputLocked(2), TestTimeouts::Medium);
    device()->applyPanelCommand(QStringLiteral("Output_Lock2/0"));
    QTRY_VERIFY_WITH_TIMEOUT(!state->outputLocked(2), TestTimeouts::Medium);
    device()->setInputSignal(6, false);
    QTRY_VERIFY_WITH_TIMEOUT(!state->inputPresent(6), TestTimeouts::Medium);
    device()->applyPanelCommand(QStringLiteral("2IR7"));
    QTRY_COMPARE_WITH_TIMEOUT(state->irRouting(7), 2, TestTimeouts::Medium);

    // The device logs its own panel commands; the client added none before a marker query.
    MessageDistance::instance()->sendGetVolume();
    QVERIFY(waitForCommand(QStringLiteral("{param=Get_Volume}")));
    QCOMPARE(device()->receivedCommands(),
             QStringList({"{param=5VIDEO3}", "{param=Frozen4/1}", "{param=Output_Lock2/1}",
                          "{param=Output_Lock2/0}", "{param=2IR7}", "{param=Get_Volume}"}));
}

// On the splicer another client's wall layout, bindings and unbindings show here.
void tst_Widget::wallChangesByOthers()
{
    QVERIFY(openShared(QStringLiteral("0808-S")));
    VideoSplitManager *bind = window()->bindManager();
    QVERIFY(bind);

    device()->applyPanelCommand(QStringLiteral("mode3"));
    QTRY_COMPARE_WITH_TIMEOUT(DeviceState::instance()->spliceMode(), 3, TestTimeouts::Medium);
    QCOMPARE(bind->groupOf(6), QList<int>({1, 2, 5, 6}));

    device()->applyPanelCommand(QStringLiteral("UnBind1"));
    QTRY_VERIFY_WITH_TIMEOUT(bind->groups().isEmpty(), TestTimeouts::Medium);
    device()->applyPanelCommand(QStringLiteral("Bind3/4"));
    QTRY_COMPARE_WITH_TIMEOUT(bind->groupOf(4), QList<int>({3, 4}), TestTimeouts::Medium);
    // Unbinding an output that is no master changes nothing here.
    bind->setGroups({{3, {3, 4}}});
    window()->receiveChangedByOthersSlot(QJsonObject{{QStringLiteral("UnBind4_change"), QStringLiteral("4")}});
    QCOMPARE(bind->groupOf(3), QList<int>({3, 4}));
}

// A misbehaving device's notices neither crash the window nor bind outputs it lacks.
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

    auto *video = child<VideoTableWidget>("videoTableWidget");
    QVERIFY(dropOn(video, 2, QStringLiteral("104")));
    QVERIFY(waitForCommand(QStringLiteral("{param=4VIDEO2}")));
}

void tst_Widget::versionRecordsKeepNothing_data()
{
    QTest::addColumn<QString>("model");
    for (const char *model : {"0809", "0808-S", "0409-S"})
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

void tst_Widget::languageSwitch()
{
    QVERIFY(openShared(QStringLiteral("0809-M")));
    auto *tabs = child<QTabWidget>("tabWidget");
    QTRY_COMPARE(tabs->tabText(1), QStringLiteral("Multiview"));
    child<QComboBox>("languageComboBox")->setCurrentIndex(0);
    QCOMPARE(AppSettings::instance()->language(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("视频"));
    QVERIFY(child<QLabel>("connectState")->text().contains(QStringLiteral("IP地址:127.0.0.1")));
    child<QComboBox>("languageComboBox")->setCurrentIndex(1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Video"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Multiview"));
}

void tst_Widget::screenshots_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("tab");
    // Rows of one model in a row, so they share its window.
    for (const char *model : {"0809", "0808-S", "0409-S"}) {
        for (int language : {0, 1})
            QTest::addRow("%s-%s", model, language ? "en" : "zh") << model << language << -1;
        if (QLatin1String(model) == QLatin1String("0809")) {
            QTest::newRow("0809-en-setting") << "0809" << 1 << 4;
            QTest::newRow("0809-zh-audio") << "0809" << 0 << 2;
        } else if (QLatin1String(model) == QLatin1String("0808-S")) {
            QTest::newRow("0808-S-en-audio") << "0808-S" << 1 << 2;
        }
    }
}

// Renders the window when ZEL_SCREENSHOT_DIR names a directory to write to.
void tst_Widget::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the main window");
    QFETCH(QString, model);
    QFETCH(int, language);
    QFETCH(int, tab);
    QVERIFY(openShared(model));
    child<QComboBox>("languageComboBox")->setCurrentIndex(language);
    if (tab >= 0) // the tab rows come after their model's plain ones
        child<QTabWidget>("tabWidget")->setCurrentIndex(tab);
    QCoreApplication::processEvents();
    const QString file = QStringLiteral("%1/main-%2.png").arg(dir, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(window()->grab().save(file));
}

QTEST_MAIN(tst_Widget)
#include "tst_widget.moc"
