#include "ScrollBarGeometry.h"

#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <algorithm>
#include <cmath>

using vnutils::RectBottom;
using vnutils::RectLTRB;
using vnutils::RectRight;

namespace vnctrls {

namespace {

constexpr int kDefaultButton = 17;
constexpr int kDefaultThumb = 16;

// Rounding to the nearest integer, halves to even.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// The position's share of the whole range; 0 for an empty range.
double RangeRatio(const TvnScrollRange& r)
{
    return r.Max == r.Min ? 0.0 : double(r.Position - r.Min) / double(r.Max - r.Min);
}

// The position's share of the range the page can travel. A range no larger than the page
// puts a horizontal thumb at the end and a vertical one at the start.
double PageRatio(const TvnScrollRange& r, bool vertical)
{
    const int travel = r.Max - r.PageSize - r.Min + 1;
    if (travel <= 0) return vertical ? 0.0 : 1.0;
    return double(r.Position - r.Min) / double(travel);
}

int PageThumbLength(const TvnScrollRange& r, int trackLength, int least)
{
    const int divisor = r.Max - r.Min + 1;
    const int length = divisor == 0 ? 0 : RoundEven(double(trackLength) * r.PageSize / divisor);
    // A page larger than the range would push the thumb out of its track.
    return std::min(std::max(length, least), std::max(trackLength, least));
}

// A rectangle `from`..`to` along the bar spanning `across` the other way.
QRect AlongRect(bool vertical, int from, int to, int acrossFrom, int acrossTo)
{
    return vertical ? RectLTRB(acrossFrom, from, acrossTo, to) : RectLTRB(from, acrossFrom, to, acrossTo);
}

} // namespace

TvnScrollBarLayout DefaultScrollBarLayout(
    QSize size, TScrollBarKind kind, const TvnScrollRange& range, int markerWidth)
{
    TvnScrollBarLayout l;
    l.Vertical = kind == sbVertical;
    const int length = l.Vertical ? size.height() : size.width() - std::max(0, markerWidth);
    const int thickness = l.Vertical ? size.width() : size.height();
    l.Decrease = AlongRect(l.Vertical, 1, kDefaultButton, 1, thickness - 1);
    l.Increase = AlongRect(l.Vertical, length - kDefaultButton, length - 1, 1, thickness - 1);
    l.Track = AlongRect(l.Vertical, kDefaultButton, length - kDefaultButton, 1, thickness - 1);
    const int start = kDefaultButton, end = length - kDefaultButton;
    int thumbFrom = start, thumbTo = start;
    if (range.PageSize != 0) {
        const int half = PageThumbLength(range, end - start, kDefaultThumb) / 2;
        l.Offset1 = start + half;
        l.Offset2 = end - half;
        l.ThumbOffset = RoundEven(PageRatio(range, l.Vertical) * (end - 2 * half - start));
        thumbFrom = start + l.ThumbOffset;
        thumbTo = thumbFrom + 2 * half;
    } else {
        l.Offset1 = start + kDefaultThumb / 2;
        l.Offset2 = end - kDefaultThumb / 2;
        l.ThumbOffset = RoundEven(RangeRatio(range) * (end - start - kDefaultThumb));
        thumbFrom = start + l.ThumbOffset;
        thumbTo = thumbFrom + kDefaultThumb;
    }
    l.Thumb = AlongRect(l.Vertical, thumbFrom, thumbTo, 1, thickness - 1);
    return l;
}

TvnScrollBarLayout SkinnedScrollBarLayout(
    QSize size, TScrollBarKind kind, const TvnScrollRange& range, const TvnDataSkinScrollBarControl& record)
{
    TvnScrollBarLayout l;
    l.Vertical = kind == sbVertical;
    const QRect skin = record.SkinRect;
    const TvnCornerPoints& points = record.Geometry.Corners;
    l.Track = record.TrackArea;
    l.Increase = record.UpButtonRect;
    l.Decrease = record.DownButtonRect;
    if (l.Vertical) {
        const int grow = size.height() - skin.height();
        l.Track.setHeight(l.Track.height() + grow);
        for (QRect* button : { &l.Increase, &l.Decrease })
            if (button->y() > points.LeftBottom.y()) button->translate(0, grow);
    } else {
        const int grow = size.width() - skin.width();
        l.Track.setWidth(l.Track.width() + grow);
        for (QRect* button : { &l.Increase, &l.Decrease })
            if (button->x() > points.RightTop.x()) button->translate(grow, 0);
    }
    const QRect thumb = record.ThumbRect;
    const int ownLength = l.Vertical ? thumb.height() : thumb.width();
    const int thickness = l.Vertical ? thumb.width() : thumb.height();
    const int base = record.ThumbMinSize != 0 ? record.ThumbMinSize : ownLength;
    const int start = l.TrackStart(), end = l.TrackEnd();
    int length = base;
    double ratio = 0;
    if (range.PageSize != 0) {
        length = PageThumbLength(range, end - start, base);
        ratio = PageRatio(range, l.Vertical);
    } else {
        length = record.ThumbMinPageSize != 0 ? record.ThumbMinPageSize : base;
        ratio = RangeRatio(range);
    }
    const int half = length / 2;
    l.Offset1 = start + half;
    l.Offset2 = end - half;
    l.ThumbOffset = RoundEven(ratio * (l.Offset2 - l.Offset1));
    const int centre = l.Offset1 + l.ThumbOffset;
    const int acrossStart = l.Vertical ? l.Track.x() : l.Track.y();
    const int acrossSize = l.Vertical ? l.Track.width() : l.Track.height();
    const int acrossFrom = acrossStart + acrossSize / 2 - thickness / 2;
    l.Thumb = AlongRect(l.Vertical, centre - half, centre + half, acrossFrom, acrossFrom + thickness);
    return l;
}

int ScrollPartAt(const TvnScrollBarLayout& layout, QPoint p)
{
    for (int part : { kThumbPart, kIncreasePart, kDecreasePart }) {
        const QRect r = layout.Part(part);
        if (p.x() >= r.x() && p.x() < RectRight(r) && p.y() >= r.y() && p.y() < RectBottom(r)) return part;
    }
    return kNoPart;
}

int ClampScrollPosition(const TvnScrollRange& range, int value)
{
    if (value < range.Min) return range.Min;
    const int highest = range.PageSize != 0 ? range.Max - range.PageSize + 1 : range.Max;
    return std::max(range.Min, std::min(value, highest));
}

int DragScrollPosition(const TvnScrollRange& range, int offset1, int offset2, int startOffset, int moved)
{
    const int travel = offset2 - offset1;
    const double t = travel > 0 ? std::clamp(double(moved + startOffset) / travel, 0.0, 1.0) : 0.0;
    const int span = range.PageSize != 0 ? range.Max - range.Min - range.PageSize + 1 : range.Max - range.Min;
    return range.Min + RoundEven(span * t);
}

} // namespace vnctrls
