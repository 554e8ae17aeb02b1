#include "actinguser.h"
#include "appsettings.h"
#include "bindgroups.h"
#include "commands.h"
#include "datadir.h"
#include "devicestate.h"
#include "droprefusal.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "portrights.h"
#include "simdevice.h"
#include "splicemodes.h"
#include "tempdatadir.h"
#include "testtimeouts.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

namespace {

BindGroups::Groups groupsOf(const QMap<int, QVector<int>> &simGroups)
{
    BindGroups::Groups groups;
    for (auto it = simGroups.begin(); it != simGroups.end(); ++it)
        groups.insert(it.key(), QList<int>(it.value().cbegin(), it.value().cend()));
    return groups;
}

// A picture unlike the simulator's defaults, so a record that is not applied shows.
SimState scrambled(const QString &model)
{
    SimState s = SimState::defaults(model);
    for (int o = 1; o <= s.outputs; ++o)
        s.video[o] = s.inputs + 1 - ((o - 1) % s.inputs + 1);
    if (s.audio.contains(1))
        s.audio[1] = 3;
    if (s.ir.contains(2))
        s.ir[2] = 4;
    if (s.hasSplitter()) {
        s.splitterLayout = 2;
        for (int a = 1; a <= SimState::SplitterAreas; ++a)
            s.splitter[a] = (a % s.inputs) + 1;
    }
    if (model == QLatin1String("0808-S")) {
        s.spliceMode = 1;
    } else if (!s.isMultiview()) {
        s.bind({3, 4});
        s.spliceMode = 2;
    }
    s.outputResolution[1] = QStringLiteral("1280x720");
    s.inputPresent[2] = false;
    return s;
}

} // namespace

// The operator core on a real link to the simulator, with no window: after start-up and
// after another client's change it holds the device's picture.
class tst_OperatorCore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { DataDir::set(QString()); }
    void init();
    void cleanup();
    void reachesDevicePicture_data();
    void reachesDevicePicture();
    void actingUserRightsBeatWindowAdministrator();
    void dropRefusalOrder_data();
    void dropRefusalOrder();
    void spliceModeAsksEveryOutputOfItsPreset();

private:
    bool startUp(const QString &model);
    void comparePicture();

    TempDataDir m_dir;
    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<OperatorCore> m_core;
};

void tst_OperatorCore::initTestCase()
{
    QVERIFY(m_dir.isValid());
    DataDir::set(m_dir.path());
}

void tst_OperatorCore::init()
{
    // The store outlives a case; what the previous model left must not pass for a record.
    DeviceState *state = DeviceState::instance();
    state->setVideoRouting(QMap<int, int>());
    state->setAudioRouting(QMap<int, int>());
    state->setSplitterRouting(QMap<int, int>());
    state->setSplitterLayout(-1);
    state->setSpliceMode(0);
    state->setOutputResolutions(QMap<int, QString>());
    state->setInputPresent(QMap<int, bool>());
}

void tst_OperatorCore::cleanup()
{
    MessageDistance::instance()->disconnectFromDevice();
    m_core.reset();
    m_device.reset();
}

bool tst_OperatorCore::startUp(const QString &model)
{
    m_device = std::make_unique<SimDevice>(model);
    m_device->setState(scrambled(model));
    if (!m_device->listen(QHostAddress::LocalHost, 0, 0))
        return false;
    MessageDistance *link = MessageDistance::instance();
    m_core = std::make_unique<OperatorCore>(link, DeviceState::instance());
    m_core->createBindGroups();
    m_core->connectLink();
    // The last record of the start-up queries of each model.
    auto last = model == QLatin1String("0409-S")   ? &MessageDistance::receiveRotateAngleSig
                : model == QLatin1String("0808-S") ? &MessageDistance::receiveOutputInfoSig
                                                   : &MessageDistance::receiveBindInfoSig;
    QSignalSpy settled(link, last);
    link->setUploadPort(m_device->uploadPort());
    link->connectToDevice(QStringLiteral("127.0.0.1"), m_device->controlPort());
    return settled.wait(TestTimeouts::Medium);
}

void tst_OperatorCore::comparePicture()
{
    const SimState &sim = m_device->state();
    const DeviceState *state = m_core->state();
    QCOMPARE(state->deviceType(), SimDevice::models().indexOf(sim.model));
    // The 0409-S shows its inputs in windows, not on routed outputs.
    if (!sim.isMultiview()) {
        for (auto it = sim.video.begin(); it != sim.video.end(); ++it)
            QCOMPARE(state->videoRouting(it.key()), it.value());
        for (auto it = sim.audio.begin(); it != sim.audio.end(); ++it)
            QCOMPARE(state->audioRouting(it.key()), it.value());
    }
    if (sim.hasSplitter()) {
        QCOMPARE(state->splitterLayout(), sim.splitterLayout);
        for (auto it = sim.splitter.begin(); it != sim.splitter.end(); ++it)
            QCOMPARE(state->splitterRouting(it.key()), it.value());
    }
    QCOMPARE(state->outputResolutions(1), sim.outputResolution.value(1));
    QCOMPARE(state->inputPresent(2), sim.inputPresent.value(2));
    if (sim.isMultiview())
        return;
    QCOMPARE(state->spliceMode(), sim.spliceMode);
    if (sim.model != QLatin1String("0808-S"))
        QCOMPARE(m_core->bindGroups()->groups(), groupsOf(sim.groups));
}

void tst_OperatorCore::reachesDevicePicture_data()
{
    QTest::addColumn<QString>("model");
    for (const QString &model : SimDevice::models())
        QTest::addRow("%s", qPrintable(model)) << model;
}

void tst_OperatorCore::reachesDevicePicture()
{
    QFETCH(QString, model);
    QVERIFY(startUp(model));
    comparePicture();

    // Another client routes input 1 to an output (the bound output 3 where the picture has
    // a group, so the whole group moves); the notice reaches the core's picture.
    QTcpSocket other;
    other.connectToHost(QHostAddress::LocalHost, m_device->controlPort());
    QVERIFY(other.waitForConnected(TestTimeouts::Short));
    QTRY_COMPARE_WITH_TIMEOUT(m_device->clientCount(), 2, TestTimeouts::Short);
    QSignalSpy notice(MessageDistance::instance(), &MessageDistance::receiveChangedByOthersSig);
    const int code = SimDevice::models().indexOf(model);
    const int output = m_device->state().groups.isEmpty() ? 2 : 3;
    other.write(Commands::switchPort(1, 0, output, code).toUtf8());
    other.flush();
    QVERIFY(notice.wait(TestTimeouts::Short));
    QCOMPARE(m_device->state().video.value(output), 1);
    comparePicture();
}

void tst_OperatorCore::actingUserRightsBeatWindowAdministrator()
{
    // The window is logged in as administrator; a restricted user acts beside it.
    AppSettings::instance()->setCurrentUserType(0);
    ActingUser web;
    web.type = 1;
    web.rights.outputs = QVector<bool>(9, true);
    web.rights.outputs[1] = false; // output 2
    QList<PortRights::Warning> warnings;
    QList<int> named;
    const PortRights rights([web] { return web; },
                            [&](PortRights::Warning w, PortRights::Refused refused) {
                                warnings << w;
                                named << refused.number << refused.category;
                            });
    QVERIFY(rights.portAllowed(1, PermissionStore::Output));
    QVERIFY(!rights.portAllowed(2, PermissionStore::Output));
    QVERIFY(!rights.outputsAllowed({1, 2}, true));
    QCOMPARE(warnings, QList<PortRights::Warning>{PortRights::Warning::PortsNotPermitted});
    // The warning names the first output refused.
    QCOMPARE(named, (QList<int>{2, PermissionStore::Output}));
}

void tst_OperatorCore::dropRefusalOrder_data()
{
    QTest::addColumn<QString>("offline");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("noRight");
    QTest::addRow("offline before all")
        << "offline" << false << true << false << "offline" << false;
    QTest::addRow("no cell before lock")
        << "" << false << true << false << "There is no output here." << false;
    QTest::addRow("lock before right")
        << "" << true << true << false << "Output 3 is locked." << false;
    QTest::addRow("no right") << "" << true << false << false
                              << "You have no right to switch output 3." << true;
    QTest::addRow("allowed") << "" << true << false << true << "" << false;
}

void tst_OperatorCore::dropRefusalOrder()
{
    QFETCH(QString, offline);
    QFETCH(bool, exists);
    QFETCH(bool, locked);
    QFETCH(bool, right);
    int asked = 0;
    bool noRight = true; // reset by every call
    const QString reason = DropRefusal::reason(
        3,
        offline,
        DropRefusal::Cell{exists, locked},
        [&] {
            ++asked;
            return right;
        },
        &noRight);
    QTEST(reason, "reason");
    QTEST(noRight, "noRight");
    // The right is asked only when nothing refused before it.
    QCOMPARE(asked, offline.isEmpty() && exists && !locked ? 1 : 0);
}

void tst_OperatorCore::spliceModeAsksEveryOutputOfItsPreset()
{
    QVERIFY(startUp(QStringLiteral("0808-S")));
    const int mode = 3;
    const QList<int> asked = SpliceModes::outputsAsked(mode, m_core->bindGroups());
    QVERIFY(asked.size() > 1);
    ActingUser user;
    user.type = 1;
    user.rights.outputs = QVector<bool>(9, true);
    user.rights.outputs[asked.last() - 1] = false;
    const int before = m_core->state()->spliceMode();
    QList<int> touched;
    QVERIFY(!m_core->applySpliceMode(user, mode, true, &touched));
    QCOMPARE(m_core->state()->spliceMode(), before);
    QVERIFY(touched.isEmpty());

    user.rights.outputs[asked.last() - 1] = true;
    QVERIFY(m_core->applySpliceMode(user, mode, true, &touched));
    QCOMPARE(m_core->state()->spliceMode(), mode);
    QTRY_COMPARE_WITH_TIMEOUT(m_device->state().spliceMode, mode, TestTimeouts::Short);
}

QTEST_GUILESS_MAIN(tst_OperatorCore)
#include "tst_operatorcore.moc"
