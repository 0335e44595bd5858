#include "FrameObjects.h"

#include "RecordKinds.h"

// Key tables in reading order. Rectangles, points, flags and font styles default to
// empty, 0,0, false and none; the third column gives every other default.

// clang-format off
TvnKeyTable<TvnDataSkinObject> TvnDataSkinObject::Keys()
{
    using C = TvnDataSkinObject;
    static const TvnSkinKey<C> keys[] = {
        Key("hint", &C::Hint),
        Key("activepictureindex", &C::ActivePictureIndex, -1),
        Key("activemaskpictureindex", &C::ActiveMaskPictureIndex, -1),
        Key("skinrectinapicture", &C::SkinRectInAPicture),
        Key("skinrect", &C::SkinRect),
        Key("activeskinrect", &C::ActiveSkinRect),
        Key("inactiveskinrect", &C::InactiveSkinRect),
        Key("morphing", &C::Morphing),
        Key("morphkind", &C::MorphKind),
        Key("glowlayerpictureindex", &C::GlowLayerPictureIndex, -1),
        Key("glowlayermaskpictureindex", &C::GlowLayerMaskPictureIndex, -1),
        Key("glowlayeroffsetx", &C::GlowLayerOffsetX),
        Key("glowlayeroffsety", &C::GlowLayerOffsetY),
        Key("glowlayeralphablendvalue", &C::GlowLayerAlphaBlendValue, 255),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinButton> TvnDataSkinButton::Keys()
{
    using C = TvnDataSkinButton;
    static const TvnSkinKey<C> keys[] = {
        Key("downrect", &C::DownRect),
        Key("disableskinrsect", &C::DisableSkinRect),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinStdButton> TvnDataSkinStdButton::Keys()
{
    using C = TvnDataSkinStdButton;
    static const TvnSkinKey<C> keys[] = {
        Key("command", &C::Command),
        Key("restorerect", &C::RestoreRect),
        Key("restoreactiverect", &C::RestoreActiveRect),
        Key("restoredownrect", &C::RestoreDownRect),
        Key("restoreinactiverect", &C::RestoreInactiveRect),
        Key("restorehint", &C::RestoreHint),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinAnimate> TvnDataSkinAnimate::Keys()
{
    using C = TvnDataSkinAnimate;
    static const TvnSkinKey<C> keys[] = {
        Key("countframes", &C::CountFrames, 1),
        Key("cycle", &C::Cycle),
        Key("buttonstyle", &C::ButtonStyle),
        Key("timerinterval", &C::TimerInterval, 50),
        Key("command", &C::Command),
        Key("downskinrect", &C::DownSkinRect),
        Key("restorerect", &C::RestoreRect),
        Key("restoreactiverect", &C::RestoreActiveRect),
        Key("restoredownrect", &C::RestoreDownRect),
        Key("restoreinactiverect", &C::RestoreInactiveRect),
        Key("restorehint", &C::RestoreHint),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinMenuItem> TvnDataSkinMenuItem::Keys()
{
    using C = TvnDataSkinMenuItem;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("itemleftoffset", &C::ItemLeftOffset),
        Key("itemrightoffset", &C::ItemRightOffset),
        Key("dividerrect", &C::DividerRect),
        Key("dividerleftoffset", &C::DividerLeftOffset),
        Key("dividerrightoffset", &C::DividerRightOffset),
        Key("textrect", &C::TextRect),
        Key("imagerect", &C::ImageRect),
        FontKeys<C>(),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("unenabledfontcolor", &C::UnenabledFontColor),
        Key("stretcheffect", &C::StretchEffect),
        Key("inactivestretcheffect", &C::InactiveStretchEffect),
        Key("dividerstretcheffect", &C::DividerStretchEffect),
        Key("animateskinrect", &C::AnimateSkinRect),
        Key("framecount", &C::FrameCount),
        Key("animateinterval", &C::AnimateInterval, 25),
        Key("inactiveanimation", &C::InactiveAnimation),
        Key("useimagecolor", &C::UseImageColor),
        Key("imagecolor", &C::ImageColor),
        Key("activeimagecolor", &C::ActiveImageColor),
        Key("inactivetransparent", &C::InactiveTransparent),
        Key("checkimagerect", &C::CheckImageRect),
        Key("activecheckimagerect", &C::ActiveCheckImageRect),
        Key("radioimagerect", &C::RadioImageRect),
        Key("activeradioimagerect", &C::ActiveRadioImageRect),
        Key("arrowimagerect", &C::ArrowImageRect),
        Key("activearrowimagerect", &C::ActiveArrowImageRect));
    return keys;
}

TvnKeyTable<TvnDataSkinMainMenuItem> TvnDataSkinMainMenuItem::Keys()
{
    using C = TvnDataSkinMainMenuItem;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("itemleftoffset", &C::ItemLeftOffset),
        Key("itemrightoffset", &C::ItemRightOffset),
        Key("downrect", &C::DownRect),
        Key("textrect", &C::TextRect),
        FontKeys<C>(),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("downfontcolor", &C::DownFontColor),
        Key("unenabledfontcolor", &C::UnenabledFontColor),
        Key("stretcheffect", &C::StretchEffect),
        Key("animateskinrect", &C::AnimateSkinRect),
        Key("framecount", &C::FrameCount),
        Key("animateinterval", &C::AnimateInterval, 25),
        Key("inactiveanimation", &C::InactiveAnimation));
    return keys;
}

TvnKeyTable<TvnDataSkinCaption> TvnDataSkinCaption::Keys()
{
    using C = TvnDataSkinCaption;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("textrect", &C::TextRect),
        FontKeys<C>(),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("alignment", &C::Alignment),
        Key("light", &C::Light),
        Key("lightcolor", &C::LightColor),
        Key("activelightcolor", &C::ActiveLightColor),
        Key("shadow", &C::Shadow),
        Key("shadowcolor", &C::ShadowColor),
        Key("activeshadowcolor", &C::ActiveShadowColor),
        Key("framerect", &C::FrameRect),
        Key("activeframerect", &C::ActiveFrameRect),
        Key("frametextrect", &C::FrameTextRect),
        Key("frameleftoffset", &C::FrameLeftOffset),
        Key("framerightoffset", &C::FrameRightOffset),
        Key("stretcheffect", &C::StretchEffect),
        Key("animateskinrect", &C::AnimateSkinRect),
        Key("framecount", &C::FrameCount),
        Key("animateinterval", &C::AnimateInterval, 25),
        Key("inactiveanimation", &C::InactiveAnimation),
        Key("fullframe", &C::FullFrame),
        Key("vistagloweffect", &C::VistaGlowEffect),
        Key("vistaglowinactiveeffect", &C::VistaGlowInactiveEffect),
        Key("gloweffect", &C::GlowEffect),
        Key("glowinactiveeffect", &C::GlowInactiveEffect),
        Key("glowsize", &C::GlowSize, 3),
        Key("glowcolor", &C::GlowColor),
        Key("glowactivecolor", &C::GlowActiveColor),
        Key("glowoffset", &C::GlowOffset),
        Key("reflectioneffect", &C::ReflectionEffect),
        Key("reflactioncolor", &C::ReflectionColor),
        Key("reflactionactivecolor", &C::ReflectionActiveColor),
        Key("reflectionoffset", &C::ReflectionOffset));
    return keys;
}
// clang-format on

// --- Construction and the rules after reading --------------------------------------------

TvnDataSkinObject::TvnDataSkinObject(const QString& idName)
    : IDName(idName)
{
    ApplyDefaults(*this, Keys());
}

void TvnDataSkinObject::LoadFromIni(const TMemIniFile& ini) { LoadKeys(*this, ini, IDName, Keys()); }

void TvnDataSkinObject::SaveToIni(TMemIniFile& ini) const
{
    ini.EraseSection(IDName);
    SaveKeys(*this, ini, IDName, Keys());
}

// clang-format off
TvnDataSkinButton::TvnDataSkinButton(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinStdButton::TvnDataSkinStdButton(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinAnimate::TvnDataSkinAnimate(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinMenuItem::TvnDataSkinMenuItem(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinMainMenuItem::TvnDataSkinMainMenuItem(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinCaption::TvnDataSkinCaption(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
// clang-format on

void TvnDataUserObject::LoadFromIni(const TMemIniFile& ini)
{
    ReadSkinValue(ini, IDName, QStringLiteral("skinrect"), {}, SkinRect);
}

void TvnDataUserObject::SaveToIni(TMemIniFile& ini) const
{
    ini.EraseSection(IDName);
    ini.WriteString(IDName, QStringLiteral("skinrect"), SkinValueText(SkinRect));
}

namespace {

// Skins name the restore look's hint only when it differs from "Restore"; the plain
// hints of the three toggling buttons imply it.
QString ImpliedRestoreHint(const QString& hint, TvnSkinCommand command)
{
    const bool toggles = (hint == u"Maximize" && command == TvnSkinCommand::cmMaximize)
        || (hint == u"Minimize" && command == TvnSkinCommand::cmMinimize)
        || ((hint == u"RollUp" || hint == u"Roll Up") && command == TvnSkinCommand::cmRollUp);
    return toggles ? QStringLiteral("Restore") : QString();
}

void FallBackWhenEmpty(QRect& rect, const QRect& fallback)
{
    if (vnutils::RectEmpty(rect)) rect = fallback;
}

} // namespace

void TvnDataSkinStdButton::AfterLoad()
{
    if (RestoreHint.isEmpty()) RestoreHint = ImpliedRestoreHint(Hint, Command);
}

void TvnDataSkinAnimate::AfterLoad()
{
    Morphing = false;
    if (RestoreHint.isEmpty()) RestoreHint = ImpliedRestoreHint(Hint, Command);
}

void TvnDataSkinMenuItem::AfterLoad()
{
    FallBackWhenEmpty(ActiveCheckImageRect, CheckImageRect);
    FallBackWhenEmpty(ActiveRadioImageRect, RadioImageRect);
    FallBackWhenEmpty(ActiveArrowImageRect, ArrowImageRect);
}

// --- Kinds -------------------------------------------------------------------------------

namespace {

using Root = TvnDataSkinObject;

const TvnRecordKind<Root> kFrameObjectKinds[] = {
    { "userobject", MakeRecord<Root, TvnDataUserObject> },
    { "button", MakeRecord<Root, TvnDataSkinButton> },
    { "stdbutton", MakeRecord<Root, TvnDataSkinStdButton> },
    { "mainmenubarbutton", MakeRecord<Root, TvnDataSkinMainMenuBarButton> },
    { "animate", MakeRecord<Root, TvnDataSkinAnimate> },
    { "menuitem", MakeRecord<Root, TvnDataSkinMenuItem> },
    { "mainmenubaritem", MakeRecord<Root, TvnDataSkinMainMenuBarItem> },
    { "caption", MakeRecord<Root, TvnDataSkinCaption> },
};

} // namespace

std::unique_ptr<TvnDataSkinObject> CreateFrameObject(const QString& kind, const QString& idName)
{
    return CreateRecordOfKind<Root>(kFrameObjectKinds, kind, idName);
}
