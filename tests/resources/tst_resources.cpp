#include "zelresources.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

// Every image shipped and every image a source file names loads and draws something.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZelResources(); }
    void everyImageLoads();
};

namespace {

QStringList namedInTheCode()
{
    static const QRegularExpression name(QStringLiteral("\":(/Images/[^\"]+\\.(?:svg|png))\""));
    QStringList paths;
    for (const char *area : {"app", "device", "dialogs", "grid", "login", "mainwindow", "multiview",
                             "resources", "upload", "users", "wall"}) {
        QDirIterator it(QStringLiteral(ZEL_SOURCE_DIR "/") + QLatin1String(area),
                        {"*.cpp", "*.h", "*.ui"},
                        QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            auto matches = name.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext())
                paths << QLatin1Char(':') + matches.next().captured(1);
        }
    }
    return paths;
}

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
    QStringList paths = namedInTheCode();
    QVERIFY(!paths.isEmpty());
    QDirIterator it(QStringLiteral(":/Images"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.removeDuplicates();
    paths.sort();
    QImage sheet(8 * 72, ((paths.size() + 7) / 8) * 72, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor("#f4f6f5"));
    QPainter painter(&sheet);
    for (int i = 0; i < paths.size(); ++i) {
        const QImage image = load(paths.at(i));
        QVERIFY2(drawsSomething(image), qPrintable(paths.at(i)));
        const QRect cell((i % 8) * 72 + 8, (i / 8) * 72 + 8, 56, 56);
        painter.drawImage(cell, image.scaled(cell.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        sheet.save(dir + QStringLiteral("/icons.png"));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
