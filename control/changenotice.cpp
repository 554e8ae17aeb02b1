#include "changenotice.h"

#include "devicemodel.h"
#include "jsonvalue.h"

#include <optional>

namespace ChangeNotice {

namespace {

// "video3_change" with "video": 3. Whatever follows the first "_" is not read.
int keyPort(const QString &key, const QString &word)
{
    QString left = key.section(QLatin1Char('_'), 0, 0);
    return left.remove(word).toInt();
}

// An echoed command "Frozen4/1": the port left of the first "/" without the word,
// the value right of it.
struct Echo
{
    int port = 0;
    QString value;
};

Echo echoOf(const QString &text, const QString &word)
{
    const int slash = text.indexOf(QLatin1Char('/'));
    QString left = slash < 0 ? text : text.left(slash);
    Echo echo;
    echo.port = left.remove(word).toInt();
    echo.value = slash < 0 ? QString() : text.mid(slash + 1).remove(QLatin1Char('/'));
    return echo;
}

bool isMultiview(int deviceCode)
{
    return DeviceModels::fromCode(deviceCode) == DeviceModel::Model0409S;
}

// The multiview device numbers its input audio 101..104 in echoes.
int audioPort(int port, int deviceCode)
{
    return isMultiview(deviceCode) && port >= 101 && port <= 104 ? port - 100 : port;
}

enum class Read { Change, Skip, Stop };

// The largest output of any of the models; bind groups hold nothing beyond it.
constexpr int MaxOutput = 9;
constexpr int MaxPort = 999;

// Routing and link members, named by their key; none when the key is not one of them.
std::optional<Read> readRoute(const QString &key, const QString &value, int deviceCode, Change *c)
{
    auto keyHas = [&key](const char *word) {
        return key.contains(QLatin1String(word));
    };

    if (keyHas("audio")) {
        c->kind = Kind::Audio;
        c->port = keyPort(key, QStringLiteral("audio"));
        c->value = value.toInt();
        if (isMultiview(deviceCode)) {
            if (c->port != 1)
                return Read::Stop;
            c->port = 101;
            c->value = c->value >= 1 && c->value <= 4 ? 100 + c->value : 0;
        }
        return Read::Change;
    }
    if (keyHas("IR")) {
        c->kind = Kind::Infrared;
        c->port = keyPort(key, QStringLiteral("IR"));
        c->value = value.toInt();
        return Read::Change;
    }
    if (keyHas("video")) {
        c->port = keyPort(key, QStringLiteral("video"));
        c->value = value.toInt();
        c->kind = c->port > 900 ? Kind::Splitter : Kind::Video;
        if (c->kind == Kind::Splitter)
            c->port -= 900;
        return Read::Change;
    }
    if (keyHas("link") || keyHas("input")) {
        const bool link = keyHas("link");
        c->kind = link ? Kind::Link : Kind::InputPresence;
        c->port = keyPort(key, link ? QStringLiteral("link") : QStringLiteral("input"));
        c->flag = value == QLatin1String("true");
        return Read::Change;
    }
    return std::nullopt;
}

// Bind and unbind members; none when the key is neither.
std::optional<Read> readBind(const QString &key, const QString &value, Change *c)
{
    if (key.contains(QLatin1String("UnBind"))) {
        c->kind = Kind::Unbind;
        c->port = value.toInt();
        return Read::Change;
    }
    if (key.contains(QLatin1String("Bind"))) {
        const QStringList parts = value.split(QLatin1Char('/'));
        if (parts.size() < 2)
            return Read::Skip;
        c->kind = Kind::Bind;
        for (const QString &part : parts) {
            const int output = part.toInt();
            if (output >= 1 && output <= MaxOutput && !c->outputs.contains(output))
                c->outputs << output;
        }
        // A part that is no output of these devices cannot be bound; what is left must
        // still be a group.
        return c->outputs.size() >= 2 ? Read::Change : Read::Skip;
    }
    return std::nullopt;
}

// A member whose value echoes a command.
Read readEcho(const QString &value, int deviceCode, Change *c)
{
    auto valueHas = [&value](const char *word) {
        return value.contains(QLatin1String(word));
    };
    // The words tested in this order. Analog_sel has no view here.
    struct EchoWord
    {
        const char *word;
        Kind kind;
        bool shown;
    };
    static const EchoWord words[] = {
        {"Port", Kind::OutputResolution, true},
        {"Frozen", Kind::Frozen, true},
        {"Output_Lock", Kind::OutputLock, true},
        {"Input_HDCP", Kind::InputHdcp, true},
        {"Volume", Kind::Volume, true},
        {"Analog_sel", Kind::Volume, false},
        {"MuteOn", Kind::Mute, true},
        {"MuteOff", Kind::Mute, true},
        {"Scaler_Mode", Kind::ScalingMode, true},
        {"Splitter", Kind::SplitterLayout, true},
    };
    for (const EchoWord &w : words) {
        if (!valueHas(w.word))
            continue;
        if (!w.shown)
            return Read::Skip;
        const Echo e = echoOf(value, QLatin1String(w.word));
        c->kind = w.kind;
        c->port = e.port;
        switch (w.kind) {
        case Kind::OutputResolution:
            c->text = QString(e.value).remove(QLatin1Char('!'));
            break;
        case Kind::Frozen:
        case Kind::OutputLock:
            c->flag = e.value.toInt() == 1;
            break;
        case Kind::Volume:
            c->port = audioPort(e.port, deviceCode);
            c->value = e.value.toInt();
            break;
        case Kind::Mute:
            c->port = audioPort(e.port, deviceCode);
            c->flag = w.word == QLatin1String("MuteOn");
            break;
        case Kind::SplitterLayout:
            // "Splitter2": the number is the layout, not a port.
            c->port = 0;
            c->value = e.port;
            break;
        default:
            c->value = e.value.toInt();
            break;
        }
        return Read::Change;
    }
    return Read::Skip;
}

Read readMember(const QString &key, const QString &value, int members, int deviceCode, Change *c)
{
    auto keyHas = [&key](const char *word) {
        return key.contains(QLatin1String(word));
    };

    if (keyHas("mode") && members == 1) {
        c->kind = Kind::SpliceMode;
        c->value = value.toInt();
        return Read::Change;
    }
    if ((keyHas("Chn") || keyHas("Mode") || keyHas("Color")) && members == 3)
        return Read::Skip; // the no-signal dialog reads it from the raw forward
    if (const std::optional<Read> r = readRoute(key, value, deviceCode, c))
        return *r;
    if (const std::optional<Read> r = readBind(key, value, c))
        return *r;
    return readEcho(value, deviceCode, c);
}

bool needsPort(Kind kind)
{
    return kind != Kind::SpliceMode && kind != Kind::Bind && kind != Kind::SplitterLayout;
}

} // namespace

QList<Change> read(const QJsonObject &notice, int deviceCode)
{
    QList<Change> changes;
    const int members = notice.size();
    for (auto it = notice.begin(); it != notice.end(); ++it) {
        Change c;
        const Read r = readMember(it.key(), valueText(it.value()), members, deviceCode, &c);
        if (r == Read::Stop)
            break;
        // A port that is not a number would land on port 0, which no view shows. No model
        // numbers a port beyond three digits; a device sending ever new ones would only
        // grow the store.
        if (r == Read::Change && (!needsPort(c.kind) || (c.port > 0 && c.port <= MaxPort)))
            changes << c;
    }
    return changes;
}

} // namespace ChangeNotice
