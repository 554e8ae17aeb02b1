#pragma once

#include "dialogrunner.h"

#include <QList>

class PermissionStore;
class QDialog;
class QString;
class QWidget;

// The two rights checks of the main window and its two warnings. Without a permission
// store every check passes (as for the administrator). GUI thread.
class PortRights
{
public:

    // `window` sizes the warnings (three quarters of it); `run` shows them (unset: exec).
    PortRights(const PermissionStore *store, QWidget *window, DialogRunner run);

    // Category 0 input, 1 output, 2 audio input, 3 audio output. With `warn` a refusal
    // shows "No Permission!".
    bool portAllowed(int port, int category, bool warn = false) const;
    bool functionAllowed(int key, bool warn = false) const;
    // Every output permitted; otherwise the permission warning.
    bool outputsAllowed(const QList<int> &outputs, bool warn) const;
    void showPermissionWarning() const;
    void showNoPermission() const;

private:
    void warn(const QString &text) const;

    const PermissionStore *m_store = nullptr;
    QWidget *m_window = nullptr;
    DialogRunner m_run;
};
