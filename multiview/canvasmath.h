#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <optional>

// The multiview canvas's arithmetic: view layouts, wall <-> widget coordinates, the
// zoom cells, snapping and edge resizing. Pure functions; a zero-sized wall or cell
// gives "no answer" instead of a division by zero.
namespace CanvasMath {

struct Grid
{
    int rows = 3;
    int cols = 3;
    bool operator==(const Grid &o) const { return rows == o.rows && cols == o.cols; }
};

constexpr int MaxWindows = 4;
constexpr int MinWindowSize = 50;
constexpr int SnapDistance = 10;
constexpr int EdgeGrip = 10;

// View layouts 0..8; anything else reads as 3 x 3.
Grid viewGrid(int layout);
// The view layout for a VIR mode and join button (above 2 counts as 2); a VIR mode
// outside 0..3 keeps `current`.
int viewLayoutFor(int virMode, int joinButton, int current);

int roundHalfAway(double value);

QRectF deviceToWidget(const QRect &device, const QSize &wall, const QSizeF &canvas);
// Fractions of the canvas (0..1) to wall pixels, rounded half away from zero.
QRect fractionsToDevice(const QRectF &fractions, const QSize &wall);

std::optional<QSize> cellSize(const QSize &wall, Grid grid);
std::optional<QRect> zoomSingleScreen(const QRect &window, const QSize &wall, Grid grid);
std::optional<QRect> zoomOccupiedScreens(const QRect &window, const QSize &wall, Grid grid);

// The grid cell under `point` in widget coordinates.
std::optional<QRectF> dropCell(const QPointF &point, const QSizeF &canvas, Grid grid);

// One axis of a move: the start after snapping a window of `size` at `start` onto a
// cell border (left/top edge first, then right/bottom edge).
double snapStart(double start, double size, double cell);
// Snaps and clamps a moved rectangle inside the canvas.
QRectF snapMove(const QRectF &rect, const QSizeF &canvas, Grid grid);

enum Edge { None = 0, Left = 1, Top = 2, Right = 4, Bottom = 8 };
// The edges within the grip of a point local to a window of `size`.
int edgesAt(const QPointF &local, const QSizeF &size);
// Drags `edges` of `rect` to `pos` (canvas coordinates); an edge whose move would leave
// the window narrower or lower than the minimum stays where it is.
QRectF resizeEdges(const QRectF &rect, int edges, const QPointF &pos);
// Limits the size to the canvas and pulls the rectangle inside.
QRectF keptInside(const QRectF &rect, const QSizeF &canvas);

struct CanvasFit
{
    QSize size;
    QSize minimum;
    QSize maximum;
};
// The canvas fitted into a viewport with the wall's aspect: half that size at least,
// twice at most (twelve times for the one-row wall, VIR mode 1). None for a wall or
// viewport without a size.
std::optional<CanvasFit> fitCanvas(const QSize &viewport, const QSize &wall, int virMode);

} // namespace CanvasMath
