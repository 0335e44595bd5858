#pragma once
// The frame's default system menu: which items a form in its present state gets, in
// which order, with which captions (the store's resource strings, else the built-in
// ones). A pure list the frame turns into a skinned popup menu.
#include "FrameTypes.h"
#include "skin/menus/vnSkinMenus/MenuItem.h"

#include <QString>
#include <vector>

class TvnResourceStrData;

namespace veneer {

enum class TvnSystemMenuAction { None, Minimize, Maximize, Restore, RollUp, MinimizeToTray, Close };

struct TvnSystemMenuEntry {
    QString Name; // "VNF_MINITEM", ...; "-" for the separator
    QString Caption;
    QString ShortCut;
    TvnSystemMenuAction Action = TvnSystemMenuAction::None;
};

struct TvnSystemMenuState {
    bool Minimized = false;
    bool Maximized = false;
    bool RolledUp = false;
    TvnBorderIcons Icons;
};

// The default items: minimize, maximize, restore, roll-up, minimize to tray, each when
// the state allows it, then a separator and close.
std::vector<TvnSystemMenuEntry> DefaultSystemMenu(
    const TvnSystemMenuState& s, const TvnResourceStrData* strings);

// An application's own system menu with the frame's default items merged in: its items
// named like a default item are dropped, the default items stand at the top (minimize,
// restore, maximize, roll-up, minimize to tray), its other items follow and close ends
// the menu. `defaults` are the items DefaultSystemMenu gives for the present state.
vnmenus::TvnMenuItems MergeSystemMenu(
    const vnmenus::TvnMenuItems& own, const vnmenus::TvnMenuItems& defaults);

} // namespace veneer
