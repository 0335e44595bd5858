#include "TabGeometry.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>

namespace tabs {

namespace {
bool Vertical(TTabPosition position) { return position == tpLeft || position == tpRight; }
} // namespace

QList<QRect> TabRects(const TTabRow& row)
{
    QList<QRect> rects;
    const int first = std::clamp(row.FirstVisible, 0, std::max(0, static_cast<int>(row.Extents.size()) - 1));
    int along = kRowMargin;
    for (int i = 0; i < first; ++i)
        along -= row.Extents[i];
    const int h = row.TabHeight;
    for (int extent : row.Extents) {
        switch (row.Position) {
        case tpTop:
            rects.append(QRect(along, kRowMargin, extent, h));
            break;
        case tpBottom:
            rects.append(QRect(along, row.Size.height() - kRowMargin - h, extent, h));
            break;
        case tpLeft:
            rects.append(QRect(kRowMargin, along, h, extent));
            break;
        case tpRight:
            rects.append(QRect(row.Size.width() - kRowMargin - h, along, h, extent));
            break;
        }
        along += extent;
    }
    return rects;
}

QRect BodyRect(QSize size, TTabPosition position, int tabHeight)
{
    const QRect all(QPoint(0, 0), size);
    const int strip = kRowMargin + tabHeight;
    switch (position) {
    case tpTop:
        return all.adjusted(0, strip, 0, 0);
    case tpBottom:
        return all.adjusted(0, 0, 0, -strip);
    case tpLeft:
        return all.adjusted(strip, 0, 0, 0);
    case tpRight:
        return all.adjusted(0, 0, -strip, 0);
    }
    return all;
}

QRect PageRect(QSize size, TTabPosition position, int tabHeight)
{
    const QRect page
        = BodyRect(size, position, tabHeight).adjusted(kPageInset, kPageInset, -kPageInset, -kPageInset);
    return page.isValid() ? page : QRect(page.topLeft(), QSize(0, 0));
}

int TabAt(const QList<QRect>& rects, QPoint point)
{
    for (int i = 0; i < rects.size(); ++i)
        if (rects[i].contains(point)) return i;
    return -1;
}

int TabExtent(const QFontMetrics& metrics, const QString& caption, int fixedWidth, int reserved)
{
    if (fixedWidth > 0) return fixedWidth;
    return metrics.horizontalAdvance(caption) + 2 * kCaptionPadding + reserved;
}

bool TabFits(const QRect& rect, QSize size, TTabPosition position)
{
    if (Vertical(position)) return rect.top() >= 0 && rect.bottom() < size.height() - kRowMargin;
    return rect.left() >= 0 && rect.right() < size.width() - kRowMargin;
}

int FirstVisibleFor(const TTabRow& row, int index)
{
    if (index < 0 || index >= row.Extents.size()) return row.FirstVisible;
    if (index < row.FirstVisible) return index;
    TTabRow probe = row;
    while (probe.FirstVisible < index && !TabFits(TabRects(probe)[index], probe.Size, probe.Position))
        ++probe.FirstVisible;
    return probe.FirstVisible;
}

} // namespace tabs
