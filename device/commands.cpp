#include "commands.h"

#include "devicemodel.h"

namespace {
QString wrap(const QString &body)
{
    return QStringLiteral("{param=") + body + QLatin1Char('}');
}
QString n(int v)
{
    return QString::number(v);
}
QString u(uint v)
{
    return QString::number(v);
}
QString seq(std::initializer_list<int> values)
{
    QString out;
    for (int v : values) {
        if (!out.isEmpty())
            out += QLatin1Char('/');
        out += n(v);
    }
    return out;
}
} // namespace

namespace Commands {
QString version()
{
    return QStringLiteral("{param=version}");
}
QString resolution()
{
    return QStringLiteral("{param=resolution}");
}
QString status()
{
    return QStringLiteral("{param=status}");
}
QString inputInfo()
{
    return QStringLiteral("{param=inputinfo}");
}
QString netInfo()
{
    return QStringLiteral("{param=netInfo}");
}
QString
setNetwork(const QString &ip, const QString &gateway, const QString &subnet, const QString &mac)
{
    return QStringLiteral("{param=&ip,ip=%1,gateway=%2,subnet=%3,mac=%4}")
        .arg(ip, gateway, subnet, mac);
}
QString switchPort(int input, int type, int output, int deviceType)
{
    // Only the 0409-S takes bare port numbers for the +100 audio/HDMI-audio ports.
    if (DeviceModels::fromCode(deviceType) == DeviceModel::Model0409S) {
        if (input > 100)
            input -= 100;
        if (output > 100)
            output -= 100;
    }
    QString word;
    if (type == 0)
        word = QStringLiteral("VIDEO");
    else if (type == 1)
        word = QStringLiteral("AUDIO");
    else if (type == 2)
        word = QStringLiteral("IR");
    return wrap(n(input) + word + n(output));
}
QString mode(int m)
{
    return wrap(QStringLiteral("mode") + n(m));
}
QString factoryDefault()
{
    return QStringLiteral("{param=Default}");
}
QString inPattern(int i, int p)
{
    return wrap(QStringLiteral("In_Pattern") + seq({i, p}));
}
QString outPattern(int o, int p)
{
    return wrap(QStringLiteral("Out_Pattern") + seq({o, p}));
}
QString bell(bool on)
{
    return on ? QStringLiteral("{param=BellOn}") : QStringLiteral("{param=BellOff}");
}
QString save(int p)
{
    return wrap(QStringLiteral("Save") + n(p));
}
QString recall(int p)
{
    return wrap(QStringLiteral("Recall") + n(p));
}
QString clear(int p)
{
    return wrap(QStringLiteral("Clear") + n(p));
}
QString volume(int port, int v)
{
    return wrap(QStringLiteral("Volume") + seq({port, v}));
}
QString mute(int port)
{
    return wrap(QStringLiteral("Mute") + n(port));
}
QString uploadSubtitle(int port)
{
    return wrap(QStringLiteral("Upload_Subtitle") + n(port));
}
QString uploadOsd(int port)
{
    return wrap(QStringLiteral("Upload_OSD") + n(port));
}
QString setOsd(int port)
{
    return wrap(QStringLiteral("Set_OSD") + n(port));
}
QString setSubtitle()
{
    return QStringLiteral("{param=Set_subtitle}");
}
QString captionOpen(bool open)
{
    return open ? QStringLiteral("{param=Open}") : QStringLiteral("{param=Close}");
}
QString speed(int v)
{
    return wrap(QStringLiteral("Speed") + n(v));
}
QString direction(int d)
{
    if (d == 0)
        return QStringLiteral("{param=Left}");
    if (d == 1)
        return QStringLiteral("{param=Right}");
    return QString();
}
QString position(int x, int y)
{
    return wrap(QStringLiteral("POS") + seq({x, y}));
}
QString fontColor(int r, int g, int b)
{
    return wrap(QStringLiteral("Font_Color") + seq({r, g, b}));
}
QString bgColor(int r, int g, int b)
{
    return wrap(QStringLiteral("Bg_Color") + seq({r, g, b}));
}
QString bgOpen(bool open)
{
    return open ? QStringLiteral("{param=Bg_Open}") : QStringLiteral("{param=Bg_Close}");
}
QString eraseOsd()
{
    return QStringLiteral("{param=EraseOSD}");
}
QString eraseSubtitle()
{
    return QStringLiteral("{param=EraseSubtitle}");
}
QString copyEdid(int a, int b)
{
    return wrap(QStringLiteral("Copy_EDID") + seq({a, b}));
}
QString edidSel(int port, int code)
{
    return wrap(QStringLiteral("EDID_Sel") + seq({port, code}));
}
QString updateEdid(int port)
{
    return wrap(QStringLiteral("Update_EDID") + n(port));
}
QString getOsd(int port)
{
    return wrap(QStringLiteral("Get_OSD") + n(port));
}
QString getSubtitle()
{
    return QStringLiteral("{param=Get_Subtitle}");
}
QString getVolume()
{
    return QStringLiteral("{param=Get_Volume}");
}
QString portResolution(int port, const QString &text)
{
    return wrap(QStringLiteral("Port") + n(port) + QLatin1Char('/') + text + QLatin1Char('!'));
}
QString analogSel(int a, int b)
{
    return wrap(QStringLiteral("Analog_sel") + seq({a, b}));
}
QString dhcp(bool on)
{
    return on ? QStringLiteral("{param=DHCP_On}") : QStringLiteral("{param=DHCP_Off}");
}
QString noSignal(int a, int b, int c, int d, int e)
{
    return wrap(QStringLiteral("No_Signal") + seq({a, b, c, d, e}));
}
QString scalerMode(int port, int m)
{
    return wrap(QStringLiteral("Scaler_Mode") + seq({port, m}));
}
QString getNoinput(int port)
{
    return wrap(QStringLiteral("Get_Noinput") + n(port));
}
QString getScaler(int port)
{
    return wrap(QStringLiteral("Get_Scaler") + n(port));
}
QString outputInfo()
{
    return QStringLiteral("{param=outputinfo}");
}
QString frozen(int o, bool on)
{
    return wrap(QStringLiteral("Frozen") + n(o) +
                (on ? QStringLiteral("/1") : QStringLiteral("/0")));
}
QString outputLock(int o, bool on)
{
    return wrap(QStringLiteral("Output_Lock") + n(o) +
                (on ? QStringLiteral("/1") : QStringLiteral("/0")));
}
QString videoMute(int o, bool on)
{
    return wrap((on ? QStringLiteral("VideoMuteOn") : QStringLiteral("VideoMuteOff")) + n(o));
}
QString hdcpInfo()
{
    return QStringLiteral("{param=hdcpinfo}");
}
QString inputHdcp(int i, int s)
{
    return wrap(QStringLiteral("Input_HDCP") + seq({i, s}));
}
QString audioMute(int port, bool on)
{
    return wrap((on ? QStringLiteral("MuteOn") : QStringLiteral("MuteOff")) + n(port));
}
QString vir(int layout)
{
    return wrap(QStringLiteral("VIR") + n(layout));
}
QString windowOpen(int a, int b, int c, int d, int e, int f, int g)
{
    return wrap(QStringLiteral("WindowOpen") + seq({a, b, c, d, e, f, g}));
}
QString windowClose(int id)
{
    return wrap(QStringLiteral("WindowClose") + n(id));
}
QString windowCloseAll()
{
    return QStringLiteral("{param=WindowCloseAll}");
}
QString windowMove(int a, int b, int c)
{
    return wrap(QStringLiteral("WindowMove") + seq({a, b, c}));
}
QString windowResize(int a, int b, int c, int d, int e)
{
    return wrap(QStringLiteral("WindowResize") + seq({a, b, c, d, e}));
}
QString windowLayer(int a, int b)
{
    return wrap(QStringLiteral("WindowLayer") + seq({a, b}));
}
QString rotate(int a, int b)
{
    return wrap(QStringLiteral("Rotate") + seq({a, b}));
}
QString getRotate()
{
    return QStringLiteral("{param=Get_Rotate}");
}
QString followVideo(bool f)
{
    return f ? QStringLiteral("{param=FollowVideo}") : QStringLiteral("{param=AloneVideo}");
}
QString bindInfo()
{
    return QStringLiteral("{param=bindinfo}");
}
QString bind(int master, const QList<int> &outputs)
{
    QString out = QStringLiteral("{param=Bind") + n(master);
    for (int o : outputs) {
        if (o != master)
            out += QLatin1Char('/') + n(o);
    }
    return out + QLatin1Char('}');
}
QString unBind(int o)
{
    return wrap(QStringLiteral("UnBind") + n(o));
}
QString bezelX(uint a, uint b, uint c, uint d)
{
    return wrap(QStringLiteral("Bezel_x") + u(a) + '/' + u(b) + '/' + u(c) + '/' + u(d));
}
QString bezelY(uint a, uint b, uint c, uint d)
{
    return wrap(QStringLiteral("Bezel_y") + u(a) + '/' + u(b) + '/' + u(c) + '/' + u(d));
}
QString splitter(int layout)
{
    return wrap(QStringLiteral("Splitter") + n(layout));
}
QString done()
{
    return QStringLiteral("{param=Done}");
}
} // namespace Commands
