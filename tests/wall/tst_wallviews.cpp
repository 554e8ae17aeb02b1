#include "devicestate.h"
#include "dialogbezel.h"
#include "singlesplitterwidget.h"
#include "splitterlayout.h"
#include "tableitemsplicingrealscreen.h"
#include "widgetsplicingsetting.h"
#include "zelresources.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

// Delivers drops straight to the view, as the drag manager would at the end of a drag.
class DropSplitter : public SingleSplitterWidget
{
public:
    using SingleSplitterWidget::dropEvent;
};

class tst_WallViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void init();

    void splitterHitTest_data();
    void splitterHitTest();
    void splitterSameLayoutOnce();
    void splitterDropAndClear_data();
    void splitterDropAndClear();
    void splicingLayout_data();
    void splicingLayout();
    void splicingOpensFromStore();
    void rotationAddressesOutputOne();
    void mixedSelectionBlanksRotation();
    void noInputColour_data();
    void noInputColour();
    void bezelRefusesFourDigitsAndSendsInOrder();
    void screenshots_data();
    void screenshots();

private:
    std::unique_ptr<WidgetSplicingSetting> openSplicing();
    QStringList cellTexts(QTableWidget *grid, int row) const;

    QStringList m_sent;
};

void tst_WallViews::init()
{
    DeviceState *state = DeviceState::instance();
    state->setVirMode(0);
    state->setOutputResolutions(QMap<int, QString>());
    state->setRotation(QMap<int, int>());
    state->setSplitterRouting(QMap<int, int>());
    state->setBezel(BezelValues());
    m_sent.clear();
}

std::unique_ptr<WidgetSplicingSetting> tst_WallViews::openSplicing()
{
    auto w = std::make_unique<WidgetSplicingSetting>(nullptr, [this](const QString &c) { m_sent << c; });
    w->show();
    return w;
}

QStringList tst_WallViews::cellTexts(QTableWidget *grid, int row) const
{
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out << QString::number(static_cast<TableItemSplicingRealScreen *>(grid->item(row, c))->output());
    return out;
}

void tst_WallViews::splitterHitTest_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<int>("area");
    QTest::addRow("mode 2 centre") << 2 << QPointF(0.5, 0.5) << 5;
    QTest::addRow("mode 6 corner hits area 1") << 6 << QPointF(0.9, 0.9) << 1;
    QTest::addRow("mode 0 never hit") << 0 << QPointF(0.5, 0.5) << -1;
    QTest::addRow("outside") << 1 << QPointF(1.2, 0.5) << -1;
}

void tst_WallViews::splitterHitTest()
{
    QFETCH(int, mode);
    QFETCH(QPointF, point);
    const QSizeF size(800, 450);
    QTEST(SplitterLayout::hitTest(SplitterLayout::areas(mode), QPointF(point.x() * 800, point.y() * 450), size), "area");
}

void tst_WallViews::splitterSameLayoutOnce()
{
    SingleSplitterWidget view;
    QSignalSpy changed(&view, &SingleSplitterWidget::si_layout_change);
    view.setLayout(3);
    view.setLayout(3);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toInt(), 3);
}

void tst_WallViews::splitterDropAndClear_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QVariantList>("dropped");
    QTest::addColumn<QVariantList>("cleared");
    QTest::addRow("input 3 on area 2") << 1 << "103" << QPoint(600, 100) << QVariantList{3, 2} << QVariantList{0, 2};
    QTest::addRow("audio text is ignored") << 1 << "7" << QPoint(600, 100) << QVariantList() << QVariantList{0, 2};
    QTest::addRow("mode 0 takes nothing") << 0 << "103" << QPoint(100, 100) << QVariantList() << QVariantList();
}

void tst_WallViews::splitterDropAndClear()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QPoint, at);
    SingleSplitterWidget view;
    view.resize(800, 450);
    view.setInputNames([](int input) { return QStringLiteral("Cam %1").arg(input); });
    view.setLayout(mode);
    QSignalSpy drops(&view, &SingleSplitterWidget::si_drop);
    QMimeData data;
    data.setText(text);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<DropSplitter &>(view).dropEvent(&drop);
    QTEST(drops.isEmpty() ? QVariantList() : drops.takeFirst(), "dropped");
    if (!drops.isEmpty() || view.hitTest(at) > 0)
        QCOMPARE(view.areaText(view.hitTest(at)), text == "103" ? QStringLiteral("[3] Cam 3") : QString());
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, at);
    QTEST(drops.isEmpty() ? QVariantList() : drops.takeFirst(), "cleared");
}

void tst_WallViews::splicingLayout_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addRow("2x4") << 2 << QStringList{"1", "2", "3", "4"} << QStringList{"5", "6", "7", "8"};
    QTest::addRow("4x2") << 3 << QStringList{"1", "2"} << QStringList{"7", "8"};
}

void tst_WallViews::splicingLayout()
{
    QFETCH(int, index);
    auto w = openSplicing();
    QSignalSpy recalc(w.get(), &WidgetSplicingSetting::si_orderToRecalculate);
    QSignalSpy buttons(w.get(), &WidgetSplicingSetting::si_update3BtnLayout);
    w->findChild<QComboBox *>("cbb_layout")->setCurrentIndex(index);
    QCOMPARE(m_sent, QStringList{QStringLiteral("{param=VIR%1}").arg(index)});
    QCOMPARE(DeviceState::instance()->virMode(), index);
    auto *grid = w->findChild<QTableWidget *>("tw_real_screen");
    QTEST(cellTexts(grid, 0), "firstRow");
    QTEST(cellTexts(grid, grid->rowCount() - 1), "lastRow");
    QCOMPARE(recalc.count(), 1);
    QCOMPARE(buttons.count(), 1);
}

void tst_WallViews::splicingOpensFromStore()
{
    DeviceState::instance()->setVirMode(6); // stored as 0
    DeviceState::instance()->setRotation(5, 2);
    auto w = openSplicing();
    auto *grid = w->findChild<QTableWidget *>("tw_real_screen");
    QCOMPARE(grid->rowCount() * grid->columnCount(), 9);
    QCOMPARE(w->findChild<QComboBox *>("cbb_layout")->currentText(), QStringLiteral("3x3"));
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("    5\n    1920x1080x60Hz\n    180\u00B0"));
    QVERIFY(m_sent.isEmpty());
    // A new resolution reaches every cell and the store.
    w->findChild<QComboBox *>("cbb_resolu")->setCurrentText(QStringLiteral("1280x720x60Hz"));
    QCOMPARE(m_sent, QStringList{"{param=Port1/1280x720x60Hz!}"});
    QCOMPARE(static_cast<TableItemSplicingRealScreen *>(grid->item(2, 2))->resolution(), QStringLiteral("1280x720x60Hz"));
    QCOMPARE(DeviceState::instance()->outputResolutions(1), QStringLiteral("1280x720x60Hz"));
}

void tst_WallViews::rotationAddressesOutputOne()
{
    auto w = openSplicing();
    auto *grid = w->findChild<QTableWidget *>("tw_real_screen");
    grid->setCurrentCell(1, 1);
    m_sent.clear();
    w->findChild<QComboBox *>("cbb_rotate")->setCurrentIndex(1);
    QCOMPARE(m_sent, QStringList{"{param=Rotate1/1}"});
    QCOMPARE(DeviceState::instance()->rotation(1), 1);
}

void tst_WallViews::mixedSelectionBlanksRotation()
{
    DeviceState::instance()->setRotation(2, 3);
    auto w = openSplicing();
    auto *grid = w->findChild<QTableWidget *>("tw_real_screen");
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 1), true);
    QCOMPARE(w->findChild<QComboBox *>("cbb_rotate")->currentIndex(), -1);
    grid->clearSelection();
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 1, 0, 1), true);
    QCOMPARE(w->findChild<QComboBox *>("cbb_rotate")->currentIndex(), 3);
    QVERIFY(m_sent.isEmpty());
}

void tst_WallViews::noInputColour_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("style");
    const QString black = "background-color: rgb(0, 0, 0);border:none;";
    QTest::addRow("mode 0") << R"({"Chn":1,"Mode":0,"Color":10,20,30})" << "background-color: rgb(10, 20, 30);border:none;";
    QTest::addRow("mode 1") << R"({"Chn":1,"Mode":1,"Color":10,20,30})" << black;
    QTest::addRow("no channel") << R"({"Mode":0,"Color":10,20,30})" << black;
}

void tst_WallViews::noInputColour()
{
    QFETCH(QString, record);
    auto w = openSplicing();
    w->sl_forwardAnalysis(record);
    QTEST(w->findChild<QToolButton *>("toolButton_ColorPalette")->styleSheet(), "style");
    w->applyPickedColour(QColor());
    QVERIFY(m_sent.isEmpty());
    w->applyPickedColour(QColor(1, 2, 3));
    QCOMPARE(m_sent, QStringList{"{param=No_Signal1/0/1/2/3}"});
}

void tst_WallViews::bezelRefusesFourDigitsAndSendsInOrder()
{
    DeviceState::instance()->setBezel(1, 2, 3, 4, 5, 6, 7, 8);
    DialogBezel dialog;
    auto *x1 = dialog.findChild<QLineEdit *>("le_x1");
    QCOMPARE(x1->text(), QStringLiteral("1"));
    x1->clear();
    QTest::keyClicks(x1, "1234");
    QCOMPARE(x1->text(), QStringLiteral("123"));
    dialog.findChild<QLineEdit *>("le_y4")->setText(QString());
    QTest::mouseClick(dialog.findChild<QPushButton *>("btn_ok"), Qt::LeftButton);
    QCOMPARE(dialog.result(), 1);
    QObject context;
    DialogBezel::sendStored(&context, [this](const QString &c) { m_sent << c; });
    QCOMPARE(m_sent, QStringList{"{param=Bezel_x123/2/3/4}"});
    QTRY_COMPARE(m_sent.size(), 2);
    QCOMPARE(m_sent.last(), QStringLiteral("{param=Bezel_y5/6/7/0}"));
}

void tst_WallViews::screenshots_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("zh") << "zh";
    QTest::newRow("en") << "en";
}

void tst_WallViews::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the wall views");
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(language == QLatin1String("zh") ? ":/Chinese" : ":/English"));
    QCoreApplication::installTranslator(&translator);
    DeviceState::instance()->setVirMode(2);
    auto w = openSplicing();
    w->findChild<QTableWidget *>("tw_real_screen")->setCurrentCell(0, 1);
    QVERIFY(w->grab().save(QStringLiteral("%1/splicing-%2.png").arg(dir, language)));
    DialogBezel bezel;
    bezel.show();
    QVERIFY(bezel.grab().save(QStringLiteral("%1/bezel-%2.png").arg(dir, language)));
    SingleSplitterWidget view;
    view.resize(480, 270);
    view.setInputNames([](int input) { return QStringLiteral("HDMI %1").arg(input); });
    DeviceState::instance()->setSplitterRouting({{1, 1}, {2, 3}, {5, 2}});
    view.refreshTexts();
    for (int mode = 0; mode < SplitterLayout::ModeCount; ++mode) {
        view.setLayout(mode);
        QVERIFY(view.grab().save(QStringLiteral("%1/splitter-%2-%3.png").arg(dir).arg(mode).arg(language)));
    }
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_WallViews)
#include "tst_wallviews.moc"
