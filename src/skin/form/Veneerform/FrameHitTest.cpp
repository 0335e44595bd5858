#include "FrameHitTest.h"

#include "skin/data/vnUtils/FBitmap.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace vnutils;

namespace veneer {

namespace {

bool BlackAt(const QImage& image, QPoint p)
{
    if (image.isNull() || !image.rect().contains(p)) return false;
    return TvnFBitmap::IsBlack(image.pixel(p));
}

// The code of a point that lies on no sizing zone.
LRESULT InnerCode(const TvnSkinHitInput& in, QPoint p)
{
    if (in.Geometry.NewClientRect.contains(p)) return ht::HTCLIENT;
    if (in.Caption.contains(p)) return ht::HTCAPTION;
    return ht::HTOBJECT;
}

bool NearBorder(const TvnSkinHitInput& in, QPoint p)
{
    const int b = in.BorderWidth;
    const QPoint probes[]
        = { { p.x() - b, p.y() }, { p.x(), p.y() - b }, { p.x() + b, p.y() }, { p.x(), p.y() + b } };
    const QRect window(QPoint(0, 0), in.Frame);
    if (!in.MaskStrips) {
        for (const QPoint q : probes)
            if (!window.contains(q)) return true;
        return false;
    }
    if (in.Geometry.NewMaskRectArea.contains(p)) return false;
    for (const QPoint q : probes)
        if (!InFrameShape(*in.MaskStrips, in.Geometry.NewMaskRectArea, in.Frame, q)) return true;
    return false;
}

LRESULT SizingCode(const TvnSkinHitInput& in, QPoint p)
{
    const TvnCornerPoints& c = in.Geometry.HitTest;
    const QRect& client = in.Geometry.NewClientRect;
    const int x = p.x(), y = p.y(), w = in.Frame.width(), h = in.Frame.height();
    if (x <= c.LeftTop.x() && y <= c.LeftTop.y()) return ht::HTTOPLEFT;
    if (x >= c.RightTop.x() && y <= c.RightTop.y()) return ht::HTTOPRIGHT;
    if (x <= c.LeftBottom.x() && y >= c.LeftBottom.y()) return ht::HTBOTTOMLEFT;
    if (x >= c.RightBottom.x() && y >= c.RightBottom.y()) return ht::HTBOTTOMRIGHT;
    if (RectLTRB(c.LeftTop.x(), 0, c.RightTop.x(), client.y()).contains(p)) return ht::HTTOP;
    if (RectLTRB(c.LeftBottom.x(), RectBottom(client), c.RightBottom.x(), h).contains(p)) return ht::HTBOTTOM;
    if (RectLTRB(0, c.LeftTop.y(), client.x(), c.LeftBottom.y()).contains(p)) return ht::HTLEFT;
    if (RectLTRB(RectRight(client), c.RightTop.y(), w, c.RightBottom.y()).contains(p)) return ht::HTRIGHT;
    return ht::HTNOWHERE;
}

} // namespace

bool InFrameShape(const TvnFrameStrips& mask, const QRect& maskArea, QSize frame, QPoint p)
{
    const int w = frame.width(), h = frame.height();
    if (!QRect(0, 0, w, h).contains(p)) return false;
    if (maskArea.contains(p)) return true;
    const int top = mask.Top.height(), bottom = mask.Bottom.height();
    if (p.y() < top) return BlackAt(mask.Top, p);
    if (p.y() >= h - bottom) return BlackAt(mask.Bottom, QPoint(p.x(), p.y() - (h - bottom)));
    if (p.x() < mask.Left.width()) return BlackAt(mask.Left, QPoint(p.x(), p.y() - top));
    if (p.x() >= w - mask.Right.width())
        return BlackAt(mask.Right, QPoint(p.x() - (w - mask.Right.width()), p.y() - top));
    return true;
}

LRESULT SkinHitCode(const TvnSkinHitInput& in, QPoint p)
{
    const TvnFrameHitState& s = in.State;
    if (s.RolledUp || s.Minimized) return in.Caption.contains(p) ? ht::HTCAPTION : ht::HTOBJECT;
    if (s.ObjectActive && !in.Caption.contains(p) && !in.Geometry.NewClientRect.contains(p) && !s.InMoveSize)
        return ht::HTOBJECT;
    if (!s.Maximized && s.Resizable) {
        if (!NearBorder(in, p)) return InnerCode(in, p);
        const LRESULT sizing = SizingCode(in, p);
        if (sizing != ht::HTNOWHERE) return sizing;
    }
    return InnerCode(in, p);
}

LRESULT DefaultHitCode(const TvnDefaultHitInput& in, QPoint p)
{
    const TvnFrameHitState& s = in.State;
    const int x = p.x(), y = p.y(), w = in.Frame.width(), h = in.Frame.height();
    if (!s.Maximized && !s.RolledUp && !s.Minimized && s.Resizable) {
        if (s.ObjectActive) return ht::HTOBJECT;
        if (x <= 2 && y <= 2) return ht::HTTOPLEFT;
        if (x >= w - 2 && y <= 2) return ht::HTTOPRIGHT;
        if (x <= 2 && y >= h - 2) return ht::HTBOTTOMLEFT;
        if (x >= w - 2 && y >= h - 2) return ht::HTBOTTOMRIGHT;
        if (x <= 2) return ht::HTLEFT;
        if (y <= 2) return ht::HTTOP;
        if (x >= w - 2) return ht::HTRIGHT;
        if (y >= h - 2) return ht::HTBOTTOM;
    }
    if (in.CaptionTextArea.contains(p)) return ht::HTCAPTION;
    const int ch = DefaultCaptionHeight(in.ToolWindow);
    if (RectLTRB(3, ch + 3, w - 3, h - 3).contains(p)) return ht::HTCLIENT;
    return ht::HTOBJECT;
}

bool SizesLeft(LRESULT hit) { return ht::SizingEdges(hit).testFlag(Qt::LeftEdge); }
bool SizesTop(LRESULT hit) { return ht::SizingEdges(hit).testFlag(Qt::TopEdge); }
bool SizesRight(LRESULT hit) { return ht::SizingEdges(hit).testFlag(Qt::RightEdge); }
bool SizesBottom(LRESULT hit) { return ht::SizingEdges(hit).testFlag(Qt::BottomEdge); }
bool IsSizingCode(LRESULT hit) { return hit >= ht::HTLEFT && hit <= ht::HTBOTTOMRIGHT; }

int ObjectUnder(const TvnFrameObjectList& objects, QPoint p, const std::function<bool(int, QPoint)>& inObject)
{
    for (int i = 0; i < objects.Count(); ++i) {
        const TvnLayoutObject& o = objects.LayoutAt(i);
        if (!objects.State(i).Available || !o.Shown || !o.Rect.contains(p)) continue;
        if (!inObject || inObject(i, p - o.Rect.topLeft())) return i;
    }
    return -1;
}

bool InObjectMask(const QImage& mask, QPoint local)
{
    if (mask.isNull()) return true;
    return BlackAt(mask, local);
}

} // namespace veneer
