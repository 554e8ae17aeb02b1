#include "canvasmath.h"
#include "devicestate.h"
#include "dialogwindowproperty.h"
#include "inputsignalwidget0409.h"
#include "outputwidget0409.h"
#include "recallcheck.h"
#include "wallgeometry.h"
#include "windowlayers.h"
#include "windowstatusrecord.h"
#include "replyparser.h"

#include <QJsonDocument>
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
    void cleanup();

    void wallSize_data();
    void wallSize();
    void viewLayout_data();
    void viewLayout();
    void zoomCells_data();
    void zoomCells();
    void layerOrders_data();
    void layerOrders();
    void snapping_data();
    void snapping();
    void resizeKeepsMinimum();

    void dropCreatesWindowInCell();
    void drawnWindow_data();
    void drawnWindow();
    void moveSendsWindowMove();
    void lockedWindowIgnoresEverything();
    void zoomMaximumThenRestore();
    void fifthWindowRefused();
    void zeroWallRefusesQuietly();
    void layerToTopSendsOneCommand();
    void propertyDialog_data();
    void propertyDialog();
    void windowStatusRecord();
    void jointRecallWarning_data();
    void jointRecallWarning();
    void loadsDeviceWindows();
    void screenshots_data();
    void screenshots();

private:
    void openCanvas(int virMode = 0, const QString &resolution = QStringLiteral("1920x1080x60Hz"));
    Item *addCellWindow(int input, const QPoint &at);
    void mouse(QWidget *target, QEvent::Type type, const QPoint &canvasPos);

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

void tst_Multiview::cleanup()
{
    m_canvas.reset();
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

void tst_Multiview::mouse(QWidget *target, QEvent::Type type, const QPoint &canvasPos)
{
    const QPoint local = target == m_canvas.get() ? canvasPos : canvasPos - target->pos();
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void tst_Multiview::wallSize_data()
{
    QTest::addColumn<int>("vir");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QSize>("wall");
    QTest::addRow("3x3 at 90 degrees") << 0 << "1920x1080x60Hz" << 1 << QSize(3240, 5760);
    QTest::addRow("1x9 at 270 degrees") << 1 << "1280x720x60Hz" << 3 << QSize(6480, 1280);
    QTest::addRow("4x2") << 3 << "1920x1080x60Hz" << 0 << QSize(3840, 4320);
    QTest::addRow("unknown mode is 3x3") << 7 << "800x600x60Hz" << 0 << QSize(2400, 1800);
    QTest::addRow("no text uses 1080p") << 0 << "" << 0 << QSize(5760, 3240);
    QTest::addRow("text without x") << 0 << "1920" << 0 << QSize(0, 0);
}

void tst_Multiview::wallSize()
{
    QFETCH(int, vir);
    QFETCH(QString, resolution);
    QFETCH(int, rotation);
    QTEST(WallGeometry::realResolution(vir, resolution, rotation), "wall");
}

void tst_Multiview::viewLayout_data()
{
    QTest::addColumn<int>("vir");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addRow("3x3 view of 3x3") << 0 << 2 << 3 << 3;
    QTest::addRow("1x9 view of 1x9") << 1 << 2 << 1 << 9;
    QTest::addRow("2x2 view of 2x4") << 2 << 1 << 2 << 2;
    QTest::addRow("4x2 view of 4x2") << 3 << 2 << 4 << 2;
    QTest::addRow("first button of 1x9 is 1x2") << 1 << 0 << 1 << 2;
    QTest::addRow("button above 2 counts as 2") << 1 << 7 << 1 << 9;
    QTest::addRow("unknown vir keeps the layout") << 9 << 0 << 4 << 2;
}

void tst_Multiview::viewLayout()
{
    QFETCH(int, vir);
    QFETCH(int, button);
    const CanvasMath::Grid g = CanvasMath::viewGrid(CanvasMath::viewLayoutFor(vir, button, 6));
    QTEST(g.rows, "rows");
    QTEST(g.cols, "cols");
}

void tst_Multiview::zoomCells_data()
{
    QTest::addColumn<QSize>("wall");
    QTest::addColumn<bool>("occupied");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("zoomed");
    const QSize wall(5760, 3240);
    QTest::addRow("single screen") << wall << false << QRect(2000, 1500, 500, 500) << QRect(1920, 1080, 1920, 1080);
    QTest::addRow("occupied screens") << wall << true << QRect(1800, 1000, 300, 200) << QRect(0, 0, 3840, 2160);
    QTest::addRow("zero wall, single") << QSize(0, 0) << false << QRect(10, 10, 50, 50) << QRect();
}

void tst_Multiview::zoomCells()
{
    QFETCH(QSize, wall);
    QFETCH(bool, occupied);
    QFETCH(QRect, window);
    const CanvasMath::Grid grid{3, 3};
    const auto zoomed = occupied ? CanvasMath::zoomOccupiedScreens(window, wall, grid)
                                 : CanvasMath::zoomSingleScreen(window, wall, grid);
    QTEST(zoomed.value_or(QRect()), "zoomed");
}

void tst_Multiview::layerOrders_data()
{
    using Map = QMap<int, int>;
    QTest::addColumn<int>("order");
    QTest::addColumn<Map>("layers");
    QTest::addColumn<Map>("expected");
    const Map four{{1, 1}, {2, 2}, {3, 3}, {4, 4}};
    QTest::addRow("to bottom from 3") << 1 << four << Map{{1, 2}, {2, 3}, {3, 1}, {4, 4}};
    QTest::addRow("up swaps with next above") << 2 << Map{{1, 1}, {2, 2}, {3, 5}} << Map{{1, 1}, {2, 5}, {3, 2}};
    QTest::addRow("down from the bottom stays") << 3 << Map{{1, 3}, {2, 1}, {3, 2}} << Map{{1, 3}, {2, 1}, {3, 2}};
}

void tst_Multiview::layerOrders()
{
    using Map = QMap<int, int>;
    QFETCH(int, order);
    QFETCH(Map, layers);
    const Map result = order == 0   ? WindowLayers::layerToTop(layers, 2)
                       : order == 1 ? WindowLayers::layerToBottom(layers, 3)
                       : order == 2 ? WindowLayers::layerUp(layers, 2)
                                    : WindowLayers::layerDown(layers, 2);
    QTEST(result, "expected");
}

void tst_Multiview::snapping_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("cell");
    QTest::addColumn<double>("snapped");
    QTest::addRow("6 past a border") << 306.0 << 100.0 << 300.0 << 300.0;
    QTest::addRow("12 past a border") << 312.0 << 100.0 << 300.0 << 312.0;
    QTest::addRow("right edge 6 past") << 126.0 << 180.0 << 300.0 << 120.0;
    QTest::addRow("zero cell leaves it") << 306.0 << 100.0 << 0.0 << 306.0;
}

void tst_Multiview::snapping()
{
    QFETCH(double, start);
    QFETCH(double, size);
    QFETCH(double, cell);
    QTEST(CanvasMath::snapStart(start, size, cell), "snapped");
}

void tst_Multiview::resizeKeepsMinimum()
{
    const QRectF start(100, 100, 80, 80);
    QRectF r = start;
    for (int x = 170; x >= 130; x -= 10)
        r = CanvasMath::resizeEdges(r, CanvasMath::Right, QPointF(x, 150));
    QCOMPARE(r.width(), 50.0);
    r = CanvasMath::resizeEdges(start, CanvasMath::Left | CanvasMath::Top, QPointF(140, 60));
    // The left edge would leave 40 pixels and stays; the top edge follows.
    QCOMPARE(r, QRectF(100, 60, 80, 120));
}

void tst_Multiview::dropCreatesWindowInCell()
{
    openCanvas();
    Item *item = addCellWindow(3, QPoint(450, 250));
    QVERIFY(item);
    QCOMPARE(item->input(), 3);
    QCOMPARE(m_sent, QStringList{"{param=WindowOpen1/3/1/1920/1080/1920/1080}"});
    // A second drop on the window gives it the new input and opens it again in place.
    addCellWindow(2, QPoint(460, 260));
    QCOMPARE(m_canvas->windows().size(), 1);
    QCOMPARE(m_sent.last(), QStringLiteral("{param=WindowOpen1/2/1/1920/1080/1920/1080}"));
}

void tst_Multiview::drawnWindow_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QString>("sent");
    QTest::addRow("down-right") << 2 << QPoint(100, 100) << QPoint(249, 199) << "{param=WindowOpen1/2/1/640/640/960/640}";
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
    mouse(m_canvas.get(), QEvent::MouseButtonPress, from);
    mouse(m_canvas.get(), QEvent::MouseMove, to);
    mouse(m_canvas.get(), QEvent::MouseButtonRelease, to);
    QTEST(m_sent.join(QLatin1Char(' ')), "sent");
}

void tst_Multiview::moveSendsWindowMove()
{
    openCanvas();
    Item *item = addCellWindow(1, QPoint(150, 80));
    m_sent.clear();
    // 40 px right and 30 down: nowhere near a border, so no snapping.
    mouse(item, QEvent::MouseButtonPress, QPoint(150, 80));
    mouse(item, QEvent::MouseMove, QPoint(190, 110));
    mouse(item, QEvent::MouseButtonRelease, QPoint(190, 110));
    QCOMPARE(m_sent, QStringList{"{param=WindowMove1/256/192}"});
    QCOMPARE(item->lastSentRect(), QRect(256, 192, 1920, 1080));
}

void tst_Multiview::lockedWindowIgnoresEverything()
{
    openCanvas();
    Item *item = addCellWindow(1, QPoint(150, 80));
    m_sent.clear();
    m_canvas->setAllLocked(true);
    const QRect before = item->geometry();
    mouse(item, QEvent::MouseButtonPress, QPoint(150, 80));
    mouse(item, QEvent::MouseMove, QPoint(190, 110));
    mouse(item, QEvent::MouseButtonRelease, QPoint(190, 110));
    for (Item::Action a : {Item::Action::Close, Item::Action::ZoomMaximum, Item::Action::LayerBottom})
        item->runAction(a);
    item->restore();
    QCOMPARE(item->geometry(), before);
    QCOMPARE(m_canvas->windows().size(), 1);
    QVERIFY2(m_sent.isEmpty(), qPrintable(m_sent.join(' ')));
}

void tst_Multiview::zoomMaximumThenRestore()
{
    openCanvas();
    Item *item = addCellWindow(4, QPoint(750, 400));
    item->runAction(Item::Action::ZoomMaximum);
    QCOMPARE(m_sent.last(), QStringLiteral("{param=WindowResize1/0/0/5760/3240}"));
    item->runAction(Item::Action::ZoomOccupied);
    QCOMPARE(m_sent.last(), QStringLiteral("{param=WindowResize1/0/0/5760/3240}"));
    item->restore();
    QCOMPARE(m_sent.last(), QStringLiteral("{param=WindowResize1/3840/2160/1920/1080}"));
    QVERIFY(!item->isZoomed());
}

void tst_Multiview::fifthWindowRefused()
{
    openCanvas();
    for (const QPoint &p : {QPoint(50, 50), QPoint(350, 50), QPoint(650, 50), QPoint(50, 250), QPoint(350, 250)})
        addCellWindow(1, p);
    QCOMPARE(m_canvas->windows().keys(), (QList<int>{1, 2, 3, 4}));
    QCOMPARE(m_dialogs, QStringList{"Error|Error|Not allowed to add more windows"});
    // Deleting window 2 frees its ID for the next window.
    m_canvas->window(2)->runAction(Item::Action::Close);
    addCellWindow(3, QPoint(650, 450));
    QVERIFY(m_canvas->window(2));
    QCOMPARE(m_canvas->window(2)->input(), 3);
}

// A resolution text without "x" leaves a wall of no size: nothing divides by zero and
// nothing reaches the device.
void tst_Multiview::zeroWallRefusesQuietly()
{
    openCanvas(0, QStringLiteral("1920"));
    QCOMPARE(m_canvas->realResolution(), QSize(0, 0));
    addCellWindow(1, QPoint(100, 100));
    QVERIFY(m_canvas->windows().isEmpty());
    OutputWidget0409::NewWindow w;
    w.input = 1;
    w.rect = QRectF(0, 0, 100, 100);
    w.sendOpen = true;
    QVERIFY(!m_canvas->addWindow(w));
    QVERIFY(m_sent.isEmpty());
    QVERIFY(m_dialogs.isEmpty());
}

void tst_Multiview::layerToTopSendsOneCommand()
{
    openCanvas();
    for (const QPoint &p : {QPoint(50, 50), QPoint(350, 50), QPoint(650, 50), QPoint(50, 250)})
        addCellWindow(1, p);
    m_sent.clear();
    m_canvas->window(2)->runAction(Item::Action::LayerTop);
    QCOMPARE(m_sent, QStringList{"{param=WindowLayer2/4}"});
    QCOMPARE(m_canvas->window(3)->layer(), 2);
    QCOMPARE(m_canvas->window(4)->layer(), 3);
    m_sent.clear();
    m_canvas->window(2)->runAction(Item::Action::LayerUp);
    m_canvas->window(1)->runAction(Item::Action::LayerDown);
    QVERIFY(m_sent.isEmpty());
}

void tst_Multiview::propertyDialog_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("sent");
    QTest::addRow("position only") << 0 << "{param=WindowResize1/100/200/1920/1080}";
    QTest::addRow("another input") << 2 << "{param=WindowOpen1/3/1/100/200/1920/1080}";
}

void tst_Multiview::propertyDialog()
{
    QFETCH(int, source);
    openCanvas();
    Item *item = addCellWindow(1, QPoint(50, 50));
    m_sent.clear();
    DialogWindowProperty dialog(item, m_canvas->inputNames(), m_canvas.get());
    QCOMPARE(dialog.findChild<QSpinBox *>("sb_width")->value(), 1920);
    dialog.findChild<QSpinBox *>("sb_x")->setValue(100);
    dialog.findChild<QSpinBox *>("sb_y")->setValue(200);
    dialog.findChild<QComboBox *>("cbb_source")->setCurrentIndex(source);
    dialog.apply();
    QTEST(m_sent.join(QLatin1Char(' ')), "sent");
}

// The device's bare-list form, repaired as the link does: closed windows are left out.
void tst_Multiview::jointRecallWarning_data()
{
    QTest::addColumn<bool>("windows");
    QTest::addColumn<bool>("resolution");
    QTest::addColumn<bool>("rotation");
    QTest::addColumn<QString>("missingLine");
    QTest::addRow("all received") << true << true << true << QString();
    QTest::addRow("no resolution") << true << false << true << "(2) Current Reasolution: ";
    QTest::addRow("no rotation") << true << true << false << "(3) Current Rotate Degree: ";
}

void tst_Multiview::jointRecallWarning()
{
    QFETCH(bool, windows);
    QFETCH(bool, resolution);
    QFETCH(bool, rotation);
    QFETCH(QString, missingLine);
    const RecallCheck::Received received{windows, resolution, rotation};
    QCOMPARE(RecallCheck::complete(received), missingLine.isEmpty());
    if (missingLine.isEmpty())
        return;
    const QString text = RecallCheck::warningText(received);
    QVERIFY(text.contains(missingLine + "<font color='red'>Not Received</font>"));
    QCOMPARE(text.count("<font color='red'>"), 1);
    QCOMPARE(text.count(": Received"), 2);
}

void tst_Multiview::windowStatusRecord()
{
    const QByteArray raw = "{window1:2,1,0,0,1920,1080,window2:0,0,0,0,0,0,window3:0,0,0,0,0,0,"
                           "window4:4,2,960,540,2880,1620,VIR:3,AUDIO:2}";
    const QJsonObject obj = QJsonDocument::fromJson(ReplyParser::repairRecord(raw)).object();
    const WindowStatusRecord record = WindowStatusRecord::read(obj);
    QCOMPARE(record.windows.keys(), (QList<int>{1, 4}));
    QCOMPARE(record.windows.value(4), (WindowGeometry{4, 2, 960, 540, 2880, 1620}));
    QCOMPARE(record.virMode, std::optional<int>(3));
    QVERIFY(record.unknownKeys.isEmpty());
}

void tst_Multiview::loadsDeviceWindows()
{
    openCanvas();
    DeviceState::instance()->setWindowStatus(
        {{2, WindowGeometry{3, 2, 0, 0, 2880, 1620}}, {4, WindowGeometry{1, 1, 1920, 1080, 1920, 1080}}});
    m_canvas->markResolutionReady();
    m_canvas->markRotationReady();
    QVERIFY(m_canvas->windows().isEmpty());
    m_canvas->markWindowsReady();
    QCOMPARE(m_canvas->windows().keys(), (QList<int>{2, 4}));
    QCOMPARE(m_canvas->window(2)->lastSentRect(), QRect(0, 0, 2880, 1620));
    QCOMPARE(m_canvas->window(2)->layer(), 2);
    QVERIFY(m_sent.isEmpty());
    // The next window drawn takes the lowest free ID.
    addCellWindow(4, QPoint(850, 450));
    QVERIFY(m_canvas->window(1));
    // A later answer does not bring back a window closed since the load.
    m_canvas->window(2)->runAction(Item::Action::Close);
    m_canvas->markRotationReady();
    m_canvas->markResolutionReady();
    QCOMPARE(m_canvas->windows().keys(), (QList<int>{1, 4}));
}

void tst_Multiview::screenshots_data()
{
    QTest::addColumn<int>("vir");
    QTest::addColumn<QString>("language");
    for (int vir = 0; vir < 4; ++vir) {
        for (const char *language : {"zh", "en"})
            QTest::addRow("vir%d-%s", vir, language) << vir << QString::fromLatin1(language);
    }
}

void tst_Multiview::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the canvas");
    QFETCH(int, vir);
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(language == QLatin1String("zh") ? ":/Chinese" : ":/English"));
    QCoreApplication::installTranslator(&translator);
    openCanvas(vir);
    const QSize wall = m_canvas->realResolution();
    const int width = vir == 1 ? 2400 : 900;
    m_canvas->resize(width, qMin(1200, width * wall.height() / wall.width()));
    const QSize s = m_canvas->size();
    const QRect rects[] = {{0, 0, s.width() / 2, s.height() / 2},
                           {s.width() / 3, s.height() / 4, s.width() / 2, s.height() / 2},
                           {s.width() / 2 + 20, 10, s.width() / 3, s.height() / 3},
                           {20, s.height() * 2 / 3, s.width() / 3, s.height() / 4}};
    for (int i = 0; i < 4; ++i) {
        OutputWidget0409::NewWindow w;
        w.input = i + 1;
        w.name = QStringLiteral("Input %1").arg(i + 1);
        w.rect = rects[i];
        m_canvas->addWindow(w);
    }
    m_canvas->window(3)->setLocked(true);
    QCoreApplication::processEvents();
    QVERIFY(m_canvas->grab().save(QStringLiteral("%1/canvas-%2.png").arg(dir, QString::fromLatin1(QTest::currentDataTag()))));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_Multiview)
#include "tst_multiview.moc"
