#pragma once

#include "gridlayout.h"

#include <QString>
#include <QVector>

#include <functional>

// Dialogs of other windows a port menu opens; each comes through an opener set on
// PortMenus, and an entry without one is shown disabled.
enum class PortDialog {
    NoSignalOut,
    ScalingMode,
    OutputGraphicsTest,
    InputGraphicsTest,
    Osd,
    Edid
};

enum class MenuAction {
    Splice,
    Rename,
    Resolution,
    NoSignalOut,
    ScalingMode,
    OutputGraphicsTest,
    Clear,
    SwitchLayout,
    Freeze,
    NoSignalInput,
    AudioMode,
    InputGraphicsTest,
    Osd,
    Edid,
    Volume,
    InputResolution,
    Hdcp,
    Submenu
};

// One entry of a port menu as the operator sees it. `text` is the untranslated source
// text (context "PortMenus"); `command` is what choosing it sends, empty when it sends
// nothing by itself.
struct MenuEntry
{
    MenuAction action = MenuAction::Rename;
    QString text;
    int value = -1; // the submenu entry's value: layout, lock flag, audio mode, HDCP index
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    bool unavailable = false; // its dialog is not in this version
    QString command;
    QVector<MenuEntry> children; // a submenu when not empty
};

// Where a menu was asked for: a grid cell or an item of the signal list.
enum class ListItem { Input, Audio };

// Decides the port menus: entries in order, texts, check marks, commands and which
// entries the current user may use. Reads the device-state store; no widgets. GUI thread.
class PortMenuModel
{
public:
    struct Context
    {
        std::function<bool(int key)> functionRight;            // unset: allowed
        std::function<bool(int port, int category)> portRight; // unset: allowed
        std::function<bool(int output)> isBound;               // unset: nothing bound
        std::function<bool(PortDialog)> dialogAvailable;       // unset: none
    };

    // The menu of a grid cell; empty for a locked cell.
    static QVector<MenuEntry>
    gridMenu(GridLayout::Kind kind, int port, bool cellLocked, const Context &context);
    // The menu of a signal list item; only "Rename(F2)" on the infrared page.
    static QVector<MenuEntry>
    listMenu(ListItem item, int port, bool infraredPage, const Context &context);

    // The 25 output resolutions, sent as they stand.
    static const QVector<QString> &resolutions();
    // The port the volume dialog sets for a list item: an input's audio is 100 + n,
    // except on the multiview device, which numbers it as the input.
    static int volumePort(ListItem item, int port, int deviceCode);

private:
    static QVector<MenuEntry> videoMenu(int port, const Context &context);
    static QVector<MenuEntry> audioMenu(GridLayout::Kind kind, int port, const Context &context);
    static QVector<MenuEntry> inputMenu(int port, const Context &context);
};
