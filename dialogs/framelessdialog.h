#pragma once

#include "windowdrag.h"
#include <QDialog>

#include <QPoint>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

// The one look of every dialog: frameless, translucent, a shadowed content frame with
// its own title bar and close button, dragged with the left mouse button.
class FramelessDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Kind { Normal, Tool };
    explicit FramelessDialog(QWidget *parent = nullptr,
                             Kind kind = Kind::Normal,
                             int shadowBlur = 25);

    QFrame *frame() const { return m_frame; }
    QFrame *titleBar() const { return m_titleBar; }
    QLabel *titleLabel() const { return m_title; }
    QPushButton *closeButton() const { return m_close; }
    void setTitle(const QString &title);
    // What the close button does instead of reject(); empty restores reject().
    void setCloseAction(std::function<void()> action) { m_closeAction = std::move(action); }

    // Room the shadow takes around the content frame, on every side.
    static constexpr int ShadowMargin = 37;
    static constexpr int TitleHeight = 36;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    // Lays the frame out at `size` (content, without the shadow margin).
    void setFrameSize(const QSize &size);

private:
    QFrame *m_frame = nullptr;
    QFrame *m_titleBar = nullptr;
    QLabel *m_title = nullptr;
    QPushButton *m_close = nullptr;
    std::function<void()> m_closeAction;
    WindowDrag m_drag;
};

// Styles shared by the dialogs' buttons.
namespace DialogStyle {
QString primaryButton();
QString secondaryButton();
} // namespace DialogStyle
