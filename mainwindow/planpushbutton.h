#pragma once

#include <QPushButton>
#include <QTimer>

// A plan button: shows "[n]" or "[n]name" (elided to fit, the full name as tool tip),
// and an amber dot in its corner when this client saved the plan it holds.
// A single click is reported only once no second click followed, so a double click
// recalls the plan without opening the plan menu first. GUI thread.
class PlanPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PlanPushButton(QWidget *parent = nullptr);

    void setNumber(int number);
    int number() const { return m_number; }
    void setPlanName(const QString &name);
    QString planName() const { return m_name; }
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }
    // The text the button is meant to show, before eliding.
    QString fullText() const;

signals:
    void singleClicked();
    void si_doubleClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateText();

    int m_number = 0;
    QString m_name;
    bool m_marked = false;
    QTimer m_clickTimer;
};
