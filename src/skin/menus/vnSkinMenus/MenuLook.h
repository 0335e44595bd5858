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

} // namespace vnmenus
