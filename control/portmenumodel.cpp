#include "portmenumodel.h"

#include "commands.h"
#include "devicemodel.h"
#include "devicestate.h"
#include "permissionstore.h"

#include <QCoreApplication>

namespace {

using PS = PermissionStore;
constexpr int NoDialog = -1;

// One entry of a menu table: what it needs to be enabled.
struct Row
{
    MenuAction action;
    const char *text;
    int rights[2];   // function rights, 0 for none (right 0 is never asked by a menu)
    bool portRight;  // needs the right on the menu's port
    bool notOnCode3; // never on the 0808-S
    int dialog;      // PortDialog it opens, NoDialog
};

const Row videoRows[] = {
    {MenuAction::Splice,
     QT_TRANSLATE_NOOP("PortMenus", "Splice"),
     {PS::VideoSwitch, PS::Splice},
     true,
     true,
     NoDialog},
    {MenuAction::Rename,
     QT_TRANSLATE_NOOP("PortMenus", "Rename(F2)"),
     {0, 0},
     false,
     false,
     NoDialog},
    {MenuAction::Resolution,
     QT_TRANSLATE_NOOP("PortMenus", "Resolution"),
     {0, 0},
     false,
     false,
     NoDialog},
    {MenuAction::NoSignalOut,
     QT_TRANSLATE_NOOP("PortMenus", "无信号输出"),
     {PS::NoSignalOutput, 0},
     true,
     false,
     int(PortDialog::NoSignalOut)},
    {MenuAction::ScalingMode,
     QT_TRANSLATE_NOOP("PortMenus", "缩放模式"),
     {PS::ScalingMode, 0},
     true,
     false,
     int(PortDialog::ScalingMode)},
    {MenuAction::OutputGraphicsTest,
     QT_TRANSLATE_NOOP("PortMenus", "Graphics Test"),
     {PS::OutputGraphicsTest, 0},
     true,
     false,
     int(PortDialog::OutputGraphicsTest)},
    {MenuAction::Clear,
     QT_TRANSLATE_NOOP("PortMenus", "清除"),
     {PS::VideoSwitch, 0},
     true,
     false,
     NoDialog},
    {MenuAction::SwitchLayout,
     QT_TRANSLATE_NOOP("PortMenus", "Switch Layout"),
     {0, 0},
     false,
     false,
     NoDialog},
    // The freeze icon asks for the output and right 27; the menu entry does the same.
    {MenuAction::Freeze,
     QT_TRANSLATE_NOOP("PortMenus", "Freeze / Unfreeze"),
     {PS::PausePlayOutput, 0},
     true,
     false,
     NoDialog},
    {MenuAction::NoSignalInput,
     QT_TRANSLATE_NOOP("PortMenus", "No Signal Input"),
     {0, 0},
     false,
     false,
     NoDialog},
};

const Row inputRows[] = {
    {MenuAction::Rename,
     QT_TRANSLATE_NOOP("PortMenus", "Rename(F2)"),
     {0, 0},
     false,
     false,
     NoDialog},
    {MenuAction::InputGraphicsTest,
     QT_TRANSLATE_NOOP("PortMenus", "GraphicsTest"),
     {PS::InputGraphicsTest, 0},
     true,
     false,
     int(PortDialog::InputGraphicsTest)},
    {MenuAction::Osd,
     QT_TRANSLATE_NOOP("PortMenus", "OSD Setting"),
     {PS::Osd, 0},
     true,
     false,
     int(PortDialog::Osd)},
    {MenuAction::Edid,
     QT_TRANSLATE_NOOP("PortMenus", "Edid"),
     {PS::Edid, 0},
     true,
     false,
     int(PortDialog::Edid)},
    {MenuAction::Volume,
     QT_TRANSLATE_NOOP("PortMenus", "Volume Setting"),
     {PS::Volume, 0},
     false,
     false,
     NoDialog},
    {MenuAction::InputResolution,
     QT_TRANSLATE_NOOP("PortMenus", "Resolution"),
     {0, 0},
     false,
     false,
     NoDialog},
    {MenuAction::Hdcp,
     QT_TRANSLATE_NOOP("PortMenus", "HDCP Setting"),
     {0, 0},
     false,
     false,
     NoDialog},
};

const char *const layoutTexts[] = {QT_TRANSLATE_NOOP("PortMenus", "3 x 3"),
                                   QT_TRANSLATE_NOOP("PortMenus", "2 x 4")};
const char *const standbyTexts[] = {QT_TRANSLATE_NOOP("PortMenus", "No Standby"),
                                    QT_TRANSLATE_NOOP("PortMenus", "Standby")};
const char *const audioModeTexts[] = {QT_TRANSLATE_NOOP("PortMenus", "数字音频"),
                                      QT_TRANSLATE_NOOP("PortMenus", "模拟音频")};
const char *const hdcpTexts[] = {QT_TRANSLATE_NOOP("PortMenus", "Auto"),
                                 QT_TRANSLATE_NOOP("PortMenus", "Not Support"),
                                 QT_TRANSLATE_NOOP("PortMenus", "HDCP 1.4 Only"),
                                 QT_TRANSLATE_NOOP("PortMenus", "HDCP 2.2 Only")};
const char *const unsplice = QT_TRANSLATE_NOOP("PortMenus", "Unsplice");
const char *const audioModeText = QT_TRANSLATE_NOOP("PortMenus", "音频模式");
const char *const noInputText = QT_TRANSLATE_NOOP("PortMenus", "No Input");

bool functionAllowed(const PortMenuModel::Context &c, int key)
{
    return key == 0 || !c.functionRight || c.functionRight(key);
}

bool portAllowed(const PortMenuModel::Context &c, int port, int category)
{
    return !c.portRight || c.portRight(port, category);
}

MenuEntry
entryFor(const Row &row, int port, int category, int deviceCode, const PortMenuModel::Context &c)
{
    MenuEntry e;
    e.action = row.action;
    e.text = QString::fromUtf8(row.text);
    e.enabled = functionAllowed(c, row.rights[0]) && functionAllowed(c, row.rights[1]) &&
                (!row.portRight || portAllowed(c, port, category)) &&
                !(row.notOnCode3 && DeviceModels::is(deviceCode, DeviceModel::Model0808S));
    if (row.dialog != NoDialog &&
        !(c.dialogAvailable && c.dialogAvailable(PortDialog(row.dialog)))) {
        e.enabled = false;
        e.unavailable = true;
    }
    return e;
}

MenuEntry choice(MenuAction action,
                 const char *text,
                 int value,
                 bool checked,
                 bool enabled,
                 const QString &command)
{
    MenuEntry e;
    e.action = action;
    e.text = QString::fromUtf8(text);
    e.value = value;
    e.checkable = true;
    e.checked = checked;
    e.enabled = enabled;
    e.command = command;
    return e;
}

QVector<MenuEntry> resolutionChoices(int port, bool allowed)
{
    const QString stored = DeviceState::instance()->outputResolutions(port);
    QVector<MenuEntry> entries;
    for (const QString &r : PortMenuModel::resolutions()) {
        MenuEntry item = choice(MenuAction::Resolution,
                                "",
                                -1,
                                r == stored,
                                allowed,
                                Commands::portResolution(port, r));
        item.text = r;
        entries << item;
    }
    return entries;
}

// "No Standby" is the output lock.
QVector<MenuEntry> standbyChoices(int port, bool allowed)
{
    const bool locked = DeviceState::instance()->outputLocked(port);
    return {choice(MenuAction::NoSignalInput,
                   standbyTexts[0],
                   1,
                   locked,
                   allowed,
                   Commands::outputLock(port, true)),
            choice(MenuAction::NoSignalInput,
                   standbyTexts[1],
                   0,
                   !locked,
                   allowed,
                   Commands::outputLock(port, false))};
}

} // namespace

const QVector<QString> &PortMenuModel::resolutions()
{
    static const QVector<QString> list = {QStringLiteral("800x600x60Hz"),
                                          QStringLiteral("1024x768x60Hz"),
                                          QStringLiteral("1280x720x50Hz"),
                                          QStringLiteral("1280x720x60Hz"),
                                          QStringLiteral("1280x768x60Hz"),
                                          QStringLiteral("1280x800x60Hz"),
                                          QStringLiteral("1280x960x60Hz"),
                                          QStringLiteral("1280x1024x60Hz"),
                                          QStringLiteral("1360x768x60Hz"),
                                          QStringLiteral("1366x768x60Hz"),
                                          QStringLiteral("1440x900x60Hz"),
                                          QStringLiteral("1600x900x60Hz"),
                                          QStringLiteral("1600x1200x60Hz"),
                                          QStringLiteral("1920x540x50Hz"),
                                          QStringLiteral("1920x540x60Hz"),
                                          QStringLiteral("1920x1080x30Hz"),
                                          QStringLiteral("1920x1080x50Hz"),
                                          QStringLiteral("1920x1080x60Hz"),
                                          QStringLiteral("1920x1200x60Hz"),
                                          QStringLiteral("2560x1440x60Hz"),
                                          QStringLiteral("3840x2160x30Hz"),
                                          QStringLiteral("4096x2160x30Hz"),
                                          QStringLiteral("3840x2160x60Hz"),
                                          QStringLiteral("4096x2160x60Hz"),
                                          QStringLiteral("AUTO")};
    return list;
}

int PortMenuModel::volumePort(ListItem item, int port, int deviceCode)
{
    if (item == ListItem::Audio || DeviceModels::is(deviceCode, DeviceModel::Model0409S))
        return port;
    return 100 + port;
}

QVector<MenuEntry>
PortMenuModel::gridMenu(GridLayout::Kind kind, int port, bool cellLocked, const Context &context)
{
    if (cellLocked || port <= 0)
        return {};
    if (kind == GridLayout::Kind::Video)
        return videoMenu(port, context);
    return audioMenu(kind, port, context);
}

QVector<MenuEntry> PortMenuModel::videoMenu(int port, const Context &c)
{
    DeviceState *state = DeviceState::instance();
    const int code = state->deviceType();
    const bool outputRight = portAllowed(c, port, PS::Output);
    QVector<MenuEntry> menu;
    for (const Row &row : videoRows) {
        MenuEntry e = entryFor(row, port, PS::Output, code, c);
        switch (row.action) {
        case MenuAction::Splice:
            if (c.isBound && c.isBound(port))
                e.text = QString::fromUtf8(unsplice);
            break;
        case MenuAction::Resolution:
            e.action = MenuAction::Submenu;
            e.children = resolutionChoices(port, outputRight && functionAllowed(c, PS::Resolution));
            break;
        case MenuAction::SwitchLayout:
            e.action = MenuAction::Submenu;
            for (int mode = 0; mode < 2; ++mode)
                e.children << choice(MenuAction::SwitchLayout,
                                     layoutTexts[mode],
                                     mode,
                                     (state->spliceMode() == 0) == (mode == 0),
                                     functionAllowed(c, PS::Splice) &&
                                         functionAllowed(c, PS::SwitchLayout) &&
                                         !DeviceModels::is(code, DeviceModel::Model0808S),
                                     Commands::mode(mode));
            break;
        case MenuAction::Freeze:
            e.command = Commands::frozen(port, !state->outputFrozen(port));
            break;
        case MenuAction::NoSignalInput:
            e.action = MenuAction::Submenu;
            e.children = standbyChoices(port, outputRight && functionAllowed(c, PS::NoSignalInput));
            break;
        case MenuAction::NoSignalOut:
            e.command = Commands::getNoinput(port);
            break;
        case MenuAction::ScalingMode:
            e.command = Commands::getScaler(port);
            break;
        case MenuAction::Clear:
            e.command = Commands::switchPort(0, 0, port, code);
            break;
        default:
            break;
        }
        menu << e;
    }
    return menu;
}

QVector<MenuEntry> PortMenuModel::audioMenu(GridLayout::Kind kind, int port, const Context &c)
{
    const int code = DeviceState::instance()->deviceType();
    // The rights of clearing are those of a drop on that cell.
    const GridLayout::DropRights rights = GridLayout::dropRights(int(kind), port, 0);
    const bool portRight =
        !rights.checked || portAllowed(c, rights.outputPort, rights.outputCategory);
    MenuEntry clear;
    clear.action = MenuAction::Clear;
    clear.text = QString::fromUtf8(QT_TRANSLATE_NOOP("PortMenus", "清除"));
    clear.enabled = portRight && (!rights.checked || functionAllowed(c, rights.functionRight));
    clear.command = Commands::switchPort(0, kind == GridLayout::Kind::Infrared ? 2 : 1, port, code);
    MenuEntry rename;
    rename.action = MenuAction::Rename;
    rename.text = QString::fromUtf8(QT_TRANSLATE_NOOP("PortMenus", "Rename(F2)"));
    QVector<MenuEntry> menu{clear, rename};
    if (kind == GridLayout::Kind::Infrared)
        return menu;
    MenuEntry mode;
    mode.action = MenuAction::Submenu;
    mode.text = QString::fromUtf8(audioModeText);
    for (int m = 0; m < 2; ++m) {
        MenuEntry e = choice(MenuAction::AudioMode,
                             audioModeTexts[m],
                             m,
                             false,
                             portRight,
                             Commands::analogSel(port, m));
        e.checkable = false;
        mode.children << e;
    }
    menu << mode;
    return menu;
}

QVector<MenuEntry>
PortMenuModel::listMenu(ListItem item, int port, bool infraredPage, const Context &c)
{
    MenuEntry rename;
    rename.action = MenuAction::Rename;
    rename.text = QString::fromUtf8(inputRows[0].text);
    if (infraredPage || port <= 0)
        return port <= 0 ? QVector<MenuEntry>() : QVector<MenuEntry>{rename};
    if (item == ListItem::Audio) {
        MenuEntry volume = entryFor(inputRows[4], port, PS::Audio, 0, c);
        volume.enabled = volume.enabled && portAllowed(c, port, PS::Audio);
        return {rename, volume};
    }
    return inputMenu(port, c);
}

QVector<MenuEntry> PortMenuModel::inputMenu(int port, const Context &c)
{
    DeviceState *state = DeviceState::instance();
    const int code = state->deviceType();
    QVector<MenuEntry> menu;
    for (const Row &row : inputRows) {
        MenuEntry e = entryFor(row, port, PS::Input, code, c);
        switch (row.action) {
        case MenuAction::Osd:
            e.command = Commands::getOsd(port);
            break;
        case MenuAction::Volume:
            e.enabled = e.enabled && portAllowed(c, port, PS::Audio);
            break;
        case MenuAction::InputResolution: {
            e.action = MenuAction::Submenu;
            const QString stored = state->inputResolutions(port);
            MenuEntry shown =
                choice(MenuAction::InputResolution, noInputText, -1, true, true, QString());
            if (!stored.isEmpty())
                shown.text = stored;
            e.children << shown;
            break;
        }
        case MenuAction::Hdcp: {
            e.action = MenuAction::Submenu;
            const bool allowed = portAllowed(c, port, PS::Input) && functionAllowed(c, PS::Hdcp);
            const int stored = state->inputHdcp(port);
            for (int i = 0; i < 4; ++i)
                e.children << choice(MenuAction::Hdcp,
                                     hdcpTexts[i],
                                     i,
                                     stored == i,
                                     allowed,
                                     Commands::inputHdcp(port, i));
            break;
        }
        default:
            break;
        }
        menu << e;
    }
    return menu;
}
