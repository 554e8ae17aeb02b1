#include "wallgeometry.h"

Q_LOGGING_CATEGORY(lcWall, "zel.wall")

namespace WallGeometry {

Grid wallGrid(int virMode)
{
    switch (virMode) {
    case 1:
        return Grid{1, 9};
    case 2:
        return Grid{2, 4};
    case 3:
        return Grid{4, 2};
    default:
        return Grid{3, 3};
    }
}

QStringList layoutTexts()
{
    return {
        QStringLiteral("3x3"), QStringLiteral("1x9"), QStringLiteral("2x4"), QStringLiteral("4x2")};
}

QStringList resolutionTexts()
{
    return {QStringLiteral("800x600x60Hz"),
            QStringLiteral("1024x768x60Hz"),
            QStringLiteral("1280x720x60Hz"),
            QStringLiteral("1280x768x60Hz"),
            QStringLiteral("1280x800x60Hz"),
            QStringLiteral("1280x960x60Hz"),
            QStringLiteral("1280x1024x60Hz"),
            QStringLiteral("1360x768x60Hz"),
            QStringLiteral("1440x900x60Hz"),
            QStringLiteral("1600x900x60Hz"),
            QStringLiteral("1600x1200x60Hz"),
            QStringLiteral("1920x1080x60Hz"),
            QStringLiteral("1920x1200x60Hz")};
}

QStringList rotationTexts()
{
    return {QStringLiteral("0\u00B0"),
            QStringLiteral("90\u00B0"),
            QStringLiteral("180\u00B0"),
            QStringLiteral("270\u00B0")};
}

QString defaultResolution()
{
    return QStringLiteral("1920x1080x60Hz");
}

QString wallResolution(const QMap<int, QString> &outputResolutions)
{
    const QString text = outputResolutions.value(1);
    return text.isEmpty() ? defaultResolution() : text;
}

int rotationOf(const QMap<int, int> &rotations, int output)
{
    const int index = rotations.value(output, 0);
    return index >= 0 && index <= 3 ? index : 0;
}

QSize realResolution(int virMode, const QString &resolution, int rotation)
{
    const Grid grid = wallGrid(virMode);
    QString text = resolution;
    if (text.isEmpty()) {
        qCDebug(lcWall) << "_DEFAULT_RESOLU";
        text = defaultResolution();
    }
    const QStringList parts = text.split(QLatin1Char('x'));
    int width = 0;
    int height = 0;
    if (parts.size() < 2) {
        qCWarning(lcWall) << "Error: Map of out resolu" << text.left(40);
    } else {
        // Bound each side so the wall's product stays well inside an int.
        width = qBound(0, parts.at(0).toInt(), 100000);
        height = qBound(0, parts.at(1).toInt(), 100000);
    }
    if (rotation == 1 || rotation == 3)
        std::swap(width, height);
    const QSize wall(width * grid.cols, height * grid.rows);
    qCDebug(lcWall) << "VIR Mode: " << virMode;
    qCDebug(lcWall) << "Real Resolu: " << wall.width() << "x" << wall.height();
    return wall;
}

QStringList layoutButtonIcons(int virMode)
{
    switch (virMode) {
    case 1:
        return {QStringLiteral(":/Images/2_unit_1x2.png"),
                QStringLiteral(":/Images/4_units_1x4.png"),
                QStringLiteral(":/Images/9_units_1x9.png")};
    case 2:
        return {QStringLiteral(":/Images/1_unit.png"),
                QStringLiteral(":/Images/4_units.png"),
                QStringLiteral(":/Images/8_units_2x4.png")};
    case 3:
        return {QStringLiteral(":/Images/1_unit.png"),
                QStringLiteral(":/Images/4_units.png"),
                QStringLiteral(":/Images/8_units_4x2.png")};
    default:
        return {QStringLiteral(":/Images/1_unit.png"),
                QStringLiteral(":/Images/4_units.png"),
                QStringLiteral(":/Images/9_units.png")};
    }
}

} // namespace WallGeometry
