#pragma once
// What one paint of a scroll bar draws from, decided once at the start of the paint: the
// record (looked up once), the parts' layout at the present size and range, and which
// part is hot or pressed. The draw routines read nothing else of the bar.
#include "ScrollBarGeometry.h"
#include "SkinGeometry.h"

class TvnDataSkinScrollBarControl;

namespace vnctrls {

struct TvnScrollBarSnapshot {
    const TvnDataSkinScrollBarControl* Record = nullptr; // null: the default look
    int RecordIndex = -1;
    QSize Size;
    TvnScrollBarLayout Layout;
    bool Enabled = true;
    int HotPart = kNoPart;
    // The arrow button held with the mouse on it (kNoPart when none).
    int PressedArrow = kNoPart;
    // Dragged, or focused on a bar that takes the focus.
    bool ThumbPressed = false;
    // The thumb's picture is stretched to the thumb's length (a page, or a skin minimum).
    bool StretchThumb = false;
    // The record's geometry as it stood at the paint (its pictures are shared, not copied).
    TvnControlGeometry Geometry;
    TvnCurrentGeometry Current;
};

// Everything the bar's finished picture is drawn from: a paint whose key equals the kept
// picture's copies it. A handful of fixed values, compared without writing them out.
struct TvnScrollBarLookKey {
    int Record = -1;
    QSize Size;
    QRect Thumb, Increase, Decrease;
    bool Enabled = true;
    int HotPart = kNoPart;
    int PressedArrow = kNoPart;
    bool ThumbPressed = false;
    bool StretchThumb = false;
    friend bool operator==(const TvnScrollBarLookKey&, const TvnScrollBarLookKey&) = default;
};

inline TvnScrollBarLookKey LookKey(const TvnScrollBarSnapshot& s)
{
    return { s.RecordIndex, s.Size, s.Layout.Thumb, s.Layout.Increase, s.Layout.Decrease, s.Enabled,
        s.HotPart, s.PressedArrow, s.ThumbPressed, s.StretchThumb };
}

} // namespace vnctrls
