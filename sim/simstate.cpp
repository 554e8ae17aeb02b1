#include "simstate.h"

#include <QJsonArray>

#include <algorithm>

QStringList SimState::models()
{
    return {QStringLiteral("0808"),
            QStringLiteral("0809"),
            QStringLiteral("0409-S"),
            QStringLiteral("0808-S"),
            QStringLiteral("0809-M")};
}

bool SimState::isKnownModel(const QString &model)
{
    return models().contains(model);
}

QVector<int> spliceModeOutputs(int mode)
{
    switch (mode) {
    case 1:
        return {1, 2};
    case 2:
        return {1, 5};
    case 3:
        return {1, 2, 5, 6};
    case 4:
        return {1, 2, 3, 5, 6, 7};
    case 5:
        return {1, 2, 3, 4, 5, 6, 7, 8};
    default:
        return {1};
    }
}

SimState SimState::defaults(const QString &model)
{
    SimState s;
    s.model = isKnownModel(model) ? model : QStringLiteral("0809");
    s.outputs = (s.model == QLatin1String("0808") || s.model == QLatin1String("0808-S")) ? 8 : 9;
    s.inputs = s.isMultiview() ? 4 : 8;
    const QString resolution = QStringLiteral("1920x1080x60Hz");

    for (int in = 1; in <= s.inputs; ++in) {
        // Half the inputs have a source plugged in, so a fresh device shows both states.
        const bool present = s.isMultiview() || in <= 4;
        s.inputPresent[in] = present;
        s.inputResolution[in] = present ? resolution : QStringLiteral("noinput");
        s.hdcp[in] = 0;
        s.inPattern[in] = 0;
        s.edid[in] = QStringLiteral("builtin/0");
    }
    for (int out = 1; out <= s.outputs; ++out) {
        const int in = (out - 1) % s.inputs + 1;
        s.video[out] = in;
        s.ir[out] = in;
        s.audio[out] = (out - 1) % 8 + 1;
        s.audio[HdmiAudioBase + out] = HdmiAudioBase + in;
        s.outputResolution[out] = resolution;
        s.link[out] = true;
        s.frozen[out] = false;
        s.outputLock[out] = false;
        s.videoMute[out] = false;
        s.scalerMode[out] = 0;
        s.noSignal[out] = SimNoSignal();
        s.outPattern[out] = 0;
        s.analogSel[out] = 0;
        s.rotation[out] = 0;
    }
    for (const int port : s.volumePorts()) {
        s.volume[port] = 50;
        s.mute[port] = 0;
    }
    if (s.hasSplitter()) {
        for (int area = 1; area <= SplitterAreas; ++area)
            s.splitter[area] = 0;
        s.splitter[1] = 1;
    }
    return s;
}

QVector<int> SimState::volumePorts() const
{
    QVector<int> ports;
    if (isMultiview()) {
        // The multiview client takes 101..104 down to 1..4 before it stores them.
        for (int in = 1; in <= inputs; ++in)
            ports << in;
        return ports;
    }
    for (int p = 1; p <= 8; ++p)
        ports << p;
    for (int in = 1; in <= inputs; ++in)
        ports << HdmiAudioBase + in;
    return ports;
}

QVector<int> SimState::groupOf(int output) const
{
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        if (it.value().contains(output))
            return it.value();
    }
    return {output};
}

void SimState::bind(const QVector<int> &members)
{
    if (members.size() < 2)
        return;
    for (const int m : members)
        unbind(m);
    groups.insert(members.first(), members);
}

int SimState::unbind(int output)
{
    for (auto it = groups.begin(); it != groups.end(); ++it) {
        if (it.value().contains(output)) {
            const int master = it.key();
            groups.erase(it);
            return master;
        }
    }
    return 0;
}

QVector<int> SimState::routeVideo(int output, int input)
{
    QVector<int> changed;
    for (const int out : groupOf(output)) {
        if (!isOutput(out))
            continue;
        if (video.value(out, -1) != input) {
            video[out] = input;
            changed << out;
        }
        if (hdmiAudioFollowsVideo)
            audio[HdmiAudioBase + out] = input > 0 ? HdmiAudioBase + input : 0;
    }
    return changed;
}

SimPlan SimState::capturePlan() const
{
    SimPlan p;
    p.stored = true;
    p.video = video;
    p.audio = audio;
    p.ir = ir;
    p.splitter = splitter;
    p.groups = groups;
    p.spliceMode = spliceMode;
    p.windows = windows;
    p.virMode = virMode;
    p.windowAudio = windowAudio;
    return p;
}

void SimState::applyPlan(const SimPlan &p)
{
    if (!p.stored)
        return;
    video = p.video;
    audio = p.audio;
    ir = p.ir;
    splitter = p.splitter;
    groups = p.groups;
    spliceMode = p.spliceMode;
    windows = p.windows;
    windows.resize(WindowCount);
    virMode = p.virMode;
    windowAudio = p.windowAudio;
}

// --- JSON ----------------------------------------------------------------------------

namespace {

template<typename T, typename F> QJsonObject mapToJson(const QMap<int, T> &map, F toValue)
{
    QJsonObject o;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        o.insert(QString::number(it.key()), toValue(it.value()));
    return o;
}

template<typename T, typename F> QMap<int, T> mapFromJson(const QJsonValue &value, F fromValue)
{
    QMap<int, T> map;
    const QJsonObject o = value.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        bool ok = false;
        const int key = it.key().toInt(&ok);
        if (ok)
            map.insert(key, fromValue(it.value()));
    }
    return map;
}

QJsonValue intValue(int v)
{
    return v;
}
QJsonValue boolValue(bool v)
{
    return v;
}
QJsonValue stringValue(const QString &v)
{
    return v;
}
QJsonValue bytesValue(const QByteArray &v)
{
    return QString::fromLatin1(v.toBase64());
}
int toInt(const QJsonValue &v)
{
    return v.toInt();
}
bool toBool(const QJsonValue &v)
{
    return v.toBool();
}
QString toText(const QJsonValue &v)
{
    return v.toString();
}
QByteArray toBytes(const QJsonValue &v)
{
    return QByteArray::fromBase64(v.toString().toLatin1());
}

QJsonValue listValue(const QVector<int> &list)
{
    QJsonArray a;
    for (const int v : list)
        a.append(v);
    return a;
}

QVector<int> toList(const QJsonValue &v)
{
    QVector<int> list;
    const QJsonArray a = v.toArray();
    for (const QJsonValue &e : a)
        list << e.toInt();
    return list;
}

QJsonValue windowValue(const SimWindow &w)
{
    return QJsonArray{w.input, w.layer, w.x, w.y, w.w, w.h};
}

SimWindow toWindow(const QJsonValue &v)
{
    const QJsonArray a = v.toArray();
    SimWindow w;
    if (a.size() == 6) {
        w.input = a.at(0).toInt();
        w.layer = a.at(1).toInt();
        w.x = a.at(2).toInt();
        w.y = a.at(3).toInt();
        w.w = a.at(4).toInt();
        w.h = a.at(5).toInt();
    }
    return w;
}

QJsonArray windowsValue(const QVector<SimWindow> &windows)
{
    QJsonArray a;
    for (const SimWindow &w : windows)
        a.append(windowValue(w));
    return a;
}

QVector<SimWindow> toWindows(const QJsonValue &v)
{
    QVector<SimWindow> windows;
    const QJsonArray a = v.toArray();
    for (const QJsonValue &e : a)
        windows << toWindow(e);
    windows.resize(SimState::WindowCount);
    return windows;
}

QJsonValue planValue(const SimPlan &p)
{
    if (!p.stored)
        return QJsonValue::Null;
    QJsonObject o;
    o.insert("video", mapToJson(p.video, intValue));
    o.insert("audio", mapToJson(p.audio, intValue));
    o.insert("ir", mapToJson(p.ir, intValue));
    o.insert("splitter", mapToJson(p.splitter, intValue));
    o.insert("groups", mapToJson(p.groups, listValue));
    o.insert("spliceMode", p.spliceMode);
    o.insert("windows", windowsValue(p.windows));
    o.insert("virMode", p.virMode);
    o.insert("windowAudio", p.windowAudio);
    return o;
}

SimPlan toPlan(const QJsonValue &v)
{
    SimPlan p;
    if (!v.isObject())
        return p;
    const QJsonObject o = v.toObject();
    p.stored = true;
    p.video = mapFromJson<int>(o.value("video"), toInt);
    p.audio = mapFromJson<int>(o.value("audio"), toInt);
    p.ir = mapFromJson<int>(o.value("ir"), toInt);
    p.splitter = mapFromJson<int>(o.value("splitter"), toInt);
    p.groups = mapFromJson<QVector<int>>(o.value("groups"), toList);
    p.spliceMode = o.value("spliceMode").toInt();
    p.windows = toWindows(o.value("windows"));
    p.virMode = o.value("virMode").toInt();
    p.windowAudio = o.value("windowAudio").toInt();
    return p;
}

QJsonValue noSignalValue(const SimNoSignal &n)
{
    return QJsonArray{n.mode, n.red, n.green, n.blue};
}

SimNoSignal toNoSignal(const QJsonValue &v)
{
    const QJsonArray a = v.toArray();
    SimNoSignal n;
    if (a.size() == 4) {
        n.mode = a.at(0).toInt();
        n.red = a.at(1).toInt();
        n.green = a.at(2).toInt();
        n.blue = a.at(3).toInt();
    }
    return n;
}

// Each field the object has replaces the one in `caption`.
void readCaption(const QJsonObject &c, SimCaption *caption)
{
    caption->on = c.value("on").toBool(caption->on);
    caption->speed = c.value("speed").toInt(caption->speed);
    caption->color = c.value("color").toString(caption->color);
    caption->x = c.value("x").toInt(caption->x);
    caption->y = c.value("y").toInt(caption->y);
    caption->bgOn = c.value("bgOn").toBool(caption->bgOn);
    caption->bgColor = c.value("bgColor").toString(caption->bgColor);
    caption->direction = c.value("direction").toString(caption->direction);
}

void readNetwork(const QJsonObject &n, SimState *s)
{
    s->ip = n.value("ip").toString(s->ip);
    s->gateway = n.value("gateway").toString(s->gateway);
    s->subnet = n.value("subnet").toString(s->subnet);
    s->mac = n.value("mac").toString(s->mac);
    s->dhcp = n.value("dhcp").toBool(s->dhcp);
}

// The groups, splicing, windows and bezel; each key present replaces the value in `s`.
void readWall(const QJsonObject &o, SimState *s)
{
    if (o.contains("groups"))
        s->groups = mapFromJson<QVector<int>>(o.value("groups"), toList);
    s->spliceMode = o.value("spliceMode").toInt(s->spliceMode);
    s->virMode = o.value("virMode").toInt(s->virMode);
    if (o.contains("windows"))
        s->windows = toWindows(o.value("windows"));
    s->windowAudio = o.value("windowAudio").toInt(s->windowAudio);
    const QJsonArray bezelArray = o.value("bezel").toArray();
    if (bezelArray.size() == 8) {
        for (int i = 0; i < 8; ++i)
            s->bezel[i] = uint(bezelArray.at(i).toInt());
    }
    s->splitterLayout = o.value("splitterLayout").toInt(s->splitterLayout);
}

// The uploaded caption and OSD bitmaps and EDID files.
void readUploads(const QJsonObject &o, SimState *s)
{
    auto readBytes = [&o](const char *key, QMap<int, QByteArray> &map) {
        if (o.contains(key))
            map = mapFromJson<QByteArray>(o.value(key), toBytes);
    };
    readBytes("subtitleBitmaps", s->subtitleBitmaps);
    readBytes("osdBitmaps", s->osdBitmaps);
    readBytes("edidFiles", s->edidFiles);
}

void readPlans(const QJsonArray &plans, SimState *s)
{
    for (int i = 0; i < plans.size() && i < SimState::PlanCount; ++i)
        s->plans[i] = toPlan(plans.at(i));
}

} // namespace

QJsonObject SimState::toJson() const
{
    QJsonObject o;
    o.insert("model", model);
    o.insert("video", mapToJson(video, intValue));
    o.insert("audio", mapToJson(audio, intValue));
    o.insert("ir", mapToJson(ir, intValue));
    o.insert("splitter", mapToJson(splitter, intValue));
    o.insert("inputPresent", mapToJson(inputPresent, boolValue));
    o.insert("inputResolution", mapToJson(inputResolution, stringValue));
    o.insert("outputResolution", mapToJson(outputResolution, stringValue));
    o.insert("link", mapToJson(link, boolValue));
    o.insert("frozen", mapToJson(frozen, boolValue));
    o.insert("outputLock", mapToJson(outputLock, boolValue));
    o.insert("videoMute", mapToJson(videoMute, boolValue));
    o.insert("hdcp", mapToJson(hdcp, intValue));
    o.insert("volume", mapToJson(volume, intValue));
    o.insert("mute", mapToJson(mute, intValue));
    o.insert("scalerMode", mapToJson(scalerMode, intValue));
    o.insert("noSignal", mapToJson(noSignal, noSignalValue));
    o.insert("inPattern", mapToJson(inPattern, intValue));
    o.insert("outPattern", mapToJson(outPattern, intValue));
    o.insert("analogSel", mapToJson(analogSel, intValue));
    o.insert("rotation", mapToJson(rotation, intValue));
    o.insert("edid", mapToJson(edid, stringValue));
    o.insert("osdShown", mapToJson(osdShown, boolValue));
    o.insert("subtitleShown", subtitleShown);
    o.insert("bell", bell);
    o.insert("caption",
             QJsonObject{{"on", caption.on},
                         {"speed", caption.speed},
                         {"color", caption.color},
                         {"x", caption.x},
                         {"y", caption.y},
                         {"bgOn", caption.bgOn},
                         {"bgColor", caption.bgColor},
                         {"direction", caption.direction}});
    o.insert(
        "network",
        QJsonObject{
            {"ip", ip}, {"gateway", gateway}, {"subnet", subnet}, {"mac", mac}, {"dhcp", dhcp}});
    o.insert("groups", mapToJson(groups, listValue));
    o.insert("spliceMode", spliceMode);
    o.insert("virMode", virMode);
    o.insert("windows", windowsValue(windows));
    o.insert("windowAudio", windowAudio);
    QJsonArray bezelArray;
    for (const uint b : bezel)
        bezelArray.append(qint64(b));
    o.insert("bezel", bezelArray);
    o.insert("splitterLayout", splitterLayout);
    o.insert("hdmiAudioFollowsVideo", hdmiAudioFollowsVideo);
    QJsonArray planArray;
    for (const SimPlan &p : plans)
        planArray.append(planValue(p));
    o.insert("plans", planArray);
    o.insert("subtitleBitmaps", mapToJson(subtitleBitmaps, bytesValue));
    o.insert("osdBitmaps", mapToJson(osdBitmaps, bytesValue));
    o.insert("edidFiles", mapToJson(edidFiles, bytesValue));
    return o;
}

bool SimState::fromJson(const QJsonObject &o, QString *error)
{
    const QString fileModel = o.value("model").toString();
    if (fileModel != model) {
        if (error)
            *error = QStringLiteral("state is for model \"%1\", not \"%2\"")
                         .arg(fileModel.left(16), model);
        return false;
    }
    // Start from the model's defaults so a file from an older simulator fills only what it has.
    SimState s = defaults(model);
    auto readInt = [&o](const char *key, QMap<int, int> &map) {
        if (o.contains(key))
            map = mapFromJson<int>(o.value(key), toInt);
    };
    auto readBool = [&o](const char *key, QMap<int, bool> &map) {
        if (o.contains(key))
            map = mapFromJson<bool>(o.value(key), toBool);
    };
    auto readText = [&o](const char *key, QMap<int, QString> &map) {
        if (o.contains(key))
            map = mapFromJson<QString>(o.value(key), toText);
    };
    readInt("video", s.video);
    readInt("audio", s.audio);
    readInt("ir", s.ir);
    readInt("splitter", s.splitter);
    readBool("inputPresent", s.inputPresent);
    readText("inputResolution", s.inputResolution);
    readText("outputResolution", s.outputResolution);
    readBool("link", s.link);
    readBool("frozen", s.frozen);
    readBool("outputLock", s.outputLock);
    readBool("videoMute", s.videoMute);
    readInt("hdcp", s.hdcp);
    readInt("volume", s.volume);
    readInt("mute", s.mute);
    readInt("scalerMode", s.scalerMode);
    if (o.contains("noSignal"))
        s.noSignal = mapFromJson<SimNoSignal>(o.value("noSignal"), toNoSignal);
    readInt("inPattern", s.inPattern);
    readInt("outPattern", s.outPattern);
    readInt("analogSel", s.analogSel);
    readInt("rotation", s.rotation);
    readText("edid", s.edid);
    readBool("osdShown", s.osdShown);
    s.subtitleShown = o.value("subtitleShown").toBool(s.subtitleShown);
    s.bell = o.value("bell").toBool(s.bell);
    readCaption(o.value("caption").toObject(), &s.caption);
    readNetwork(o.value("network").toObject(), &s);
    readWall(o, &s);
    s.hdmiAudioFollowsVideo = o.value("hdmiAudioFollowsVideo").toBool(s.hdmiAudioFollowsVideo);
    readPlans(o.value("plans").toArray(), &s);
    readUploads(o, &s);
    *this = s;
    return true;
}
