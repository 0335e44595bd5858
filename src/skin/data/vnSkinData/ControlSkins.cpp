#include "ControlSkins.h"

// Key tables in reading order. Rectangles, points, flags and font styles default to
// empty, 0,0, false and none, stretch types to "stfull", morph kinds to "mkdefault",
// alignments to "tacenter"; the third column gives every other default.

// clang-format off
TvnKeyTable<TvnDataSkinControl> TvnDataSkinControl::Keys()
{
    using C = TvnDataSkinControl;
    static const TvnSkinKey<C> keys[] = {
        Key("pictureindex", &C::PictureIndex, -1),
        Key("maskpictureindex", &C::MaskPictureIndex, -1),
        Key("skinrect", &C::SkinRect),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinCustomControl> TvnDataSkinCustomControl::Keys()
{
    using C = TvnDataSkinCustomControl;
    static const TvnKeyList<C> keys = Within(&C::Geometry, GeometryKeys());
    return keys;
}

TvnKeyTable<TvnDataSkinButtonControl> TvnDataSkinButtonControl::Keys()
{
    using C = TvnDataSkinButtonControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        FontKeys<C>(),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("downfontcolor", &C::DownFontColor),
        Key("disabledfontcolor", &C::DisabledFontColor),
        Key("activeskinrect", &C::ActiveSkinRect),
        Key("downskinrect", &C::DownSkinRect),
        Key("focusedskinrect", &C::FocusedSkinRect),
        Key("disabledskinrect", &C::DisabledSkinRect),
        Key("morphing", &C::Morphing),
        Key("morphkind", &C::MorphKind),
        Key("animateskinrect", &C::AnimateSkinRect),
        Key("framecount", &C::FrameCount),
        Key("animateinterval", &C::AnimateInterval, 25),
        Key("showfocus", &C::ShowFocus),
        Key("menumarkerflatrect", &C::MenuMarkerFlatRect),
        Key("menumarkerrect", &C::MenuMarkerRect),
        Key("menumarkeractiverect", &C::MenuMarkerActiveRect),
        Key("menumarkerdownrect", &C::MenuMarkerDownRect),
        Key("menumarkertransparentcolor", &C::MenuMarkerTransparentColor),
        Key("glowlayerpictureindex", &C::GlowLayerPictureIndex, -1),
        Key("glowlayermaskpictureindex", &C::GlowLayerMaskPictureIndex, -1),
        Key("glowlayeroffsetleft", &C::GlowLayerOffsetLeft),
        Key("glowlayeroffsettop", &C::GlowLayerOffsetTop),
        Key("glowlayeroffsetright", &C::GlowLayerOffsetRight),
        Key("glowlayeroffsetbottom", &C::GlowLayerOffsetBottom),
        Key("glowlayershowoffsetx", &C::GlowLayerShowOffsetX),
        Key("glowlayershowoffsety", &C::GlowLayerShowOffsetY),
        Key("glowlayeralphablendvalue", &C::GlowLayerAlphaBlendValue, 255));
    return keys;
}

TvnKeyTable<TvnDataSkinMenuButtonControl> TvnDataSkinMenuButtonControl::Keys()
{
    using C = TvnDataSkinMenuButtonControl;
    static const TvnSkinKey<C> keys[] = {
        Key("trackbuttonrect", &C::TrackButtonRect),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinCheckRadioControl> TvnDataSkinCheckRadioControl::Keys()
{
    using C = TvnDataSkinCheckRadioControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        FontKeys<C>(),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("unenabledfontcolor", &C::UnenabledFontColor),
        Key("framefontcolor", &C::FrameFontColor),
        Key("activeskinrect", &C::ActiveSkinRect),
        Key("checkimagearea", &C::CheckImageArea),
        Key("textarea", &C::TextArea),
        Key("checkimagerect", &C::CheckImageRect),
        Key("uncheckimagerect", &C::UncheckImageRect),
        Key("activecheckimagerect", &C::ActiveCheckImageRect),
        Key("activeuncheckimagerect", &C::ActiveUncheckImageRect),
        Key("unenabledcheckimagerect", &C::UnenabledCheckImageRect),
        Key("unenableduncheckimagerect", &C::UnenabledUncheckImageRect),
        Key("grayedcheckimagerect", &C::GrayedCheckImageRect),
        Key("activegrayedcheckimagerect", &C::ActiveGrayedCheckImageRect),
        Key("morphing", &C::Morphing),
        Key("morphkind", &C::MorphKind));
    return keys;
}

TvnKeyTable<TvnDataSkinPanelControl> TvnDataSkinPanelControl::Keys()
{
    using C = TvnDataSkinPanelControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("bgpictureindex", &C::BGPictureIndex, -1),
        Key("captionrect", &C::CaptionRect),
        Key("alignment", &C::Alignment),
        FontKeys<C>(),
        Key("checkimagerect", &C::CheckImageRect),
        Key("uncheckimagerect", &C::UncheckImageRect),
        Key("markframerect", &C::MarkFrameRect),
        Key("framerect", &C::FrameRect),
        Key("frametextrect", &C::FrameTextRect),
        Key("frameleftoffset", &C::FrameLeftOffset),
        Key("framerightoffset", &C::FrameRightOffset),
        Key("gripperrect", &C::GripperRect),
        Key("grippertransparent", &C::GripperTransparent),
        Key("grippertransparentcolor", &C::GripperTransparentColor));
    return keys;
}

TvnKeyTable<TvnDataSkinStdLabelControl> TvnDataSkinStdLabelControl::Keys()
{
    using C = TvnDataSkinStdLabelControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        FontKeys<C>(),
        Key("activefontcolor", &C::ActiveFontColor, 16711680));
    return keys;
}

TvnKeyTable<TvnDataSkinScrollBarControl> TvnDataSkinScrollBarControl::Keys()
{
    using C = TvnDataSkinScrollBarControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("trackarea", &C::TrackArea),
        ArrowButtonKeys<C>(),
        Key("thumbrect", &C::ThumbRect),
        Key("activethumbrect", &C::ActiveThumbRect),
        Key("downthumbrect", &C::DownThumbRect),
        Key("thumboffset1", &C::ThumbOffset1),
        Key("thumboffset2", &C::ThumbOffset2),
        Key("thumbtransparent", &C::ThumbTransparent),
        Key("thumbtransparentcolor", &C::ThumbTransparentColor),
        Key("thumbstretcheffect", &C::ThumbStretchEffect),
        Key("thumbminsize", &C::ThumbMinSize),
        Key("thumbminpagesize", &C::ThumbMinPageSize),
        Key("glyphrect", &C::GlyphRect),
        Key("activeglyphrect", &C::ActiveGlyphRect),
        Key("downglyphrect", &C::DownGlyphRect),
        Key("glyphtransparent", &C::GlyphTransparent),
        Key("glyphtransparentcolor", &C::GlyphTransparentColor));
    return keys;
}

TvnKeyTable<TvnDataSkinTabControl> TvnDataSkinTabControl::Keys()
{
    using C = TvnDataSkinTabControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("tabrect", &C::TabRect),
        Key("activetabrect", &C::ActiveTabRect),
        Key("focustabrect", &C::FocusTabRect),
        Key("mouseintabrect", &C::MouseInTabRect),
        Within(&C::Geometry, ClientRectKey()),
        Key("bgpictureindex", &C::BGPictureIndex, -1),
        Within(&C::Geometry, GeometryCornerKeys()),
        Key("tableftoffset", &C::TabLeftOffset),
        Key("tabrightoffset", &C::TabRightOffset),
        Key("tabsbgrect", &C::TabsBGRect),
        Key("tabstretcheffect", &C::TabStretchEffect),
        Within(&C::Geometry, StretchKeys(TvnEdgeOrder::LeftTopRightBottom)),
        FontKeys<C>(),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("focusfontcolor", &C::FocusFontColor),
        Key("mouseinfontcolor", &C::MouseInFontColor),
        Key("updown", &C::UpDown),
        Key("showfocus", &C::ShowFocus),
        Key("focusoffsetx", &C::FocusOffsetX),
        Key("focusoffsety", &C::FocusOffsetY),
        Key("closebuttonrect", &C::CloseButtonRect),
        Key("closebuttonactiverect", &C::CloseButtonActiveRect),
        Key("closebuttondownrect", &C::CloseButtonDownRect),
        Key("buttontransparent", &C::ButtonTransparent),
        Key("buttontransparentcolor", &C::ButtonTransparentColor));
    return keys;
}

TvnKeyTable<TvnDataSkinEditControl> TvnDataSkinEditControl::Keys()
{
    using C = TvnDataSkinEditControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("activeskinrect", &C::ActiveSkinRect),
        FontKeys<C>(),
        Key("disabledfontcolor", &C::DisabledFontColor),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("buttonrect", &C::ButtonRect),
        Key("activebuttonrect", &C::ActiveButtonRect),
        Key("downbuttonrect", &C::DownButtonRect),
        Key("unenabledbuttonrect", &C::UnenabledButtonRect));
    return keys;
}

TvnKeyTable<TvnDataSkinMemoControl> TvnDataSkinMemoControl::Keys()
{
    using C = TvnDataSkinMemoControl;
    static const TvnSkinKey<C> keys[] = {
        Key("bgcolor", &C::BGColor),
        Key("activebgcolor", &C::ActiveBGColor),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinGridControl> TvnDataSkinGridControl::Keys()
{
    using C = TvnDataSkinGridControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("fixedcellrect", &C::FixedCellRect),
        Key("selectcellrect", &C::SelectCellRect),
        Key("focuscellrect", &C::FocusCellRect),
        Key("fixedcellleftoffset", &C::FixedCellLeftOffset),
        Key("fixedcellrightoffset", &C::FixedCellRightOffset),
        Key("fixedcelltextrect", &C::FixedCellTextRect),
        Key("cellleftoffset", &C::CellLeftOffset),
        Key("cellrightoffset", &C::CellRightOffset),
        Key("celltextrect", &C::CellTextRect),
        Key("bgpictureindex", &C::BGPictureIndex, -1),
        Key("linescolor", &C::LinesColor),
        Key("bgcolor", &C::BGColor),
        FontKeys<C>(),
        Key("selectfontcolor", &C::SelectFontColor),
        Key("focusfontcolor", &C::FocusFontColor),
        Key("fixedfontname", &C::FixedFontName, "Arial"),
        Key("fixedfontheight", &C::FixedFontHeight, 14),
        Key("fixedfontstyle", &C::FixedFontStyle),
        Key("fixedfontcolor", &C::FixedFontColor),
        Key("cellstretcheffect", &C::CellStretchEffect),
        Key("fixedcellstretcheffect", &C::FixedCellStretchEffect),
        Key("showfocus", &C::ShowFocus));
    return keys;
}

TvnKeyTable<TvnDataSkinListBox> TvnDataSkinListBox::Keys()
{
    using C = TvnDataSkinListBox;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("itemrect", &C::ItemRect),
        Key("activeitemrect", &C::ActiveItemRect),
        Key("focusitemrect", &C::FocusItemRect),
        Key("itemleftoffset", &C::ItemLeftOffset),
        Key("itemrightoffset", &C::ItemRightOffset),
        Key("itemtextrect", &C::ItemTextRect),
        FontKeys<C>(),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("focusfontcolor", &C::FocusFontColor),
        Key("captionrect", &C::CaptionRect),
        Key("captionfontname", &C::CaptionFontName, "Arial"),
        Key("captionfontheight", &C::CaptionFontHeight, 14),
        Key("captionfontstyle", &C::CaptionFontStyle),
        Key("captionfontcolor", &C::CaptionFontColor),
        ArrowButtonKeys<C>(),
        Key("checkbuttonrect", &C::CheckButtonRect),
        Key("activecheckbuttonrect", &C::ActiveCheckButtonRect),
        Key("downcheckbuttonrect", &C::DownCheckButtonRect),
        Key("vscrollbarname", &C::VScrollBarName, "vscrollbar"),
        Key("hscrollbarname", &C::HScrollBarName, "hscrollbar"),
        Key("bothhscrollbarname", &C::BothHScrollBarName, "bothhscrollbar"),
        Key("showfocus", &C::ShowFocus),
        Key("disabledbuttonsrect", &C::DisabledButtonsRect),
        Key("buttonsarea", &C::ButtonsArea));
    return keys;
}

TvnKeyTable<TvnDataSkinCheckListBox> TvnDataSkinCheckListBox::Keys()
{
    using C = TvnDataSkinCheckListBox;
    static const TvnSkinKey<C> keys[] = {
        Key("itemcheckrect", &C::ItemCheckRect),
        Key("checkimagerect", &C::CheckImageRect),
        Key("uncheckimagerect", &C::UncheckImageRect),
    };
    return keys;
}

// clang-format on

TvnDataSkinControl::TvnDataSkinControl(const QString& idName)
    : IDName(idName)
{
    ApplyDefaults(*this, Keys());
}

void TvnDataSkinControl::LoadFromIni(const TMemIniFile& ini) { LoadKeys(*this, ini, IDName, Keys()); }

void TvnDataSkinControl::SaveToIni(TMemIniFile& ini) const
{
    ini.EraseSection(IDName);
    SaveKeys(*this, ini, IDName, Keys());
}

// clang-format off
TvnDataSkinCustomControl::TvnDataSkinCustomControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinButtonControl::TvnDataSkinButtonControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinMenuButtonControl::TvnDataSkinMenuButtonControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinCheckRadioControl::TvnDataSkinCheckRadioControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinPanelControl::TvnDataSkinPanelControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinStdLabelControl::TvnDataSkinStdLabelControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinScrollBarControl::TvnDataSkinScrollBarControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinTabControl::TvnDataSkinTabControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinEditControl::TvnDataSkinEditControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinMemoControl::TvnDataSkinMemoControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinGridControl::TvnDataSkinGridControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinListBox::TvnDataSkinListBox(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinCheckListBox::TvnDataSkinCheckListBox(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
// clang-format on
