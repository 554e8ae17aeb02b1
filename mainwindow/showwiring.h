#pragma once

#include "showdeviceapply.h"

#include <QObject>

#include <functional>

class LinkStatusView;
class PlanController;
class QAction;
class QPushButton;
class ShowImport;
struct WindowContext;

// The window's show files: a "Show File" button on the Setting page with Export show...,
// Export show with device state... and Import show...; the preview dialog, the operator's
// pick, the results in the message line and, when routes did not take, the offer to send
// them again. Device parts picked while offline are offered when the device is back.
// GUI thread.
class ShowWiring : public QObject
{
    Q_OBJECT

public:
    // Asks for a file to write (save true) or read; empty: cancelled.
    using PathChooser = std::function<QString(bool save)>;

    ShowWiring(QWidget *window,
               WindowContext &context,
               LinkStatusView *status,
               PlanController *plans);

    void setPathChooser(PathChooser chooser) { m_choose = std::move(chooser); }
    ShowImport *import() const { return m_import; }

    void exportShow(bool withDevice);
    void importShow();
    // The preview of the open document, the pick, and applying it.
    void previewAndApply(const QString &fileName);

private:
    void refreshActions();
    // Output names the import wrote, on the grids that show them.
    void showOutputNames();
    void deviceFinished(const ShowDeviceApply::Report &report);
    bool ask(const QString &text);

    QWidget *m_window;
    WindowContext &m_context;
    LinkStatusView *m_status;
    PlanController *m_plans;
    ShowImport *m_import;
    QPushButton *m_button;
    QAction *m_importAction;
    QAction *m_problem;
    PathChooser m_choose;
};
