#pragma once
// Where a popup menu's parts lie, as pure functions of its look and items: the rows of
// the items, the menu's size, where it opens on the screen and which item the keys and
// the mouse reach. Painting and hit testing both use these.
#include "MenuItem.h"
#include "MenuLook.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vnmenus {

// Below the rectangle it opens at, or above it (when asked, or when there is no room
// below).
enum class TvnPopupPlacement { Below, Above };

struct TvnMenuLayout {
    QSize Size;
    // One row per item, in menu coordinates; an invisible item has an empty row.
    std::vector<QRect> Rows;
};

TvnMenuLayout LayoutMenu(const TvnMenuLook& look, const TvnMenuItems& items);

// The top-left corner of a menu of `size` opened at `anchor` (screen coordinates, the
// right and bottom edges just outside) inside `workArea`: below the anchor, or above it
// when asked or when there is no room below and more above; shifted left or up to stay
// on the work area.
QPoint PlaceMenu(QSize size, const QRect& anchor, const QRect& workArea, TvnPopupPlacement placement);

// A sub-menu beside its item's row (screen coordinates): to the right, or to the left
// when there is no room on the right; its first row level with the item.
QPoint PlaceSubMenu(QSize size, const QRect& itemRow, const QRect& workArea, int rowTopInMenu);

// The item whose row holds `point`, or -1.
int ItemAt(const TvnMenuLayout& layout, QPoint point);

// The selectable item after `from` going by `step` (+1 down, -1 up), wrapping round;
// from -1 the first (or last) one. -1 when none is selectable.
int NextSelectable(const TvnMenuItems& items, int from, int step);

// The selectable item whose accelerator is `ch` (without regard to case), or -1.
int AccelItem(const TvnMenuItems& items, QChar ch);

} // namespace vnmenus
