#include "titleosdrules.h"

#include "commands.h"
#include "jsonvalue.h"

QStringList TitleOsdRules::fontSizes(int port)
{
    const int first = port < 1 ? 100 : 1;
    const int last = port < 1 ? 500 : 100;
    QStringList sizes;
    for (int size = first; size <= last; ++size)
        sizes << QString::number(size);
    return sizes;
}

QString TitleOsdRules::defaultFontSize(int port)
{
    return port < 1 ? QStringLiteral("200") : QStringLiteral("35");
}

QFont TitleOsdRules::font(
    const QString &family, int pointSize, bool bold, bool italic, bool underline)
{
    QFont f(family);
    f.setPointSize(qMax(1, pointSize));
    f.setWeight(bold ? 75 : 50);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QString TitleOsdRules::announce(int port, int selectedOutput)
{
    return isOsd(port) ? Commands::uploadOsd(port) : Commands::uploadSubtitle(selectedOutput);
}

QString TitleOsdRules::directionCommand(int id)
{
    return Commands::direction(id);
}

TitleOsdRules::Message TitleOsdRules::checkBitmapSize(qint64 bytes, int port)
{
    if (bytes <= 0)
        return emptyFileMessage();
    if (isOsd(port) && bytes > OsdLimitBytes)
        return {tr("错误"), tr("台标字幕文件大小不能超过4K!")};
    return {};
}

TitleOsdRules::Message TitleOsdRules::emptyFileMessage()
{
    return {tr("error"), tr("File is empty")};
}

TitleOsdRules::Message TitleOsdRules::portFailureMessage()
{
    return {tr("NetWork Error"), tr("传输文件端口连接发生错误！")};
}

int TitleOsdRules::progress(int totalBytes, int packNum)
{
    if (totalBytes <= 0)
        return 0;
    const int remaining = totalBytes - 500 * packNum;
    if (remaining < 0)
        return 0;
    return qMin(100, remaining * 100 / totalBytes);
}

CaptionSettings TitleOsdRules::fromRecord(const QJsonObject &record)
{
    auto text = [&record](const char *key) {
        return valueText(record.value(QLatin1String(key)));
    };
    auto has = [&record](const char *key) {
        return record.contains(QLatin1String(key));
    };
    CaptionSettings c;
    c.switchOn = text("Switch") == QLatin1String("true");
    c.speed = text("Speed").toInt();
    if (has("Color"))
        c.color = text("Color");
    c.x = text("Position_x").toInt();
    c.y = text("Position_y").toInt();
    c.bgSwitchOn = text("Bg_switch") == QLatin1String("true");
    if (has("Bg_Color"))
        c.bgColor = text("Bg_Color");
    if (has("Move_dir"))
        c.direction = text("Move_dir");
    return c;
}

bool TitleOsdRules::parseRgb(const QString &text, int *r, int *g, int *b)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return false;
    int v[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        v[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok || v[i] < 0 || v[i] > 255)
            return false;
    }
    *r = v[0];
    *g = v[1];
    *b = v[2];
    return true;
}
