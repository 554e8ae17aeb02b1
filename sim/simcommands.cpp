#include "simcommands.h"

#include "simrecords.h"
#include "simstate.h"

#include <QRegularExpression>

#include <algorithm>

namespace SimCommands {

namespace {

struct Ctx
{
    SimState &s;
    SimEffect &e;
    QStringList args;
    QString reachedAt;
    int n(int i) const { return args.value(i).toInt(); }
    void notify(const QString &key, int value)
    {
        e.notices << SimRecords::changeNotice(key, QString::number(value));
    }
};

// Echo: when the handler applied the command, every other client gets it back as a
// command echo. Handlers that return false left the state alone (a port out of range).
enum class Echo { No, Yes };

struct Entry
{
    const char *pattern;
    Echo echo;
    bool (*run)(Ctx &);
};

int clampColour(int v)
{
    return std::clamp(v, 0, 255);
}

QString colourText(const Ctx &c, int from)
{
    return QStringLiteral("%1,%2,%3")
        .arg(clampColour(c.n(from)))
        .arg(clampColour(c.n(from + 1)))
        .arg(clampColour(c.n(from + 2)));
}

bool answer(Ctx &c, const char *query, const QByteArray &record)
{
    c.e.query = QString::fromLatin1(query);
    c.e.reply = record;
    return false;
}

// The multiview client strips the 100 offset from input audio ports, others keep it.
int volumePort(const SimState &s, int port)
{
    if (s.isMultiview() && port > SimState::HdmiAudioBase)
        port -= SimState::HdmiAudioBase;
    return s.volumePorts().contains(port) ? port : 0;
}

bool setVolume(Ctx &c)
{
    const int port = volumePort(c.s, c.n(0));
    if (!port)
        return false;
    c.s.volume[port] = std::clamp(c.n(1), 0, 100);
    return true;
}

bool setMute(Ctx &c, int value)
{
    const int port = volumePort(c.s, c.n(0));
    if (!port)
        return false;
    c.s.mute[port] = value;
    return true;
}

bool setOutputFlag(Ctx &c, QMap<int, bool> &map, bool value)
{
    if (!c.s.isOutput(c.n(0)))
        return false;
    map[c.n(0)] = value;
    return true;
}

bool setOutputInt(Ctx &c, QMap<int, int> &map, int low, int high)
{
    const int value = c.n(1);
    if (!c.s.isOutput(c.n(0)) || value < low || value > high)
        return false;
    map[c.n(0)] = value;
    return true;
}

bool setInputInt(Ctx &c, QMap<int, int> &map, int low, int high)
{
    const int value = c.n(1);
    if (!c.s.isInput(c.n(0)) || value < low || value > high)
        return false;
    map[c.n(0)] = value;
    return true;
}

bool isAudioOutput(const SimState &s, int out)
{
    return s.isOutput(out) || s.isOutput(out - SimState::HdmiAudioBase);
}

bool isAudioSource(const SimState &s, int in)
{
    return (in >= 0 && in <= 8) || in == SimState::HdmiAudioBase ||
           s.isInput(in - SimState::HdmiAudioBase);
}

bool switchRoute(Ctx &c)
{
    SimState &s = c.s;
    const int in = c.n(0);
    const QString type = c.args.value(1);
    const int out = c.n(2);
    if (type == QLatin1String("VIDEO")) {
        const int area = out - SimState::SplitterBase;
        if (s.hasSplitter() && area >= 1 && area <= SimState::SplitterAreas) {
            if (in < 0 || in > s.inputs)
                return false;
            s.splitter[area] = in;
        } else {
            if (!s.isOutput(out) || in < 0 || in > s.inputs)
                return false;
            s.routeVideo(out, in);
        }
        c.notify(QStringLiteral("video%1_change").arg(out), in);
        return true;
    }
    if (type == QLatin1String("AUDIO")) {
        if (s.isMultiview()) {
            // One HDMI audio output, fed by the audio of one of the four inputs.
            if (out != 1 || in < 0 || in > s.inputs)
                return false;
            s.windowAudio = in;
        } else {
            if (!isAudioOutput(s, out) || !isAudioSource(s, in))
                return false;
            s.audio[out] = in;
        }
        c.notify(QStringLiteral("audio%1_change").arg(out), in);
        return true;
    }
    if (!s.isOutput(out) || in < 0 || in > s.inputs)
        return false;
    s.ir[out] = in;
    c.notify(QStringLiteral("IR%1_change").arg(out), in);
    return true;
}

bool setSpliceMode(Ctx &c)
{
    const int mode = c.n(0);
    if (mode < 0 || mode > 5)
        return false;
    SimState &s = c.s;
    s.spliceMode = mode;
    s.groups.clear();
    QVector<int> members;
    for (const int out : spliceModeOutputs(mode)) {
        if (s.isOutput(out))
            members << out;
    }
    s.bind(members);
    if (members.size() > 1)
        s.routeVideo(members.first(), s.video.value(members.first()));
    c.notify(QStringLiteral("mode_change"), mode);
    return true;
}

bool bindOutputs(Ctx &c)
{
    SimState &s = c.s;
    QVector<int> members{c.n(0)};
    const QStringList rest = c.args.value(1).split('/', Qt::SkipEmptyParts);
    for (const QString &part : rest) {
        const int out = part.toInt();
        if (!members.contains(out))
            members << out;
    }
    for (const int out : qAsConst(members)) {
        if (!s.isOutput(out))
            return false;
    }
    if (members.size() < 2)
        return false;
    s.bind(members);
    // A new group shows its master's source everywhere.
    s.routeVideo(members.first(), s.video.value(members.first()));
    QStringList parts;
    for (const int out : qAsConst(members))
        parts << QString::number(out);
    c.e.notices << SimRecords::changeNotice(QStringLiteral("Bind%1_change").arg(members.first()),
                                            parts.join('/'));
    return true;
}

bool unbindOutput(Ctx &c)
{
    const int out = c.n(0);
    if (!c.s.unbind(out))
        return false;
    c.notify(QStringLiteral("UnBind%1_change").arg(out), out);
    return true;
}

bool planIndexValid(int index)
{
    return index >= 0 && index < SimState::PlanCount;
}

void notifyRouteChanges(Ctx &c,
                        const QString &word,
                        const QMap<int, int> &before,
                        const QMap<int, int> &after,
                        int keyOffset = 0)
{
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key(), -1) != it.value())
            c.notify(QStringLiteral("%1%2_change").arg(word).arg(it.key() + keyOffset), it.value());
    }
}

bool recallPlan(Ctx &c)
{
    SimState &s = c.s;
    if (!planIndexValid(c.n(0)) || !s.plans.at(c.n(0)).stored)
        return false;
    const SimPlan before = s.capturePlan();
    s.applyPlan(s.plans.at(c.n(0)));
    // Tell the others group changes first, so the routes that follow land on the
    // groups as they now are.
    if (before.spliceMode != s.spliceMode)
        c.notify(QStringLiteral("mode_change"), s.spliceMode);
    if (before.groups != s.groups) {
        for (auto it = before.groups.cbegin(); it != before.groups.cend(); ++it)
            c.notify(QStringLiteral("UnBind%1_change").arg(it.key()), it.key());
        for (auto it = s.groups.cbegin(); it != s.groups.cend(); ++it) {
            QStringList parts;
            for (const int m : it.value())
                parts << QString::number(m);
            c.e.notices << SimRecords::changeNotice(QStringLiteral("Bind%1_change").arg(it.key()),
                                                    parts.join('/'));
        }
    }
    notifyRouteChanges(c, QStringLiteral("video"), before.video, s.video);
    notifyRouteChanges(
        c, QStringLiteral("video"), before.splitter, s.splitter, SimState::SplitterBase);
    notifyRouteChanges(c, QStringLiteral("audio"), before.audio, s.audio);
    notifyRouteChanges(c, QStringLiteral("IR"), before.ir, s.ir);
    if (s.isMultiview() && before.windowAudio != s.windowAudio)
        c.notify(QStringLiteral("audio1_change"), s.windowAudio);
    return true;
}

SimWindow *openWindow(Ctx &c)
{
    const int id = c.n(0);
    if (id < 1 || id > SimState::WindowCount)
        return nullptr;
    SimWindow &w = c.s.windows[id - 1];
    return w.isOpen() ? &w : nullptr;
}

bool windowOpen(Ctx &c)
{
    const int id = c.n(0);
    if (id < 1 || id > SimState::WindowCount || !c.s.isInput(c.n(1)) || c.n(5) <= 0 || c.n(6) <= 0)
        return false;
    c.s.windows[id - 1] = SimWindow{c.n(1), c.n(2), c.n(3), c.n(4), c.n(5), c.n(6)};
    return true;
}

bool windowClose(Ctx &c)
{
    SimWindow *w = openWindow(c);
    if (!w)
        return false;
    *w = SimWindow();
    return true;
}

bool windowMove(Ctx &c)
{
    SimWindow *w = openWindow(c);
    if (!w)
        return false;
    w->x = c.n(1);
    w->y = c.n(2);
    return true;
}

bool windowResize(Ctx &c)
{
    SimWindow *w = openWindow(c);
    if (!w || c.n(3) <= 0 || c.n(4) <= 0)
        return false;
    w->x = c.n(1);
    w->y = c.n(2);
    w->w = c.n(3);
    w->h = c.n(4);
    return true;
}

bool windowLayer(Ctx &c)
{
    SimWindow *w = openWindow(c);
    if (!w)
        return false;
    w->layer = c.n(1);
    return true;
}

bool setBezel(Ctx &c, int from)
{
    for (int i = 0; i < 4; ++i)
        c.s.bezel[from + i] = c.args.value(i).toUInt();
    return true;
}

bool factoryDefault(Ctx &c)
{
    c.s = SimState::defaults(c.s.model);
    c.e.http200 = true;
    return true;
}

bool setNetwork(Ctx &c)
{
    c.s.ip = c.args.value(0);
    c.s.gateway = c.args.value(1);
    c.s.subnet = c.args.value(2);
    c.s.mac = c.args.value(3);
    c.e.http200 = true;
    return true;
}

bool announce(Ctx &c, const char *kind)
{
    c.e.upload = SimUploadStep::Announce;
    c.e.uploadKind = QString::fromLatin1(kind);
    c.e.uploadPort = c.n(0);
    return false;
}

bool setNoSignal(Ctx &c)
{
    const int port = c.n(0);
    if (!c.s.isOutput(port) || c.n(1) < 0 || c.n(1) > 10)
        return false;
    c.s.noSignal[port] =
        SimNoSignal{c.n(1), clampColour(c.n(2)), clampColour(c.n(3)), clampColour(c.n(4))};
    c.e.notices << SimRecords::noSignalNotice(c.s, port);
    return true;
}

// One table row per command; kept one line each where it fits.
// clang-format off
#define INT "(-?\\d+)"

const Entry s_entries[] = {
    // Queries.
    {"version", Echo::No, [](Ctx &c) { return answer(c, "version", SimRecords::version(c.s)); }},
    {"status", Echo::No, [](Ctx &c) { return answer(c, "status", SimRecords::status(c.s)); }},
    {"inputinfo", Echo::No, [](Ctx &c) { return answer(c, "inputinfo", SimRecords::inputInfo(c.s)); }},
    {"netInfo", Echo::No, [](Ctx &c) { return answer(c, "netInfo", SimRecords::netInfo(c.s, c.reachedAt)); }},
    {"resolution", Echo::No, [](Ctx &c) { return answer(c, "resolution", SimRecords::resolution(c.s)); }},
    {"hdcpinfo", Echo::No, [](Ctx &c) { return answer(c, "hdcpinfo", SimRecords::hdcpInfo(c.s)); }},
    {"outputinfo", Echo::No, [](Ctx &c) { return answer(c, "outputinfo", SimRecords::outputInfo(c.s)); }},
    {"bindinfo", Echo::No, [](Ctx &c) { return answer(c, "bindinfo", SimRecords::bindInfo(c.s)); }},
    {"Get_Rotate", Echo::No, [](Ctx &c) { return answer(c, "Get_Rotate", SimRecords::rotation(c.s)); }},
    {"Get_Volume", Echo::No, [](Ctx &c) { return answer(c, "Get_Volume", SimRecords::volume(c.s)); }},
    {"Get_Subtitle", Echo::No, [](Ctx &c) { return answer(c, "Get_Subtitle", SimRecords::caption(c.s)); }},
    {"Get_OSD" INT, Echo::No, [](Ctx &c) { return answer(c, "Get_OSD", SimRecords::caption(c.s)); }},
    {"Get_Noinput" INT, Echo::No,
     [](Ctx &c) { return answer(c, "Get_Noinput", SimRecords::noSignal(c.s, c.n(0))); }},
    {"Get_Scaler" INT, Echo::No,
     [](Ctx &c) { return answer(c, "Get_Scaler", SimRecords::scaler(c.s, c.n(0))); }},

    // Routing, binding, plans.
    {INT "(VIDEO|AUDIO|IR)" INT, Echo::No, switchRoute},
    {"mode" INT, Echo::No, setSpliceMode},
    {"Bind" INT "((?:/-?\\d+)*)", Echo::No, bindOutputs},
    {"UnBind" INT, Echo::No, unbindOutput},
    {"Save" INT, Echo::No, [](Ctx &c) {
         if (!planIndexValid(c.n(0)))
             return false;
         c.s.plans[c.n(0)] = c.s.capturePlan();
         return true;
     }},
    {"Recall" INT, Echo::No, recallPlan},
    {"Clear" INT, Echo::No, [](Ctx &c) {
         if (!planIndexValid(c.n(0)))
             return false;
         c.s.plans[c.n(0)] = SimPlan();
         return true;
     }},

    // Device and network.
    {"&ip,ip=([^,]*),gateway=([^,]*),subnet=([^,]*),mac=([^,]*)", Echo::No, setNetwork},
    {"Default", Echo::No, factoryDefault},
    {"DHCP_On", Echo::Yes, [](Ctx &c) { return c.s.dhcp = true; }},
    {"DHCP_Off", Echo::Yes, [](Ctx &c) { c.s.dhcp = false; return true; }},
    {"BellOn", Echo::Yes, [](Ctx &c) { return c.s.bell = true; }},
    {"BellOff", Echo::Yes, [](Ctx &c) { c.s.bell = false; return true; }},
    {"FollowVideo", Echo::Yes, [](Ctx &c) { return c.s.hdmiAudioFollowsVideo = true; }},
    {"AloneVideo", Echo::Yes, [](Ctx &c) { c.s.hdmiAudioFollowsVideo = false; return true; }},

    // Per-port settings.
    {"Port" INT "/([^!]+)!", Echo::Yes, [](Ctx &c) {
         if (!c.s.isOutput(c.n(0)))
             return false;
         c.s.outputResolution[c.n(0)] = c.args.value(1);
         return true;
     }},
    {"Frozen" INT "/([01])", Echo::Yes, [](Ctx &c) { return setOutputFlag(c, c.s.frozen, c.n(1) == 1); }},
    {"Output_Lock" INT "/([01])", Echo::Yes,
     [](Ctx &c) { return setOutputFlag(c, c.s.outputLock, c.n(1) == 1); }},
    {"VideoMuteOn" INT, Echo::Yes, [](Ctx &c) { return setOutputFlag(c, c.s.videoMute, true); }},
    {"VideoMuteOff" INT, Echo::Yes, [](Ctx &c) { return setOutputFlag(c, c.s.videoMute, false); }},
    {"Input_HDCP" INT "/" INT, Echo::Yes, [](Ctx &c) { return setInputInt(c, c.s.hdcp, 0, 3); }},
    {"Scaler_Mode" INT "/" INT, Echo::Yes, [](Ctx &c) { return setOutputInt(c, c.s.scalerMode, 0, 3); }},
    {"No_Signal" INT "/" INT "/" INT "/" INT "/" INT, Echo::No, setNoSignal},
    {"In_Pattern" INT "/" INT, Echo::Yes, [](Ctx &c) { return setInputInt(c, c.s.inPattern, 0, 11); }},
    {"Out_Pattern" INT "/" INT, Echo::Yes, [](Ctx &c) { return setOutputInt(c, c.s.outPattern, 0, 11); }},
    {"Analog_sel" INT "/" INT, Echo::Yes, [](Ctx &c) { return setOutputInt(c, c.s.analogSel, 0, 1); }},
    {"Rotate" INT "/" INT, Echo::Yes, [](Ctx &c) { return setOutputInt(c, c.s.rotation, 0, 3); }},
    {"Volume" INT "/" INT, Echo::Yes, setVolume},
    {"Mute" INT, Echo::Yes, [](Ctx &c) { return setMute(c, 1); }},
    {"MuteOn" INT, Echo::Yes, [](Ctx &c) { return setMute(c, 1); }},
    {"MuteOff" INT, Echo::Yes, [](Ctx &c) { return setMute(c, 0); }},
    {"Copy_EDID" INT "/" INT, Echo::Yes, [](Ctx &c) {
         if (!c.s.isInput(c.n(0)) || !c.s.isOutput(c.n(1)))
             return false;
         c.s.edid[c.n(0)] = QStringLiteral("copy/%1").arg(c.n(1));
         return true;
     }},
    {"EDID_Sel" INT "/" INT, Echo::Yes, [](Ctx &c) {
         if (!c.s.isInput(c.n(0)) || c.n(1) < 0 || c.n(1) > 4)
             return false;
         c.s.edid[c.n(0)] = QStringLiteral("builtin/%1").arg(c.n(1));
         return true;
     }},

    // Caption and OSD.
    {"Open", Echo::Yes, [](Ctx &c) { return c.s.caption.on = true; }},
    {"Close", Echo::Yes, [](Ctx &c) { c.s.caption.on = false; return true; }},
    {"Speed" INT, Echo::Yes, [](Ctx &c) { c.s.caption.speed = c.n(0); return true; }},
    {"Left", Echo::Yes, [](Ctx &c) { c.s.caption.direction = QStringLiteral("left"); return true; }},
    {"Right", Echo::Yes, [](Ctx &c) { c.s.caption.direction = QStringLiteral("right"); return true; }},
    {"POS" INT "/" INT, Echo::Yes, [](Ctx &c) {
         c.s.caption.x = c.n(0);
         c.s.caption.y = c.n(1);
         return true;
     }},
    {"Font_Color" INT "/" INT "/" INT, Echo::Yes, [](Ctx &c) { c.s.caption.color = colourText(c, 0); return true; }},
    {"Bg_Color" INT "/" INT "/" INT, Echo::Yes, [](Ctx &c) { c.s.caption.bgColor = colourText(c, 0); return true; }},
    {"Bg_Open", Echo::Yes, [](Ctx &c) { return c.s.caption.bgOn = true; }},
    {"Bg_Close", Echo::Yes, [](Ctx &c) { c.s.caption.bgOn = false; return true; }},
    {"Set_OSD" INT, Echo::Yes, [](Ctx &c) { return c.s.osdShown[c.n(0)] = true; }},
    {"Set_subtitle", Echo::Yes, [](Ctx &c) { return c.s.subtitleShown = true; }},
    {"EraseOSD", Echo::Yes, [](Ctx &c) { c.s.osdBitmaps.clear(); return true; }},
    {"EraseSubtitle", Echo::Yes, [](Ctx &c) { c.s.subtitleBitmaps.clear(); return true; }},
    {"Upload_Subtitle" INT, Echo::No, [](Ctx &c) { return announce(c, "Subtitle"); }},
    {"Upload_OSD" INT, Echo::No, [](Ctx &c) { return announce(c, "OSD"); }},
    {"Update_EDID" INT, Echo::No, [](Ctx &c) { return announce(c, "EDID"); }},
    {"Done", Echo::No, [](Ctx &c) { c.e.upload = SimUploadStep::Done; return false; }},

    // Wall and multiview.
    {"VIR" INT, Echo::Yes, [](Ctx &c) {
         if (c.n(0) < 0 || c.n(0) > 3)
             return false;
         c.s.virMode = c.n(0);
         return true;
     }},
    {"Splitter" INT, Echo::Yes, [](Ctx &c) {
         if (c.n(0) < 0 || c.n(0) > 6)
             return false;
         c.s.splitterLayout = c.n(0);
         return true;
     }},
    {"Bezel_x(\\d+)/(\\d+)/(\\d+)/(\\d+)", Echo::Yes, [](Ctx &c) { return setBezel(c, 0); }},
    {"Bezel_y(\\d+)/(\\d+)/(\\d+)/(\\d+)", Echo::Yes, [](Ctx &c) { return setBezel(c, 4); }},
    {"WindowOpen" INT "/" INT "/" INT "/" INT "/" INT "/" INT "/" INT, Echo::Yes, windowOpen},
    {"WindowClose" INT, Echo::Yes, windowClose},
    {"WindowCloseAll", Echo::Yes, [](Ctx &c) {
         c.s.windows = QVector<SimWindow>(SimState::WindowCount);
         return true;
     }},
    {"WindowMove" INT "/" INT "/" INT, Echo::Yes, windowMove},
    {"WindowResize" INT "/" INT "/" INT "/" INT "/" INT, Echo::Yes, windowResize},
    {"WindowLayer" INT "/" INT, Echo::Yes, windowLayer},
};

#undef INT
// clang-format on

struct CompiledEntry
{
    QRegularExpression re;
    const Entry *entry;
};

const QVector<CompiledEntry> &compiled()
{
    static const QVector<CompiledEntry> table = [] {
        QVector<CompiledEntry> t;
        for (const Entry &e : s_entries) {
            QRegularExpression re(
                QRegularExpression::anchoredPattern(QString::fromLatin1(e.pattern)));
            re.optimize();
            t.append({re, &e});
        }
        return t;
    }();
    return table;
}

} // namespace

SimEffect apply(SimState &state, const QString &command, const QString &reachedAt)
{
    SimEffect effect;
    for (const CompiledEntry &ce : compiled()) {
        const QRegularExpressionMatch m = ce.re.match(command);
        if (!m.hasMatch())
            continue;
        effect.recognised = true;
        Ctx c{state, effect, m.capturedTexts().mid(1), reachedAt};
        const bool applied = ce.entry->run(c);
        effect.changed = applied;
        if (applied && ce.entry->echo == Echo::Yes) {
            const QByteArray echo = SimRecords::commandEcho(command);
            if (!echo.isEmpty())
                effect.notices << echo;
        }
        break;
    }
    return effect;
}

} // namespace SimCommands
