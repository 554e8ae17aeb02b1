#pragma once

#include "actinguser.h"
#include "appsettings.h"
#include "dialogrunner.h"
#include "permissionstore.h"

#include <QDialog>

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

    Ui::Widget *ui = nullptr;
    PermissionStore permissions;
    OperatorCore *core = nullptr;
    VideoSplitManager *bind = nullptr; // the core's bind groups, drawn on the video grid
    DialogRunner runDialog;

    // The logged-in user, who acts in this window.
    ActingUser actingUser() const
    {
        return ActingUser::of(AppSettings::instance()->currentUserType(), permissions);
    }
    int run(QDialog &dialog) const { return Dialogs::run(runDialog, dialog); }
};
