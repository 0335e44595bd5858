#pragma once
// What one paint of a popup menu draws from, and the drawing: the look read when the
// menu opened, its layout, its items and the selected row. Nothing else is read.
#include "MenuGeometry.h"

#include <QImage>
#include <QRegion>
#include <optional>

namespace vnmenus {

struct TvnMenuSnapshot {
    const TvnMenuLook* Look = nullptr;
    const TvnMenuLayout* Layout = nullptr;
    const TvnMenuItems* Items = nullptr;
    int Selected = -1;
    // The scroll marker the pointer rests on: -1 the upper, 1 the lower, 0 none.
    int HotMarker = 0;
};

// The whole menu window, at the layout's size.
QImage DrawMenu(const TvnMenuSnapshot& s);

// The window's shape from the popup window's mask at `size`, or none (rectangular).
std::optional<QRegion> MenuShape(const TvnMenuLook& look, QSize size);

} // namespace vnmenus
