#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

// Moving a frameless window with the left mouse button: a press remembers where the
// cursor and the window were, moves follow the cursor, a release ends it.
class WindowDrag
{
public:
    void press(QWidget *window, const QMouseEvent *event);
    void move(QWidget *window, const QMouseEvent *event) const;
    void release(const QMouseEvent *event);

private:
    bool m_dragging = false;
    QPoint m_pressGlobal;
    QPoint m_pressTopLeft;
};
