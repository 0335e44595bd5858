#pragma once
// Where a scroll bar's parts lie, as pure functions of its size, orientation, range and
// (in the skinned look) its record: the two arrow buttons, the track, the thumb and the
// thumb's travel. Painting, the mouse and dragging all read these, so a part is hit
// exactly where it is drawn.
//
// Rectangles follow skin/data/vnUtils/SkinRect.h (outer edges at x + width, y + height).
#include "framework/Types.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class TvnDataSkinScrollBarControl;

namespace vnctrls {

struct TvnScrollRange {
    int Min = 0;
    int Max = 100;
    int Position = 0;
    // 0: a thumb of fixed length.
    int PageSize = 0;
    friend bool operator==(const TvnScrollRange&, const TvnScrollRange&) = default;
};

// The three parts that react to the mouse, by their index in the bar's part table.
enum TvnScrollPart { kNoPart = -1, kThumbPart = 0, kIncreasePart = 1, kDecreasePart = 2 };

struct TvnScrollBarLayout {
    QRect Thumb;
    QRect Increase; // right or bottom ("up" in the skin's names)
    QRect Decrease; // left or top ("down")
    QRect Track;
    // The first and last possible centre of the thumb along the bar, and the thumb's
    // offset from the first.
    int Offset1 = 0;
    int Offset2 = 0;
    int ThumbOffset = 0;
    bool Vertical = false;

    QRect Part(int part) const
    {
        return part == kThumbPart   ? Thumb
            : part == kIncreasePart ? Increase
            : part == kDecreasePart ? Decrease
                                    : QRect();
    }
    // Coordinates along the bar.
    int Along(QPoint p) const { return Vertical ? p.y() : p.x(); }
    int ThumbStart() const { return Vertical ? Thumb.y() : Thumb.x(); }
    int ThumbEnd() const { return Vertical ? Thumb.y() + Thumb.height() : Thumb.x() + Thumb.width(); }
    int TrackStart() const { return Vertical ? Track.y() : Track.x(); }
    int TrackEnd() const { return Vertical ? Track.y() + Track.height() : Track.x() + Track.width(); }
};

// The default look's layout. `markerWidth` is the corner marker's width cut off the end
// of a horizontal bar that shares its corner (0 when it does not).
TvnScrollBarLayout DefaultScrollBarLayout(
    QSize size, TScrollBarKind kind, const TvnScrollRange& range, int markerWidth);
// The skinned layout from the record: the track and the buttons beyond the stretching
// point move with the size.
TvnScrollBarLayout SkinnedScrollBarLayout(
    QSize size, TScrollBarKind kind, const TvnScrollRange& range, const TvnDataSkinScrollBarControl& record);

// The part under `p` (thumb first, then the increasing and the decreasing button).
int ScrollPartAt(const TvnScrollBarLayout& layout, QPoint p);
// The value the position setter stores for `value`.
int ClampScrollPosition(const TvnScrollRange& range, int value);
// The position a thumb drag gives: `moved` pixels along the bar since the drag began at
// thumb offset `startOffset`, with the thumb's travel `offset1`..`offset2`.
int DragScrollPosition(const TvnScrollRange& range, int offset1, int offset2, int startOffset, int moved);

} // namespace vnctrls
