#pragma once
// The skinned frame's geometry at its present size: the rectangles and points of the
// skin's frame description ([FORMINFO]) moved to the frame's width and height, the
// client area the frame leaves, and the smallest frame the skin allows.
//
// These are pure functions of (frame description, size of MainPicture, frame size and
// state), so painting, the non-client size, the window region and the hit test all get
// the same answer. Rectangles follow the skin's convention (vnutils/SkinRect.h): outer
// edges at x + width and y + height.
#include "skin/data/vnSkinData/SkinFormInfo.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace veneer {

struct TvnFrameGeometry {
    // Corner points cutting the frame into its nine parts.
    TvnCornerPoints Corners;
    QRect NewClientRect;
    QRect NewCaptionRect;
    QRect NewButtonsRect;
    bool ButtonsInLeft = false;
    int ButtonsOffset = 0;
    // Corner points of the sizing zones.
    TvnCornerPoints HitTest;
    QRect NewMaskRectArea;
};

// The frame description moved to a frame of `frame` size, `picture` being the size of
// the skin's MainPicture: right-hand points and edges follow the right edge, bottom ones
// the bottom edge. A caption rectangle grows only when it is not empty; a buttons
// rectangle drawn in the right half of the picture follows the right edge.
TvnFrameGeometry UpdateFrameGeometry(const TvnSkinFormInfo& info, QSize picture, QSize frame);

// The client rectangle of a skinned window whose outer rectangle is `window` (screen or
// parent coordinates): the insets of the skin's client rectangle within MainPicture,
// which therefore stay the same at every size. Never negative in size.
QRect SkinnedClientRect(const TvnSkinFormInfo& info, QSize picture, const QRect& window);

// Which composed border image a frame object is drawn into: the bottom one when the
// object reaches below the client's top edge, else the top one. `Offset` takes frame
// coordinates into that image. The side images carry no objects: one placed on a side
// border, beside the client area, falls outside the bottom image and is not drawn.
struct TvnObjectStrip {
    bool Bottom = false;
    QPoint Offset;
};
TvnObjectStrip ObjectStrip(const QRect& objectRect, const QRect& clientRect);

// The caption height of the frame drawn without a skin: tool windows get a lower one.
int DefaultCaptionHeight(bool toolWindow);

// The client rectangle of the frame drawn without a skin: 3-pixel borders and the
// default caption.
QRect DefaultClientRect(const QRect& window, bool toolWindow);

// What the size limits depend on besides the skin.
struct TvnFrameLimits {
    int MinWidth = 0; // the form's own limits; 0 = none
    int MinHeight = 0;
    bool Minimized = false;
    bool RolledUp = false;
    bool ToolWindow = false;
};

// The smallest frame width: the skin's smallest width (or MainPicture's width when it
// names none) unless the form asks for more; without a skin (`info` null) the form's
// limit or 120.
int GetMinWidth(const TvnSkinFormInfo* info, QSize picture, const TvnFrameLimits& limits);

// The smallest frame height: the frame without any client area (MainPicture's height
// less its client rectangle's), unless the form asks for more while neither rolled up nor
// minimized.
int GetMinHeight(const TvnSkinFormInfo* info, QSize picture, const TvnFrameLimits& limits);

} // namespace veneer
