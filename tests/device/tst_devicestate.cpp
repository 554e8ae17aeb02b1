#include "devicestate.h"

#include <QtTest>

class TestDeviceState : public QObject
{
    Q_OBJECT

private slots:
    void clamps_data();
    void clamps();
};

void TestDeviceState::clamps_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::addRow("vir 3") << "vir" << 3 << 3;
    QTest::addRow("vir 5") << "vir" << 5 << 0;
    QTest::addRow("splice 6") << "splice" << 6 << 0;
    QTest::addRow("splitter buttons 9") << "splitterButtons" << 9 << 0;
    QTest::addRow("splitter from record 9") << "splitterRecord" << 9 << 9;
    QTest::addRow("type 7") << "type" << 7 << 1;
}

void TestDeviceState::clamps()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(int, stored);
    DeviceState *s = DeviceState::instance();
    if (field == "vir") {
        s->setVirMode(value);
        QCOMPARE(s->virMode(), stored);
    } else if (field == "splice") {
        s->setSpliceMode(value);
        QCOMPARE(s->spliceMode(), stored);
    } else if (field == "splitterButtons") {
        s->selectSplitterLayout(value);
        QCOMPARE(s->splitterLayout(), stored);
    } else if (field == "splitterRecord") {
        s->setSplitterLayout(value);
        QCOMPARE(s->splitterLayout(), stored);
    } else {
        s->setDeviceType(value);
        QCOMPARE(s->deviceType(), stored);
    }
}

QTEST_APPLESS_MAIN(TestDeviceState)
#include "tst_devicestate.moc"
