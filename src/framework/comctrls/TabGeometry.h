#pragma once
// Where a page control's tabs and page lie: pure functions of the control's size, the
// side of the tabs, the tab height and each tab's length along the row. Painting and
// hit testing both read these, so a tab is hit exactly where it is drawn.
#include "framework/Types.h"

#include <QList>
#include <QRect>

class QFontMetrics;
class QString;

namespace tabs {

// The row starts this far in from the control's edge and from the side it runs along.
inline constexpr int kRowMargin = 2;
// Room left and right of a caption inside its tab.
inline constexpr int kCaptionPadding = 6;
// The page lies this far inside the body's frame.
inline constexpr int kPageInset = 4;

struct TTabRow {
    QSize Size;
    TTabPosition Position = tpTop;
    int TabHeight = 20;
    // Each visible tab's length along the row.
    QList<int> Extents;
    // The first tab shown at the row's start; the ones before it lie before the start.
    int FirstVisible = 0;
};

// The tabs' rectangles in control coordinates, in tab order.
QList<QRect> TabRects(const TTabRow& row);
// The framed body under the tabs, and the page inside it.
QRect BodyRect(QSize size, TTabPosition position, int tabHeight);
QRect PageRect(QSize size, TTabPosition position, int tabHeight);
// The index of the rectangle holding `point`, or -1. Rectangles are half-open: the pixel
// after a tab's last column belongs to the next tab.
int TabAt(const QList<QRect>& rects, QPoint point);
// A tab's length for a caption: the fixed width when given, else the caption's width
// with padding plus `reserved` (room for an image or a close button).
int TabExtent(const QFontMetrics& metrics, const QString& caption, int fixedWidth, int reserved);
// Whether a tab's rectangle lies wholly inside the row of a control this size.
bool TabFits(const QRect& rect, QSize size, TTabPosition position);
// The first visible tab that brings tab `index` wholly into the row, keeping `first`
// when it already shows.
int FirstVisibleFor(const TTabRow& row, int index);

} // namespace tabs
