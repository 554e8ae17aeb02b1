#include "listwidget.h"
#include "listroles.h"

#include "devicemodel.h"

#include <QHash>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>

namespace {

// One icon per colour for the process. A fresh pixmap per call had a new cache key, so
// every repaint after a refresh left another scaled copy in the pixmap cache.
QIcon roundIcon(const QColor &colour)
{
    static QHash<QRgb, QIcon> icons;
    auto it = icons.find(colour.rgba());
    if (it != icons.end())
        return *it;
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(0, 0, 39, 39);
    painter.end();
    return *icons.insert(colour.rgba(), QIcon(pixmap));
}

} // namespace

ListWidget::ListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setIconSize(QSize(8, 8));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

void ListWidget::rebuild(const QMap<int, QString> &audioNames, const QMap<int, QString> &inputNames)
{
    clear();
    const QColor dark(QStringLiteral("#2c3e50"));
    for (int kind = 0; kind < 2; ++kind) {
        for (int n = 1; n <= 8; ++n) {
            const QString stored = (kind == 0 ? audioNames : inputNames).value(n);
            const QString name =
                !stored.isEmpty() ? stored : (kind == 0 ? tr("Audio %1") : tr("Input %1")).arg(n);
            auto *item = new QListWidgetItem(QStringLiteral(" [%1] %2").arg(n).arg(name));
            item->setData(ListRoles::Port, QString::number(n));
            item->setData(ListRoles::Name, name);
            item->setData(ListRoles::Kind, kind);
            item->setSizeHint(QSize(0, 30));
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            item->setForeground(dark);
            item->setIcon(roundIcon(dark));
            addItem(item);
        }
    }
    applyVisibility();
}

void ListWidget::setDisplayMode(DisplayMode mode, int deviceCode)
{
    const std::optional<DeviceModel> model = DeviceModels::fromCode(deviceCode);
    const bool showAudio = mode == DisplayMode::Audio && model != DeviceModel::Model0409S &&
                           model != DeviceModel::Model0808S;
    for (int i = 0; i < count() && i < 8; ++i)
        item(i)->setData(ListRoles::OffPage, !showAudio);
    applyVisibility();
}

void ListWidget::setOnPage(int row, bool onPage)
{
    if (QListWidgetItem *it = item(row)) {
        it->setData(ListRoles::OffPage, !onPage);
        it->setHidden(!onPage || (m_accepts && !m_accepts(it->text())));
    }
}

void ListWidget::setTextFilter(std::function<bool(const QString &)> accepts)
{
    m_accepts = std::move(accepts);
    applyVisibility();
}

void ListWidget::applyVisibility()
{
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem *it = item(i);
        it->setHidden(it->data(ListRoles::OffPage).toBool() ||
                      (m_accepts && !m_accepts(it->text())));
    }
}

void ListWidget::setInputPresence(const QMap<int, bool> &present)
{
    for (int i = 8; i < count(); ++i) {
        QListWidgetItem *it = item(i);
        const QColor colour(present.value(it->data(ListRoles::Port).toInt())
                                ? QStringLiteral("#338c56")
                                : QStringLiteral("#2c3e50"));
        it->setForeground(colour);
        it->setIcon(roundIcon(colour));
    }
}

int ListWidget::sourceOf(const QListWidgetItem *item)
{
    if (!item)
        return 0;
    const int port = item->data(ListRoles::Port).toInt();
    // Inputs travel as 100 + n so audio grids can tell embedded audio from analogue.
    return item->data(ListRoles::Kind).toInt() == ListRoles::InputKind ? port + 100 : port;
}

QListWidgetItem *ListWidget::nextVisibleWithNumber(int number) const
{
    const int start = currentRow();
    for (int step = 1; step <= count(); ++step) {
        QListWidgetItem *it = item((start + step + count()) % count());
        if (!it->isHidden() && it->data(ListRoles::Port).toInt() == number)
            return it;
    }
    return nullptr;
}

QMimeData *ListWidget::mimeData(const QList<QListWidgetItem *> items) const
{
    QMimeData *data = QListWidget::mimeData(items);
    const QListWidgetItem *it = currentItem();
    if (!data || !it)
        return data;
    if (it->data(ListRoles::Kind).toInt() == ListRoles::InputKind)
        data->setData(QStringLiteral("application/type"), QByteArrayLiteral("1"));
    data->setText(QString::number(sourceOf(it)));
    return data;
}
