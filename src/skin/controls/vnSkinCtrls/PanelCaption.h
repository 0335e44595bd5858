#pragma once
// Where the parts of a panel's caption go, for each of its three looks, as pure
// functions of the sizes involved. Painting and the roll-up click test both use them.
#include "SkinCtrlTypes.h"
#include "framework/Types.h"

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

} // namespace vnctrls
