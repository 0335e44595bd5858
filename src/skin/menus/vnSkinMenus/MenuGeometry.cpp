#include "MenuGeometry.h"

#include "skin/data/vnUtils/SkinRect.h"

#include <QFontMetrics>
#include <algorithm>

namespace vnmenus {

namespace {

using vnutils::RectBottom;
using vnutils::RectRight;

// Room between a caption and its short-cut text, and the arrow of a sub-menu.
constexpr int kShortCutGap = 16;
constexpr int kArrowRoom = 16;
constexpr int kMinRowWidth = 120;

struct TvnMargins {
    int Left, Top, Right, Bottom;
};

TvnMargins MarginsOf(const TvnMenuLook& look)
{
    if (look.WindowPicture.isNull()) return { look.Margin, look.Margin, look.Margin, look.Margin };
    const QRect items = look.Window.Geometry.ClientRect;
    const QSize pic = look.WindowPicture.size();
    return { items.x(), items.y(), std::max(0, pic.width() - RectRight(items)),
        std::max(0, pic.height() - RectBottom(items)) };
}

int RowWidth(const TvnMenuLook& look, const QFontMetrics& fm, const TvnMenuItem& item)
{
    int w = look.TextLeft + fm.horizontalAdvance(PlainCaption(item.Caption)) + look.TextRightMargin;
    if (!item.ShortCut.isEmpty()) w += kShortCutGap + fm.horizontalAdvance(item.ShortCut);
    if (!item.Items.empty()) w += std::max(kArrowRoom, look.ArrowImage.width());
    return w;
}

// The indexes of the visible items, which are what a scrolling window counts in rows.
std::vector<int> VisibleItems(const TvnMenuItems& items)
{
    std::vector<int> visible;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].Visible) visible.push_back(int(i));
    return visible;
}

bool ScrollsIn(const std::vector<int>& visible, int maxRows)
{
    return maxRows > 0 && int(visible.size()) > maxRows;
}

// Where item `index` comes among the visible ones (the next visible one for an
// invisible item), kept where a window of `maxRows` rows starting there is full.
int ShownPosition(const std::vector<int>& visible, int maxRows, int index)
{
    const int at = int(std::lower_bound(visible.begin(), visible.end(), index) - visible.begin());
    return std::clamp(at, 0, std::max(0, int(visible.size()) - maxRows));
}

// The first item of a full window starting near the `position`-th visible item.
int TopAt(const std::vector<int>& visible, int maxRows, int position)
{
    return visible[std::clamp(position, 0, int(visible.size()) - maxRows)];
}

} // namespace

QChar AccelOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return {};
}

QString PlainCaption(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

TvnMenuLayout LayoutMenu(const TvnMenuLook& look, const TvnMenuItems& items, int maxRows, int top)
{
    const QFontMetrics fm(look.Font);
    const TvnMargins m = MarginsOf(look);
    const int itemHeight = std::max(look.ItemHeight, fm.height() + 4);
    int width = std::max(kMinRowWidth, look.ItemRect.width());
    for (const TvnMenuItem& item : items)
        if (item.Visible && !item.IsSeparator()) width = std::max(width, RowWidth(look, fm, item));
    const auto heightOf = [&](int i) { return items[i].IsSeparator() ? look.DividerHeight : itemHeight; };

    TvnMenuLayout layout;
    layout.Rows.resize(items.size());
    const std::vector<int> visible = VisibleItems(items);
    if (!ScrollsIn(visible, maxRows)) {
        int y = m.Top;
        for (const int i : visible) {
            layout.Rows[i] = QRect(m.Left, y, width, heightOf(i));
            y += heightOf(i);
        }
        layout.Size = QSize(m.Left + width + m.Right, y + m.Bottom);
        return layout;
    }

    // The window is as high as the highest run of `maxRows` visible items, so that it
    // keeps its size (and its place on the screen) whichever run it shows.
    int viewport = 0;
    for (std::size_t first = 0; first + maxRows <= visible.size(); ++first) {
        int h = 0;
        for (int k = 0; k < maxRows; ++k)
            h += heightOf(visible[first + k]);
        viewport = std::max(viewport, h);
    }
    const int position = ShownPosition(visible, maxRows, top);
    layout.Top = visible[position];
    layout.UpMarker = QRect(m.Left, m.Top, width, kScrollMarkerHeight);
    int y = m.Top + kScrollMarkerHeight;
    for (int k = 0; k < maxRows; ++k) {
        const int i = visible[position + k];
        layout.Rows[i] = QRect(m.Left, y, width, heightOf(i));
        y += heightOf(i);
    }
    layout.DownMarker = QRect(m.Left, m.Top + kScrollMarkerHeight + viewport, width, kScrollMarkerHeight);
    layout.CanScrollUp = position > 0;
    layout.CanScrollDown = position + maxRows < int(visible.size());
    layout.Size = QSize(m.Left + width + m.Right, RectBottom(layout.DownMarker) + m.Bottom);
    return layout;
}

int ScrolledTop(const TvnMenuItems& items, int maxRows, int top, int rows)
{
    const std::vector<int> visible = VisibleItems(items);
    if (!ScrollsIn(visible, maxRows)) return 0;
    return TopAt(visible, maxRows, ShownPosition(visible, maxRows, top) + rows);
}

int TopShowing(const TvnMenuItems& items, int maxRows, int top, int index)
{
    const std::vector<int> visible = VisibleItems(items);
    if (!ScrollsIn(visible, maxRows)) return 0;
    const int first = ShownPosition(visible, maxRows, top);
    const auto it = std::lower_bound(visible.begin(), visible.end(), index);
    if (it == visible.end() || *it != index) return visible[first];
    const int at = int(it - visible.begin());
    if (at < first) return TopAt(visible, maxRows, at);
    if (at >= first + maxRows) return TopAt(visible, maxRows, at - maxRows + 1);
    return visible[first];
}

QPoint PlaceMenu(QSize size, const QRect& anchor, const QRect& workArea, TvnPopupPlacement placement)
{
    const int below = RectBottom(workArea) - RectBottom(anchor);
    const int above = anchor.y() - workArea.y();
    bool up = placement == TvnPopupPlacement::Above;
    if (!up && size.height() > below && above > below) up = true;
    if (up && size.height() > above && below > above) up = false;
    int y = up ? anchor.y() - size.height() : RectBottom(anchor);
    int x = anchor.x();
    x = std::min(x, RectRight(workArea) - size.width());
    y = std::min(y, RectBottom(workArea) - size.height());
    return { std::max(x, workArea.x()), std::max(y, workArea.y()) };
}

QPoint PlaceSubMenu(QSize size, const QRect& itemRow, const QRect& workArea, int rowTopInMenu)
{
    int x = RectRight(itemRow);
    if (x + size.width() > RectRight(workArea)) x = itemRow.x() - size.width();
    int y = itemRow.y() - rowTopInMenu;
    y = std::min(y, RectBottom(workArea) - size.height());
    return { std::max(x, workArea.x()), std::max(y, workArea.y()) };
}

int ItemAt(const TvnMenuLayout& layout, QPoint point)
{
    for (std::size_t i = 0; i < layout.Rows.size(); ++i)
        if (layout.Rows[i].contains(point)) return int(i);
    return -1;
}

int NextSelectable(const TvnMenuItems& items, int from, int step)
{
    const int n = int(items.size());
    if (n == 0) return -1;
    int i = from < 0 ? (step > 0 ? -1 : n) : from;
    for (int tries = 0; tries < n; ++tries) {
        i = ((i + step) % n + n) % n;
        if (items[i].Selectable()) return i;
    }
    return -1;
}

int AccelItem(const TvnMenuItems& items, QChar ch)
{
    const QChar wanted = ch.toUpper();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].Selectable() && AccelOf(items[i].Caption) == wanted) return int(i);
    return -1;
}

} // namespace vnmenus
