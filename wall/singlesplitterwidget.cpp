#include "singlesplitterwidget.h"

#include "devicestate.h"
#include "splitterlayout.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

SingleSplitterWidget::SingleSplitterWidget(QWidget *parent)
    : QWidget(parent)
    , m_areas(SplitterLayout::areas(0))
{
    setAcceptDrops(true);
}

void SingleSplitterWidget::setLayout(int mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    m_selected = -1;
    m_areas = SplitterLayout::areas(mode);
    update();
    emit si_layout_change(mode);
}

QString SingleSplitterWidget::textFor(int input) const
{
    const QString name = m_names ? m_names(input) : QString();
    return QStringLiteral("[%1] %2").arg(input).arg(name.isEmpty() ? tr("Input %1").arg(input)
                                                                   : name);
}

void SingleSplitterWidget::refreshTexts()
{
    m_texts.clear();
    const QMap<int, int> routes = DeviceState::instance()->splitterRouting();
    for (auto it = routes.cbegin(); it != routes.cend(); ++it) {
        if (it.value() > 0)
            m_texts.insert(it.key(), textFor(it.value()));
    }
    update();
}

void SingleSplitterWidget::setPending(const QMap<int, int> &pending)
{
    m_pending = pending;
    update();
}

QString SingleSplitterWidget::pendingText(int area) const
{
    if (!m_pending.contains(area))
        return QString();
    const int input = m_pending.value(area);
    return input > 0 ? tr("→ %1").arg(textFor(input)) : tr("→ nothing");
}

int SingleSplitterWidget::hitTest(const QPointF &point) const
{
    return SplitterLayout::hitTest(m_areas, point, size());
}

void SingleSplitterWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(qBound(10, height() / 24, 18));
    p.setFont(font);
    for (auto it = m_areas.cbegin(); it != m_areas.cend(); ++it) {
        const QRectF r = SplitterLayout::scaled(it.value(), size()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(QColor(120, 130, 140), 1.5));
        p.setBrush(it.key() == m_selected ? QColor(201, 202, 202) : QColor(240, 241, 236));
        p.drawRect(r);
        p.setPen(QColor(44, 62, 80));
        const QString pending = pendingText(it.key());
        if (pending.isEmpty()) {
            p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, m_texts.value(it.key()));
            continue;
        }
        // Staged: the live input stays on top, the pending one in amber below.
        const QRectF top(r.left(), r.top(), r.width(), r.height() / 2);
        const QRectF bottom(r.left(), r.center().y(), r.width(), r.height() / 2);
        p.drawText(
            top, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, m_texts.value(it.key()));
        p.setPen(QColor(179, 107, 0));
        p.drawText(bottom, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, pending);
        p.setPen(QPen(QColor(240, 160, 0), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -1, -1));
    }
}

void SingleSplitterWidget::mousePressEvent(QMouseEvent *event)
{
    m_selected = hitTest(event->localPos());
    update();
}

void SingleSplitterWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int area = hitTest(event->localPos());
    if (area < 1)
        return;
    take(0, area);
}

void SingleSplitterWidget::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void SingleSplitterWidget::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void SingleSplitterWidget::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    const int value = event->mimeData()->text().toInt();
    if (value <= 100)
        return;
    const int input = value - 100;
    const int area = hitTest(event->posF());
    if (area < 1)
        return;
    take(input, area);
}

void SingleSplitterWidget::take(int input, int area)
{
    if (m_stageHook) {
        const QString refusal = m_stageHook(input, area);
        if (!refusal.isEmpty())
            emit refused(refusal);
        return;
    }
    bool noRight = false;
    const QString refusal = m_dropCheck ? m_dropCheck(input, &noRight) : QString();
    if (!refusal.isEmpty()) {
        emit refused(refusal);
        if (noRight)
            emit si_showPermissionWarningDialog();
        return;
    }
    if (input > 0)
        m_texts.insert(area, textFor(input));
    else
        m_texts.remove(area);
    update();
    emit si_drop(input, area);
}
