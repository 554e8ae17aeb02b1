#include "canvasmath.h"

#include <QtGlobal>

#include <cmath>

namespace CanvasMath {

namespace {
constexpr Grid Layouts[] = {{1, 1}, {1, 3}, {1, 9}, {2, 2}, {2, 4}, {3, 3}, {4, 2}, {1, 2}, {1, 4}};
// Rows: VIR mode; columns: join button.
constexpr int LayoutChoice[4][3] = {{0, 3, 5}, {7, 8, 2}, {0, 3, 4}, {0, 3, 6}};
} // namespace

Grid viewGrid(int layout)
{
    if (layout < 0 || layout >= int(sizeof(Layouts) / sizeof(Layouts[0])))
        return Grid{3, 3};
    return Layouts[layout];
}

int viewLayoutFor(int virMode, int joinButton, int current)
{
    if (virMode < 0 || virMode > 3)
        return current;
    return LayoutChoice[virMode][qBound(0, joinButton, 2)];
}

int roundHalfAway(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::lround(qBound(-2.0e9, value, 2.0e9)));
}

QRectF deviceToWidget(const QRect &device, const QSize &wall, const QSizeF &canvas)
{
    if (wall.width() <= 0 || wall.height() <= 0)
        return QRectF();
    const double sx = canvas.width() / wall.width();
    const double sy = canvas.height() / wall.height();
    return QRectF(device.x() * sx, device.y() * sy, device.width() * sx, device.height() * sy);
}

QRect fractionsToDevice(const QRectF &f, const QSize &wall)
{
    return QRect(roundHalfAway(f.x() * wall.width()),
                 roundHalfAway(f.y() * wall.height()),
                 roundHalfAway(f.width() * wall.width()),
                 roundHalfAway(f.height() * wall.height()));
}

std::optional<QSize> cellSize(const QSize &wall, Grid grid)
{
    if (grid.rows <= 0 || grid.cols <= 0)
        return std::nullopt;
    const QSize cell(wall.width() / grid.cols, wall.height() / grid.rows);
    if (cell.width() <= 0 || cell.height() <= 0)
        return std::nullopt;
    return cell;
}

std::optional<QRect> zoomSingleScreen(const QRect &window, const QSize &wall, Grid grid)
{
    const auto cell = cellSize(wall, grid);
    if (!cell)
        return std::nullopt;
    const int cw = cell->width();
    const int ch = cell->height();
    return QRect((window.x() / cw) * cw, (window.y() / ch) * ch, cw, ch);
}

std::optional<QRect> zoomOccupiedScreens(const QRect &window, const QSize &wall, Grid grid)
{
    const auto cell = cellSize(wall, grid);
    if (!cell)
        return std::nullopt;
    const int cw = cell->width();
    const int ch = cell->height();
    const int c0 = window.x() / cw;
    const int c1 = (window.x() + window.width() - 1) / cw;
    const int r0 = window.y() / ch;
    const int r1 = (window.y() + window.height() - 1) / ch;
    return QRect(c0 * cw, r0 * ch, (c1 - c0 + 1) * cw, (r1 - r0 + 1) * ch);
}

std::optional<QRectF> dropCell(const QPointF &point, const QSizeF &canvas, Grid grid)
{
    if (grid.rows <= 0 || grid.cols <= 0)
        return std::nullopt;
    const double cw = canvas.width() / grid.cols;
    const double ch = canvas.height() / grid.rows;
    if (cw < 1.0 || ch < 1.0 || point.x() < 0 || point.y() < 0)
        return std::nullopt;
    const int col = qMin(int(point.x() / cw), grid.cols - 1);
    const int row = qMin(int(point.y() / ch), grid.rows - 1);
    return QRectF(col * cw, row * ch, cw, ch);
}

double snapStart(double start, double size, double cell)
{
    if (!(cell >= 1.0))
        return start;
    const double pastLeft = std::fmod(start, cell);
    if (start >= 0 && pastLeft < SnapDistance)
        return start - pastLeft;
    const double end = start + size;
    const double pastRight = std::fmod(end, cell);
    if (end >= 0 && pastRight < SnapDistance)
        return start - pastRight;
    return start;
}

QRectF snapMove(const QRectF &rect, const QSizeF &canvas, Grid grid)
{
    QRectF r = rect;
    if (grid.cols > 0 && grid.rows > 0) {
        r.moveLeft(snapStart(r.x(), r.width(), canvas.width() / grid.cols));
        r.moveTop(snapStart(r.y(), r.height(), canvas.height() / grid.rows));
    }
    return keptInside(r, canvas);
}

int edgesAt(const QPointF &local, const QSizeF &size)
{
    int edges = None;
    if (local.x() <= EdgeGrip - 1)
        edges |= Left;
    else if (local.x() >= size.width() - (EdgeGrip - 1))
        edges |= Right;
    if (local.y() <= EdgeGrip - 1)
        edges |= Top;
    else if (local.y() >= size.height() - (EdgeGrip - 1))
        edges |= Bottom;
    return edges;
}

QRectF resizeEdges(const QRectF &rect, int edges, const QPointF &pos)
{
    QRectF r = rect;
    if ((edges & Left) && rect.right() - pos.x() >= MinWindowSize)
        r.setLeft(pos.x());
    if ((edges & Right) && pos.x() - rect.left() >= MinWindowSize)
        r.setRight(pos.x());
    if ((edges & Top) && rect.bottom() - pos.y() >= MinWindowSize)
        r.setTop(pos.y());
    if ((edges & Bottom) && pos.y() - rect.top() >= MinWindowSize)
        r.setBottom(pos.y());
    return r;
}

QRectF keptInside(const QRectF &rect, const QSizeF &canvas)
{
    QRectF r = rect;
    r.setWidth(qMin(r.width(), canvas.width()));
    r.setHeight(qMin(r.height(), canvas.height()));
    r.moveLeft(qBound(0.0, r.x(), qMax(0.0, canvas.width() - r.width())));
    r.moveTop(qBound(0.0, r.y(), qMax(0.0, canvas.height() - r.height())));
    return r;
}

std::optional<CanvasFit> fitCanvas(const QSize &viewport, const QSize &wall, int virMode)
{
    if (wall.isEmpty() || viewport.isEmpty())
        return std::nullopt;
    const double scale =
        qMin(double(viewport.width()) / wall.width(), double(viewport.height()) / wall.height());
    // Halves round up.
    const int iw = int(std::floor(wall.width() * scale + 0.5));
    const int ih = int(std::floor(wall.height() * scale + 0.5));
    const int most = virMode == 1 ? 12 : 2;
    return CanvasFit{QSize(iw, ih), QSize(iw / 2, ih / 2), QSize(most * iw, most * ih)};
}

} // namespace CanvasMath
