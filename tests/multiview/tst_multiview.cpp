#include "canvasmath.h"
#include "devicestate.h"
#include "dialogwindowproperty.h"
#include "inputsignalwidget0409.h"
#include "outputwidget0409.h"
#include "recallcheck.h"
#include "wallgeometry.h"
#include "windowlayers.h"
#include "zelresources.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMimeData>
#include <QSpinBox>
#include <QTranslator>
#include <QtTest>

#include <memory>

using Item = InputSignalWidget0409;

// The canvas's window commands land here instead of on a socket.
class tst_Multiview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init();
    void cleanup() { m_canvas.reset(); }

    void canvasMath_data();
    void canvasMath();

    void dropOpensZoomsAndRestoresAWindow();
    void drawnWindow_data();
    void drawnWindow();
    void dragMovesUnlessLocked_data();
    void dragMovesUnlessLocked();
    void fourWindowsAtMostAndIdsReused();
    void layerOrders_data();
    void layerOrders();
    void zeroWallRefusesWithAReason();
    void closingAllWindowsAskedOnlyWhenOpen();
    void propertyDialog_data();
    void propertyDialog();
    void jointRecallWarning();
    void closedWindowStaysClosedOnLaterAnswers();
    void screenshots();

private:
    void openCanvas(int virMode = 0, const QString &resolution = QStringLiteral("1920x1080x60Hz"));
    Item *addCellWindow(int input, const QPoint &at);
    void drag(QWidget *target, const QPoint &from, const QPoint &to);

    std::unique_ptr<OutputWidget0409> m_canvas;
    QStringList m_sent;
    QStringList m_dialogs;
};

void tst_Multiview::init()
{
    DeviceState *state = DeviceState::instance();
    state->setVirMode(0);
    state->setOutputResolutions(QMap<int, QString>());
    state->setRotation(QMap<int, int>());
    state->setWindowStatus(QMap<int, WindowGeometry>());
    m_sent.clear();
    m_dialogs.clear();
}

// A 900 x 506 canvas over a wall of nine screens, viewed as 3 x 3 cells.
void tst_Multiview::openCanvas(int virMode, const QString &resolution)
{
    DeviceState::instance()->setVirMode(virMode);
    DeviceState::instance()->setOutputResolutions(1, resolution);
    m_canvas = std::make_unique<OutputWidget0409>();
    m_canvas->setCommandSink([this](const QString &c) { m_sent << c; });
    m_canvas->setDialogRunner([this](QDialog &d) {
        QStringList texts{d.windowTitle()};
        for (QLabel *label : d.findChildren<QLabel *>())
            texts << label->text();
        m_dialogs << texts.join(QLatin1Char('|'));
        return int(QDialog::Accepted);
    });
    m_canvas->setInputNames({{1, "Input 1"}, {2, "Input 2"}, {3, "Input 3"}, {4, "Input 4"}});
    m_canvas->resize(900, 506);
    m_canvas->setJoinButton(2);
    m_canvas->recalculate();
    m_canvas->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_canvas.get()));
}

Item *tst_Multiview::addCellWindow(int input, const QPoint &at)
{
    QMimeData data;
    data.setText(QString::number(100 + input));
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the canvas's handler, as the drag manager would at the end of a drag.
    static_cast<QObject *>(m_canvas.get())->event(&drop);
    for (Item *item : m_canvas->windows()) {
        if (item->geometry().contains(at))
            return item;
    }
    return nullptr;
}

// Press, move and release with the left button; the points are canvas coordinates.
void tst_Multiview::drag(QWidget *target, const QPoint &from, const QPoint &to)
{
    const QPoint offset = target == m_canvas.get() ? QPoint() : target->pos();
    for (QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
        const QPoint local = (type == QEvent::MouseButtonPress ? from : to) - offset;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(
            type, local, target->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }
}

// Each row computes one result of the canvas arithmetic and names what it must be.
void tst_Multiview::canvasMath_data()
{
    QTest::addColumn<QVariant>("result");
    QTest::addColumn<QVariant>("expected");
    const auto wall = [](int vir, const char *resolution, int rotation) {
        return QVariant(
            WallGeometry::realResolution(vir, QString::fromLatin1(resolution), rotation));
    };
    const auto view = [](int vir, int button) {
        const CanvasMath::Grid g = CanvasMath::viewGrid(CanvasMath::viewLayoutFor(vir, button, 6));
        return QVariant(QSize(g.cols, g.rows));
    };
    const QSize fullWall(5760, 3240);
    const auto zoom = [fullWall](bool occupied, const QRect &window) {
        const CanvasMath::Grid grid{3, 3};
        const auto rect = occupied ? CanvasMath::zoomOccupiedScreens(window, fullWall, grid)
                                   : CanvasMath::zoomSingleScreen(window, fullWall, grid);
        return QVariant(rect.value_or(QRect()));
    };
    const auto layers = [](const QMap<int, int> &byId) {
        QVariantList list;
        for (int layer : byId)
            list << layer;
        return QVariant(list);
    };
    const auto snap = [](double start, double size, double cell) {
        return QVariant(CanvasMath::snapStart(start, size, cell));
    };
    const QMap<int, int> four{{1, 1}, {2, 2}, {3, 3}, {4, 4}};
    QTest::addRow("wall: 3x3 at 90 degrees")
        << wall(0, "1920x1080x60Hz", 1) << QVariant(QSize(3240, 5760));
    QTest::addRow("wall: 1x9 at 270 degrees")
        << wall(1, "1280x720x60Hz", 3) << QVariant(QSize(6480, 1280));
    QTest::addRow("wall: no text uses 1080p") << wall(0, "", 0) << QVariant(fullWall);
    QTest::addRow("view: 2x2 of 2x4") << view(2, 1) << QVariant(QSize(2, 2));
    QTest::addRow("view: first button of 1x9 is 1x2") << view(1, 0) << QVariant(QSize(2, 1));
    QTest::addRow("view: button above 2 counts as 2") << view(1, 7) << QVariant(QSize(9, 1));
    QTest::addRow("zoom: single screen")
        << zoom(false, QRect(2000, 1500, 500, 500)) << QVariant(QRect(1920, 1080, 1920, 1080));
    QTest::addRow("zoom: occupied screens")
        << zoom(true, QRect(1800, 1000, 300, 200)) << QVariant(QRect(0, 0, 3840, 2160));
    QTest::addRow("zoom: occupied, edges on the screen borders")
        << zoom(true, QRect(1920, 1080, 1920, 1080)) << QVariant(QRect(1920, 1080, 1920, 1080));
    QTest::addRow("snap: 6 past a border") << snap(306, 100, 300) << QVariant(300.0);
    QTest::addRow("snap: not 12 past") << snap(312, 100, 300) << QVariant(312.0);
    QTest::addRow("snap: right edge 6 past") << snap(126, 180, 300) << QVariant(120.0);
    QTest::addRow("snap: zero cell leaves it") << snap(306, 100, 0) << QVariant(306.0);
    QTest::addRow("resize: down to 50 pixels")
        << QVariant(CanvasMath::resizeEdges(
               QRectF(100, 100, 80, 80), CanvasMath::Right, QPointF(150, 150)))
        << QVariant(QRectF(100, 100, 50, 80));
    // The left edge would leave 40 pixels and stays; the top edge follows.
    QTest::addRow("resize: no edge below 50")
        << QVariant(CanvasMath::resizeEdges(
               QRectF(100, 100, 80, 80), CanvasMath::Left | CanvasMath::Top, QPointF(140, 60)))
        << QVariant(QRectF(100, 60, 80, 120));
    QTest::addRow("layers: to bottom from 3")
        << layers(WindowLayers::layerToBottom(four, 3)) << QVariant(QVariantList{2, 3, 1, 4});
    QTest::addRow("layers: up swaps with next above")
        << layers(WindowLayers::layerUp({{1, 1}, {2, 2}, {3, 5}}, 2))
        << QVariant(QVariantList{1, 5, 2});
    QTest::addRow("layers: down from the bottom stays")
        << layers(WindowLayers::layerDown({{1, 3}, {2, 1}, {3, 2}}, 2))
        << QVariant(QVariantList{3, 1, 2});
}

void tst_Multiview::canvasMath()
{
    QFETCH(QVariant, result);
    QTEST(result, "expected");
}

void tst_Multiview::dropOpensZoomsAndRestoresAWindow()
{
    openCanvas();
    Item *item = addCellWindow(3, QPoint(450, 250));
    QVERIFY(item);
    QCOMPARE(m_sent, QStringList{"{param=WindowOpen1/3/1/1920/1080/1920/1080}"});
    // A second drop on the window gives it the new input and opens it again in place.
    addCellWindow(2, QPoint(460, 260));
    QCOMPARE(m_canvas->windows().size(), 1);
    QCOMPARE(m_sent.last(), QStringLiteral("{param=WindowOpen1/2/1/1920/1080/1920/1080}"));
    // It fills its screen exactly: the occupied screens are that one.
    item->runAction(Item::Action::ZoomOccupied);
    QCOMPARE(m_sent.last(), QStringLiteral("{param=WindowResize1/1920/1080/1920/1080}"));
    // A rename or a language switch reaches the window already open.
    m_canvas->setInputNames({{2, QStringLiteral("Lobby")}});
    QStringList texts;
    for (const QLabel *label : item->findChildren<QLabel *>())
        texts << label->text();
    QVERIFY2(texts.join(QLatin1Char('|')).contains(QStringLiteral("[2] Lobby")),
             qPrintable(texts.join('|')));
    item->runAction(Item::Action::ZoomMaximum);
    QCOMPARE(m_sent.last(), QStringLiteral("{param=WindowResize1/0/0/5760/3240}"));
    item->restore();
    QCOMPARE(m_sent.last(), QStringLiteral("{param=WindowResize1/1920/1080/1920/1080}"));
}

void tst_Multiview::drawnWindow_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QString>("sent");
    QTest::addRow("down-right") << 2 << QPoint(100, 100) << QPoint(249, 199)
                                << "{param=WindowOpen1/2/1/640/640/960/640}";
    QTest::addRow("up-left") << 2 << QPoint(300, 300) << QPoint(100, 100) << "";
    QTest::addRow("49 pixels") << 2 << QPoint(100, 100) << QPoint(130, 119) << "";
    QTest::addRow("no input selected") << 0 << QPoint(100, 100) << QPoint(300, 300) << "";
}

void tst_Multiview::drawnWindow()
{
    QFETCH(int, input);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    openCanvas();
    m_canvas->setCurrentInput(input);
    drag(m_canvas.get(), from, to);
    QTEST(m_sent.join(QLatin1Char(' ')), "sent");
}

void tst_Multiview::dragMovesUnlessLocked_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("sent");
    // 40 px right and 30 down: nowhere near a border, so no snapping.
    QTest::addRow("moved") << false << "{param=WindowMove1/256/192}";
    QTest::addRow("locked ignores moves and actions") << true << "";
}

void tst_Multiview::dragMovesUnlessLocked()
{
    QFETCH(bool, locked);
    openCanvas();
    Item *item = addCellWindow(1, QPoint(150, 80));
    m_sent.clear();
    m_canvas->setAllLocked(locked);
    const QRect before = item->geometry();
    drag(item, QPoint(150, 80), QPoint(190, 110));
    if (locked) {
        for (Item::Action a :
             {Item::Action::Close, Item::Action::ZoomMaximum, Item::Action::LayerBottom})
            item->runAction(a);
        item->restore();
        QCOMPARE(item->geometry(), before);
        QCOMPARE(m_canvas->windows().size(), 1);
    }
    QTEST(m_sent.join(QLatin1Char(' ')), "sent");
}

void tst_Multiview::fourWindowsAtMostAndIdsReused()
{
    openCanvas();
    for (int cell = 0; cell < 5; ++cell)
        addCellWindow(1, QPoint(50 + cell % 3 * 300, 50 + cell / 3 * 200));
    QCOMPARE(m_canvas->windows().keys(), (QList<int>{1, 2, 3, 4}));
    QCOMPARE(m_dialogs, QStringList{"Error|Error|Not allowed to add more windows"});
    // Deleting window 2 frees its ID for the next window.
    m_canvas->window(2)->runAction(Item::Action::Close);
    addCellWindow(3, QPoint(650, 450));
    QCOMPARE(m_canvas->window(2)->input(), 3);
}

void tst_Multiview::layerOrders_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("action"); // Item::Action
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QList<int>>("layers"); // of windows 1 to 4 afterwards
    QTest::addRow("to top from layer 2")
        << 2 << int(Item::Action::LayerTop) << "{param=WindowLayer2/4}" << QList<int>{1, 4, 2, 3};
    QTest::addRow("up from the bottom: the next one, not the top")
        << 1 << int(Item::Action::LayerUp) << "{param=WindowLayer1/2}" << QList<int>{2, 1, 3, 4};
    QTest::addRow("down from the top: the next one, not the bottom")
        << 4 << int(Item::Action::LayerDown) << "{param=WindowLayer4/3}" << QList<int>{1, 2, 4, 3};
    QTest::addRow("up on the last layer does nothing")
        << 4 << int(Item::Action::LayerUp) << "" << QList<int>{1, 2, 3, 4};
}

// Four windows, window n on layer n; one layer order from a window's menu.
void tst_Multiview::layerOrders()
{
    QFETCH(int, id);
    QFETCH(int, action);
    openCanvas();
    for (int cell = 0; cell < 4; ++cell)
        addCellWindow(1, QPoint(50 + cell % 3 * 300, 50 + cell / 3 * 200));
    m_sent.clear();
    m_canvas->window(id)->runAction(Item::Action(action));
    QTEST(m_sent.join(QLatin1Char(' ')), "sent");
    QList<int> layers;
    for (const Item *item : m_canvas->windows())
        layers << item->layer();
    QTEST(layers, "layers");
}

// A wall layout change closes every window: asked only while one is open, and asking
// sends nothing itself.
void tst_Multiview::closingAllWindowsAskedOnlyWhenOpen()
{
    openCanvas();
    QVERIFY(m_canvas->mayCloseAllWindows(QStringLiteral("T"), QStringLiteral("Q")));
    QVERIFY(m_dialogs.isEmpty());
    addCellWindow(1, QPoint(100, 100));
    QCOMPARE(m_canvas->windows().size(), 1);
    m_sent.clear();
    QVERIFY(m_canvas->mayCloseAllWindows(QStringLiteral("T"), QStringLiteral("Q")));
    QCOMPARE(m_dialogs.size(), 1);
    QVERIFY(m_dialogs.first().startsWith(QLatin1String("T|")));
    QVERIFY(m_dialogs.first().contains(QLatin1String("|Q")));
    QVERIFY(m_sent.isEmpty());
    QCOMPARE(m_canvas->windows().size(), 1);
}

// A resolution text without "x" leaves a wall of no size: nothing divides by zero,
// nothing reaches the device, and the operator is told why each time.
void tst_Multiview::zeroWallRefusesWithAReason()
{
    openCanvas(0, QStringLiteral("1920"));
    QCOMPARE(m_canvas->realResolution(), QSize(0, 0));
    QSignalSpy refused(m_canvas.get(), &OutputWidget0409::refused);
    addCellWindow(1, QPoint(100, 100));
    OutputWidget0409::NewWindow w;
    w.input = 1;
    w.rect = QRectF(0, 0, 100, 100);
    w.sendOpen = true;
    QVERIFY(!m_canvas->addWindow(w));
    QVERIFY(m_canvas->windows().isEmpty());
    QVERIFY(m_sent.isEmpty());
    QVERIFY(m_dialogs.isEmpty());
    QCOMPARE(refused.size(), 2);
    QCOMPARE(refused.last().first().toString(),
             QStringLiteral("No window opened: the wall has no size yet"));
}

void tst_Multiview::propertyDialog_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("width"); // typed
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("shown"); // the fields afterwards: x, y, width, height
    QTest::addRow("position only") << 0 << 1920 << "{param=WindowResize1/100/200/1920/1080}"
                                   << "100 200 1920 1080";
    QTest::addRow("another input") << 2 << 1920 << "{param=WindowOpen1/3/1/100/200/1920/1080}"
                                   << "100 200 1920 1080";
    QTest::addRow("wider than the wall shows the width sent")
        << 0 << 9000 << "{param=WindowResize1/0/200/5760/1080}"
        << "0 200 5760 1080";
}

void tst_Multiview::propertyDialog()
{
    QFETCH(int, source);
    QFETCH(int, width);
    openCanvas();
    Item *item = addCellWindow(1, QPoint(50, 50));
    m_sent.clear();
    DialogWindowProperty dialog(item, m_canvas->inputNames(), m_canvas.get());
    dialog.findChild<QSpinBox *>("sb_x")->setValue(100);
    dialog.findChild<QSpinBox *>("sb_y")->setValue(200);
    dialog.findChild<QSpinBox *>("sb_width")->setValue(width);
    dialog.findChild<QComboBox *>("cbb_source")->setCurrentIndex(source);
    dialog.apply();
    QTEST(m_sent.join(QLatin1Char(' ')), "sent");
    QStringList shown;
    for (const char *field : {"sb_x", "sb_y", "sb_width", "sb_height"})
        shown << QString::number(dialog.findChild<QSpinBox *>(field)->value());
    QTEST(shown.join(QLatin1Char(' ')), "shown");
}

// A Joint page plan recall warns with the one answer the multiview page has not received.
void tst_Multiview::jointRecallWarning()
{
    QVERIFY(RecallCheck::complete(RecallCheck::Received{true, true, true}));
    const RecallCheck::Received noRotation{true, true, false};
    QVERIFY(!RecallCheck::complete(noRotation));
    const QString text = RecallCheck::warningText(noRotation);
    QVERIFY(text.contains("(3) Current Rotate Degree: <font color='red'>Not Received</font>"));
    QCOMPARE(text.count("<font color='red'>"), 1);
}

// The window status load waits for all three answers (the whole window against the
// simulator is tst_widget's); a later answer must not reload the windows, yet what has
// arrived stays received for the Joint-page recall check; a refresh loads them again.
void tst_Multiview::closedWindowStaysClosedOnLaterAnswers()
{
    openCanvas();
    DeviceState::instance()->setWindowStatus({{2, WindowGeometry{3, 2, 0, 0, 2880, 1620}},
                                              {4, WindowGeometry{1, 1, 1920, 1080, 1920, 1080}}});
    m_canvas->markResolutionReady();
    m_canvas->markRotationReady();
    QVERIFY(m_canvas->windows().isEmpty());
    m_canvas->markWindowsReady();
    QCOMPARE(m_canvas->windows().keys(), (QList<int>{2, 4}));
    m_canvas->window(2)->runAction(Item::Action::Close);
    m_canvas->markRotationReady();
    m_canvas->markResolutionReady();
    QCOMPARE(m_canvas->windows().keys(), (QList<int>{4}));
    QVERIFY(RecallCheck::complete(m_canvas->received()));
    m_canvas->resetReady();
    QVERIFY(!RecallCheck::complete(m_canvas->received()));
    m_canvas->markResolutionReady();
    m_canvas->markWindowsReady();
    m_canvas->markRotationReady();
    QCOMPARE(m_canvas->windows().keys(), (QList<int>{2, 4}));
}

void tst_Multiview::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the canvas");
    for (const QString language : {"Chinese", "English"}) {
        QTranslator translator;
        QVERIFY(translator.load(":/" + language));
        QCoreApplication::installTranslator(&translator);
        for (int vir = 0; vir < 4; ++vir) {
            openCanvas(vir);
            const QSize wall = m_canvas->realResolution();
            const int w = vir == 1 ? 2400 : 900;
            m_canvas->resize(w, qMin(1200, w * wall.height() / wall.width()));
            const int h = m_canvas->height();
            const QRect rects[] = {{0, 0, w / 2, h / 2},
                                   {w / 3, h / 4, w / 2, h / 2},
                                   {w / 2 + 20, 10, w / 3, h / 3},
                                   {20, h * 2 / 3, w / 3, h / 4}};
            for (int i = 0; i < 4; ++i) {
                OutputWidget0409::NewWindow window;
                window.input = i + 1;
                window.name = QStringLiteral("Input %1").arg(i + 1);
                window.rect = rects[i];
                m_canvas->addWindow(window);
            }
            m_canvas->window(3)->setLocked(true);
            QCoreApplication::processEvents();
            const QString file =
                QStringLiteral("%1/canvas-vir%2-%3.png").arg(dir).arg(vir).arg(language);
            QVERIFY(m_canvas->grab().save(file));
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(tst_Multiview)
#include "tst_multiview.moc"
