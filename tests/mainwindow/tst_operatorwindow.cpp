#include "actinguser.h"
#include "activitylog.h"
#include "activityview.h"
#include "appsettings.h"
#include "listwidget.h"
#include "logindialog.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "planbar.h"
#include "planpushbutton.h"
#include "portmenus.h"
#include "portnamestore.h"
#include "routeservice.h"
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
#include <QtTest>

// A real window against the simulator as an operator uses it: routing from the keyboard
// and Ctrl+Z (what reaches the device, what the message line says), refusals while
// offline, a language switch, the Setting page, the stale marker and Re-Login.
class tst_OperatorWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init() { QVERIFY(m_kit.init()); }
    void cleanup() { m_kit.cleanup(); }
    void cleanupTestCase() { m_kit.release(); }

    // Each on a fresh window.
    void keysTake_data();
    void keysTake();
    void undoSendsPreviousSources_data();
    void undoSendsPreviousSources();
    void offlineRefusedUntilTheLinkIsBack();
    void planDoubleClickRefusals_data();
    void planDoubleClickRefusals();
    void planResultsInTheMessageLine();
    void othersRoutesNamedInTheActivity();
    void gridRightsWarningNamesTheMissingRight_data();
    void gridRightsWarningNamesTheMissingRight();
    void staleMarkerAfterSilentPeer();
    void reLoginKeepsTheAddressTheDeviceReports();
    // One shared 0809 window.
    void networkValuesConfirmedBeforeSending();
    void factoryResetAsksFirst();
    void dhcpKeepsTheAddressReadOnly();
    void searchShowsThePagesSources();
    // One shared 0809-M window.
    void languageSwitchRenamesDefaults_data();
    void languageSwitchRenamesDefaults();

private:
    bool open(const QString &model);
    // Space-separated keys to the focused widget: "3", "Enter", "S+Right", "C+Space", "C+Z".
    void type(const QString &keys);
    template<typename T> T *child(const char *name) { return m_kit.child<T>(name); }
    QString message() { return child<QLabel>("messageLine")->text(); }

    WindowKit m_kit;
};

bool tst_OperatorWindow::open(const QString &model)
{
    if (!m_kit.openSettled(model))
        return false;
    child<ListWidget>("listWidget")->setFocus();
    return true;
}

void tst_OperatorWindow::type(const QString &keys)
{
    static const QMap<QString, Qt::Key> names{{"Enter", Qt::Key_Return},
                                              {"Right", Qt::Key_Right},
                                              {"Down", Qt::Key_Down},
                                              {"Space", Qt::Key_Space},
                                              {"Z", Qt::Key_Z},
                                              {"Esc", Qt::Key_Escape}};
    for (QString key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers modifiers;
        if (key.startsWith(QLatin1String("C+")))
            modifiers = Qt::ControlModifier;
        else if (key.startsWith(QLatin1String("S+")))
            modifiers = Qt::ShiftModifier;
        key = key.mid(modifiers ? 2 : 0);
        const Qt::Key code = names.value(key, Qt::Key(Qt::Key_0 + key.toInt()));
        QWidget *target =
            m_kit.window()->focusWidget() ? m_kit.window()->focusWidget() : m_kit.window();
        QTest::keyClick(target, code, modifiers);
    }
}

void tst_OperatorWindow::keysTake_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("lockedOutput");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QString>("message");
    // 0809: outputs 1-3 in the first row, 4-6 below.
    QTest::addRow("number and Enter take the first cell")
        << "3 Enter Enter" << 0 << QStringList{"{param=3VIDEO1}"} << "";
    QTest::addRow("Shift extends to the next output")
        << "2 Enter S+Right Enter" << 0 << QStringList{"{param=2VIDEO1}", "{param=2VIDEO2}"} << "";
    QTest::addRow("Ctrl picks outputs apart")
        << "4 Enter C+Down C+Space Enter" << 0 << QStringList{"{param=4VIDEO1}", "{param=4VIDEO4}"}
        << "";
    QTest::addRow("a locked output is left out and named")
        << "2 Enter S+Right Enter" << 2 << QStringList{"{param=2VIDEO1}"} << "Output 2 is locked.";
}

void tst_OperatorWindow::keysTake()
{
    QFETCH(int, lockedOutput);
    QVERIFY(open(QStringLiteral("0809")));
    if (lockedOutput)
        child<TableWidget>("videoTableWidget")->cellForPort(lockedOutput)->setCellLocked(true);
    child<ListWidget>("listWidget")->setCurrentItem(nullptr);
    type([] {
        QFETCH(QString, keys);
        return keys;
    }());
    QTEST(m_kit.sentBeforeMarker().filter(QStringLiteral("VIDEO")), "sent");
    QFETCH(QString, message);
    if (!message.isEmpty())
        QCOMPARE(this->message(), message);
}

void tst_OperatorWindow::undoSendsPreviousSources_data()
{
    QTest::addColumn<QString>("model");
    // keys, or "wall" for the first wall-group preset ("wall from n": the device starts in group n)
    QTest::addColumn<QString>("take");
    QTest::addColumn<QStringList>(
        "undo"); // sent by Ctrl+Z; the simulator starts with input n on output n
    QTest::addColumn<QString>("message");
    QTest::addRow("one output") << "0809"
                                << "5 Enter Enter" << QStringList{"{param=1VIDEO1}"}
                                << "Undone: output 1 back to [1] Input 1.";
    QTest::addRow("a take to two outputs at once")
        << "0809"
        << "5 Enter S+Right Enter" << QStringList{"{param=1VIDEO1}", "{param=2VIDEO2}"}
        << "Undone: output 1 back to [1] Input 1; output 2 back to [2] Input 2.";
    QTest::addRow("wall-group preset")
        << "0808-S"
        << "wall" << QStringList{"{param=mode0}"} << "Undone: no wall group again.";
    QTest::addRow("wall-group preset from the last group (all eight outputs)")
        << "0808-S"
        << "wall from 5" << QStringList{"{param=mode5}"} << "Undone: wall group 5 again.";
}

void tst_OperatorWindow::undoSendsPreviousSources()
{
    QFETCH(QString, take);
    QFETCH(QString, model);
    const int wallFrom = take.section(' ', 2).toInt();
    if (wallFrom) {
        QVERIFY(m_kit.startDevice(model));
        m_kit.device()->applyPanelCommand(QStringLiteral("mode%1").arg(wallFrom));
    }
    QVERIFY(open(model));
    if (take.startsWith(QLatin1String("wall")))
        child<QPushButton>("btn_spliceMode1")->click();
    else
        type(take);
    m_kit.sentBeforeMarker(); // the take is out
    m_kit.device()->clearReceivedCommands();
    type(QStringLiteral("C+Z"));
    QFETCH(QStringList, undo);
    QCOMPARE(m_kit.sentBeforeMarker().mid(0, undo.size()), undo);
    QTEST(message(), "message");
    // Undone once: a second Ctrl+Z has nothing left.
    type(QStringLiteral("C+Z"));
    QCOMPARE(message(), QStringLiteral("Nothing to undo."));
}

// While the device is away every way of switching is refused with the reason, and none
// of it reaches the device once the link is back by itself; the take Ctrl+Z could not
// undo offline is undone once it is back. A refused drop used to show the new source and
// revert after the reconnect.
void tst_OperatorWindow::offlineRefusedUntilTheLinkIsBack()
{
    QVERIFY(open(QStringLiteral("0809")));
    type(QStringLiteral("6 Enter Enter")); // something to undo
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=6VIDEO1}")));
    const quint16 port = m_kit.device()->controlPort();
    m_kit.device()->close();
    // The lamp, not a second word beside the title's, says the state.
    QCOMPARE(m_kit.window()->findChildren<QLabel *>(QStringLiteral("linkWord")).size(), 0);
    auto *lamp = child<QLabel>("linkLamp");
    QTRY_VERIFY_WITH_TIMEOUT(lamp->toolTip() != QLatin1String("Connected"), TestTimeouts::Medium);
    QVERIFY(child<QLabel>("linkStripText")->text().startsWith(QLatin1String("Offline")));
    auto *video = child<VideoTableWidget>("videoTableWidget");
    const QString before = video->cellForPort(5)->inputText();
    QString entry;
    m_kit.window()->portMenus()->setMenuRunner([&](QMenu &menu) {
        for (QAction *a : menu.actions()) {
            if (a->text() == entry)
                a->trigger();
        }
    });
    for (const QString action :
         {"C+Z", "Esc 7 Enter Enter", "menu:Freeze / Unfreeze", "menu:Clear", "drop"}) {
        child<QLabel>("messageLine")->clear();
        entry = action.mid(5);
        if (action == QLatin1String("drop"))
            QVERIFY(WindowKit::dropOn(video, 5, QStringLiteral("103")));
        else if (action.startsWith(QLatin1String("menu:")))
            m_kit.window()->portMenus()->showGridMenu(video, 1);
        else
            type(action);
        QVERIFY2(message().contains(QLatin1String("not connected")), qPrintable(action));
    }
    QCOMPARE(video->cellForPort(5)->inputText(), before);
    m_kit.device()->clearReceivedCommands();
    QVERIFY(m_kit.device()->listen(QHostAddress::LocalHost, port, 0));
    QTRY_COMPARE_WITH_TIMEOUT(lamp->toolTip(), QStringLiteral("Connected"), TestTimeouts::Long);
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=version}")));
    const QStringList sent = m_kit.sentBeforeMarker();
    QCOMPARE(sent.filter(QStringLiteral("VIDEO")) + sent.filter(QStringLiteral("Frozen")),
             QStringList());
    type(QStringLiteral("C+Z"));
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=1VIDEO1}")));
}

// A double click on a plan button meets the checks the menu entries do: without the
// rights the warning, offline the reason; the device gets nothing and the activity view
// shows nothing sent.
void tst_OperatorWindow::planDoubleClickRefusals_data()
{
    QTest::addColumn<QList<int>>("deniedKeys");
    QTest::addColumn<bool>("offline");
    QTest::addRow("no plan right") << QList<int>{PermissionStore::PlanOperation} << false;
    QTest::addRow("no video switching") << QList<int>{PermissionStore::VideoSwitch} << false;
    QTest::addRow("device gone") << QList<int>() << true;
}

void tst_OperatorWindow::planDoubleClickRefusals()
{
    QFETCH(QList<int>, deniedKeys);
    QFETCH(bool, offline);
    if (!deniedKeys.isEmpty())
        QVERIFY(WindowKit::setRights(QStringLiteral("guest"), deniedKeys));
    QVERIFY(open(QStringLiteral("0809")));
    if (offline) {
        m_kit.device()->close();
        QTRY_VERIFY_WITH_TIMEOUT(!MessageDistance::instance()->isConnected(), TestTimeouts::Medium);
    }
    QTest::mouseDClick(child<PlanPushButton>("btn_plan3"), Qt::LeftButton);
    const QString activity = m_kit.window()->findChild<ActivityView *>()->log()->copyText();
    QVERIFY2(!activity.contains(QLatin1String("Recall")), qPrintable(activity));
    if (offline) {
        QVERIFY(message().contains(QLatin1String("not connected")));
        QCOMPARE(m_kit.dialogs, QStringList());
        return;
    }
    QCOMPARE(m_kit.dialogs.size(), 1);
    QVERIFY(m_kit.dialogs.first().contains(QLatin1String("No Permission!")));
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
}

// A route a web user makes through this client shows in the grid and names the user in
// the activity view; the window's own routes add no such line.
void tst_OperatorWindow::othersRoutesNamedInTheActivity()
{
    QVERIFY(open(QStringLiteral("0809")));
    RouteService *routes = m_kit.window()->core()->routes();
    QVERIFY(routes->route(ActingUser(), {RouteKind::Video, 3, 5}, QStringLiteral("alice")).ok());
    QVERIFY(routes->route(ActingUser(), {RouteKind::Video, 4, 6}).ok());
    QCOMPARE(child<TableWidget>("videoTableWidget")->cellForPort(3)->inputText(),
             QStringLiteral("[5] Input 5"));
    const QString activity = m_kit.window()->findChild<ActivityView *>()->log()->copyText();
    QVERIFY2(activity.contains(QLatin1String("alice routed video output 3 to source 5")),
             qPrintable(activity));
    QCOMPARE(activity.count(QLatin1String(" routed ")), 1);
}

// A refused drop's warning names the right the user lacks, in the order they are asked:
// the output, then the switching right, then the source.
void tst_OperatorWindow::gridRightsWarningNamesTheMissingRight_data()
{
    QTest::addColumn<QList<int>>("deniedKeys");
    QTest::addColumn<QList<int>>("deniedInputs");
    QTest::addColumn<QList<int>>("deniedOutputs");
    QTest::addColumn<QString>("named");
    QTest::addRow("output") << QList<int>{} << QList<int>{3} << QList<int>{5} << "Output 5";
    QTest::addRow("switching") << QList<int>{PermissionStore::VideoSwitch} << QList<int>{3}
                               << QList<int>{} << "Video Switch";
    QTest::addRow("source") << QList<int>{} << QList<int>{3} << QList<int>{} << "Input 3";
}

void tst_OperatorWindow::gridRightsWarningNamesTheMissingRight()
{
    QFETCH(QList<int>, deniedKeys);
    QFETCH(QList<int>, deniedInputs);
    QFETCH(QList<int>, deniedOutputs);
    QFETCH(QString, named);
    QVERIFY(WindowKit::setRights(QStringLiteral("guest"), deniedKeys, deniedInputs, deniedOutputs));
    QVERIFY(open(QStringLiteral("0809")));
    auto *video = child<TableWidget>("videoTableWidget");
    WindowKit::dropOn(video, 5, QStringLiteral("103"));
    QCOMPARE(m_kit.dialogs.size(), 1);
    QVERIFY2(m_kit.dialogs.first().endsWith(named), qPrintable(m_kit.dialogs.first()));
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
}

// Each plan command says what it did; a saved plan's button is marked, and saving over
// it or clearing it asks first (a "no" sends nothing).
void tst_OperatorWindow::planResultsInTheMessageLine()
{
    QVERIFY(open(QStringLiteral("0809")));
    auto *button = child<PlanPushButton>("btn_plan3");
    PlanBar *bar = nullptr;
    for (PlanBar *b : m_kit.window()->findChildren<PlanBar *>())
        bar = bar ? bar : b; // the Video page's row comes first
    QVERIFY(bar);
    auto run = [&](const QString &text) {
        QScopedPointer<QMenu> menu(bar->buildMenu(2, button));
        for (QAction *a : menu->actions())
            if (a->text() == text)
                a->trigger();
    };
    run(QStringLiteral("Save Plan 3"));
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=Save2}")));
    QCOMPARE(message(), QStringLiteral("Plan 3 saved"));
    QVERIFY(button->isMarked());
    m_kit.device()->clearReceivedCommands();
    m_kit.answer = QDialog::Rejected;
    run(QStringLiteral("Clear Plan 3"));
    QCOMPARE(m_kit.dialogs.size(), 1);
    QVERIFY(m_kit.dialogs.first().contains(QLatin1String("Clear it?")));
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
    QVERIFY(button->isMarked());
    m_kit.answer = QDialog::Accepted;
    run(QStringLiteral("Clear Plan 3"));
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=Clear2}")));
    QCOMPARE(message(), QStringLiteral("Plan 3 cleared"));
    QVERIFY(!button->isMarked());
    QTest::mouseDClick(button, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(message(), QStringLiteral("Plan 3 recalled"), TestTimeouts::Medium);
}

void tst_OperatorWindow::languageSwitchRenamesDefaults_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::addRow("signal list default") << "list" << 3 << "[3] 输入 3"
                                         << "[3] Input 3";
    QTest::addRow("signal list, the user's name") << "list" << 2 << "[2] Lobby"
                                                  << "[2] Lobby";
    QTest::addRow("source in a cell") << "source" << 3 << "[3] 输入 3"
                                      << "[3] Input 3";
    QTest::addRow("output name of a cell") << "output" << 3 << "[3] 输出 3"
                                           << "[3] Output 3";
    QTest::addRow("title") << "title" << 0 << "IP地址:127.0.0.1"
                           << "Ip:127.0.0.1";
    QTest::addRow("the model's own tab") << "tab" << 1 << "多画面"
                                         << "Multiview";
}

// To Chinese and back: the default names follow, the user's stay.
void tst_OperatorWindow::languageSwitchRenamesDefaults()
{
    QFETCH(QString, view);
    QFETCH(int, port);
    QVERIFY(PortNameStore::createPortNameTables());
    QVERIFY(PortNameStore::savePortName(2, QStringLiteral("Lobby"), PortNameStore::InputVideo));
    QVERIFY(m_kit.openShared(QStringLiteral("0809-M")));
    auto *video = child<TableWidget>("videoTableWidget");
    auto shown = [&] {
        if (view == QLatin1String("list"))
            return child<ListWidget>("listWidget")->item(7 + port)->text();
        if (view == QLatin1String("title"))
            return child<QLabel>("connectState")->text();
        if (view == QLatin1String("tab"))
            return child<QTabWidget>("tabWidget")->tabText(port);
        return view == QLatin1String("source") ? video->cellForPort(port)->inputText()
                                               : video->cellForPort(port)->outputText();
    };
    auto *language = child<QComboBox>("languageComboBox");
    language->setCurrentIndex(0);
    QVERIFY2(shown().contains([] {
        QFETCH(QString, chinese);
        return chinese;
    }()),
             qPrintable(shown()));
    language->setCurrentIndex(1);
    QVERIFY2(shown().contains([] {
        QFETCH(QString, english);
        return english;
    }()),
             qPrintable(shown()));
}

// Half-typed values are refused before any question: they once went out as
// "{param=&ip,ip=99.30.1.1,gateway=,subnet=255.255,mac=11:22}". Declined values are not
// sent; confirmed ones are, and the device's acknowledgement asks for a reboot once.
void tst_OperatorWindow::networkValuesConfirmedBeforeSending()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    auto *mac = child<QLineEdit>("MacEdit");
    const QString good = mac->text();
    mac->setText(QStringLiteral("11:22"));
    child<QPushButton>("netWorkConfirmBtn")->click();
    QVERIFY(m_kit.dialogs.isEmpty());
    QVERIFY(mac->property("bad").toBool());
    QVERIFY(!child<QLabel>("messageLine")->text().isEmpty());
    mac->setText(good);
    m_kit.answer = QDialog::Rejected;
    child<QPushButton>("netWorkConfirmBtn")->click();
    QCOMPARE(m_kit.dialogs.size(), 1);
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());

    m_kit.answer = QDialog::Accepted;
    child<QPushButton>("netWorkConfirmBtn")->click();
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=&ip,ip=%1,gateway=%2,subnet=%3,mac=%4}")
                                     .arg(child<QLineEdit>("IpEdit")->text(),
                                          child<QLineEdit>("GateWayEdit")->text(),
                                          child<QLineEdit>("SubnetEdit")->text(),
                                          good)));
    QTRY_COMPARE_WITH_TIMEOUT(m_kit.dialogs.size(), 3, TestTimeouts::Medium);
    QVERIFY(m_kit.dialogs.at(1).contains(QLatin1String("Send these network settings")));
    QVERIFY(m_kit.dialogs.last().contains(QLatin1String("please reboot the device immediately")));
    emit m_kit.window()->si_http200Analysis(); // a second acknowledgement shows nothing
    QCOMPARE(m_kit.dialogs.size(), 3);
}

// Factory Reset asks first: "no" sends nothing, "yes" sends Default.
void tst_OperatorWindow::factoryResetAsksFirst()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    m_kit.answer = QDialog::Rejected;
    child<QPushButton>("factorResetBtn")->click();
    QCOMPARE(m_kit.dialogs.size(), 1);
    QVERIFY(m_kit.dialogs.first().contains(QLatin1String("factory settings")));
    QCOMPARE(m_kit.sentBeforeMarker(), QStringList());
    m_kit.answer = QDialog::Accepted;
    child<QPushButton>("factorResetBtn")->click();
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=Default}")));
}

// Under DHCP the device picks its own address: the fields cannot be typed in or sent.
void tst_OperatorWindow::dhcpKeepsTheAddressReadOnly()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    for (bool on : {true, false}) {
        emit m_kit.window()->si_SetDhcpSwitch(on); // as the device's network record does
        QCOMPARE(child<QLineEdit>("IpEdit")->isReadOnly(), on);
        QCOMPARE(child<QLineEdit>("SubnetEdit")->isReadOnly(), on);
        QCOMPARE(child<QPushButton>("netWorkConfirmBtn")->isEnabled(), !on);
    }
}

// The search used to show every matching item, so "6" on the Video page offered
// "[6] Audio 6", whose drag there sent 6VIDEO.
void tst_OperatorWindow::searchShowsThePagesSources()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    auto *list = child<ListWidget>("listWidget");
    auto *tabs = child<QTabWidget>("tabWidget");
    const auto shown = [list] {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) {
            if (!list->item(i)->isHidden())
                texts << list->item(i)->text().trimmed();
        }
        return texts.join(QLatin1Char('|'));
    };
    child<QLineEdit>("signalSearch")->setText(QStringLiteral("6"));
    QCOMPARE(shown(), QStringLiteral("[6] Input 6"));
    tabs->setCurrentIndex(2);
    QCOMPARE(shown(), QStringLiteral("[6] Audio 6|[6] Input 6"));
    tabs->setCurrentIndex(0);
    QCOMPARE(shown(), QStringLiteral("[6] Input 6"));
    child<QLineEdit>("signalSearch")->clear();
    QCOMPARE(shown().count(QLatin1Char('|')), 7);
}

void tst_OperatorWindow::staleMarkerAfterSilentPeer()
{
    SimFaults faults;
    faults.ignoredQueries = {QStringLiteral("netInfo")};
    QVERIFY(m_kit.startDevice(QStringLiteral("0809"), faults));
    m_kit.openWindow();
    auto *strip = child<QLabel>("linkStripText");
    QTRY_VERIFY_WITH_TIMEOUT(strip->text().contains(QLatin1String("may be stale (last record")),
                             TestTimeouts::Long);
    auto *refresh = child<QPushButton>("staleRefreshBtn");
    QVERIFY(refresh->isVisibleTo(m_kit.window()));
    m_kit.device()->clearReceivedCommands();
    refresh->click();
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=version}")));
    QTRY_COMPARE_WITH_TIMEOUT(strip->text(), QString(), TestTimeouts::Medium);
}

// The simulator used to report 192.168.1.188 whatever address it was reached on; a
// Re-Login then wrote that address and connected there.
void tst_OperatorWindow::reLoginKeepsTheAddressTheDeviceReports()
{
    QVERIFY(m_kit.startDevice(QStringLiteral("0809")));
    m_kit.openWindow([](LoginDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("passwordEdit"))
            ->setText(QStringLiteral("tiger905"));
        dialog.findChild<QPushButton *>(QStringLiteral("btnLogin"))->click();
        return dialog.result();
    });
    QTRY_COMPARE_WITH_TIMEOUT(
        child<QLineEdit>("IpEdit")->text(), QStringLiteral("127.0.0.1"), TestTimeouts::Medium);
    QVERIFY(m_kit.dialogs.isEmpty()); // the login-free start typed no password
    m_kit.device()->clearReceivedCommands();
    child<QPushButton>("btnReLogin")->click();
    QCOMPARE(AppSettings::instance()->ip(), QStringLiteral("127.0.0.1"));
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=version}"), TestTimeouts::Long));
    // The seeded password was typed: User Management is offered (and, accepted, opened) once.
    QCOMPARE(m_kit.dialogs.size(), 2);
    QVERIFY(m_kit.dialogs.at(0).startsWith(QLatin1String("Default password|")));
    child<QPushButton>("btnReLogin")->click();
    QVERIFY(m_kit.waitForCommand(QStringLiteral("{param=version}"), TestTimeouts::Long));
    QCOMPARE(m_kit.dialogs.size(), 2);
}

QTEST_MAIN(tst_OperatorWindow)
#include "tst_operatorwindow.moc"
