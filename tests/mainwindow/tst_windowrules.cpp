#include "activitylog.h"
#include "appsettings.h"
#include "changeapplier.h"
#include "changenotice.h"
#include "commandtap.h"
#include "datadir.h"
#include "devicestate.h"
#include "linkindicator.h"
#include "messagedistance.h"
#include "networkform.h"
#include "replyrecords.h"
#include "sigmanager.h"
#include "signalsearch.h"
#include "splicemodes.h"
#include "staletracker.h"
#include "takehistory.h"
#include "takeundo.h"
#include "tempdatadir.h"
#include "testtimeouts.h"
#include "videosplitmanager.h"
#include "windowrules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>
#include <QtTest>

using ChangeNotice::Kind;
using namespace ReplyRecords;

Q_DECLARE_METATYPE(Kind)

// The main window's rules that need no window: the device's records applied to the
// store, other clients' change notices read and applied, title, names, grid filters, and
// the logic behind the link indicator, the stale marker, the activity view, undo, the
// network page and the signal search.
class tst_WindowRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DataDir::set(m_dir.path()); }
    void cleanupTestCase() { DataDir::set(QString()); }
    void init();
    // Records
    void version_data();
    void version();
    void routingKeepsTheWallWindowsApart();
    void windowStatus_data();
    void windowStatus();
    void inputPresence();
    void outputInfoNeedsFourParts();
    void portZeroIsCleaned();
    void rotationReadsOneDigit();
    // Change notices
    void singleMember_data();
    void singleMember();
    void noticesDropped();
    void multiviewAudioStopsTheNotice();
    void bindGroups_data();
    void bindGroups();
    void noticeMovesBindGroup();
    void noticeSignals_data();
    void noticeSignals();
    void wallModeResetsOutputs();
    // The window's texts and grids
    void titleText_data();
    void titleText();
    void gridRoutes_data();
    void gridRoutes();
    void refreshKindShowsOwnGrid_data();
    void refreshKindShowsOwnGrid();
    // Operator logic
    void indicator_data();
    void indicator();
    void staleAfterSilence();
    void activityNewestFirstAndBounded();
    void tapHearsTheLink();
    void undoKeepsRealChanges();
    void undoRestoresNewestFirst_data();
    void undoRestoresNewestFirst();
    void networkFieldsRefuseHalfTypedValues();
    void networkConfirmationNamesOldAndNew();
    void signalSearch_data();
    void signalSearch();

private:
    static QJsonObject json(const char *text) { return QJsonDocument::fromJson(text).object(); }

    TempDataDir m_dir;
};

void tst_WindowRules::init()
{
    DeviceState *state = DeviceState::instance();
    state->setDeviceType(1);
    state->setVideoRouting(QMap<int, int>());
    state->setAudioRouting(QMap<int, int>());
    state->setIrRouting(QMap<int, int>());
}

void tst_WindowRules::version_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("storedType");
    QTest::addColumn<int>("settingsType");
    QTest::addRow("0809") << "0809" << 1 << 1 << 1;
    QTest::addRow("unknown keeps the type, writes 1") << "9999" << -1 << 3 << 1;
}

void tst_WindowRules::version()
{
    QFETCH(QString, device);
    QFETCH(int, code);
    DeviceState *state = DeviceState::instance();
    state->setDeviceType(3); // what an unknown model keeps
    const Version v = applyVersion(QJsonObject{
        {"device", device}, {"audio", true}, {"bezel_x", "1/2/3/4"}, {"bezel_y", "1/2/3"}});
    QCOMPARE(v.code, code);
    QTEST(state->deviceType(), "storedType");
    QTEST(AppSettings::instance()->type(), "settingsType");
    QCOMPARE(state->bezel().x, (std::array<uint, 4>{{1, 2, 3, 4}}));
    QCOMPARE(state->bezel().y, (std::array<uint, 4>{{0, 0, 0, 0}})); // three parts read as zeros
}

void tst_WindowRules::routingKeepsTheWallWindowsApart()
{
    const Routing r = applyRouting(QJsonObject{
        {"video900", "1/2/3/4"}, {"video2", 5}, {"audio3", "6"}, {"IR1", 7}, {"splice_mode", 9}});
    QCOMPARE(r.wallWindows, (QMap<int, int>{{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    QCOMPARE(DeviceState::instance()->videoRouting(), (QMap<int, int>{{2, 5}}));
    QCOMPARE(DeviceState::instance()->audioRouting(), (QMap<int, int>{{3, 6}}));
    QCOMPARE(DeviceState::instance()->irRouting(), (QMap<int, int>{{1, 7}}));
    QCOMPARE(r.spliceMode, 0); // 9 is no splice mode
}

void tst_WindowRules::windowStatus_data()
{
    QTest::addColumn<QJsonValue>("audio");
    QTest::addColumn<int>("route");
    QTest::addRow("input 3") << QJsonValue(QJsonArray{3}) << 103;
    QTest::addRow("no input") << QJsonValue(QJsonArray{0}) << 0;
    QTest::addRow("beyond the four inputs") << QJsonValue(QJsonArray{5}) << 0;
    QTest::addRow("a bare number") << QJsonValue(2) << 102;
}

// "AUDIO" feeds HDMI audio output 101.
void tst_WindowRules::windowStatus()
{
    QFETCH(QJsonValue, audio);
    DeviceState::instance()->setAudioRouting(101, 999);
    applyWindowAudio(QJsonObject{
        {"window1", QJsonArray{1, 0, 0, 0, 960, 540}}, {"VIR", QJsonArray{1}}, {"AUDIO", audio}});
    QTEST(DeviceState::instance()->audioRouting(101), "route");
}

// The presence record needs a dash in its keys; the resolution record's "noinput"
// clears an input's presence too.
void tst_WindowRules::inputPresence()
{
    applyInputPresence(
        QJsonObject{{"input-1", "true"}, {"input-2", true}, {"input3", "true"}, {"a-b-c", "true"}});
    QCOMPARE(DeviceState::instance()->inputPresent(), (QMap<int, bool>{{1, true}, {2, true}}));
    applyResolutions(QJsonObject{{"in1", "1920x1080"}, {"in2", "noinput"}, {"out3", "3840x2160"}});
    DeviceState *state = DeviceState::instance();
    QCOMPARE(state->inputPresent(1), true);
    QCOMPARE(state->inputPresent(2), false);
    QCOMPARE(state->inputResolutions(1), QStringLiteral("1920x1080"));
    QCOMPARE(state->outputResolutions(), (QMap<int, QString>{{3, "3840x2160"}}));
}

void tst_WindowRules::outputInfoNeedsFourParts()
{
    QSignalSpy updated(SigManager::instance(), &SigManager::Sig_UpdateOutputInfo);
    applyOutputInfo(QJsonObject{{"link1", "true/false/true/false"}, {"link2", "true/true/true"}});
    DeviceState *state = DeviceState::instance();
    QCOMPARE(state->outputLinked(), (QMap<int, bool>{{1, true}}));
    QCOMPARE(state->outputLocked(1), true);
    QCOMPARE(state->outputFrozen(1), false);
    QCOMPARE(updated.count(), 1);
}

void tst_WindowRules::portZeroIsCleaned()
{
    QSignalSpy updated(SigManager::instance(), &SigManager::Sig_UpdateVolumes);
    applyVolumes(QJsonObject{{"Volume0", 5}, {"Volume1", 40}, {"Mute0", 1}, {"Mute2", 1}});
    QCOMPARE(DeviceState::instance()->volume(), (QMap<int, int>{{1, 40}}));
    QCOMPARE(DeviceState::instance()->audioMuted(), (QMap<int, int>{{2, 1}}));
    QCOMPARE(updated.count(), 1);
    applyOutputInfo(QJsonObject{{"link0", "true/true/true/true"}});
    QVERIFY(DeviceState::instance()->outputLinked().isEmpty());
}

void tst_WindowRules::rotationReadsOneDigit()
{
    applyRotation(QJsonObject{{"Angle1", 2}, {"Angle12", 3}});
    QCOMPARE(DeviceState::instance()->rotation(), (QMap<int, int>{{1, 2}, {2, 3}}));
}

void tst_WindowRules::singleMember_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("deviceCode");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QString>("text");

    QTest::newRow("video") << R"({"video3_change":"5"})" << 1 << Kind::Video << 3 << 5 << false
                           << "";
    QTest::newRow("splitter") << R"({"video902_change":"4"})" << 1 << Kind::Splitter << 2 << 4
                              << false << "";
    QTest::newRow("audio") << R"({"audio102_change":"104"})" << 1 << Kind::Audio << 102 << 104
                           << false << "";
    QTest::newRow("multiview audio 1")
        << R"({"audio1_change":"3"})" << 2 << Kind::Audio << 101 << 103 << false << "";
    QTest::newRow("multiview audio off")
        << R"({"audio1_change":"7"})" << 2 << Kind::Audio << 101 << 0 << false << "";
    QTest::newRow("infrared") << R"({"IR7_change":"2"})" << 1 << Kind::Infrared << 7 << 2 << false
                              << "";
    QTest::newRow("link up") << R"({"link4_change":"true"})" << 1 << Kind::Link << 4 << 0 << true
                             << "";
    QTest::newRow("input") << R"({"input6_change":"true"})" << 1 << Kind::InputPresence << 6 << 0
                           << true << "";
    QTest::newRow("mode") << R"({"mode_change":"3"})" << 3 << Kind::SpliceMode << 0 << 3 << false
                          << "";
    QTest::newRow("unbind") << R"({"UnBind5_change":"5"})" << 3 << Kind::Unbind << 5 << 0 << false
                            << "";
    QTest::newRow("resolution") << R"({"cmd_change":"Port3/1920x1080x60Hz!"})" << 1
                                << Kind::OutputResolution << 3 << 0 << false << "1920x1080x60Hz";
    QTest::newRow("frozen") << R"({"cmd_change":"Frozen4/1"})" << 1 << Kind::Frozen << 4 << 0
                            << true << "";
    // The lock flag reads as this client's own lock command sends it: /1 locks.
    QTest::newRow("locked") << R"({"cmd_change":"Output_Lock2/1"})" << 1 << Kind::OutputLock << 2
                            << 0 << true << "";
    QTest::newRow("hdcp") << R"({"cmd_change":"Input_HDCP3/2"})" << 1 << Kind::InputHdcp << 3 << 2
                          << false << "";
    QTest::newRow("volume") << R"({"cmd_change":"Volume103/40"})" << 1 << Kind::Volume << 103 << 40
                            << false << "";
    QTest::newRow("multiview volume")
        << R"({"cmd_change":"Volume103/40"})" << 2 << Kind::Volume << 3 << 40 << false << "";
    QTest::newRow("multiview mute off")
        << R"({"cmd_change":"MuteOff102"})" << 2 << Kind::Mute << 2 << 0 << false << "";
    QTest::newRow("scaling") << R"({"cmd_change":"Scaler_Mode6/2"})" << 1 << Kind::ScalingMode << 6
                             << 2 << false << "";
    QTest::newRow("splitter layout: the number is no port")
        << R"({"cmd_change":"Splitter2"})" << 4 << Kind::SplitterLayout << 0 << 2 << false << "";
}

void tst_WindowRules::singleMember()
{
    QFETCH(QString, json);
    QFETCH(int, deviceCode);
    const QList<ChangeNotice::Change> changes =
        ChangeNotice::read(QJsonDocument::fromJson(json.toUtf8()).object(), deviceCode);
    QCOMPARE(changes.size(), 1);
    QTEST(changes.first().kind, "kind");
    QTEST(changes.first().port, "port");
    QTEST(changes.first().value, "value");
    QTEST(changes.first().flag, "flag");
    QTEST(changes.first().text, "text");
}

// Echoes the client has no view for and ports that are not numbers are dropped, and so
// are ports beyond any model: a device sending ever new ones grew the store without bound.
void tst_WindowRules::noticesDropped()
{
    for (const char *notice : {R"({"Chn_change":"2","Mode_change":"1","Color_change":"0,0,255"})",
                               R"({"cmd_change":"Analog_sel2/1"})",
                               R"({"cmd_change":"Out_Pattern2/3"})",
                               R"({"cmd_change":"VideoMuteOn4"})",
                               R"({"videoX_change":"3"})",
                               R"({"other":"thing"})",
                               R"({"cmd_change":"Volume123456/5"})",
                               R"({"IR1000_change":"2"})",
                               R"({"video2000000_change":"3"})"})
        QVERIFY2(ChangeNotice::read(json(notice), 1).isEmpty(), notice);
}

void tst_WindowRules::multiviewAudioStopsTheNotice()
{
    // Members are read in key order: "IR..." before "audio..." before "video...".
    const QJsonObject n = json(R"({"IR1_change":"2","audio2_change":"3","video1_change":"4"})");
    const QList<ChangeNotice::Change> multiview = ChangeNotice::read(n, 2);
    QCOMPARE(multiview.size(), 1);
    QCOMPARE(multiview.first().kind, Kind::Infrared);
    QCOMPARE(ChangeNotice::read(n, 1).size(), 3);
}

void tst_WindowRules::bindGroups_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<int>>("outputs");
    QTest::newRow("group") << "1/2/5/6" << QList<int>{1, 2, 5, 6};
    QTest::newRow("one output is no group") << "3" << QList<int>();
    QTest::newRow("junk parts dropped") << "2//x/3" << QList<int>{2, 3};
    QTest::newRow("too little left") << "2/x" << QList<int>();
    QTest::newRow("no such outputs") << "1/10/99999/-3" << QList<int>();
    QTest::newRow("repeats once") << "4/4/5" << QList<int>{4, 5};
}

void tst_WindowRules::bindGroups()
{
    QFETCH(QString, value);
    QFETCH(QList<int>, outputs);
    const QList<ChangeNotice::Change> changes =
        ChangeNotice::read(QJsonObject{{"Bind1_change", value}}, 3);
    QCOMPARE(changes.size(), outputs.isEmpty() ? 0 : 1);
    if (!outputs.isEmpty())
        QCOMPARE(changes.first().outputs, outputs);
}

void tst_WindowRules::noticeMovesBindGroup()
{
    VideoSplitManager bind;
    bind.setGroups({{1, {1, 2, 3}}});
    DeviceState *state = DeviceState::instance();
    state->setOutputFrozen(2, true);
    ChangeApplier applier(state);
    applier.setBindManager(&bind);
    applier.setHdmiAudioFollowsVideo([] { return true; });
    QSignalSpy cells(&applier, &ChangeApplier::cellChanged);
    QSignalSpy grids(&applier, &ChangeApplier::gridChanged);
    applier.apply(json(R"({"video2_change":"5"})"));
    for (int o : {1, 2, 3})
        QCOMPARE(state->videoRouting(o), 5);
    QVERIFY(state->outputFrozen(2)); // a notice keeps the flags
    QCOMPARE(state->audioRouting(102), 105);
    QCOMPARE(cells.size(), 3);
    QCOMPARE(grids.size(), 3); // video, then both audio grids that follow video
}

void tst_WindowRules::noticeSignals_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("notice");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addRow("0808-S wall mode")
        << 3 << QByteArray(R"({"mode_change":"2"})") << QByteArray(SIGNAL(wallModeChanged(int)))
        << QVariantList{2};
    QTest::addRow("scaling forwarded")
        << 1 << QByteArray(R"({"cmd_change":"Scaler_Mode4/2"})")
        << QByteArray(SIGNAL(forwarded(QString)))
        << QVariantList{QStringLiteral("{\"Chn\":4,\"Scaler_Mode\":2}")};
}

void tst_WindowRules::noticeSignals()
{
    QFETCH(int, code);
    QFETCH(QByteArray, notice);
    QFETCH(QByteArray, signal);
    DeviceState::instance()->setDeviceType(code);
    ChangeApplier applier(DeviceState::instance());
    QSignalSpy spy(&applier, signal.constData());
    applier.apply(QJsonDocument::fromJson(notice).object());
    QCOMPARE(spy.size(), 1);
    QTEST(spy.first(), "arguments");
}

void tst_WindowRules::wallModeResetsOutputs()
{
    DeviceState *state = DeviceState::instance();
    const QList<int> outputs = VideoSplitManager::presetOutputs(1);
    QVERIFY(outputs.size() > 1);
    state->setVideoRouting(outputs.first(), 6);
    state->setOutputVideoMuted(outputs.last(), true);
    SpliceModes::apply(1, *state, nullptr);
    QCOMPARE(state->spliceMode(), 1);
    QCOMPARE(SpliceModes::resetWallOutputs(1, *state), outputs);
    QCOMPARE(state->videoRouting(outputs.last()), 6);
    QVERIFY(!state->outputVideoMuted(outputs.last()));
}

void tst_WindowRules::titleText_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("expected");
    QTest::addRow("connected") << 2 << "admin"
                               << "ZELVantor  User:admin  Ip:10.0.0.5  Port:5000 connected";
    QTest::addRow("user holding placeholders stays as typed")
        << 0 << "%1%2"
        << "ZELVantor  User:%1%2  Ip:10.0.0.5  Port:5000 disconnected";
}

void tst_WindowRules::titleText()
{
    QFETCH(int, state);
    QFETCH(QString, user);
    QTEST(WindowRules::titleText(state, QStringLiteral("10.0.0.5"), 5000, user), "expected");
}

void tst_WindowRules::gridRoutes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("outputs");
    QTest::addRow("video leaves out splitter sources") << 0 << QList<int>{1};
    QTest::addRow("audio up to 100") << 1 << QList<int>{2, 100};
    QTest::addRow("0808-S grid: analogue and HDMI audio") << 5 << QList<int>{2, 100, 103};
    QTest::addRow("HDMI audio from 100") << 4 << QList<int>{100, 103};
    QTest::addRow("infrared") << 3 << QList<int>{4};
    QTest::addRow("unknown kind") << 2 << QList<int>{};
}

void tst_WindowRules::gridRoutes()
{
    QFETCH(int, kind);
    DeviceState *state = DeviceState::instance();
    state->setVideoRouting({{1, 3}, {2, 901}});
    state->setIrRouting({{4, 2}, {5, 100}});
    state->setAudioRouting({{2, 5}, {100, 1}, {103, 104}});
    QTEST(WindowRules::gridRoutes(GridLayout::RefreshKind(kind), *state).keys(), "outputs");
}

// A grid refreshed under the other numbering's number shows another grid's routes.
void tst_WindowRules::refreshKindShowsOwnGrid_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("outputs");
    QTest::addRow("video") << int(GridLayout::Kind::Video) << QList<int>{1};
    QTest::addRow("audio") << int(GridLayout::Kind::Audio) << QList<int>{2, 100};
    QTest::addRow("HDMI audio") << int(GridLayout::Kind::HdmiAudio) << QList<int>{100, 103};
    QTest::addRow("infrared") << int(GridLayout::Kind::Infrared) << QList<int>{4};
    QTest::addRow("0808-S audio") << int(GridLayout::Kind::Audio0808S) << QList<int>{2, 100, 103};
}

void tst_WindowRules::refreshKindShowsOwnGrid()
{
    QFETCH(int, kind);
    DeviceState *state = DeviceState::instance();
    state->setVideoRouting({{1, 3}, {2, 901}});
    state->setIrRouting({{4, 2}, {5, 100}});
    state->setAudioRouting({{2, 5}, {100, 1}, {103, 104}});
    const GridLayout::RefreshKind refresh = GridLayout::refreshKindOf(GridLayout::Kind(kind));
    QTEST(WindowRules::gridRoutes(refresh, *state).keys(), "outputs");
}

// c: connecting, f: failed, s: connected
void tst_WindowRules::indicator_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("word");
    QTest::addRow("first attempt, reported twice") << "cc"
                                                   << "Connecting";
    QTest::addRow("connected") << "ccs"
                               << "Connected";
    QTest::addRow("two retries") << "ccfccfcc"
                                 << "Connecting, retry 2";
    QTest::addRow("lost after connecting") << "csf"
                                           << "Disconnected";
    QTest::addRow("retrying after a loss") << "csfcc"
                                           << "Connecting, retry 1";
    QTest::addRow("back: count starts over") << "cfcsfc"
                                             << "Connecting, retry 1";
}

void tst_WindowRules::indicator()
{
    QFETCH(QString, events);
    LinkIndicator indicator;
    for (const QChar e : events) {
        if (e == 'c')
            indicator.linkConnecting();
        else if (e == 'f')
            indicator.linkFailed();
        else
            indicator.linkConnected();
    }
    QTEST(indicator.word(), "word");
    QCOMPARE(indicator.offlineReason().isEmpty(), indicator.word() == "Connected");
}

void tst_WindowRules::staleAfterSilence()
{
    StaleTracker tracker(nullptr, 100);
    QSignalSpy stale(&tracker, &StaleTracker::staleChanged);
    tracker.commandSent("{param=3VIDEO5}"); // not a query: nothing to wait for
    tracker.commandSent("{param=status}");
    tracker.recordReceived("status");
    tracker.commandSent("{param=netInfo}");
    QVERIFY(stale.wait(TestTimeouts::Short));
    QCOMPARE(stale.last().first().toBool(), true);
    tracker.recordReceived("bindinfo"); // any record: the picture is current again
    QCOMPARE(stale.last().first().toBool(), false);
    QCOMPARE(StaleTracker::queryOf("{param=Get_OSD3}"), QStringLiteral("Get_Subtitle"));

    // Asking again what is still unanswered keeps the first wait: a device that never
    // answers a query the client keeps repeating is still marked stale.
    StaleTracker repeated(nullptr, 300);
    QSignalSpy marked(&repeated, &StaleTracker::staleChanged);
    QTimer again;
    connect(&again, &QTimer::timeout, &repeated, [&repeated] {
        repeated.commandSent("{param=netInfo}");
    });
    repeated.commandSent("{param=netInfo}");
    again.start(100);
    QVERIFY(marked.wait(TestTimeouts::Short));
    QCOMPARE(marked.first().first().toBool(), true);
}

void tst_WindowRules::activityNewestFirstAndBounded()
{
    ActivityLog log;
    log.addSent("{param=status}");
    log.addReceived("{\"video1\":1}");
    QVERIFY(log.data(log.index(0)).toString().endsWith("received  {\"video1\":1}"));
    QVERIFY(log.copyText().split('\n').at(1).endsWith("sent  {param=status}"));
    for (int i = 0; i < ActivityLog::MaxEntries + 10; ++i)
        log.addSent(QStringLiteral("{param=%1VIDEO1}").arg(i));
    QCOMPARE(log.rowCount(), ActivityLog::MaxEntries);
    QVERIFY(log.copyText({0}).endsWith(
        QStringLiteral("{param=%1VIDEO1}").arg(ActivityLog::MaxEntries + 9)));
    log.addReceived(QString(5000, 'x'));
    QVERIFY(log.data(log.index(0)).toString().size() < 600);
}

// The tap hears what the link really writes, also with debug turned off as the test
// environment does (QT_LOGGING_RULES=*.debug=false).
void tst_WindowRules::tapHearsTheLink()
{
    CommandTap::install();
    QSignalSpy sent(CommandTap::instance(), &CommandTap::commandSent);
    MessageDistance::instance()->sendSwitch(3, 0, 5);
    QVERIFY(!sent.isEmpty());
    QCOMPARE(sent.last().first().toString(), QStringLiteral("{param=3VIDEO5}"));
    qDebug() << "send: finished"; // not a command
    QCOMPARE(sent.size(), 1);
}

// A take that changed nothing is not kept (what undo sends is the window test's).
void tst_WindowRules::undoKeepsRealChanges()
{
    TakeUndo undo;
    undo.recordRoute(0, {{5, 3, 3}, {6, 0, 2}}); // unchanged, and nothing before
    QVERIFY(!undo.canUndo());
}

void tst_WindowRules::undoRestoresNewestFirst_data()
{
    QTest::addColumn<int>("takes");
    QTest::addColumn<int>("undone");
    QTest::addColumn<int>("firstRestored");
    QTest::addColumn<int>("lastRestored");
    const int full = TakeUndo::MaxTakes;
    QTest::addRow("one take") << 1 << 1 << 1 << 1;
    QTest::addRow("full history: every take") << full << full << full << 1;
    QTest::addRow("one past full: the oldest is dropped") << full + 1 << full << full + 1 << 2;
}

// Take n switches output 1 from source n to n + 1; Ctrl+Z is pressed until nothing is
// left. Each undo sends the source the newest remaining take replaced.
void tst_WindowRules::undoRestoresNewestFirst()
{
    QFETCH(int, takes);
    QList<int> restored;
    QStringList messages;
    TakeHistory::Hooks hooks;
    hooks.retake = [&restored](int, int, int, int source) {
        restored << source;
        return true;
    };
    hooks.applyPreset = [](int) {
        return true;
    };
    hooks.refuseWhileOffline = [] {
        return false;
    };
    hooks.message = [&messages](const QString &text) {
        messages << text;
    };
    hooks.note = [](const QString &) {
    };
    hooks.inputName = hooks.audioName = [](int) {
        return QString();
    };
    TakeHistory history(hooks, nullptr);
    for (int n = 1; n <= takes; ++n)
        history.recordSwitch(0, 0, 1, n, n + 1);
    while (history.undo()) {
    }
    QTEST(int(restored.size()), "undone");
    QTEST(restored.first(), "firstRestored");
    QTEST(restored.last(), "lastRestored");
    QCOMPARE(messages, QStringList{"Nothing to undo."});
}

// The values that once went out and cut a device off.
void tst_WindowRules::networkFieldsRefuseHalfTypedValues()
{
    QList<int> bad;
    for (NetworkForm::Field f : NetworkForm::badFields({"99.30.1.1", "", "255.255", "11:22"}))
        bad << int(f);
    QCOMPARE(bad, (QList<int>{1, 2, 3}));
}

void tst_WindowRules::networkConfirmationNamesOldAndNew()
{
    const NetworkForm::Values before{
        "192.168.1.188", "192.168.1.1", "255.255.255.0", "00:1A:2B:3C:4D:5E"};
    NetworkForm::Values after = before;
    after.ip = "10.0.0.5";
    const QString text = NetworkForm::confirmation(before, after);
    QVERIFY2(text.contains("IP address: 192.168.1.188 → 10.0.0.5"), qPrintable(text));
    QVERIFY2(text.contains("Gateway: 192.168.1.1 (unchanged)"), qPrintable(text));
}

void tst_WindowRules::signalSearch_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("shown");
    QTest::addRow("number") << " [3] Camera"
                            << "3" << true;
    QTest::addRow("number is the port, not a digit in another") << " [13] Input 13"
                                                                << "3" << false;
    QTest::addRow("name, any case") << " [3] Camera"
                                    << "cam" << true;
    QTest::addRow("a number is never a name") << " [1] Studio 3"
                                              << "3" << false;
    QTest::addRow("empty") << " [3] Camera"
                           << " " << true;
}

void tst_WindowRules::signalSearch()
{
    QFETCH(QString, item);
    QFETCH(QString, query);
    QTEST(SignalSearch::matches(item, query), "shown");
}

QTEST_MAIN(tst_WindowRules)
#include "tst_windowrules.moc"
