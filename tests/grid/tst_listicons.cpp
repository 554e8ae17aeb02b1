#include "listwidget.h"

#include <QtTest>

// Every reconnect refreshes the signal list. A fresh icon per refresh had a new cache
// key, so each repaint left another scaled copy in the pixmap cache: about 20 kB kept
// per reconnect. The same colour must come back as the same icon.
class tst_ListIcons : public QObject
{
    Q_OBJECT

private slots:
    void refreshesReuseTheirIcons();
};

void tst_ListIcons::refreshesReuseTheirIcons()
{
    ListWidget list;
    const QMap<int, bool> firstPresent{{1, true}};
    const auto iconKeys = [&list] {
        QList<qint64> keys;
        for (int i = 0; i < list.count(); ++i)
            keys << list.item(i)->icon().cacheKey();
        return keys;
    };
    list.rebuild({}, {});
    list.setInputPresence(firstPresent);
    const QList<qint64> first = iconKeys();
    QCOMPARE(first.at(0), first.at(9)); // audio 1 and input 2: both dark
    QVERIFY(first.at(8) != first.at(9)); // input 1 green
    for (int turn = 0; turn < 3; ++turn) {
        list.rebuild({}, {});
        list.setInputPresence({});
        list.setInputPresence(firstPresent);
    }
    QCOMPARE(iconKeys(), first);
}

QTEST_MAIN(tst_ListIcons)
#include "tst_listicons.moc"
