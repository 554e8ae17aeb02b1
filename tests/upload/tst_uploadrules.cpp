#include "appsettings.h"
#include "captionbitmap.h"
#include "edidrules.h"
#include "tempdatadir.h"
#include "titleosdrules.h"

#include <QBuffer>
#include <QDir>
#include <QFontMetrics>
#include <QJsonObject>
#include <QtEndian>
#include <QtTest>

// The caption/OSD bitmap and the upload dialogs' rules, without a window or a device.
class TestUploadRules : public QObject
{
    Q_OBJECT

private slots:
    void bitmapBytes_data();
    void bitmapBytes();
    void bitmapMatchesTheToolkitsOwnConversion();
    void renderedTextSize();
    void sizeLimits_data();
    void sizeLimits();
    void progress_data();
    void progress();
    void badImageFiles_data();
    void badImageFiles();
    void captionRecord_data();
    void captionRecord();
    void edidOutputs_data();
    void edidOutputs();
    void edidFiles_data();
    void edidFiles();
};

namespace {

// An RGB image from grey levels, rows top first.
QImage greys(const QVector<QVector<int>> &rows)
{
    QImage image(rows.first().size(), rows.size(), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows.at(y).size(); ++x)
            image.setPixel(x, y, qRgb(rows[y][x], rows[y][x], rows[y][x]));
    }
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The CRC of a PNG chunk (type and data), big-endian.
QByteArray crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc ^= 0xFFFFFFFFu;
    QByteArray out(4, '\0');
    qToBigEndian(crc, out.data());
    return out;
}

QString writeTemp(const TempDataDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

} // namespace

void TestUploadRules::bitmapBytes_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QByteArray>("pixels"); // the file's pixel rows, hex
    QTest::addRow("grey 128 is white, 127 black") << greys({{128, 127}}) << QByteArray("40000000");
    QTest::addRow("top row first in the file, last in the image")
        << greys({{0}, {255}}) << QByteArray("8000000000000000");
    QTest::addRow("nine pixels span two bytes")
        << greys({{0, 255, 255, 255, 255, 255, 255, 255, 0}}) << QByteArray("80800000");
    QTest::addRow("rows padded to four bytes with zeros")
        << greys({QVector<int>(33, 0)}) << QByteArray("ffffffff80000000");
}

void TestUploadRules::bitmapBytes()
{
    QFETCH(QImage, image);
    QFETCH(QByteArray, pixels);
    const QImage mono = CaptionBitmap::toMonochrome(image);
    const QByteArray bmp = CaptionBitmap::bmpBytes(mono);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 2), quint32(bmp.size()));
    QCOMPARE(qFromLittleEndian<qint32>(bmp.constData() + 18), image.width());
    QCOMPARE(qFromLittleEndian<qint32>(bmp.constData() + 22), image.height());
    QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(1));
    // Palette: index 0 white, 1 black, so a set bit is a black pixel.
    QCOMPARE(bmp.mid(54, 8).toHex(), QByteArray("ffffff0000000000"));
    QCOMPARE(bmp.mid(62).toHex(), pixels);
}

// The same bitmap as greyscale, a BMP round trip, the colour table cut at 0xFF7F7F7F,
// the toolkit's 1-bit conversion and a vertical mirror.
void TestUploadRules::bitmapMatchesTheToolkitsOwnConversion()
{
    const QImage text = CaptionBitmap::renderText(QStringLiteral("Zel 1 gj"), TitleOsdRules::font("Arial", 35, true, false, true));
    QImage indexed;
    QVERIFY(indexed.loadFromData(encoded(text.convertToFormat(QImage::Format_Grayscale8), "BMP"), "BMP"));
    QVector<QRgb> table = indexed.colorTable();
    for (QRgb &c : table)
        c = c > 0xFF7F7F7F ? 0xFFFFFFFF : 0xFF000000;
    indexed.setColorTable(table);
    const QImage reference = indexed.convertToFormat(QImage::Format_Mono).mirrored(false, true);
    const QImage mono = CaptionBitmap::toMonochrome(text);
    QCOMPARE(mono.size(), reference.size());
    QCOMPARE(mono.convertToFormat(QImage::Format_RGB32), reference.convertToFormat(QImage::Format_RGB32));
}

void TestUploadRules::renderedTextSize()
{
    const QString text = QStringLiteral("Lobby");
    const QFont font = TitleOsdRules::font(QStringLiteral("Arial"), 200, true, false, false);
    const QRect bounds = QFontMetrics(font).boundingRect(' ' + text + ' ');
    const QImage image = CaptionBitmap::renderText(text, font);
    QCOMPARE(image.size(), QSize(bounds.width() + 8, bounds.height() + 5));
    // White text on black: the corner stays black, something is drawn.
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    const QImage mono = CaptionBitmap::toMonochrome(image);
    QCOMPARE(mono.depth(), 1);
    QVERIFY(mono.convertToFormat(QImage::Format_RGB32) != QImage(mono.size(), QImage::Format_RGB32));
}

void TestUploadRules::sizeLimits_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("refusal");
    QTest::addRow("osd at 4096 bytes goes") << qint64(4096) << 3 << "";
    QTest::addRow("osd at 4097 bytes refused") << qint64(4097) << 3 << "错误|台标字幕文件大小不能超过4K!";
    QTest::addRow("caption has no limit") << qint64(5000000) << -1 << "";
    QTest::addRow("empty file") << qint64(0) << -1 << "error|File is empty";
}

void TestUploadRules::sizeLimits()
{
    QFETCH(qint64, bytes);
    QFETCH(int, port);
    QFETCH(QString, refusal);
    const TitleOsdRules::Message m = TitleOsdRules::checkBitmapSize(bytes, port);
    QCOMPARE(m.isEmpty() ? QString() : m.heading + '|' + m.text, refusal);
}

void TestUploadRules::progress_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("shown");
    QTest::addRow("1200 bytes, two entries left") << 1200 << 2 << 16;
    QTest::addRow("1200 bytes, one entry left") << 1200 << 1 << 58;
    QTest::addRow("more left than sent") << 1200 << 3 << 0;
    QTest::addRow("capped at 100") << 400 << 0 << 100;
}

void TestUploadRules::progress()
{
    QFETCH(int, total);
    QFETCH(int, left);
    QFETCH(int, shown);
    QCOMPARE(TitleOsdRules::progress(total, left), shown);
}

void TestUploadRules::badImageFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error"); // a word of the message; empty: the image loads
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QByteArray png = encoded(picture, "PNG");
    // A PNG header claiming 30,000 x 30,000 pixels and a few bytes of data.
    QByteArray huge = png.left(33);
    huge.replace(16, 8, QByteArray::fromHex("0000753000007530"));
    huge.replace(29, 4, crc32(huge.mid(12, 17)));
    huge += png.mid(33, 40);
    QTest::addRow("png loads") << "ok.png" << png << "";
    QTest::addRow("text is not an image") << "notes.png" << QByteArray("just some text\n") << "not an image";
    QTest::addRow("truncated png") << "cut.png" << png.left(png.size() / 2) << "damaged";
    QTest::addRow("30000 x 30000 refused before decoding") << "huge.png" << huge << "30000 x 30000";
}

void TestUploadRules::badImageFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TempDataDir dir;
    QString message;
    const QImage image = CaptionBitmap::loadImageFile(writeTemp(dir, name, bytes), &message);
    QCOMPARE(image.isNull(), !error.isEmpty());
    QVERIFY2(message.contains(error), qPrintable(message));
}

void TestUploadRules::captionRecord_data()
{
    QTest::addColumn<QJsonObject>("record");
    QTest::addColumn<QString>("seen"); // switch speed colour x y bg bgColour direction
    QTest::addRow("every key") << QJsonObject{{"Switch", "true"}, {"Speed", 7}, {"Color", "1,2,3"},
                                              {"Position_x", 10}, {"Position_y", "20"}, {"Bg_switch", true},
                                              {"Bg_Color", "4,5,6"}, {"Move_dir", "right"}}
                               << "1 7 1,2,3 10 20 1 4,5,6 right";
    QTest::addRow("missing keys keep the defaults") << QJsonObject{{"Speed", "2"}}
                                                    << "0 2 255,255,255 0 0 0 255,255,255 left";
}

void TestUploadRules::captionRecord()
{
    QFETCH(QJsonObject, record);
    QFETCH(QString, seen);
    const CaptionSettings c = TitleOsdRules::fromRecord(record);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                 .arg(int(c.switchOn)).arg(c.speed).arg(c.color).arg(c.x).arg(c.y)
                 .arg(int(c.bgSwitchOn)).arg(c.bgColor, c.direction),
             seen);
}

void TestUploadRules::edidOutputs_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<int>("outputs");
    QTest::addRow("0808-S") << 3 << 8;
    QTest::addRow("0809-M") << 4 << 9;
}

void TestUploadRules::edidOutputs()
{
    QFETCH(int, deviceType);
    QFETCH(int, outputs);
    AppSettings::instance()->setOutputNames({{3, QStringLiteral("Lobby")}});
    const QStringList labels = EdidRules::outputLabels(deviceType);
    QCOMPARE(labels.size(), outputs);
    QCOMPARE(labels.at(2), QStringLiteral("[3] Lobby"));
    QCOMPARE(labels.last(), QStringLiteral("[%1] Output %1").arg(outputs));
    // The third output of the list is output 3; the last built-in entry is code 4.
    QCOMPARE(EdidRules::copyCommand(2, 2), QStringLiteral("{param=Copy_EDID2/3}"));
    QCOMPARE(EdidRules::builtInCommand(1, EdidRules::builtInNames().size() - 1), QStringLiteral("{param=EDID_Sel1/4}"));
}

void TestUploadRules::edidFiles_data()
{
    QTest::addColumn<int>("size"); // -1: no file, -2: a directory
    QTest::addColumn<QString>("refusal");
    QTest::addRow("32 KiB is the most") << 32768 << "";
    QTest::addRow("missing") << -1 << "File is empty";
    QTest::addRow("unreadable") << -2 << "cannot be read";
}

void TestUploadRules::edidFiles()
{
    QFETCH(int, size);
    QFETCH(QString, refusal);
    TempDataDir dir;
    QByteArray content(qMax(size, 0), '\0');
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i * 7);
    QString path = dir.filePath("missing.bin");
    if (size >= 0)
        path = writeTemp(dir, "edid.bin", content);
    if (size == -2) {
        QDir(dir.path()).mkdir("folder.bin");
        path = dir.filePath("folder.bin");
    }
    TitleOsdRules::Message message;
    const QByteArray bytes = EdidRules::readFile(path, &message);
    QVERIFY2(message.text.contains(refusal) && message.isEmpty() == refusal.isEmpty(), qPrintable(message.text));
    QCOMPARE(bytes, refusal.isEmpty() ? content : QByteArray());
}

QTEST_MAIN(TestUploadRules)
#include "tst_uploadrules.moc"
