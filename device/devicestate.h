#pragma once

#include "captionsettings.h"
#include "devicemodel.h"

#include <QMap>
#include <QString>
#include <QVector>

#include <array>

// Wall bezel compensation: x1..x4 then y1..y4.
struct BezelValues
{
    std::array<uint, 4> x{{0, 0, 0, 0}};
    std::array<uint, 4> y{{0, 0, 0, 0}};
    bool operator==(const BezelValues &o) const { return x == o.x && y == o.y; }
};

// One multiview window: input, layer, x, y, w, h in device pixels.
using WindowGeometry = QVector<int>;

// Each map field F of type QMap<int, V> gets: F() the whole map, setF(map),
// F(key) the entry or a zero value, setF(key, value) insert or replace.
#define ZEL_DEVICESTATE_MAP(V, name, Name)                                                         \
public:                                                                                            \
    QMap<int, V> name() const                                                                      \
    {                                                                                              \
        return m_##name;                                                                           \
    }                                                                                              \
    void set##Name(const QMap<int, V> &map)                                                        \
    {                                                                                              \
        m_##name = map;                                                                            \
    }                                                                                              \
    V name(int key) const                                                                          \
    {                                                                                              \
        return m_##name.value(key, V());                                                           \
    }                                                                                              \
    void set##Name(int key, const V &value)                                                        \
    {                                                                                              \
        m_##name.insert(key, value);                                                               \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    QMap<int, V> m_##name;

#define ZEL_DEVICESTATE_VALUE(T, name, Name, init)                                                 \
public:                                                                                            \
    T name() const                                                                                 \
    {                                                                                              \
        return m_##name;                                                                           \
    }                                                                                              \
    void set##Name(const T &value)                                                                 \
    {                                                                                              \
        m_##name = value;                                                                          \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    T m_##name = init;

// Last known state of the device, keyed by the port numbers the views use.
// Process-wide; GUI thread only (no lock beyond the creation guard). Holds values,
// validates nothing but the clamps below, emits nothing.
class DeviceState
{
public:
    static DeviceState *instance();
    DeviceState(const DeviceState &) = delete;
    DeviceState &operator=(const DeviceState &) = delete;

    ZEL_DEVICESTATE_VALUE(QString, deviceAddress, DeviceAddress, QString())
    ZEL_DEVICESTATE_VALUE(int, devicePort, DevicePort, 0)
    ZEL_DEVICESTATE_VALUE(QString, macAddress, MacAddress, QString())
    ZEL_DEVICESTATE_VALUE(QString, gateway, Gateway, QString())
    ZEL_DEVICESTATE_VALUE(QString, subnetMask, SubnetMask, QString())

public:
    // A DeviceModel code; a code that names no model reads as the fallback model.
    int deviceType() const { return DeviceModels::code(m_deviceType); }
    DeviceModel deviceTypeModel() const { return m_deviceType; }
    void setDeviceType(int code) { m_deviceType = DeviceModels::fromCodeOr(code); }
    static int normalizedDeviceType(int code)
    {
        return DeviceModels::code(DeviceModels::fromCodeOr(code));
    }

private:
    DeviceModel m_deviceType = DeviceModels::Fallback;

    ZEL_DEVICESTATE_VALUE(QString, mcuVersion, McuVersion, QString())
    ZEL_DEVICESTATE_VALUE(QString, fpgaVersion, FpgaVersion, QString())
    ZEL_DEVICESTATE_MAP(int, videoRouting, VideoRouting)
    ZEL_DEVICESTATE_MAP(int, audioRouting, AudioRouting)
    ZEL_DEVICESTATE_MAP(int, irRouting, IrRouting)
    ZEL_DEVICESTATE_MAP(QString, inputResolutions, InputResolutions)
    ZEL_DEVICESTATE_MAP(QString, outputResolutions, OutputResolutions)
    ZEL_DEVICESTATE_MAP(bool, inputPresent, InputPresent)
    ZEL_DEVICESTATE_MAP(int, volume, Volume)
    ZEL_DEVICESTATE_MAP(int, scalingMode, ScalingMode)
    ZEL_DEVICESTATE_MAP(bool, outputLinked, OutputLinked)
    ZEL_DEVICESTATE_MAP(bool, outputFrozen, OutputFrozen)
    ZEL_DEVICESTATE_MAP(bool, outputLocked, OutputLocked)
    ZEL_DEVICESTATE_MAP(bool, outputVideoMuted, OutputVideoMuted)
    ZEL_DEVICESTATE_MAP(int, inputHdcp, InputHdcp)
    ZEL_DEVICESTATE_MAP(int, audioMuted, AudioMuted)
    ZEL_DEVICESTATE_VALUE(QString, deviceModel, DeviceModel, QString())
    ZEL_DEVICESTATE_MAP(WindowGeometry, windowStatus, WindowStatus)

public:
    // Multiview wall layout 0..3; anything else stores 0.
    int virMode() const { return m_virMode; }
    void setVirMode(int mode) { m_virMode = (mode >= 1 && mode <= 3) ? mode : 0; }

private:
    int m_virMode = 0;

    ZEL_DEVICESTATE_MAP(int, rotation, Rotation)
    ZEL_DEVICESTATE_MAP(QString, planNames, PlanNames)
    ZEL_DEVICESTATE_VALUE(int, currentMode, CurrentMode, 0)

public:
    // 1..5; anything else stores 0.
    int spliceMode() const { return m_spliceMode; }
    void setSpliceMode(int mode) { m_spliceMode = (mode >= 1 && mode <= 5) ? mode : 0; }

    BezelValues bezel() const { return m_bezel; }
    void setBezel(const BezelValues &values) { m_bezel = values; }
    void setBezel(uint x1, uint x2, uint x3, uint x4, uint y1, uint y2, uint y3, uint y4)
    {
        m_bezel.x = {{x1, x2, x3, x4}};
        m_bezel.y = {{y1, y2, y3, y4}};
    }

    // The version record's value is stored as given; the splitter buttons go through
    // selectSplitterLayout, which keeps 0..6 and stores anything else as 0.
    int splitterLayout() const { return m_splitterLayout; }
    void setSplitterLayout(int layout) { m_splitterLayout = layout; }
    void selectSplitterLayout(int layout)
    {
        m_splitterLayout = (layout >= 0 && layout <= 6) ? layout : 0;
    }

private:
    int m_spliceMode = 0;
    BezelValues m_bezel;
    int m_splitterLayout = 0;

    // Output (below 900) to input of the splitter view, sent as output + 900.
    ZEL_DEVICESTATE_MAP(int, splitterRouting, SplitterRouting)
    ZEL_DEVICESTATE_VALUE(CaptionSettings, captionSettings, CaptionSettings, CaptionSettings())

private:
    DeviceState() = default;
};

#undef ZEL_DEVICESTATE_MAP
#undef ZEL_DEVICESTATE_VALUE
