#pragma once

#include "canvasmath.h"
#include "dialogrunner.h"
#include "inputsignalwidget0409.h"
#include "recallcheck.h"

#include <QList>
#include <QLoggingCategory>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QRectF>
#include <QWidget>

#include <functional>
#include <optional>

Q_DECLARE_LOGGING_CATEGORY(lcMultiview)

class QDialog;
class QTimer;

// The multiview wall canvas: the wall scaled into a widget, holding up to four window
// items. Creates windows from drops, drawn rectangles and the device's window status,
// and carries out the layer and zoom orders the items raise. Owns its items. GUI thread.
class OutputWidget0409 : public QWidget
{
    Q_OBJECT

public:
    using CommandSink = InputSignalWidget0409::CommandSink;

    struct NewWindow
    {
        int input = 0;
        QString name;
        QRectF rect; // widget coordinates
        bool sendOpen = false;
        std::optional<int> layer;
        std::optional<int> id;
    };

    explicit OutputWidget0409(QWidget *parent = nullptr);
    ~OutputWidget0409() override;

    // Where the window commands go; the device link unless a test says otherwise.
    void setCommandSink(CommandSink sink);
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // Whether the user may use an input; without a checker every input may be used.
    void setPermissionChecker(std::function<bool(int input)> checker)
    {
        m_inputAllowed = std::move(checker);
    }
    // Windows already on the canvas take the new names too (a rename, a language switch).
    void setInputNames(const QMap<int, QString> &names);
    QMap<int, QString> inputNames() const { return m_inputNames; }
    void setCanvasDisabled(bool disabled) { m_disabled = disabled; }

    QSize realResolution() const { return m_wall; }
    int viewLayout() const { return m_viewLayout; }
    CanvasMath::Grid grid() const { return CanvasMath::viewGrid(m_viewLayout); }
    QMap<int, InputSignalWidget0409 *> windows() const { return m_windows; }
    InputSignalWidget0409 *window(int id) const { return m_windows.value(id); }
    int currentInput() const { return m_currentInput; }
    bool isResizeQueueBusy() const { return m_queueBusy; }
    // What has arrived since the last (re)connection or refresh.
    RecallCheck::Received received() const
    {
        return {m_windowsReady, m_resolutionReady, m_rotationReady};
    }

    bool addWindow(const NewWindow &request);

public slots:
    void recalculate();
    void setJoinButton(int button);
    // Re-reads the VIR mode from the store and recomputes the view layout.
    void refreshLayout();
    void setCurrentInput(int input);
    void setAllLocked(bool locked);
    void closeAllWindows(bool withoutAsking);
    // True when no window is open or the operator agrees that all may close.
    bool mayCloseAllWindows(const QString &title, const QString &question);
    // Deletes every window without telling the device (a reload or a new connection).
    void clearWindows();
    void resetPending();
    void resetReady();
    void startStatusTimer();
    void markResolutionReady();
    void markWindowsReady();
    void markRotationReady();
    void loadWindowsFromDevice();
    // A plan recall is the user asking for the plan's windows: the next window status
    // answer replaces the canvas's windows, even those the user closed.
    void reloadOnNextStatus();
    void zoomIn();
    void zoomOut();

signals:
    void si_layoutChanged(int rows, int cols);
    void si_resize(double factor);
    void si_orderToOptimiseSizeVis(int width, int height);
    void si_showPermissionWarningDialog();
    // Why an operator's action did nothing, for the window's message line.
    void refused(const QString &reason);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void connectItem(InputSignalWidget0409 *item);
    bool inputAllowed(int input) const;
    void showError(const QString &text);
    void restack(int id);
    void applyLayers(const QMap<int, int> &layers, int id);
    QMap<int, int> layers() const;
    void layerUp(int id);
    void layerDown(int id);
    void layerTop(int id);
    void layerBottom(int id);
    void windowRemoved(int id);
    bool zoomWindow(int id, bool occupied);
    void zoomAllSingleScreen();
    void resizeQueueStep();
    void showProperty(int id);
    void zoomBy(double factor);
    InputSignalWidget0409 *topWindowAt(const QPoint &pos) const;
    void checkReady();
    void setViewLayout(int layout);

    QSize m_wall;
    int m_joinButton = 0;
    int m_viewLayout = 5;
    QMap<int, InputSignalWidget0409 *> m_windows;
    int m_nextId = 1;
    int m_currentInput = 0;
    QString m_currentName;
    QMap<int, QString> m_inputNames;
    bool m_resolutionReady = false;
    bool m_windowsReady = false;
    bool m_rotationReady = false;
    bool m_loaded = false; // the windows were read from the device since the last reset
    QTimer *m_statusTimer = nullptr;
    QTimer *m_queueTimer = nullptr;
    bool m_queueBusy = false;
    QList<int> m_queue;
    bool m_disabled = false;
    bool m_banding = false;
    QPoint m_bandStart;
    QPoint m_bandEnd;
    std::function<bool(int)> m_inputAllowed;
    CommandSink m_sink;
    DialogRunner m_runDialog;
};
