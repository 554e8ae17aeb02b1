#include "videotablewidget.h"
#include "listroles.h"

#include "tableitemwidget.h"

#include <QFrame>
#include <QItemSelectionModel>

VideoTableWidget::VideoTableWidget(QWidget *parent)
    : TableWidget(parent)
{
    setGridKind(int(GridLayout::Kind::Video));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_selectionFrame = new QFrame(viewport());
    m_selectionFrame->setObjectName(QStringLiteral("selectionFrame"));
    m_selectionFrame->setStyleSheet(QStringLiteral(
        "QFrame { border: 2px solid rgba(51,140,86,128); background-color: transparent; }"));
    m_selectionFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_selectionFrame->hide();
    connect(
        this, &QTableWidget::itemSelectionChanged, this, &VideoTableWidget::updateSelectionFrame);
    // A rebuild replaces every cell, so the lock and the colours go on again.
    connect(this, &TableWidget::layoutChangedSig, this, [this] {
        applyOutput9Lock();
        restyleCells();
        updateSelectionFrame();
    });
}

void VideoTableWidget::rebuildForSpliceMode(int spliceMode)
{
    const GridLayout::Shape shape =
        GridLayout::shapeFor(GridLayout::Kind::Video, m_deviceCode, spliceMode);
    setGridShape(shape.columns, shape.rows, m_deviceCode);
}

QList<int> VideoTableWidget::selectedOutputs() const
{
    QList<int> outputs;
    const QModelIndexList indexes =
        selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    for (const QModelIndex &index : indexes) {
        const int port = index.data(ListRoles::Port).toInt();
        if (port > 0 && !outputs.contains(port))
            outputs << port;
    }
    return outputs;
}

void VideoTableWidget::setSpliceLayoutMode(int mode)
{
    rebuildForSpliceMode(mode);
    emit spliceLayoutModeChanged(mode);
}

void VideoTableWidget::setOutput9Locked(bool locked)
{
    m_output9Locked = locked;
    applyOutput9Lock();
}

void VideoTableWidget::applyOutput9Lock()
{
    QTableWidgetItem *it = itemForPort(9);
    if (!it)
        return;
    const Qt::ItemFlags lockable = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    it->setFlags(m_output9Locked ? it->flags() & ~lockable : it->flags() | lockable);
    if (TableItemWidget *cell = cellForPort(9))
        cell->setCellLocked(m_output9Locked);
}

void VideoTableWidget::restyleCells()
{
    QMap<int, QString> colourOf;
    if (m_groups && !m_bindColours.isEmpty()) {
        int index = 0;
        for (const QList<int> &group : *m_groups) {
            const QString colour = m_bindColours.at(index++ % m_bindColours.size());
            for (int output : group)
                colourOf.insert(output, colour);
        }
    }
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto *cell = qobject_cast<TableItemWidget *>(cellWidget(row, column));
            QTableWidgetItem *it = item(row, column);
            if (!cell || !it || cell->isCellLocked())
                continue;
            const int port = it->data(ListRoles::Port).toInt();
            const QString top = colourOf.value(port, QStringLiteral("rgb(240,241,236)"));
            cell->applyColours(top,
                               QStringLiteral("#2c3e50"),
                               QStringLiteral("rgb(239,239,239)"),
                               QStringLiteral("#2c3e50"),
                               1);
        }
    }
}

void VideoTableWidget::updateSelectionFrame()
{
    QRect united;
    const QList<QTableWidgetItem *> items = selectedItems();
    for (QTableWidgetItem *it : items)
        united = united.united(visualItemRect(it));
    if (united.isNull()) {
        m_selectionFrame->hide();
        return;
    }
    m_selectionFrame->setGeometry(united);
    m_selectionFrame->raise();
    m_selectionFrame->show();
}

void VideoTableWidget::resizeEvent(QResizeEvent *event)
{
    TableWidget::resizeEvent(event);
    updateSelectionFrame();
}
