#include "SkinGeometry.h"

#include "vnUtils/SkinRect.h"

using namespace vnutils;

namespace {

bool InArea(const QRect& area, QPoint p)
{
    return p.x() >= area.x() && p.x() < RectRight(area) && p.y() >= area.y() && p.y() < RectBottom(area);
}

} // namespace

QRect MoveWithCorners(const QRect& r, const TvnCornerPoints& corners, QSize skin, int dx, int dy)
{
    const int w = skin.width(), h = skin.height();
    const QRect leftTop = RectLTRB(0, 0, corners.LeftTop.x(), corners.LeftTop.y());
    const QRect rightTop = RectLTRB(corners.RightTop.x(), 0, w, corners.RightTop.y());
    const QRect leftBottom = RectLTRB(0, corners.LeftBottom.y(), corners.LeftBottom.x(), h);
    const QRect rightBottom = RectLTRB(corners.RightBottom.x(), corners.RightBottom.y(), w, h);

    const QPoint tl = r.topLeft();
    const QPoint br(RectRight(r), RectBottom(r));
    const auto both = [&](const QRect& area) { return InArea(area, tl) && InArea(area, br); };
    if (both(leftTop)) return r;
    if (both(rightTop)) return r.translated(dx, 0);
    if (both(leftBottom)) return r.translated(0, dy);
    if (both(rightBottom)) return r.translated(dx, dy);
    QRect moved = r;
    if (InArea(leftTop, tl) && InArea(rightBottom, br)) {
        moved.setWidth(r.width() + dx);
        moved.setHeight(r.height() + dy);
    } else if (InArea(leftTop, tl) && InArea(rightTop, br)) {
        moved.setWidth(r.width() + dx);
    } else if (InArea(leftBottom, tl) && InArea(rightBottom, br)) {
        moved.setWidth(r.width() + dx);
        moved.translate(0, dy);
    } else if (InArea(leftTop, tl) && InArea(leftBottom, br)) {
        moved.setHeight(r.height() + dy);
    } else if (InArea(rightTop, tl) && InArea(rightBottom, br)) {
        moved.translate(dx, 0);
        moved.setHeight(r.height() + dy);
    }
    return moved;
}
