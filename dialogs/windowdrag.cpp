#include "windowdrag.h"

#include <QMouseEvent>
#include <QWidget>

void WindowDrag::press(QWidget *window, const QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressGlobal = event->globalPos();
    m_pressTopLeft = window->frameGeometry().topLeft();
}

void WindowDrag::move(QWidget *window, const QMouseEvent *event) const
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        window->move(m_pressTopLeft + event->globalPos() - m_pressGlobal);
}

void WindowDrag::release(const QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}
