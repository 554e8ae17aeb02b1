#pragma once

#include "dialogrunner.h"

#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

class MultiviewPage;
class PermissionStore;
class OutputWidget0409;
class QDialog;
class SingleSplitterWidget;
class Widget;

namespace Ui {
class Widget;
}

// The main window's wall pages: the multiview canvas page, the splitter view, the
// splicing settings and bezel buttons, and the window status record. Keeps their
// wiring out of Widget. Owned by the main window; GUI thread.
class WallPages : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        DialogRunner runDialog;
        std::function<bool(int input)> inputAllowed;
        std::function<void()> permissionWarning;
        std::function<QString(int input)> inputName;
        std::function<void(const QString &)> message; // the window's message line
        // The core's refusal of a splitter-area drop (input 0: a clear) for the acting user.
        std::function<QString(int input, bool *noRight)> splitterRefusal;
        // Sends input (0: a clear) to a splitter area through the core.
        std::function<void(int input, int area)> routeArea;
    };

    WallPages(Widget *window, Ui::Widget *ui, Hooks hooks);

    MultiviewPage *multiview() const { return m_multiview; }
    OutputWidget0409 *canvas() const;
    SingleSplitterWidget *splitter() const;

    // The multiview model was reported: forget the windows and wait for the device's.
    void restartMultiview();
    void setInputNames(const QMap<int, QString> &names);
    void setCurrentInput(int input);
    // Stores the windows and the wall layout of a window status record.
    void applyWindowStatus(const QJsonObject &obj);
    // The status record's "video900" areas.
    void applySplitterAreas(const QMap<int, int> &areas);
    void refreshSplitter();
    void openBezel();
    // A "Joint" page plan may be recalled on the multiview model only once the windows,
    // resolutions and rotation have arrived; otherwise says what is missing.
    bool jointRecallAllowed();
    // Splicing settings (right 0), the canvas and close-all (right 1), bezel (right 18).
    void applyRights(const PermissionStore &rights);

private:
    Widget *m_window;
    Ui::Widget *m_ui;
    Hooks m_hooks;
    MultiviewPage *m_multiview = nullptr;
};
