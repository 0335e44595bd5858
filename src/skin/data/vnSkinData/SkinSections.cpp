#include "SkinSections.h"

namespace {
const QString kSkinColors = QStringLiteral("SKINCOLORS");
const QString kPopupWindow = QStringLiteral("POPUPWINDOW");
const QString kHintWindow = QStringLiteral("HINTWINDOW");
} // namespace

// clang-format off
TvnKeyTable<TvnSkinColors> TvnSkinColors::Keys()
{
    using C = TvnSkinColors;
    static const TvnSkinKey<C> keys[] = {
        Key("cbtnface", &C::cBtnFace, clr::clBtnFace),
        Key("cbtntext", &C::cBtnText, clr::clBtnText),
        Key("cwindow", &C::cWindow, clr::clWindow),
        Key("cwindowtext", &C::cWindowText, clr::clWindowText),
        Key("chighlight", &C::cHighlight, clr::clHighlight),
        Key("chighlighttext", &C::cHighlightText, clr::clHighlightText),
        Key("cbtnhighlight", &C::cBtnHighlight, clr::clBtnHighlight),
        Key("cbtnshadow", &C::cBtnShadow, clr::clBtnShadow),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinPopupWindow> TvnDataSkinPopupWindow::Keys()
{
    using C = TvnDataSkinPopupWindow;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("windowpictureindex", &C::WindowPictureIndex, -1),
        Key("maskpictureindex", &C::MaskPictureIndex, -1),
        Within(&C::Geometry, GeometryCornerKeys()),
        Within(&C::Geometry, KeyRows<TvnSkinGeometry>(Key("itemsrect", &TvnSkinGeometry::ClientRect))),
        Key("scrollmarkercolor", &C::ScrollMarkerColor),
        Key("scrollmarkeractivecolor", &C::ScrollMarkerActiveColor),
        Within(&C::Geometry, StretchKeys(TvnEdgeOrder::LeftRightTopBottom)));
    return keys;
}

TvnKeyTable<TvnDataSkinHintWindow> TvnDataSkinHintWindow::Keys()
{
    using C = TvnDataSkinHintWindow;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("windowpictureindex", &C::WindowPictureIndex, -1),
        Key("maskpictureindex", &C::MaskPictureIndex, -1),
        Within(&C::Geometry, GeometryCornerKeys()),
        Within(&C::Geometry, ClientRectKey()),
        FontKeys<C>(),
        Within(&C::Geometry, StretchKeys(TvnEdgeOrder::LeftRightTopBottom)));
    return keys;
}
// clang-format on

TvnSkinColors::TvnSkinColors() { Reset(); }
void TvnSkinColors::Reset() { ApplyDefaults(*this, Keys()); }
void TvnSkinColors::LoadFromIni(const TMemIniFile& ini) { LoadKeys(*this, ini, kSkinColors, Keys()); }
void TvnSkinColors::SaveToIni(TMemIniFile& ini) const { SaveKeys(*this, ini, kSkinColors, Keys()); }

TvnDataSkinPopupWindow::TvnDataSkinPopupWindow() { ApplyDefaults(*this, Keys()); }
void TvnDataSkinPopupWindow::LoadFromIni(const TMemIniFile& ini)
{
    LoadKeys(*this, ini, kPopupWindow, Keys());
}
void TvnDataSkinPopupWindow::SaveToIni(TMemIniFile& ini) const { SaveKeys(*this, ini, kPopupWindow, Keys()); }

TvnDataSkinHintWindow::TvnDataSkinHintWindow()
{
    ApplyDefaults(*this, Keys());
    FontHeight = 12;
}
void TvnDataSkinHintWindow::LoadFromIni(const TMemIniFile& ini) { LoadKeys(*this, ini, kHintWindow, Keys()); }
void TvnDataSkinHintWindow::SaveToIni(TMemIniFile& ini) const { SaveKeys(*this, ini, kHintWindow, Keys()); }
