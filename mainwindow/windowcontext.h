#pragma once

#include "dialogrunner.h"
#include "permissionstore.h"

#include <QDialog>

class VideoSplitManager;

namespace Ui {
class Widget;
}

// What the parts of the main window share: the form, the logged-in user's rights,
// the bind groups, the HDMI audio choice and the way dialogs are run. Owned by Widget.
struct WindowContext
{
    // Runs a modal dialog and returns its result; tests answer dialogs themselves.

    Ui::Widget *ui = nullptr;
    PermissionStore permissions;
    VideoSplitManager *bind = nullptr;
    bool hdmiAudioFollowsVideo = false;
    DialogRunner runDialog;

    int run(QDialog &dialog) const { return Dialogs::run(runDialog, dialog); }
};
