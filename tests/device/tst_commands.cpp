#include "commands.h"

#include <QtTest>

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void templates_data();
    void templates();
    void switchPort_data();
    void switchPort();
    void bind_data();
    void bind();
};

void TestCommands::templates_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    using namespace Commands;
    QTest::addRow("version") << version() << "{param=version}";
    QTest::addRow("resolution") << resolution() << "{param=resolution}";
    QTest::addRow("status") << status() << "{param=status}";
    QTest::addRow("inputinfo") << inputInfo() << "{param=inputinfo}";
    QTest::addRow("netInfo") << netInfo() << "{param=netInfo}";
    QTest::addRow("network") << setNetwork("192.168.1.9", "192.168.1.1", "255.255.255.0", "00:11:22:33:44:55")
                             << "{param=&ip,ip=192.168.1.9,gateway=192.168.1.1,subnet=255.255.255.0,mac=00:11:22:33:44:55}";
    // One multi-argument replacement: a "%2" inside a value stays literal.
    QTest::addRow("network percent kept") << setNetwork("%2", "g", "s", "m") << "{param=&ip,ip=%2,gateway=g,subnet=s,mac=m}";
    QTest::addRow("mode") << mode(3) << "{param=mode3}";
    QTest::addRow("mode negative") << mode(-2) << "{param=mode-2}";
    QTest::addRow("Default") << factoryDefault() << "{param=Default}";
    QTest::addRow("In_Pattern") << inPattern(2, 7) << "{param=In_Pattern2/7}";
    QTest::addRow("Out_Pattern") << outPattern(9, 0) << "{param=Out_Pattern9/0}";
    QTest::addRow("BellOn") << bell(true) << "{param=BellOn}";
    QTest::addRow("BellOff") << bell(false) << "{param=BellOff}";
    QTest::addRow("Save") << save(10) << "{param=Save10}";
    QTest::addRow("Recall") << recall(1) << "{param=Recall1}";
    QTest::addRow("Clear") << clear(4) << "{param=Clear4}";
    QTest::addRow("Volume") << volume(3, 88) << "{param=Volume3/88}";
    QTest::addRow("Mute") << mute(2) << "{param=Mute2}";
    QTest::addRow("Upload_Subtitle") << uploadSubtitle(1) << "{param=Upload_Subtitle1}";
    QTest::addRow("Upload_OSD") << uploadOsd(5) << "{param=Upload_OSD5}";
    QTest::addRow("Set_OSD") << setOsd(5) << "{param=Set_OSD5}";
    QTest::addRow("Set_subtitle") << setSubtitle() << "{param=Set_subtitle}";
    QTest::addRow("Open") << captionOpen(true) << "{param=Open}";
    QTest::addRow("Close") << captionOpen(false) << "{param=Close}";
    QTest::addRow("Speed") << speed(12) << "{param=Speed12}";
    QTest::addRow("Left") << direction(0) << "{param=Left}";
    QTest::addRow("Right") << direction(1) << "{param=Right}";
    QTest::addRow("direction other") << direction(2) << "";
    QTest::addRow("POS") << position(-5, 40) << "{param=POS-5/40}";
    QTest::addRow("Font_Color") << fontColor(255, 0, 16) << "{param=Font_Color255/0/16}";
    QTest::addRow("Bg_Color") << bgColor(1, 2, 3) << "{param=Bg_Color1/2/3}";
    QTest::addRow("Bg_Open") << bgOpen(true) << "{param=Bg_Open}";
    QTest::addRow("Bg_Close") << bgOpen(false) << "{param=Bg_Close}";
    QTest::addRow("EraseOSD") << eraseOsd() << "{param=EraseOSD}";
    QTest::addRow("EraseSubtitle") << eraseSubtitle() << "{param=EraseSubtitle}";
    QTest::addRow("Copy_EDID") << copyEdid(3, 6) << "{param=Copy_EDID3/6}";
    QTest::addRow("EDID_Sel") << edidSel(2, 11) << "{param=EDID_Sel2/11}";
    QTest::addRow("Update_EDID") << updateEdid(2) << "{param=Update_EDID2}";
    QTest::addRow("Get_OSD") << getOsd(4) << "{param=Get_OSD4}";
    QTest::addRow("Get_Subtitle") << getSubtitle() << "{param=Get_Subtitle}";
    QTest::addRow("Get_Volume") << getVolume() << "{param=Get_Volume}";
    QTest::addRow("Port text as is") << portResolution(3, "1920x1080x60Hz") << "{param=Port3/1920x1080x60Hz!}";
    QTest::addRow("Analog_sel") << analogSel(1, 0) << "{param=Analog_sel1/0}";
    QTest::addRow("DHCP_On") << dhcp(true) << "{param=DHCP_On}";
    QTest::addRow("DHCP_Off") << dhcp(false) << "{param=DHCP_Off}";
    QTest::addRow("No_Signal") << noSignal(1, 2, 3, 4, 5) << "{param=No_Signal1/2/3/4/5}";
    QTest::addRow("Scaler_Mode") << scalerMode(7, 2) << "{param=Scaler_Mode7/2}";
    QTest::addRow("Get_Noinput") << getNoinput(3) << "{param=Get_Noinput3}";
    QTest::addRow("Get_Scaler") << getScaler(3) << "{param=Get_Scaler3}";
    QTest::addRow("outputinfo") << outputInfo() << "{param=outputinfo}";
    QTest::addRow("Frozen on") << frozen(4, true) << "{param=Frozen4/1}";
    QTest::addRow("Frozen off") << frozen(4, false) << "{param=Frozen4/0}";
    QTest::addRow("Output_Lock on") << outputLock(2, true) << "{param=Output_Lock2/1}";
    QTest::addRow("Output_Lock off") << outputLock(2, false) << "{param=Output_Lock2/0}";
    QTest::addRow("VideoMuteOn") << videoMute(6, true) << "{param=VideoMuteOn6}";
    QTest::addRow("VideoMuteOff") << videoMute(6, false) << "{param=VideoMuteOff6}";
    QTest::addRow("hdcpinfo") << hdcpInfo() << "{param=hdcpinfo}";
    QTest::addRow("Input_HDCP") << inputHdcp(1, 2) << "{param=Input_HDCP1/2}";
    QTest::addRow("MuteOn") << audioMute(3, true) << "{param=MuteOn3}";
    QTest::addRow("MuteOff") << audioMute(3, false) << "{param=MuteOff3}";
    QTest::addRow("VIR") << vir(2) << "{param=VIR2}";
    QTest::addRow("WindowOpen") << windowOpen(1, 2, 3, 4, 5, 6, 7) << "{param=WindowOpen1/2/3/4/5/6/7}";
    QTest::addRow("WindowClose") << windowClose(2) << "{param=WindowClose2}";
    QTest::addRow("WindowCloseAll") << windowCloseAll() << "{param=WindowCloseAll}";
    QTest::addRow("WindowMove") << windowMove(1, -20, 30) << "{param=WindowMove1/-20/30}";
    QTest::addRow("WindowResize") << windowResize(1, 0, 0, 1920, 1080) << "{param=WindowResize1/0/0/1920/1080}";
    QTest::addRow("WindowLayer") << windowLayer(2, 1) << "{param=WindowLayer2/1}";
    QTest::addRow("Rotate") << rotate(3, 2) << "{param=Rotate3/2}";
    QTest::addRow("Get_Rotate") << getRotate() << "{param=Get_Rotate}";
    QTest::addRow("FollowVideo") << followVideo(true) << "{param=FollowVideo}";
    QTest::addRow("AloneVideo") << followVideo(false) << "{param=AloneVideo}";
    QTest::addRow("bindinfo") << bindInfo() << "{param=bindinfo}";
    QTest::addRow("UnBind") << unBind(4) << "{param=UnBind4}";
    QTest::addRow("Bezel_x unsigned") << bezelX(0, 10, 4000000000u, 7) << "{param=Bezel_x0/10/4000000000/7}";
    QTest::addRow("Bezel_y") << bezelY(1, 2, 3, 4) << "{param=Bezel_y1/2/3/4}";
    QTest::addRow("Splitter") << splitter(6) << "{param=Splitter6}";
    QTest::addRow("Done") << done() << "{param=Done}";
}

void TestCommands::templates()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void TestCommands::switchPort_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QString>("expected");
    QTest::addRow("video") << 3 << 0 << 5 << 1 << "{param=3VIDEO5}";
    QTest::addRow("audio") << 3 << 1 << 5 << 1 << "{param=3AUDIO5}";
    QTest::addRow("ir") << 8 << 2 << 1 << 0 << "{param=8IR1}";
    QTest::addRow("unknown type word empty") << 3 << 7 << 5 << 1 << "{param=35}";
    QTest::addRow("0409-S strips 100") << 101 << 0 << 102 << 2 << "{param=1VIDEO2}";
    QTest::addRow("0409-S keeps 100") << 100 << 1 << 100 << 2 << "{param=100AUDIO100}";
    QTest::addRow("0809 keeps offsets") << 101 << 0 << 102 << 1 << "{param=101VIDEO102}";
    QTest::addRow("0808-S keeps offsets") << 103 << 1 << 105 << 3 << "{param=103AUDIO105}";
    QTest::addRow("splitter area") << 2 << 0 << 903 << 4 << "{param=2VIDEO903}";
}

void TestCommands::switchPort()
{
    QFETCH(int, input);
    QFETCH(int, type);
    QFETCH(int, output);
    QFETCH(int, deviceType);
    QFETCH(QString, expected);
    QCOMPARE(Commands::switchPort(input, type, output, deviceType), expected);
}

void TestCommands::bind_data()
{
    QTest::addColumn<int>("master");
    QTest::addColumn<QList<int>>("outputs");
    QTest::addColumn<QString>("expected");
    QTest::addRow("master first") << 4 << QList<int>{4, 5, 6} << "{param=Bind4/5/6}";
    QTest::addRow("only master") << 4 << QList<int>{4} << "{param=Bind4}";
    QTest::addRow("master in the middle, order kept") << 5 << QList<int>{7, 5, 2} << "{param=Bind5/7/2}";
    QTest::addRow("empty list") << 1 << QList<int>{} << "{param=Bind1}";
}

void TestCommands::bind()
{
    QFETCH(int, master);
    QFETCH(QList<int>, outputs);
    QFETCH(QString, expected);
    QCOMPARE(Commands::bind(master, outputs), expected);
}

QTEST_APPLESS_MAIN(TestCommands)
#include "tst_commands.moc"
