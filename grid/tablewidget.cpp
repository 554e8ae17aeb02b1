#include "tablewidget.h"
#include "listroles.h"

#include "droprefusal.h"
#include "tableitemwidget.h"

#include <QDropEvent>
#include <QFrame>
#include <QHeaderView>
#include <QMimeData>

TableWidget::TableWidget(QWidget *parent)
    : QTableWidget(parent)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Drawn over the cell widgets while a drag hovers a cell: green takes, red refuses.
    m_dropMarker = new QFrame(viewport());
    m_dropMarker->setObjectName(QStringLiteral("dropMarker"));
    m_dropMarker->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dropMarker->hide();
    connect(this, &QTableWidget::itemSelectionChanged, this, &TableWidget::markSelection);
}

void TableWidget::markSelection()
{
    // The video grid draws its own frame round the selection; the cell widgets of the
    // other grids hide the selected items, so each picked cell gets a frame.
    const QList<QTableWidgetItem *> items =
        m_kind == int(GridLayout::Kind::Video) ? QList<QTableWidgetItem *>() : selectedItems();
    while (m_selectionMarks.size() < items.size()) {
        auto *mark = new QFrame(viewport());
        mark->setObjectName(QStringLiteral("selectionMark"));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->setStyleSheet(QStringLiteral(
            "QFrame#selectionMark{border:2px solid #338c56;background:transparent;}"));
        m_selectionMarks << mark;
    }
    for (int i = 0; i < m_selectionMarks.size(); ++i) {
        QFrame *mark = m_selectionMarks.at(i);
        mark->setVisible(i < items.size());
        if (i < items.size()) {
            mark->setGeometry(visualItemRect(items.at(i)));
            mark->raise();
        }
    }
}

void TableWidget::setOfflineReason(const QString &reason)
{
    m_offlineReason = reason;
}

QString TableWidget::refusalAt(const QPoint &pos, int source) const
{
    if (!m_offlineReason.isEmpty())
        return m_offlineReason;
    QTableWidgetItem *it = itemAt(pos);
    return it ? refusalFor(it->data(ListRoles::Port).toInt(), source, nullptr)
              : tr("There is no output here.");
}

QString TableWidget::refusalFor(int output, int source, bool *noRight) const
{
    TableItemWidget *widget = cellForPort(output);
    DropRefusal::Cell cell;
    cell.exists = itemForPort(output) && widget;
    cell.locked = widget && widget->isCellLocked();
    std::function<bool()> allowed;
    if (source > 0 && m_dropCheck) {
        allowed = [this, output, source] {
            return m_dropCheck(GridLayout::dropRights(m_kind, output, source), output);
        };
    }
    return DropRefusal::reason(output, m_offlineReason, cell, allowed, noRight);
}

void TableWidget::markDropTarget(const QPoint &pos, int source)
{
    QTableWidgetItem *it = itemAt(pos);
    if (!it) {
        m_dropMarker->hide();
        return;
    }
    const bool refused = !refusalAt(pos, source).isEmpty();
    m_dropMarker->setStyleSheet(
        QStringLiteral("QFrame#dropMarker{border:3px solid %1;background:transparent;}")
            .arg(refused ? QStringLiteral("#d9534f") : QStringLiteral("#338c56")));
    m_dropMarker->setGeometry(visualItemRect(it));
    m_dropMarker->show();
    m_dropMarker->raise();
}

void TableWidget::setSourceNames(NameLookup audioName, NameLookup inputName)
{
    m_audioName = std::move(audioName);
    m_inputName = std::move(inputName);
}

void TableWidget::setGridShape(int columns, int rows, int deviceCode)
{
    // Every version record asks for the shape again; the same shape keeps its cells
    // instead of creating them anew each time.
    const QVector<int> shape{columns, rows, deviceCode, m_portBase};
    if (shape != m_shape)
        buildCells(columns, rows, deviceCode);
    m_shape = shape;
    writeNames();
    fitCells();
    emit layoutChangedSig();
    if (m_kind == int(GridLayout::Kind::Video))
        emit si_requsetCheckPermissionLabelClicked();
}

void TableWidget::buildCells(int columns, int rows, int deviceCode)
{
    clear();
    setColumnCount(columns);
    setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int port = GridLayout::cellPort(m_portBase, columns, rows, column, row);
            if (port == 0)
                continue; // the empty fifth cell of a 5 x 2 grid
            auto *item = new QTableWidgetItem(QString());
            item->setTextAlignment(Qt::AlignCenter);
            item->setData(ListRoles::Port, port);
            item->setData(ListRoles::Source, 0);
            setItem(row, column, item);
            if (!GridLayout::hasCellWidget(port, m_portBase, deviceCode))
                continue;
            auto *cell = new TableItemWidget;
            // Only video outputs can be frozen or muted; the other grids have no
            // command behind those icons, so they do not show them.
            if (m_kind != int(GridLayout::Kind::Video)) {
                cell->setIconsVisible(false);
                setCellWidget(row, column, cell);
                continue;
            }
            connectCell(cell, port);
            setCellWidget(row, column, cell);
        }
    }
}

void TableWidget::connectCell(TableItemWidget *cell, int port)
{
    // Offline, a click is put back as it was: nothing would reach the device.
    connect(cell, &TableItemWidget::si_click_pause, this, [this, cell, port](bool on) {
        if (!m_offlineReason.isEmpty()) {
            cell->setFrozen(!on);
            emit refused(m_offlineReason);
            return;
        }
        emit si_orderToPause(port, on);
    });
    connect(cell, &TableItemWidget::si_click_lock, this, [this, port](bool on) {
        emit si_orderToLock(port, on);
    });
    connect(cell, &TableItemWidget::si_click_mute, this, [this, cell, port](bool on) {
        if (!m_offlineReason.isEmpty()) {
            cell->setMuted(!on);
            emit refused(m_offlineReason);
            return;
        }
        emit si_orderToMute(port, on);
    });
}

void TableWidget::setNames(const QMap<int, QString> &names)
{
    m_names = names;
    writeNames();
}

void TableWidget::setPortName(int port, const QString &name)
{
    m_names.insert(port, name);
    writeNames();
}

void TableWidget::writeNames()
{
    // The HDMI audio grid numbers its outputs 1 to N like every other grid, not 101.
    for (auto it = m_names.cbegin(); it != m_names.cend(); ++it) {
        const int number = it.key() > m_portBase ? it.key() - m_portBase : it.key();
        if (TableItemWidget *cell = cellForPort(it.key()))
            cell->setOutputText(QStringLiteral("[%1] %2").arg(number).arg(it.value()));
    }
}

QTableWidgetItem *TableWidget::itemForPort(int port) const
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            QTableWidgetItem *it = item(row, column);
            if (it && it->data(ListRoles::Port).toInt() == port)
                return it;
        }
    }
    return nullptr;
}

TableItemWidget *TableWidget::cellForPort(int port) const
{
    QTableWidgetItem *it = itemForPort(port);
    return it ? qobject_cast<TableItemWidget *>(cellWidget(it->row(), it->column())) : nullptr;
}

QString TableWidget::sourceLabel(int source) const
{
    if (source <= 0 || source == 100 || source == m_portBase)
        return QString();
    if (source < 100)
        return QStringLiteral("[%1] %2").arg(source).arg(m_audioName ? m_audioName(source)
                                                                     : QString());
    const int input = source - 100;
    return QStringLiteral("[%1] %2").arg(input).arg(m_inputName ? m_inputName(input) : QString());
}

QString TableWidget::pendingLabel(int source) const
{
    if (source <= 0)
        return tr("→ nothing");
    // Video and infrared grids stage the input itself; audio grids n or 100 + n.
    const int listSource = m_reduceHdmiSource ? source + 100 : source;
    return tr("→ %1").arg(sourceLabel(listSource));
}

void TableWidget::showPending(int port, int source)
{
    if (TableItemWidget *cell = cellForPort(port))
        cell->setPendingText(pendingLabel(source));
}

void TableWidget::clearPending(int port)
{
    if (TableItemWidget *cell = cellForPort(port))
        cell->setPendingText(QString());
}

void TableWidget::clearAllPending()
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (auto *cell = qobject_cast<TableItemWidget *>(cellWidget(row, column)))
                cell->setPendingText(QString());
        }
    }
}

QString TableWidget::stage(int output, int source)
{
    const QString refusal = m_stageHook(output, source);
    if (!refusal.isEmpty())
        emit refused(refusal);
    return refusal;
}

void TableWidget::showSource(int port, int source)
{
    QTableWidgetItem *it = itemForPort(port);
    if (!it)
        return;
    it->setData(ListRoles::Source, source);
    if (TableItemWidget *cell = cellForPort(port))
        cell->setInputText(sourceLabel(source));
}

void TableWidget::showInput(int port, int input)
{
    QTableWidgetItem *it = itemForPort(port);
    if (!it)
        return;
    it->setData(ListRoles::Source, input);
    if (TableItemWidget *cell = cellForPort(port))
        cell->setInputText(input > 0 ? QStringLiteral("[%1] %2").arg(input).arg(
                                           m_inputName ? m_inputName(input) : QString())
                                     : QString());
}

void TableWidget::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void TableWidget::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
    markDropTarget(event->pos(), event->mimeData()->text().toInt());
}

void TableWidget::dragLeaveEvent(QDragLeaveEvent *event)
{
    m_dropMarker->hide();
    QTableWidget::dragLeaveEvent(event);
}

void TableWidget::dropEvent(QDropEvent *event)
{
    m_dropMarker->hide();
    QTableWidgetItem *it = itemAt(event->pos());
    bool ok = false;
    const int source = event->mimeData()->text().toInt(&ok);
    if (it && (!ok || source <= 0)) {
        event->ignore();
        return;
    }
    // Offline, no item (the empty fifth cell), no cell widget or a locked cell: nothing
    // to switch, and the cell must not show a source the device never got.
    bool noRight = false;
    if (!it || !takeSource(it->data(ListRoles::Port).toInt(), source, &noRight).isEmpty()) {
        if (!it)
            emit refused(refusalAt(event->pos(), 0));
        if (noRight) {
            event->acceptProposedAction();
            emit si_showPermissionWarningDialog();
        } else {
            event->ignore();
        }
        return;
    }
    event->acceptProposedAction();
}

QString TableWidget::takeSource(int output, int source, bool *noRight)
{
    // The stage checks the route itself; the live label stays until the take.
    if (m_stageHook)
        return stage(output, GridLayout::reportedSource(source, m_reduceHdmiSource));
    QString refusal = refusalFor(output, source, noRight);
    if (!refusal.isEmpty()) {
        emit refused(refusal);
        return refusal;
    }
    showSource(output, source);
    emit dropPortToItemSig(GridLayout::reportedSource(source, m_reduceHdmiSource), output);
    return QString();
}

bool TableWidget::clearRoute(int port)
{
    QTableWidgetItem *it = itemForPort(port);
    TableItemWidget *cell = cellForPort(port);
    if (m_stageHook)
        return it && cell && stage(port, 0).isEmpty();
    if (!m_offlineReason.isEmpty()) {
        emit refused(m_offlineReason);
        return false;
    }
    if (!it || !cell || cell->isCellLocked())
        return false;
    if (m_dropCheck && !m_dropCheck(GridLayout::dropRights(m_kind, port, 0), port)) {
        emit si_showPermissionWarningDialog();
        return false;
    }
    emit dropPortToItemSig(0, port);
    it->setText(QString());
    it->setData(ListRoles::Source, 0);
    cell->setInputText(QString());
    return true;
}

void TableWidget::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    fitCells();
    markSelection();
}

void TableWidget::fitCells()
{
    if (rowCount() == 0 || columnCount() == 0)
        return;
    const int height = viewport()->height() / rowCount();
    int width = viewport()->width() / columnCount();
    if (m_kind != int(GridLayout::Kind::Video))
        width -= 1;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (QWidget *w = cellWidget(row, column))
                w->setFixedSize(width, height);
        }
    }
}
