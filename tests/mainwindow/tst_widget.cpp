#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "listwidget.h"
#include "logindialog.h"
#include "messagedistance.h"
#include "permissionstore.h"
#include "planpushbutton.h"
#include "simdevice.h"
#include "tableitemwidget.h"
#include "tablewidgetaudiomix.h"
#include "tempdatadir.h"
#include "testtimeouts.h"
#include "userstore.h"
#include "videosplitmanager.h"
#include "videotablewidget.h"
#include "widget.h"
#include "zelresources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

// Delivers drops straight to a grid, as the drag manager would at the end of a drag.
class DropGrid : public TableWidget
{
public:
    using TableWidget::dropEvent;
};

class tst_Widget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpQueries_data();
    void startUpQueries();
    void pagesPerModel_data();
    void pagesPerModel();
    void videoDropRoutesBindGroup();
    void audioDrops_data();
    void audioDrops();
    void refusedDropWarns();
    void audioGrid0808S();
    void planButtonsRecall();
    void outputDialogsAskFirst();
    void iconClicksSend_data();
    void iconClicksSend();
    void routingRecordFillsGrids();
    void changesByOthersApplyWithoutSending();
    void wallChangesByOthers();
    void hostileNoticesChangeNothingElse();
    void networkRecordAndConfirmation();
    void halfTypedNetworkValuesRefused_data();
    void halfTypedNetworkValuesRefused();
    void factoryResetAsksFirst_data();
    void factoryResetAsksFirst();
    void dhcpMakesStaticFieldsReadOnly();
    void offlineDropRefused();
    void staleMarkerAfterSilentPeer();
    void reLoginKeepsTheAddressTheDeviceReports();
    void lostConnectionComesBack();
    void versionRecordsKeepNothing_data();
    void versionRecordsKeepNothing();
    void languageSwitch();
    void screenshots_data();
    void screenshots();

private:
    void startDevice(const QString &model);
    void openWindow();
    bool openSettled(const QString &model);
    bool waitForCommand(const QString &command, int timeout = TestTimeouts::Medium);
    bool dropOn(TableWidget *grid, int port, const QString &text);
    template <typename T> T *child(const char *name) { return m_window->findChild<T *>(QLatin1String(name)); }

    std::unique_ptr<TempDataDir> m_dir;
    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<Widget> m_window;
    QStringList m_dialogs; // titles of the dialogs the window ran
    int m_answer = QDialog::Accepted; // what every dialog answers
};

void tst_Widget::initTestCase()
{
    initZelResources();
}

void tst_Widget::init()
{
    m_dir = std::make_unique<TempDataDir>();
    QVERIFY(m_dir->isValid());
    DataDir::set(m_dir->path());
    m_dialogs.clear();
    m_answer = QDialog::Accepted;
    DeviceState *state = DeviceState::instance();
    state->setSpliceMode(0);
    state->setSplitterLayout(0);
    state->setVideoRouting(QMap<int, int>());
    state->setAudioRouting(QMap<int, int>());
    state->setIrRouting(QMap<int, int>());
    AppSettings::instance()->setLanguage(1);
    UserStore::initTables();
    UserStore::setLoginModel(1);
}

void tst_Widget::cleanup()
{
    m_window.reset();
    MessageDistance::instance()->disconnectFromDevice();
    m_device.reset();
    DataDir::set(QString());
    m_dir.reset();
}

void tst_Widget::startDevice(const QString &model)
{
    m_device = std::make_unique<SimDevice>(model);
    QVERIFY(m_device->listen(QHostAddress::LocalHost, 0, 0));
    AppSettings::instance()->setNetwork(QStringLiteral("127.0.0.1"), m_device->controlPort());
    MessageDistance::instance()->setUploadPort(m_device->uploadPort());
}

void tst_Widget::openWindow()
{
    m_window = std::make_unique<Widget>(nullptr, [](LoginDialog &) { return int(QDialog::Rejected); }, [this](QDialog &dialog) {
        m_dialogs << dialog.windowTitle() + QLatin1Char('|') +
                         [&dialog] {
                             QStringList texts;
                             for (QLabel *label : dialog.findChildren<QLabel *>())
                                 texts << label->text();
                             return texts.join(QLatin1Char('|'));
                         }();
        return m_answer;
    });
    m_window->resize(1280, 800);
}

// Opens the window on a simulated model and returns once the record answering the last
// start-up query has been applied.
bool tst_Widget::openSettled(const QString &model)
{
    startDevice(model);
    openWindow();
    auto lastRecord = &MessageDistance::receiveBindInfoSig;
    if (model == QLatin1String("0808-S"))
        lastRecord = &MessageDistance::receiveOutputInfoSig;
    else if (model == QLatin1String("0409-S"))
        lastRecord = &MessageDistance::receiveRotateAngleSig;
    // Made after the window, so the window's queued slot is posted before the spy counts.
    QSignalSpy last(MessageDistance::instance(), lastRecord);
    QElapsedTimer clock;
    clock.start();
    while (last.isEmpty()) {
        if (clock.elapsed() > TestTimeouts::Medium)
            return false;
        QTest::qWait(10);
    }
    QCoreApplication::processEvents();
    return true;
}

bool tst_Widget::waitForCommand(const QString &command, int timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (!m_device->receivedCommands().contains(command)) {
        if (clock.elapsed() > timeout)
            return false;
        QTest::qWait(10);
    }
    return true;
}

bool tst_Widget::dropOn(TableWidget *grid, int port, const QString &text)
{
    QTableWidgetItem *item = grid->itemForPort(port);
    if (!item)
        return false;
    auto *data = new QMimeData;
    data->setText(text);
    QDropEvent event(grid->visualItemRect(item).center(), Qt::CopyAction, data, Qt::LeftButton,
                     Qt::NoModifier);
    // A member pointer named through DropGrid reaches the protected handler without
    // pretending the grid is a DropGrid.
    void (TableWidget::*drop)(QDropEvent *) = &DropGrid::dropEvent;
    (grid->*drop)(&event);
    delete data;
    return true;
}

void tst_Widget::startUpQueries_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("expected");
    const QStringList common{"{param=version}", "{param=status}", "{param=inputinfo}",
                             "{param=netInfo}", "{param=resolution}"};
    QTest::newRow("0808") << "0808" << common + QStringList{"{param=hdcpinfo}", "{param=outputinfo}", "{param=bindinfo}"};
    QTest::newRow("0809") << "0809" << common + QStringList{"{param=hdcpinfo}", "{param=outputinfo}", "{param=bindinfo}"};
    QTest::newRow("0808-S") << "0808-S" << common + QStringList{"{param=hdcpinfo}", "{param=outputinfo}"};
    QTest::newRow("0409-S") << "0409-S" << common + QStringList{"{param=Get_Rotate}"};
    QTest::newRow("0809-M") << "0809-M" << common + QStringList{"{param=hdcpinfo}", "{param=outputinfo}", "{param=bindinfo}"};
}

// Login-free start: version on connection, then the schedule the version record names.
void tst_Widget::startUpQueries()
{
    QFETCH(QString, model);
    QFETCH(QStringList, expected);
    startDevice(model);
    openWindow();
    QVERIFY(!m_window->loginCancelled());
    QVERIFY(waitForCommand(expected.last()));
    // A marker query after the last one: anything else the window sends shows up before it.
    MessageDistance::instance()->sendGetVolume();
    QVERIFY(waitForCommand(QStringLiteral("{param=Get_Volume}")));
    QCOMPARE(m_device->receivedCommands(), expected << QStringLiteral("{param=Get_Volume}"));
    QVERIFY(child<QLabel>("connectState")->text().endsWith(QLatin1String(" connected")));
}

void tst_Widget::pagesPerModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("jointText");
    QTest::addColumn<bool>("jointEnabled");
    QTest::addColumn<bool>("videoEnabled");
    QTest::addColumn<int>("videoColumns");
    QTest::addColumn<int>("videoRows");
    QTest::newRow("0808") << "0808" << "Splice" << false << true << 3 << 3;
    QTest::newRow("0809") << "0809" << "Splice" << false << true << 3 << 3;
    QTest::newRow("0808-S") << "0808-S" << "Splice" << false << true << 4 << 2;
    QTest::newRow("0809-M") << "0809-M" << "Multiview" << true << true << 3 << 3;
    QTest::newRow("0409-S") << "0409-S" << "Multiview" << true << false << 3 << 3;
}

void tst_Widget::pagesPerModel()
{
    QFETCH(QString, model);
    startDevice(model);
    openWindow();
    QVERIFY(waitForCommand(QStringLiteral("{param=resolution}")));
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
    QVERIFY(openSettled(QStringLiteral("0809")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    m_window->bindManager()->setGroups({{5, {5, 6}}});
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
    QCOMPARE(m_device->receivedCommands().count(QStringLiteral("{param=3VIDEO5}")), 1);
    QVERIFY(!m_device->receivedCommands().contains(QStringLiteral("{param=3VIDEO6}")));
}

void tst_Widget::audioDrops_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("command");
    QTest::newRow("input onto audio") << "0809" << "AudioTable" << 2 << "103" << "{param=103AUDIO2}";
    QTest::newRow("audio onto audio") << "0809" << "AudioTable" << 4 << "6" << "{param=6AUDIO4}";
    QTest::newRow("audio onto HDMI audio") << "0809" << "audioHDMITable" << 102 << "3" << "{param=3AUDIO102}";
    QTest::newRow("input onto infrared") << "0809" << "InfaredTable" << 7 << "104" << "{param=4IR7}";
    QTest::newRow("input onto 0808-S HDMI audio 2") << "0808-S" << "audioTable0808S" << 102 << "103"
                                                    << "{param=103AUDIO102}";
    QTest::newRow("input onto 0808-S analogue output") << "0808-S" << "audioTable0808S" << 1 << "104"
                                                       << "{param=104AUDIO1}";
}

void tst_Widget::audioDrops()
{
    QFETCH(QString, grid);
    QFETCH(int, port);
    QFETCH(QString, text);
    QFETCH(QString, command);
    QFETCH(QString, model);
    startDevice(model);
    openWindow();
    QVERIFY(waitForCommand(QStringLiteral("{param=status}")));
    auto *table = m_window->findChild<TableWidget *>(grid);
    QVERIFY(table);
    // The 0808-S shows its HDMI audio cells only while that audio is switched on its own.
    child<QComboBox>("HdmiAudioComboBox")->setCurrentIndex(1);
    QVERIFY(dropOn(table, port, text));
    QVERIFY(waitForCommand(command));
}

// A user without the output right: nothing is sent, the warning is shown.
void tst_Widget::refusedDropWarns()
{
    startDevice(QStringLiteral("0809"));
    QVERIFY(UserStore::addUser(QStringLiteral("guest"), QStringLiteral("pw")));
    PermissionStore store;
    QVERIFY(store.createDefaultRights(QStringLiteral("guest")));
    PermissionStore probe;
    probe.loadForUser(QStringLiteral("guest"));
    PermissionRights rights = store.readRights(probe.userId());
    rights.outputs[4] = false; // output 5
    QVERIFY(store.saveRights(probe.userId(), rights));
    AppSettings::instance()->setUsername(QStringLiteral("guest"));
    openWindow();
    QVERIFY(waitForCommand(QStringLiteral("{param=status}")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    QVERIFY(dropOn(video, 5, QStringLiteral("103")));
    QCOMPARE(m_dialogs.size(), 1);
    QVERIFY(m_dialogs.first().contains(QLatin1String("does not have permission")));
    QVERIFY(dropOn(video, 4, QStringLiteral("103")));
    QVERIFY(waitForCommand(QStringLiteral("{param=3VIDEO4}")));
    QVERIFY(!m_device->receivedCommands().contains(QStringLiteral("{param=3VIDEO5}")));
}

// The 0808-S Audio page: HDMI audio routes shown, single cell while they follow video.
void tst_Widget::audioGrid0808S()
{
    QVERIFY(openSettled(QStringLiteral("0808-S")));
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
    mode->setCurrentIndex(0);
    QVERIFY(mix->isSingleCell());
    QVERIFY(waitForCommand(QStringLiteral("{param=FollowVideo}")));
    // The version record says how the device runs its HDMI audio.
    m_window->receiveVersionSlot(QJsonObject{{"device", "0808-S"}, {"audio", false}});
    QVERIFY(!mix->isSingleCell());
    QCOMPARE(mix->itemForPort(105)->row(), 1);
}

// A double click recalls: the recall, then status 50 ms and bindinfo 100 ms later.
void tst_Widget::planButtonsRecall()
{
    QVERIFY(openSettled(QStringLiteral("0809")));
    auto *plan3 = child<PlanPushButton>("btn_plan3");
    QVERIFY(plan3->isEnabled());
    QCOMPARE(plan3->text(), QStringLiteral("[3]"));
    const int before = m_device->receivedCommands().size();
    QTest::mouseDClick(plan3, Qt::LeftButton);
    QVERIFY(waitForCommand(QStringLiteral("{param=Recall2}")));
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedCommands().mid(before),
                              (QStringList{"{param=Recall2}", "{param=status}", "{param=bindinfo}"}),
                              TestTimeouts::Short);
}

// The port menus' output dialogs: the query goes out, then the dialog runs.
void tst_Widget::outputDialogsAskFirst()
{
    QVERIFY(openSettled(QStringLiteral("0809")));
    m_window->sl_Scalingmode(3);
    m_window->sl_NoSignalOut(4);
    m_window->sl_GraphicsTest(5, true);
    QVERIFY(waitForCommand(QStringLiteral("{param=Get_Noinput4}")));
    QVERIFY(m_device->receivedCommands().contains(QStringLiteral("{param=Get_Scaler3}")));
    QCOMPARE(m_dialogs.size(), 3);
    QVERIFY(m_dialogs.at(0).startsWith(QLatin1String("Scaling Mode|")));
    QVERIFY(m_dialogs.at(1).startsWith(QLatin1String("No Signal Output|")));
    QVERIFY(m_dialogs.at(2).startsWith(QLatin1String("Input Graphics test|")));
}

void tst_Widget::iconClicksSend_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("pause") << "pauseIcon" << QStringList{"{param=Frozen3/1}", "{param=Frozen3/0}"};
    QTest::newRow("mute") << "muteIcon" << QStringList{"{param=VideoMuteOn3}", "{param=VideoMuteOff3}"};
}

// Clicking a cell's icon twice turns the state on and off again on the device.
void tst_Widget::iconClicksSend()
{
    QFETCH(QString, icon);
    QFETCH(QStringList, commands);
    QVERIFY(openSettled(QStringLiteral("0809")));
    TableItemWidget *cell = child<VideoTableWidget>("videoTableWidget")->cellForPort(3);
    QVERIFY(cell);
    auto *label = cell->findChild<QLabel *>(icon);
    QVERIFY(label);
    for (const QString &command : qAsConst(commands)) {
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY2(waitForCommand(command), qPrintable(command));
    }
    QVERIFY(!DeviceState::instance()->outputFrozen(3));
    QVERIFY(!DeviceState::instance()->outputVideoMuted(3));
}

// A change made on the device's panel reaches the grids through its notice.
void tst_Widget::routingRecordFillsGrids()
{
    startDevice(QStringLiteral("0809"));
    openWindow();
    QVERIFY(waitForCommand(QStringLiteral("{param=bindinfo}")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    const int routed = m_device->state().video.value(2);
    QTRY_VERIFY(video->cellForPort(2)->inputText().startsWith(QStringLiteral("[%1] ").arg(routed)));
    m_device->applyPanelCommand(QStringLiteral("7VIDEO2"));
    QTRY_VERIFY_WITH_TIMEOUT(video->cellForPort(2)->inputText().startsWith(QLatin1String("[7] ")),
                             TestTimeouts::Medium);
}

// Notices from another client land in the store and the cells directly; the bind
// group follows and nothing goes back to the device.
void tst_Widget::changesByOthersApplyWithoutSending()
{
    QVERIFY(openSettled(QStringLiteral("0809")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    m_window->bindManager()->setGroups({{3, {3, 4}}});
    DeviceState *state = DeviceState::instance();
    m_device->clearReceivedCommands();

    m_device->applyPanelCommand(QStringLiteral("5VIDEO3"));
    QTRY_COMPARE_WITH_TIMEOUT(state->videoRouting(4), 5, TestTimeouts::Medium);
    QCOMPARE(state->videoRouting(3), 5);
    QVERIFY(video->cellForPort(4)->inputText().startsWith(QLatin1String("[5] ")));

    m_device->applyPanelCommand(QStringLiteral("Frozen4/1"));
    QTRY_VERIFY_WITH_TIMEOUT(video->cellForPort(4)->isFrozen(), TestTimeouts::Medium);
    m_device->applyPanelCommand(QStringLiteral("Output_Lock2/1"));
    QTRY_VERIFY_WITH_TIMEOUT(state->outputLocked(2), TestTimeouts::Medium);
    m_device->applyPanelCommand(QStringLiteral("Output_Lock2/0"));
    QTRY_VERIFY_WITH_TIMEOUT(!state->outputLocked(2), TestTimeouts::Medium);
    m_device->setInputSignal(6, false);
    QTRY_VERIFY_WITH_TIMEOUT(!state->inputPresent(6), TestTimeouts::Medium);
    m_device->applyPanelCommand(QStringLiteral("2IR7"));
    QTRY_COMPARE_WITH_TIMEOUT(state->irRouting(7), 2, TestTimeouts::Medium);

    // The device logs its own panel commands; the client added none before a marker query.
    MessageDistance::instance()->sendGetVolume();
    QVERIFY(waitForCommand(QStringLiteral("{param=Get_Volume}")));
    QCOMPARE(m_device->receivedCommands(),
             QStringList({"{param=5VIDEO3}", "{param=Frozen4/1}", "{param=Output_Lock2/1}",
                          "{param=Output_Lock2/0}", "{param=2IR7}", "{param=Get_Volume}"}));
}

// On the splicer another client's wall layout, bindings and unbindings show here.
void tst_Widget::wallChangesByOthers()
{
    QVERIFY(openSettled(QStringLiteral("0808-S")));
    VideoSplitManager *bind = m_window->bindManager();
    QVERIFY(bind);

    m_device->applyPanelCommand(QStringLiteral("mode3"));
    QTRY_COMPARE_WITH_TIMEOUT(DeviceState::instance()->spliceMode(), 3, TestTimeouts::Medium);
    QCOMPARE(bind->groupOf(6), QList<int>({1, 2, 5, 6}));

    m_device->applyPanelCommand(QStringLiteral("UnBind1"));
    QTRY_VERIFY_WITH_TIMEOUT(bind->groups().isEmpty(), TestTimeouts::Medium);
    m_device->applyPanelCommand(QStringLiteral("Bind3/4"));
    QTRY_COMPARE_WITH_TIMEOUT(bind->groupOf(4), QList<int>({3, 4}), TestTimeouts::Medium);
    // Unbinding an output that is no master changes nothing here.
    bind->setGroups({{3, {3, 4}}});
    m_window->receiveChangedByOthersSlot(QJsonObject{{QStringLiteral("UnBind4_change"), QStringLiteral("4")}});
    QCOMPARE(bind->groupOf(3), QList<int>({3, 4}));
}

// A misbehaving device's notices neither crash the window nor bind outputs it lacks.
void tst_Widget::hostileNoticesChangeNothingElse()
{
    QVERIFY(openSettled(QStringLiteral("0808-S")));
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
    for (const QJsonObject &n : notices)
        m_window->receiveChangedByOthersSlot(n);
    QVERIFY(m_window->bindManager()->groups().isEmpty());
    QCOMPARE(DeviceState::instance()->spliceMode(), 0);

    auto *video = child<VideoTableWidget>("videoTableWidget");
    QVERIFY(dropOn(video, 2, QStringLiteral("104")));
    QVERIFY(waitForCommand(QStringLiteral("{param=4VIDEO2}")));
}

void tst_Widget::networkRecordAndConfirmation()
{
    startDevice(QStringLiteral("0809"));
    openWindow();
    auto *ip = child<QLineEdit>("IpEdit");
    QTRY_VERIFY_WITH_TIMEOUT(!ip->text().isEmpty(), TestTimeouts::Medium);
    auto *mac = child<QLineEdit>("MacEdit");
    int pos = 0;
    QString hyphens = QStringLiteral("00-1A-2B-3C-4D-5E");
    QCOMPARE(mac->validator()->validate(hyphens, pos), QValidator::Acceptable);
    QString fivePairs = QStringLiteral("00:1A:2B:3C:4D");
    QVERIFY(mac->validator()->validate(fivePairs, pos) != QValidator::Acceptable);

    child<QPushButton>("netWorkConfirmBtn")->click();
    const QString command = QStringLiteral("{param=&ip,ip=%1,gateway=%2,subnet=%3,mac=%4}")
                                .arg(ip->text(), child<QLineEdit>("GateWayEdit")->text(),
                                     child<QLineEdit>("SubnetEdit")->text(), mac->text());
    QVERIFY(waitForCommand(command));
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs.size(), 2, TestTimeouts::Medium);
    QVERIFY(m_dialogs.first().contains(QLatin1String("Send these network settings")));
    QVERIFY(m_dialogs.last().contains(QLatin1String("please reboot the device immediately")));
    emit m_window->si_http200Analysis(); // a second acknowledgement shows nothing
    QCOMPARE(m_dialogs.size(), 2);
}

void tst_Widget::halfTypedNetworkValuesRefused_data()
{
    QTest::addColumn<QStringList>("values"); // ip, gateway, subnet, mac
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("badField"); // empty: the change goes out; "-": nothing marked
    const QStringList good{"10.0.0.5", "10.0.0.1", "255.255.255.0", "02:00:00:00:00:01"};
    QTest::addRow("complete and confirmed") << good << int(QDialog::Accepted) << "";
    QTest::addRow("operator says no") << good << int(QDialog::Rejected) << "-";
    QTest::addRow("empty gateway") << QStringList{good[0], "", good[2], good[3]} << int(QDialog::Accepted) << "GateWayEdit";
    QTest::addRow("subnet 255.255") << QStringList{good[0], good[1], "255.255", good[3]} << int(QDialog::Accepted) << "SubnetEdit";
    QTest::addRow("mac 11:22") << QStringList{good[0], good[1], good[2], "11:22"} << int(QDialog::Accepted) << "MacEdit";
    QTest::addRow("three numbers") << QStringList{"99.30.1", good[1], good[2], good[3]} << int(QDialog::Accepted) << "IpEdit";
}

// What went to the device before: "{param=&ip,ip=99.30.1.1,gateway=,subnet=255.255,mac=11:22}".
void tst_Widget::halfTypedNetworkValuesRefused()
{
    QFETCH(QStringList, values);
    QFETCH(int, answer);
    QFETCH(QString, badField);
    QVERIFY(openSettled(QStringLiteral("0809")));
    const char *names[] = {"IpEdit", "GateWayEdit", "SubnetEdit", "MacEdit"};
    for (int i = 0; i < 4; ++i)
        child<QLineEdit>(names[i])->setText(values.at(i));
    m_answer = answer;
    m_device->clearReceivedCommands();
    child<QPushButton>("netWorkConfirmBtn")->click();
    const QString command = QStringLiteral("{param=&ip,ip=%1,gateway=%2,subnet=%3,mac=%4}")
                                .arg(values[0], values[1], values[2], values[3]);
    if (badField.isEmpty()) {
        QVERIFY(waitForCommand(command));
        return;
    }
    MessageDistance::instance()->sendVersion(); // arrives after anything sent before it
    QVERIFY(waitForCommand(QStringLiteral("{param=version}")));
    QCOMPARE(m_device->receivedCommands(), QStringList{"{param=version}"});
    if (badField != QLatin1String("-")) {
        QVERIFY(m_dialogs.isEmpty()); // refused before any confirmation
        QVERIFY(child<QLineEdit>(qPrintable(badField))->property("bad").toBool());
        QVERIFY(!child<QLabel>("messageLine")->text().isEmpty());
    }
}

void tst_Widget::factoryResetAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("sent");
    QTest::addRow("no") << int(QDialog::Rejected) << false;
    QTest::addRow("yes") << int(QDialog::Accepted) << true;
}

void tst_Widget::factoryResetAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, sent);
    QVERIFY(openSettled(QStringLiteral("0809")));
    m_answer = answer;
    m_device->clearReceivedCommands();
    child<QPushButton>("factorResetBtn")->click();
    QCOMPARE(m_dialogs.size(), 1);
    QVERIFY(m_dialogs.first().contains(QLatin1String("factory settings")));
    MessageDistance::instance()->sendVersion();
    QVERIFY(waitForCommand(QStringLiteral("{param=version}")));
    QCOMPARE(m_device->receivedCommands().contains(QStringLiteral("{param=Default}")), sent);
}

void tst_Widget::dhcpMakesStaticFieldsReadOnly()
{
    QVERIFY(openSettled(QStringLiteral("0809")));
    auto *dhcp = child<QCheckBox>("DhcpSwitchCheck");
    dhcp->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=DHCP_On}")));
    QVERIFY(child<QLineEdit>("IpEdit")->isReadOnly());
    QVERIFY(!child<QPushButton>("netWorkConfirmBtn")->isEnabled());
    dhcp->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=DHCP_Off}")));
    QVERIFY(!child<QLineEdit>("SubnetEdit")->isReadOnly());
    QVERIFY(child<QPushButton>("netWorkConfirmBtn")->isEnabled());
}

// Before: the cell showed the new source, nothing was sent, and it reverted after the
// reconnect without a word.
void tst_Widget::offlineDropRefused()
{
    QVERIFY(openSettled(QStringLiteral("0809")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    const QString before = video->cellForPort(5)->inputText();
    const quint16 port = m_device->controlPort();
    m_device->close();
    auto *word = child<QLabel>("linkWord");
    QTRY_VERIFY_WITH_TIMEOUT(word->text() != QLatin1String("Connected"), TestTimeouts::Medium);
    QVERIFY(dropOn(video, 5, QStringLiteral("103")));
    QCOMPARE(video->cellForPort(5)->inputText(), before);
    QVERIFY(child<QLabel>("messageLine")->text().contains(QLatin1String("not connected")));
    QVERIFY(child<QLabel>("linkStripText")->text().startsWith(QLatin1String("Offline")));
    m_device->clearReceivedCommands();
    QVERIFY(m_device->listen(QHostAddress::LocalHost, port, 0));
    QVERIFY(waitForCommand(QStringLiteral("{param=version}"), TestTimeouts::Long));
    QTRY_COMPARE_WITH_TIMEOUT(word->text(), QStringLiteral("Connected"), TestTimeouts::Medium);
    QVERIFY(!m_device->receivedCommands().contains(QStringLiteral("{param=3VIDEO5}")));
}

void tst_Widget::staleMarkerAfterSilentPeer()
{
    startDevice(QStringLiteral("0809"));
    SimFaults faults;
    faults.ignoredQueries = {QStringLiteral("netInfo")};
    m_device->setFaults(faults);
    openWindow();
    auto *strip = child<QLabel>("linkStripText");
    QTRY_VERIFY_WITH_TIMEOUT(strip->text().contains(QLatin1String("may be stale (last record")),
                             TestTimeouts::Long);
    auto *refresh = child<QPushButton>("staleRefreshBtn");
    QVERIFY(refresh->isVisibleTo(m_window.get()));
    m_device->clearReceivedCommands();
    refresh->click();
    QVERIFY(waitForCommand(QStringLiteral("{param=version}")));
    QTRY_COMPARE_WITH_TIMEOUT(strip->text(), QString(), TestTimeouts::Medium);
}

// The simulator used to report 192.168.1.188 whatever address it was reached on; a
// Re-Login then wrote that address and connected there.
void tst_Widget::reLoginKeepsTheAddressTheDeviceReports()
{
    startDevice(QStringLiteral("0809"));
    m_window = std::make_unique<Widget>(nullptr, [](LoginDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("passwordEdit"))->setText(QStringLiteral("tiger905"));
        dialog.findChild<QPushButton *>(QStringLiteral("btnLogin"))->click();
        return dialog.result();
    });
    QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("IpEdit")->text(), QStringLiteral("127.0.0.1"),
                              TestTimeouts::Medium);
    m_device->clearReceivedCommands();
    child<QPushButton>("btnReLogin")->click();
    QCOMPARE(AppSettings::instance()->ip(), QStringLiteral("127.0.0.1"));
    QVERIFY(waitForCommand(QStringLiteral("{param=version}"), TestTimeouts::Long));
}

void tst_Widget::lostConnectionComesBack()
{
    startDevice(QStringLiteral("0809"));
    openWindow();
    auto *title = child<QLabel>("connectState");
    QTRY_VERIFY_WITH_TIMEOUT(title->text().endsWith(QLatin1String(" connected")), TestTimeouts::Medium);
    const quint16 port = m_device->controlPort();
    m_device->close();
    QTRY_VERIFY_WITH_TIMEOUT(title->text().endsWith(QLatin1String(" disconnected")), TestTimeouts::Medium);
    QCOMPARE(AppSettings::instance()->connectionStatus(), 0);
    QVERIFY(m_device->listen(QHostAddress::LocalHost, port, 0));
    QTRY_VERIFY_WITH_TIMEOUT(title->text().endsWith(QLatin1String(" connected")), TestTimeouts::Long);
    QVERIFY(waitForCommand(QStringLiteral("{param=version}")));
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
    QVERIFY(openSettled(model));
    auto objects = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return m_window->findChildren<QObject *>().size();
    };
    QList<QPointer<TableItemWidget>> cells;
    for (TableWidget *grid : m_window->findChildren<TableWidget *>()) {
        for (int port : {1, 101}) {
            if (TableItemWidget *cell = grid->cellForPort(port))
                cells << cell;
        }
    }
    QVERIFY(cells.size() >= 3);
    const int before = objects();
    QSignalSpy versions(MessageDistance::instance(), &MessageDistance::receiveVersionSig);
    for (int i = 0; i < 20; ++i)
        child<QPushButton>("refrenshBtn")->click();
    QTRY_COMPARE_WITH_TIMEOUT(versions.size(), 20, TestTimeouts::Long);
    QCoreApplication::processEvents();
    QCOMPARE(objects(), before);
    for (const QPointer<TableItemWidget> &cell : cells)
        QVERIFY2(cell, "a grid built its cells anew");
}

void tst_Widget::languageSwitch()
{
    startDevice(QStringLiteral("0809-M"));
    openWindow();
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
    for (const char *model : {"0809", "0808-S", "0409-S"}) {
        for (int language : {0, 1})
            QTest::addRow("%s-%s", model, language ? "en" : "zh") << model << language << -1;
    }
    QTest::newRow("0809-en-setting") << "0809" << 1 << 4;
    QTest::newRow("0809-zh-audio") << "0809" << 0 << 2;
    QTest::newRow("0808-S-en-audio") << "0808-S" << 1 << 2;
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
    AppSettings::instance()->setLanguage(language);
    QVERIFY(openSettled(model));
    if (tab >= 0)
        child<QTabWidget>("tabWidget")->setCurrentIndex(tab);
    QCoreApplication::processEvents();
    const QString file = QStringLiteral("%1/main-%2.png").arg(dir, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(m_window->grab().save(file));
}

QTEST_MAIN(tst_Widget)
#include "tst_widget.moc"
