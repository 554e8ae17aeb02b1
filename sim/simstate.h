#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// One multiview window in wall pixels. A window with input 0 is closed.
struct SimWindow
{
    int input = 0;
    int layer = 0;
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool isOpen() const { return input > 0; }
    bool operator==(const SimWindow &o) const
    {
        return input == o.input && layer == o.layer && x == o.x && y == o.y && w == o.w && h == o.h;
    }
};

// What an output shows without a source: a pattern code and, for code 0, a colour.
struct SimNoSignal
{
    int mode = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The scrolling caption; colours as "r,g,b" the way the device reports them.
struct SimCaption
{
    bool on = false;
    int speed = 3;
    QString color = QStringLiteral("255,255,255");
    int x = 0;
    int y = 0;
    bool bgOn = false;
    QString bgColor = QStringLiteral("0,0,0");
    QString direction = QStringLiteral("left");
};

// A stored routing scene.
struct SimPlan
{
    bool stored = false;
    QMap<int, int> video;
    QMap<int, int> audio;
    QMap<int, int> ir;
    QMap<int, int> splitter;
    QMap<int, QVector<int>> groups;
    int spliceMode = 0;
    QVector<SimWindow> windows;
    int virMode = 0;
    int windowAudio = 0;
};

// Everything the simulated device remembers. Plain data: the command handlers change it,
// the record builders read it, and it round-trips through JSON for the state file.
struct SimState
{
    static constexpr int PlanCount = 10;
    static constexpr int WindowCount = 4;
    static constexpr int SplitterAreas = 9;
    static constexpr int SplitterBase = 900;
    static constexpr int HdmiAudioBase = 100;

    static QStringList models();
    static bool isKnownModel(const QString &model);
    static SimState defaults(const QString &model);

    bool isMultiview() const { return model == QLatin1String("0409-S"); }
    bool hasSplitter() const { return model == QLatin1String("0809-M"); }
    bool isOutput(int output) const { return output >= 1 && output <= outputs; }
    bool isInput(int input) const { return input >= 1 && input <= inputs; }
    // Ports that carry a volume: analogue sources and the inputs' embedded audio (+100).
    QVector<int> volumePorts() const;
    // The bind group holding output, or just the output when it is not bound.
    QVector<int> groupOf(int output) const;
    // Makes members one group under its first member; they leave any other group.
    void bind(const QVector<int> &members);
    // Dissolves the group holding output; returns its master, or 0 when it had none.
    int unbind(int output);
    // Routes input to output and to every output bound with it; HDMI audio follows
    // when the device is set so. Returns the outputs whose route changed.
    QVector<int> routeVideo(int output, int input);

    SimPlan capturePlan() const;
    void applyPlan(const SimPlan &plan);

    QJsonObject toJson() const;
    bool fromJson(const QJsonObject &json, QString *error = nullptr);

    QString model = QStringLiteral("0809");
    int inputs = 8;
    int outputs = 9;

    QMap<int, int> video;    // output -> input
    QMap<int, int> audio;    // audio output (1.., 101..) -> source (1..8, 101..)
    QMap<int, int> ir;       // output -> input
    QMap<int, int> splitter; // splitter area 1..9 -> input

    QMap<int, bool> inputPresent;
    QMap<int, QString> inputResolution;
    QMap<int, QString> outputResolution;
    QMap<int, bool> link;
    QMap<int, bool> frozen;
    QMap<int, bool> outputLock;
    QMap<int, bool> videoMute;
    QMap<int, int> hdcp;
    QMap<int, int> volume;
    QMap<int, int> mute;
    QMap<int, int> scalerMode;
    QMap<int, SimNoSignal> noSignal;
    QMap<int, int> inPattern;
    QMap<int, int> outPattern;
    QMap<int, int> analogSel;
    QMap<int, int> rotation;
    QMap<int, QString> edid; // input -> "builtin/<code>", "copy/<output>" or "file"
    QMap<int, bool> osdShown;
    bool subtitleShown = false;
    bool bell = false;

    SimCaption caption;
    // Empty until a client sets one: the device then reports the address it was reached on.
    QString ip;
    QString gateway = QStringLiteral("192.168.1.1");
    QString subnet = QStringLiteral("255.255.255.0");
    QString mac = QStringLiteral("00:1A:2B:3C:4D:5E");
    bool dhcp = false;

    QMap<int, QVector<int>> groups; // master -> members, master first
    int spliceMode = 0;
    int virMode = 0;
    QVector<SimWindow> windows = QVector<SimWindow>(WindowCount);
    int windowAudio = 1;
    QVector<uint> bezel = QVector<uint>(8, 0u); // x1..x4, y1..y4
    int splitterLayout = 0;
    bool hdmiAudioFollowsVideo = true;

    QVector<SimPlan> plans = QVector<SimPlan>(PlanCount);
    QMap<int, QByteArray> subtitleBitmaps;
    QMap<int, QByteArray> osdBitmaps;
    QMap<int, QByteArray> edidFiles;
};

// Output lists of the wall-group buttons: splice mode n binds these outputs.
QVector<int> spliceModeOutputs(int mode);
