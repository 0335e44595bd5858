#pragma once
// Where the parts of a panel's caption go, for each of its three looks, as pure
// functions of the sizes involved, and the caption snapshot they are computed from.
// Painting and the roll-up click test both use them.
#include "SkinCtrlTypes.h"
#include "framework/Types.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace vnctrls {

// The picture beside the caption text: a glyph cell or an image of the caption list.
struct TvnCaptionImage {
    QSize Size; // empty when there is none
    bool IsGlyph = false; // a glyph counts in the alignment, a list image does not
    TvnImagePosition Position = vnipDefault;
    int Spacing = 2;
};

// ---- Skinned caption, in the record's caption rectangle -------------------------------

struct TvnSkinnedCaptionInput {
    QRect CaptionRect; // the record's caption rectangle at the present size
    TAlignment Alignment = taLeftJustify;
    QSize Text;
    TvnCaptionImage Image;
    QSize CheckImage; // empty unless the caption carries a check box
    bool RollUpMode = false;
    // The record's caption frame: the strip under the text and its text part.
    QRect FrameRect;
    QRect FrameTextRect;
};

struct TvnSkinnedCaptionLayout {
    QRect Area; // the text is clipped to it
    QPoint CheckImage;
    QPoint Text;
    QPoint Image;
    QRect Arrow; // the roll-up arrow's area, empty without roll-up
    QRect FrameStrip; // empty without a caption frame
};

TvnSkinnedCaptionLayout LayoutSkinnedCaption(const TvnSkinnedCaptionInput& in);

// ---- Default look: the caption bar ----------------------------------------------------

struct TvnDefaultCaptionInput {
    QSize Control;
    bool Border = true; // BorderStyle is not bvNone
    int CaptionHeight = 22;
    bool CheckedMode = false;
    bool RollUpMode = false;
    TAlignment Alignment = taLeftJustify;
    QSize Text;
    TvnCaptionImage Image;
};

struct TvnDefaultCaptionLayout {
    QRect Bar;
    QRect CheckBox; // 14 x 14, empty without checked mode
    QRect TextArea;
    QPoint Text;
    QPoint Image;
    QRect Arrow; // empty without roll-up
};

inline constexpr int kDefaultCheckBoxSize = 14;

TvnDefaultCaptionLayout LayoutDefaultCaption(const TvnDefaultCaptionInput& in);

// ---- Transparent look: the caption line over the group line ---------------------------

struct TvnCaptionLineInput {
    int Width = 0;
    QSize Text;
    QSize CheckImage; // empty unless checked mode
    QSize Image;
    bool RollUpMode = false;
};

struct TvnCaptionLineLayout {
    QRect Line; // from the left edge to where the group line resumes
    QPoint CheckImage;
    QPoint Image;
    QPoint Text;
    QRect Arrow; // empty without roll-up
    int GroupLineY = 0; // half the line's height
    int ResumeX = 0; // the group line's top part starts again here
};

TvnCaptionLineLayout LayoutCaptionLine(const TvnCaptionLineInput& in);

// ---- The caption as one paint (or one click test) sees it ------------------------------

// Read once from the panel and its record (TvnSkinPanel::TakeCaption): the caption's
// text, font and pictures, its modes and states, and the record's caption geometry at
// the present size. The layouts and the caption's drawing read nothing else.
struct TvnPanelCaption {
    QSize Control;
    QString Text;
    QFont Font;
    QSize TextSize; // measured once
    TvnCaptionImage Image;
    QImage ImagePicture; // the glyph cell or list image for the state, or null
    bool CheckedMode = false;
    bool Checked = false;
    bool RollUpMode = false;
    bool RolledUp = false;
    // The record's check image for the state (in the skin picture), empty without one.
    QRect CheckImageRect;
    // The record's caption rectangle at the present size, its alignment and frame.
    QRect CaptionRect;
    TAlignment Alignment = taLeftJustify;
    QRect FrameRect;
    QRect FrameTextRect;
    // The default look's caption bar.
    bool Border = true;
    int DefaultCaptionHeight = 22;
    TAlignment DefaultAlignment = taLeftJustify;
};

TvnSkinnedCaptionLayout LayoutSkinnedCaption(const TvnPanelCaption& caption);
TvnDefaultCaptionLayout LayoutDefaultCaption(const TvnPanelCaption& caption);
TvnCaptionLineLayout LayoutCaptionLine(const TvnPanelCaption& caption);

} // namespace vnctrls
