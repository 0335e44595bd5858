#pragma once
// The blocks of keys that every description of a nine-part geometry shares: the four
// corner points and the stretch flags. Records take them in with Within(&C::Geometry,
// ...) at the place their reading order puts them.
#include "SkinKeyTable.h"
#include "skin/data/SkinGeometry.h"

// "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"; the frame's
// sizing points carry the same names after "hittest".
TvnKeyTable<TvnCornerPoints> CornerKeys();
TvnKeyTable<TvnCornerPoints> HitTestCornerKeys();

// The order in which a section writes the four edge flags: the control records read
// left, top, right, bottom; the window descriptions left, right, top, bottom.
enum class TvnEdgeOrder { LeftTopRightBottom, LeftRightTopBottom };

// The geometry's corner points.
TvnKeyTable<TvnSkinGeometry> GeometryCornerKeys();
// The geometry's client rectangle under its usual name, "clientrect".
TvnKeyTable<TvnSkinGeometry> ClientRectKey();
// The four edge flags in `order`, then "stretcheffect" and "stretchtype".
TvnKeyTable<TvnSkinGeometry> StretchKeys(TvnEdgeOrder order);
// The whole block as control records read it: corner points, "clientrect", flags.
TvnKeyTable<TvnSkinGeometry> GeometryKeys();
