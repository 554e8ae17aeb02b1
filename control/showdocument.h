#pragma once

#include "devicemodel.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

// One route of a show file: kind as RouteKinds::key text, ports as the grids number them.
struct ShowRoute
{
    QString kind;
    int output = 0;
    int source = 0;
    bool operator==(const ShowRoute &o) const
    {
        return kind == o.kind && output == o.output && source == o.source;
    }
};

struct ShowSalvo
{
    QString name;
    QVector<ShowRoute> routes;
    bool operator==(const ShowSalvo &o) const { return name == o.name && routes == o.routes; }
};

// What the client knew of the device when the file was written.
struct ShowDeviceSnapshot
{
    QVector<ShowRoute> routes;
    QMap<int, bool> outputLock; // the device's Output_Lock ("No Standby")
    QMap<int, QString> resolution;
    QMap<int, int> scaling;
    QMap<int, int> rotation;
    QMap<int, QList<int>> wallGroups; // master -> outputs, master first
    int spliceMode = 0;
    int virMode = 0;
    int splitterLayout = 0;
    std::array<uint, 8> bezel{{0, 0, 0, 0, 0, 0, 0, 0}}; // x1..x4, y1..y4
    QMap<int, QVector<int>> windows;                     // id -> input, layer, x, y, w, h
    bool operator==(const ShowDeviceSnapshot &o) const;
};

// A show file: the names, plan names and salvos of an installation and, optionally, a
// snapshot of the device, as one versioned JSON document. The writer is deterministic
// (sorted keys, fixed order), so the same content always gives the same bytes; the
// reader refuses anything it cannot apply whole. Plain value; any thread.
class ShowDocument
{
    Q_DECLARE_TR_FUNCTIONS(ShowDocument)

public:
    enum class Names { VideoInputs, AudioInputs, VideoOutputs, AudioOutputs, InfraredOutputs };

    static constexpr int Version = 1;
    static constexpr qint64 MaxBytes = 1024 * 1024;
    static constexpr int MaxNameLength = 64;
    static constexpr int MaxSalvos = 1000;
    static constexpr int MaxRoutes = 256;
    static constexpr int PlanCount = 10;
    static constexpr int WindowCount = 4;

    DeviceModel model = DeviceModels::Fallback;
    QMap<Names, QMap<int, QString>> names;
    QMap<int, QString> planNames; // plan index 0..9
    QVector<ShowSalvo> salvos;
    std::optional<ShowDeviceSnapshot> device;

    bool operator==(const ShowDocument &o) const;

    QByteArray toJson() const;
    // Writes through QSaveFile; false with *error set when it could not.
    bool writeFile(const QString &path, QString *error) const;

    // Empty with *error set (a sentence for the operator) when the bytes are not a show
    // file this client can apply.
    static std::optional<ShowDocument> fromJson(const QByteArray &bytes, QString *error);
    // Refuses a file over MaxBytes before reading it.
    static std::optional<ShowDocument> readFile(const QString &path, QString *error);

    static QList<Names> nameKinds();
    static QString namesKey(Names kind);
    // Highest port number a name of `kind` belongs to.
    static int maxPort(Names kind);
    // "0809" for the model, and back (empty when the text names none).
    static QString modelText(DeviceModel model);
    static std::optional<DeviceModel> modelFromText(const QString &text);
    // Whether output and source are ports a route of that kind may name on some model.
    static bool routeInRange(const ShowRoute &route);
    // Whether a resolution text is safe to send (it goes inside a command).
    static bool resolutionTextValid(const QString &text);
};
