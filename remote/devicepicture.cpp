#include "devicepicture.h"

#include "actinguser.h"
#include "devicestate.h"
#include "linkindicator.h"
#include "operatorcore.h"
#include "permissionstore.h"
#include "plancontroller.h"
#include "portnamestore.h"
#include "remotecontext.h"
#include "remotetexts.h"
#include "routeservice.h"
#include "staletracker.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

constexpr int EmbeddedAudio = 100;
constexpr int PlanCount = 10;
constexpr int SplitterOutput = 9;

struct KindEntry
{
    RouteKind kind;
    const char *title;
    int function;       // PermissionStore::FunctionKey
    int outputCategory; // PermissionStore::PortKind of the output right
};

const KindEntry Kinds[] = {
    {RouteKind::Video,
     QT_TRANSLATE_NOOP("RemoteApi", "Video"),
     PermissionStore::VideoSwitch,
     PermissionStore::Output},
    {RouteKind::Audio,
     QT_TRANSLATE_NOOP("RemoteApi", "Audio"),
     PermissionStore::AudioSwitch,
     PermissionStore::Analog},
    {RouteKind::HdmiAudio,
     QT_TRANSLATE_NOOP("RemoteApi", "HDMI Audio"),
     PermissionStore::HdmiAudioSwitch,
     PermissionStore::Output},
    {RouteKind::Infrared,
     QT_TRANSLATE_NOOP("RemoteApi", "Infrared"),
     PermissionStore::InfraredSwitch,
     PermissionStore::Output},
    {RouteKind::Audio0808S,
     QT_TRANSLATE_NOOP("RemoteApi", "Audio"),
     PermissionStore::AudioSwitch,
     PermissionStore::Analog},
    {RouteKind::SplitterArea,
     QT_TRANSLATE_NOOP("RemoteApi", "Splitter"),
     PermissionStore::VideoSwitch,
     PermissionStore::Output},
};

// By model code.
const char *const ModelNames[] = {"0808", "0809", "0409-S", "0808-S", "0809-M"};

const KindEntry &entryOf(RouteKind kind)
{
    for (const KindEntry &e : Kinds) {
        if (e.kind == kind)
            return e;
    }
    return Kinds[0];
}

// The default names of ports nobody named, as the client's own lists have them.
const char *const InputName = QT_TRANSLATE_NOOP("RemoteApi", "Input %1");
const char *const OutputName = QT_TRANSLATE_NOOP("RemoteApi", "Output %1");
const char *const AudioName = QT_TRANSLATE_NOOP("RemoteApi", "Audio %1");
const char *const AudioOutName = QT_TRANSLATE_NOOP("RemoteApi", "Audio Out %1");
const char *const AreaName = QT_TRANSLATE_NOOP("RemoteApi", "Area %1");

struct Speaker
{
    const RemoteTexts &texts;
    const QString &language;
    QString operator()(const char *source) const
    {
        return texts.text(language, "RemoteApi", source);
    }
};

QString named(const QMap<int, QString> &names, int port, const QString &fallback)
{
    const QString name = names.value(port).trimmed();
    return name.isEmpty() ? fallback.arg(port) : name;
}

bool isAudioKind(RouteKind kind)
{
    return kind == RouteKind::Audio || kind == RouteKind::Audio0808S;
}

QString connectionWord(const LinkIndicator *link)
{
    if (!link)
        return QStringLiteral("disconnected");
    switch (link->state()) {
    case LinkIndicator::State::Connected:
        return QStringLiteral("connected");
    case LinkIndicator::State::Connecting:
        return QStringLiteral("connecting");
    case LinkIndicator::State::Disconnected:
        break;
    }
    return QStringLiteral("disconnected");
}

QJsonObject kindPicture(const RemoteContext &context,
                        const ActingUser &user,
                        RouteKind kind,
                        const RemoteTexts &texts,
                        const QString &language)
{
    const QString title = texts.text(language, "RemoteApi", entryOf(kind).title);
    const DeviceState *state = context.core->state();
    const int code = state->deviceType();
    RouteService *routes = context.routes;
    QJsonArray outputs;
    QJsonObject live;
    for (int output : RouteKinds::outputs(kind, code, state->splitterLayout())) {
        outputs.append(QJsonObject{
            {QStringLiteral("port"), output},
            {QStringLiteral("name"), DevicePicture::outputName(kind, output, texts, language)},
            {QStringLiteral("locked"), routes && routes->isLocked(kind, output)},
            {QStringLiteral("permitted"), DevicePicture::outputPermitted(user, kind, output)}});
        live.insert(QString::number(output), RouteKinds::liveSource(kind, output, *state));
    }
    QJsonArray sources;
    for (int source : RouteKinds::sources(kind, code)) {
        sources.append(QJsonObject{
            {QStringLiteral("port"), source},
            {QStringLiteral("name"), DevicePicture::sourceName(kind, source, texts, language)}});
    }
    return {{QStringLiteral("kind"), RouteKinds::key(kind)},
            {QStringLiteral("title"), title},
            {QStringLiteral("outputs"), outputs},
            {QStringLiteral("sources"), sources},
            {QStringLiteral("routes"), live}};
}

} // namespace

bool DevicePicture::outputPermitted(const ActingUser &user, RouteKind kind, int output)
{
    const KindEntry &entry = entryOf(kind);
    int port = output;
    if (kind == RouteKind::SplitterArea)
        port = SplitterOutput;
    else if (port > EmbeddedAudio)
        port -= EmbeddedAudio;
    return user.functionAllowed(entry.function) && user.portAllowed(port, entry.outputCategory);
}

QString DevicePicture::sourceName(RouteKind kind,
                                  int source,
                                  const RemoteTexts &texts,
                                  const QString &language)
{
    const Speaker say{texts, language};
    const QMap<int, QString> inputs = PortNameStore::loadPortNames(PortNameStore::InputVideo);
    if (isAudioKind(kind)) {
        if (source > EmbeddedAudio)
            return named(inputs, source - EmbeddedAudio, say(InputName)) +
                   QStringLiteral(" (HDMI)");
        return named(
            PortNameStore::loadPortNames(PortNameStore::InputAudio), source, say(AudioName));
    }
    return named(inputs, source, say(InputName));
}

QString DevicePicture::outputName(RouteKind kind,
                                  int output,
                                  const RemoteTexts &texts,
                                  const QString &language)
{
    const Speaker say{texts, language};
    switch (kind) {
    case RouteKind::Audio:
    case RouteKind::Audio0808S:
        if (output > EmbeddedAudio)
            return named(PortNameStore::loadPortNames(PortNameStore::OutputVideo),
                         output - EmbeddedAudio,
                         say(OutputName));
        return named(PortNameStore::loadOutAudioNames(), output, say(AudioOutName));
    case RouteKind::Infrared:
        return named(PortNameStore::loadOutInfraredNames(), output, say(OutputName));
    case RouteKind::SplitterArea:
        return say(AreaName).arg(output);
    case RouteKind::HdmiAudio:
        output -= EmbeddedAudio;
        break;
    case RouteKind::Video:
        break;
    }
    return named(PortNameStore::loadPortNames(PortNameStore::OutputVideo), output, say(OutputName));
}

QJsonObject DevicePicture::connection(const RemoteContext &context)
{
    return {{QStringLiteral("connection"), connectionWord(context.link)},
            {QStringLiteral("stale"), context.stale && context.stale->isStale()}};
}

QJsonArray DevicePicture::plans(const RemoteContext &context)
{
    QJsonArray plans;
    if (!context.plans || !context.plans->isAvailable())
        return plans;
    for (int index = 0; index < PlanCount; ++index) {
        plans.append(QJsonObject{{QStringLiteral("number"), index + 1},
                                 {QStringLiteral("name"), context.plans->name(index)}});
    }
    return plans;
}

QJsonObject DevicePicture::build(const RemoteContext &context,
                                 const ActingUser &user,
                                 const RemoteTexts &texts,
                                 const QString &language)
{
    QJsonObject picture = connection(context);
    if (!context.core)
        return picture;
    const DeviceState *state = context.core->state();
    const int code = state->deviceType();
    QJsonArray kinds;
    for (RouteKind kind : RouteKinds::kindsOf(code))
        kinds.append(kindPicture(context, user, kind, texts, language));
    picture.insert(QStringLiteral("model"), QString::fromLatin1(ModelNames[code]));
    picture.insert(QStringLiteral("code"), code);
    picture.insert(QStringLiteral("kinds"), kinds);
    picture.insert(QStringLiteral("plans"), plans(context));
    return picture;
}
