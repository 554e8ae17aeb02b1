#include "appsettings.h"
#include "datadir.h"
#include "tempdatadir.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

// Each version record (every reconnect) sets the device type again. config.ini is
// rewritten, and synced to disk, only when a value really changes.
class tst_SettingsWrites : public QObject
{
    Q_OBJECT

private slots:
    void rewrittenOnlyOnChange_data();
    void rewrittenOnlyOnChange();
};

void tst_SettingsWrites::rewrittenOnlyOnChange_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("rewritten");
    QTest::addRow("the same type") << 3 << false;
    QTest::addRow("another type") << 2 << true;
}

void tst_SettingsWrites::rewrittenOnlyOnChange()
{
    QFETCH(int, type);
    QFETCH(bool, rewritten);
    TempDataDir dir;
    DataDir::set(dir.path());
    AppSettings *settings = AppSettings::instance();
    settings->setType(3);
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1000000000, Qt::UTC);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    settings->setType(type);
    QCOMPARE(QFileInfo(path).lastModified() != old, rewritten);
    QCOMPARE(settings->type(), type);
    DataDir::set(QString());
}

QTEST_GUILESS_MAIN(tst_SettingsWrites)
#include "tst_settingswrites.moc"
