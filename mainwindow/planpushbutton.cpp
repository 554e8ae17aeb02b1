#include "planpushbutton.h"

#include "plancontroller.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>

PlanPushButton::PlanPushButton(QWidget *parent)
    : QPushButton(parent)
{
    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(QApplication::doubleClickInterval());
    connect(this, &QPushButton::clicked, &m_clickTimer, QOverload<>::of(&QTimer::start));
    connect(&m_clickTimer, &QTimer::timeout, this, &PlanPushButton::si_singleClick);
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
