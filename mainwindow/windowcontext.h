#pragma once

#include "permissionstore.h"

#include <QDialog>

#include <functional>

class VideoSplitManager;

namespace Ui {
class Widget;
}

// What the parts of the main window share: the form, the logged-in user's rights,
// the bind groups, the HDMI audio choice and the way dialogs are run. Owned by Widget.
struct WindowContext
{
    // Runs a modal dialog and returns its result; tests answer dialogs themselves.
    using DialogRunner = std::function<int(QDialog &)>;

    Ui::Widget *ui = nullptr;
    PermissionStore permissions;
    VideoSplitManager *bind = nullptr;
    bool hdmiAudioFollowsVideo = false;
    DialogRunner runDialog;

    int run(QDialog &dialog) const { return runDialog ? runDialog(dialog) : dialog.exec(); }
};
