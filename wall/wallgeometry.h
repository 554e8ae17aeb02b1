#pragma once

#include <QLoggingCategory>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>

Q_DECLARE_LOGGING_CATEGORY(lcWall)

// The video wall as the device lays it out: the real-screen grid of each VIR mode,
// the offered resolutions and rotations, and the wall's size in device pixels.
namespace WallGeometry {

struct Grid
{
    int rows = 3;
    int cols = 3;
};

// 1 "1x9", 2 "2x4", 3 "4x2"; anything else is 3 x 3.
Grid wallGrid(int virMode);
QStringList layoutTexts();
QStringList resolutionTexts();
QStringList rotationTexts();
QString defaultResolution();
// Output 1's resolution, or the default when the map has none (or an empty text).
QString wallResolution(const QMap<int, QString> &outputResolutions);
// Index 0..3 of an output; missing or above 3 reads 0.
int rotationOf(const QMap<int, int> &rotations, int output);
// W x H in device pixels; 90 and 270 degrees swap the screen's sides. A text without
// "x" gives 0 x 0.
QSize realResolution(int virMode, const QString &resolution, int rotation);
// The icons of the main window's three layout buttons for a VIR mode.
QStringList layoutButtonIcons(int virMode);

} // namespace WallGeometry
