#include "commands.h"
#include "datadir.h"
#include "splicegrid.h"
#include "tempdatadir.h"
#include "videosplitmanager.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

using Groups = VideoSplitManager::Groups;
Q_DECLARE_METATYPE(Groups)

class FakeGrid : public SpliceGrid
{
public:
    QList<int> selection;
    const Groups *drawn = nullptr;
    int redraws = 0;
    int layoutMode = -1;
    QList<int> selectedOutputs() const override { return selection; }
    void setBindGroups(const Groups *groups) override { drawn = groups; }
    void redrawBindGroups() override { ++redraws; }
    void setSpliceLayoutMode(int mode) override { layoutMode = mode; }
};

class TestWall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void toggle_data();
    void toggle();
    void menuSaysUnspliceForAGroupOrOneOutput_data();
    void menuSaysUnspliceForAGroupOrOneOutput();
    void nothingWithoutAGrid();
    void bindRecord();
    void presets_data();
    void presets();
    void removeGroupOnlyByMaster();
    void layoutModeReachesTheGrid();

private:
    TempDataDir *m_dir = nullptr;
};

void TestWall::initTestCase()
{
    m_dir = new TempDataDir;
    DataDir::set(m_dir->path());
}

void TestWall::cleanupTestCase()
{
    DataDir::set(QString());
    delete m_dir;
}

void TestWall::toggle_data()
{
    QTest::addColumn<Groups>("before");
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<Groups>("after");
    QTest::addColumn<QStringList>("commands");
    QTest::addRow("new group") << Groups{} << QList<int>{4, 5, 6} << Groups{{4, {4, 5, 6}}}
                               << QStringList{"{param=Bind4/5/6}"};
    QTest::addRow("overlap dissolves the old group, no unbind for two outputs")
        << Groups{{1, {1, 2}}} << QList<int>{2, 3} << Groups{{2, {2, 3}}} << QStringList{"{param=Bind2/3}"};
    QTest::addRow("one output leaves its group")
        << Groups{{1, {1, 2}}} << QList<int>{2} << Groups{} << QStringList{"{param=UnBind1}"};
    QTest::addRow("whole group in another order dissolves it")
        << Groups{{1, {1, 2, 5, 6}}} << QList<int>{6, 5, 2, 1} << Groups{} << QStringList{"{param=UnBind6}"};
    QTest::addRow("single ungrouped output does nothing") << Groups{{1, {1, 2}}} << QList<int>{7}
                                                          << Groups{{1, {1, 2}}} << QStringList{};
    QTest::addRow("part of a bigger group regroups")
        << Groups{{1, {1, 2, 5}}} << QList<int>{1, 2} << Groups{{1, {1, 2}}} << QStringList{"{param=Bind1/2}"};
    QTest::addRow("other groups stay") << Groups{{1, {1, 2}}, {5, {5, 6}}} << QList<int>{3, 4}
                                       << Groups{{1, {1, 2}}, {3, {3, 4}}, {5, {5, 6}}}
                                       << QStringList{"{param=Bind3/4}"};
}

void TestWall::toggle()
{
    QFETCH(Groups, before);
    QFETCH(QList<int>, selection);
    QFETCH(Groups, after);
    QFETCH(QStringList, commands);
    FakeGrid grid;
    VideoSplitManager manager;
    manager.attachGrid(&grid);
    QCOMPARE(grid.drawn, &manager.groups());
    manager.setGroups(before);
    QStringList sent;
    connect(&manager, &VideoSplitManager::si_sendNewBindMsg, this,
            [&sent](int master, const QList<int> &outputs) { sent << Commands::bind(master, outputs); });
    connect(&manager, &VideoSplitManager::si_sendUnBindMsg, this,
            [&sent](int output) { sent << Commands::unBind(output); });
    grid.selection = selection;
    manager.toggleSelection(true);
    QCOMPARE(manager.groups(), after);
    QCOMPARE(sent, commands);
    QCOMPARE(grid.redraws, 1);
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QCOMPARE(manager.groupOf(it.value().last()), it.value());
}

void TestWall::menuSaysUnspliceForAGroupOrOneOutput_data()
{
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<bool>("unsplice");
    QTest::addRow("nothing") << QList<int>{} << true;
    QTest::addRow("one") << QList<int>{2} << true;
    QTest::addRow("exactly the group, shuffled") << QList<int>{6, 1, 5, 2} << true;
    QTest::addRow("part of the group") << QList<int>{1, 2} << false;
    QTest::addRow("two free outputs") << QList<int>{3, 4} << false;
}

void TestWall::menuSaysUnspliceForAGroupOrOneOutput()
{
    QFETCH(QList<int>, selection);
    QFETCH(bool, unsplice);
    FakeGrid grid;
    VideoSplitManager manager;
    manager.attachGrid(&grid);
    manager.setGroups(Groups{{1, {1, 2, 5, 6}}});
    grid.selection = selection;
    QCOMPARE(manager.selectionIsGroupOrSingle(), unsplice);
}

void TestWall::nothingWithoutAGrid()
{
    VideoSplitManager manager;
    QSignalSpy bind(&manager, &VideoSplitManager::si_sendNewBindMsg);
    manager.toggleGroup({1, 2}, true);
    QVERIFY(manager.groups().isEmpty());
    QCOMPARE(bind.count(), 0);
    QVERIFY(!manager.selectionIsGroupOrSingle());
    // A second grid is refused: the first stays attached.
    FakeGrid first, second;
    manager.attachGrid(&first);
    manager.attachGrid(&second);
    QVERIFY(second.drawn == nullptr);
}

void TestWall::bindRecord()
{
    int mode = -2;
    const Groups groups = VideoSplitManager::groupsFromBindRecord(
        QJsonObject{{"bind1", "1/2"}, {"bind2", "3"}, {"bind3", "4/x/6"}, {"mode", 2}}, &mode);
    QCOMPARE(groups, (Groups{{1, {1, 2}}, {4, {4, 0, 6}}}));
    QCOMPARE(mode, 2);
    VideoSplitManager::groupsFromBindRecord(QJsonObject{{"bind1", "1/2"}}, &mode);
    QCOMPARE(mode, -1);
}

void TestWall::presets_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<Groups>("groups");
    QTest::addRow("0 forms none") << 0 << Groups{};
    QTest::addRow("3") << 3 << Groups{{1, {1, 2, 5, 6}}};
}

void TestWall::presets()
{
    QFETCH(int, preset);
    QFETCH(Groups, groups);
    FakeGrid grid;
    VideoSplitManager manager;
    manager.attachGrid(&grid);
    manager.setGroups(Groups{{3, {3, 4}}});
    QSignalSpy bind(&manager, &VideoSplitManager::si_sendNewBindMsg);
    manager.clearGroups();
    manager.toggleGroup(VideoSplitManager::presetOutputs(preset), false);
    QCOMPARE(manager.groups(), groups);
    QCOMPARE(bind.count(), 0);
}

void TestWall::removeGroupOnlyByMaster()
{
    FakeGrid grid;
    VideoSplitManager manager;
    manager.attachGrid(&grid);
    manager.setGroups(Groups{{1, {1, 2}}});
    manager.removeGroup(2);
    QCOMPARE(manager.groups().size(), 1);
    QCOMPARE(grid.redraws, 0);
    manager.removeGroup(1);
    QVERIFY(manager.groups().isEmpty());
    QCOMPARE(grid.redraws, 1);
}

void TestWall::layoutModeReachesTheGrid()
{
    FakeGrid grid;
    VideoSplitManager manager;
    manager.setSpliceLayout(true, 1); // no grid yet: nothing
    manager.attachGrid(&grid);
    manager.setGroups(Groups{{1, {1, 2}}});
    manager.setSpliceLayout(false, 1);
    QCOMPARE(grid.layoutMode, 1);
    QCOMPARE(manager.groups().size(), 1);
    manager.setSpliceLayout(true, 0);
    QCOMPARE(grid.layoutMode, 0);
    QVERIFY(manager.groups().isEmpty());
}

QTEST_GUILESS_MAIN(TestWall)
#include "tst_wall.moc"
