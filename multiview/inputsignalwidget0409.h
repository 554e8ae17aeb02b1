#pragma once

#include "canvasmath.h"

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QWidget>

#include <functional>

class QLabel;
class QToolButton;

// One picture window of the multiview canvas: shows its input, moves and resizes with
// the mouse (snapping to the view grid), and sends its own window commands through the
// canvas's command sink. Child of the canvas; GUI thread.
class InputSignalWidget0409 : public QWidget
{
    Q_OBJECT

public:
    using CommandSink = std::function<void(const QString &)>;
    enum class Action {
        Close,
        LayerUp,
        LayerDown,
        LayerTop,
        LayerBottom,
        ZoomSingle,
        ZoomOccupied,
        ZoomMaximum,
        ZoomAllSingle,
        Property
    };

    InputSignalWidget0409(const QSize &wall,
                          QWidget *canvas,
                          int input,
                          const QString &name,
                          CanvasMath::Grid grid,
                          int id,
                          int layer,
                          bool sendOpen,
                          CommandSink sink);

    int id() const { return m_id; }
    void setRealResolution(const QSize &wall) { m_wall = wall; }
    void setInput(int input, const QString &name);
    int input() const { return m_input; }
    QString inputName() const { return m_name; }
    void setLayer(int layer);
    int layer() const { return m_layer; }
    void setGrid(int rows, int cols);
    void setGeometryF(const QRectF &rect);
    QRectF geometryF() const { return m_rect; }
    void keepInside();
    // The device rectangle computed now from the fractions.
    QRect deviceRect() const;
    void recordDeviceRect();
    QRect lastSentRect() const { return m_lastSent; }
    QRect restoreRect() const { return m_restore; }
    // Puts the window at a rectangle in wall pixels (kept inside the canvas).
    void setDeviceRect(const QRect &device);
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }
    void setPressedLook(bool pressed);
    bool isZoomed() const { return m_zoomed; }
    void setZoomed(bool zoomed) { m_zoomed = zoomed; }
    // The canvas changed size: the window keeps its wall position.
    void followCanvas();

    void sendOpen();
    void sendMove();
    void sendResize();
    void sendLayer();
    void sendClose();

    // What a context menu entry or title button does; nothing while locked.
    void runAction(Action action);
    void restore();

signals:
    void si_layerUp(int id);
    void si_layerDown(int id);
    void si_layerTop(int id);
    void si_layerBottom(int id);
    void si_deleted(int id);
    void si_orderZoomSingleScreen(int id);
    void si_orderZoomOccupiedScreens(int id);
    void si_orderAllZoomSingleScreen();
    void si_showProperty(int id);
    void si_requestRestore(int id);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    enum class Drag { None, Moving, Resizing };

    QSizeF canvasSize() const;
    void applyRect(const QRectF &rect);
    void updateFractions();
    void updateInfo();
    void retranslate();
    void noteSent(const QRect &device, bool position, bool size);
    QToolButton *titleButton(const QString &icon);

    int m_id;
    int m_layer;
    int m_input;
    QString m_name;
    QSize m_wall;
    CanvasMath::Grid m_grid;
    QRectF m_rect;
    QRectF m_fractions;
    QRect m_lastSent;
    QRect m_restore;
    bool m_zoomed = false;
    bool m_locked = false;
    bool m_pressedLook = false;
    bool m_sendOpenOnShow;
    CommandSink m_sink;

    Drag m_drag = Drag::None;
    int m_edges = CanvasMath::None;
    QPointF m_pressPos;
    QRectF m_pressRect;
    bool m_dragged = false;

    QLabel *m_title = nullptr;
    QLabel *m_info = nullptr;
    QToolButton *m_btnOccupied = nullptr;
    QToolButton *m_btnFull = nullptr;
    QToolButton *m_btnRestore = nullptr;
    QToolButton *m_btnClose = nullptr;
};
