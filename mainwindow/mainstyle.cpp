#include "mainstyle.h"

#include <QFile>

namespace MainStyle {

namespace {
QString load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
} // namespace

QString window()
{
    static const QString sheet = load(QStringLiteral(":/Styles/mainwindow.qss"));
    return sheet;
}

QString tabs(bool shifted)
{
    static const QString sheet = load(QStringLiteral(":/Styles/tabs.qss"));
    QString out = sheet;
    return out.replace(QLatin1String("@TABBAR_LEFT@"),
                       shifted ? QLatin1String("left:200px;") : QLatin1String("left:0;"));
}

} // namespace MainStyle
