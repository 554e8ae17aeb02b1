#include "commands.h"

#include <QtTest>

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
};

// Only the rules; the plain one-word queries are seen on the wire by tst_link and the sim tests.
void TestCommands::rules_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    using namespace Commands;
    QTest::addRow("multi-argument network text")
        << setNetwork("192.168.1.9", "192.168.1.1", "255.255.255.0", "00:11:22:33:44:55")
        << "{param=&ip,ip=192.168.1.9,gateway=192.168.1.1,subnet=255.255.255.0,mac=00:11:22:33:44:"
           "55}";
    QTest::addRow("network: a placeholder in a value stays literal")
        << setNetwork("%2", "g", "s", "m") << "{param=&ip,ip=%2,gateway=g,subnet=s,mac=m}";
    QTest::addRow("direction left") << direction(0) << "{param=Left}";
    QTest::addRow("direction right") << direction(1) << "{param=Right}";
    QTest::addRow("direction other is no command") << direction(2) << "";
    QTest::addRow("negative numbers") << windowMove(1, -20, 30) << "{param=WindowMove1/-20/30}";
    QTest::addRow("unsigned beyond int")
        << bezelX(0, 10, 4000000000u, 7) << "{param=Bezel_x0/10/4000000000/7}";
    QTest::addRow("switch: type word") << switchPort(8, 2, 1, 0) << "{param=8IR1}";
    QTest::addRow("switch: unknown type word empty") << switchPort(3, 7, 5, 1) << "{param=35}";
    QTest::addRow("switch: 0409-S strips the 100 offset")
        << switchPort(101, 0, 102, 2) << "{param=1VIDEO2}";
    QTest::addRow("switch: 0409-S keeps 100 itself")
        << switchPort(100, 1, 100, 2) << "{param=100AUDIO100}";
    QTest::addRow("switch: 0809 keeps offsets")
        << switchPort(101, 0, 102, 1) << "{param=101VIDEO102}";
    QTest::addRow("bind: master first") << bind(4, {4, 5, 6}) << "{param=Bind4/5/6}";
    QTest::addRow("bind: master in the middle, order kept")
        << bind(5, {7, 5, 2}) << "{param=Bind5/7/2}";
    QTest::addRow("bind: empty list") << bind(1, {}) << "{param=Bind1}";
}

void TestCommands::rules()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

QTEST_APPLESS_MAIN(TestCommands)
#include "tst_commands.moc"
