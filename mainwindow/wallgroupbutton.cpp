#include "wallgroupbutton.h"

#include <QPainter>
#include <QPainterPath>

WallGroupButton::WallGroupButton(QWidget *parent)
    : QPushButton(parent)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
}

void WallGroupButton::setOutputs(const QList<int> &outputs)
{
    m_outputs = outputs;
    setToolTip(tr("Outputs %1").arg([&] {
        QStringList parts;
        for (int o : outputs)
            parts << QString::number(o);
        return parts.join(QStringLiteral(", "));
    }()));
    update();
}

void WallGroupButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent(0x33, 0x8c, 0x56);
    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath outline;
    outline.addRoundedRect(frame, 6, 6);
    p.fillPath(outline, isChecked() ? QColor(0xe3, 0xf1, 0xe8) : QColor(Qt::white));
    p.setPen(QPen(isChecked() ? accent : QColor(0xc8, 0xcc, 0xc4), isChecked() ? 2 : 1));
    p.drawPath(outline);
    if (!isEnabled())
        p.setOpacity(0.45);

    // Two rows of four screens, 1-4 above 5-8.
    const QRectF area = frame.adjusted(10, 8, -10, -8);
    const qreal gap = 2;
    const qreal w = (area.width() - 3 * gap) / 4;
    const qreal h = (area.height() - gap) / 2;
    for (int i = 0; i < 8; ++i) {
        const int row = i / 4;
        const int column = i % 4;
        const QRectF screen(area.left() + column * (w + gap), area.top() + row * (h + gap), w, h);
        const bool inGroup = m_outputs.contains(i + 1);
        p.fillRect(screen, inGroup ? accent : QColor(0xdd, 0xde, 0xdb));
    }
}
