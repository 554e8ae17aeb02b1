#include "changeapplier.h"
#include "devicestate.h"
#include "splicemodes.h"
#include "videosplitmanager.h"
#include "windowrules.h"

#include <QJsonDocument>
#include <QtTest>

// The main window's rules that need no window: title, names, grid filters, notices.
class tst_WindowRules : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void titleText_data();
    void titleText();
    void outputNames_data();
    void outputNames();
    void gridRoutes_data();
    void gridRoutes();
    void noticeMovesBindGroup();
    void noticeSignals_data();
    void noticeSignals();
    void wallModeResetsOutputs();

private:
    static QJsonObject json(const char *text) { return QJsonDocument::fromJson(text).object(); }
};

void tst_WindowRules::init()
{
    DeviceState *state = DeviceState::instance();
    state->setDeviceType(1);
    state->setVideoRouting(QMap<int, int>());
    state->setAudioRouting(QMap<int, int>());
    state->setIrRouting(QMap<int, int>());
}

void tst_WindowRules::titleText_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("expected");
    QTest::addRow("connected") << 2 << "admin" << "ZELVantor  User:admin  Ip:10.0.0.5  Port:5000 connected";
    QTest::addRow("user holding placeholders stays as typed")
        << 0 << "%1%2" << "ZELVantor  User:%1%2  Ip:10.0.0.5  Port:5000 disconnected";
}

void tst_WindowRules::titleText()
{
    QFETCH(int, state);
    QFETCH(QString, user);
    QFETCH(QString, expected);
    QCOMPARE(WindowRules::titleText(state, QStringLiteral("10.0.0.5"), 5000, user), expected);
}

void tst_WindowRules::outputNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("outputs");
    QTest::addRow("0808-S has 8") << 3 << 8;
}

void tst_WindowRules::outputNames()
{
    QFETCH(int, code);
    QFETCH(int, outputs);
    const WindowRules::OutputNames names = WindowRules::outputNames(
        code, {{2, QStringLiteral("Stage")}}, {{3, QStringLiteral("IR 3")}}, {});
    QCOMPARE(names.video.size(), outputs);
    QCOMPARE(names.video.value(1), QStringLiteral("Output 1"));
    QCOMPARE(names.video.value(2), QStringLiteral("Stage"));
    QCOMPARE(names.infrared.value(2), QStringLiteral("Output 2"));
    QCOMPARE(names.infrared.value(3), QStringLiteral("IR 3"));
    QCOMPARE(names.audio.value(outputs), QStringLiteral("Audio %1").arg(outputs));
    QCOMPARE(names.hdmiAudio.value(102), QStringLiteral("Stage"));
    QVERIFY(!names.video.contains(outputs + 1));
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
    QFETCH(QList<int>, outputs);
    DeviceState *state = DeviceState::instance();
    state->setVideoRouting({{1, 3}, {2, 901}});
    state->setIrRouting({{4, 2}, {5, 100}});
    state->setAudioRouting({{2, 5}, {100, 1}, {103, 104}});
    QCOMPARE(WindowRules::gridRoutes(kind, *state).keys(), outputs);
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
    const QByteArray grid = SIGNAL(gridChanged(int));
    QTest::addRow("infrared grid") << 1 << QByteArray(R"({"IR4_change":"2"})") << grid
                                   << QVariantList{3};
    QTest::addRow("0808-S wall mode") << 3 << QByteArray(R"({"mode_change":"2"})")
                                      << QByteArray(SIGNAL(wallModeChanged(int))) << QVariantList{2};
    QTest::addRow("scaling forwarded")
        << 1 << QByteArray(R"({"cmd_change":"Scaler_Mode4/2"})") << QByteArray(SIGNAL(forwarded(QString)))
        << QVariantList{QStringLiteral("{\"Chn\":4,\"Scaler_Mode\":2}")};
}

void tst_WindowRules::noticeSignals()
{
    QFETCH(int, code);
    QFETCH(QByteArray, notice);
    QFETCH(QByteArray, signal);
    QFETCH(QVariantList, arguments);
    DeviceState::instance()->setDeviceType(code);
    ChangeApplier applier(DeviceState::instance());
    QSignalSpy spy(&applier, signal.constData());
    applier.apply(QJsonDocument::fromJson(notice).object());
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first(), arguments);
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

QTEST_MAIN(tst_WindowRules)
#include "tst_windowrules.moc"

