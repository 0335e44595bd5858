#pragma once
// How popup menus look, read once from the store when a menu opens: the popup window
// picture cut into nine parts ([POPUPWINDOW]) and the "menuitem" frame object's item,
// divider, check and arrow images, font and colours. Without a store, with an empty one
// or without a "menuitem" object the menu takes the default look in system colours.
// The menus paint from this value only.
#include "skin/data/vnUtils/NinePart.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

class TvnSkinData;

namespace vnmenus {

struct TvnMenuLook {
    bool Skinned = false;

    // The window: its picture (the skin rectangle is the whole picture), the area the
    // items take at the picture's own size, and its mask (null: rectangular).
    QImage WindowPicture;
    vnutils::TvnNinePart Window;
    QImage WindowMask;
    // Without a window picture: plain margins round the items.
    int Margin = 3;

    // Items: a row is the normal or active item image widened as a three-part strip
    // (fixed ends ItemLeft / ItemRight); InactiveTransparent leaves normal rows to the
    // window's background.
    QImage ItemPicture;
    QRect ItemRect;
    QRect ActiveItemRect;
    int ItemLeft = 0;
    int ItemRight = 0;
    bool StretchItems = true;
    bool InactiveTransparent = false;
    QRect DividerRect;
    int DividerLeft = 0;
    int DividerRight = 0;
    bool StretchDivider = true;
    // Text and image areas as they lie in the item image: the text starts at TextLeft,
    // leaves TextRightMargin free at the row's right end.
    int TextLeft = 24;
    int TextRightMargin = 8;
    QRect ImageRect;
    QRect CheckImage, ActiveCheckImage;
    QRect ArrowImage, ActiveArrowImage;

    int ItemHeight = 20;
    int DividerHeight = 8;
    QFont Font;
    QColor TextColor;
    QColor ActiveTextColor;
    QColor DisabledTextColor;
    // The scroll markers of a menu that scrolls, at rest and while the pointer rests on
    // one: the skin's popup window gives them; without its picture (invalid colours)
    // they take the text colour. A marker with nothing more its way is disabled text.
    QColor ScrollMarkerColor;
    QColor ScrollMarkerActiveColor;
    // The default look's colours (the skinned look draws these only where the skin has
    // no picture).
    QColor Face;
    QColor Highlight;
    QColor Light;
    QColor Shadow;
};

// The look from `store` (not kept): the skinned one when it holds a skin with a
// "menuitem" frame object, else the default one.
TvnMenuLook ReadMenuLook(const TvnSkinData* store);

// What the owner of a menu engine asks of all its menus: the row height and font where
// the skin gives none (or where the skin's font is not wanted), and a translucency.
struct TvnMenuSettings {
    int DefaultItemHeight = 20;
    QFont DefaultFont;
    QColor DefaultTextColor;
    bool UseSkinFont = true;
    bool AlphaBlend = false;
    bool AlphaBlendAnimation = false;
    int AlphaBlendValue = 200;
    // The most rows a menu window shows before it scrolls (0: no limit).
    int MaxItemsInWindow = 0;

    // The opacity the menus end at (0..1).
    double Opacity() const { return AlphaBlend ? AlphaBlendValue / 255.0 : 1.0; }
};

// The built-in settings: Arial 14 in the menu text colour, 20 px rows, opaque.
TvnMenuSettings DefaultMenuSettings();

// `look` as `settings` change it: the default look takes their row height, font and text
// colour; a skinned look keeps the skin's row height and takes their font only when the
// skin's is not wanted.
void ApplyMenuSettings(TvnMenuLook& look, const TvnMenuSettings& settings);

} // namespace vnmenus
