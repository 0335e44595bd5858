#pragma once
// The control skin records of controls the product's windows do not use (combo boxes,
// track bars, gauges, menus bars, ...). They belong to the format, so a skin that
// describes them loads completely.
#include "ControlSkins.h"

// Combo boxes.
class TvnDataSkinComboBox : public TvnSkinRecord<TvnDataSkinComboBox, TvnDataSkinCustomControl>,
                            public TvnSkinFont {
public:
    explicit TvnDataSkinComboBox(const QString& idName);
    static TvnKeyTable<TvnDataSkinComboBox> Keys();

    QRect ActiveSkinRect;
    QRect ItemRect;
    QRect ActiveItemRect;
    QRect FocusItemRect;
    int ItemLeftOffset {};
    int ItemRightOffset {};
    QRect ItemTextRect;
    TColor FocusFontColor {};
    TColor ActiveFontColor {};
    QString ListBoxName;
    QRect ButtonRect;
    QRect ActiveButtonRect;
    QRect DownButtonRect;
    QRect UnenabledButtonRect;
    bool ItemStretchEffect {};
    bool FocusItemStretchEffect {};
    bool ShowFocus {};
};

// Spin edits.
class TvnDataSkinSpinEditControl : public TvnSkinRecord<TvnDataSkinSpinEditControl, TvnDataSkinCustomControl>,
                                   public TvnSkinFont,
                                   public TvnSkinArrowButtons {
public:
    explicit TvnDataSkinSpinEditControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinSpinEditControl> Keys();

    QRect ActiveSkinRect;
    TColor ActiveFontColor {};
    TColor DisabledFontColor {};
};

// Up-down buttons.
class TvnDataSkinUpDownControl : public TvnSkinRecord<TvnDataSkinUpDownControl, TvnDataSkinCustomControl>,
                                 public TvnSkinArrowButtons {
public:
    explicit TvnDataSkinUpDownControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinUpDownControl> Keys();
    // Up-down buttons are drawn from their button rectangles alone: the corner points and
    // the client rectangle are reset whatever the text says.
    void AfterLoad();
};

// Track bars.
class TvnDataSkinTrackBarControl
    : public TvnSkinRecord<TvnDataSkinTrackBarControl, TvnDataSkinCustomControl> {
public:
    explicit TvnDataSkinTrackBarControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinTrackBarControl> Keys();

    QRect ActiveSkinRect;
    QRect TrackArea;
    QRect ButtonRect;
    QRect ActiveButtonRect;
    bool Vertical {};
    bool ButtonTransparent {};
    TColor ButtonTransparentColor {};
};

// Progress gauges.
class TvnDataSkinGaugeControl : public TvnSkinRecord<TvnDataSkinGaugeControl, TvnDataSkinCustomControl>,
                                public TvnSkinFont {
public:
    explicit TvnDataSkinGaugeControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinGaugeControl> Keys();

    QRect ProgressArea;
    QRect ProgressRect;
    int BeginOffset {};
    int EndOffset {};
    bool Vertical {};
    bool ProgressTransparent {};
    TColor ProgressTransparentColor {};
    bool ProgressStretch {};
    QRect AnimationSkinRect;
    int AnimationCountFrames {};
    int AnimationTimerInterval {};
    QRect ProgressAnimationSkinRect;
    int ProgressAnimationCountFrames {};
    int ProgressAnimationTimerInterval {};
    int AnimationBeginOffset {};
    int AnimationEndOffset {};
};

// Splitters.
class TvnDataSkinSplitterControl
    : public TvnSkinRecord<TvnDataSkinSplitterControl, TvnDataSkinCustomControl> {
public:
    explicit TvnDataSkinSplitterControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinSplitterControl> Keys();

    QRect GripperRect;
    bool GripperTransparent {};
    TColor GripperTransparentColor {};
};

// Scroll boxes.
class TvnDataSkinScrollBoxControl
    : public TvnSkinRecord<TvnDataSkinScrollBoxControl, TvnDataSkinCustomControl> {
public:
    explicit TvnDataSkinScrollBoxControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinScrollBoxControl> Keys();

    int BGPictureIndex {};
};

// Panels that roll up horizontally or vertically.
class TvnDataSkinExPanelControl : public TvnSkinRecord<TvnDataSkinExPanelControl, TvnDataSkinCustomControl>,
                                  public TvnSkinFont {
public:
    explicit TvnDataSkinExPanelControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinExPanelControl> Keys();

    QRect RollHSkinRect;
    QRect RollVSkinRect;
    int RollLeftOffset {};
    int RollRightOffset {};
    int RollTopOffset {};
    int RollBottomOffset {};
    QRect RollVCaptionRect;
    QRect RollHCaptionRect;
    QRect CloseButtonRect;
    QRect CloseButtonActiveRect;
    QRect CloseButtonDownRect;
    QRect HRollButtonRect;
    QRect HRollButtonActiveRect;
    QRect HRollButtonDownRect;
    QRect HRestoreButtonRect;
    QRect HRestoreButtonActiveRect;
    QRect HRestoreButtonDownRect;
    QRect VRollButtonRect;
    QRect VRollButtonActiveRect;
    QRect VRollButtonDownRect;
    QRect VRestoreButtonRect;
    QRect VRestoreButtonActiveRect;
    QRect VRestoreButtonDownRect;
    QRect CaptionRect;
    bool ButtonsTransparent {};
    TColor ButtonsTransparentColor {};
};

// Framed labels and status panels.
class TvnDataSkinLabelControl : public TvnSkinRecord<TvnDataSkinLabelControl, TvnDataSkinCustomControl>,
                                public TvnSkinFont {
public:
    explicit TvnDataSkinLabelControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinLabelControl> Keys();
};

// Control bars.
class TvnDataSkinControlBar : public TvnSkinRecord<TvnDataSkinControlBar, TvnDataSkinCustomControl> {
public:
    explicit TvnDataSkinControlBar(const QString& idName);
    static TvnKeyTable<TvnDataSkinControlBar> Keys();

    QRect ItemRect;
    int BGPictureIndex {};
    QRect HGripRect;
    QRect VGripRect;
    int GripOffset1 {};
    int GripOffset2 {};
    bool ItemStretchEffect {};
    int ItemOffset1 {};
    int ItemOffset2 {};
    bool ItemTransparent {};
    TColor ItemTransparentColor {};
    bool GripTransparent {};
    TColor GripTransparentColor {};
};

// The main menu bar; its item and buttons are frame skin objects named here.
class TvnDataSkinMainMenuBar : public TvnSkinRecord<TvnDataSkinMainMenuBar, TvnDataSkinControl> {
public:
    explicit TvnDataSkinMainMenuBar(const QString& idName);
    static TvnKeyTable<TvnDataSkinMainMenuBar> Keys();

    QRect ItemsRect;
    QString MenuBarItem;
    QString CloseButton;
    QString MinButton;
    QString MaxButton;
    QString SysMenuButton;
    TColor TrackMarkColor {};
    TColor TrackMarkActiveColor {};
    bool StretchEffect {};
    bool ItemTransparent {};
};

// Tree views.
class TvnDataSkinTreeView : public TvnSkinRecord<TvnDataSkinTreeView, TvnDataSkinControl>,
                            public TvnSkinFont {
public:
    explicit TvnDataSkinTreeView(const QString& idName);
    static TvnKeyTable<TvnDataSkinTreeView> Keys();

    TColor BGColor {};
};

// List views.
class TvnDataSkinListView : public TvnSkinRecord<TvnDataSkinListView, TvnDataSkinControl>,
                            public TvnSkinFont {
public:
    explicit TvnDataSkinListView(const QString& idName);
    static TvnKeyTable<TvnDataSkinListView> Keys();

    TColor BGColor {};
};

// Rich edits.
class TvnDataSkinRichEdit : public TvnSkinRecord<TvnDataSkinRichEdit, TvnDataSkinControl>,
                            public TvnSkinFont {
public:
    explicit TvnDataSkinRichEdit(const QString& idName);
    static TvnKeyTable<TvnDataSkinRichEdit> Keys();

    TColor BGColor {};
};

// Bevels.
class TvnDataSkinBevel : public TvnSkinRecord<TvnDataSkinBevel, TvnDataSkinControl> {
public:
    explicit TvnDataSkinBevel(const QString& idName);
    static TvnKeyTable<TvnDataSkinBevel> Keys();

    TColor LightColor {};
    TColor DarkColor {};
};

// Sliders.
class TvnDataSkinSlider : public TvnSkinRecord<TvnDataSkinSlider, TvnDataSkinControl> {
public:
    explicit TvnDataSkinSlider(const QString& idName);
    static TvnKeyTable<TvnDataSkinSlider> Keys();

    TColor BGColor {};
    QRect HRulerRect;
    QRect HThumbRect;
    QRect VRulerRect;
    QRect VThumbRect;
    int EdgeSize {};
    TColor PointsColor {};
};
