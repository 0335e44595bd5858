// Which face a grid cell shows, where it comes from in the skin, and where a cell's text
// goes: pure functions shared by painting and the tests.
#include "GridSnapshot.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/SkinRect.h"

using vnutils::RectEmpty;

namespace vngrid {

TvnCellFace CellFace(TGridDrawState state, bool rowSelect, bool gridFocused, bool dataAware)
{
    if (state & gdFixed) return TvnCellFace::Fixed;
    const bool selected = state & gdSelected;
    if (dataAware) {
        // The current row shows the focused face only while the grid has the focus.
        if (gridFocused && ((state & gdFocused) || (selected && rowSelect))) return TvnCellFace::Focused;
        return selected ? TvnCellFace::Selected : TvnCellFace::Plain;
    }
    if ((state & gdFocused) || (selected && rowSelect)) return TvnCellFace::Focused;
    return selected ? TvnCellFace::Selected : TvnCellFace::Plain;
}

TvnCellSource CellSource(const TvnDataSkinGridControl& r, TvnCellFace face)
{
    // An empty select face takes the focus face and the other way round.
    const QRect select = RectEmpty(r.SelectCellRect) ? r.FocusCellRect : r.SelectCellRect;
    const QRect focus = RectEmpty(r.FocusCellRect) ? r.SelectCellRect : r.FocusCellRect;
    switch (face) {
    case TvnCellFace::Fixed:
        return { r.FixedCellRect, r.FixedCellLeftOffset, r.FixedCellRightOffset, r.FixedCellTextRect,
            r.FixedCellStretchEffect };
    case TvnCellFace::Focused:
        return { focus, r.CellLeftOffset, r.CellRightOffset, r.CellTextRect, r.CellStretchEffect };
    case TvnCellFace::Selected:
        return { select, r.CellLeftOffset, r.CellRightOffset, r.CellTextRect, r.CellStretchEffect };
    case TvnCellFace::Plain:
        break;
    }
    return {};
}

QPoint CellTextOrigin(const QRect& cell, QSize textSize, TAlignment alignment, int inset, bool rightToLeft)
{
    if (rightToLeft && alignment != taCenter)
        alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    const int left = cell.x(), right = vnutils::RectRight(cell);
    int x = left + inset + 2;
    if (alignment == taRightJustify) x = right - textSize.width() - 3;
    if (alignment == taCenter) x = left + (right - left) / 2 - textSize.width() / 2;
    const int y = cell.y() + cell.height() / 2 - textSize.height() / 2;
    return { x, y };
}

QRect FaceTextRect(const QRect& cell, const TvnCellSource& source, bool useSkinCellHeight)
{
    const QRect& t = source.TextRect;
    const int wider = cell.width() - source.Rect.width();
    const int higher = useSkinCellHeight ? 0 : cell.height() - source.Rect.height();
    return vnutils::RectLTRB(cell.x() + t.x(), cell.y() + t.y(), cell.x() + vnutils::RectRight(t) + wider,
        cell.y() + vnutils::RectBottom(t) + higher);
}

} // namespace vngrid
