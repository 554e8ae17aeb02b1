#include "planpushbutton.h"

#include "plancontroller.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

PlanPushButton::PlanPushButton(QWidget *parent)
    : QPushButton(parent)
{
    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(QApplication::doubleClickInterval());
    connect(this, &QPushButton::clicked, &m_clickTimer, QOverload<>::of(&QTimer::start));
    connect(&m_clickTimer, &QTimer::timeout, this, &PlanPushButton::singleClicked);
}

void PlanPushButton::setNumber(int number)
{
    m_number = number;
    updateText();
}

void PlanPushButton::setPlanName(const QString &name)
{
    m_name = name;
    setToolTip(name);
    updateText();
}

void PlanPushButton::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    update();
}

QString PlanPushButton::fullText() const
{
    return PlanController::buttonText(m_number, m_name);
}

void PlanPushButton::updateText()
{
    const int room = width() - 12;
    const QString full = fullText();
    setText(room > 0 ? fontMetrics().elidedText(full, Qt::ElideRight, room) : full);
}

void PlanPushButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Not passed on: the button is not pressed again, so no second click follows.
    if (event->button() != Qt::LeftButton)
        return;
    m_clickTimer.stop();
    emit si_doubleClick();
}

void PlanPushButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    updateText();
}

void PlanPushButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!m_marked)
        return;
    constexpr int Dot = 8;
    constexpr int Margin = 3;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(QColor(0xf0, 0xa3, 0x0a)); // amber: seen on the grey and the green face
    painter.drawEllipse(QRect(width() - Dot - Margin, Margin, Dot, Dot));
}
