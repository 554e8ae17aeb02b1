#include "portnamelabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

PortNameLabel::PortNameLabel(QWidget *parent)
    : QLabel(parent)
{
}

QString PortNameLabel::elided(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    static const QRegularExpression numbered(QStringLiteral("^\\s*\\[\\d+\\]\\s*"));
    const QRegularExpressionMatch m = numbered.match(text);
    if (!m.hasMatch())
        return metrics.elidedText(text, Qt::ElideRight, width);
    const QString number = m.captured(0);
    const int rest = width - metrics.horizontalAdvance(number);
    const QString name =
        rest > 0 ? metrics.elidedText(text.mid(number.size()), Qt::ElideRight, rest) : QString();
    return name.isEmpty() ? number.trimmed() : number + name;
}

QString PortNameLabel::shownText() const
{
    return elided(text(), fontMetrics(), contentsRect().width());
}

QSize PortNameLabel::minimumSizeHint() const
{
    // The whole text must not widen the cell; the number alone is the least it needs.
    const QSize whole = QLabel::minimumSizeHint();
    return QSize(qMin(whole.width(), fontMetrics().horizontalAdvance(QStringLiteral("[00]"))),
                 whole.height());
}

void PortNameLabel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    painter.drawText(contentsRect(), int(alignment()), shownText());
}
