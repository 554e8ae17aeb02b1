#pragma once

#include <QColor>
#include <QWidget>

class QTimer;

// An on/off switch whose thumb slides one pixel per 10 ms tick.
class SwitchControl : public QWidget
{
    Q_OBJECT

public:
    explicit SwitchControl(QWidget *parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    int thumbPosition() const { return m_thumbX; }
    int endPosition(bool checked) const;
    QSize sizeHint() const override;

signals:
    void toggled(bool checked);
    void toggledAfter(bool checked);

public slots:
    void onTimeout();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_checked = false;
    QColor m_background = Qt::black;
    QColor m_checkedColor = QColor(15, 115, 168);
    QColor m_disabledColor = QColor(190, 190, 190);
    QColor m_thumbColor = Qt::white;
    qreal m_radius = 8.0;
    int m_height = 16;
    int m_margin = 3;
    int m_thumbX = 0;
    bool m_moved = false; // the thumb has been placed by a toggle, not by a resize
    QTimer *m_timer = nullptr;
};
