#pragma once

#include <QObject>

struct WindowContext;
class QWidget;

// Opens the caption, OSD, EDID and user management dialogs from the main window, each
// behind the logged-in user's rights, and shows the link's upload failures. The port
// menus reach the OSD and EDID dialogs through openOsd() and openEdid(). GUI thread.
class DialogLauncher : public QObject
{
    Q_OBJECT

public:
    DialogLauncher(WindowContext &context, QWidget *dialogParent);
    ~DialogLauncher() override;

    void connectControls();
    // Disables (never hides) the caption and user buttons the user may not press.
    void applyRights();

    // Caption mode of the caption/OSD dialog, after asking the device for its settings.
    void openCaption();
    // The OSD logo of input `port`; refused with a warning without the input's right
    // or the OSD right.
    // `ask`: send the OSD query too (the port menus send it themselves).
    void openOsd(int port, bool ask = true);
    // The EDID of input `port`; refused likewise without the input's or the EDID right.
    void openEdid(int port);
    void openUserManagement();
    // After a login as the administrator with the seeded password, once per data
    // directory: offers User Management without holding up the window.
    void offerPasswordChange();

private:
    bool allowed(int functionKey, int inputPort = 0);

    WindowContext &m_context;
    QWidget *m_dialogParent;
};
