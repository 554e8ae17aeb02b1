#include "captionbitmap.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPainter>
#include <QtEndian>

Q_LOGGING_CATEGORY(lcCaptionBitmap, "zel.upload.bitmap")

namespace {

bool tooLarge(const QSize &size)
{
    return size.width() > CaptionBitmap::MaxSide || size.height() > CaptionBitmap::MaxSide ||
           qint64(size.width()) * size.height() > CaptionBitmap::MaxPixels;
}

const char *relativePath(CaptionBitmap::WorkingFile which)
{
    return which == CaptionBitmap::WorkingFile::RenderedText
               ? "ConversionProcessing/CharacterLogo/CharImage.bmp"
               : "ConversionProcessing/Subtitle/SendlocalImage.bmp";
}

} // namespace

void CaptionBitmap::enableLargeGlyphCache()
{
    if (qEnvironmentVariableIsEmpty("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", QByteArray::number(LargestCachedGlyphPx));
}

QImage CaptionBitmap::renderText(const QString &text, const QFont &font, QString *error)
{
    const QString padded = QLatin1Char(' ') + text + QLatin1Char(' ');
    const QRect bounds = QFontMetrics(font).boundingRect(padded);
    const QSize size(bounds.right() - bounds.left() + 9, bounds.bottom() - bounds.top() + 6);
    if (tooLarge(size)) {
        qCWarning(lcCaptionBitmap) << "caption text too large to render:" << size;
        if (error)
            *error = tr("The text is too long for this font size.");
        return QImage();
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(0);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.setPen(QColor(255, 255, 255, 255));
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, padded);
    return image;
}

QImage CaptionBitmap::toMonochrome(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    // Bit set means black, as the toolkit's own 1-bit conversion writes it.
    QImage mono(grey.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    // Row padding is written to the file too; keep it zero.
    mono.fill(0);
    const int w = grey.width();
    const int h = grey.height();
    for (int y = 0; y < h; ++y) {
        const uchar *src = grey.constScanLine(y);
        // Top row last.
        uchar *dst = mono.scanLine(h - 1 - y);
        const int bytes = (w + 7) / 8;
        for (int b = 0; b < bytes; ++b) {
            uchar out = 0;
            const int x0 = b * 8;
            const int n = qMin(8, w - x0);
            for (int i = 0; i < n; ++i) {
                if (src[x0 + i] < 128)
                    out |= uchar(0x80 >> i);
            }
            dst[b] = out;
        }
    }
    return mono;
}

QByteArray CaptionBitmap::bmpBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP", 100)) {
        bytes.clear();
        return bytes;
    }
    // The toolkit leaves a 1-bit file's row padding unwritten; the device gets zeros.
    if (image.depth() == 1 && bytes.size() >= 62) {
        const qint64 offset = qFromLittleEndian<quint32>(bytes.constData() + 10);
        const int used = (image.width() + 7) / 8;
        const int stride = ((image.width() + 31) / 32) * 4;
        for (int row = 0; row < image.height(); ++row) {
            for (int i = used; i < stride; ++i) {
                const qint64 at = offset + qint64(row) * stride + i;
                if (at < bytes.size())
                    bytes[int(at)] = '\0';
            }
        }
    }
    return bytes;
}

QImage CaptionBitmap::loadImageFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcCaptionBitmap) << "cannot open image:" << path << file.errorString();
        *error = tr("The file cannot be opened.");
        return QImage();
    }
    if (file.size() > MaxFileBytes) {
        qCWarning(lcCaptionBitmap) << "image file too large:" << path << file.size();
        *error = tr("The file is too large to be an image for the device.");
        return QImage();
    }
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    if (format.isEmpty()) {
        qCWarning(lcCaptionBitmap) << "not an image:" << path << reader.errorString();
        *error = tr("The file is not an image that can be read.");
        return QImage();
    }
    if (!reader.canRead() || !size.isValid()) {
        qCWarning(lcCaptionBitmap) << "image header unreadable:" << path << reader.errorString();
        *error = tr("The image is damaged or incomplete and cannot be read.");
        return QImage();
    }
    if (tooLarge(size)) {
        qCWarning(lcCaptionBitmap) << "image too large:" << path << size;
        *error = tr("The image is too large (%1 x %2 pixels); at most %3 x %3 pixels can be sent.")
                     .arg(size.width())
                     .arg(size.height())
                     .arg(MaxSide);
        return QImage();
    }
    QImage image = reader.read();
    // Some decoders fill a cut-off file with grey instead of failing.
    if (image.isNull() || isTruncated(format, bytes)) {
        qCWarning(lcCaptionBitmap) << "image could not be decoded:" << path << reader.errorString();
        *error = tr("The image is damaged or incomplete and cannot be read.");
        return QImage();
    }
    return image;
}

bool CaptionBitmap::isTruncated(const QByteArray &format, const QByteArray &bytes)
{
    if (format == "jpeg" || format == "jpg") {
        int end = bytes.size();
        while (end > 0 && bytes.at(end - 1) == '\0')
            --end;
        return end < 2 || uchar(bytes.at(end - 2)) != 0xFF || uchar(bytes.at(end - 1)) != 0xD9;
    }
    if (format == "bmp" && bytes.size() >= 54) {
        auto le32 = [&bytes](int at) {
            return qFromLittleEndian<qint32>(bytes.constData() + at);
        };
        const qint32 offset = le32(10);
        const qint32 width = le32(18);
        const qint32 height = qAbs(le32(22));
        const int bpp = qFromLittleEndian<quint16>(bytes.constData() + 28);
        const qint32 compression = le32(30);
        if (compression != 0 || offset <= 0 || width <= 0 || bpp <= 0)
            return false;
        const qint64 stride = ((qint64(width) * bpp + 31) / 32) * 4;
        return bytes.size() < offset + stride * height;
    }
    if (format == "gif")
        return !bytes.endsWith(char(0x3B));
    return false;
}

QString CaptionBitmap::workingFilePath(WorkingFile which)
{
    const QString path = QDir::current().absoluteFilePath(QString::fromLatin1(relativePath(which)));
    QDir().mkpath(QFileInfo(path).absolutePath());
    return QDir::toNativeSeparators(path);
}

QString CaptionBitmap::saveWorkingFile(WorkingFile which, const QImage &image)
{
    QString path = workingFilePath(which);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCWarning(lcCaptionBitmap) << "cannot write" << path << file.errorString();
        return QString();
    }
    const QByteArray bytes = bmpBytes(image);
    if (file.write(bytes) != bytes.size())
        return QString();
    return path;
}
