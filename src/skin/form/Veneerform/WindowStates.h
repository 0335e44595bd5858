#pragma once
// The arithmetic of the frame's own window states: where a minimized bar goes, what a
// maximized frame covers, where the first show puts a form, what a caption double click
// does, how the magnetic edges hold a moving form, how a sizing rectangle keeps the
// limits, and the opacity steps of the fade-in. Pure functions, tested on their own and
// called by the frame.
#include "platform/Messages.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <span>
#include <vector>

namespace veneer {

// The frame's window state, kept instead of the form's.
enum class TvnWindowState { wsNormal, wsMinimized, wsMaximized };

// The size limits WM_GETMINMAXINFO carries: the smallest and the largest frame the
// frame allows while it is moved or sized.
struct TvnMinMaxInfo {
    QSize MinTrackSize;
    QSize MaxTrackSize;
};

// The largest frame: the work area's size (the monitor's full rectangle on full
// screen), each side replaced by the form's own limit when that is set and smaller.
QSize MaxFrameSize(const QRect& area, int maxWidth, int maxHeight);

// The place of the next minimized bar of `bar` size in `area`: from the bottom-left
// corner to the right, a row that would pass the right edge continuing one bar higher,
// and back to the bottom-left when the rows reach the top. `taken` holds the top-left
// corners of the bars already there.
QPoint NextMinimizedPlace(const QRect& area, QSize bar, std::span<const QPoint> taken);

// What a maximized frame covers: the work area, or the monitor's full rectangle on
// full screen. A work area as large as the monitor, which is the whole screen (no task
// bar shows), loses one pixel on every side, so that a bar the desktop pops up at an
// edge can still be reached.
QRect MaximizedBounds(const QRect& workArea, const QRect& monitor, const QRect& screen, bool fullScreen);

// A form of `size` centred in `area`, with integer halves.
QPoint CentredIn(const QRect& area, QSize size);

// What a double click on the caption does.
enum class TvnCaptionDoubleClick { Restore, Maximize, ToggleRollUp };
struct TvnCaptionClickState {
    bool Resizable = false;
    bool Minimized = false;
    bool Maximized = false;
    bool RolledUp = false;
    bool RollUpFromMaximized = false;
    bool MaximizeIcon = false;
};
TvnCaptionDoubleClick CaptionDoubleClickAction(const TvnCaptionClickState& s);

// The magnetic edges of a moving form: each edge of the work area holds the form once
// it comes nearer than the magnetic size, until the cursor has moved more than that
// size away from where the edge caught it.
struct TvnMagneticState {
    bool StuckLeft = false;
    bool StuckTop = false;
    bool StuckRight = false;
    bool StuckBottom = false;
    QPoint Cursor; // where the cursor was when an edge caught the form
    void Clear() { *this = {}; }
};

// The top-left corner of a form proposed at `proposed` while the cursor is at `cursor`,
// with the edges of `area` holding it; updates the state.
QPoint MagneticPosition(
    TvnMagneticState& state, const QRect& area, const QRect& proposed, QPoint cursor, int magneticSize);

// The rectangle of a form sized from `start` by dragging the edges `hit` names by
// `delta`, kept within the limits: the opposite edges stay where they were.
QRect SizedRect(const QRect& start, LRESULT hit, QPoint delta, const TvnMinMaxInfo& limits);

// A rectangle held within the limits with its edges named by `hit` moving and the
// others staying (the WM_SIZING correction).
QRect ClampSizing(const QRect& proposed, LRESULT hit, const TvnMinMaxInfo& limits);

// The opacities of the fade-in, from the first step to `target`: steps of 10 from 0,
// the last one capped at the target.
std::vector<int> FadeSteps(int target);

} // namespace veneer
