#pragma once

#include <QList>
#include <QPushButton>

// A wall-group button: draws the wall of two rows of four outputs with its group's
// outputs filled, so the operator sees the shape before choosing it.
class WallGroupButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WallGroupButton(QWidget *parent = nullptr);

    void setOutputs(const QList<int> &outputs);
    QList<int> outputs() const { return m_outputs; }
    QSize sizeHint() const override { return QSize(72, 44); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<int> m_outputs;
};
