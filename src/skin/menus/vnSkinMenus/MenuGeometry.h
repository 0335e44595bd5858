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
    // One row per item, in menu coordinates; an invisible item, and one scrolled out of
    // the window, has an empty row.
    std::vector<QRect> Rows;
    // A menu with more visible items than its window may show scrolls: the first item
    // shown, and the markers above and below the rows (empty when it does not scroll),
    // each live only when there is more to see that way.
    int Top = 0;
    QRect UpMarker;
    QRect DownMarker;
    bool CanScrollUp = false;
    bool CanScrollDown = false;
    bool Scrolls() const { return !UpMarker.isEmpty(); }
};

// The height of the scroll markers of a menu that scrolls.
inline constexpr int kScrollMarkerHeight = 12;

// The rows of `items`; with `maxRows` > 0 and more visible items than that, the window
// shows `maxRows` of them from item `top` on (moved back so that the window is full),
// between the two scroll markers, and keeps one size whichever rows it shows.
TvnMenuLayout LayoutMenu(const TvnMenuLook& look, const TvnMenuItems& items, int maxRows = 0, int top = 0);

// The first item a window of `maxRows` rows shows after scrolling by `rows` visible
// items from `top` (down when positive), within the list.
int ScrolledTop(const TvnMenuItems& items, int maxRows, int top, int rows);

// The first item a window of `maxRows` rows shows so that item `index` is in it, moving
// as little as it can from `top`.
int TopShowing(const TvnMenuItems& items, int maxRows, int top, int index);

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
