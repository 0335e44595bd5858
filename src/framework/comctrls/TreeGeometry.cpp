#include "TreeGeometry.h"

#include <algorithm>

namespace tree {

namespace {
// Space between the picture and the text, and around the text.
constexpr int kGap = 2;
constexpr int kButtonSize = 9;
} // namespace

int RowAt(const TRowLayout& l, int y, int rowCount)
{
    if (y < l.Area.top() || y > l.Area.bottom() || l.ItemHeight <= 0) return -1;
    const int row = l.TopRow + (y - l.Area.top()) / l.ItemHeight;
    return row < rowCount ? row : -1;
}

QRect RowRect(const TRowLayout& l, int row)
{
    return QRect(l.Area.left(), l.Area.top() + (row - l.TopRow) * l.ItemHeight, l.Area.width(), l.ItemHeight);
}

QRect ButtonRect(const TRowLayout& l, int row, int level)
{
    const QRect r = RowRect(l, row);
    const int x = l.Area.left() - l.HorzOffset + level * l.Indent;
    return QRect(
        x + (l.Indent - kButtonSize) / 2, r.top() + (r.height() - kButtonSize) / 2, kButtonSize, kButtonSize);
}

QRect IconRect(const TRowLayout& l, int row, int level)
{
    const QRect r = RowRect(l, row);
    const int x = l.Area.left() - l.HorzOffset + (level + 1) * l.Indent;
    return QRect(x, r.top() + (r.height() - l.ImageWidth) / 2, l.ImageWidth, l.ImageWidth);
}

QRect LabelRect(const TRowLayout& l, int row, int level, int textWidth)
{
    const QRect r = RowRect(l, row);
    const QRect icon = IconRect(l, row, level);
    const int x = icon.left() + l.ImageWidth + (l.ImageWidth > 0 ? kGap : 0);
    return QRect(x, r.top(), textWidth + 2 * kGap, r.height());
}

THitPart HitPart(const TRowLayout& l, QPoint p, int row, int level, int textWidth)
{
    if (!RowRect(l, row).contains(p)) return THitPart::Nowhere;
    const int buttonLeft = l.Area.left() - l.HorzOffset + level * l.Indent;
    if (p.x() < buttonLeft) return THitPart::Indent;
    if (p.x() < buttonLeft + l.Indent) return THitPart::Button;
    if (l.ImageWidth > 0 && p.x() < IconRect(l, row, level).right() + 1) return THitPart::Icon;
    const QRect label = LabelRect(l, row, level, textWidth);
    if (p.x() < label.left()) return THitPart::Icon;
    if (p.x() <= label.right()) return THitPart::Label;
    return THitPart::Right;
}

int FullyVisibleRows(const TRowLayout& l)
{
    return l.ItemHeight > 0 ? std::max(1, l.Area.height() / l.ItemHeight) : 1;
}

int ContentRight(const TRowLayout& l, int level, int textWidth)
{
    TRowLayout unscrolled = l;
    unscrolled.HorzOffset = 0;
    return LabelRect(unscrolled, unscrolled.TopRow, level, textWidth).right() + 1 - l.Area.left();
}

} // namespace tree
