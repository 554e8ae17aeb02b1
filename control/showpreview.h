#pragma once

#include "showdocument.h"

#include <QHash>
#include <QStringList>

#include <optional>

// The parts of a show file an operator picks, local ones first.
enum class ShowPart { Names, Plans, Salvos, Routes, OutputSettings, Wall, Windows };
inline uint qHash(ShowPart part, uint seed = 0)
{
    return ::qHash(int(part), seed);
}

// Where a show file would go: the device address and model of config.ini, and the live
// device's picture when connected.
struct ShowTarget
{
    QString ip;
    int deviceCode = 1;
    std::optional<ShowDeviceSnapshot> live; // empty while offline
};

// What the device parts would send, cut to the target's model: every route of the file,
// and of the settings only those that differ.
struct ShowDeviceChanges
{
    QVector<ShowRoute> routes;
    QMap<int, bool> outputLock;
    QMap<int, QString> resolution;
    QMap<int, int> scaling;
    QMap<int, int> rotation;
    std::optional<int> spliceMode;
    std::optional<QMap<int, QList<int>>> wallGroups; // the groups wanted, whole
    QList<int> groupsToDissolve;                     // masters of live groups that go
    std::optional<std::array<uint, 8>> bezel;
    std::optional<int> virMode;
    std::optional<int> splitterLayout;
    std::optional<QMap<int, QVector<int>>> windows; // the windows wanted, whole
};

// What importing a show file would change, locally and on the device, before anything
// happens: one section per part with a line per change, what does not fit the target and
// why, and the document cut to the target (what applying writes and sends). Pure; any thread.
class ShowPreview
{
    Q_DECLARE_TR_FUNCTIONS(ShowPreview)

public:
    struct Section
    {
        ShowPart part = ShowPart::Names;
        bool local = true;
        bool available = true; // device parts: false while offline
        QStringList changes;
    };

    QVector<Section> sections;
    QStringList leftOut;
    QStringList notes;
    ShowDocument fitted; // local parts cut to the target
    ShowDeviceChanges device;

    // local: what project.db holds now for the target's address.
    static ShowPreview
    build(const ShowDocument &doc, const ShowDocument &local, const ShowTarget &target);

    const Section *section(ShowPart part) const;
    bool hasChanges() const;
    static QString title(ShowPart part);
    // "Video output 2", "Splitter area 1": the cell a route goes to.
    static QString cellText(const ShowRoute &route);
    static bool isLocal(ShowPart part);
    static QList<ShowPart> parts();
    // Whether the model has the part's settings at all.
    static bool modelHas(ShowPart part, int deviceCode);
};
