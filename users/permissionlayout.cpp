#include "permissionlayout.h"

#include <algorithm>

namespace {

const char *const FunctionLabels[PermissionStore::FunctionKeyCount] = {
    QT_TRANSLATE_NOOP("PermissionDialog", "Splicing\nSetting"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Splicing\nWall"),
    QT_TRANSLATE_NOOP("PermissionDialog", "OSD"),
    QT_TRANSLATE_NOOP("PermissionDialog", "EDID"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Volume"),
    QT_TRANSLATE_NOOP("PermissionDialog", "HDCP"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Splice"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Resolution"),
    QT_TRANSLATE_NOOP("PermissionDialog", "No Signal\nOutput"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Scaling\nMode"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Switch\nLayout"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Plan\nOperation"),
    QT_TRANSLATE_NOOP("PermissionDialog", "No Signal\nInput"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Graphics\nTest"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Graphics\nTest"),
    QT_TRANSLATE_NOOP("PermissionDialog", "NetWork"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Caption"),
    QT_TRANSLATE_NOOP("PermissionDialog", "User"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Bezel"),
    QT_TRANSLATE_NOOP("PermissionDialog", "DHCP"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Login-Free\nOption"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Version\nInfomation"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Video\nSwitch"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Audio\nSwitch"),
    QT_TRANSLATE_NOOP("PermissionDialog", "HDMI Audio\nSwitch"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Infared\nSwitch"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Close/Open\nOutput"),
    QT_TRANSLATE_NOOP("PermissionDialog", "Pause/Play\nOutput"),
};

QVector<int> ports(int count)
{
    QVector<int> p;
    for (int i = 1; i <= count; ++i)
        p << i;
    return p;
}

} // namespace

QVector<PermissionLayout::Group> PermissionLayout::groups()
{
    using K = Kind;
    const QString series = seriesName();
    return {
        {QStringLiteral("gb_setting"),
         tr("Setting Page"),
         tr("All (Setting Page)"),
         K::Function,
         {15, 16, 17, 18, 19, 20, 21},
         4},
        {QStringLiteral("gb_matswi"),
         tr("Matrix Signal Switch"),
         tr("All (Matrix Signal Switch)"),
         K::Function,
         {22, 23, 24, 25},
         4},
        {QStringLiteral("gb_matrix"),
         tr("Matrix Entry Menu"),
         tr("All (Matrix Menu)"),
         K::Function,
         {6, 7, 8, 9, 10, 11, 26, 27, 12, 13},
         4},
        {QStringLiteral("gb_signal"),
         tr("Signal Entry Menu"),
         tr("All (Signal Menu)"),
         K::Function,
         {2, 3, 4, 5, 14},
         4},
        // "%10409" would read as placeholder %10 to arg(); the name goes in as text.
        {QStringLiteral("gb_0409"),
         tr("%10409").replace(QLatin1String("%1"), series),
         tr("All (%10409)").replace(QLatin1String("%1"), series),
         K::Function,
         {0, 1},
         4},
        {QStringLiteral("gb_input"),
         tr("HDMI Input Port"),
         tr("All (HDMI Input)"),
         K::Input,
         ports(8),
         4},
        {QStringLiteral("gb_audio"),
         tr("Audio Signal Port"),
         tr("All (Audio Signal)"),
         K::Audio,
         ports(8),
         4},
        {QStringLiteral("gb_output"),
         tr("HDMI Output Port"),
         tr("All (HDMI Output)"),
         K::Output,
         ports(9),
         5},
        {QStringLiteral("gb_analog"),
         tr("Analog Audio Port"),
         tr("All (Analog Port)"),
         K::Analog,
         ports(9),
         5},
    };
}

QString PermissionLayout::functionLabel(int key)
{
    if (key < 0 || key >= PermissionStore::FunctionKeyCount)
        return QString();
    return tr(FunctionLabels[key]);
}

QString PermissionLayout::portLabel(Kind kind, int port)
{
    switch (kind) {
    case Kind::Input:
        return tr("Input %1").arg(port);
    case Kind::Output:
        return tr("Output %1").arg(port);
    case Kind::Audio:
        return tr("Audio %1").arg(port);
    case Kind::Analog:
        return tr("Analog %1").arg(port);
    case Kind::Function:
        break;
    }
    return functionLabel(port);
}

int PermissionLayout::portCount(Kind kind)
{
    return kind == Kind::Output || kind == Kind::Analog ? 9 : 8;
}

bool PermissionLayout::startsChecked(Kind kind, int key)
{
    return kind != Kind::Function || key < PermissionStore::VideoSwitch ||
           key > PermissionStore::InfraredSwitch;
}

QVector<bool> PermissionLayout::selectAll(const QVector<bool> &states)
{
    const bool anyOff = std::any_of(states.begin(), states.end(), [](bool on) { return !on; });
    return QVector<bool>(states.size(), anyOff);
}

bool PermissionLayout::storedOr(const QVector<bool> &stored, int index, bool fallback)
{
    return index >= 0 && index < stored.size() ? stored.at(index) : fallback;
}
