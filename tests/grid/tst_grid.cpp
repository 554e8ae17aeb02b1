#include "gridlayout.h"
#include "listroles.h"
#include "listwidget.h"
#include "portnamelabel.h"
#include "tableitemwidget.h"
#include "tablewidget.h"
#include "tablewidgetaudiomix.h"

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QtTest>

#include <memory>

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
    void signalListRefreshesReuseTheirIcons();
    void iconClicks_data();
    void iconClicks();
    void longNamesKeepTheirNumber_data();
    void longNamesKeepTheirNumber();
    void gridCells_data();
    void gridCells();
    void drops_data();
    void drops();
    void audioMixPortsAndLabels();
    void audioMixSingleCellAndBack_data();
    void audioMixSingleCellAndBack();
    void audioMixSources_data();
    void audioMixSources();
    void cleanup() { m_mix.reset(); }

private:
    // The 0808-S "Audio" page grid: the analogue output 1, then HDMI audio 1 to 8.
    void openAudioMix();
    TableItemWidget *mixCell(int index) const
    {
        return qobject_cast<TableItemWidget *>(m_mix->cellWidget(index / 3, index % 3));
    }

    std::unique_ptr<TableWidgetAudioMix> m_mix;
};

// Delivers drops straight to the grid, as the drag manager would at the end of a drag.
class DropGrid : public TableWidget
{
public:
    // Drops `text` on the centre of the cell at row/column.
    void dropText(int row, int column, const QString &text)
    {
        QMimeData data;
        data.setText(text);
        QDropEvent event(visualRect(model()->index(row, column)).center(),
                         Qt::CopyAction,
                         &data,
                         Qt::LeftButton,
                         Qt::NoModifier);
        dropEvent(&event);
    }
};

void tst_Grid::shapes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("splice");
    QTest::addColumn<QString>("shape"); // columns x rows, and whether the grid shows
    QTest::addRow("video 0809-M spliced") << 0 << 4 << 3 << "5x2 shown";
    QTest::addRow("infrared 0809-M") << 4 << 4 << 0 << "3x3 shown";
    QTest::addRow("hdmi audio 0409-S") << 3 << 2 << 0 << "1x1 shown";
    QTest::addRow("audio 0409-S hidden") << 2 << 2 << 0 << "0x0 hidden";
}

void tst_Grid::shapes()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(int, splice);
    const Shape s = shapeFor(Kind(kind), code, splice);
    QTEST(QStringLiteral("%1x%2 %3").arg(s.columns).arg(s.rows).arg(s.visible ? "shown" : "hidden"),
          "shape");
}

void tst_Grid::dropRights_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("source");
    QTest::addColumn<QList<int>>("expected"); // out, out cat, function, src, src cat

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
    QCOMPARE((QList<int>{
                 r.outputPort, r.outputCategory, r.functionRight, r.sourcePort, r.sourceCategory}),
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
    // The drag text of the current item: an audio port as is, an input as 100 + n and typed.
    list.setCurrentRow(2);
    QScopedPointer<QMimeData> audio(list.model()->mimeData({list.model()->index(2, 0)}));
    list.setCurrentRow(10);
    QScopedPointer<QMimeData> input(list.model()->mimeData({list.model()->index(10, 0)}));
    QCOMPARE(audio->text() + ' ' + input->text(), QStringLiteral("3 103"));
    QCOMPARE(audio->data(QStringLiteral("application/type")), QByteArray());
    QCOMPARE(input->data(QStringLiteral("application/type")), QByteArray("1"));
    // Only the 0809's audio page lists the audio ports; inputs are always listed.
    list.setDisplayMode(ListWidget::DisplayMode::Audio, 1);
    QVERIFY(!list.item(7)->isHidden());
    list.setDisplayMode(ListWidget::DisplayMode::Audio, 2);
    QVERIFY(list.item(0)->isHidden() && list.item(7)->isHidden() && !list.item(8)->isHidden());
    list.setDisplayMode(ListWidget::DisplayMode::Video, 1);
    QVERIFY(list.item(0)->isHidden());
}

// Every reconnect refreshes the signal list. A fresh icon per refresh had a new cache
// key, so each repaint left another scaled copy in the pixmap cache: about 20 kB kept
// per reconnect. The same colour must come back as the same icon.
void tst_Grid::signalListRefreshesReuseTheirIcons()
{
    ListWidget list;
    const auto refresh = [&list] {
        list.rebuild({}, {});
        list.setInputPresence({});
        list.setInputPresence({{1, true}});
        QList<qint64> keys;
        for (int i = 0; i < list.count(); ++i)
            keys << list.item(i)->icon().cacheKey();
        return keys;
    };
    const QList<qint64> first = refresh();
    QCOMPARE(first.at(0), first.at(9));  // audio 1 and input 2: both dark
    QVERIFY(first.at(8) != first.at(9)); // input 1 green
    QCOMPARE(refresh(), first);
}

void tst_Grid::iconClicks_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<bool>("cellLocked");
    QTest::addColumn<QString>("offline");
    QTest::addColumn<QList<bool>>("mutes"); // ordered after two clicks; no pause row is allowed
    QTest::addRow("mute twice") << "muteIcon" << true << false << "" << QList<bool>{true, false};
    QTest::addRow("pause refused") << "pauseIcon" << false << false << "" << QList<bool>{};
    QTest::addRow("locked cell") << "muteIcon" << true << true << "" << QList<bool>{};
    QTest::addRow("offline: put back")
        << "muteIcon" << true << false << "Not connected." << QList<bool>{};
}

void tst_Grid::iconClicks()
{
    QFETCH(QString, icon);
    QFETCH(bool, allowed);
    QFETCH(bool, cellLocked);
    QFETCH(QString, offline);
    TableWidget grid;
    grid.setGridShape(5, 2, 1);
    grid.setOfflineReason(offline);
    TableItemWidget *cell = grid.cellForPort(3);
    cell->setPauseAllowed(allowed);
    cell->setMuteAllowed(allowed);
    cell->setCellLocked(cellLocked);
    QSignalSpy pause(&grid, &TableWidget::si_orderToPause);
    QSignalSpy mute(&grid, &TableWidget::si_orderToMute);
    QSignalSpy refused(&grid, &TableWidget::refused);
    QTest::mouseClick(cell->findChild<QLabel *>(icon), Qt::LeftButton);
    QCOMPARE(cell->isMuted(), mute.count() == 1);
    QTest::mouseClick(cell->findChild<QLabel *>(icon), Qt::LeftButton);
    QList<bool> mutes;
    for (const auto &args : qAsConst(mute))
        mutes << args.at(1).toBool();
    QTEST(mutes, "mutes");
    QCOMPARE(pause.count(), 0);
    QCOMPARE(refused.count(), offline.isEmpty() ? 0 : 2);
}

void tst_Grid::longNamesKeepTheirNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shownStart");
    QTest::addColumn<bool>("shortened");
    QTest::addRow("fits") << "[3] Lobby"
                          << "[3] Lobby" << false;
    QTest::addRow("long name") << "[12] Projector above the north entrance"
                               << "[12] " << true;
    QTest::addRow("no number") << "Projector above the north entrance hall"
                               << "Proj" << true;
}

// A long name in a narrow cell is shortened at its end; the port number stays in sight.
void tst_Grid::longNamesKeepTheirNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, shownStart);
    QFETCH(bool, shortened);
    TableItemWidget cell;
    cell.setOutputText(text);
    cell.resize(110, 60);
    cell.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cell));
    auto *label = cell.findChild<PortNameLabel *>(QStringLiteral("OutputName"));
    QVERIFY(label);
    QCOMPARE(cell.outputText(), text);
    QVERIFY2(label->shownText().startsWith(shownStart), qPrintable(label->shownText()));
    QCOMPARE(label->shownText().endsWith(QChar(0x2026)), shortened);
    QVERIFY(label->fontMetrics().horizontalAdvance(label->shownText()) <=
            label->contentsRect().width());
}

void tst_Grid::gridCells_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<int>>("cellPorts");
    QTest::addRow("5x2 0809") << 5 << 2 << 0 << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
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
    grid.setNames({{base + 1, QStringLiteral("Hall")}});
    grid.setGridShape(columns, rows, code);
    QList<int> ports;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (qobject_cast<TableItemWidget *>(grid.cellWidget(r, c)))
                ports << grid.item(r, c)->data(ListRoles::Port).toInt();
        }
    }
    QTEST(ports, "cellPorts");
    // Numbered from 1 like every grid, also the HDMI audio grid of ports 101 and up.
    QCOMPARE(grid.cellForPort(base + 1)->outputText(), QStringLiteral("[1] Hall"));
}

void tst_Grid::drops_data()
{
    QTest::addColumn<int>("kind"); // 0 video (inputs reduced to 1..n), 2 audio
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QString>("offline");
    QTest::addColumn<QPoint>("cell"); // column, row
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("reported"); // source, output; empty for none
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("reason"); // the refusal told to the message line

    QTest::addRow("input 3 on video 5")
        << 0 << true << "" << QPoint(0, 1) << "103" << QList<int>{3, 5} << "[3] Input 3"
        << "";
    QTest::addRow("input 3 on audio 2")
        << 2 << true << "" << QPoint(1, 0) << "103" << QList<int>{103, 2} << "[3] Input 3"
        << "";
    QTest::addRow("audio 3 on audio 2")
        << 2 << true << "" << QPoint(1, 0) << "3" << QList<int>{3, 2} << "[3] Audio 3"
        << "";
    QTest::addRow("refused") << 0 << false << "" << QPoint(0, 1) << "103" << QList<int>{} << ""
                             << "You have no right to switch output 5.";
    QTest::addRow("empty fifth cell")
        << 0 << true << "" << QPoint(4, 0) << "103" << QList<int>{} << ""
        << "There is no output here.";
    QTest::addRow("not a number") << 0 << true << "" << QPoint(0, 1) << "x" << QList<int>{} << ""
                                  << "";
    QTest::addRow("offline: the cell keeps its source")
        << 0 << true << "Not connected." << QPoint(0, 1) << "103" << QList<int>{} << ""
        << "Not connected.";
}

void tst_Grid::drops()
{
    QFETCH(int, kind);
    QFETCH(bool, allowed);
    QFETCH(QString, offline);
    QFETCH(QPoint, cell);
    QFETCH(QString, text);
    QFETCH(QList<int>, reported);
    DropGrid grid;
    grid.resize(500, 200);
    grid.setGridKind(kind);
    grid.setReduceHdmiSource(kind == 0);
    grid.setSourceNames([](int n) { return QStringLiteral("Audio %1").arg(n); },
                        [](int n) { return QStringLiteral("Input %1").arg(n); });
    GridLayout::DropRights asked;
    grid.setDropCheck([&](const GridLayout::DropRights &r, int) {
        asked = r;
        return allowed;
    });
    grid.setGridShape(5, 2, 1);
    grid.setOfflineReason(offline);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy dropped(&grid, &TableWidget::dropPortToItemSig);
    QSignalSpy warned(&grid, &TableWidget::si_showPermissionWarningDialog);
    QSignalSpy refused(&grid, &TableWidget::refused);
    grid.dropText(cell.y(), cell.x(), text);
    if (reported.isEmpty()) {
        QCOMPARE(dropped.count(), 0);
        QCOMPARE(grid.cellForPort(5)->inputText(), QString());
    } else {
        QCOMPARE(dropped.count(), 1);
        QCOMPARE((QList<int>{dropped.at(0).at(0).toInt(), dropped.at(0).at(1).toInt()}), reported);
        QCOMPARE(grid.itemForPort(reported.at(1))->data(ListRoles::Source).toInt(), text.toInt());
        QTEST(grid.cellForPort(reported.at(1))->inputText(), "label");
    }
    QCOMPARE(warned.count(), allowed ? 0 : 1);
    QTEST(refused.isEmpty() ? QString() : refused.first().first().toString(), "reason");
    if (!allowed)
        QCOMPARE(asked.functionRight, 22); // the video switching right
}

void tst_Grid::openAudioMix()
{
    m_mix = std::make_unique<TableWidgetAudioMix>();
    m_mix->resize(600, 300);
    m_mix->setSourceNames([](int n) { return QStringLiteral("Mic %1").arg(n); },
                          [](int n) { return QStringLiteral("Camera %1").arg(n); });
    QMap<int, QString> names{{1, QStringLiteral("Hall speakers")}};
    for (int n = 1; n <= 8; ++n)
        names.insert(100 + n, QStringLiteral("Screen %1").arg(n));
    m_mix->setNames(names);
    m_mix->build();
    m_mix->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_mix.get()));
}

void tst_Grid::audioMixPortsAndLabels()
{
    openAudioMix();
    QList<int> ports;
    for (int cell = 0; cell < 9; ++cell)
        ports << m_mix->item(cell / 3, cell % 3)->data(ListRoles::Port).toInt();
    QCOMPARE(ports, (QList<int>{1, 101, 102, 103, 104, 105, 106, 107, 108}));
    QCOMPARE(mixCell(0)->outputText(), QStringLiteral("[1] Hall speakers"));
    QCOMPARE(mixCell(8)->outputText(), QStringLiteral("[8] Screen 8"));
    // A rename reaches the cell at once.
    m_mix->setPortName(105, QStringLiteral("Stage"));
    QCOMPARE(mixCell(5)->outputText(), QStringLiteral("[5] Stage"));
    // Built again (every version record does), the grid keeps its cells.
    TableItemWidget *middle = mixCell(4);
    m_mix->build();
    QCOMPARE(mixCell(4), middle);
    QCOMPARE(middle->outputText(), QStringLiteral("[4] Screen 4"));
}

void tst_Grid::audioMixSingleCellAndBack_data()
{
    QTest::addColumn<QList<bool>>("independent"); // calls in order; the last one counts
    QTest::addColumn<bool>("single");
    QTest::addRow("follow video") << QList<bool>{false} << true;
    QTest::addRow("independently") << QList<bool>{true} << false;
    QTest::addRow("follow video and back") << QList<bool>{false, true} << false;
}

// The HDMI cells hide at once when the grid goes single-cell.
void tst_Grid::audioMixSingleCellAndBack()
{
    QFETCH(QList<bool>, independent);
    QFETCH(bool, single);
    openAudioMix();
    for (bool on : independent)
        m_mix->setHdmiIndependent(on);
    QCOMPARE(m_mix->isSingleCell(), single);
    for (int i = 1; i < 3; ++i) {
        QCOMPARE(m_mix->isRowHidden(i), single);
        QCOMPARE(m_mix->isColumnHidden(i), single);
    }
    QCOMPARE(mixCell(4)->isVisible(), !single);
    // The one cell fills the page, also after the page is resized.
    m_mix->resize(450, 240);
    const QSize viewport = m_mix->viewport()->size();
    QCOMPARE(mixCell(0)->width(), single ? viewport.width() : viewport.width() / 3 - 1);
}

void tst_Grid::audioMixSources_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("label");
    QTest::addRow("camera audio on HDMI 4") << 104 << 103 << "[3] Camera 3";
    QTest::addRow("mic on the analogue output") << 1 << 5 << "[5] Mic 5";
    QTest::addRow("100 clears") << 106 << 100 << "";
    QTest::addRow("0 clears") << 1 << 0 << "";
}

void tst_Grid::audioMixSources()
{
    QFETCH(int, port);
    QFETCH(int, source);
    openAudioMix();
    m_mix->showRoutes({{port, 101}});
    m_mix->showRoutes({{port, source}});
    const int index = port == 1 ? 0 : port - 100;
    QTEST(mixCell(index)->inputText(), "label");
    QCOMPARE(m_mix->item(index / 3, index % 3)->data(ListRoles::Source).toInt(), source);
}

QTEST_MAIN(tst_Grid)
#include "tst_grid.moc"
