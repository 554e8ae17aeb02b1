#include "switchcontrol.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

SwitchControl::SwitchControl(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    m_timer = new QTimer(this);
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, &SwitchControl::onTimeout);
    m_thumbX = endPosition(false);
}

QSize SwitchControl::sizeHint() const
{
    return QSize(2 * (m_height + m_margin), m_height + 2 * m_margin);
}

int SwitchControl::endPosition(bool checked) const
{
    const int w = width() > 0 && testAttribute(Qt::WA_Resized) ? width() : sizeHint().width();
    return checked ? w - m_height - m_margin : m_margin;
}

void SwitchControl::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    m_moved = true;
    m_timer->start();
}

void SwitchControl::onTimeout()
{
    const int target = endPosition(m_checked);
    if (m_thumbX < target)
        ++m_thumbX;
    else if (m_thumbX > target)
        --m_thumbX;
    update();
    if (m_thumbX == target) {
        m_timer->stop();
        emit toggledAfter(m_checked);
    }
}

void SwitchControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (isEnabled() && event->button() == Qt::LeftButton) {
        m_checked = !m_checked;
        m_moved = true;
        emit toggled(m_checked);
        // From wherever the thumb is now: a second click mid-way sends it back.
        m_timer->start();
    }
    QWidget::mouseReleaseEvent(event);
}

void SwitchControl::resizeEvent(QResizeEvent *event)
{
    if (!m_timer->isActive())
        m_thumbX = endPosition(m_checked);
    QWidget::resizeEvent(event);
}

void SwitchControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor track =
        !isEnabled() ? m_disabledColor : (m_checked ? m_checkedColor : m_background);
    painter.setBrush(track);
    painter.setOpacity(m_checked || !isEnabled() ? 1.0 : 0.35);
    const QRectF trackRect(m_margin, m_margin, width() - 2 * m_margin, height() - 2 * m_margin);
    painter.drawRoundedRect(trackRect, m_radius, m_radius);
    painter.setOpacity(1.0);
    painter.setBrush(m_thumbColor);
    const qreal d = height() - 2 * m_margin + 2;
    painter.drawEllipse(QRectF(m_thumbX - 1, m_margin - 1, d, d));
}
