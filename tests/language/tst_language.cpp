#include "appsettings.h"
#include "datadir.h"
#include "languagechoice.h"
#include "tempdatadir.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void startUp_data();
    void startUp();
    void switchAtRunTime();
};

void TestLanguage::choose_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<int>("writeBack");
    QTest::addRow("0") << 0 << int(QLocale::English) << ":/Chinese" << -1;
    QTest::addRow("1") << 1 << int(QLocale::Chinese) << ":/English" << -1;
    QTest::addRow("absent, Chinese system") << -1 << int(QLocale::Chinese) << ":/Chinese" << 0;
    QTest::addRow("absent, German system") << -1 << int(QLocale::German) << ":/English" << 1;
}

void TestLanguage::choose()
{
    QFETCH(int, stored);
    QFETCH(int, system);
    QFETCH(QString, catalogue);
    QFETCH(int, writeBack);
    const LanguageChoice::Choice choice = LanguageChoice::choose(stored, QLocale::Language(system));
    QCOMPARE(choice.catalogue, catalogue);
    QCOMPARE(choice.writeBack, writeBack);
}

void TestLanguage::startUp_data()
{
    QTest::addColumn<QString>("configIni");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("upload");
    QTest::addColumn<QString>("stored");
    const QString zhUpload = QStringLiteral("传输文件端口连接发生错误！");
    const QString enUpload = QStringLiteral("The file transfer port could not be connected!");
    QTest::addRow("no file, Chinese system") << "" << int(QLocale::Chinese) << "确定" << zhUpload << "0";
    QTest::addRow("no file, other system") << "" << int(QLocale::French) << "OK" << enUpload << "1";
    QTest::addRow("garbage stored") << "[Language]\nlanguage=abc\n" << int(QLocale::Chinese) << "确定" << zhUpload
                                    << "0";
    QTest::addRow("other value") << "[Language]\nlanguage=5\n" << int(QLocale::Chinese) << "OK" << enUpload << "5";
}

void TestLanguage::startUp()
{
    QFETCH(QString, configIni);
    QFETCH(int, system);
    QFETCH(QString, ok);
    QFETCH(QString, upload);
    QFETCH(QString, stored);
    TempDataDir dir;
    DataDir::set(dir.path());
    if (!configIni.isEmpty()) {
        QFile file(dir.filePath(QStringLiteral("config.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(configIni.toUtf8());
    }
    QTranslator translator;
    QVERIFY(LanguageChoice::apply(&translator, QLocale::Language(system)));
    // Both directions: English texts become Chinese, Chinese texts become English.
    QCOMPARE(QCoreApplication::translate("DialogConfirm", "OK"), ok);
    QCOMPARE(QCoreApplication::translate("MessageDistance", "传输文件端口连接发生错误！"), upload);
    QSettings written(dir.filePath(QStringLiteral("config.ini")), QSettings::IniFormat);
    QCOMPARE(written.value(QStringLiteral("Language/language")).toString(), stored);
    QCoreApplication::removeTranslator(&translator);
    DataDir::set(QString());
}

void TestLanguage::switchAtRunTime()
{
    TempDataDir dir;
    DataDir::set(dir.path());
    QTranslator translator;
    QVERIFY(LanguageChoice::apply(&translator, QLocale::Chinese));
    QCOMPARE(QCoreApplication::translate("RenameDialog", "Rename"), QStringLiteral("重命名"));
    QVERIFY(LanguageChoice::switchTo(1, &translator));
    QCOMPARE(QCoreApplication::translate("RenameDialog", "Rename"), QStringLiteral("Rename"));
    QCOMPARE(QCoreApplication::translate("RenameDialog", "新名称:"), QStringLiteral("New name:"));
    QCOMPARE(AppSettings::instance()->language(), 1);
    QCoreApplication::removeTranslator(&translator);
    DataDir::set(QString());
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
