#pragma once
// Skin rectangles are written left, top, right, bottom, with the right and bottom edges
// lying just outside the rectangle. In the engine they travel as QRect made from
// position and size, so the outer edges are x + width and y + height. QRect::right()
// and QRect::bottom() are one less and are never used for skin geometry.
#include <QPoint>
#include <QRect>

namespace vnutils {

constexpr int RectRight(const QRect& r) { return r.x() + r.width(); }
constexpr int RectBottom(const QRect& r) { return r.y() + r.height(); }
constexpr QRect RectLTRB(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}
// Empty as the skin reads it: no area, whatever the sign of the size.
constexpr bool RectEmpty(const QRect& r) { return r.width() <= 0 || r.height() <= 0; }

} // namespace vnutils
