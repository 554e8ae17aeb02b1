#pragma once

#include <QIcon>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>

// Icons for the checkable layout buttons, whose checked background is the icons' own
// green: each icon gets a white picture for the checked state. GUI thread.
namespace LayoutIcons {

// The image at `path`, drawn white while its button is checked.
QIcon checkable(const QString &path);
// A picture of areas given as fractions of the whole, outlined, later ones over earlier
// ones (a picture in picture shows on top); white while checked.
QIcon areas(const QList<QRectF> &fractions, const QSize &size);

} // namespace LayoutIcons
