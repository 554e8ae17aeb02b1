#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QString>

// Turns a caption text or an image file into the device's bitmap: greyscale, grey 128
// and up white, below black, 1 bit per pixel, top row last, written as BMP. Also owns
// the working files the bitmaps are kept in. Any thread that may use QPainter on images.
class CaptionBitmap
{
    Q_DECLARE_TR_FUNCTIONS(CaptionBitmap)

public:
    enum class WorkingFile { RenderedText, ConvertedImage };

    // Lets the painter keep glyphs of caption sizes in its cache instead of filling
    // each one as a path on every render (a 200-point caption: ~115 ms down to ~11 ms).
    // Must run before the application object exists; a value already set is kept.
    static void enableLargeGlyphCache();

    // The text with a blank either side, white on black, centred in its bounding
    // rectangle grown by 8 x 5 pixels. Null (and *error set) when the text is too large.
    static QImage renderText(const QString &text, const QFont &font, QString *error = nullptr);
    // Greyscale, threshold at 128, 1 bpp, mirrored vertically.
    static QImage toMonochrome(const QImage &image);
    static QByteArray bmpBytes(const QImage &image);

    // Reads an image file without decoding anything too large to hold: the size is read
    // from the header first. Null (and *error set) for a file that is not an image, is
    // damaged, or is larger than MaxSide or MaxPixels.
    static QImage loadImageFile(const QString &path, QString *error);

    // "ConversionProcessing/CharacterLogo/CharImage.bmp" or
    // "ConversionProcessing/Subtitle/SendlocalImage.bmp" under the working directory,
    // its folders created when missing.
    static QString workingFilePath(WorkingFile which);
    // Writes image as BMP to the working file; the path, or empty when it cannot be written.
    static QString saveWorkingFile(WorkingFile which, const QImage &image);

    // A file cut short that the decoder would otherwise fill in: JPEG without its end
    // marker, uncompressed BMP shorter than its pixels, GIF without its trailer.
    static bool isTruncated(const QByteArray &format, const QByteArray &bytes);

    static constexpr int MaxSide = 16384;
    // A 500-point glyph is about 670 pixels high.
    static constexpr int LargestCachedGlyphPx = 700;
    static constexpr qint64 MaxFileBytes = 256LL * 1024 * 1024;
    static constexpr qint64 MaxPixels = 32LL * 1024 * 1024;
};
