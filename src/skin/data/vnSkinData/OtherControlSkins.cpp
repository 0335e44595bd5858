#include "OtherControlSkins.h"

namespace {

// Tree views, list views and rich edits share one set of keys.
template <class C> TvnKeyTable<C> FontAndBackgroundKeys()
{
    static const TvnKeyList<C> keys = KeyRows<C>(FontKeys<C>(), Key("bgcolor", &C::BGColor));
    return keys;
}

} // namespace

// clang-format off
TvnKeyTable<TvnDataSkinComboBox> TvnDataSkinComboBox::Keys()
{
    using C = TvnDataSkinComboBox;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("activeskinrect", &C::ActiveSkinRect),
        Key("itemrect", &C::ItemRect),
        Key("activeitemrect", &C::ActiveItemRect),
        Key("focusitemrect", &C::FocusItemRect),
        Key("itemleftoffset", &C::ItemLeftOffset),
        Key("itemrightoffset", &C::ItemRightOffset),
        Key("itemtextrect", &C::ItemTextRect),
        FontKeys<C>(),
        Key("focusfontcolor", &C::FocusFontColor),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("listboxname", &C::ListBoxName),
        Key("buttonrect", &C::ButtonRect),
        Key("activebuttonrect", &C::ActiveButtonRect),
        Key("downbuttonrect", &C::DownButtonRect),
        Key("unenabledbuttonrect", &C::UnenabledButtonRect),
        Key("itemstretcheffect", &C::ItemStretchEffect),
        Key("focusitemstretcheffect", &C::FocusItemStretchEffect),
        Key("showfocus", &C::ShowFocus));
    return keys;
}

TvnKeyTable<TvnDataSkinSpinEditControl> TvnDataSkinSpinEditControl::Keys()
{
    using C = TvnDataSkinSpinEditControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("activeskinrect", &C::ActiveSkinRect),
        FontKeys<C>(),
        Key("activefontcolor", &C::ActiveFontColor),
        Key("disabledfontcolor", &C::DisabledFontColor),
        ArrowButtonKeys<C>());
    return keys;
}

TvnKeyTable<TvnDataSkinUpDownControl> TvnDataSkinUpDownControl::Keys()
{
    using C = TvnDataSkinUpDownControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        ArrowButtonKeys<C>());
    return keys;
}

TvnKeyTable<TvnDataSkinTrackBarControl> TvnDataSkinTrackBarControl::Keys()
{
    using C = TvnDataSkinTrackBarControl;
    static const TvnSkinKey<C> keys[] = {
        Key("activeskinrect", &C::ActiveSkinRect),
        Key("trackarea", &C::TrackArea),
        Key("buttonrect", &C::ButtonRect),
        Key("activebuttonrect", &C::ActiveButtonRect),
        Key("vertical", &C::Vertical),
        Key("buttontransparent", &C::ButtonTransparent),
        Key("buttontransparentcolor", &C::ButtonTransparentColor),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinGaugeControl> TvnDataSkinGaugeControl::Keys()
{
    using C = TvnDataSkinGaugeControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("progressarea", &C::ProgressArea),
        Key("progressrect", &C::ProgressRect),
        Key("beginoffset", &C::BeginOffset),
        Key("endoffset", &C::EndOffset),
        Key("vertical", &C::Vertical),
        FontKeys<C>(),
        Key("progresstransparent", &C::ProgressTransparent),
        Key("progresstransparentcolor", &C::ProgressTransparentColor),
        Key("progressstretch", &C::ProgressStretch),
        Key("animationskinrect", &C::AnimationSkinRect),
        Key("animationcountframes", &C::AnimationCountFrames),
        Key("animationtimerinterval", &C::AnimationTimerInterval),
        Key("progressanimationskinrect", &C::ProgressAnimationSkinRect),
        Key("progressanimationcountframes", &C::ProgressAnimationCountFrames),
        Key("progressanimationtimerinterval", &C::ProgressAnimationTimerInterval),
        Key("animationbeginoffset", &C::AnimationBeginOffset),
        Key("animationendoffset", &C::AnimationEndOffset));
    return keys;
}

TvnKeyTable<TvnDataSkinSplitterControl> TvnDataSkinSplitterControl::Keys()
{
    using C = TvnDataSkinSplitterControl;
    static const TvnSkinKey<C> keys[] = {
        Key("gripperrect", &C::GripperRect),
        Key("grippertransparent", &C::GripperTransparent),
        Key("grippertransparentcolor", &C::GripperTransparentColor),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinScrollBoxControl> TvnDataSkinScrollBoxControl::Keys()
{
    using C = TvnDataSkinScrollBoxControl;
    static const TvnSkinKey<C> keys[] = {
        Key("bgpictureindex", &C::BGPictureIndex, -1),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinExPanelControl> TvnDataSkinExPanelControl::Keys()
{
    using C = TvnDataSkinExPanelControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        Key("rollhskinrect", &C::RollHSkinRect),
        Key("rollvskinrect", &C::RollVSkinRect),
        Key("rollleftoffset", &C::RollLeftOffset),
        Key("rollrightoffset", &C::RollRightOffset),
        Key("rolltopoffset", &C::RollTopOffset),
        Key("rollbottomoffset", &C::RollBottomOffset),
        Key("rollvcaptionrect", &C::RollVCaptionRect),
        Key("rollhcaptionrect", &C::RollHCaptionRect),
        Key("closebuttonrect", &C::CloseButtonRect),
        Key("closebuttonactiverect", &C::CloseButtonActiveRect),
        Key("closebuttondownrect", &C::CloseButtonDownRect),
        Key("hrollbuttonrect", &C::HRollButtonRect),
        Key("hrollbuttonactiverect", &C::HRollButtonActiveRect),
        Key("hrollbuttondownrect", &C::HRollButtonDownRect),
        Key("hrestorebuttonrect", &C::HRestoreButtonRect),
        Key("hrestorebuttonactiverect", &C::HRestoreButtonActiveRect),
        Key("hrestorebuttondownrect", &C::HRestoreButtonDownRect),
        Key("vrollbuttonrect", &C::VRollButtonRect),
        Key("vrollbuttonactiverect", &C::VRollButtonActiveRect),
        Key("vrollbuttondownrect", &C::VRollButtonDownRect),
        Key("vrestorebuttonrect", &C::VRestoreButtonRect),
        Key("vrestorebuttonactiverect", &C::VRestoreButtonActiveRect),
        Key("vrestorebuttondownrect", &C::VRestoreButtonDownRect),
        Key("captionrect", &C::CaptionRect),
        FontKeys<C>(),
        Key("buttonstransparent", &C::ButtonsTransparent),
        Key("buttonstransparentcolor", &C::ButtonsTransparentColor));
    return keys;
}

TvnKeyTable<TvnDataSkinLabelControl> TvnDataSkinLabelControl::Keys()
{
    using C = TvnDataSkinLabelControl;
    static const TvnKeyList<C> keys = KeyRows<C>(
        FontKeys<C>());
    return keys;
}

TvnKeyTable<TvnDataSkinControlBar> TvnDataSkinControlBar::Keys()
{
    using C = TvnDataSkinControlBar;
    static const TvnSkinKey<C> keys[] = {
        Key("itemrect", &C::ItemRect),
        Key("bgpictureindex", &C::BGPictureIndex, -1),
        Key("hgriprect", &C::HGripRect),
        Key("vgriprect", &C::VGripRect),
        Key("gripoffset1", &C::GripOffset1),
        Key("gripoffset2", &C::GripOffset2),
        Key("itemstretcheffect", &C::ItemStretchEffect),
        Key("itemoffset1", &C::ItemOffset1, 3),
        Key("itemoffset2", &C::ItemOffset2, 3),
        Key("itemtransparent", &C::ItemTransparent),
        Key("itemtransparentcolor", &C::ItemTransparentColor),
        Key("griptransparent", &C::GripTransparent),
        Key("griptransparentcolor", &C::GripTransparentColor),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinMainMenuBar> TvnDataSkinMainMenuBar::Keys()
{
    using C = TvnDataSkinMainMenuBar;
    static const TvnSkinKey<C> keys[] = {
        Key("itemsrect", &C::ItemsRect),
        Key("menubaritem", &C::MenuBarItem),
        Key("closebutton", &C::CloseButton),
        Key("minbutton", &C::MinButton),
        Key("maxbutton", &C::MaxButton),
        Key("sysmenubutton", &C::SysMenuButton),
        Key("trackmarkcolor", &C::TrackMarkColor),
        Key("trackmarkactivecolor", &C::TrackMarkActiveColor),
        Key("stretcheffect", &C::StretchEffect),
        Key("itemtransparent", &C::ItemTransparent),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinTreeView> TvnDataSkinTreeView::Keys() { return FontAndBackgroundKeys<TvnDataSkinTreeView>(); }

TvnKeyTable<TvnDataSkinListView> TvnDataSkinListView::Keys() { return FontAndBackgroundKeys<TvnDataSkinListView>(); }

TvnKeyTable<TvnDataSkinRichEdit> TvnDataSkinRichEdit::Keys() { return FontAndBackgroundKeys<TvnDataSkinRichEdit>(); }

TvnKeyTable<TvnDataSkinBevel> TvnDataSkinBevel::Keys()
{
    using C = TvnDataSkinBevel;
    static const TvnSkinKey<C> keys[] = {
        Key("lightcolor", &C::LightColor),
        Key("darkcolor", &C::DarkColor),
    };
    return keys;
}

TvnKeyTable<TvnDataSkinSlider> TvnDataSkinSlider::Keys()
{
    using C = TvnDataSkinSlider;
    static const TvnSkinKey<C> keys[] = {
        Key("bgcolor", &C::BGColor),
        Key("hrulerrect", &C::HRulerRect),
        Key("hthumbrect", &C::HThumbRect),
        Key("vrulerrect", &C::VRulerRect),
        Key("vthumbrect", &C::VThumbRect),
        Key("edgesize", &C::EdgeSize),
        Key("pointscolor", &C::PointsColor),
    };
    return keys;
}

// clang-format on

// clang-format off
TvnDataSkinComboBox::TvnDataSkinComboBox(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinSpinEditControl::TvnDataSkinSpinEditControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinUpDownControl::TvnDataSkinUpDownControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinTrackBarControl::TvnDataSkinTrackBarControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinGaugeControl::TvnDataSkinGaugeControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinSplitterControl::TvnDataSkinSplitterControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinScrollBoxControl::TvnDataSkinScrollBoxControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinExPanelControl::TvnDataSkinExPanelControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinLabelControl::TvnDataSkinLabelControl(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinControlBar::TvnDataSkinControlBar(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinMainMenuBar::TvnDataSkinMainMenuBar(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinTreeView::TvnDataSkinTreeView(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinListView::TvnDataSkinListView(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinRichEdit::TvnDataSkinRichEdit(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinBevel::TvnDataSkinBevel(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
TvnDataSkinSlider::TvnDataSkinSlider(const QString& idName) : TvnSkinRecord(idName) { ApplyDefaults(*this, Keys()); }
// clang-format on

void TvnDataSkinUpDownControl::AfterLoad()
{
    Geometry.Corners = {};
    Geometry.ClientRect = QRect();
}
