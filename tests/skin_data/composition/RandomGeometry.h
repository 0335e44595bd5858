#pragma once
// Random but valid nine-part geometries: corner points inside the client rectangle's
// bands, every edge and the middle at least one pixel long, as the skin reader's
// corrections leave them.
#include "skin/data/vnUtils/NinePart.h"

#include <random>

namespace testimg {

inline int Between(std::mt19937& random, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(random);
}

// A skin rectangle of up to `maxSize` pixels a side at `origin`, cut at random. The
// right-bottom point never shares x or y with the left-top one (the composition draws
// nothing then).
inline vnutils::TvnNinePart RandomNinePart(std::mt19937& random, QPoint origin, int maxSize = 40)
{
    vnutils::TvnNinePart p;
    do {
        const int sw = Between(random, 4, maxSize), sh = Between(random, 4, maxSize);
        p.SkinRect = QRect(origin, QSize(sw, sh));
        const int l = Between(random, 1, sw - 3), r = Between(random, l + 1, sw - 1);
        const int t = Between(random, 1, sh - 3), b = Between(random, t + 1, sh - 1);
        p.Geometry.ClientRect = QRect(l, t, r - l, b - t);
        const int ltx = Between(random, l, r - 1), rtx = Between(random, ltx + 1, r);
        const int lbx = Between(random, l, r - 1), rbx = Between(random, lbx + 1, r);
        const int lty = Between(random, t, b - 1), lby = Between(random, lty + 1, b);
        const int rty = Between(random, t, b - 1), rby = Between(random, rty + 1, b);
        p.Geometry.Corners.LeftTop = { ltx, lty };
        p.Geometry.Corners.RightTop = { rtx, rty };
        p.Geometry.Corners.LeftBottom = { lbx, lby };
        p.Geometry.Corners.RightBottom = { rbx, rby };
    } while (p.Geometry.Corners.RightBottom.x() == p.Geometry.Corners.LeftTop.x()
        || p.Geometry.Corners.RightBottom.y() == p.Geometry.Corners.LeftTop.y());
    return p;
}

inline void RandomFlags(std::mt19937& random, vnutils::TvnNinePart& p)
{
    p.Geometry.LeftStretch = Between(random, 0, 1);
    p.Geometry.TopStretch = Between(random, 0, 1);
    p.Geometry.RightStretch = Between(random, 0, 1);
    p.Geometry.BottomStretch = Between(random, 0, 1);
    p.Geometry.StretchEffect = Between(random, 0, 1);
    p.Geometry.StretchType = static_cast<TvnStretchType>(Between(random, 0, 2));
}

} // namespace testimg
