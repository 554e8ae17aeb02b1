#include "devicestate.h"

#include <QtTest>

class TestDeviceState : public QObject
{
    Q_OBJECT

private slots:
    void outOfRangeValuesFallBack();
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

QTEST_APPLESS_MAIN(TestDeviceState)
#include "tst_devicestate.moc"
