#pragma once
// Where the skinned page control puts its tabs and its page, as pure functions of the
// framework's own answer, the control's size and the record's insets. Painting, hit
// testing and the pages' layout all go through the page control's hooks, which call
// these, so a tab is hit exactly where it is drawn.
//
// Rectangles follow skin/data/vnUtils/SkinRect.h (outer edges at x + width, y + height).
#include "framework/Types.h"

#include <QList>
#include <QMargins>
#include <QRect>
#include <optional>

namespace vntabs {

// The skin's client insets: the frame's widths around the page area.
struct TvnTabInsets {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The insets of a record's skin and client rectangles (the client rectangle relative to
// the skin rectangle's origin).
TvnTabInsets InsetsOf(const QRect& skinRect, const QRect& clientRect);

// The page area from the framework's page rectangle `system` for a control of `size`:
// shrunk to the skin's insets with a record, widened to a one-pixel frame without.
QRect SkinPageRect(
    const QRect& system, QSize size, TTabPosition position, const std::optional<TvnTabInsets>& insets);

// A tab's rectangle moved from the framework's place to the skinned one, and by the
// centring offset for a centred row of top tabs. The first tab of a row along the top or
// bottom starts one pixel further right.
QRect SkinTabRect(const QRect& system, TTabPosition position, int centringOffset, bool firstOfRow = false);
// The tabs a row cannot show whole: those cut off at its far end (their end beyond the
// control's width less 3) and those scrolled off before its start (their end at or before
// 0). A row along the left or right is measured down the control's height.
struct TvnRowOverflow {
    int Outside = 0;
    int Before = 0;
};
TvnRowOverflow RowOverflow(const QList<QRect>& tabs, QSize size, TTabPosition position);

// How far a centred row of `tabCount` tabs of `tabWidth` moves right in a control
// `width` wide; 0 when they do not fit.
int CentringOffset(int width, int tabCount, int tabWidth);

// The frame drawn around the page: the page grown by the insets, or by one pixel.
QRect BodyRect(const QRect& page, const std::optional<TvnTabInsets>& insets);

// The strip the tabs stand in: the control's side beyond the body.
QRect TabStripRect(QSize size, const QRect& body, TTabPosition position);

// The active tab as drawn: grown towards the page by `extra` pixels (its face is that
// much taller than the others).
QRect ActiveTabRect(const QRect& tab, TTabPosition position, int extra);

// The close button's place in a tab's face laid out along the row (`faceLength` x
// `faceThickness`, before any turn): at the far end, centred across.
QRect CloseButtonRect(int faceLength, int faceThickness, QSize button, bool skinned);
// The part of the face the content uses, without the close button's part.
int ContentLength(int faceLength, int buttonWidth, bool skinned);

} // namespace vntabs

namespace vntabs {

// Where rectangle `r` of a tab face composed along the row (`face` long x thick) lands
// in the tab as drawn: bottom tabs are flipped, left tabs turned anticlockwise and right
// tabs clockwise.
QRect FaceToTab(const QRect& r, QSize face, TTabPosition position);
// A tab's face size along the row for its rectangle on screen.
QSize FaceSize(const QRect& tab, TTabPosition position);

} // namespace vntabs
