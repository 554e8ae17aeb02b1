#pragma once

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWidget;

// Resizing and maximising a frameless window without help from a window manager: a
// press within Margin pixels of an edge or corner resizes (with the matching cursor),
// never below the window's minimum size; a double click on the title bar, or
// toggleMaximized(), switches between the screen's available area and the geometry
// before. Watches the application's mouse events so children covering the edges do not
// hide them. GUI thread.
class FramelessResizer : public QObject
{
    Q_OBJECT

public:
    static constexpr int Margin = 6;

    explicit FramelessResizer(QWidget *window);

    void setTitleBar(QWidget *titleBar) { m_titleBar = titleBar; }
    bool isMaximized() const { return m_maximized; }
    void toggleMaximized();

    // The edges of `size` within Margin of `pos` (window coordinates).
    static Qt::Edges edgesAt(const QSize &size, const QPoint &pos);
    // `start` with the given edges moved by `delta`, kept at least `minimum` large; the
    // opposite edges stay where they were.
    static QRect
    resized(const QRect &start, Qt::Edges edges, const QPoint &delta, const QSize &minimum);

signals:
    void maximizedChanged(bool maximized);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool mouse(QWidget *target, QEvent::Type type, const QMouseEvent *event);
    void showCursor(Qt::Edges edges);

    QWidget *m_window;
    QWidget *m_titleBar = nullptr;
    Qt::Edges m_edges; // being resized; none when not
    QPoint m_pressGlobal;
    QRect m_pressGeometry;
    QRect m_normalGeometry;
    bool m_maximized = false;
    bool m_cursorSet = false;
};
