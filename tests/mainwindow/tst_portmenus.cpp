#include "appsettings.h"
#include "listwidget.h"
#include "messagedistance.h"
#include "permissionstore.h"
#include "portmenus.h"
#include "portnamestore.h"
#include "portrights.h"
#include "renamedialog.h"
#include "tableitemwidget.h"
#include "videotablewidget.h"
#include "windowkit.h"
#include "zelresources.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpSocket>
#include <QtTest>

// The port menus on a real main window against the simulator: what each entry puts on
// the wire, rename in every view, and check marks that follow other clients.
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
    void rightsWarnOnlyWhenAsked();
    void splitterLayoutFromVersionLocksOutput9();
    void windowStatusShowsHdmiAudio();
    // One shared 0809 window.
    void entriesSend();
    void renameFollowsEverywhere_data();
    void renameFollowsEverywhere();
    void otherClientMovesTheCheckMark_data();
    void otherClientMovesTheCheckMark();
    void iconsOnlyWhereTheyCommand();
    void screenshots_data();
    void screenshots();

private:
    // `panel` runs on the simulator before the window connects.
    bool openSettled(const QString &model, const QString &panel = QString());
    bool openShared() { return m_kit.openShared(QStringLiteral("0809")) && hookMenus(); }
    bool hookMenus();
    bool waitForCommand(const QString &command) { return m_kit.waitForCommand(command); }
    static void denyRight(int functionKey) { QVERIFY(WindowKit::setRights(QStringLiteral("guest"), {functionKey})); }
    TableWidget *grid(const QString &name) { return m_kit.window()->findChild<TableWidget *>(name); }
    ListWidget *list() { return m_kit.child<ListWidget>("listWidget"); }
    void openMenu(const QString &where, int port);
    static QAction *action(QMenu *menu, const QStringList &path);

    WindowKit m_kit;
    QSize m_dialogSize;
    QString m_newName;
    std::function<void(QMenu &)> m_onMenu;
};

void tst_PortMenus::init()
{
    QVERIFY(m_kit.init());
    m_newName.clear();
    m_onMenu = nullptr;
    m_kit.onDialog = [this](QDialog &dialog) {
        m_dialogSize = dialog.size();
        if (auto *rename = qobject_cast<RenameDialog *>(&dialog)) {
            rename->lineEdit()->setText(m_newName);
            rename->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        }
    };
}

bool tst_PortMenus::openSettled(const QString &model, const QString &panel)
{
    if (!m_kit.startDevice(model))
        return false;
    if (!panel.isEmpty())
        m_kit.device()->applyPanelCommand(panel);
    return m_kit.openSettled(model) && hookMenus();
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
    m_kit.window()->findChild<QTabWidget *>(QStringLiteral("tabWidget"))
        ->setCurrentIndex(where == "AudioTable" ? 2 : where == "InfaredTable" ? 3 : 0);
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
    const QString text = QCoreApplication::translate("PortMenus", path.first().toUtf8().constData());
    for (QAction *a : menu->actions()) {
        if (a->text() != text)
            continue;
        if (path.size() == 1)
            return a;
        return a->menu() ? action(a->menu(), path.mid(1)) : nullptr;
    }
    return nullptr;
}

// A grid cell's menu, a cell submenu and an input's submenu, each on the wire.
void tst_PortMenus::entriesSend()
{
    struct Entry { const char *where; int port; const char *path; const char *command; };
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
        denyRight(PermissionStore::VideoSwitch);
    QVERIFY(openSettled(QStringLiteral("0809")));
    TableWidget *video = grid(QStringLiteral("videoTableWidget"));
    QCOMPARE(video->cellForPort(5)->inputText(), QStringLiteral("[5] Input 5"));
    const QRect cell = video->visualItemRect(video->itemForPort(5));
    // A real double click starts with a click; the view needs that press.
    QTest::mouseClick(video->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(video->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    if (allowed) {
        QVERIFY(waitForCommand(QStringLiteral("{param=0VIDEO5}")));
        QCOMPARE(video->cellForPort(5)->inputText(), QString());
        QVERIFY(m_kit.dialogs.isEmpty());
        return;
    }
    QCOMPARE(m_kit.dialogs.size(), 1);
    QVERIFY(m_kit.dialogs.first().contains(QLatin1String("does not have permission")));
    // Three quarters of the main window, plus the shadow around the frame.
    QCOMPARE(m_dialogSize, QSize(960 + 74, 600 + 74));
    QCOMPARE(video->cellForPort(5)->inputText(), QStringLiteral("[5] Input 5"));
    QVERIFY(!m_kit.device()->receivedCommands().contains(QStringLiteral("{param=0VIDEO5}")));
}

void tst_PortMenus::renameFollowsEverywhere_data()
{
    QTest::addColumn<QString>("where"); // the view F2 is pressed in
    QTest::addColumn<int>("row");       // list row, or grid port
    QTest::addColumn<QString>("shownIn");
    QTest::addColumn<int>("shownPort");
    QTest::addColumn<QString>("shown"); // that cell's output or source label
    QTest::addColumn<int>("kind");      // stored as
    QTest::addColumn<int>("storedPort");
    // Rows 0-7 of the list are the audio sources, 8-15 the inputs.
    QTest::addRow("input 3 in the video cells") << "listWidget" << 10 << "videoTableWidget" << 3 << "in:[3] Lobby" << 0 << 3;
    QTest::addRow("audio source 2 in the audio cells") << "listWidget" << 1 << "AudioTable" << 2 << "in:[2] Lobby" << 2 << 2;
    QTest::addRow("audio output 2") << "AudioTable" << 2 << "AudioTable" << 2 << "out:[2] Lobby" << 3 << 2;
    QTest::addRow("HDMI audio 103 is output 3") << "audioHDMITable" << 103 << "videoTableWidget" << 3 << "out:[3] Lobby" << 1 << 3;
    QTest::addRow("infrared output 5") << "InfaredTable" << 5 << "InfaredTable" << 5 << "out:[5] Lobby" << 4 << 5;
}

void tst_PortMenus::renameFollowsEverywhere()
{
    QFETCH(QString, where);
    QFETCH(int, row);
    QFETCH(QString, shownIn);
    QFETCH(int, shownPort);
    QFETCH(QString, shown);
    QFETCH(int, kind);
    QFETCH(int, storedPort);
    QVERIFY(openShared());
    QWidget *view = where == QLatin1String("listWidget") ? static_cast<QWidget *>(list()) : grid(where);
    if (auto *l = qobject_cast<ListWidget *>(view))
        l->setCurrentRow(row);
    else
        grid(where)->setCurrentItem(grid(where)->itemForPort(row), QItemSelectionModel::NoUpdate);
    m_newName = QStringLiteral("Lobby");
    QTest::keyClick(view, Qt::Key_F2);
    QCOMPARE(m_kit.dialogs.size(), 1);

    const QMap<int, QString> stored = kind == 3 ? PortNameStore::loadOutAudioNames()
                                      : kind == 4 ? PortNameStore::loadOutInfraredNames()
                                                  : PortNameStore::loadPortNames(kind);
    QCOMPARE(stored.value(storedPort), QStringLiteral("Lobby"));
    auto label = [&] {
        TableItemWidget *cell = grid(shownIn)->cellForPort(shownPort);
        return shown.startsWith("in:") ? "in:" + cell->inputText() : "out:" + cell->outputText();
    };
    QCOMPARE(label(), shown);
    if (where == QLatin1String("listWidget"))
        QVERIFY(list()->item(row)->text().endsWith(QLatin1String("Lobby")));
}

// Names stored by an earlier run show in every view at start.
void tst_PortMenus::storedNamesShowAtStart()
{
    QVERIFY(PortNameStore::createPortNameTables());
    QVERIFY(PortNameStore::savePortName(3, QStringLiteral("Cam"), 0));
    QVERIFY(PortNameStore::savePortName(4, QStringLiteral("Wall"), 1));
    QVERIFY(PortNameStore::savePortName(2, QStringLiteral("Mic"), 2));
    QVERIFY(PortNameStore::saveOutAudioName(2, QStringLiteral("Amp")));
    QVERIFY(PortNameStore::saveOutInfraredName(5, QStringLiteral("IR")));
    QVERIFY(openSettled(QStringLiteral("0809")));
    QCOMPARE(grid(QStringLiteral("videoTableWidget"))->cellForPort(3)->inputText(), QStringLiteral("[3] Cam"));
    QCOMPARE(grid(QStringLiteral("videoTableWidget"))->cellForPort(4)->outputText(), QStringLiteral("[4] Wall"));
    QCOMPARE(grid(QStringLiteral("audioHDMITable"))->cellForPort(104)->outputText(), QStringLiteral("[4] Wall"));
    QCOMPARE(grid(QStringLiteral("AudioTable"))->cellForPort(2)->inputText(), QStringLiteral("[2] Mic"));
    QCOMPARE(grid(QStringLiteral("AudioTable"))->cellForPort(2)->outputText(), QStringLiteral("[2] Amp"));
    QCOMPARE(grid(QStringLiteral("InfaredTable"))->cellForPort(5)->outputText(), QStringLiteral("[5] IR"));
    QVERIFY(list()->item(10)->text().endsWith(QLatin1String("Cam")));
}

void tst_PortMenus::otherClientMovesTheCheckMark_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("submenu");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("checked");
    QTest::addRow("resolution") << "videoTableWidget" << 5 << "Resolution" << "{param=Port5/1280x720x60Hz!}" << "1280x720x60Hz";
    QTest::addRow("HDCP") << "listWidget" << 3 << "HDCP Setting" << "{param=Input_HDCP3/3}" << "HDCP 2.2 Only";
}

// Client A changes the setting while client B (the window) has the menu open.
void tst_PortMenus::otherClientMovesTheCheckMark()
{
    QFETCH(QString, where);
    QFETCH(int, port);
    QFETCH(QString, submenu);
    QFETCH(QString, command);
    QFETCH(QString, checked);
    QVERIFY(openShared());
    QTcpSocket clientA;
    clientA.connectToHost(QHostAddress::LocalHost, m_kit.device()->controlPort());
    QVERIFY(clientA.waitForConnected(TestTimeouts::Medium));
    QStringList before, after;
    m_onMenu = [&](QMenu &menu) {
        QAction *target = action(&menu, {submenu, checked});
        if (!target)
            return;
        auto marks = [&] {
            QStringList on;
            for (QAction *a : target->parentWidget()->actions())
                if (a->isChecked())
                    on << a->text();
            return on;
        };
        before = marks();
        clientA.write(command.toUtf8());
        QTRY_VERIFY_WITH_TIMEOUT(target->isChecked(), TestTimeouts::Medium);
        after = marks();
    };
    openMenu(where, port);
    QCOMPARE(before.size(), 1);
    QVERIFY(!before.contains(checked));
    QCOMPARE(after, QStringList{QCoreApplication::translate("PortMenus", checked.toUtf8().constData())});
}

// A refused check warns "No Permission!" only when asked to, over three quarters of
// the window; an administrator passes whatever his row says.
void tst_PortMenus::rightsWarnOnlyWhenAsked()
{
    denyRight(PermissionStore::Edid);
    PermissionStore store;
    store.loadForUser(QStringLiteral("guest"));
    QWidget window;
    window.resize(800, 600);
    QStringList shown;
    QSize size;
    PortRights rights(&store, &window, [&](QDialog &dialog) {
        shown << dialog.findChild<QLabel *>(QStringLiteral("lb_content"))->text();
        size = dialog.size();
        if (!qEnvironmentVariableIsEmpty("ZEL_SCREENSHOT_DIR"))
            dialog.grab().save(qEnvironmentVariable("ZEL_SCREENSHOT_DIR") + "/warning-no-permission.png");
        return 1;
    });
    AppSettings::instance()->setCurrentUserType(1);
    QVERIFY(!rights.functionAllowed(PermissionStore::Edid));
    QVERIFY(shown.isEmpty());
    QVERIFY(!rights.functionAllowed(PermissionStore::Edid, true));
    QCOMPARE(shown, QStringList{QStringLiteral("No Permission!")});
    QCOMPARE(size, QSize(600 + 74, 450 + 74));
    QVERIFY(rights.functionAllowed(PermissionStore::Osd, true));
    AppSettings::instance()->setCurrentUserType(0);
    QVERIFY(rights.functionAllowed(PermissionStore::Edid, true));
    QCOMPARE(shown.size(), 1);
}

void tst_PortMenus::iconsOnlyWhereTheyCommand()
{
    QVERIFY(openShared());
    for (const char *name : {"videoTableWidget", "AudioTable", "audioHDMITable", "InfaredTable"}) {
        TableWidget *g = grid(QLatin1String(name));
        const int port = g->gridKind() == int(GridLayout::Kind::HdmiAudio) ? 102 : 2;
        TableItemWidget *cell = g->cellForPort(port);
        auto *pause = cell->findChild<QLabel *>(QStringLiteral("pauseIcon"));
        const bool video = g->gridKind() == int(GridLayout::Kind::Video);
        QCOMPARE(pause->isVisibleTo(cell), video);
        if (!video) {
            QTest::mouseClick(pause, Qt::LeftButton);
            QVERIFY2(!cell->isFrozen(), name);
        }
    }
    // A marker query after the clicks: anything they sent arrives before it.
    for (const QString &c : m_kit.sentBeforeMarker())
        QVERIFY2(!c.contains(QLatin1String("Frozen")), qPrintable(c));
}

void tst_PortMenus::splitterLayoutFromVersionLocksOutput9()
{
    QVERIFY(openSettled(QStringLiteral("0809-M"), QStringLiteral("Splitter2")));
    auto *video = static_cast<VideoTableWidget *>(grid(QStringLiteral("videoTableWidget")));
    QVERIFY(video->isOutput9Locked());
    QVERIFY(video->cellForPort(9)->isCellLocked());
    QVERIFY(!video->clearRoute(9));
}

void tst_PortMenus::windowStatusShowsHdmiAudio()
{
    QVERIFY(openSettled(QStringLiteral("0409-S"), QStringLiteral("3AUDIO1")));
    QTRY_COMPARE_WITH_TIMEOUT(grid(QStringLiteral("audioHDMITable"))->cellForPort(101)->inputText(),
                              QStringLiteral("[3] Input 3"), TestTimeouts::Medium);
}

void tst_PortMenus::screenshots_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("submenu");
    for (int language : {0, 1}) {
        const char *l = language ? "en" : "zh";
        QTest::addRow("%s-video", l) << language << "videoTableWidget" << 5 << "";
        QTest::addRow("%s-video-resolution", l) << language << "videoTableWidget" << 5 << "Resolution";
        QTest::addRow("%s-audio", l) << language << "AudioTable" << 2 << "音频模式";
        QTest::addRow("%s-hdmi-audio", l) << language << "audioHDMITable" << 102 << "";
        QTest::addRow("%s-infrared", l) << language << "InfaredTable" << 2 << "";
        QTest::addRow("%s-input", l) << language << "listWidget" << 2 << "";
        QTest::addRow("%s-input-hdcp", l) << language << "listWidget" << 2 << "HDCP Setting";
    }
}

void tst_PortMenus::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the port menus");
    QFETCH(int, language);
    QFETCH(QString, where);
    QFETCH(int, port);
    QFETCH(QString, submenu);
    QVERIFY(openShared());
    m_kit.child<QComboBox>("languageComboBox")->setCurrentIndex(language);
    const QString file = QStringLiteral("%1/menu-%2.png").arg(dir, QString::fromLatin1(QTest::currentDataTag()));
    bool saved = false;
    m_onMenu = [&](QMenu &menu) {
        QMenu *shown = &menu;
        if (!submenu.isEmpty()) {
            QAction *a = action(&menu, {submenu});
            shown = a ? a->menu() : nullptr;
        }
        if (!shown)
            return;
        shown->ensurePolished();
        shown->adjustSize();
        saved = shown->grab().save(file);
    };
    openMenu(where, port);
    QVERIFY(saved);
}

QTEST_MAIN(tst_PortMenus)
#include "tst_portmenus.moc"
