#pragma once
// Blocks of fields several records carry under the same keys. A record takes a block in
// as a base, so its fields keep their names (record.FontName), and puts the block's keys
// into its key table where its reading order has them (FontKeys<C>(), ...).
#include "SkinKeyTable.h"

// "fontname", "fontheight", "fontstyle", "fontcolor": Arial, 14, no style, black unless
// the section says otherwise.
struct TvnSkinFont {
    QString FontName;
    int FontHeight {};
    TFontStyles FontStyle;
    TColor FontColor {};

    static TvnKeyTable<TvnSkinFont> Keys()
    {
        using C = TvnSkinFont;
        static const TvnSkinKey<C> keys[] = {
            Key("fontname", &C::FontName, "Arial"),
            Key("fontheight", &C::FontHeight, 14),
            Key("fontstyle", &C::FontStyle),
            Key("fontcolor", &C::FontColor),
        };
        return keys;
    }
};

// The up (or left) and down (or right) arrow buttons of scroll bars, spin edits and list
// boxes, each normal, hot ("active") and pressed ("down").
struct TvnSkinArrowButtons {
    QRect UpButtonRect;
    QRect ActiveUpButtonRect;
    QRect DownUpButtonRect;
    QRect DownButtonRect;
    QRect ActiveDownButtonRect;
    QRect DownDownButtonRect;

    static TvnKeyTable<TvnSkinArrowButtons> Keys()
    {
        using C = TvnSkinArrowButtons;
        static const TvnSkinKey<C> keys[] = {
            Key("upbuttonrect", &C::UpButtonRect),
            Key("activeupbuttonrect", &C::ActiveUpButtonRect),
            Key("downupbuttonrect", &C::DownUpButtonRect),
            Key("downbuttonrect", &C::DownButtonRect),
            Key("activedownbuttonrect", &C::ActiveDownButtonRect),
            Key("downdownbuttonrect", &C::DownDownButtonRect),
        };
        return keys;
    }
};

template <class C> TvnKeyList<C> FontKeys() { return WithinBase<C, TvnSkinFont>(TvnSkinFont::Keys()); }
template <class C> TvnKeyList<C> ArrowButtonKeys()
{
    return WithinBase<C, TvnSkinArrowButtons>(TvnSkinArrowButtons::Keys());
}
