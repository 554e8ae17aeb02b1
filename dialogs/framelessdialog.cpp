#include "framelessdialog.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

// The images live in a static library; naming the initialiser keeps it linked in.
static void initImages()
{
    Q_INIT_RESOURCE(images);
}

FramelessDialog::FramelessDialog(QWidget *parent, Kind kind, int shadowBlur)
    : QDialog(parent)
{
    static const bool imagesReady = (initImages(), true);
    Q_UNUSED(imagesReady)
    setWindowFlags(Qt::FramelessWindowHint | (kind == Kind::Tool ? Qt::Tool : Qt::Dialog));
    setAttribute(Qt::WA_TranslucentBackground);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->setStyleSheet(
        QStringLiteral("QFrame#frame{background:#ffffff;border-radius:6px;}"
                       "QFrame#titleBar{background:#338c56;border-top-left-radius:6px;border-top-"
                       "right-radius:6px;}"
                       "QLabel#lb_title{color:#ffffff;font-weight:bold;font-size:14px;}"
                       "QPushButton#btn_close,QPushButton#btnClose{border:none;color:#ffffff;font-"
                       "size:16px;background:transparent;}"
                       "QPushButton#btn_close:hover,QPushButton#btnClose:hover{background:#2a7447;}"
                       "QLabel{color:#2c3e50;font-size:13px;}"));
    auto *shadow = new QGraphicsDropShadowEffect(m_frame);
    shadow->setOffset(0, 0);
    shadow->setColor(QColor(19, 106, 103));
    shadow->setBlurRadius(shadowBlur);
    m_frame->setGraphicsEffect(shadow);

    m_titleBar = new QFrame(m_frame);
    m_titleBar->setObjectName(QStringLiteral("titleBar"));
    m_title = new QLabel(m_titleBar);
    m_title->setObjectName(QStringLiteral("lb_title"));
    m_close = new QPushButton(QStringLiteral("\u2715"), m_titleBar);
    m_close->setObjectName(QStringLiteral("btn_close"));
    m_close->setCursor(Qt::PointingHandCursor);
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (m_closeAction)
            m_closeAction();
        else
            reject();
    });
}

void FramelessDialog::setTitle(const QString &title)
{
    m_title->setText(title);
    setWindowTitle(title);
}

void FramelessDialog::setFrameSize(const QSize &size)
{
    m_frame->setGeometry(ShadowMargin, ShadowMargin, size.width(), size.height());
    m_titleBar->setGeometry(0, 0, size.width(), TitleHeight);
    m_title->setGeometry(14, 0, size.width() - 60, TitleHeight);
    m_close->setGeometry(size.width() - 27, 6, 24, 24);
    setFixedSize(size.width() + 2 * ShadowMargin, size.height() + 2 * ShadowMargin);
}

void FramelessDialog::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(this, event);
    QDialog::mousePressEvent(event);
}

void FramelessDialog::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(this, event);
    QDialog::mouseMoveEvent(event);
}

void FramelessDialog::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.release(event);
    QDialog::mouseReleaseEvent(event);
}

namespace DialogStyle {
QString primaryButton()
{
    return QStringLiteral(
        "QPushButton{background:#338c56;color:#ffffff;border:none;border-radius:4px;"
        "font-size:13px;padding:0 12px;}QPushButton:hover{background:#2a7447;}");
}
QString secondaryButton()
{
    return QStringLiteral(
        "QPushButton{background:#eef1f0;color:#2c3e50;border:1px solid #cfd8d4;"
        "border-radius:4px;font-size:13px;padding:0 12px;}QPushButton:hover{background:#e2e8e5;}");
}
} // namespace DialogStyle
