#pragma once

#include <QString>

class DialogLauncher;
class GridWiring;
class LinkStatusView;
class ListWidget;
class PortMenus;
class QTabWidget;
class Widget;
struct WindowContext;

// The port menus of the window: one PortMenus on every grid and the signal list, with the
// dialogs its entries open over the window. GUI thread.
namespace PortMenuWiring {

struct Parts
{
    GridWiring *grids = nullptr;
    LinkStatusView *status = nullptr;
    DialogLauncher *dialogs = nullptr;
    QTabWidget *tabs = nullptr;
    ListWidget *list = nullptr;
};

PortMenus *build(Widget *window, WindowContext &context, const Parts &parts);
// "[3] Stage", or "[3] Output 3" while the output has no name: a dialog title's port.
QString outputLabel(int output);

} // namespace PortMenuWiring
