#include "WindowStates.h"

#include "FrameHitTest.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <algorithm>

using namespace vnutils;

namespace veneer {

QSize MaxFrameSize(const QRect& area, int maxWidth, int maxHeight)
{
    QSize s = area.size();
    if (maxWidth != 0 && maxWidth < s.width()) s.setWidth(maxWidth);
    if (maxHeight != 0 && maxHeight < s.height()) s.setHeight(maxHeight);
    return s;
}

QPoint NextMinimizedPlace(const QRect& area, QSize bar, std::span<const QPoint> taken)
{
    const int w = bar.width(), h = bar.height();
    int x = area.x(), y = RectBottom(area) - h;
    const auto isTaken = [&](QPoint p) { return std::find(taken.begin(), taken.end(), p) != taken.end(); };
    // Every place is tried at most once, so a full area ends the search too.
    const std::size_t limit = taken.size() + 1;
    for (std::size_t tries = 0; tries < limit && isTaken(QPoint(x, y)); ++tries) {
        x += w;
        if (x + w > RectRight(area)) {
            x = area.x();
            y -= h;
        }
        if (y < area.y()) {
            y = RectBottom(area) - h;
            break;
        }
    }
    return QPoint(x, y);
}

QRect MaximizedBounds(const QRect& workArea, const QRect& monitor, const QRect& screen, bool fullScreen)
{
    if (fullScreen) return monitor;
    if (workArea == monitor && monitor == screen) return workArea.adjusted(1, 1, -1, -1);
    return workArea;
}

QPoint CentredIn(const QRect& area, QSize size)
{
    return QPoint(
        area.x() + area.width() / 2 - size.width() / 2, area.y() + area.height() / 2 - size.height() / 2);
}

TvnCaptionDoubleClick CaptionDoubleClickAction(const TvnCaptionClickState& s)
{
    if (s.Resizable && s.Minimized) return TvnCaptionDoubleClick::Restore;
    if (s.Resizable && !s.Maximized && !s.RolledUp && s.MaximizeIcon) return TvnCaptionDoubleClick::Maximize;
    if (s.Resizable && s.Maximized && !s.RollUpFromMaximized) return TvnCaptionDoubleClick::Restore;
    return TvnCaptionDoubleClick::ToggleRollUp;
}

namespace {

// One edge: `pos` is the proposed coordinate of the form's edge, `edge` the area's,
// `offset` what lies between the form's corner and that edge of the form; `cursor` and
// `caught` the cursor's coordinate now and when the edge caught the form. The edge
// stays caught while the form it placed is near it: judged by the proposed position,
// the form would come loose after a pixel or two of cursor travel instead of the
// magnetic size.
int HoldEdge(bool& stuck, int pos, int edge, int offset, int cursor, int& caught, int m, int current)
{
    const auto near = [&](int at) { return edge - m < at && at < edge + m; };
    int result = current;
    if (near(pos) && !stuck) {
        result = edge - offset;
        caught = cursor;
        stuck = true;
    } else if (stuck) {
        result = std::abs(cursor - caught) > m ? edge - offset + (cursor - caught) : edge - offset;
        stuck = near(result + offset);
    }
    return result;
}

} // namespace

QPoint MagneticPosition(TvnMagneticState& s, const QRect& area, const QRect& proposed, QPoint cursor, int m)
{
    int left = proposed.x(), top = proposed.y();
    const int w = proposed.width(), h = proposed.height();
    int cx = s.Cursor.x(), cy = s.Cursor.y();
    left = HoldEdge(s.StuckLeft, proposed.x(), area.x(), 0, cursor.x(), cx, m, left);
    left = HoldEdge(s.StuckRight, proposed.x() + w, RectRight(area), w, cursor.x(), cx, m, left);
    top = HoldEdge(s.StuckTop, proposed.y(), area.y(), 0, cursor.y(), cy, m, top);
    top = HoldEdge(s.StuckBottom, proposed.y() + h, RectBottom(area), h, cursor.y(), cy, m, top);
    s.Cursor = QPoint(cx, cy);
    return QPoint(left, top);
}

QRect ClampSizing(const QRect& proposed, LRESULT hit, const TvnMinMaxInfo& limits)
{
    int l = proposed.x(), t = proposed.y(), r = RectRight(proposed), b = RectBottom(proposed);
    const auto clampSpan = [](int span, int lo, int hi) { return std::max(lo, std::min(span, hi)); };
    const int w = clampSpan(r - l, limits.MinTrackSize.width(), limits.MaxTrackSize.width());
    const int h = clampSpan(b - t, limits.MinTrackSize.height(), limits.MaxTrackSize.height());
    if (SizesLeft(hit))
        l = r - w;
    else
        r = l + w;
    if (SizesTop(hit))
        t = b - h;
    else
        b = t + h;
    return RectLTRB(l, t, r, b);
}

QRect SizedRect(const QRect& start, LRESULT hit, QPoint d, const TvnMinMaxInfo& limits)
{
    int l = start.x(), t = start.y(), r = RectRight(start), b = RectBottom(start);
    if (SizesLeft(hit)) l += d.x();
    if (SizesRight(hit)) r += d.x();
    if (SizesTop(hit)) t += d.y();
    if (SizesBottom(hit)) b += d.y();
    return ClampSizing(RectLTRB(l, t, r, b), hit, limits);
}

std::vector<int> FadeSteps(int target)
{
    std::vector<int> steps;
    target = std::clamp(target, 0, 255);
    for (int v = 0; v < target;) {
        v = std::min(v + 10, target);
        steps.push_back(v);
    }
    return steps;
}

} // namespace veneer
