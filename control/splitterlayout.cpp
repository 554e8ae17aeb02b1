#include "splitterlayout.h"

namespace SplitterLayout {

namespace {
QMap<int, QRectF> thirds()
{
    const double starts[] = {0, 0.33, 0.67};
    const double sizes[] = {0.33, 0.34, 0.33};
    QMap<int, QRectF> out;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            out.insert(r * 3 + c + 1, QRectF(starts[c], starts[r], sizes[c], sizes[r]));
    }
    return out;
}
} // namespace

QMap<int, QRectF> areas(int mode)
{
    switch (mode) {
    case 1:
        return {{1, {0, 0, 0.5, 0.5}},
                {2, {0.5, 0, 0.5, 0.5}},
                {3, {0, 0.5, 0.5, 0.5}},
                {4, {0.5, 0.5, 0.5, 0.5}}};
    case 2:
        return thirds();
    case 3:
        return {{1, {0, 0, 0.75, 0.75}},
                {2, {0.75, 0, 0.25, 0.25}},
                {3, {0.75, 0.25, 0.25, 0.25}},
                {4, {0.75, 0.5, 0.25, 0.25}},
                {5, {0, 0.75, 0.25, 0.25}},
                {6, {0.25, 0.75, 0.25, 0.25}},
                {7, {0.5, 0.75, 0.25, 0.25}},
                {8, {0.75, 0.75, 0.25, 0.25}}};
    case 4:
        return {{1, {0, 0, 0.67, 0.67}},
                {2, {0.67, 0, 0.33, 0.33}},
                {3, {0.67, 0.33, 0.33, 0.34}},
                {4, {0, 0.67, 0.33, 0.33}},
                {5, {0.33, 0.67, 0.34, 0.33}},
                {6, {0.67, 0.67, 0.33, 0.33}}};
    case 5:
        return {{1, {0, 0, 0.67, 1}},
                {2, {0.67, 0, 0.33, 0.33}},
                {3, {0.67, 0.33, 0.33, 0.34}},
                {4, {0.67, 0.67, 0.33, 0.33}}};
    case 6:
        return {{1, {0, 0, 1, 1}}, {2, {0.67, 0.67, 0.33, 0.33}}};
    default:
        return {{0, {0, 0, 1, 1}}};
    }
}

QRectF scaled(const QRectF &f, const QSizeF &size)
{
    return QRectF(f.x() * size.width(),
                  f.y() * size.height(),
                  f.width() * size.width(),
                  f.height() * size.height());
}

int hitTest(const QMap<int, QRectF> &areas, const QPointF &point, const QSizeF &size)
{
    // Areas are drawn in number order, so the highest number under the point is on top.
    for (auto it = areas.cend(); it != areas.cbegin();) {
        --it;
        if (it.key() > 0 && scaled(it.value(), size).contains(point))
            return it.key();
    }
    return -1;
}

int deviceOutput(int area)
{
    return area >= 900 ? area : area + 900;
}

} // namespace SplitterLayout
