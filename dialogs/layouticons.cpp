#include "layouticons.h"

#include <QPainter>
#include <QPixmap>

namespace LayoutIcons {

namespace {

QPixmap tinted(const QPixmap &source, const QColor &colour)
{
    QPixmap out(source.size());
    out.setDevicePixelRatio(source.devicePixelRatio());
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.drawPixmap(0, 0, source);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(out.rect(), colour);
    return out;
}

QPixmap drawnAreas(const QList<QRectF> &fractions,
                   const QSize &size,
                   const QColor &line,
                   const QColor &fill)
{
    QPixmap out(size);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF whole(1, 1, size.width() - 2, size.height() - 2);
    for (const QRectF &f : fractions) {
        const QRectF r(whole.x() + f.x() * whole.width(),
                       whole.y() + f.y() * whole.height(),
                       f.width() * whole.width() - 1,
                       f.height() * whole.height() - 1);
        painter.setPen(QPen(line, 1.5));
        painter.setBrush(fill);
        painter.drawRect(r);
    }
    return out;
}

} // namespace

QIcon checkable(const QString &path)
{
    const QPixmap normal(path);
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal, QIcon::Off);
    icon.addPixmap(tinted(normal, Qt::white), QIcon::Normal, QIcon::On);
    return icon;
}

QIcon areas(const QList<QRectF> &fractions, const QSize &size)
{
    QIcon icon;
    icon.addPixmap(drawnAreas(fractions, size, QColor(0x33, 0x8c, 0x56), QColor(0xdf, 0xee, 0xe4)),
                   QIcon::Normal,
                   QIcon::Off);
    icon.addPixmap(
        drawnAreas(fractions, size, Qt::white, QColor(0x33, 0x8c, 0x56)), QIcon::Normal, QIcon::On);
    return icon;
}

} // namespace LayoutIcons
