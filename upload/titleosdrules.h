#pragma once

#include "captionsettings.h"

#include <QCoreApplication>
#include <QFont>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What the caption/OSD dialog decides, without the dialog: its lists, the commands of
// its controls, the size rule, the progress arithmetic and the caption record read.
class TitleOsdRules
{
    Q_DECLARE_TR_FUNCTIONS(TitleOrOsdDialog)

public:
    struct Message
    {
        QString heading;
        QString text;
        bool isEmpty() const { return text.isEmpty(); }
    };

    static constexpr int CaptionPort = -1;
    static constexpr int OsdLimitBytes = 4096;

    static bool isOsd(int port) { return port != CaptionPort; }
    // "100".."500" for the caption, "1".."100" for an OSD logo.
    static QStringList fontSizes(int port);
    static QString defaultFontSize(int port);
    static QString defaultFontFamily() { return QStringLiteral("Microsoft YaHei UI"); }
    static QFont font(const QString &family, int pointSize, bool bold, bool italic, bool underline);

    // "{param=Upload_Subtitle<output>}" or "{param=Upload_OSD<port>}".
    static QString announce(int port, int selectedOutput);
    // "{param=Left}" for 0, "{param=Right}" for 1, empty for anything else.
    static QString directionCommand(int id);
    // The refusal for a bitmap of this size, or an empty message when it may go.
    static Message checkBitmapSize(qint64 bytes, int port);
    static Message emptyFileMessage();
    static Message portFailureMessage();

    // Share of the bitmap shown in the bar when packNum entries are still queued.
    static int progress(int totalBytes, int packNum);

    // The caption record's settings; absent keys keep their defaults.
    static CaptionSettings fromRecord(const QJsonObject &record);
    // "r,g,b" -> three values 0..255; false for any other text.
    static bool parseRgb(const QString &text, int *r, int *g, int *b);
};
