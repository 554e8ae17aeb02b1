#pragma once

#include "loginflow.h"
#include "simdevice.h"
#include "tempdatadir.h"
#include "testtimeouts.h"
#include "widget.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class TableWidget;

// A main window against a simulated device, for the window tests: a private data
// directory, the simulator, the window, and the dialogs it ran. init() and cleanup()
// wrap each case; the link and the device state are process singletons.
class WindowKit
{
public:
    bool init();
    void cleanup();

    bool startDevice(const QString &model, const SimFaults &faults = SimFaults());
    // Login-free unless `login` is given; every dialog is recorded as "title|label
    // texts" and answered with `answer`.
    void openWindow(LoginFlow::Runner login = {});
    // openWindow (after startDevice unless a device runs), then waits until the last
    // start-up record has been applied and clears the device's command log.
    bool openSettled(const QString &model);
    // openSettled, but the window stays for the next case that asks for the same model:
    // init() then only resets the dialogs and the commands the device got. release()
    // (in cleanupTestCase) closes it; a failed case closes it too.
    bool openShared(const QString &model);
    void release();
    bool waitForCommand(const QString &command, int timeout = TestTimeouts::Medium) const;
    // Sends a marker query and returns the commands the device got before it.
    QStringList sentBeforeMarker();

    SimDevice *device() const { return m_device.get(); }
    Widget *window() const { return m_window.get(); }
    template<typename T> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }

    // Gives `user` default rights less the function keys, inputs and outputs (1-based)
    // named and makes them the logged-in user.
    static bool setRights(const QString &user,
                          const QList<int> &deniedKeys,
                          const QList<int> &deniedInputs = {},
                          const QList<int> &deniedOutputs = {});
    // A drop of `text` on the port's cell, as the drag manager delivers it.
    static bool dropOn(TableWidget *grid, int port, const QString &text);

    QStringList dialogs;
    int answer = QDialog::Accepted;
    // Label object names recorded for a dialog; empty records every label.
    QStringList dialogLabels;
    // Runs on each dialog before it is answered (fill a field, click a button).
    std::function<void(QDialog &)> onDialog;

private:
    // Closes a shared window before a case that sets up its own.
    bool leaveShared();

    std::unique_ptr<TempDataDir> m_dir;
    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<Widget> m_window;
    QString m_sharedModel;
};
