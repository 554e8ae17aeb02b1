#include "showdocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

namespace {

const char *const kFormat = "zeldesk-show";

struct NamesEntry
{
    ShowDocument::Names kind;
    const char *key;
    int maxPort;
};

const NamesEntry kNames[] = {
    {ShowDocument::Names::VideoInputs, "videoInputs", 8},
    {ShowDocument::Names::AudioInputs, "audioInputs", 8},
    {ShowDocument::Names::VideoOutputs, "videoOutputs", 9},
    {ShowDocument::Names::AudioOutputs, "audioOutputs", 9},
    {ShowDocument::Names::InfraredOutputs, "infraredOutputs", 9},
};

struct RouteRange
{
    const char *kind;
    int outputFrom, outputTo;
    bool hdmiOutputs;     // 100 + outputFrom..outputTo
    bool analogueOutputs; // outputFrom..outputTo
    bool embeddedSources; // 101..108 as sources
};

// Output and source ports each kind may name on any model; the model narrows them later.
const RouteRange kRanges[] = {
    {"video", 1, 9, false, true, false},
    {"infrared", 1, 9, false, true, false},
    {"splitter", 1, 9, false, true, false},
    {"audio", 1, 9, false, true, true},
    {"hdmiAudio", 1, 9, true, false, true},
    {"audio0808s", 1, 8, true, true, true},
};

int kindOrder(const QString &kind)
{
    for (int i = 0; i < int(sizeof(kRanges) / sizeof(kRanges[0])); ++i) {
        if (kind == QLatin1String(kRanges[i].kind))
            return i;
    }
    return -1;
}

QVector<ShowRoute> sortedRoutes(QVector<ShowRoute> routes)
{
    std::sort(routes.begin(), routes.end(), [](const ShowRoute &a, const ShowRoute &b) {
        const int ka = kindOrder(a.kind);
        const int kb = kindOrder(b.kind);
        return ka != kb ? ka < kb : a.output < b.output;
    });
    return routes;
}

QJsonArray routesJson(const QVector<ShowRoute> &routes)
{
    QJsonArray array;
    for (const ShowRoute &route : sortedRoutes(routes)) {
        array.append(QJsonObject{{QStringLiteral("kind"), route.kind},
                                 {QStringLiteral("output"), route.output},
                                 {QStringLiteral("source"), route.source}});
    }
    return array;
}

template<typename V, typename F> QJsonObject mapJson(const QMap<int, V> &map, F toValue)
{
    QJsonObject object;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        object.insert(QString::number(it.key()), toValue(it.value()));
    return object;
}

QJsonArray intArray(const QVector<int> &values)
{
    QJsonArray array;
    for (const int value : values)
        array.append(value);
    return array;
}

QJsonObject deviceJson(const ShowDeviceSnapshot &d)
{
    QJsonArray groups;
    for (const QList<int> &members : d.wallGroups)
        groups.append(intArray(members.toVector()));
    QJsonArray x;
    QJsonArray y;
    for (int i = 0; i < 4; ++i) {
        x.append(qint64(d.bezel[i]));
        y.append(qint64(d.bezel[i + 4]));
    }
    const auto same = [](const auto &value) {
        return QJsonValue(value);
    };
    return QJsonObject{
        {QStringLiteral("routes"), routesJson(d.routes)},
        {QStringLiteral("outputLock"), mapJson(d.outputLock, same)},
        {QStringLiteral("outputResolution"), mapJson(d.resolution, same)},
        {QStringLiteral("scaling"), mapJson(d.scaling, same)},
        {QStringLiteral("rotation"), mapJson(d.rotation, same)},
        {QStringLiteral("wallGroups"), groups},
        {QStringLiteral("spliceMode"), d.spliceMode},
        {QStringLiteral("virMode"), d.virMode},
        {QStringLiteral("splitterLayout"), d.splitterLayout},
        {QStringLiteral("bezel"), QJsonObject{{QStringLiteral("x"), x}, {QStringLiteral("y"), y}}},
        {QStringLiteral("windows"), mapJson(d.windows, intArray)},
    };
}

} // namespace

bool ShowDeviceSnapshot::operator==(const ShowDeviceSnapshot &o) const
{
    return sortedRoutes(routes) == sortedRoutes(o.routes) && outputLock == o.outputLock &&
           resolution == o.resolution && scaling == o.scaling && rotation == o.rotation &&
           wallGroups == o.wallGroups && spliceMode == o.spliceMode && virMode == o.virMode &&
           splitterLayout == o.splitterLayout && bezel == o.bezel && windows == o.windows;
}

bool ShowDocument::operator==(const ShowDocument &o) const
{
    return model == o.model && names == o.names && planNames == o.planNames && salvos == o.salvos &&
           device == o.device;
}

QByteArray ShowDocument::toJson() const
{
    QJsonObject namesObject;
    for (const NamesEntry &entry : kNames) {
        namesObject.insert(QLatin1String(entry.key),
                           mapJson(names.value(entry.kind), [](const QString &n) { return n; }));
    }
    QVector<ShowSalvo> ordered = salvos;
    std::sort(ordered.begin(), ordered.end(), [](const ShowSalvo &a, const ShowSalvo &b) {
        return a.name < b.name;
    });
    QJsonArray salvoArray;
    for (const ShowSalvo &salvo : ordered) {
        salvoArray.append(QJsonObject{{QStringLiteral("name"), salvo.name},
                                      {QStringLiteral("routes"), routesJson(salvo.routes)}});
    }
    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(kFormat)},
        {QStringLiteral("version"), Version},
        {QStringLiteral("model"), modelText(model)},
        {QStringLiteral("names"), namesObject},
        {QStringLiteral("plans"), mapJson(planNames, [](const QString &n) { return n; })},
        {QStringLiteral("salvos"), salvoArray},
    };
    if (device)
        root.insert(QStringLiteral("device"), deviceJson(*device));
    // QJsonObject keeps its keys sorted, so equal documents give equal bytes.
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ShowDocument::writeFile(const QString &path, QString *error) const
{
    QSaveFile file(path);
    const QByteArray bytes = toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = tr("Could not write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QList<ShowDocument::Names> ShowDocument::nameKinds()
{
    QList<Names> kinds;
    for (const NamesEntry &entry : kNames)
        kinds << entry.kind;
    return kinds;
}

QString ShowDocument::namesKey(Names kind)
{
    for (const NamesEntry &entry : kNames) {
        if (entry.kind == kind)
            return QLatin1String(entry.key);
    }
    return QString();
}

int ShowDocument::maxPort(Names kind)
{
    for (const NamesEntry &entry : kNames) {
        if (entry.kind == kind)
            return entry.maxPort;
    }
    return 0;
}

QString ShowDocument::modelText(DeviceModel model)
{
    static const char *const texts[] = {"0808", "0809", "0409-S", "0808-S", "0809-M"};
    return QLatin1String(texts[DeviceModels::code(model)]);
}

std::optional<DeviceModel> ShowDocument::modelFromText(const QString &text)
{
    for (int code = 0; code <= DeviceModels::code(DeviceModel::Model0809M); ++code) {
        const auto model = DeviceModels::fromCode(code);
        if (model && modelText(*model) == text)
            return model;
    }
    return std::nullopt;
}

bool ShowDocument::routeInRange(const ShowRoute &route)
{
    const int order = kindOrder(route.kind);
    if (order < 0)
        return false;
    const RouteRange &range = kRanges[order];
    const int out = route.output;
    const bool outputOk =
        (range.analogueOutputs && out >= range.outputFrom && out <= range.outputTo) ||
        (range.hdmiOutputs && out >= 100 + range.outputFrom && out <= 100 + range.outputTo);
    const int in = route.source;
    const bool sourceOk = (in >= 0 && in <= 8) || (range.embeddedSources && in >= 101 && in <= 108);
    return outputOk && sourceOk;
}

bool ShowDocument::resolutionTextValid(const QString &text)
{
    if (text.isEmpty() || text.size() > 32)
        return false;
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || c == QLatin1Char('.') ||
               c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('@') ||
               c == QLatin1Char(' ');
    });
}
