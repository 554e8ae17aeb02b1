#include "zelresources.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

// Every image a source file names must exist and load; every image shipped must load.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void everyShippedImageLoads();
    void everyNameInTheCodeExists();

private:
    static QStringList shipped();
    static QImage load(const QString &path);
};

QStringList TestResources::shipped()
{
    QStringList paths;
    QDirIterator it(QStringLiteral(":/Images"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    return paths;
}

QImage TestResources::load(const QString &path)
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

void TestResources::everyShippedImageLoads()
{
    const QStringList paths = shipped();
    QVERIFY(paths.size() >= 29);
    QImage sheet(8 * 72, ((paths.size() + 7) / 8) * 72, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor("#f4f6f5"));
    QPainter painter(&sheet);
    for (int i = 0; i < paths.size(); ++i) {
        const QImage image = load(paths.at(i));
        QVERIFY2(!image.isNull(), qPrintable(paths.at(i)));
        // Nothing fully transparent: an icon that draws nothing is a broken icon.
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) > 0;
        QVERIFY2(drawn, qPrintable(paths.at(i)));
        const QRect cell((i % 8) * 72 + 8, (i / 8) * 72 + 8, 56, 56);
        painter.drawImage(cell, image.scaled(cell.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        sheet.save(dir + QStringLiteral("/icons.png"));
}

void TestResources::everyNameInTheCodeExists()
{
    static const QRegularExpression name(QStringLiteral("\":(/Images/[^\"]+\\.(?:svg|png))\""));
    QStringList missing;
    int used = 0;
    for (const char *area : {"app", "device", "dialogs", "grid", "login", "mainwindow", "multiview", "resources",
                             "upload", "users", "wall"}) {
        QDirIterator it(QStringLiteral(ZEL_SOURCE_DIR "/") + QLatin1String(area),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            auto matches = name.globalMatch(text);
            while (matches.hasNext()) {
                const QString path = QLatin1Char(':') + matches.next().captured(1);
                ++used;
                if (!QFile::exists(path))
                    missing << path + QStringLiteral(" (") + file.fileName() + QLatin1Char(')');
            }
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    qInfo("%d image names in the code, all present", used);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
