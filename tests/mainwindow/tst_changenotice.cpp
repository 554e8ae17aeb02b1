#include "changenotice.h"

#include <QJsonDocument>
#include <QtTest>

using ChangeNotice::Kind;

Q_DECLARE_METATYPE(Kind)

class tst_ChangeNotice : public QObject
{
    Q_OBJECT

private slots:
    void singleMember_data();
    void singleMember();
    void noSignalNoticeChangesNothing();
    void multiviewAudioStopsTheNotice();
    void bindGroups_data();
    void bindGroups();
    void portsBeyondAnyModelDropped();
};

namespace {

QJsonObject notice(const char *json)
{
    return QJsonDocument::fromJson(json).object();
}

} // namespace

void tst_ChangeNotice::singleMember_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("deviceCode");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QString>("text");

    QTest::newRow("video") << R"({"video3_change":"5"})" << 1 << Kind::Video << 3 << 5 << false << "";
    QTest::newRow("video, any suffix") << R"({"video12_x":"2"})" << 1 << Kind::Video << 12 << 2 << false << "";
    QTest::newRow("splitter") << R"({"video902_change":"4"})" << 1 << Kind::Splitter << 2 << 4 << false << "";
    QTest::newRow("audio") << R"({"audio102_change":"104"})" << 1 << Kind::Audio << 102 << 104 << false << "";
    QTest::newRow("multiview audio 1") << R"({"audio1_change":"3"})" << 2 << Kind::Audio << 101 << 103 << false << "";
    QTest::newRow("multiview audio off") << R"({"audio1_change":"7"})" << 2 << Kind::Audio << 101 << 0 << false << "";
    QTest::newRow("infrared") << R"({"IR7_change":"2"})" << 1 << Kind::Infrared << 7 << 2 << false << "";
    QTest::newRow("link up") << R"({"link4_change":"true"})" << 1 << Kind::Link << 4 << 0 << true << "";
    QTest::newRow("input") << R"({"input6_change":"true"})" << 1 << Kind::InputPresence << 6 << 0 << true << "";
    QTest::newRow("mode") << R"({"mode_change":"3"})" << 3 << Kind::SpliceMode << 0 << 3 << false << "";
    QTest::newRow("unbind") << R"({"UnBind5_change":"5"})" << 3 << Kind::Unbind << 5 << 0 << false << "";
    QTest::newRow("resolution") << R"({"cmd_change":"Port3/1920x1080x60Hz!"})" << 1
                                << Kind::OutputResolution << 3 << 0 << false << "1920x1080x60Hz";
    QTest::newRow("frozen") << R"({"cmd_change":"Frozen4/1"})" << 1 << Kind::Frozen << 4 << 0 << true << "";
    // The lock flag reads as this client's own lock command sends it: /1 locks.
    QTest::newRow("locked") << R"({"cmd_change":"Output_Lock2/1"})" << 1 << Kind::OutputLock << 2 << 0 << true << "";
    QTest::newRow("hdcp") << R"({"cmd_change":"Input_HDCP3/2"})" << 1 << Kind::InputHdcp << 3 << 2 << false << "";
    QTest::newRow("volume") << R"({"cmd_change":"Volume103/40"})" << 1 << Kind::Volume << 103 << 40 << false << "";
    QTest::newRow("multiview volume") << R"({"cmd_change":"Volume103/40"})" << 2 << Kind::Volume << 3 << 40 << false << "";
    QTest::newRow("mute on") << R"({"cmd_change":"MuteOn5"})" << 1 << Kind::Mute << 5 << 0 << true << "";
    QTest::newRow("multiview mute off") << R"({"cmd_change":"MuteOff102"})" << 2 << Kind::Mute << 2 << 0 << false << "";
    QTest::newRow("scaling") << R"({"cmd_change":"Scaler_Mode6/2"})" << 1 << Kind::ScalingMode << 6 << 2 << false << "";
}

void tst_ChangeNotice::singleMember()
{
    QFETCH(QString, json);
    QFETCH(int, deviceCode);
    QFETCH(Kind, kind);
    QFETCH(int, port);
    QFETCH(int, value);
    QFETCH(bool, flag);
    QFETCH(QString, text);
    const QList<ChangeNotice::Change> changes =
            ChangeNotice::read(QJsonDocument::fromJson(json.toUtf8()).object(), deviceCode);
    QCOMPARE(changes.size(), 1);
    const ChangeNotice::Change &c = changes.first();
    QCOMPARE(c.kind, kind);
    QCOMPARE(c.port, port);
    QCOMPARE(c.value, value);
    QCOMPARE(c.flag, flag);
    QCOMPARE(c.text, text);
}

void tst_ChangeNotice::noSignalNoticeChangesNothing()
{
    QVERIFY(ChangeNotice::read(notice(R"({"Chn_change":"2","Mode_change":"1","Color_change":"0,0,255"})"), 1)
                    .isEmpty());
    // Echoes the client has no view for, and ports that are not numbers, are dropped.
    for (const char *json : {R"({"cmd_change":"Analog_sel2/1"})", R"({"cmd_change":"Out_Pattern2/3"})",
                             R"({"cmd_change":"VideoMuteOn4"})", R"({"videoX_change":"3"})",
                             R"({"other":"thing"})"})
        QVERIFY2(ChangeNotice::read(notice(json), 1).isEmpty(), json);
}

void tst_ChangeNotice::multiviewAudioStopsTheNotice()
{
    // Members are read in key order: "IR..." before "audio..." before "video...".
    const QJsonObject n = notice(R"({"IR1_change":"2","audio2_change":"3","video1_change":"4"})");
    const QList<ChangeNotice::Change> multiview = ChangeNotice::read(n, 2);
    QCOMPARE(multiview.size(), 1);
    QCOMPARE(multiview.first().kind, Kind::Infrared);
    QCOMPARE(ChangeNotice::read(n, 1).size(), 3);
}

void tst_ChangeNotice::bindGroups_data()
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

void tst_ChangeNotice::bindGroups()
{
    QFETCH(QString, value);
    QFETCH(QList<int>, outputs);
    QJsonObject n;
    n.insert(QStringLiteral("Bind1_change"), value);
    const QList<ChangeNotice::Change> changes = ChangeNotice::read(n, 3);
    if (outputs.isEmpty()) {
        QVERIFY(changes.isEmpty());
        return;
    }
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().kind, Kind::Bind);
    QCOMPARE(changes.first().outputs, outputs);
}

// A device sending ever new port numbers must not grow the store without bound.
void tst_ChangeNotice::portsBeyondAnyModelDropped()
{
    for (const char *json : {R"({"cmd_change":"Volume123456/5"})", R"({"IR1000_change":"2"})",
                             R"({"video2000000_change":"3"})"})
        QVERIFY2(ChangeNotice::read(notice(json), 1).isEmpty(), json);
    QCOMPARE(ChangeNotice::read(notice(R"({"cmd_change":"Volume109/5"})"), 1).size(), 1);
}

QTEST_GUILESS_MAIN(tst_ChangeNotice)
#include "tst_changenotice.moc"
