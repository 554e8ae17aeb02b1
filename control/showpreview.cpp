#include "showpreview.h"

#include "route.h"

#include <QHash>

namespace {

using Names = ShowDocument::Names;

QString modelName(int code)
{
    return ShowDocument::modelText(DeviceModels::fromCodeOr(code));
}

bool hasWallGroups(int code)
{
    return DeviceModels::is(code, DeviceModel::Model0808) ||
           DeviceModels::is(code, DeviceModel::Model0809) ||
           DeviceModels::is(code, DeviceModel::Model0809M);
}

bool isMultiview(int code)
{
    return DeviceModels::is(code, DeviceModel::Model0409S);
}

bool isSplitterModel(int code)
{
    return DeviceModels::is(code, DeviceModel::Model0809M);
}

// Whether the route names ports of the model; splitter areas of `layouts`.
bool routeFits(const ShowRoute &route, int code, const QList<int> &layouts)
{
    RouteKind kind = RouteKind::Video;
    if (!RouteKinds::fromKey(route.kind, &kind) || !RouteKinds::kindsOf(code).contains(kind))
        return false;
    if (route.source != 0 && !RouteKinds::sources(kind, code).contains(route.source))
        return false;
    for (const int layout : layouts) {
        if (RouteKinds::outputs(kind, code, layout).contains(route.output))
            return true;
    }
    return false;
}

QString routeKey(const ShowRoute &route)
{
    return route.kind + QLatin1Char('/') + QString::number(route.output);
}

template<typename V> int dropOutputsAbove(QMap<int, V> *map, int outputs)
{
    int dropped = 0;
    for (auto it = map->begin(); it != map->end();) {
        if (it.key() > outputs) {
            it = map->erase(it);
            ++dropped;
        } else {
            ++it;
        }
    }
    return dropped;
}

QString groupsText(const QMap<int, QList<int>> &groups)
{
    QStringList parts;
    for (const QList<int> &members : groups) {
        QStringList outputs;
        for (const int output : members)
            outputs << QString::number(output);
        parts << outputs.join(QLatin1Char('+'));
    }
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QStringLiteral(", "));
}

QString bezelText(const std::array<uint, 8> &bezel)
{
    QStringList values;
    for (const uint value : bezel)
        values << QString::number(value);
    return values.join(QLatin1Char('/'));
}

QString windowText(const QVector<int> &w)
{
    if (w.size() != 6)
        return QStringLiteral("-");
    return QStringLiteral("%1 @ %2,%3 %4x%5").arg(w[0]).arg(w[2]).arg(w[3]).arg(w[4]).arg(w[5]);
}

// Builds one preview; each step fills its section.
class Builder
{
    Q_DECLARE_TR_FUNCTIONS(ShowPreview)

public:
    Builder(const ShowDocument &doc, const ShowDocument &local, const ShowTarget &target)
        : m_doc(doc)
        , m_local(local)
        , m_target(target)
        , m_code(target.deviceCode)
    {
    }

    ShowPreview run();

private:
    ShowPreview::Section &section(ShowPart part)
    {
        for (ShowPreview::Section &s : m_preview.sections) {
            if (s.part == part)
                return s;
        }
        ShowPreview::Section s;
        s.part = part;
        s.local = ShowPreview::isLocal(part);
        s.available = s.local || bool(m_target.live);
        m_preview.sections.append(s);
        return m_preview.sections.last();
    }
    void leftOut(ShowPart part, int count)
    {
        if (count > 0) {
            m_preview.leftOut << tr("%1: %2 left out (ports or settings the %3 does not have)")
                                     .arg(ShowPreview::title(part))
                                     .arg(count)
                                     .arg(modelName(m_code));
        }
    }
    void names();
    void plans();
    void salvos();
    void routes(const ShowDeviceSnapshot &doc, const ShowDeviceSnapshot &live);
    void outputSettings(ShowDeviceSnapshot doc, const ShowDeviceSnapshot &live);
    void wall(const ShowDeviceSnapshot &doc, const ShowDeviceSnapshot &live);
    void windows(const ShowDeviceSnapshot &doc, const ShowDeviceSnapshot &live);

    const ShowDocument &m_doc;
    const ShowDocument &m_local;
    const ShowTarget &m_target;
    int m_code;
    ShowPreview m_preview;
};

QString nameLabel(Names kind)
{
    switch (kind) {
    case Names::VideoInputs:
        return ShowPreview::tr("Input");
    case Names::AudioInputs:
        return ShowPreview::tr("Audio input");
    case Names::VideoOutputs:
        return ShowPreview::tr("Output");
    case Names::AudioOutputs:
        return ShowPreview::tr("Audio output");
    case Names::InfraredOutputs:
        break;
    }
    return ShowPreview::tr("Infrared output");
}

QString routeLabel(const QString &kind)
{
    if (kind == QLatin1String("audio") || kind == QLatin1String("audio0808s"))
        return ShowPreview::tr("Audio output");
    if (kind == QLatin1String("hdmiAudio"))
        return ShowPreview::tr("HDMI audio output");
    if (kind == QLatin1String("infrared"))
        return ShowPreview::tr("Infrared output");
    if (kind == QLatin1String("splitter"))
        return ShowPreview::tr("Splitter area");
    return ShowPreview::tr("Video output");
}

void Builder::names()
{
    ShowPreview::Section &s = section(ShowPart::Names);
    for (auto kind = m_doc.names.cbegin(); kind != m_doc.names.cend(); ++kind) {
        const QMap<int, QString> stored = m_local.names.value(kind.key());
        for (auto it = kind.value().cbegin(); it != kind.value().cend(); ++it) {
            if (stored.value(it.key()) != it.value() || !stored.contains(it.key())) {
                s.changes << tr("%1 %2: \"%3\" becomes \"%4\"")
                                 .arg(nameLabel(kind.key()))
                                 .arg(it.key())
                                 .arg(stored.value(it.key()), it.value());
            }
        }
    }
    m_preview.fitted.names = m_doc.names;
    m_preview.notes << tr("Port names are kept for every device alike: they apply to all devices "
                          "this computer controls.");
}

void Builder::plans()
{
    ShowPreview::Section &s = section(ShowPart::Plans);
    for (auto it = m_doc.planNames.cbegin(); it != m_doc.planNames.cend(); ++it) {
        if (m_local.planNames.value(it.key()) != it.value() ||
            !m_local.planNames.contains(it.key())) {
            s.changes << tr("Plan %1: \"%2\" becomes \"%3\"")
                             .arg(it.key() + 1)
                             .arg(m_local.planNames.value(it.key()), it.value());
        }
    }
    m_preview.fitted.planNames = m_doc.planNames;
}

void Builder::salvos()
{
    ShowPreview::Section &s = section(ShowPart::Salvos);
    QHash<QString, QVector<ShowRoute>> stored;
    for (const ShowSalvo &salvo : m_local.salvos)
        stored.insert(salvo.name, salvo.routes);
    const QList<int> layouts{0, 1, 2, 3, 4, 5, 6};
    for (const ShowSalvo &salvo : m_doc.salvos) {
        ShowSalvo kept{salvo.name, {}};
        for (const ShowRoute &route : salvo.routes) {
            if (routeFits(route, m_code, layouts))
                kept.routes.append(route);
        }
        const int dropped = salvo.routes.size() - kept.routes.size();
        if (dropped > 0) {
            m_preview.leftOut << tr("Salvo \"%1\": %2 routes for ports the %3 does not have")
                                     .arg(salvo.name)
                                     .arg(dropped)
                                     .arg(modelName(m_code));
        }
        // A salvo with nothing left for this model is not made at all.
        if (kept.routes.isEmpty() && !salvo.routes.isEmpty())
            continue;
        if (!stored.contains(salvo.name)) {
            s.changes << tr("Salvo \"%1\": new, %2 routes").arg(salvo.name).arg(kept.routes.size());
        } else if (stored.value(salvo.name) != kept.routes) {
            s.changes << tr("Salvo \"%1\": its routes are replaced (%2 routes)")
                             .arg(salvo.name)
                             .arg(kept.routes.size());
        }
        m_preview.fitted.salvos.append(kept);
    }
}

void Builder::routes(const ShowDeviceSnapshot &doc, const ShowDeviceSnapshot &live)
{
    ShowPreview::Section &s = section(ShowPart::Routes);
    QHash<QString, int> now;
    for (const ShowRoute &route : live.routes)
        now.insert(routeKey(route), route.source);
    const QList<int> layouts{isSplitterModel(m_code) ? doc.splitterLayout : 0};
    int dropped = 0;
    for (const ShowRoute &route : doc.routes) {
        if (!routeFits(route, m_code, layouts)) {
            ++dropped;
            continue;
        }
        const QString key = routeKey(route);
        const bool same = now.contains(key) && now.value(key) == route.source;
        // Output 9 of the 0809-M is the splitter view's while a layout is set.
        const bool held = isSplitterModel(m_code) && doc.splitterLayout != 0 &&
                          route.kind == QLatin1String("video") && route.output == 9;
        // Every other route goes out, not only the ones that differ now: a video route
        // moves its bound outputs and, when HDMI audio follows video, their HDMI audio.
        if (!(same && held))
            m_preview.device.routes.append(route);
        if (same)
            continue;
        s.changes << tr("%1 %2: source %3 becomes %4")
                         .arg(routeLabel(route.kind))
                         .arg(route.output)
                         .arg(now.value(key))
                         .arg(route.source);
    }
    leftOut(ShowPart::Routes, dropped);
}

void Builder::outputSettings(ShowDeviceSnapshot doc, const ShowDeviceSnapshot &live)
{
    ShowPreview::Section &s = section(ShowPart::OutputSettings);
    const int outputs = DeviceModels::outputCount(DeviceModels::fromCodeOr(m_code));
    int dropped =
        dropOutputsAbove(&doc.resolution, outputs) + dropOutputsAbove(&doc.scaling, outputs);
    // The multiview model reports no output lock.
    if (isMultiview(m_code)) {
        dropped += doc.outputLock.size();
        doc.outputLock.clear();
    }
    dropped += dropOutputsAbove(&doc.outputLock, outputs);
    ShowDeviceChanges &d = m_preview.device;
    const auto onOff = [](bool on) {
        return on ? tr("on") : tr("off");
    };
    for (auto it = doc.outputLock.cbegin(); it != doc.outputLock.cend(); ++it) {
        if (live.outputLock.contains(it.key()) && live.outputLock.value(it.key()) == it.value())
            continue;
        s.changes << tr("Output %1: No Standby becomes %2").arg(it.key()).arg(onOff(it.value()));
        d.outputLock.insert(it.key(), it.value());
    }
    for (auto it = doc.resolution.cbegin(); it != doc.resolution.cend(); ++it) {
        if (live.resolution.value(it.key()) == it.value())
            continue;
        s.changes << tr("Output %1: resolution %2 becomes %3")
                         .arg(it.key())
                         .arg(live.resolution.value(it.key()), it.value());
        d.resolution.insert(it.key(), it.value());
    }
    for (auto it = doc.scaling.cbegin(); it != doc.scaling.cend(); ++it) {
        if (live.scaling.contains(it.key()) && live.scaling.value(it.key()) == it.value())
            continue;
        s.changes << tr("Output %1: scaling mode becomes %2").arg(it.key()).arg(it.value());
        d.scaling.insert(it.key(), it.value());
    }
    leftOut(ShowPart::OutputSettings, dropped);
}

void Builder::wall(const ShowDeviceSnapshot &doc, const ShowDeviceSnapshot &live)
{
    ShowPreview::Section &s = section(ShowPart::Wall);
    ShowDeviceChanges &d = m_preview.device;
    int dropped = 0;
    if (hasWallGroups(m_code)) {
        const int outputs = DeviceModels::outputCount(DeviceModels::fromCodeOr(m_code));
        QMap<int, QList<int>> groups;
        for (const QList<int> &members : doc.wallGroups) {
            const bool fits = std::all_of(
                members.cbegin(), members.cend(), [outputs](int o) { return o <= outputs; });
            fits ? void(groups.insert(members.first(), members)) : void(++dropped);
        }
        if (doc.spliceMode != live.spliceMode) {
            s.changes << tr("Wall layout %1 becomes %2").arg(live.spliceMode).arg(doc.spliceMode);
            d.spliceMode = doc.spliceMode;
        }
        if (groups != live.wallGroups || d.spliceMode) {
            s.changes << tr("Wall groups %1 become %2")
                             .arg(groupsText(live.wallGroups), groupsText(groups));
            d.wallGroups = groups;
            d.groupsToDissolve = live.wallGroups.keys();
        }
    } else {
        dropped += doc.wallGroups.size() + (doc.spliceMode != 0 ? 1 : 0);
    }
    if (doc.bezel != live.bezel) {
        s.changes << tr("Bezel compensation %1 becomes %2")
                         .arg(bezelText(live.bezel), bezelText(doc.bezel));
        d.bezel = doc.bezel;
    }
    if (isMultiview(m_code)) {
        if (doc.virMode != live.virMode) {
            s.changes << tr("Multiview layout %1 becomes %2").arg(live.virMode).arg(doc.virMode);
            d.virMode = doc.virMode;
        }
        for (auto it = doc.rotation.cbegin(); it != doc.rotation.cend(); ++it) {
            if (live.rotation.contains(it.key()) && live.rotation.value(it.key()) == it.value())
                continue;
            s.changes << tr("Output %1: rotation becomes %2").arg(it.key()).arg(it.value() * 90);
            d.rotation.insert(it.key(), it.value());
        }
    } else {
        dropped += doc.rotation.size() + (doc.virMode != 0 ? 1 : 0);
    }
    if (isSplitterModel(m_code) && doc.splitterLayout != live.splitterLayout) {
        s.changes
            << tr("Splitter layout %1 becomes %2").arg(live.splitterLayout).arg(doc.splitterLayout);
        d.splitterLayout = doc.splitterLayout;
    } else if (!isSplitterModel(m_code) && doc.splitterLayout != 0) {
        ++dropped;
    }
    leftOut(ShowPart::Wall, dropped);
}

void Builder::windows(const ShowDeviceSnapshot &doc, const ShowDeviceSnapshot &live)
{
    if (!isMultiview(m_code)) {
        leftOut(ShowPart::Windows, doc.windows.size());
        return;
    }
    ShowPreview::Section &s = section(ShowPart::Windows);
    if (doc.windows == live.windows)
        return;
    for (int id = 1; id <= ShowDocument::WindowCount; ++id) {
        if (doc.windows.value(id) != live.windows.value(id)) {
            s.changes << tr("Window %1: %2 becomes %3")
                             .arg(id)
                             .arg(windowText(live.windows.value(id)),
                                  windowText(doc.windows.value(id)));
        }
    }
    m_preview.device.windows = doc.windows;
}

ShowPreview Builder::run()
{
    m_preview.fitted.model = DeviceModels::fromCodeOr(m_code);
    names();
    plans();
    salvos();
    if (m_doc.model != DeviceModels::fromCodeOr(m_code)) {
        m_preview.notes << tr("The file was written for a %1; this device is a %2. Only what fits "
                              "is applied.")
                               .arg(ShowDocument::modelText(m_doc.model), modelName(m_code));
    }
    if (!m_doc.device)
        return m_preview;
    if (!m_target.live) {
        for (const ShowPart part :
             {ShowPart::Routes, ShowPart::OutputSettings, ShowPart::Wall, ShowPart::Windows}) {
            if (ShowPreview::modelHas(part, m_code))
                section(part);
        }
        m_preview.notes << tr("The device parts wait until the device is connected; they are "
                              "offered again then.");
        return m_preview;
    }
    routes(*m_doc.device, *m_target.live);
    outputSettings(*m_doc.device, *m_target.live);
    wall(*m_doc.device, *m_target.live);
    windows(*m_doc.device, *m_target.live);
    return m_preview;
}

} // namespace

ShowPreview
ShowPreview::build(const ShowDocument &doc, const ShowDocument &local, const ShowTarget &target)
{
    return Builder(doc, local, target).run();
}

const ShowPreview::Section *ShowPreview::section(ShowPart part) const
{
    for (const Section &s : sections) {
        if (s.part == part)
            return &s;
    }
    return nullptr;
}

bool ShowPreview::hasChanges() const
{
    return std::any_of(
        sections.cbegin(), sections.cend(), [](const Section &s) { return !s.changes.isEmpty(); });
}

QString ShowPreview::title(ShowPart part)
{
    switch (part) {
    case ShowPart::Names:
        return tr("Port names on this computer");
    case ShowPart::Plans:
        return tr("Plan names on this computer");
    case ShowPart::Salvos:
        return tr("Salvos on this computer");
    case ShowPart::Routes:
        return tr("Routes on the device");
    case ShowPart::OutputSettings:
        return tr("Output settings on the device");
    case ShowPart::Wall:
        return tr("Wall settings on the device");
    case ShowPart::Windows:
        break;
    }
    return tr("Multiview windows on the device");
}

QString ShowPreview::cellText(const ShowRoute &route)
{
    return QStringLiteral("%1 %2").arg(routeLabel(route.kind)).arg(route.output);
}

bool ShowPreview::isLocal(ShowPart part)
{
    return part == ShowPart::Names || part == ShowPart::Plans || part == ShowPart::Salvos;
}

QList<ShowPart> ShowPreview::parts()
{
    return {ShowPart::Names,
            ShowPart::Plans,
            ShowPart::Salvos,
            ShowPart::Routes,
            ShowPart::OutputSettings,
            ShowPart::Wall,
            ShowPart::Windows};
}

bool ShowPreview::modelHas(ShowPart part, int deviceCode)
{
    if (part == ShowPart::Windows)
        return isMultiview(deviceCode);
    return true;
}
