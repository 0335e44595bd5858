#pragma once
// Popup menus and the hint window, painted in a skin's own colours: the studio skin and
// the feature skin draw them with the same painters, each with its look.
#include "Palette.h"
#include "SkinBuilder.h"

#include <optional>

namespace art {

struct TMenuLook {
    // The pictures: the menu items' sheet, the popup window and its mask (the next
    // index), the hint window and its mask (the next index).
    int MenusPicture;
    int PopupPicture;
    int HintPicture;
    QRgb Menu; // the popup's face and the items' background
    QRgb Outline;
    QRgb OutlineLight; // the windows' top highlight and the divider's light line
    QRgb Line; // the divider
    QRgb SelectTop;
    QRgb SelectBottom;
    std::optional<QRgb> SelectBorder;
    QRgb HintTop;
    QRgb HintBottom;
    QRgb Text;
    QRgb ActiveText; // on the selection, and the scroll markers under the pointer
    QRgb TextDisabled;
    QRgb Marker; // the scroll markers of a long menu
    bool MenuBar; // the main menu bar's looks and records too
};

// The studio skin's menus: the slate menu face and the steel-blue selection.
extern const TMenuLook kStudioMenus;

// The popup window, the hint window and the menu item object (and the menu bar when the
// look asks for it).
void AddMenus(TSkinBuilder& skin, const TMenuLook& look);

} // namespace art
