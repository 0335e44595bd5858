#pragma once
// Control skin records: one section of the skin description per record, listed in
// [SKINCONTROLS] as "name:kind". A skinned control finds its record by name and accepts
// it only when it is an instance of the class it expects (derived classes pass).
//
// This header holds the base classes and the records of the controls the product's
// windows use; OtherControlSkins.h holds the rest, so that every skin in the format loads
// completely. Fields are named after their keys ("activeskinrect" -> ActiveSkinRect);
// the key tables in ControlSkins.cpp give each key's order and default, and a new
// record holds those defaults.
#include "GeometryKeys.h"
#include "SkinFieldBlocks.h"

#include <memory>

class TvnDataSkinControl {
public:
    explicit TvnDataSkinControl(const QString& idName);
    virtual ~TvnDataSkinControl() = default;
    TvnDataSkinControl(const TvnDataSkinControl&) = delete;
    TvnDataSkinControl& operator=(const TvnDataSkinControl&) = delete;

    virtual void LoadFromIni(const TMemIniFile& ini);
    // Erases the section [IDName] and writes every key in reading order.
    virtual void SaveToIni(TMemIniFile& ini) const;
    static TvnKeyTable<TvnDataSkinControl> Keys();

    QString IDName;
    int PictureIndex {};
    int MaskPictureIndex {};
    QRect SkinRect;
};

// A control drawn from "skinrect" cut into nine parts by four corner points and a client
// rectangle, at any size.
class TvnDataSkinCustomControl : public TvnSkinRecord<TvnDataSkinCustomControl, TvnDataSkinControl> {
public:
    explicit TvnDataSkinCustomControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinCustomControl> Keys();

    // The keys "lefttoppoint" ... "rightbottompoint", "clientrect", the four edge flags,
    // "stretcheffect" and "stretchtype".
    TvnSkinGeometry Geometry;
};

// Push buttons and tool buttons.
class TvnDataSkinButtonControl : public TvnSkinRecord<TvnDataSkinButtonControl, TvnDataSkinCustomControl>,
                                 public TvnSkinFont {
public:
    explicit TvnDataSkinButtonControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinButtonControl> Keys();

    TColor ActiveFontColor {};
    TColor DownFontColor {};
    TColor DisabledFontColor {};
    QRect ActiveSkinRect;
    QRect DownSkinRect;
    QRect FocusedSkinRect;
    QRect DisabledSkinRect;
    bool Morphing {};
    TvnMorphKind MorphKind {};
    QRect AnimateSkinRect;
    int FrameCount {};
    int AnimateInterval {};
    bool ShowFocus {};
    QRect MenuMarkerFlatRect;
    QRect MenuMarkerRect;
    QRect MenuMarkerActiveRect;
    QRect MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor {};
    int GlowLayerPictureIndex {};
    int GlowLayerMaskPictureIndex {};
    int GlowLayerOffsetLeft {};
    int GlowLayerOffsetTop {};
    int GlowLayerOffsetRight {};
    int GlowLayerOffsetBottom {};
    int GlowLayerShowOffsetX {};
    int GlowLayerShowOffsetY {};
    int GlowLayerAlphaBlendValue {};
};

// A button with a drop-down part.
class TvnDataSkinMenuButtonControl
    : public TvnSkinRecord<TvnDataSkinMenuButtonControl, TvnDataSkinButtonControl> {
public:
    explicit TvnDataSkinMenuButtonControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinMenuButtonControl> Keys();

    QRect TrackButtonRect;
};

// Check boxes and radio buttons.
class TvnDataSkinCheckRadioControl
    : public TvnSkinRecord<TvnDataSkinCheckRadioControl, TvnDataSkinCustomControl>,
      public TvnSkinFont {
public:
    explicit TvnDataSkinCheckRadioControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinCheckRadioControl> Keys();

    TColor ActiveFontColor {};
    TColor UnenabledFontColor {};
    TColor FrameFontColor {};
    QRect ActiveSkinRect;
    QRect CheckImageArea;
    QRect TextArea;
    QRect CheckImageRect;
    QRect UncheckImageRect;
    QRect ActiveCheckImageRect;
    QRect ActiveUncheckImageRect;
    QRect UnenabledCheckImageRect;
    QRect UnenabledUncheckImageRect;
    QRect GrayedCheckImageRect;
    QRect ActiveGrayedCheckImageRect;
    bool Morphing {};
    TvnMorphKind MorphKind {};
};

// Panels, group boxes, tool panels and status bars.
class TvnDataSkinPanelControl : public TvnSkinRecord<TvnDataSkinPanelControl, TvnDataSkinCustomControl>,
                                public TvnSkinFont {
public:
    explicit TvnDataSkinPanelControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinPanelControl> Keys();

    int BGPictureIndex {};
    QRect CaptionRect;
    TAlignment Alignment {};
    QRect CheckImageRect;
    QRect UncheckImageRect;
    QRect MarkFrameRect;
    QRect FrameRect;
    QRect FrameTextRect;
    int FrameLeftOffset {};
    int FrameRightOffset {};
    QRect GripperRect;
    bool GripperTransparent {};
    TColor GripperTransparentColor {};
};

// Labels and data-aware texts: a font only, no picture geometry.
class TvnDataSkinStdLabelControl : public TvnSkinRecord<TvnDataSkinStdLabelControl, TvnDataSkinControl>,
                                   public TvnSkinFont {
public:
    explicit TvnDataSkinStdLabelControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinStdLabelControl> Keys();

    TColor ActiveFontColor {};
};

// Scroll bars. In the button names "up"/"down" first names the button (up or left
// arrow, down or right arrow); "active"/"down" before it names the state (hot, pressed).
class TvnDataSkinScrollBarControl
    : public TvnSkinRecord<TvnDataSkinScrollBarControl, TvnDataSkinCustomControl>,
      public TvnSkinArrowButtons {
public:
    explicit TvnDataSkinScrollBarControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinScrollBarControl> Keys();

    QRect TrackArea;
    QRect ThumbRect;
    QRect ActiveThumbRect;
    QRect DownThumbRect;
    int ThumbOffset1 {};
    int ThumbOffset2 {};
    bool ThumbTransparent {};
    TColor ThumbTransparentColor {};
    bool ThumbStretchEffect {};
    int ThumbMinSize {};
    int ThumbMinPageSize {};
    QRect GlyphRect;
    QRect ActiveGlyphRect;
    QRect DownGlyphRect;
    bool GlyphTransparent {};
    TColor GlyphTransparentColor {};
};

// Page controls: the tabs and the page frame, with geometry of its own.
class TvnDataSkinTabControl : public TvnSkinRecord<TvnDataSkinTabControl, TvnDataSkinControl>,
                              public TvnSkinFont {
public:
    explicit TvnDataSkinTabControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinTabControl> Keys();

    QRect TabRect;
    QRect ActiveTabRect;
    QRect FocusTabRect;
    QRect MouseInTabRect;
    // The page frame's geometry; its keys lie among the tab keys.
    TvnSkinGeometry Geometry;
    int BGPictureIndex {};
    int TabLeftOffset {};
    int TabRightOffset {};
    QRect TabsBGRect;
    bool TabStretchEffect {};
    TColor ActiveFontColor {};
    TColor FocusFontColor {};
    TColor MouseInFontColor {};
    QString UpDown;
    bool ShowFocus {};
    int FocusOffsetX {};
    int FocusOffsetY {};
    QRect CloseButtonRect;
    QRect CloseButtonActiveRect;
    QRect CloseButtonDownRect;
    bool ButtonTransparent {};
    TColor ButtonTransparentColor {};
};

// Edits and mask edits, with an optional button.
class TvnDataSkinEditControl : public TvnSkinRecord<TvnDataSkinEditControl, TvnDataSkinCustomControl>,
                               public TvnSkinFont {
public:
    explicit TvnDataSkinEditControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinEditControl> Keys();

    QRect ActiveSkinRect;
    TColor DisabledFontColor {};
    TColor ActiveFontColor {};
    QRect ButtonRect;
    QRect ActiveButtonRect;
    QRect DownButtonRect;
    QRect UnenabledButtonRect;
};

// Memos: an edit with background colours.
class TvnDataSkinMemoControl : public TvnSkinRecord<TvnDataSkinMemoControl, TvnDataSkinEditControl> {
public:
    explicit TvnDataSkinMemoControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinMemoControl> Keys();

    TColor BGColor {};
    TColor ActiveBGColor {};
};

// Grids: cells only, no picture geometry.
class TvnDataSkinGridControl : public TvnSkinRecord<TvnDataSkinGridControl, TvnDataSkinControl>,
                               public TvnSkinFont {
public:
    explicit TvnDataSkinGridControl(const QString& idName);
    static TvnKeyTable<TvnDataSkinGridControl> Keys();

    QRect FixedCellRect;
    QRect SelectCellRect;
    QRect FocusCellRect;
    int FixedCellLeftOffset {};
    int FixedCellRightOffset {};
    QRect FixedCellTextRect;
    int CellLeftOffset {};
    int CellRightOffset {};
    QRect CellTextRect;
    int BGPictureIndex {};
    TColor LinesColor {};
    TColor BGColor {};
    TColor SelectFontColor {};
    TColor FocusFontColor {};
    QString FixedFontName;
    int FixedFontHeight {};
    TFontStyles FixedFontStyle;
    TColor FixedFontColor {};
    bool CellStretchEffect {};
    bool FixedCellStretchEffect {};
    bool ShowFocus {};
};

// List boxes. The three scroll bar names are scroll bar records of the same store.
class TvnDataSkinListBox : public TvnSkinRecord<TvnDataSkinListBox, TvnDataSkinCustomControl>,
                           public TvnSkinFont,
                           public TvnSkinArrowButtons {
public:
    explicit TvnDataSkinListBox(const QString& idName);
    static TvnKeyTable<TvnDataSkinListBox> Keys();

    QRect ItemRect;
    QRect ActiveItemRect;
    QRect FocusItemRect;
    int ItemLeftOffset {};
    int ItemRightOffset {};
    QRect ItemTextRect;
    TColor ActiveFontColor {};
    TColor FocusFontColor {};
    QRect CaptionRect;
    QString CaptionFontName;
    int CaptionFontHeight {};
    TFontStyles CaptionFontStyle;
    TColor CaptionFontColor {};
    QRect CheckButtonRect;
    QRect ActiveCheckButtonRect;
    QRect DownCheckButtonRect;
    QString VScrollBarName;
    QString HScrollBarName;
    QString BothHScrollBarName;
    bool ShowFocus {};
    QRect DisabledButtonsRect;
    QRect ButtonsArea;
};

// List boxes with a check mark per item.
class TvnDataSkinCheckListBox : public TvnSkinRecord<TvnDataSkinCheckListBox, TvnDataSkinListBox> {
public:
    explicit TvnDataSkinCheckListBox(const QString& idName);
    static TvnKeyTable<TvnDataSkinCheckListBox> Keys();

    QRect ItemCheckRect;
    QRect CheckImageRect;
    QRect UncheckImageRect;
};

// The record for a [SKINCONTROLS] kind ("button", "panel", ...; compared exactly), or
// nullptr for a kind that has none.
std::unique_ptr<TvnDataSkinControl> CreateControlSkin(const QString& kind, const QString& idName);
