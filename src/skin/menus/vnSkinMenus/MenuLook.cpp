#include "MenuLook.h"

#include "framework/Font.h"
#include "platform/Colors.h"
#include "skin/data/vnSkinData/FrameObjects.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnUtils/SkinRect.h"

namespace vnmenus {

namespace {

using vnutils::RectEmpty;
using vnutils::RectRight;

TvnMenuLook DefaultLook()
{
    const TvnMenuSettings settings = DefaultMenuSettings();
    TvnMenuLook look;
    look.ItemHeight = settings.DefaultItemHeight;
    look.Font = settings.DefaultFont;
    look.TextColor = settings.DefaultTextColor;
    look.ActiveTextColor = ToQColor(clr::clHighlightText);
    look.DisabledTextColor = ToQColor(clr::clGrayText);
    look.Face = ToQColor(clr::clMenu);
    look.Highlight = ToQColor(clr::clHighlight);
    look.Light = ToQColor(clr::clBtnHighlight);
    look.Shadow = ToQColor(clr::clBtnShadow);
    return look;
}

void ReadWindow(TvnMenuLook& look, const TvnSkinData& store)
{
    const TvnDataSkinPopupWindow& w = store.PopupWindow;
    look.WindowPicture = store.Picture(w.WindowPictureIndex);
    if (look.WindowPicture.isNull()) return;
    look.Window.SkinRect = look.WindowPicture.rect();
    look.Window.Geometry = w.Geometry;
    const QImage mask = store.Picture(w.MaskPictureIndex);
    if (mask.size() == look.WindowPicture.size()) look.WindowMask = mask;
    // The marker colours belong to the window picture they were chosen for.
    look.ScrollMarkerColor = ToQColor(w.ScrollMarkerColor);
    look.ScrollMarkerActiveColor = ToQColor(w.ScrollMarkerActiveColor);
}

void ReadItem(TvnMenuLook& look, const TvnSkinData& store, const TvnDataSkinMenuItem& item)
{
    look.ItemPicture = item.SkinRectInAPicture ? store.Picture(item.ActivePictureIndex) : store.MainPicture;
    look.ItemRect = item.SkinRect;
    look.ActiveItemRect = RectEmpty(item.ActiveSkinRect) ? item.SkinRect : item.ActiveSkinRect;
    look.ItemLeft = item.ItemLeftOffset;
    look.ItemRight = item.ItemRightOffset;
    look.StretchItems = item.StretchEffect;
    look.InactiveTransparent = item.InactiveTransparent;
    look.DividerRect = item.DividerRect;
    look.DividerLeft = item.DividerLeftOffset;
    look.DividerRight = item.DividerRightOffset;
    look.StretchDivider = item.DividerStretchEffect;
    if (!RectEmpty(item.SkinRect)) look.ItemHeight = item.SkinRect.height();
    if (!RectEmpty(item.DividerRect)) look.DividerHeight = item.DividerRect.height();
    if (!RectEmpty(item.TextRect)) {
        look.TextLeft = item.TextRect.x();
        look.TextRightMargin = std::max(0, item.SkinRect.width() - RectRight(item.TextRect));
    }
    look.ImageRect = item.ImageRect;
    look.CheckImage = item.CheckImageRect;
    look.ActiveCheckImage = item.ActiveCheckImageRect;
    look.ArrowImage = item.ArrowImageRect;
    look.ActiveArrowImage = item.ActiveArrowImageRect;
    look.Font = TFont::MakeQFont(item.FontName, item.FontHeight, item.FontStyle);
    look.TextColor = ToQColor(item.FontColor);
    look.ActiveTextColor = ToQColor(item.ActiveFontColor);
    look.DisabledTextColor = ToQColor(item.UnenabledFontColor);
}

} // namespace

TvnMenuLook ReadMenuLook(const TvnSkinData* store)
{
    TvnMenuLook look = DefaultLook();
    if (!store || store->Empty()) return look;
    const auto* item = dynamic_cast<const TvnDataSkinMenuItem*>(
        store->FrameObject(store->FindFrameObject(QStringLiteral("menuitem"))));
    if (!item) return look;
    look.Skinned = true;
    ReadWindow(look, *store);
    ReadItem(look, *store, *item);
    // The window's own colour shows where a normal row is transparent.
    look.Face = ToQColor(store->SkinColors.cBtnFace);
    return look;
}

TvnMenuSettings DefaultMenuSettings()
{
    TvnMenuSettings settings;
    settings.DefaultFont = TFont::MakeQFont(QStringLiteral("Arial"), 14, {});
    settings.DefaultTextColor = ToQColor(clr::clMenuText);
    return settings;
}

void ApplyMenuSettings(TvnMenuLook& look, const TvnMenuSettings& settings)
{
    if (!look.Skinned || RectEmpty(look.ItemRect)) look.ItemHeight = settings.DefaultItemHeight;
    if (look.Skinned && settings.UseSkinFont) return;
    look.Font = settings.DefaultFont;
    // The skin's colours were chosen for its own pictures; only the default look's
    // text takes the font's colour.
    if (!look.Skinned) look.TextColor = settings.DefaultTextColor;
}

} // namespace vnmenus
