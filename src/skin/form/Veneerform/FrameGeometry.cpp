#include "FrameGeometry.h"

#include "skin/data/vnUtils/SkinRect.h"

#include <algorithm>

using namespace vnutils;

namespace veneer {

namespace {

QRect GrowRightBottom(const QRect& r, int dx, int dy)
{
    return QRect(r.x(), r.y(), r.width() + dx, r.height() + dy);
}

} // namespace

TvnFrameGeometry UpdateFrameGeometry(const TvnSkinFormInfo& info, QSize picture, QSize frame)
{
    const int dx = frame.width() - picture.width();
    const int dy = frame.height() - picture.height();

    TvnFrameGeometry g;
    g.Corners = GrownCorners(info.Geometry.Corners, dx, dy);
    g.NewClientRect = GrowRightBottom(info.Geometry.ClientRect, dx, dy);
    g.NewCaptionRect
        = RectEmpty(info.CaptionRect) ? info.CaptionRect : GrowRightBottom(info.CaptionRect, dx, 0);
    g.NewButtonsRect = info.ButtonsRect;
    if (!RectEmpty(g.NewButtonsRect) && picture.width() / 2 < g.NewButtonsRect.x())
        g.NewButtonsRect.translate(dx, 0);
    g.ButtonsInLeft = info.ButtonsInLeft;
    g.ButtonsOffset = info.ButtonsOffset;
    g.HitTest = GrownCorners(info.HitTest, dx, dy);
    g.NewMaskRectArea = GrowRightBottom(info.MaskRectArea, dx, dy);
    return g;
}

namespace {

// Right and bottom are raised to left and top where they fell below them.
QRect NonNegative(int left, int top, int right, int bottom)
{
    return RectLTRB(left, top, std::max(right, left), std::max(bottom, top));
}

} // namespace

QRect SkinnedClientRect(const TvnSkinFormInfo& info, QSize picture, const QRect& window)
{
    const QRect& cr = info.Geometry.ClientRect;
    return NonNegative(window.x() + cr.x(), window.y() + cr.y(),
        RectRight(window) + (RectRight(cr) - picture.width()),
        RectBottom(window) + (RectBottom(cr) - picture.height()));
}

TvnObjectStrip ObjectStrip(const QRect& objectRect, const QRect& clientRect)
{
    if (RectBottom(objectRect) > clientRect.y()) return { true, QPoint(0, -RectBottom(clientRect)) };
    return {};
}

int DefaultCaptionHeight(bool toolWindow) { return toolWindow ? 15 : 19; }

QRect DefaultClientRect(const QRect& window, bool toolWindow)
{
    return NonNegative(window.x() + 3, window.y() + DefaultCaptionHeight(toolWindow) + 3,
        RectRight(window) - 3, RectBottom(window) - 3);
}

int GetMinWidth(const TvnSkinFormInfo* info, QSize picture, const TvnFrameLimits& limits)
{
    if (!info) return limits.MinWidth > 0 ? limits.MinWidth : 120;
    const int w0 = picture.width();
    if (w0 < limits.MinWidth && !limits.Minimized) return limits.MinWidth;
    if (info->FormMinWidth > 0)
        return info->FormMinWidth >= limits.MinWidth || limits.Minimized ? info->FormMinWidth
                                                                         : limits.MinWidth;
    return w0;
}

int GetMinHeight(const TvnSkinFormInfo* info, QSize picture, const TvnFrameLimits& limits)
{
    const int h0 = info ? picture.height() - info->Geometry.ClientRect.height()
                        : DefaultCaptionHeight(limits.ToolWindow) + 6;
    if (h0 >= limits.MinHeight || limits.RolledUp || limits.Minimized) return h0;
    return limits.MinHeight;
}

} // namespace veneer
