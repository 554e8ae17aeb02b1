#include "simrecords.h"

#include "simstate.h"

namespace SimRecords {

namespace {

// Builds "{"key":value,...}" with the values written exactly as given, so a record can
// carry the unquoted values the device is known for.
class Record
{
public:
    Record &raw(const QString &key, const QByteArray &value)
    {
        if (m_bytes.size() > 1)
            m_bytes += ',';
        m_bytes += '"' + key.toUtf8() + "\":" + value;
        return *this;
    }
    Record &text(const QString &key, const QString &value)
    {
        return raw(key, '"' + value.toUtf8() + '"');
    }
    Record &number(const QString &key, qint64 value) { return raw(key, QByteArray::number(value)); }
    Record &flag(const QString &key, bool value) { return raw(key, value ? "true" : "false"); }
    QByteArray done() const { return m_bytes + '}'; }

private:
    QByteArray m_bytes = "{";
};

QByteArray boolText(bool on)
{
    return on ? "true" : "false";
}

QString bezelText(const SimState &s, int from)
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(s.bezel.value(from))
        .arg(s.bezel.value(from + 1))
        .arg(s.bezel.value(from + 2))
        .arg(s.bezel.value(from + 3));
}

} // namespace

QByteArray version(const SimState &s)
{
    // No "video", "IR", "input", "out" or "link" anywhere: the version must not pass
    // for any other record.
    Record r;
    r.text("type", QStringLiteral("ZEL-") + s.model + QStringLiteral("-4K"))
        .text("device", s.model)
        .text("MCU", QStringLiteral("V1.0.7"))
        .text("FPGA", QStringLiteral("V2.3.1"))
        .flag("audio", s.hdmiAudioFollowsVideo)
        .text("bezel_x", bezelText(s, 0))
        .text("bezel_y", bezelText(s, 4));
    if (s.hasSplitter())
        r.number("Splitter", s.splitterLayout);
    return r.done();
}

QByteArray status(const SimState &s)
{
    if (s.isMultiview())
        return windowStatus(s);
    Record r;
    for (auto it = s.video.cbegin(); it != s.video.cend(); ++it)
        r.number(QStringLiteral("video%1").arg(it.key()), it.value());
    if (s.hasSplitter()) {
        QStringList areas;
        for (int area = 1; area <= SimState::SplitterAreas; ++area)
            areas << QString::number(s.splitter.value(area));
        r.text(QStringLiteral("video%1").arg(SimState::SplitterBase), areas.join('/'));
    }
    for (auto it = s.audio.cbegin(); it != s.audio.cend(); ++it)
        r.number(QStringLiteral("audio%1").arg(it.key()), it.value());
    for (auto it = s.ir.cbegin(); it != s.ir.cend(); ++it)
        r.number(QStringLiteral("IR%1").arg(it.key()), it.value());
    r.number("splice_mode", s.spliceMode);
    return r.done();
}

QByteArray windowStatus(const SimState &s)
{
    // The bare list form: unquoted keys, each window as six numbers (input, layer, x, y,
    // w, h; all zero when closed), then the layout mode and the audio source. Always four
    // windows and no trailing comma, which is what the client's rebuild expects.
    QByteArray out = "{";
    for (int i = 0; i < SimState::WindowCount; ++i) {
        const SimWindow w = s.windows.value(i);
        out += "window" + QByteArray::number(i + 1) + ':';
        if (w.isOpen()) {
            out += QByteArray::number(w.input) + ',' + QByteArray::number(w.layer) + ',' +
                   QByteArray::number(w.x) + ',' + QByteArray::number(w.y) + ',' +
                   QByteArray::number(w.w) + ',' + QByteArray::number(w.h);
        } else {
            out += "0,0,0,0,0,0";
        }
        out += ',';
    }
    out += "VIR:" + QByteArray::number(s.virMode) + ",AUDIO:" + QByteArray::number(s.windowAudio) +
           '}';
    return out;
}

QByteArray inputInfo(const SimState &s)
{
    Record r;
    for (int in = 1; in <= s.inputs; ++in)
        r.flag(QStringLiteral("input-%1").arg(in), s.inputPresent.value(in));
    return r.done();
}

QByteArray netInfo(const SimState &s, const QString &reachedAt)
{
    const QString ip = !s.ip.isEmpty()        ? s.ip
                       : !reachedAt.isEmpty() ? reachedAt
                                              : QStringLiteral("192.168.1.188");
    // DHCP sits before the last member: the client reads its value up to the next comma.
    return Record()
        .text("ip", ip)
        .text("gateway", s.gateway)
        .text("subnet", s.subnet)
        .flag("DHCP", s.dhcp)
        .text("mac", s.mac)
        .done();
}

QByteArray resolution(const SimState &s)
{
    // Values unquoted, as the device sends them; the client quotes every value of a
    // record holding "in" and "out".
    Record r;
    for (int in = 1; in <= s.inputs; ++in) {
        const QString text =
            s.inputPresent.value(in) ? s.inputResolution.value(in) : QStringLiteral("noinput");
        r.raw(QStringLiteral("in%1").arg(in), text.toUtf8());
    }
    for (int out = 1; out <= s.outputs; ++out)
        r.raw(QStringLiteral("out%1").arg(out), s.outputResolution.value(out).toUtf8());
    return r.done();
}

QByteArray hdcpInfo(const SimState &s)
{
    Record r;
    for (int in = 1; in <= s.inputs; ++in)
        r.number(QStringLiteral("hdcp_in%1").arg(in), s.hdcp.value(in));
    return r.done();
}

QByteArray outputInfo(const SimState &s)
{
    // "link<n>":link/frozen/lock/videomute, unquoted; the client quotes link records.
    Record r;
    for (int out = 1; out <= s.outputs; ++out) {
        r.raw(QStringLiteral("link%1").arg(out),
              boolText(s.link.value(out)) + '/' + boolText(s.frozen.value(out)) + '/' +
                  boolText(s.outputLock.value(out)) + '/' + boolText(s.videoMute.value(out)));
    }
    return r.done();
}

QByteArray bindInfo(const SimState &s)
{
    // One member per output: a master lists its group, every other output only itself,
    // which the client skips.
    Record r;
    for (int out = 1; out <= s.outputs; ++out) {
        QStringList parts;
        const QVector<int> group = s.groups.value(out);
        if (group.size() > 1) {
            for (const int m : group)
                parts << QString::number(m);
        } else {
            parts << QString::number(out);
        }
        r.text(QStringLiteral("bind%1").arg(out), parts.join('/'));
    }
    r.number("mode", s.spliceMode);
    return r.done();
}

QByteArray rotation(const SimState &s)
{
    Record r;
    for (int out = 1; out <= s.outputs; ++out)
        r.number(QStringLiteral("Angle%1").arg(out), s.rotation.value(out));
    return r.done();
}

QByteArray volume(const SimState &s)
{
    Record r;
    const QVector<int> ports = s.volumePorts();
    for (const int port : ports)
        r.number(QStringLiteral("Volume%1").arg(port), s.volume.value(port));
    for (const int port : ports)
        r.number(QStringLiteral("Mute%1").arg(port), s.mute.value(port));
    return r.done();
}

QByteArray caption(const SimState &s)
{
    // Switches, colour lists and the direction unquoted, in the order the client's
    // repair counts its offsets from.
    const SimCaption &c = s.caption;
    return Record()
        .raw("Switch", boolText(c.on))
        .number("Speed", c.speed)
        .raw("Color", c.color.toUtf8())
        .number("Position_x", c.x)
        .number("Position_y", c.y)
        .raw("Bg_switch", boolText(c.bgOn))
        .raw("Bg_Color", c.bgColor.toUtf8())
        .raw("Move_dir", c.direction.toUtf8())
        .done();
}

QByteArray noSignal(const SimState &s, int port)
{
    // The colour comes as a bare list last, read by the dialogs up to the closing brace.
    const SimNoSignal n = s.noSignal.value(port);
    return Record()
        .number("Chn", port)
        .number("Mode", n.mode)
        .raw("Color",
             QByteArray::number(n.red) + ',' + QByteArray::number(n.green) + ',' +
                 QByteArray::number(n.blue))
        .done();
}

QByteArray scaler(const SimState &s, int port)
{
    return Record().number("Chn", port).number("Scaler_Mode", s.scalerMode.value(port)).done();
}

QByteArray changeNotice(const QString &key, const QString &value)
{
    return '{' + key.toUtf8() + '=' + value.toUtf8() + '}';
}

QByteArray commandEcho(const QString &command)
{
    // The notice is repaired by replacing braces and "=", so those cannot travel inside;
    // a quote or backslash would break the parsed text.
    for (const QChar c : command) {
        if (c == '{' || c == '}' || c == '=' || c == '"' || c == '\\')
            return QByteArray();
    }
    return changeNotice(QStringLiteral("cmd_change"), command);
}

QByteArray noSignalNotice(const SimState &s, int port)
{
    const SimNoSignal n = s.noSignal.value(port);
    return Record()
        .number("Chn_change", port)
        .number("Mode_change", n.mode)
        .raw("Color_change",
             QByteArray::number(n.red) + ',' + QByteArray::number(n.green) + ',' +
                 QByteArray::number(n.blue))
        .done();
}

QByteArray http200()
{
    return "HTTP/1.1 200 OK\r\nContent-Length:2\r\n\r\nOK";
}

} // namespace SimRecords
