#include "framelessresizer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

FramelessResizer::FramelessResizer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

Qt::Edges FramelessResizer::edgesAt(const QSize &size, const QPoint &pos)
{
    Qt::Edges edges;
    if (pos.x() < 0 || pos.y() < 0 || pos.x() >= size.width() || pos.y() >= size.height())
        return edges;
    if (pos.x() < Margin)
        edges |= Qt::LeftEdge;
    else if (pos.x() >= size.width() - Margin)
        edges |= Qt::RightEdge;
    if (pos.y() < Margin)
        edges |= Qt::TopEdge;
    else if (pos.y() >= size.height() - Margin)
        edges |= Qt::BottomEdge;
    return edges;
}

QRect FramelessResizer::resized(const QRect &start,
                                Qt::Edges edges,
                                const QPoint &delta,
                                const QSize &minimum)
{
    QRect r = start;
    if (edges & Qt::LeftEdge)
        r.setLeft(qMin(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        r.setRight(qMax(start.right() + delta.x(), start.left() - 1 + minimum.width()));
    if (edges & Qt::TopEdge)
        r.setTop(qMin(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        r.setBottom(qMax(start.bottom() + delta.y(), start.top() - 1 + minimum.height()));
    return r;
}

void FramelessResizer::toggleMaximized()
{
    QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_maximized = !m_maximized;
    if (m_maximized) {
        m_normalGeometry = m_window->geometry();
        m_window->setGeometry(screen->availableGeometry());
    } else {
        m_window->setGeometry(m_normalGeometry);
    }
    emit maximizedChanged(m_maximized);
}

bool FramelessResizer::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        break;
    default:
        return false;
    }
    auto *target = qobject_cast<QWidget *>(watched);
    if (!target || target->window() != m_window || !target->isVisible())
        return false;
    return mouse(target, event->type(), static_cast<QMouseEvent *>(event));
}

bool FramelessResizer::mouse(QWidget *target, QEvent::Type type, const QMouseEvent *event)
{
    if (m_edges) {
        if (type == QEvent::MouseMove) {
            m_window->setGeometry(resized(m_pressGeometry,
                                          m_edges,
                                          event->globalPos() - m_pressGlobal,
                                          m_window->minimumSize()));
        } else if (type == QEvent::MouseButtonRelease && event->button() == Qt::LeftButton) {
            m_edges = {};
            showCursor(edgesAt(m_window->size(), m_window->mapFromGlobal(event->globalPos())));
        }
        return true;
    }
    if (type == QEvent::MouseButtonDblClick && event->button() == Qt::LeftButton && m_titleBar &&
        (target == m_titleBar || m_titleBar->isAncestorOf(target)) &&
        !qobject_cast<QAbstractButton *>(target)) {
        toggleMaximized();
        return true;
    }
    // A maximised window keeps the screen's area; its edges do not resize it.
    const Qt::Edges edges =
        m_maximized ? Qt::Edges()
                    : edgesAt(m_window->size(), m_window->mapFromGlobal(event->globalPos()));
    if (type == QEvent::MouseMove && !(event->buttons() & Qt::LeftButton))
        showCursor(edges);
    if (type == QEvent::MouseButtonPress && event->button() == Qt::LeftButton && edges) {
        m_edges = edges;
        m_pressGlobal = event->globalPos();
        m_pressGeometry = m_window->geometry();
        return true;
    }
    return false;
}

void FramelessResizer::showCursor(Qt::Edges edges)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling =
            edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        shape = falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    } else if (horizontal) {
        shape = Qt::SizeHorCursor;
    } else if (vertical) {
        shape = Qt::SizeVerCursor;
    }
    if (shape != Qt::ArrowCursor) {
        m_window->setCursor(shape);
        m_cursorSet = true;
    } else if (m_cursorSet) {
        m_window->unsetCursor();
        m_cursorSet = false;
    }
}
