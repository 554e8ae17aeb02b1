#include "tablewidgetaudiomix.h"
#include "listroles.h"

#include "tableitemwidget.h"

#include <QHeaderView>

namespace {
constexpr int Side = 3;
} // namespace

TableWidgetAudioMix::TableWidgetAudioMix(QWidget *parent)
    : TableWidget(parent)
{
    setGridKind(int(GridLayout::Kind::Audio0808S));
    setReduceHdmiSource(false);
    setSelectionMode(QAbstractItemView::NoSelection);
}

int TableWidgetAudioMix::portAt(int row, int column)
{
    return row == 0 && column == 0 ? 1 : 100 + Side * row + column;
}

void TableWidgetAudioMix::build()
{
    // Every version record builds the grid again; its shape never changes, so the
    // cells are made once.
    if (rowCount() == Side && columnCount() == Side && cellWidget(0, 0)) {
        writeNames();
        restyleCells();
        fitCells();
        emit layoutChangedSig();
        return;
    }
    clear();
    setColumnCount(Side);
    setRowCount(Side);
    for (int row = 0; row < Side; ++row) {
        for (int column = 0; column < Side; ++column) {
            auto *item = new QTableWidgetItem(QString());
            item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            item->setData(ListRoles::Port, portAt(row, column));
            setItem(row, column, item);
            auto *cell = new TableItemWidget;
            cell->setIconsVisible(false);
            setCellWidget(row, column, cell);
        }
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    writeNames();
    restyleCells();
    fitCells();
    emit layoutChangedSig();
}

void TableWidgetAudioMix::writeNames()
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto *cell = qobject_cast<TableItemWidget *>(cellWidget(row, column));
            if (!cell)
                continue;
            const int port = portAt(row, column);
            const int number = port == 1 ? 1 : port - m_portBase;
            cell->setOutputText(QStringLiteral("[%1] %2").arg(number).arg(portName(port)));
        }
    }
}

void TableWidgetAudioMix::setPortName(int port, const QString &name)
{
    QMap<int, QString> all = names();
    all.insert(port, name);
    setNames(all);
}

void TableWidgetAudioMix::setHdmiIndependent(bool independent)
{
    const bool single = !independent;
    for (int i = 1; i < Side; ++i) {
        setRowHidden(i, single);
        setColumnHidden(i, single);
    }
    m_singleCell = single;
    // Cell widgets of hidden rows would otherwise linger until the next layout pass.
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (QWidget *cell = cellWidget(row, column))
                cell->setVisible(!single || (row == 0 && column == 0));
        }
    }
    updateEditorGeometries();
    fitCells();
}

void TableWidgetAudioMix::showRoutes(const QMap<int, int> &audioRouting)
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const int port = portAt(row, column);
            const auto it = audioRouting.constFind(port);
            if (it != audioRouting.cend())
                showSource(port, it.value());
        }
    }
}

void TableWidgetAudioMix::restyleCells()
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto *cell = qobject_cast<TableItemWidget *>(cellWidget(row, column));
            if (!cell)
                continue;
            const QString &colour = portAt(row, column) == 1 ? m_analogueColour : m_hdmiColour;
            cell->applyColours(colour,
                               QStringLiteral("#f0f1ec"),
                               QStringLiteral("#efefef"),
                               QStringLiteral("#9f9f9f"),
                               0);
        }
    }
    const QList<QTableWidgetItem *> selected = selectedItems();
    for (QTableWidgetItem *it : selected) {
        if (auto *cell = qobject_cast<TableItemWidget *>(cellWidget(it->row(), it->column())))
            cell->applyColours(QStringLiteral("#808080"),
                               QStringLiteral("#f9fafa"),
                               QStringLiteral("#f0f0f0"),
                               QStringLiteral("#c9caca"),
                               0);
    }
}

void TableWidgetAudioMix::fitCells()
{
    if (rowCount() != Side || columnCount() != Side)
        return;
    // The viewport is what the cells can fill; the frame around it is not theirs.
    const int width = viewport()->width();
    const int height = viewport()->height();
    for (int row = 0; row < Side; ++row) {
        for (int column = 0; column < Side; ++column) {
            if (QWidget *cell = cellWidget(row, column))
                cell->setFixedSize(width / Side - 1, height / Side);
        }
    }
    if (m_singleCell) {
        if (QWidget *cell = cellWidget(0, 0))
            cell->setFixedSize(width, height);
    }
}
