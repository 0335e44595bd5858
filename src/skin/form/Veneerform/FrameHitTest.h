#pragma once
// Which part of a skinned frame a point lies on: the hit code the window procedure
// answers to WM_NCHITTEST, and which frame object is under the mouse. Pure functions of
// the frame's geometry and state, so that the hit test, the mouse handling and painting
// agree on every pixel.
#include "FrameGeometry.h"
#include "FrameObjectList.h"
#include "platform/Messages.h"
#include "skin/data/vnUtils/FrameStrips.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

namespace veneer {

// What the hit code depends on besides the point.
struct TvnFrameHitState {
    bool Resizable = false;
    bool Maximized = false;
    bool Minimized = false;
    bool RolledUp = false;
    bool InMoveSize = false;
    // A frame object holds the mouse (the last mouse test found one).
    bool ObjectActive = false;
};

struct TvnSkinHitInput {
    QSize Frame;
    TvnFrameGeometry Geometry;
    // How deep the sizing zones reach in from the window's edge (or its shape's edge).
    int BorderWidth = 0;
    // The mask cut like the frame; null without a mask, when the shape is the rectangle.
    const vnutils::TvnFrameStrips* MaskStrips = nullptr;
    // The first caption object's place; empty without one.
    QRect Caption;
    TvnFrameHitState State;
};

// Whether a point of the frame lies inside the window's shape: inside the mask's always
// opaque area, or on a black pixel of the kept mask strips.
bool InFrameShape(const vnutils::TvnFrameStrips& mask, const QRect& maskArea, QSize frame, QPoint p);

// The hit code of a point (frame coordinates) of a skinned frame: the caption, the
// client area, one of the eight sizing codes within BorderWidth of the edge of a
// resizable frame that is not maximized, or HTOBJECT for everything else.
LRESULT SkinHitCode(const TvnSkinHitInput& in, QPoint p);

struct TvnDefaultHitInput {
    QSize Frame;
    // The caption text area left between the default caption buttons.
    QRect CaptionTextArea;
    bool ToolWindow = false;
    TvnFrameHitState State;
};

// The hit code of a point of the frame drawn without a skin: 2-pixel sizing zones on a
// resizable frame, the caption text area, the client area inside the 3-pixel borders.
LRESULT DefaultHitCode(const TvnDefaultHitInput& in, QPoint p);

// Whether a sizing code names the left, top, right or bottom edge.
bool SizesLeft(LRESULT hit);
bool SizesTop(LRESULT hit);
bool SizesRight(LRESULT hit);
bool SizesBottom(LRESULT hit);
bool IsSizingCode(LRESULT hit);

// The object under a point (frame coordinates): the first available and shown object
// whose place holds the point and whose `inObject` (object index, point relative to the
// object's top-left) accepts it; -1 for none.
int ObjectUnder(
    const TvnFrameObjectList& objects, QPoint p, const std::function<bool(int, QPoint)>& inObject = {});

// An object's own mask test: inside the mask picture, a black pixel; outside it, no.
// A null mask accepts every point.
bool InObjectMask(const QImage& mask, QPoint local);

} // namespace veneer
