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

QString tabs(int left)
{
    static const QString sheet = load(QStringLiteral(":/Styles/tabs.qss"));
    QString out = sheet;
    return out.replace(QLatin1String("@TABBAR_LEFT@"), QStringLiteral("left:%1px;").arg(left));
}

} // namespace MainStyle
