#include "appsettings.h"
#include "datadir.h"
#include "languagechoice.h"
#include "tempdatadir.h"
#include "zelresources.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QSvgRenderer>
#include <QTranslator>
#include <QtTest>

// The shipped images and catalogues: every image loads and draws something, and the
// language is chosen at start-up and switched at run time.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void everyImageLoads();
    void languageAtStartUp_data();
    void languageAtStartUp();
    void languageSwitchAtRunTime();
};

namespace {

QImage load(const QString &path)
{
    if (!path.endsWith(QLatin1String(".svg")))
        return QImage(path);
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty())
        return QImage();
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// An icon that draws nothing (or does not load) is a broken icon.
bool drawsSomething(const QImage &image)
{
    QImage blank(image.size(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    return !image.isNull() && image.convertToFormat(blank.format()) != blank;
}

} // namespace

void TestResources::everyImageLoads()
{
    QStringList paths;
    QDirIterator it(QStringLiteral(":/Images"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    QVERIFY(paths.size() >= 29);
    paths.sort();
    QImage sheet(8 * 72, ((paths.size() + 7) / 8) * 72, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor("#f4f6f5"));
    QPainter painter(&sheet);
    for (int i = 0; i < paths.size(); ++i) {
        const QImage image = load(paths.at(i));
        QVERIFY2(drawsSomething(image), qPrintable(paths.at(i)));
        const QRect cell((i % 8) * 72 + 8, (i / 8) * 72 + 8, 56, 56);
        painter.drawImage(cell,
                          image.scaled(cell.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        sheet.save(dir + QStringLiteral("/icons.png"));
}

void TestResources::languageAtStartUp_data()
{
    QTest::addColumn<QString>("configIni");
    QTest::addColumn<QLocale::Language>("system");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("stored");
    QTest::addRow("0, English system") << "[Language]\nlanguage=0\n"
                                       << QLocale::English << true << "0";
    QTest::addRow("1, Chinese system") << "[Language]\nlanguage=1\n"
                                       << QLocale::Chinese << false << "1";
    QTest::addRow("no file, Chinese system") << "" << QLocale::Chinese << true << "0";
    QTest::addRow("no file, other system") << "" << QLocale::French << false << "1";
    QTest::addRow("garbage stored") << "[Language]\nlanguage=abc\n"
                                    << QLocale::Chinese << true << "0";
    QTest::addRow("other value") << "[Language]\nlanguage=5\n" << QLocale::Chinese << false << "5";
}

void TestResources::languageAtStartUp()
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

void TestResources::languageSwitchAtRunTime()
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

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
