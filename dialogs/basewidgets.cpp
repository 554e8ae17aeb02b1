#include "basewidgets.h"

#include <QMouseEvent>
#include <QPainter>

CheckPushButton::CheckPushButton(QWidget *parent)
    : QPushButton(parent)
{
    setStyleSheet(QStringLiteral("QPushButton{background:#00000000}"));
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
}

void CheckPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor accent("#338c56");
    painter.setPen(QPen(isChecked() ? accent : QColor("#cfd8d4"), 1));
    painter.setBrush(isChecked() ? accent
                                 : (underMouse() ? QColor("#eef1f0") : QColor(Qt::transparent)));
    painter.drawRoundedRect(box, 4, 4);
    if (!icon().isNull()) {
        const QSize size = iconSize();
        icon().paint(
            &painter,
            QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size));
        return;
    }
    painter.setPen(isChecked() ? Qt::white : QColor("#2c3e50"));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

BaseWidget::BaseWidget(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | windowFlags());
    setAttribute(Qt::WA_TranslucentBackground);
}

void BaseWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(rect()), 6, 6);
}

void BaseWidget::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(this, event);
    QWidget::mousePressEvent(event);
}

void BaseWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(this, event);
    QWidget::mouseMoveEvent(event);
}

void BaseWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.release(event);
    QWidget::mouseReleaseEvent(event);
}
