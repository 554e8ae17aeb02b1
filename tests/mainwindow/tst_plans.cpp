#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "messagedistance.h"
#include "planbar.h"
#include "planmarkstore.h"
#include "plannamestore.h"
#include "planpushbutton.h"
#include "renamedialog.h"
#include "tempdatadir.h"
#include "testtimeouts.h"
#include "wirepeer.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

// The plan buttons, their menu and the plan commands, against a listening peer.
class tst_Plans : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void menuCommands_data();
    void menuCommands();
    void recallSequence_data();
    void recallSequence();
    void refusedPlansSendNothing_data();
    void refusedPlansSendNothing();
    void marksAskBeforeOverwriteAndClear();
    void namesKeptPerAddress();
    void screenshots();

private:
    QByteArray wire();
    // An operator lacking function right `missing` (-1: none).
    static ActingUser lacking(int missing);
    QAction *entry(QMenu *menu, const QString &text) const;

    WirePeer m_peer;
    TempDataDir m_dir;
    QWidget *m_page = nullptr;
    QList<PlanPushButton *> m_buttons;
    PlanController *m_plans = nullptr;
    PlanBar *m_bar = nullptr;
};

void tst_Plans::initTestCase()
{
    DataDir::set(m_dir.path());
    QVERIFY(PlanNameStore::createTable());
    QVERIFY(PlanMarkStore::createTable());
    QVERIFY(m_peer.listen());
    MessageDistance *link = MessageDistance::instance();
    QSignalSpy connected(link, &MessageDistance::connectSuccessFulSig);
    link->connectToDevice(QStringLiteral("127.0.0.1"), m_peer.port());
    QVERIFY(connected.wait(TestTimeouts::Short));
    QTRY_VERIFY_WITH_TIMEOUT(m_peer.hasPeer(), TestTimeouts::Short);
}

void tst_Plans::init()
{
    AppSettings::instance()->setNetwork(QStringLiteral("10.0.0.1"), 5000);
    DeviceState::instance()->setDeviceType(0);
    m_page = new QWidget;
    auto *layout = new QHBoxLayout(m_page);
    m_buttons.clear();
    for (int i = 0; i < 10; ++i) {
        m_buttons << new PlanPushButton(m_page);
        layout->addWidget(m_buttons.last());
    }
    m_plans = new PlanController(m_page);
    m_plans->setAvailable(true);
    m_bar = new PlanBar(m_plans, PlanController::Page::Video, m_buttons, m_page);
    m_page->resize(900, 40);
    m_page->show();
}

void tst_Plans::cleanup()
{
    delete m_page;
    wire();
}

void tst_Plans::cleanupTestCase()
{
    MessageDistance::instance()->disconnectFromDevice();
    DataDir::set(QString());
}

QByteArray tst_Plans::wire()
{
    MessageDistance::instance()->sendVersion();
    return m_peer.takeBefore("{param=version}", TestTimeouts::Short);
}

ActingUser tst_Plans::lacking(int missing)
{
    ActingUser user;
    user.type = 1;
    user.rights.functions = QVector<bool>(PermissionStore::FunctionKeyCount, true);
    if (missing >= 0)
        user.rights.functions[missing] = false;
    return user;
}

QAction *tst_Plans::entry(QMenu *menu, const QString &text) const
{
    for (QAction *a : menu->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

// The rights switch entries off; before login the controller refuses.
void tst_Plans::menuCommands_data()
{
    QTest::addColumn<int>("missing"); // a function right the user lacks, -1 none
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("sent");
    QTest::addRow("save plan 1") << -1 << true << 0 << "Save Plan 1" << QByteArray("{param=Save0}");
    QTest::addRow("save before login") << -1 << false << 0 << "Save Plan 1" << QByteArray();
    QTest::addRow("no plan right: no clear") << 11 << true << 0 << "Clear Plan 1" << QByteArray();
    QTest::addRow("no video switching: no recall")
        << 22 << true << 0 << "Recall Plan 1" << QByteArray();
}

void tst_Plans::menuCommands()
{
    QFETCH(int, missing);
    QFETCH(bool, available);
    QFETCH(int, index);
    QFETCH(QString, text);
    m_bar->setActingUser([missing] { return lacking(missing); });
    m_plans->setAvailable(available);
    QScopedPointer<QMenu> menu(m_bar->buildMenu(index, m_page));
    QAction *action = entry(menu.data(), text);
    QVERIFY(action);
    if (action->isEnabled()) // what a click on the entry does
        action->trigger();
    QTEST(wire(), "sent");
}

void tst_Plans::recallSequence_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("joint");
    QTest::addColumn<bool>("gateOpen");
    QTest::addColumn<QByteArray>("sent");
    QTest::addRow("0809 video page")
        << 1 << false << true << QByteArray("{param=Recall2}{param=status}{param=bindinfo}");
    QTest::addRow("0808-S has no bindings")
        << 3 << false << true << QByteArray("{param=Recall2}{param=status}");
    QTest::addRow("multiview joint page")
        << 2 << true << true << QByteArray("{param=Recall2}{param=status}");
    QTest::addRow("joint page check refuses") << 2 << true << false << QByteArray();
}

void tst_Plans::recallSequence()
{
    QFETCH(int, code);
    QFETCH(bool, joint);
    QFETCH(bool, gateOpen);
    DeviceState::instance()->setDeviceType(code);
    const auto page = joint ? PlanController::Page::Joint : PlanController::Page::Video;
    delete m_bar; // one bar per row of buttons
    m_bar = new PlanBar(m_plans, page, m_buttons, m_page);
    QList<PlanController::Page> asked;
    m_plans->setRecallGate([&](PlanController::Page p, int) {
        asked << p;
        return gateOpen;
    });
    QSignalSpy single(m_buttons.at(2), &PlanPushButton::singleClicked);
    QSignalSpy done(m_plans, &PlanController::recallDone);
    QTest::mouseDClick(m_buttons.at(2), Qt::LeftButton);
    QCOMPARE(asked, QList<PlanController::Page>{page});
    if (gateOpen) {
        QVERIFY(done.wait(TestTimeouts::Short));
        QCOMPARE(done.at(0).at(0).toInt(), 2);
    }
    QTEST(wire(), "sent");
    // The double click did not also open the menu.
    QVERIFY(!QTest::qWaitFor([&] { return single.count() > 0; },
                             QApplication::doubleClickInterval() + 50));
}

// Every way in (a double click, the controller as a keyboard or web caller uses it)
// checks the rights first, then the link; a refusal sends nothing and says why.
void tst_Plans::refusedPlansSendNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("missing");
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("told");
    QTest::addRow("double click without plan right") << "double click" << 11 << true << "rights";
    QTest::addRow("double click without video switching")
        << "double click" << 22 << true << "rights";
    QTest::addRow("save without plan right") << "save" << 11 << true << "rights";
    QTest::addRow("clear without plan right") << "clear" << 11 << true << "rights";
    QTest::addRow("save needs no video switching") << "save" << 22 << true << "";
    QTest::addRow("double click offline") << "double click" << -1 << false << "offline";
    QTest::addRow("clear offline") << "clear" << -1 << false << "offline";
}

void tst_Plans::refusedPlansSendNothing()
{
    QFETCH(QString, how);
    QFETCH(int, missing);
    QFETCH(bool, online);
    QStringList heard;
    PlanController::Hooks hooks;
    hooks.warn = [&heard](PortRights::Warning w, PortRights::Refused) {
        heard << (w == PortRights::Warning::NoPermission ? "rights" : "ports");
    };
    hooks.refuseWhileOffline = [&heard, online] {
        if (!online)
            heard << QStringLiteral("offline");
        return !online;
    };
    m_plans->setHooks(hooks);
    m_bar->setActingUser([missing] { return lacking(missing); });
    QSignalSpy done(m_plans, &PlanController::done);
    if (how == QLatin1String("double click"))
        QTest::mouseDClick(m_buttons.at(2), Qt::LeftButton);
    else if (how == QLatin1String("save"))
        m_plans->save(lacking(missing), 2);
    else
        m_plans->clear(lacking(missing), 2);
    QFETCH(QString, told);
    QCOMPARE(heard, told.isEmpty() ? QStringList() : QStringList{told});
    QCOMPARE(wire().isEmpty(), !told.isEmpty());
    QCOMPARE(done.count(), told.isEmpty() ? 1 : 0);
}

// A save marks the button and says so; saving over or clearing a marked plan asks
// first, a "no" sends nothing; clearing removes the mark. Marks outlive the window
// (the store, per device address).
void tst_Plans::marksAskBeforeOverwriteAndClear()
{
    QStringList asked;
    int answer = 0;
    PlanController::Hooks hooks;
    hooks.confirm = [&](PlanController::Action action, int index) {
        asked << QStringLiteral("%1 %2").arg(int(action)).arg(index);
        return answer == 1;
    };
    m_plans->setHooks(hooks);
    QSignalSpy done(m_plans, &PlanController::done);
    const ActingUser admin;
    QVERIFY(m_plans->save(admin, 2));
    QCOMPARE(asked, QStringList());
    QVERIFY(m_buttons.at(2)->isMarked());
    QVERIFY(!m_buttons.at(3)->isMarked());
    QCOMPARE(PlanController::doneText(done.at(0).at(0).value<PlanController::Action>(),
                                      done.at(0).at(1).toInt()),
             QStringLiteral("Plan 3 saved"));
    QVERIFY(!m_plans->save(admin, 2));
    QVERIFY(!m_plans->clear(admin, 2));
    QCOMPARE(asked, (QStringList{"1 2", "2 2"}));
    QCOMPARE(wire(), QByteArray("{param=Save2}"));

    PlanController reopened;
    reopened.setAvailable(true);
    reopened.loadNames();
    QVERIFY(reopened.isMarked(2));
    AppSettings::instance()->setNetwork(QStringLiteral("10.0.0.2"), 5000);
    reopened.loadNames();
    QVERIFY(!reopened.isMarked(2));
    AppSettings::instance()->setNetwork(QStringLiteral("10.0.0.1"), 5000);

    answer = 1;
    QVERIFY(m_plans->clear(admin, 2));
    QCOMPARE(wire(), QByteArray("{param=Clear2}"));
    QVERIFY(!m_buttons.at(2)->isMarked());
    QVERIFY(!PlanMarkStore::loadMarks().contains(2));
    QCOMPARE(PlanController::doneText(PlanController::Action::Recall, 2),
             QStringLiteral("Plan 3 recalled"));
}

// Names per device address, given through the rename dialog of the plan menu; an empty
// name keeps the old one; before login names are not stored.
void tst_Plans::namesKeptPerAddress()
{
    QString offered, typed = QStringLiteral("Gala's night");
    m_bar->setDialogRunner([&](QDialog &dialog) {
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("RenameLineedit"));
        offered = edit->text();
        edit->setText(typed);
        dialog.findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        return dialog.result();
    });
    auto renameThroughMenu = [this](int index) {
        QScopedPointer<QMenu> menu(m_bar->buildMenu(index, m_page));
        entry(menu.data(), QStringLiteral("Rename Plan %1").arg(index + 1))->trigger();
    };
    renameThroughMenu(2);
    QCOMPARE(m_buttons.at(2)->fullText(), QStringLiteral("[3]Gala's night"));
    typed.clear();
    renameThroughMenu(2);
    QCOMPARE(offered, QStringLiteral("Gala's night"));
    QCOMPARE(PlanNameStore::loadPlanNames().value(2), QStringLiteral("Gala's night"));

    AppSettings::instance()->setNetwork(QStringLiteral("10.0.0.2"), 5000);
    m_plans->loadNames();
    QCOMPARE(m_buttons.at(2)->fullText(), QStringLiteral("[3]"));
    m_plans->setAvailable(false);
    QVERIFY(!m_plans->rename(4, QStringLiteral("Stage")));
    QVERIFY(!PlanNameStore::loadPlanNames().contains(4));
}

void tst_Plans::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the plan menu");
    Q_INIT_RESOURCE(translations);
    m_plans->rename(0, QStringLiteral("Morning news"));
    m_bar->setActingUser([] { return lacking(22); });
    for (const char *language : {"English", "Chinese"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/") + QLatin1String(language)));
        QCoreApplication::installTranslator(&translator);
        QScopedPointer<QMenu> menu(m_bar->buildMenu(0, m_page));
        menu->popup(m_page->mapToGlobal(QPoint(10, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(menu.data()));
        QVERIFY(menu->grab().save(
            QStringLiteral("%1/planmenu_%2.png").arg(dir, QLatin1String(language))));
        QVERIFY(m_page->grab().save(
            QStringLiteral("%1/planbuttons_%2.png").arg(dir, QLatin1String(language))));
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(tst_Plans)
#include "tst_plans.moc"
