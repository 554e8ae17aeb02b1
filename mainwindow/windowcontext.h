#pragma once

#include "permissionstore.h"

#include <QDialog>

#include <functional>

class OperatorCore;
class VideoSplitManager;

namespace Ui {
class Widget;
}

// What the parts of the main window share: the form, the logged-in user's rights,
// the operator core (device picture, HDMI audio choice), the bind groups as the grid
// shows them and the way dialogs are run. Owned by Widget.
struct WindowContext
{
    // Runs a modal dialog and returns its result; tests answer dialogs themselves.
    using DialogRunner = std::function<int(QDialog &)>;

    Ui::Widget *ui = nullptr;
    PermissionStore permissions;
    OperatorCore *core = nullptr;
    VideoSplitManager *bind = nullptr; // the core's bind groups, drawn on the video grid
    DialogRunner runDialog;

    int run(QDialog &dialog) const { return runDialog ? runDialog(dialog) : dialog.exec(); }
};
