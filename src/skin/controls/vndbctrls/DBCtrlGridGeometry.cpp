#include "DBCtrlGridGeometry.h"

#include <algorithm>

namespace vndb {

int ClampCount(int count) { return std::clamp(count, 1, kMaxCount); }

int ClampPanelSize(int size) { return std::clamp(size, 1, kMaxPanelSize); }

QRect PanelRect(const TvnGridLayout& layout, int index)
{
    const int column = layout.Vertical() ? index % layout.ColCount : index / layout.RowCount;
    const int row = layout.Vertical() ? index / layout.ColCount : index % layout.RowCount;
    return QRect(column * layout.PanelWidth, row * layout.PanelHeight, layout.PanelWidth, layout.PanelHeight);
}

int PanelAt(const TvnGridLayout& layout, QPoint point)
{
    if (point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / layout.PanelWidth;
    const int row = point.y() / layout.PanelHeight;
    if (column >= layout.ColCount || row >= layout.RowCount) return -1;
    return layout.Vertical() ? row * layout.ColCount + column : column * layout.RowCount + row;
}

QSize FittedSize(const TvnGridLayout& layout, int barThickness)
{
    QSize size(layout.PanelWidth * layout.ColCount, layout.PanelHeight * layout.RowCount);
    if (layout.Vertical())
        size.rwidth() += barThickness;
    else
        size.rheight() += barThickness;
    return size;
}

QSize PanelSizeFor(const TvnGridLayout& layout, QSize size, int barThickness)
{
    const int width = (size.width() - (layout.Vertical() ? barThickness : 0)) / layout.ColCount;
    const int height = (size.height() - (layout.Vertical() ? 0 : barThickness)) / layout.RowCount;
    return QSize(std::max(1, width), std::max(1, height));
}

QRect ScrollBarRect(const TvnGridLayout& layout, QSize size, int barThickness)
{
    if (layout.Vertical()) return QRect(size.width() - barThickness, 0, barThickness, size.height());
    return QRect(0, size.height() - barThickness, size.width(), barThickness);
}

int StepAcross(const TvnGridLayout& layout) { return layout.Vertical() ? 1 : layout.RowCount; }

int StepDown(const TvnGridLayout& layout) { return layout.Vertical() ? layout.ColCount : 1; }

int AlignmentMove(const TvnGridLayout& layout, int panelAfter, int distance)
{
    const int s = layout.Vertical() ? layout.ColCount : layout.RowCount;
    // C++ remainders truncate towards zero, as the alignment rule wants.
    if (distance < 1) return 1 - s - ((panelAfter + 1) % s);
    return s - (panelAfter % s) - 1;
}

TvnGridScrollRange ScrollRangeFor(const TvnGridLayout& layout, int recordCount, int recNo)
{
    const int page = layout.PanelCount();
    return { 1, page + recordCount - 1, page, recNo };
}

} // namespace vndb
