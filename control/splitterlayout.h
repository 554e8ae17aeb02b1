#pragma once

#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

// The areas of the splitter view's seven layout modes, as fractions of the view.
namespace SplitterLayout {

constexpr int ModeCount = 7;

// Area number to rectangle; a mode outside 0..6 has the single area of mode 0.
QMap<int, QRectF> areas(int mode);
// The topmost area numbered above 0 (the highest number, as they are drawn) whose
// scaled rectangle holds the point; -1 when none does.
int hitTest(const QMap<int, QRectF> &areas, const QPointF &point, const QSizeF &size);
QRectF scaled(const QRectF &fraction, const QSizeF &size);
// The output number the device knows an area by: area + 900 (900 and above unchanged).
int deviceOutput(int area);

} // namespace SplitterLayout
