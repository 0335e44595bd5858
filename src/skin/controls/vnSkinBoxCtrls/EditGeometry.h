#pragma once
// Where the parts of a skinned edit lie, as pure functions of its record and size: the
// frame round the text area, the optional button at the right end, the left and right
// images, the face a state draws from and the height rules. Painting, the line edit's
// placement and the mouse all go through these.
#include <QFontMetrics>
#include <QRect>
#include <QSize>

class TvnDataSkinEditControl;

namespace vnctrls {

struct TvnEditInsets {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Without a record a 2-pixel frame (on the right height + 2 with the button); with one
// the record's client rectangle inside its skin rectangle.
TvnEditInsets EditInsets(const TvnDataSkinEditControl* record, bool buttonMode, int height);

struct TvnEditLayoutInput {
    QSize Size;
    bool ButtonMode = false;
    QSize ImageSize; // of the image list; empty without one
    bool LeftImage = false;
    bool RightImage = false;
};

struct TvnEditLayout {
    QRect TextArea; // inside the frame
    QRect Edit; // where the line edit sits: the text area less the images
    QRect Button; // empty unless in button mode
    QRect LeftImage, RightImage; // empty when not shown
};

// Images take their width plus 2 pixels of spacing at the text area's ends, centred
// down; the button is the record's button rectangle kept at the right end, or without a
// record a square of the frame's right part.
TvnEditLayout LayoutEdit(const TvnDataSkinEditControl* record, const TvnEditLayoutInput& in);

enum class TvnEditHit { None, Text, Frame, Button, LeftImage, RightImage };
TvnEditHit HitTestEdit(const TvnEditLayout& layout, QSize size, QPoint point);

// The skin rectangle of the face: the active one while hot or focused (empty: the
// normal one).
QRect EditFaceRect(const TvnDataSkinEditControl& record, bool active);
// The button's look over the face: the disabled, pressed (empty: hot) or hot rectangle
// of the picture; empty for the normal look, which the face already shows.
QRect EditButtonRect(const TvnDataSkinEditControl& record, bool enabled, bool hot, bool down);
// The fixed left and right edges of the face strip.
int EditLeftEdge(const TvnDataSkinEditControl& record);
int EditRightEdge(const TvnDataSkinEditControl& record);

// The height a field takes: the skin's with a record and the skin font; otherwise from
// the font: its text height + 4 without a record, + the skin's frame height with one.
// No record and the skin font keeps `requested`.
int EditHeight(
    const TvnDataSkinEditControl* record, bool useSkinFont, const QFontMetrics& font, int requested);

} // namespace vnctrls
