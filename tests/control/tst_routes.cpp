#include "actinguser.h"
#include "datadir.h"
#include "devicestate.h"
#include "linkindicator.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "routepacer.h"
#include "routeservice.h"
#include "simdevice.h"
#include "tempdatadir.h"
#include "testtimeouts.h"

#include <QHostAddress>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(RouteKind)
Q_DECLARE_METATYPE(RouteService::Refusal)

// Every route, whoever makes it, through the one service: checked for the acting user,
// sent in the device's numbering, and read back from the device as it was meant.
class tst_Routes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { DataDir::set(QString()); }
    void cleanup();
    void routeRoundTripsThroughTheDevice_data();
    void routeRoundTripsThroughTheDevice();
    void refusals_data();
    void refusals();
    void offlineRefusesAndSendsNothing();
    void pacerSkipsRefusedAndSendsTheRestInOrder();

private:
    bool startUp(const QString &model, int splitterLayout = 0);
    // Asks the device for its routes and waits for the answer.
    void reread();

    TempDataDir m_dir;
    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<OperatorCore> m_core;
};

namespace {
ActingUser administrator()
{
    return ActingUser{};
}
} // namespace

void tst_Routes::initTestCase()
{
    QVERIFY(m_dir.isValid());
    DataDir::set(m_dir.path());
}

void tst_Routes::cleanup()
{
    MessageDistance::instance()->disconnectFromDevice();
    m_core.reset();
    m_device.reset();
}

bool tst_Routes::startUp(const QString &model, int splitterLayout)
{
    m_device = std::make_unique<SimDevice>(model);
    SimState state = SimState::defaults(model);
    state.splitterLayout = splitterLayout;
    m_device->setState(state);
    if (!m_device->listen(QHostAddress::LocalHost, 0, 0))
        return false;
    MessageDistance *link = MessageDistance::instance();
    m_core = std::make_unique<OperatorCore>(link, DeviceState::instance());
    m_core->createBindGroups();
    m_core->connectLink();
    QSignalSpy version(m_core.get(), &OperatorCore::versionApplied);
    link->setUploadPort(m_device->uploadPort());
    link->connectToDevice(QStringLiteral("127.0.0.1"), m_device->controlPort());
    if (!version.wait(TestTimeouts::Medium))
        return false;
    reread();
    return !QTest::currentTestFailed();
}

void tst_Routes::reread()
{
    // The multiview model answers with its windows instead.
    QSignalSpy routing(m_core->link(), &MessageDistance::receiveVideoAudioIRMapSig);
    QSignalSpy windows(m_core->link(), &MessageDistance::receiveWindowStatusSig);
    m_core->link()->sendStatus();
    QTRY_VERIFY_WITH_TIMEOUT(routing.count() + windows.count() > 0, TestTimeouts::Short);
}

void tst_Routes::routeRoundTripsThroughTheDevice_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<RouteKind>("kind");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("splitterLayout");
    // The last output of each grid and a source other than the default, so an
    // off-by-one port or the wrong type word shows up in the device's answer.
    QTest::addRow("0809 video") << "0809" << RouteKind::Video << 9 << 7 << 0;
    QTest::addRow("0808 video") << "0808" << RouteKind::Video << 8 << 6 << 0;
    QTest::addRow("0809 analogue audio") << "0809" << RouteKind::Audio << 9 << 5 << 0;
    QTest::addRow("0809 embedded audio") << "0809" << RouteKind::Audio << 2 << 104 << 0;
    QTest::addRow("0809 HDMI audio") << "0809" << RouteKind::HdmiAudio << 109 << 103 << 0;
    QTest::addRow("0809 infrared") << "0809" << RouteKind::Infrared << 9 << 4 << 0;
    QTest::addRow("0808-S HDMI out") << "0808-S" << RouteKind::Audio0808S << 108 << 102 << 0;
    QTest::addRow("0409-S HDMI audio") << "0409-S" << RouteKind::HdmiAudio << 101 << 103 << 0;
    QTest::addRow("0809-M area") << "0809-M" << RouteKind::SplitterArea << 4 << 6 << 2;
    QTest::addRow("clear") << "0809" << RouteKind::Video << 3 << 0 << 0;
}

void tst_Routes::routeRoundTripsThroughTheDevice()
{
    QFETCH(QString, model);
    QFETCH(RouteKind, kind);
    QFETCH(int, output);
    QFETCH(int, source);
    QFETCH(int, splitterLayout);
    QVERIFY(startUp(model, splitterLayout));
    QSignalSpy routed(m_core->routes(), &RouteService::routed);
    const Route route{kind, output, source};
    const RouteService::Outcome outcome =
        m_core->routes()->route(administrator(), route, QStringLiteral("tester"));
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QCOMPARE(routed.count(), 1);
    QCOMPARE(routed.at(0).at(2).toString(), QStringLiteral("tester"));
    // The store has it at once, and still has it after the device answered.
    QCOMPARE(RouteKinds::liveSource(kind, output, *m_core->state()), source);
    reread();
    QCOMPARE(RouteKinds::liveSource(kind, output, *m_core->state()), source);
}

void tst_Routes::refusals_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("splitterLayout");
    QTest::addColumn<RouteKind>("kind");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("outputRight");
    QTest::addColumn<RouteService::Refusal>("refusal");
    using R = RouteService::Refusal;
    QTest::addRow("ninth output of an eight-output model")
        << "0808" << 0 << RouteKind::Video << 9 << 1 << true << R::NoPort;
    QTest::addRow("input beyond the list")
        << "0809" << 0 << RouteKind::Video << 2 << 9 << true << R::NoPort;
    QTest::addRow("kind the model lacks")
        << "0809" << 0 << RouteKind::Audio0808S << 101 << 101 << true << R::NoPort;
    QTest::addRow("no area without a layout")
        << "0809-M" << 0 << RouteKind::SplitterArea << 1 << 2 << true << R::NoPort;
    QTest::addRow("output 9 held by the splitter")
        << "0809-M" << 3 << RouteKind::Video << 9 << 1 << true << R::Locked;
    QTest::addRow("output 9 free without a layout")
        << "0809-M" << 0 << RouteKind::Video << 9 << 1 << true << R::None;
    QTest::addRow("lock before right")
        << "0809-M" << 3 << RouteKind::Video << 9 << 1 << false << R::Locked;
    QTest::addRow("no right to the output")
        << "0809" << 0 << RouteKind::Video << 2 << 1 << false << R::NoRight;
    QTest::addRow("clear needs the right too")
        << "0809" << 0 << RouteKind::Video << 2 << 0 << false << R::NoRight;
    QTest::addRow("area needs output 9's right")
        << "0809-M" << 3 << RouteKind::SplitterArea << 1 << 2 << false << R::NoRight;
}

void tst_Routes::refusals()
{
    QFETCH(QString, model);
    QFETCH(int, splitterLayout);
    QFETCH(RouteKind, kind);
    QFETCH(int, output);
    QFETCH(int, source);
    QFETCH(bool, outputRight);
    QFETCH(RouteService::Refusal, refusal);
    QVERIFY(startUp(model, splitterLayout));
    ActingUser user;
    user.type = 1;
    user.rights.outputs = QVector<bool>(9, true);
    // Output 2, and output 9 which the splitter areas belong to.
    if (!outputRight) {
        user.rights.outputs[1] = false;
        user.rights.outputs[8] = false;
    }
    QSignalSpy routed(m_core->routes(), &RouteService::routed);
    const Route route{kind, output, source};
    const int before = RouteKinds::liveSource(kind, output, *m_core->state());
    const RouteService::Outcome outcome = m_core->routes()->route(user, route);
    QCOMPARE(outcome.refusal, refusal);
    QCOMPARE(outcome.reason.isEmpty(), refusal == RouteService::Refusal::None);
    QCOMPARE(routed.count(), outcome.ok() ? 1 : 0);
    if (outcome.ok())
        return;
    // Nothing reached the device: it still reports what it had.
    reread();
    QCOMPARE(RouteKinds::liveSource(kind, output, *m_core->state()), before);
}

void tst_Routes::offlineRefusesAndSendsNothing()
{
    QVERIFY(startUp(QStringLiteral("0809")));
    QSignalSpy lost(m_core.get(), &OperatorCore::linkLost);
    m_device.reset();
    QVERIFY(lost.wait(TestTimeouts::Medium));
    QTRY_VERIFY_WITH_TIMEOUT(!m_core->indicator()->isOnline(), TestTimeouts::Medium);
    const RouteService::Outcome outcome =
        m_core->routes()->route(administrator(), {RouteKind::Video, 1, 5});
    QCOMPARE(outcome.refusal, RouteService::Refusal::Offline);
    QCOMPARE(outcome.reason, m_core->indicator()->offlineReason());
    QVERIFY(m_core->state()->videoRouting(1) != 5);
}

void tst_Routes::pacerSkipsRefusedAndSendsTheRestInOrder()
{
    QVERIFY(startUp(QStringLiteral("0809-M"), 3));
    RoutePacer pacer(m_core->routes());
    pacer.setSpacing(20);
    QSignalSpy routed(m_core->routes(), &RouteService::routed);
    QSignalSpy finished(&pacer, &RoutePacer::finished);
    const QVector<Route> routes{{RouteKind::Video, 1, 4},
                                {RouteKind::Video, 9, 4}, // held by the splitter
                                {RouteKind::Infrared, 2, 3},
                                {RouteKind::SplitterArea, 2, 5}};
    QVERIFY(pacer.start(administrator(), routes, QStringLiteral("salvo")));
    // Only the first goes out at once; the rest wait their turn.
    QCOMPARE(routed.count(), 1);
    QVERIFY(!pacer.start(administrator(), routes));
    QVERIFY(finished.wait(TestTimeouts::Short));
    QCOMPARE(routed.count(), 3);
    const auto sent = finished.at(0).at(0).value<QVector<Route>>();
    const auto refused = finished.at(0).at(1).value<QVector<RoutePacer::Refused>>();
    QCOMPARE(sent, (QVector<Route>{routes[0], routes[2], routes[3]}));
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.at(0).first, routes[1]);
    QVERIFY(!pacer.isRunning());
    reread();
    for (const Route &route : sent)
        QCOMPARE(RouteKinds::liveSource(route.kind, route.output, *m_core->state()), route.source);
}

QTEST_GUILESS_MAIN(tst_Routes)
#include "tst_routes.moc"
