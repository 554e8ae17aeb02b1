#include "bindgroups.h"
#include "datadir.h"
#include "devicestate.h"
#include "operatorcore.h"
#include "routepacer.h"
#include "salvocontroller.h"
#include "salvopanel.h"
#include "salvoroutes.h"
#include "salvowiring.h"
#include "tablewidget.h"
#include "windowkit.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// A device that needs this long for a switch; the recall's spacing must cover it.
constexpr int SlowDeviceGapMs = 60;

QVector<Route> videoRoutesAwayFrom(const SimState &state, const QList<int> &outputs)
{
    QVector<Route> routes;
    for (const int output : outputs)
        routes.append({RouteKind::Video, output, state.video.value(output) % 8 + 1});
    return routes;
}

QVector<Route> notOnDevice(const QVector<Route> &routes, const SimState &state)
{
    QVector<Route> missing;
    for (const Route &route : routes) {
        if (state.video.value(route.output) != route.source)
            missing.append(route);
    }
    return missing;
}

int videoSwitches(const QStringList &commands)
{
    return int(std::count_if(commands.cbegin(), commands.cend(), [](const QString &command) {
        return command.contains(QLatin1String("VIDEO"));
    }));
}

// What a report says, for a failing comparison.
QByteArray describe(const SalvoController::Report &report)
{
    QStringList lines{QStringLiteral("verified %1").arg(report.verified)};
    for (const Route &route : report.missing)
        lines << QStringLiteral("missing %1").arg(SalvoPanel::routeText(route));
    for (const SalvoController::Skipped &skipped : report.skipped)
        lines << QStringLiteral("skipped %1: %2")
                     .arg(SalvoPanel::routeText(skipped.first), skipped.second);
    return lines.join(QStringLiteral("; ")).toUtf8();
}

} // namespace

// Salvos in the window against the simulator: a recall paced for a slow device lands
// whole, one sent all at once does not and the report names what did not take; rights,
// locks and bind groups are the grids' own; the panel shows it all.
class TestSalvo : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_kit.init()); }
    void cleanup() { m_kit.cleanup(); }
    void cleanupTestCase() { m_kit.release(); }

    void verificationComparesTheWholeGroup();
    void recallOnSlowDevice_data();
    void recallOnSlowDevice();
    void sendAgainCompletesWhatDidNotTake();
    void boundGroupRoutedOnce();
    void panelCreatesRecallsAndReports();
    void unchangeableDatabaseTurnsThePanelOff();
    void screenshots();
    void rightsAndLocksSkippedAndNamed();

private:
    SalvoWiring *wiring() const { return m_kit.window()->findChild<SalvoWiring *>(); }
    SalvoController *salvos() const { return wiring()->controller(); }
    SimDevice *device() const { return m_kit.device(); }
    void makeSlow(int gapMs = SlowDeviceGapMs);
    SalvoController::Report recall(qint64 id, const ActingUser &user = ActingUser());

    WindowKit m_kit;
};

void TestSalvo::makeSlow(int gapMs)
{
    SimFaults faults;
    faults.minCommandGapMs = gapMs;
    device()->setFaults(faults);
}

SalvoController::Report TestSalvo::recall(qint64 id, const ActingUser &user)
{
    QSignalSpy finished(salvos(), &SalvoController::recallFinished);
    if (!salvos()->recall(user, id) || !finished.wait(TestTimeouts::Long))
        return {};
    return salvos()->lastReport();
}

void TestSalvo::verificationComparesTheWholeGroup()
{
    BindGroups groups;
    groups.setGroups({{3, {3, 4}}});
    DeviceState *state = DeviceState::instance();
    const Route route{RouteKind::Video, 4, 6};
    state->setVideoRouting(3, 6);
    state->setVideoRouting(4, 6);
    QVERIFY(SalvoRoutes::notTaken({route}, *state, &groups).isEmpty());
    // The output routed took, but another member of its group did not follow.
    state->setVideoRouting(3, 2);
    QCOMPARE(SalvoRoutes::notTaken({route}, *state, &groups), QVector<Route>{route});
    QVERIFY(SalvoRoutes::notTaken({route}, *state, nullptr).isEmpty());
}

void TestSalvo::recallOnSlowDevice_data()
{
    QTest::addColumn<int>("spacingMs");
    QTest::addColumn<bool>("complete");
    QTest::addRow("paced") << int(RoutePacer::DefaultSpacingMs) << true;
    QTest::addRow("all at once") << 0 << false;
}

void TestSalvo::recallOnSlowDevice()
{
    QFETCH(int, spacingMs);
    QFETCH(bool, complete);
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    makeSlow();
    const QVector<Route> routes =
        videoRoutesAwayFrom(device()->state(), {1, 2, 3, 4, 5, 6, 7, 8, 9});
    const qint64 id = salvos()->create(QTest::currentDataTag(), routes);
    QVERIFY(id > 0);
    salvos()->setSpacing(spacingMs);

    const SalvoController::Report report = recall(id);
    QVERIFY(report.verified);
    QCOMPARE(report.sent, routes);
    QCOMPARE(videoSwitches(device()->receivedCommands()), routes.size());
    // The report names exactly the routes the device does not hold.
    QCOMPARE(report.missing, notOnDevice(routes, device()->state()));
    QCOMPARE(report.missing.isEmpty(), complete);
    QCOMPARE(report.complete(), complete);
    salvos()->setSpacing(RoutePacer::DefaultSpacingMs);
}

void TestSalvo::sendAgainCompletesWhatDidNotTake()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    makeSlow();
    const QVector<Route> routes = videoRoutesAwayFrom(device()->state(), {1, 2, 3, 4, 5, 6});
    const qint64 id = salvos()->create(QStringLiteral("again"), routes);
    salvos()->setSpacing(0);
    const QVector<Route> missing = recall(id).missing;
    QVERIFY(!missing.isEmpty());

    salvos()->setSpacing(RoutePacer::DefaultSpacingMs);
    device()->clearReceivedCommands();
    QSignalSpy finished(salvos(), &SalvoController::recallFinished);
    QVERIFY(salvos()->resendMissing(ActingUser()));
    QVERIFY(finished.wait(TestTimeouts::Long));
    QCOMPARE(salvos()->lastReport().sent, missing);
    QCOMPARE(videoSwitches(device()->receivedCommands()), missing.size());
    QVERIFY2(salvos()->lastReport().complete(), describe(salvos()->lastReport()));
    QVERIFY(notOnDevice(routes, device()->state()).isEmpty());
    QVERIFY(!salvos()->resendMissing(ActingUser())); // nothing left to send
}

void TestSalvo::boundGroupRoutedOnce()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    device()->applyPanelCommand(QStringLiteral("Bind3/4"));
    BindGroups *groups = m_kit.window()->core()->bindGroups();
    QTRY_VERIFY_WITH_TIMEOUT(groups->groupOf(3).contains(4), TestTimeouts::Short);
    const int first = device()->state().video.value(1) % 8 + 1;
    const QVector<Route> routes{
        {RouteKind::Video, 3, 5}, {RouteKind::Video, 1, first}, {RouteKind::Video, 4, 6}};
    const qint64 id = salvos()->create(QStringLiteral("group"), routes);

    const SalvoController::Report report = recall(id);
    // Routing a member routes the group: its last route stands for it, sent once.
    QCOMPARE(report.sent, (QVector<Route>{routes.at(1), routes.at(2)}));
    QVERIFY2(report.complete(), describe(report));
    QCOMPARE(device()->state().video.value(3), 6);
    QCOMPARE(device()->state().video.value(4), 6);
    device()->applyPanelCommand(QStringLiteral("UnBind3"));
    QTRY_VERIFY_WITH_TIMEOUT(groups->groupOf(3).isEmpty(), TestTimeouts::Short);
}

void TestSalvo::panelCreatesRecallsAndReports()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    m_kit.window()->show(); // the selection is the shown grid's
    QVERIFY(QTest::qWaitForWindowExposed(m_kit.window()));
    m_kit.child<QPushButton>("btn_salvos")->click();
    SalvoPanel *panel = wiring()->panel();
    QVERIFY(panel && panel->isVisible());
    m_kit.onDialog = [](QDialog &dialog) {
        if (auto *edit = dialog.findChild<QLineEdit *>())
            edit->setText(QStringLiteral("Two cells"));
    };
    // From the selected cells of the grid on show, with what they show now.
    auto *grid = m_kit.child<TableWidget>("videoTableWidget");
    grid->clearSelection();
    grid->itemForPort(2)->setSelected(true);
    grid->itemForPort(5)->setSelected(true);
    panel->findChild<QPushButton *>("btn_salvoFromSelected")->click();
    const qint64 id = panel->currentId();
    QVERIFY(id > 0);
    const QVector<Salvo> stored = salvos()->salvos();
    const auto it =
        std::find_if(stored.cbegin(), stored.cend(), [id](const Salvo &s) { return s.id == id; });
    QVERIFY(it != stored.cend());
    QCOMPARE(it->name, QStringLiteral("Two cells"));
    const SimState &sim = device()->state();
    QCOMPARE(
        it->routes,
        (QVector<SalvoRoute>{{"video", 2, sim.video.value(2)}, {"video", 5, sim.video.value(5)}}));
    // The same name again is refused with the reason.
    panel->findChild<QPushButton *>("btn_salvoFromCurrent")->click();
    QVERIFY(panel->findChild<QLabel *>("lb_salvoSummary")->text().contains("Two cells"));
    QCOMPARE(salvos()->salvos().size(), stored.size());

    // Recalled all at once on a slow device: the report lists what did not take.
    const QVector<Route> routes = videoRoutesAwayFrom(sim, {2, 5, 7});
    const qint64 away = salvos()->create(QStringLiteral("Away"), routes);
    panel->refresh();
    panel->selectId(away);
    makeSlow(TestTimeouts::Short); // slower than a shown window can be, so the burst fails
    salvos()->setSpacing(0);
    QSignalSpy finished(salvos(), &SalvoController::recallFinished);
    panel->findChild<QPushButton *>("btn_salvoRecall")->click();
    QVERIFY(finished.wait(TestTimeouts::Long));
    auto *report = panel->findChild<QListWidget *>("salvoReport");
    auto *again = panel->findChild<QPushButton *>("btn_salvoSendAgain");
    QCOMPARE(report->count(), salvos()->lastReport().missing.size());
    QVERIFY(report->count() > 0);
    QVERIFY(again->isEnabled());

    makeSlow();
    salvos()->setSpacing(RoutePacer::DefaultSpacingMs);
    again->click();
    QVERIFY(finished.wait(TestTimeouts::Long));
    QCOMPARE(report->count(), 0);
    QVERIFY(!again->isEnabled());
    QVERIFY(notOnDevice(routes, device()->state()).isEmpty());
}

void TestSalvo::unchangeableDatabaseTurnsThePanelOff()
{
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    const QString db = DataDir::filePath(QStringLiteral("project.db"));
    QVERIFY(QFile::setPermissions(db, QFile::ReadOwner));
    wiring()->open();
    SalvoPanel *panel = wiring()->panel();
    auto *notice = panel->findChild<QLabel *>("lb_salvoNotice");
    QVERIFY(!notice->isHidden());
    QVERIFY(!notice->text().isEmpty());
    QVERIFY(!panel->findChild<QPushButton *>("btn_salvoFromCurrent")->isEnabled());
    QVERIFY(!panel->findChild<QListWidget *>("salvoList")->isEnabled());
    QCOMPARE(salvos()->create(QStringLiteral("x"), salvos()->currentRoutes()), qint64(0));

    QVERIFY(QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner));
    wiring()->open();
    QVERIFY(notice->isHidden());
    QVERIFY(panel->findChild<QPushButton *>("btn_salvoFromCurrent")->isEnabled());
}

// The panel with a list and a report in both languages, when ZEL_SCREENSHOT_DIR names a
// directory.
void TestSalvo::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the salvo panel");
    QVERIFY(m_kit.openShared(QStringLiteral("0809")));
    const QVector<Route> routes =
        videoRoutesAwayFrom(device()->state(), {1, 2, 3, 4, 5, 6, 7, 8, 9});
    salvos()->create(QStringLiteral("Morning news"), routes);
    salvos()->create(QStringLiteral("Studio B"), salvos()->currentRoutes());
    const qint64 id = salvos()->create(QStringLiteral("Evening show"), routes.mid(0, 4));
    wiring()->open();
    SalvoPanel *panel = wiring()->panel();
    panel->selectId(id);
    makeSlow(TestTimeouts::Short);
    salvos()->setSpacing(0);
    QSignalSpy finished(salvos(), &SalvoController::recallFinished);
    panel->findChild<QPushButton *>("btn_salvoRecall")->click();
    QVERIFY(finished.wait(TestTimeouts::Long));
    salvos()->setSpacing(RoutePacer::DefaultSpacingMs);
    for (const int language : {1, 0}) {
        m_kit.child<QComboBox>("languageComboBox")->setCurrentIndex(language);
        QCoreApplication::processEvents();
        const QString file = QStringLiteral("%1/salvo-%2.png").arg(dir, language ? "en" : "zh");
        QVERIFY(panel->grab().save(file));
        QVERIFY(m_kit.window()->grab().save(
            QStringLiteral("%1/salvo-window-%2.png").arg(dir, language ? "en" : "zh")));
    }
    panel->hide();
}

void TestSalvo::rightsAndLocksSkippedAndNamed()
{
    // A splitter layout locks output 9.
    QVERIFY(m_kit.startDevice(QStringLiteral("0809-M")));
    device()->applyPanelCommand(QStringLiteral("Splitter2"));
    QVERIFY(m_kit.openSettled(QStringLiteral("0809-M")));
    ActingUser user;
    user.type = 1;
    user.rights.outputs = QVector<bool>(9, true);
    user.rights.outputs[1] = false; // output 2
    const SimState &sim = device()->state();
    const QVector<Route> routes{{RouteKind::Video, 2, sim.video.value(2) % 8 + 1},
                                {RouteKind::Video, 9, sim.video.value(9) % 8 + 1},
                                {RouteKind::Video, 1, sim.video.value(1) % 8 + 1},
                                {RouteKind::SplitterArea, 1, sim.splitter.value(1) % 8 + 1}};
    const qint64 id = salvos()->create(QStringLiteral("mixed"), routes);
    const SalvoController::Report report = recall(id, user);

    QCOMPARE(report.sent, (QVector<Route>{routes.at(2), routes.at(3)}));
    QCOMPARE(report.skipped.size(), 2);
    QCOMPARE(report.skipped.at(0).first, routes.at(0));
    QCOMPARE(report.skipped.at(1).first, routes.at(1));
    // Each skipped route says why, and the reasons tell a right from a lock.
    QVERIFY(!report.skipped.at(0).second.isEmpty());
    QVERIFY(!report.skipped.at(1).second.isEmpty());
    QVERIFY(report.skipped.at(0).second != report.skipped.at(1).second);
    QVERIFY(report.verified && report.missing.isEmpty());
    QCOMPARE(videoSwitches(device()->receivedCommands()), 2);
    QVERIFY(!report.complete());
}

QTEST_MAIN(TestSalvo)
#include "tst_salvo.moc"
