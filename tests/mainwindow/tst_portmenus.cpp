#include "devicestate.h"
#include "dialogconfirm.h"
#include "dialoglauncher.h"
#include "listwidget.h"
#include "messagedistance.h"
#include "permissionstore.h"
#include "portmenus.h"
#include "portnamestore.h"
#include "renamedialog.h"
#include "simdevice.h"
#include "tableitemwidget.h"
#include "tablewidget.h"
#include "videosplitmanager.h"
#include "windowkit.h"
#include "zelresources.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

// The port menus on a real main window against the simulator: what each entry puts on
// the wire, clearing by a double click, rename in every view; the caption, OSD and EDID
// dialogs behind the logged-in user's rights.
class tst_PortMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init();
    void cleanup() { m_kit.cleanup(); }
    void cleanupTestCase() { m_kit.release(); }

    // Each on a fresh window.
    void doubleClickClears_data();
    void doubleClickClears();
    void storedNamesShowAtStart();
    void titlesNameThePort();
    void volumeShowsTheDevicesValue_data();
    void volumeShowsTheDevicesValue();
    void dialogsAskTheRights_data();
    void dialogsAskTheRights();
    void spliceAsksTheOutputRights();
    void switchLayoutShowsTheDevicesBinding();
    // One shared 0809 window.
    void entriesSend();
    void renameFollowsEverywhere_data();
    void renameFollowsEverywhere();
    void screenshots();

private:
    bool openSettled(const QString &model = QStringLiteral("0809"))
    {
        return m_kit.openSettled(model) && hookMenus();
    }
    bool openShared() { return m_kit.openShared(QStringLiteral("0809")) && hookMenus(); }
    bool hookMenus();
    bool waitForCommand(const QString &command) { return m_kit.waitForCommand(command); }
    TableWidget *grid(const QString &name)
    {
        return m_kit.window()->findChild<TableWidget *>(name);
    }
    ListWidget *list() { return m_kit.child<ListWidget>("listWidget"); }
    void openMenu(const QString &where, int port);
    static QAction *action(QMenu *menu, const QStringList &path);

    WindowKit m_kit;
    QSize m_dialogSize;
    std::function<void(QMenu &)> m_onMenu;
};

void tst_PortMenus::init()
{
    QVERIFY(m_kit.init());
    m_onMenu = nullptr;
    m_kit.onDialog = [this](QDialog &dialog) {
        m_dialogSize = dialog.size();
        if (auto *rename = qobject_cast<RenameDialog *>(&dialog)) {
            rename->lineEdit()->setText(QStringLiteral("Lobby"));
            rename->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        } else if (m_kit.dialogs.last().contains(QLatin1String("No Permission!")) &&
                   !qEnvironmentVariableIsEmpty("ZEL_SCREENSHOT_DIR")) {
            dialog.grab().save(qEnvironmentVariable("ZEL_SCREENSHOT_DIR") +
                               "/warning-no-permission.png");
        }
    };
}

bool tst_PortMenus::hookMenus()
{
    m_kit.window()->portMenus()->setMenuRunner([this](QMenu &menu) {
        if (m_onMenu)
            m_onMenu(menu);
    });
    return true;
}

// Right-clicks the port's cell (on its name) or input item, as the operator does.
void tst_PortMenus::openMenu(const QString &where, int port)
{
    m_kit.window()
        ->findChild<QTabWidget *>(QStringLiteral("tabWidget"))
        ->setCurrentIndex(where == "AudioTable"     ? 2
                          : where == "InfaredTable" ? 3
                                                    : 0);
    QWidget *target = list()->viewport();
    QPoint at = list()->visualItemRect(list()->item(7 + port)).center(); // inputs: rows 8-15
    if (where != QLatin1String("listWidget")) {
        target = grid(where)->cellForPort(port)->findChild<QLabel *>(QStringLiteral("OutputName"));
        at = target->rect().center();
    }
    if (!target->isVisible()) // the HDMI audio grid while HDMI audio follows video
        return m_kit.window()->portMenus()->showGridMenu(grid(where), port);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
}

QAction *tst_PortMenus::action(QMenu *menu, const QStringList &path)
{
    const QString text =
        QCoreApplication::translate("PortMenus", path.first().toUtf8().constData());
    for (QAction *a : menu->actions()) {
        if (a->text() != text)
            continue;
        if (path.size() == 1)
            return a;
        return a->menu() ? action(a->menu(), path.mid(1)) : nullptr;
    }
    return nullptr;
}

// After "2 x 4" the device binds outputs 1 and 2 by itself: the grid shows that group
// from the device's own answer, without a Refresh.
void tst_PortMenus::switchLayoutShowsTheDevicesBinding()
{
    QVERIFY(openSettled());
    VideoSplitManager *bind = m_kit.window()->bindManager();
    QVERIFY(bind->groupOf(2).isEmpty());
    bool found = false;
    m_onMenu = [&](QMenu &menu) {
        QAction *a = action(&menu, {QStringLiteral("Switch Layout"), QStringLiteral("2 x 4")});
        found = a && a->isEnabled();
        if (found)
            a->trigger();
    };
    openMenu(QStringLiteral("videoTableWidget"), 1);
    QVERIFY(found);
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=mode1}")));
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=bindinfo}")));
    QTRY_COMPARE_WITH_TIMEOUT(bind->groupOf(2), (QList<int>{1, 2}), TestTimeouts::Medium);
}

// A grid cell's menu, a cell submenu and an input's submenu, each on the wire.
void tst_PortMenus::entriesSend()
{
    struct Entry
    {
        const char *where;
        int port;
        const char *path;
        const char *command;
    };
    const Entry entries[] = {
        {"videoTableWidget", 5, "Resolution>1920x1080x60Hz", "{param=Port5/1920x1080x60Hz!}"},
        {"videoTableWidget", 4, "Freeze / Unfreeze", "{param=Frozen4/1}"},
        {"listWidget", 2, "HDCP Setting>HDCP 2.2 Only", "{param=Input_HDCP2/3}"},
    };
    QVERIFY(openShared());
    for (const Entry &e : entries) {
        bool found = false;
        m_onMenu = [&](QMenu &menu) {
            QAction *a = action(&menu, QString::fromUtf8(e.path).split('>'));
            found = a && a->isEnabled();
            if (found)
                a->trigger();
        };
        openMenu(QLatin1String(e.where), e.port);
        QVERIFY2(found, e.path);
        QVERIFY2(waitForCommand(QLatin1String(e.command)), e.command);
    }
    QVERIFY(grid(QStringLiteral("videoTableWidget"))->cellForPort(4)->isFrozen());
}

void tst_PortMenus::doubleClickClears_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::addRow("administrator") << true;
    QTest::addRow("user without video switching") << false;
}

void tst_PortMenus::doubleClickClears()
{
    QFETCH(bool, allowed);
    if (!allowed)
        QVERIFY(WindowKit::setRights(QStringLiteral("guest"), {PermissionStore::VideoSwitch}));
    QVERIFY(openSettled());
    TableWidget *video = grid(QStringLiteral("videoTableWidget"));
    const QRect cell = video->visualItemRect(video->itemForPort(5));
    // A real double click starts with a click; the view needs that press.
    QTest::mouseClick(video->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(video->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QCOMPARE(m_kit.sentBeforeMarker(), allowed ? QStringList{"{param=0VIDEO5}"} : QStringList());
    QCOMPARE(video->cellForPort(5)->inputText(),
             allowed ? QString() : QStringLiteral("[5] Input 5"));
    QCOMPARE(m_kit.dialogs.size(), allowed ? 0 : 1);
    if (!allowed) {
        QVERIFY(m_kit.dialogs.first().contains(QLatin1String("does not have permission")));
        // As large as its text, not a share of the main window.
        DialogConfirm fitted(
            nullptr, QStringLiteral("Warning"), m_kit.dialogs.first().section('|', 1));
        QCOMPARE(m_dialogSize, fitted.size());
    }
}

void tst_PortMenus::dialogsAskTheRights_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QList<int>>("deniedKeys");
    QTest::addColumn<QList<int>>("deniedInputs");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("shown");   // the first dialog run
    QTest::addColumn<QString>("command"); // sent to the device, or empty
    const QList<int> none;
    const QList<int> edid{PermissionStore::Edid};
    const QList<int> input3{3};
    QTest::addRow("osd of an input without its right") << "guest" << none << input3 << "osd 3"
                                                       << "Warning|No Permission!\nInput 3"
                                                       << "";
    QTest::addRow("osd of another input") << "guest" << none << input3 << "osd 4"
                                          << "OSD Setting [4] Input 4"
                                          << "{param=Get_OSD4}";
    QTest::addRow("edid without the edid right") << "guest" << edid << none << "edid 2"
                                                 << "Warning|No Permission!\nEDID"
                                                 << "";
    QTest::addRow("edid with the rights") << "guest" << none << none << "edid 2"
                                          << "EDID Setting [Input2]"
                                          << "";
    QTest::addRow("caption button") << "guest" << none << none << "caption"
                                    << "Caption Setting"
                                    << "{param=Get_Subtitle}";
    QTest::addRow("administrator never refused") << "ADMIN" << none << none << "osd 3"
                                                 << "OSD Setting [3] Input 3"
                                                 << "{param=Get_OSD3}";
}

void tst_PortMenus::dialogsAskTheRights()
{
    QFETCH(QString, user);
    QFETCH(QString, operation);
    QFETCH(QString, shown);
    QFETCH(QString, command);
    if (user != QLatin1String("ADMIN")) {
        QFETCH(QList<int>, deniedKeys);
        QFETCH(QList<int>, deniedInputs);
        QVERIFY(WindowKit::setRights(user, deniedKeys, deniedInputs));
    }
    QVERIFY(openSettled());
    m_kit.answer = QDialog::Rejected;
    m_kit.dialogLabels = QStringList{QStringLiteral("lb_content"), QStringLiteral("lb_text")};
    const int port = operation.section(' ', 1).toInt();
    if (operation.startsWith("osd"))
        m_kit.window()->dialogs()->openOsd(port);
    else if (operation.startsWith("edid"))
        m_kit.window()->dialogs()->openEdid(port);
    else
        m_kit.child<QPushButton>("CaptionBtn")->click();
    QVERIFY(!m_kit.dialogs.isEmpty());
    QCOMPARE(m_kit.dialogs.first().section('|', 0, shown.count('|')), shown);
    if (shown.startsWith(QLatin1String("Warning|"))) {
        // As large as its text, like any confirmation, not a share of the window.
        DialogConfirm fitted(nullptr, QStringLiteral("Warning"), shown.section('|', 1));
        QCOMPARE(m_dialogSize, fitted.size());
    }
    // A refused operation asks nothing of the device.
    QCOMPARE(m_kit.sentBeforeMarker().value(0), command);
}

// Splice from the menu of the first of two selected outputs, with the rights read from
// the store as at login: input 1 denied does not matter, output 4 denied refuses.
void tst_PortMenus::spliceAsksTheOutputRights()
{
    QVERIFY(WindowKit::setRights(QStringLiteral("guest"), {}, {1}, {4}));
    QVERIFY(openSettled());
    TableWidget *video = grid(QStringLiteral("videoTableWidget"));
    struct Step
    {
        QList<int> outputs;
        QStringList sent;
        bool warned;
    };
    const Step steps[] = {{{1, 2}, {"{param=Bind1/2}"}, false}, {{3, 4}, {}, true}};
    for (const Step &step : steps) {
        m_kit.dialogs.clear();
        m_kit.device()->clearReceivedCommands();
        video->clearSelection();
        for (int port : step.outputs)
            video->itemForPort(port)->setSelected(true);
        bool enabled = false;
        m_onMenu = [&enabled](QMenu &menu) {
            QAction *splice = action(&menu, {QStringLiteral("Splice")});
            enabled = splice && splice->isEnabled();
            if (enabled)
                splice->trigger();
        };
        openMenu(QStringLiteral("videoTableWidget"), step.outputs.first());
        QVERIFY(enabled);
        QCOMPARE(m_kit.sentBeforeMarker().filter(QStringLiteral("Bind")), step.sent);
        QCOMPARE(m_kit.dialogs.size(), step.warned ? 1 : 0);
        if (step.warned)
            QVERIFY(m_kit.dialogs.first().contains(QLatin1String("does not have permission")));
    }
}

void tst_PortMenus::renameFollowsEverywhere_data()
{
    QTest::addColumn<QString>("where"); // the view F2 is pressed in
    QTest::addColumn<int>("row");       // list row, or grid port
    QTest::addColumn<QString>("shownIn");
    QTest::addColumn<int>("port");      // of the cell showing the name, and as stored
    QTest::addColumn<QString>("shown"); // that cell's output or source label
    QTest::addColumn<int>("kind");      // stored as
    // Rows 0-7 of the list are the audio sources, 8-15 the inputs.
    QTest::addRow("input 3 in the video cells")
        << "listWidget" << 10 << "videoTableWidget" << 3 << "in:[3] Lobby" << 0;
    QTest::addRow("audio source 2 in the audio cells")
        << "listWidget" << 1 << "AudioTable" << 2 << "in:[2] Lobby" << 2;
    QTest::addRow("audio output 2")
        << "AudioTable" << 2 << "AudioTable" << 2 << "out:[2] Lobby" << 3;
    QTest::addRow("HDMI audio 103 is output 3")
        << "audioHDMITable" << 103 << "videoTableWidget" << 3 << "out:[3] Lobby" << 1;
    QTest::addRow("infrared output 5")
        << "InfaredTable" << 5 << "InfaredTable" << 5 << "out:[5] Lobby" << 4;
}

void tst_PortMenus::renameFollowsEverywhere()
{
    QFETCH(QString, where);
    QFETCH(int, row);
    QFETCH(QString, shownIn);
    QFETCH(int, port);
    QFETCH(QString, shown);
    QFETCH(int, kind);
    QVERIFY(openShared());
    QWidget *view =
        where == QLatin1String("listWidget") ? static_cast<QWidget *>(list()) : grid(where);
    if (auto *l = qobject_cast<ListWidget *>(view))
        l->setCurrentRow(row);
    else
        grid(where)->setCurrentItem(grid(where)->itemForPort(row), QItemSelectionModel::NoUpdate);
    QTest::keyClick(view, Qt::Key_F2);
    QCOMPARE(m_kit.dialogs.size(), 1);

    const QMap<int, QString> stored = kind == 3   ? PortNameStore::loadOutAudioNames()
                                      : kind == 4 ? PortNameStore::loadOutInfraredNames()
                                                  : PortNameStore::loadPortNames(kind);
    QCOMPARE(stored.value(port), QStringLiteral("Lobby"));
    TableItemWidget *cell = grid(shownIn)->cellForPort(port);
    QCOMPARE(shown.startsWith("in:") ? "in:" + cell->inputText() : "out:" + cell->outputText(),
             shown);
    if (where == QLatin1String("listWidget"))
        QVERIFY(list()->item(row)->text().endsWith(QLatin1String("Lobby")));
}

// Names stored by an earlier run show in every view at start.
void tst_PortMenus::storedNamesShowAtStart()
{
    QVERIFY(PortNameStore::createPortNameTables());
    QVERIFY(PortNameStore::savePortName(3, QStringLiteral("Cam"), 0));
    QVERIFY(PortNameStore::savePortName(4, QStringLiteral("Wall"), 1));
    QVERIFY(PortNameStore::saveOutAudioName(2, QStringLiteral("Amp")));
    QVERIFY(PortNameStore::saveOutInfraredName(5, QStringLiteral("IR")));
    QVERIFY(openSettled());
    QCOMPARE(grid(QStringLiteral("videoTableWidget"))->cellForPort(3)->inputText(),
             QStringLiteral("[3] Cam"));
    QCOMPARE(grid(QStringLiteral("videoTableWidget"))->cellForPort(4)->outputText(),
             QStringLiteral("[4] Wall"));
    QCOMPARE(grid(QStringLiteral("audioHDMITable"))->cellForPort(104)->outputText(),
             QStringLiteral("[4] Wall"));
    QCOMPARE(grid(QStringLiteral("AudioTable"))->cellForPort(2)->outputText(),
             QStringLiteral("[2] Amp"));
    QCOMPARE(grid(QStringLiteral("InfaredTable"))->cellForPort(5)->outputText(),
             QStringLiteral("[5] IR"));
}

// The no-signal and OSD dialogs say which port they set, by its stored name.
void tst_PortMenus::titlesNameThePort()
{
    QVERIFY(PortNameStore::createPortNameTables());
    QVERIFY(PortNameStore::savePortName(3, QStringLiteral("Lobby"), 0));
    QVERIFY(PortNameStore::savePortName(5, QStringLiteral("Stage"), 1));
    QVERIFY(openSettled());
    m_kit.answer = QDialog::Rejected;
    m_onMenu = [](QMenu &menu) {
        const QStringList path{QString::fromUtf8("无信号输出")};
        if (QAction *a = action(&menu, path))
            a->trigger();
    };
    openMenu(QStringLiteral("videoTableWidget"), 5);
    m_kit.window()->dialogs()->openOsd(3);
    QCOMPARE(m_kit.dialogs.size(), 2);
    QCOMPARE(m_kit.dialogs.at(0).section('|', 0, 0),
             QCoreApplication::translate("CDlgnosignaloutput", "无信号输出 %1").arg("[5] Stage"));
    QCOMPARE(m_kit.dialogs.at(1).section('|', 0, 0), QStringLiteral("OSD Setting [3] Lobby"));
}

void tst_PortMenus::volumeShowsTheDevicesValue_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("row"); // signal list row: audio sources 0-7, inputs 8-15
    QTest::addColumn<int>("shown");
    QTest::addRow("0809 input 3 is its embedded audio, 103") << "0809" << 10 << 70;
    QTest::addRow("0809 audio source 3") << "0809" << 2 << 30;
    QTest::addRow("0409-S input 3 is port 3") << "0409-S" << 10 << 30;
}

// The dialog asks the device and shows the value of the port it sets; Apply sends nothing.
void tst_PortMenus::volumeShowsTheDevicesValue()
{
    QFETCH(QString, model);
    QFETCH(int, row);
    QFETCH(int, shown);
    QVERIFY(m_kit.startDevice(model));
    SimState state = m_kit.device()->state();
    state.volume[3] = 30;
    if (state.volume.contains(103))
        state.volume[103] = 70;
    m_kit.device()->setState(state);
    QVERIFY(openSettled(model));
    DeviceState::instance()->setVolume(QMap<int, int>()); // nothing known until the device answers
    m_kit.window()
        ->findChild<QTabWidget *>(QStringLiteral("tabWidget"))
        ->setCurrentIndex(row < 8 ? 2 : 0);
    QString label;
    m_kit.onDialog = [&](QDialog &dialog) {
        auto *value = dialog.findChild<QLabel *>(QStringLiteral("volumnLabel"));
        QTRY_COMPARE(value->text(), QString::number(shown));
        QCOMPARE(dialog.findChild<QSlider *>(QStringLiteral("volumnSplider"))->value(), shown);
        label = value->text();
        dialog.findChild<QPushButton *>(QStringLiteral("btnApply"))->click();
    };
    m_onMenu = [&](QMenu &menu) {
        if (QAction *a = action(&menu, {QStringLiteral("Volume Setting")}))
            a->trigger();
    };
    const QPoint at = list()->visualItemRect(list()->item(row)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list()->viewport(), &event);
    QCOMPARE(label, QString::number(shown));
    // Apply sent nothing: the next command the device gets is this query.
    MessageDistance::instance()->sendGetRotate();
    QTRY_COMPARE_WITH_TIMEOUT(m_kit.device()->receivedCommands(),
                              (QStringList{"{param=Get_Volume}", "{param=Get_Rotate}"}),
                              TestTimeouts::Medium);
}

// Each menu in both languages, written when ZEL_SCREENSHOT_DIR names a directory.
void tst_PortMenus::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the port menus");
    struct Shot
    {
        const char *name;
        const char *where;
        int port;
        const char *submenu;
    };
    const Shot shots[] = {{"video", "videoTableWidget", 5, ""},
                          {"video-resolution", "videoTableWidget", 5, "Resolution"},
                          {"audio", "AudioTable", 2, "音频模式"},
                          {"hdmi-audio", "audioHDMITable", 102, ""},
                          {"infrared", "InfaredTable", 2, ""},
                          {"input", "listWidget", 2, ""},
                          {"input-hdcp", "listWidget", 2, "HDCP Setting"}};
    QVERIFY(openShared());
    for (int language : {0, 1}) {
        m_kit.child<QComboBox>("languageComboBox")->setCurrentIndex(language);
        for (const Shot &shot : shots) {
            const QString file = dir + "/menu-" + (language ? "en-" : "zh-") + shot.name + ".png";
            bool saved = false;
            m_onMenu = [&](QMenu &menu) {
                QAction *submenu =
                    *shot.submenu ? action(&menu, {QString::fromUtf8(shot.submenu)}) : nullptr;
                QMenu *shown = *shot.submenu ? (submenu ? submenu->menu() : nullptr) : &menu;
                if (!shown)
                    return;
                shown->ensurePolished();
                shown->adjustSize();
                saved = shown->grab().save(file);
            };
            openMenu(QLatin1String(shot.where), shot.port);
            QVERIFY2(saved, qPrintable(file));
        }
    }
}

QTEST_MAIN(tst_PortMenus)
#include "tst_portmenus.moc"
