#include "commands.h"

#include <QtTest>

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void templates_data();
    void templates();
    void switchPort_data();
    void switchPort();
    void bind_data();
    void bind();
};

void TestCommands::templates_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    using namespace Commands;
    // Only the rules; the plain one-word queries are seen on the wire by tst_link and the sim tests.
    QTest::addRow("multi-argument network text")
        << setNetwork("192.168.1.9", "192.168.1.1", "255.255.255.0", "00:11:22:33:44:55")
        << "{param=&ip,ip=192.168.1.9,gateway=192.168.1.1,subnet=255.255.255.0,mac=00:11:22:33:44:55}";
    QTest::addRow("network: a placeholder in a value stays literal") << setNetwork("%2", "g", "s", "m")
                                                            << "{param=&ip,ip=%2,gateway=g,subnet=s,mac=m}";
    QTest::addRow("direction left") << direction(0) << "{param=Left}";
    QTest::addRow("direction right") << direction(1) << "{param=Right}";
    QTest::addRow("direction other is no command") << direction(2) << "";
    QTest::addRow("negative numbers") << windowMove(1, -20, 30) << "{param=WindowMove1/-20/30}";
    QTest::addRow("unsigned beyond int") << bezelX(0, 10, 4000000000u, 7) << "{param=Bezel_x0/10/4000000000/7}";
}

void TestCommands::templates()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void TestCommands::switchPort_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QString>("expected");
    QTest::addRow("type word") << 8 << 2 << 1 << 0 << "{param=8IR1}";
    QTest::addRow("unknown type word empty") << 3 << 7 << 5 << 1 << "{param=35}";
    QTest::addRow("0409-S strips the 100 offset") << 101 << 0 << 102 << 2 << "{param=1VIDEO2}";
    QTest::addRow("0409-S keeps 100 itself") << 100 << 1 << 100 << 2 << "{param=100AUDIO100}";
    QTest::addRow("0809 keeps offsets") << 101 << 0 << 102 << 1 << "{param=101VIDEO102}";
}

void TestCommands::switchPort()
{
    QFETCH(int, input);
    QFETCH(int, type);
    QFETCH(int, output);
    QFETCH(int, deviceType);
    QFETCH(QString, expected);
    QCOMPARE(Commands::switchPort(input, type, output, deviceType), expected);
}

void TestCommands::bind_data()
{
    QTest::addColumn<int>("master");
    QTest::addColumn<QList<int>>("outputs");
    QTest::addColumn<QString>("expected");
    QTest::addRow("master first") << 4 << QList<int>{4, 5, 6} << "{param=Bind4/5/6}";
    QTest::addRow("master in the middle, order kept") << 5 << QList<int>{7, 5, 2} << "{param=Bind5/7/2}";
    QTest::addRow("empty list") << 1 << QList<int>{} << "{param=Bind1}";
}

void TestCommands::bind()
{
    QFETCH(int, master);
    QFETCH(QList<int>, outputs);
    QFETCH(QString, expected);
    QCOMPARE(Commands::bind(master, outputs), expected);
}

QTEST_APPLESS_MAIN(TestCommands)
#include "tst_commands.moc"
