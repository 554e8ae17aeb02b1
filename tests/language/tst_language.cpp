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
    void startUp_data();
    void startUp();
    void switchAtRunTime();
};

void TestLanguage::startUp_data()
{
    QTest::addColumn<QString>("configIni");
    QTest::addColumn<QLocale::Language>("system");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("stored");
    QTest::addRow("0, English system") << "[Language]\nlanguage=0\n" << QLocale::English << true << "0";
    QTest::addRow("1, Chinese system") << "[Language]\nlanguage=1\n" << QLocale::Chinese << false << "1";
    QTest::addRow("no file, Chinese system") << "" << QLocale::Chinese << true << "0";
    QTest::addRow("no file, other system") << "" << QLocale::French << false << "1";
    QTest::addRow("garbage stored") << "[Language]\nlanguage=abc\n" << QLocale::Chinese << true << "0";
    QTest::addRow("other value") << "[Language]\nlanguage=5\n" << QLocale::Chinese << false << "5";
}

void TestLanguage::startUp()
{
    QFETCH(QString, configIni);
    QFETCH(QLocale::Language, system);
    QFETCH(bool, chinese);
    QFETCH(QString, stored);
    TempDataDir dir;
    DataDir::set(dir.path());
    if (!configIni.isEmpty()) {
        QFile file(dir.filePath(QStringLiteral("config.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(configIni.toUtf8());
    }
    QTranslator translator;
    QVERIFY(LanguageChoice::apply(&translator, system));
    // Both directions: English texts become Chinese, Chinese texts become English.
    QCOMPARE(QCoreApplication::translate("DialogConfirm", "OK"),
             chinese ? QStringLiteral("确定") : QStringLiteral("OK"));
    QCOMPARE(QCoreApplication::translate("MessageDistance", "传输文件端口连接发生错误！"),
             chinese ? QStringLiteral("传输文件端口连接发生错误！")
                     : QStringLiteral("The file transfer port could not be connected!"));
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
