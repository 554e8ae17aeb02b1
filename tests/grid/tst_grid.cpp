#include "gridlayout.h"
#include "listwidget.h"
#include "tableitemwidget.h"
#include "tablewidget.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>

#include <QtTest>

using namespace GridLayout;

class tst_Grid : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void dropRights_data();
    void dropRights();
    void signalListItems();
    void dragText_data();
    void dragText();
    void audioItemsPerMode_data();
    void audioItemsPerMode();
    void cellIconClicks_data();
    void cellIconClicks();
    void gridCells_data();
    void gridCells();
    void drops_data();
    void drops();
    void offlineIconClicksRefused();
};

namespace {

// Delivers drops straight to the grid, as the drag manager would at the end of a drag.
class DropGrid : public TableWidget
{
public:
    using TableWidget::dropEvent;
};

// Drops `text` on the centre of the cell at row/column.
bool dropText(DropGrid &grid, int row, int column, const QString &text)
{
    const QRect rect = grid.visualRect(grid.model()->index(row, column));
    auto *data = new QMimeData;
    data->setText(text);
    QDropEvent event(rect.center(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    grid.dropEvent(&event);
    delete data;
    return event.isAccepted();
}

} // namespace

void tst_Grid::shapes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("splice");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("visible");

    QTest::addRow("video 0809 spliced") << 0 << 1 << 1 << 5 << 2 << true;
    QTest::addRow("video 0809-M spliced") << 0 << 4 << 3 << 5 << 2 << true;
    QTest::addRow("infrared 0809-M") << 4 << 4 << 0 << 3 << 3 << true;
    QTest::addRow("hdmi audio 0409-S") << 3 << 2 << 0 << 1 << 1 << true;
    QTest::addRow("audio 0409-S hidden") << 2 << 2 << 0 << 0 << 0 << false;
}

void tst_Grid::shapes()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(int, splice);
    const Shape s = shapeFor(Kind(kind), code, splice);
    QTEST(s.columns, "columns");
    QTEST(s.rows, "rows");
    QTEST(s.visible, "visible");
}

void tst_Grid::dropRights_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("source");
    QTest::addColumn<QList<int>>("expected"); // out, out cat, function, src, src cat

    QTest::addRow("video") << 0 << 5 << 103 << QList<int>{5, 1, 22, 3, 0};
    QTest::addRow("audio from input") << 2 << 2 << 103 << QList<int>{2, 3, 23, 3, 0};
    QTest::addRow("audio from audio") << 2 << 2 << 4 << QList<int>{2, 3, 23, 4, 2};
    QTest::addRow("hdmi audio") << 3 << 102 << 3 << QList<int>{2, 1, 24, 3, 2};
    QTest::addRow("infrared") << 4 << 7 << 106 << QList<int>{7, 1, 25, 6, 0};
    QTest::addRow("0808-S analogue") << 5 << 4 << 101 << QList<int>{4, 3, 23, 1, 0};
    QTest::addRow("0808-S hdmi") << 5 << 104 << 2 << QList<int>{4, 1, 24, 2, 2};
}

void tst_Grid::dropRights()
{
    QFETCH(int, kind);
    QFETCH(int, output);
    QFETCH(int, source);
    QFETCH(QList<int>, expected);
    const DropRights r = GridLayout::dropRights(kind, output, source);
    QVERIFY(r.checked);
    QCOMPARE((QList<int>{r.outputPort, r.outputCategory, r.functionRight, r.sourcePort,
                         r.sourceCategory}),
             expected);
    QVERIFY(!GridLayout::dropRights(1, 1, 1).checked);
}

void tst_Grid::signalListItems()
{
    ListWidget list;
    list.rebuild({{2, QStringLiteral("Mic")}}, {{8, QStringLiteral("Camera")}});
    QCOMPARE(list.count(), 16);
    QCOMPARE(list.item(1)->text(), QStringLiteral(" [2] Mic"));
    QCOMPARE(list.item(8)->text(), QStringLiteral(" [1] Input 1"));
    QCOMPARE(list.item(15)->text(), QStringLiteral(" [8] Camera"));
    QCOMPARE(list.item(15)->data(Qt::UserRole).toString(), QStringLiteral("8"));
    QCOMPARE(list.item(15)->data(Qt::UserRole + 2).toInt(), 1);
    QCOMPARE(list.item(3)->data(Qt::UserRole + 2).toInt(), 0);
}

void tst_Grid::dragText_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addRow("audio 3") << 2 << "3" << false;
    QTest::addRow("input 3") << 10 << "103" << true;
}

void tst_Grid::dragText()
{
    QFETCH(int, row);
    ListWidget list;
    list.rebuild({}, {});
    list.setCurrentRow(row);
    const QModelIndex index = list.model()->index(row, 0);
    QScopedPointer<QMimeData> data(list.model()->mimeData({index}));
    QVERIFY(data);
    QTEST(data->text(), "text");
    QVERIFY(data->hasFormat(QStringLiteral("application/x-qabstractitemmodeldatalist")));
    QFETCH(bool, typed);
    QCOMPARE(data->data(QStringLiteral("application/type")), typed ? QByteArray("1") : QByteArray());
}

void tst_Grid::audioItemsPerMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("audioShown");
    QTest::addRow("video") << 0 << 1 << false;
    QTest::addRow("audio 0809") << 1 << 1 << true;
    QTest::addRow("audio 0409-S") << 1 << 2 << false;
    QTest::addRow("audio 0808-S") << 1 << 3 << false;
    QTest::addRow("infrared") << 2 << 0 << false;
}

void tst_Grid::audioItemsPerMode()
{
    QFETCH(int, mode);
    QFETCH(int, code);
    ListWidget list;
    list.rebuild({}, {});
    list.setDisplayMode(ListWidget::DisplayMode(mode), code);
    for (int i = 0; i < 8; ++i)
        QTEST(!list.item(i)->isHidden(), "audioShown");
    QVERIFY(!list.item(8)->isHidden());
}

void tst_Grid::cellIconClicks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<bool>("cellLocked");
    QTest::addColumn<QList<bool>>("pauses");
    QTest::addColumn<QList<bool>>("mutes");
    QTest::addRow("mute twice") << "muteIcon" << true << false << QList<bool>{}
                                << QList<bool>{true, false};
    QTest::addRow("pause refused") << "pauseIcon" << false << false << QList<bool>{}
                                   << QList<bool>{};
    QTest::addRow("locked cell") << "muteIcon" << true << true << QList<bool>{} << QList<bool>{};
}

void tst_Grid::cellIconClicks()
{
    QFETCH(QString, label);
    QFETCH(bool, allowed);
    QFETCH(bool, cellLocked);
    TableItemWidget cell;
    cell.setPauseAllowed(allowed);
    cell.setMuteAllowed(allowed);
    cell.setCellLocked(cellLocked);
    QSignalSpy pause(&cell, &TableItemWidget::si_click_pause);
    QSignalSpy mute(&cell, &TableItemWidget::si_click_mute);
    auto *icon = cell.findChild<QLabel *>(label);
    QVERIFY(icon);
    QTest::mouseClick(icon, Qt::LeftButton);
    QTest::mouseClick(icon, Qt::LeftButton);
    QList<bool> pauses, mutes;
    for (const auto &args : qAsConst(pause))
        pauses << args.at(0).toBool();
    for (const auto &args : qAsConst(mute))
        mutes << args.at(0).toBool();
    QTEST(pauses, "pauses");
    QTEST(mutes, "mutes");
    QCOMPARE(cell.isEnabled(), !cellLocked);
}

void tst_Grid::gridCells_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<int>>("cellPorts");
    QTest::addRow("5x2 0809") << 5 << 2 << 0 << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::addRow("3x3 0808") << 3 << 3 << 0 << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::addRow("hdmi 1x1") << 1 << 1 << 100 << 2 << QList<int>{101};
}

void tst_Grid::gridCells()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, base);
    QFETCH(int, code);
    TableWidget grid;
    grid.setPortBase(base);
    QSignalSpy changed(&grid, &TableWidget::layoutChangedSig);
    grid.setNames({{base + 1, QStringLiteral("Hall")}});
    grid.setGridShape(columns, rows, code);
    QCOMPARE(changed.count(), 1);
    QList<int> ports;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            if (auto *cell = qobject_cast<TableItemWidget *>(grid.cellWidget(r, c)))
                ports << grid.item(r, c)->data(Qt::UserRole).toInt(), Q_UNUSED(cell);
    QTEST(ports, "cellPorts");
    // Numbered from 1 like every grid, also the HDMI audio grid of ports 101 and up.
    QCOMPARE(grid.cellForPort(base + 1)->outputText(), QStringLiteral("[1] Hall"));
}

void tst_Grid::drops_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("reduce");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QString>("offline");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("reported"); // source, output; empty for none
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("reason"); // the refusal told to the message line

    QTest::addRow("input 3 on video 5") << 0 << true << true << "" << 1 << 0 << "103"
                                        << QList<int>{3, 5} << 0 << "[3] Input 3" << "";
    QTest::addRow("input 3 on audio 2") << 2 << false << true << "" << 0 << 1 << "103"
                                        << QList<int>{103, 2} << 0 << "[3] Input 3" << "";
    QTest::addRow("audio 3 on audio 2") << 2 << false << true << "" << 0 << 1 << "3"
                                        << QList<int>{3, 2} << 0 << "[3] Audio 3" << "";
    QTest::addRow("refused") << 0 << true << false << "" << 1 << 0 << "103" << QList<int>{} << 1
                             << "" << "You have no right to switch output 5.";
    QTest::addRow("empty fifth cell") << 0 << true << true << "" << 0 << 4 << "103" << QList<int>{}
                                      << 0 << "" << "There is no output here.";
    QTest::addRow("not a number") << 0 << true << true << "" << 1 << 0 << "x" << QList<int>{} << 0
                                  << "" << "";
    QTest::addRow("offline: the cell keeps its source") << 0 << true << true << "Not connected."
                                  << 1 << 0 << "103" << QList<int>{} << 0 << "" << "Not connected.";
}

void tst_Grid::drops()
{
    QFETCH(int, kind);
    QFETCH(bool, reduce);
    QFETCH(bool, allowed);
    QFETCH(QString, offline);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    DropGrid grid;
    grid.resize(500, 200);
    grid.setGridKind(kind);
    grid.setReduceHdmiSource(reduce);
    grid.setSourceNames([](int n) { return QStringLiteral("Audio %1").arg(n); },
                        [](int n) { return QStringLiteral("Input %1").arg(n); });
    GridLayout::DropRights asked;
    grid.setDropCheck([&](const GridLayout::DropRights &r, int) { asked = r; return allowed; });
    grid.setGridShape(5, 2, 1);
    grid.setOfflineReason(offline);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy dropped(&grid, &TableWidget::dropPortToItemSig);
    QSignalSpy warned(&grid, &TableWidget::si_showPermissionWarningDialog);
    QSignalSpy refused(&grid, &TableWidget::si_refused);
    dropText(grid, row, column, text);
    QFETCH(QList<int>, reported);
    if (reported.isEmpty()) {
        QCOMPARE(dropped.count(), 0);
        QCOMPARE(grid.cellForPort(5)->inputText(), QString());
    } else {
        QCOMPARE(dropped.count(), 1);
        QCOMPARE((QList<int>{dropped.at(0).at(0).toInt(), dropped.at(0).at(1).toInt()}), reported);
        QCOMPARE(grid.itemForPort(reported.at(1))->data(Qt::UserRole + 1).toInt(), text.toInt());
        QTEST(grid.cellForPort(reported.at(1))->inputText(), "label");
    }
    QTEST(int(warned.count()), "warnings");
    QFETCH(QString, reason);
    QCOMPARE(refused.isEmpty() ? QString() : refused.first().first().toString(), reason);
    if (!allowed)
        QCOMPARE(asked.functionRight, 22);
}

// Offline, a pause or mute click is put back and nothing is ordered.
void tst_Grid::offlineIconClicksRefused()
{
    TableWidget grid;
    grid.setGridShape(5, 2, 1);
    grid.setOfflineReason(QStringLiteral("Not connected."));
    QSignalSpy ordered(&grid, &TableWidget::si_orderToMute);
    QSignalSpy refused(&grid, &TableWidget::si_refused);
    TableItemWidget *cell = grid.cellForPort(3);
    QTest::mouseClick(cell->findChild<QLabel *>("muteIcon"), Qt::LeftButton);
    QCOMPARE(ordered.count(), 0);
    QCOMPARE(refused.count(), 1);
    QVERIFY(!cell->isMuted());
    grid.setOfflineReason(QString());
    QTest::mouseClick(cell->findChild<QLabel *>("muteIcon"), Qt::LeftButton);
    QCOMPARE(ordered.count(), 1);
}

QTEST_MAIN(tst_Grid)
#include "tst_grid.moc"
