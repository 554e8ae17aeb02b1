#include "devicestate.h"

#include <QtTest>

class TestDeviceState : public QObject
{
    Q_OBJECT

private slots:
    void outOfRangeValuesFallBack();
    void modelCodesAtTheirEdges_data();
    void modelCodesAtTheirEdges();
};

// Out of range falls back, but a record's splitter layout is kept as the device sent it.
void TestDeviceState::outOfRangeValuesFallBack()
{
    DeviceState *s = DeviceState::instance();
    s->setVirMode(3);
    QCOMPARE(s->virMode(), 3);
    s->setVirMode(5);
    QCOMPARE(s->virMode(), 0);
    s->setSpliceMode(6);
    QCOMPARE(s->spliceMode(), 0);
    s->selectSplitterLayout(9);
    QCOMPARE(s->splitterLayout(), 0);
    s->setSplitterLayout(9);
    QCOMPARE(s->splitterLayout(), 9);
    s->setDeviceType(7);
    QCOMPARE(s->deviceType(), 1);
}

// The codes come off the wire and from config.ini: the first and last model are kept,
// the codes just outside name none and read as the 0809.
void TestDeviceState::modelCodesAtTheirEdges_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("names");
    QTest::addColumn<int>("stored");
    QTest::addRow("below the first") << -1 << false << 1;
    QTest::addRow("0808, the first") << 0 << true << 0;
    QTest::addRow("0809-M, the last") << 4 << true << 4;
    QTest::addRow("past the last") << 5 << false << 1;
}

void TestDeviceState::modelCodesAtTheirEdges()
{
    QFETCH(int, code);
    QFETCH(bool, names);
    QFETCH(int, stored);
    QCOMPARE(DeviceModels::fromCode(code).has_value(), names);
    DeviceState::instance()->setDeviceType(code);
    QCOMPARE(DeviceState::instance()->deviceType(), stored);
    QCOMPARE(DeviceModels::code(DeviceState::instance()->deviceTypeModel()), stored);
}

QTEST_APPLESS_MAIN(TestDeviceState)
#include "tst_devicestate.moc"
