#include "commands.h"
#include "datadir.h"
#include "devicestate.h"
#include "dialogbezel.h"
#include "singlesplitterwidget.h"
#include "splicegrid.h"
#include "splitterlayout.h"
#include "tableitemsplicingrealscreen.h"
#include "tempdatadir.h"
#include "videosplitmanager.h"
#include "widgetsplicingsetting.h"
#include "zelresources.h"

#include <QComboBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

using Groups = VideoSplitManager::Groups;
Q_DECLARE_METATYPE(Groups)

class FakeGrid : public SpliceGrid
{
public:
    QList<int> selection;
    int redraws = 0;
    int layoutMode = -1;
    QList<int> selectedOutputs() const override { return selection; }
    void setBindGroups(const Groups *) override {}
    void redrawBindGroups() override { ++redraws; }
    void setSpliceLayoutMode(int mode) override { layoutMode = mode; }
};

// A bind manager drawing on a fake grid, starting from `groups`.
struct Bench
{
    explicit Bench(const Groups &groups = {})
    {
        manager.attachGrid(&grid);
        manager.setGroups(groups);
    }
    FakeGrid grid;
    VideoSplitManager manager;
};

// The bind manager's output groups, and the wall views: splicing settings, bezel and splitter.
class tst_Wall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void toggle_data();
    void toggle();
    void nothingWithoutAGrid();
    void bindRecord();
    void localChangesSendNothing();
    void splitterDropAndClear_data();
    void splitterDropAndClear();
    void splicingLayout_data();
    void splicingLayout();
    void splicingOpensFromStore();
    void splicingCentredOnItsWindow();
    void rotation();
    void noInputColour_data();
    void noInputColour();
    void bezelRefusesFourDigitsAndSendsInOrder();
    void screenshots();

private:
    std::unique_ptr<WidgetSplicingSetting> openSplicing();
    QStringList cellTexts(QTableWidget *grid, int row) const;

    TempDataDir m_dir;
    QStringList m_sent;
};

void tst_Wall::initTestCase()
{
    initZelResources();
    DataDir::set(m_dir.path());
}

void tst_Wall::init()
{
    DeviceState *state = DeviceState::instance();
    state->setVirMode(0);
    state->setOutputResolutions(QMap<int, QString>());
    state->setRotation(QMap<int, int>());
    state->setSplitterRouting(QMap<int, int>());
    state->setBezel(BezelValues());
    m_sent.clear();
}

std::unique_ptr<WidgetSplicingSetting> tst_Wall::openSplicing()
{
    auto w =
        std::make_unique<WidgetSplicingSetting>(nullptr, [this](const QString &c) { m_sent << c; });
    w->show();
    return w;
}

QStringList tst_Wall::cellTexts(QTableWidget *grid, int row) const
{
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out << QString::number(
            static_cast<TableItemSplicingRealScreen *>(grid->item(row, c))->output());
    return out;
}

void tst_Wall::toggle_data()
{
    QTest::addColumn<Groups>("before");
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<bool>("unsplice"); // the menu offers Unsplice: a whole group or one output
    QTest::addColumn<Groups>("after");
    QTest::addColumn<QString>("commands");
    QTest::addRow("new group") << Groups{} << QList<int>{4, 5, 6} << false << Groups{{4, {4, 5, 6}}}
                               << "{param=Bind4/5/6}";
    QTest::addRow("overlap dissolves the old group, no unbind for two outputs")
        << Groups{{1, {1, 2}}} << QList<int>{2, 3} << false << Groups{{2, {2, 3}}}
        << "{param=Bind2/3}";
    QTest::addRow("one output leaves its group")
        << Groups{{1, {1, 2}}} << QList<int>{2} << true << Groups{} << "{param=UnBind1}";
    QTest::addRow("whole group in another order dissolves it")
        << Groups{{1, {1, 2, 5, 6}}} << QList<int>{6, 5, 2, 1} << true << Groups{}
        << "{param=UnBind6}";
    QTest::addRow("single ungrouped output does nothing")
        << Groups{{1, {1, 2}}} << QList<int>{7} << true << Groups{{1, {1, 2}}} << "";
    QTest::addRow("part of a bigger group regroups")
        << Groups{{1, {1, 2, 5}}} << QList<int>{1, 2} << false << Groups{{1, {1, 2}}}
        << "{param=Bind1/2}";
    QTest::addRow("other groups stay")
        << Groups{{1, {1, 2}}, {5, {5, 6}}} << QList<int>{3, 4} << false
        << Groups{{1, {1, 2}}, {3, {3, 4}}, {5, {5, 6}}} << "{param=Bind3/4}";
}

void tst_Wall::toggle()
{
    QFETCH(Groups, before);
    QFETCH(QList<int>, selection);
    QFETCH(Groups, after);
    Bench bench(before);
    FakeGrid &grid = bench.grid;
    VideoSplitManager &manager = bench.manager;
    QStringList sent;
    connect(&manager,
            &VideoSplitManager::si_sendNewBindMsg,
            this,
            [&sent](int master, const QList<int> &outputs) {
                sent << Commands::bind(master, outputs);
            });
    connect(&manager, &VideoSplitManager::si_sendUnBindMsg, this, [&sent](int output) {
        sent << Commands::unBind(output);
    });
    grid.selection = selection;
    QTEST(manager.selectionIsGroupOrSingle(), "unsplice");
    manager.toggleSelection(true);
    QCOMPARE(manager.groups(), after);
    QTEST(sent.join(' '), "commands");
    QCOMPARE(grid.redraws, 1);
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QCOMPARE(manager.groupOf(it.value().last()), it.value());
}

void tst_Wall::nothingWithoutAGrid()
{
    VideoSplitManager manager;
    QSignalSpy bind(&manager, &VideoSplitManager::si_sendNewBindMsg);
    manager.setSpliceLayout(true, 1);
    manager.toggleGroup({1, 2}, true);
    QVERIFY(manager.groups().isEmpty());
    QCOMPARE(bind.count(), 0);
    QVERIFY(!manager.selectionIsGroupOrSingle());
}

void tst_Wall::bindRecord()
{
    int mode = -2;
    const Groups groups = VideoSplitManager::groupsFromBindRecord(
        QJsonObject{{"bind1", "1/2"}, {"bind2", "3"}, {"bind3", "4/x/6"}, {"mode", 2}}, &mode);
    QCOMPARE(groups, (Groups{{1, {1, 2}}, {4, {4, 0, 6}}}));
    QCOMPARE(mode, 2);
    VideoSplitManager::groupsFromBindRecord(QJsonObject{{"bind1", "1/2"}}, &mode);
    QCOMPARE(mode, -1);
}

// Presets, removals and layout changes regroup on the client only: no Bind goes out.
void tst_Wall::localChangesSendNothing()
{
    Bench bench(Groups{{3, {3, 4}}});
    VideoSplitManager &manager = bench.manager;
    QSignalSpy bind(&manager, &VideoSplitManager::si_sendNewBindMsg);
    manager.clearGroups();
    manager.toggleGroup(VideoSplitManager::presetOutputs(3), false);
    QCOMPARE(manager.groups(), (Groups{{1, {1, 2, 5, 6}}}));
    const int redraws = bench.grid.redraws;
    manager.removeGroup(2); // only by its master
    QCOMPARE(bench.grid.redraws, redraws);
    manager.removeGroup(1);
    QVERIFY(manager.groups().isEmpty());
    QCOMPARE(bench.grid.redraws, redraws + 1);
    manager.setGroups(Groups{{1, {1, 2}}});
    manager.setSpliceLayout(false, 1);
    QCOMPARE(bench.grid.layoutMode, 1);
    QCOMPARE(manager.groups().size(), 1);
    manager.setSpliceLayout(true, 0);
    QCOMPARE(bench.grid.layoutMode, 0);
    QVERIFY(manager.groups().isEmpty());
    QCOMPARE(bind.count(), 0);
}

void tst_Wall::splitterDropAndClear_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");            // on a view of 800 x 450
    QTest::addColumn<QString>("refusal");      // what the drop check answers
    QTest::addColumn<QVariantList>("dropped"); // input, area
    QTest::addColumn<QVariantList>("cleared"); // by a double click
    QTest::addRow("input 3 on area 2")
        << 1 << "103" << QPoint(600, 100) << "" << QVariantList{3, 2} << QVariantList{0, 2};
    QTest::addRow("mode 2 centre is area 5")
        << 2 << "103" << QPoint(400, 225) << "" << QVariantList{3, 5} << QVariantList{0, 5};
    QTest::addRow("mode 2 numbered row by row: top right is area 3")
        << 2 << "103" << QPoint(700, 50) << "" << QVariantList{3, 3} << QVariantList{0, 3};
    QTest::addRow("mode 6 picture in picture is area 2 above area 1")
        << 6 << "103" << QPoint(720, 405) << "" << QVariantList{3, 2} << QVariantList{0, 2};
    QTest::addRow("mode 6 beside the small picture is area 1")
        << 6 << "103" << QPoint(100, 100) << "" << QVariantList{3, 1} << QVariantList{0, 1};
    QTest::addRow("refused drop and clear keep the area's input")
        << 1 << "103" << QPoint(600, 100) << "Output 9 is refused." << QVariantList()
        << QVariantList();
    QTest::addRow("audio text is ignored")
        << 1 << "7" << QPoint(600, 100) << "" << QVariantList() << QVariantList{0, 2};
    QTest::addRow("mode 0 takes nothing")
        << 0 << "103" << QPoint(100, 100) << "" << QVariantList() << QVariantList();
}

void tst_Wall::splitterDropAndClear()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QPoint, at);
    QFETCH(QString, refusal);
    QFETCH(QVariantList, dropped);
    SingleSplitterWidget view;
    view.resize(800, 450);
    view.setInputNames([](int input) { return QStringLiteral("Cam %1").arg(input); });
    view.setLayout(mode);
    const int area = view.hitTest(at);
    DeviceState::instance()->setSplitterRouting(area, 5);
    view.refreshTexts();
    QList<int> asked;
    view.setDropCheck([&](int input, bool *noRight) {
        asked << input;
        *noRight = !refusal.isEmpty();
        return refusal;
    });
    QSignalSpy drops(&view, &SingleSplitterWidget::si_drop);
    QSignalSpy refused(&view, &SingleSplitterWidget::refused);
    QSignalSpy warned(&view, &SingleSplitterWidget::si_showPermissionWarningDialog);
    QMimeData data;
    data.setText(text);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject *>(&view)->event(&drop); // dropEvent is protected
    QCOMPARE(drops.isEmpty() ? QVariantList() : drops.takeFirst(), dropped);
    if (area > 0)
        QCOMPARE(view.areaText(area),
                 dropped.isEmpty() ? QString("[5] Cam 5") : QString("[3] Cam 3"));
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, at);
    QTEST(drops.isEmpty() ? QVariantList() : drops.takeFirst(), "cleared");
    // Both the drop and the clear were asked about; a refusal is told and warned each time.
    if (area > 0 && text.toInt() > 100)
        QCOMPARE(asked, (QList<int>{3, 0}));
    QCOMPARE(refused.count(), refusal.isEmpty() ? 0 : 2);
    QCOMPARE(warned.count(), refused.count());
    if (!refusal.isEmpty())
        QCOMPARE(view.areaText(area), QStringLiteral("[5] Cam 5"));
}

void tst_Wall::splicingLayout_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("answer"); // -1: nobody is asked
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addRow("2x4") << 2 << -1 << QStringList{"1", "2", "3", "4"}
                         << QStringList{"5", "6", "7", "8"};
    QTest::addRow("4x2") << 3 << -1 << QStringList{"1", "2"} << QStringList{"7", "8"};
    QTest::addRow("4x2 agreed to") << 3 << 1 << QStringList{"1", "2"} << QStringList{"7", "8"};
    QTest::addRow("4x2 declined keeps 3x3")
        << 3 << 0 << QStringList{"1", "2", "3"} << QStringList{"7", "8", "9"};
}

void tst_Wall::splicingLayout()
{
    QFETCH(int, index);
    QFETCH(int, answer);
    auto w = openSplicing();
    QStringList asked;
    if (answer >= 0)
        w->setLayoutConfirm([&](const QString &title, const QString &question) {
            asked << title + '|' + question;
            return answer == 1;
        });
    auto *layout = w->findChild<QComboBox *>("cbb_layout");
    layout->setCurrentIndex(index);
    const bool sent = answer != 0;
    QCOMPARE(asked.size(), answer >= 0 ? 1 : 0);
    QCOMPARE(m_sent,
             sent ? QStringList{QStringLiteral("{param=VIR%1}").arg(index)} : QStringList());
    QCOMPARE(DeviceState::instance()->virMode(), sent ? index : 0);
    QCOMPARE(layout->currentIndex(), sent ? index : 0);
    auto *grid = w->findChild<QTableWidget *>("tw_real_screen");
    QTEST(cellTexts(grid, 0), "firstRow");
    QTEST(cellTexts(grid, grid->rowCount() - 1), "lastRow");
}

void tst_Wall::splicingOpensFromStore()
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
    auto *corner = static_cast<TableItemSplicingRealScreen *>(grid->item(2, 2));
    QCOMPARE(corner->resolution(), QStringLiteral("1280x720x60Hz"));
    QCOMPARE(DeviceState::instance()->outputResolutions(1), QStringLiteral("1280x720x60Hz"));
}

void tst_Wall::splicingCentredOnItsWindow()
{
    QWidget window;
    window.setGeometry(300, 120, 1200, 800);
    auto *inside = new QWidget(&window);
    window.show();
    WidgetSplicingSetting settings(inside, [](const QString &) {});
    settings.show();
    QCOMPARE(settings.geometry().center(), window.geometry().center());
}

// A selection of screens rotated differently shows no rotation; a choice goes to output 1.
void tst_Wall::rotation()
{
    DeviceState::instance()->setRotation(2, 3);
    auto w = openSplicing();
    auto *grid = w->findChild<QTableWidget *>("tw_real_screen");
    auto *rotate = w->findChild<QComboBox *>("cbb_rotate");
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 1), true);
    QCOMPARE(rotate->currentIndex(), -1);
    grid->clearSelection();
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 1, 0, 1), true);
    QCOMPARE(rotate->currentIndex(), 3);
    QVERIFY(m_sent.isEmpty());
    grid->setCurrentCell(1, 1);
    rotate->setCurrentIndex(1);
    QCOMPARE(m_sent, QStringList{"{param=Rotate1/1}"});
    QCOMPARE(DeviceState::instance()->rotation(1), 1);
}

void tst_Wall::noInputColour_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("style");
    const QString black = "background-color: rgb(0, 0, 0);border:none;";
    QTest::addRow("mode 0") << R"({"Chn":1,"Mode":0,"Color":10,20,30})"
                            << "background-color: rgb(10, 20, 30);border:none;";
    QTest::addRow("mode 1") << R"({"Chn":1,"Mode":1,"Color":10,20,30})" << black;
    QTest::addRow("no channel") << R"({"Mode":0,"Color":10,20,30})" << black;
}

void tst_Wall::noInputColour()
{
    QFETCH(QString, record);
    auto w = openSplicing();
    w->forwardAnalysis(record);
    QTEST(w->findChild<QToolButton *>("toolButton_ColorPalette")->styleSheet(), "style");
    w->applyPickedColour(QColor());
    QVERIFY(m_sent.isEmpty());
    w->applyPickedColour(QColor(1, 2, 3));
    QCOMPARE(m_sent, QStringList{"{param=No_Signal1/0/1/2/3}"});
}

void tst_Wall::bezelRefusesFourDigitsAndSendsInOrder()
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

void tst_Wall::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the wall views");
    DeviceState::instance()->setVirMode(2);
    DeviceState::instance()->setSplitterRouting({{1, 1}, {2, 3}, {5, 2}});
    for (const QString language : {"Chinese", "English"}) {
        QTranslator translator;
        QVERIFY(translator.load(":/" + language));
        QCoreApplication::installTranslator(&translator);
        auto w = openSplicing();
        w->findChild<QTableWidget *>("tw_real_screen")->setCurrentCell(0, 1);
        QVERIFY(w->grab().save(QStringLiteral("%1/splicing-%2.png").arg(dir, language)));
        DialogBezel bezel;
        bezel.show();
        QVERIFY(bezel.grab().save(QStringLiteral("%1/bezel-%2.png").arg(dir, language)));
        SingleSplitterWidget view;
        view.resize(480, 270);
        view.setInputNames([](int input) { return QStringLiteral("HDMI %1").arg(input); });
        view.refreshTexts();
        for (int mode = 0; mode < SplitterLayout::ModeCount; ++mode) {
            view.setLayout(mode);
            const QString file =
                QStringLiteral("%1/splitter-%2-%3.png").arg(dir).arg(mode).arg(language);
            QVERIFY(view.grab().save(file));
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(tst_Wall)
#include "tst_wall.moc"
