#pragma once
// What one paint of a check or radio box draws from, decided once at the start of the
// paint: the record (looked up once), the state, the caption and its font and colours,
// the check image chosen and the geometry at the present size. The draw routines
// (CheckRadioPaint.cpp) read nothing else of the box.
//
// The framed look (the record's face with the check image and caption in its areas) is
// kept whole in a look cache keyed by LookKey; the flat look shows the parent's
// background (taken with the snapshot) through it and is drawn at every paint.
#include "CheckImage.h"
#include "FaceCache.h"
#include "SkinGeometry.h"
#include "platform/Colors.h"

#include <QColor>
#include <QFont>
#include <QString>

class TImageList;
class TvnDataSkinCheckRadioControl;

namespace vnctrls {

struct TvnCheckRadioSnapshot {
    const TvnDataSkinCheckRadioControl* Record = nullptr; // null: the default look
    int RecordIndex = -1;
    QSize Size;
    bool Framed = false; // the record's face; else the flat look
    bool Enabled = true;
    bool MouseIn = false;
    bool Focused = false; // has the focus and may take it
    bool Checked = false;
    bool Grayed = false;
    bool Radio = false;
    // While cross-fading the normal and hot framed looks are blended at FadeStep of
    // TvnFader::kSteps (Fade as a factor); 0 when not blending.
    int FadeStep = 0;
    double Fade = 0;
    bool Hot = false; // framed and not blending: the hot face (mouse in or focused)
    TvnCheckImageChoice Check; // the record's check image for the state
    QString Caption;
    QFont Font;
    // Framed: the normal and the hot caption colour; flat: TextColor only.
    QColor TextColor, HotTextColor;
    QRect NormalFace, HotFace; // framed: the skin rectangles of the two faces
    // Flat: the image list's picture beside the caption (none unless Images is set).
    const TImageList* Images = nullptr;
    int ImageIndex = -1;
    bool WordWrap = false;
    TColor FocusFace = 0;
    // Flat: what the parent shows under the box.
    QImage ParentBackground;
    const TvnControlGeometry* Geometry = nullptr;
    TvnCurrentGeometry Current;
};

// Everything the framed look is made of.
struct TvnCheckRadioLookKey : TvnFaceKey {
    QRect Blend; // the hot face while blending
    TvnCheckImageChoice Check;
    QString Caption;
    QFont Font;
    QColor TextColor, HotTextColor;
    friend bool operator==(const TvnCheckRadioLookKey&, const TvnCheckRadioLookKey&) = default;
};
TvnCheckRadioLookKey LookKey(const TvnCheckRadioSnapshot& s);

// The framed look's text and check areas at `width`: the text area's right edge grows
// with the box, and a check area right of the text moves along.
struct TvnCheckAreas {
    QRect Text, Check;
};
TvnCheckAreas FramedAreas(const TvnDataSkinCheckRadioControl& record, int width);

// The flat look's caption from `textLeft` on: the image list's picture, the text, and
// the focus rectangle around the text (or the picture when there is no text).
struct TvnFlatCaptionLayout {
    QRect Image, Text, Focus;
};
TvnFlatCaptionLayout LayoutFlatCaption(const TvnCheckRadioSnapshot& s, int textLeft, QSize image);

} // namespace vnctrls
