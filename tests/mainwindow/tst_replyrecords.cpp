#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "replyrecords.h"
#include "sigmanager.h"
#include "tempdatadir.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

using namespace ReplyRecords;

class TestReplyRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void version_data();
    void version();
    void routingKeepsTheWallWindowsApart();
    void windowStatus_data();
    void windowStatus();
    void inputPresenceNeedsADash();
    void resolutionsTestInFirst();
    void outputInfoNeedsFourParts();
    void portZeroIsCleaned();
    void rotationReadsOneDigit();

private:
    TempDataDir *m_dir = nullptr;
};

void TestReplyRecords::initTestCase()
{
    m_dir = new TempDataDir;
    DataDir::set(m_dir->path());
}

void TestReplyRecords::cleanupTestCase()
{
    DataDir::set(QString());
    delete m_dir;
}

void TestReplyRecords::version_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("storedType");
    QTest::addColumn<int>("settingsType");
    QTest::addRow("0809") << "0809" << 1 << 1 << 1;
    QTest::addRow("unknown keeps the type, writes 1") << "9999" << -1 << 3 << 1;
}

void TestReplyRecords::version()
{
    QFETCH(QString, device);
    QFETCH(int, code);
    QFETCH(int, storedType);
    QFETCH(int, settingsType);
    DeviceState::instance()->setDeviceType(3); // what an unknown model keeps
    const Version v = applyVersion(QJsonObject{{"device", device}, {"type", "ZEL-X"}, {"MCU", "1.2"},
                                               {"FPGA", "3.4"}, {"audio", true}, {"bezel_x", "1/2/3/4"},
                                               {"bezel_y", "1/2/3"}});
    QCOMPARE(v.code, code);
    QVERIFY(v.hdmiAudioFollowsVideo);
    DeviceState *state = DeviceState::instance();
    QCOMPARE(state->deviceType(), storedType);
    QCOMPARE(AppSettings::instance()->type(), settingsType);
    QCOMPARE(state->mcuVersion(), QStringLiteral("MCU : 1.2"));
    QCOMPARE(state->fpgaVersion(), QStringLiteral("FPGA: 3.4"));
    QCOMPARE(state->deviceModel(), QStringLiteral("ZEL-X"));
    const BezelValues bezel = state->bezel();
    QCOMPARE(bezel.x, (std::array<uint, 4>{{1, 2, 3, 4}}));
    QCOMPARE(bezel.y, (std::array<uint, 4>{{0, 0, 0, 0}})); // three parts read as zeros
}

void TestReplyRecords::routingKeepsTheWallWindowsApart()
{
    DeviceState::instance()->setVideoRouting(QMap<int, int>());
    const Routing r = applyRouting(QJsonObject{{"video900", "1/2/3/4"}, {"video2", 5}, {"audio3", "6"},
                                               {"IR1", 7}, {"splice_mode", 9}});
    QCOMPARE(r.wallWindows, (QMap<int, int>{{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    QCOMPARE(DeviceState::instance()->videoRouting(), (QMap<int, int>{{2, 5}}));
    QCOMPARE(DeviceState::instance()->audioRouting(), (QMap<int, int>{{3, 6}}));
    QCOMPARE(DeviceState::instance()->irRouting(), (QMap<int, int>{{1, 7}}));
    QCOMPARE(r.spliceMode, 0); // 9 is no splice mode
}

void TestReplyRecords::windowStatus_data()
{
    QTest::addColumn<QJsonValue>("audio");
    QTest::addColumn<int>("route");
    QTest::addRow("input 3") << QJsonValue(QJsonArray{3}) << 103;
    QTest::addRow("no input") << QJsonValue(QJsonArray{0}) << 0;
    QTest::addRow("beyond the four inputs") << QJsonValue(QJsonArray{5}) << 0;
    QTest::addRow("empty list") << QJsonValue(QJsonArray{}) << 0;
    QTest::addRow("a bare number") << QJsonValue(2) << 102;
}

// "AUDIO" feeds HDMI audio output 101.
void TestReplyRecords::windowStatus()
{
    QFETCH(QJsonValue, audio);
    QFETCH(int, route);
    DeviceState::instance()->setAudioRouting(101, 999);
    applyWindowAudio(QJsonObject{{"window1", QJsonArray{1, 0, 0, 0, 960, 540}}, {"VIR", QJsonArray{1}},
                                 {"AUDIO", audio}});
    QCOMPARE(DeviceState::instance()->audioRouting(101), route);
}

void TestReplyRecords::inputPresenceNeedsADash()
{
    applyInputPresence(QJsonObject{{"input-1", "true"}, {"input-2", true}, {"input3", "true"}, {"a-b-c", "true"}});
    QCOMPARE(DeviceState::instance()->inputPresent(), (QMap<int, bool>{{1, true}, {2, true}}));
}

void TestReplyRecords::resolutionsTestInFirst()
{
    applyResolutions(QJsonObject{{"in1", "1920x1080"}, {"in2", "noinput"}, {"out3", "3840x2160"}});
    DeviceState *state = DeviceState::instance();
    QCOMPARE(state->inputPresent(1), true);
    QCOMPARE(state->inputPresent(2), false);
    QCOMPARE(state->inputPresent().size(), 8);
    QCOMPARE(state->inputResolutions(1), QStringLiteral("1920x1080"));
    QCOMPARE(state->outputResolutions(), (QMap<int, QString>{{3, "3840x2160"}}));
}

void TestReplyRecords::outputInfoNeedsFourParts()
{
    QSignalSpy updated(SigManager::instance(), &SigManager::Sig_UpdateOutputInfo);
    applyOutputInfo(QJsonObject{{"link1", "true/false/true/false"}, {"link2", "true/true/true"}});
    DeviceState *state = DeviceState::instance();
    QCOMPARE(state->outputLinked(), (QMap<int, bool>{{1, true}}));
    QCOMPARE(state->outputLocked(1), true);
    QCOMPARE(state->outputFrozen(1), false);
    QCOMPARE(updated.count(), 1);
}

void TestReplyRecords::portZeroIsCleaned()
{
    QSignalSpy updated(SigManager::instance(), &SigManager::Sig_UpdateVolumes);
    applyVolumes(QJsonObject{{"Volume0", 5}, {"Volume1", 40}, {"Mute0", 1}, {"Mute2", 1}});
    QCOMPARE(DeviceState::instance()->volume(), (QMap<int, int>{{1, 40}}));
    QCOMPARE(DeviceState::instance()->audioMuted(), (QMap<int, int>{{2, 1}}));
    QCOMPARE(updated.count(), 1);
    applyOutputInfo(QJsonObject{{"link0", "true/true/true/true"}});
    QVERIFY(DeviceState::instance()->outputLinked().isEmpty());
}

void TestReplyRecords::rotationReadsOneDigit()
{
    applyRotation(QJsonObject{{"Angle1", 2}, {"Angle12", 3}});
    QCOMPARE(DeviceState::instance()->rotation(), (QMap<int, int>{{1, 2}, {2, 3}}));
}

QTEST_GUILESS_MAIN(TestReplyRecords)
#include "tst_replyrecords.moc"
