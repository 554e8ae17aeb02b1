#pragma once

#include "windowdrag.h"

#include <QPoint>
#include <QPushButton>
#include <QWidget>

// A push button on a transparent background that paints itself: checked buttons get
// the accent fill, so a row of them reads as a segmented choice.
class CheckPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CheckPushButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A frameless panel that paints its own rounded background and is dragged with the
// left mouse button, like the dialogs.
class BaseWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BaseWidget(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    WindowDrag m_drag;
};
