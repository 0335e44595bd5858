#include "SkinTabGeometry.h"

#include "skin/data/vnUtils/SkinRect.h"

#include <algorithm>

using vnutils::RectBottom;
using vnutils::RectLTRB;
using vnutils::RectRight;

namespace vntabs {

namespace {
// Space on both sides of a close button, and the skinned face's extra room at its end.
constexpr int kCloseSpacing = 2;
constexpr int kSkinnedCloseMargin = 3;
} // namespace

TvnTabInsets InsetsOf(const QRect& skinRect, const QRect& clientRect)
{
    return { clientRect.x(), clientRect.y(), skinRect.width() - RectRight(clientRect),
        skinRect.height() - RectBottom(clientRect) };
}

QRect SkinPageRect(
    const QRect& system, QSize size, TTabPosition position, const std::optional<TvnTabInsets>& insets)
{
    int left = system.x(), top = system.y(), right = RectRight(system), bottom = RectBottom(system);
    const int w = size.width(), h = size.height();
    if (insets) {
        const TvnTabInsets& i = *insets;
        // The frame meets the tabs on every side: the row's margin (2) and the page's
        // inset (4) of the framework's answer give way to the skin's insets.
        switch (position) {
        case tpTop:
            left = i.Left, right = w - i.Right, top = top + i.Top - 6, bottom = h - i.Bottom;
            break;
        case tpBottom:
            left = i.Left, right = w - i.Right, top = top + i.Top - 4, bottom = bottom - i.Bottom + 6;
            break;
        case tpLeft:
            left = left + i.Left - 6, right = w - i.Right, top = top + i.Top - 4, bottom = h - i.Bottom;
            break;
        case tpRight:
            left = i.Left, right = right + 6 - i.Right, top = top + i.Top - 4, bottom = h - i.Bottom;
            break;
        }
    } else {
        // One pixel of frame all round, joined to the tabs (the framework leaves a wider
        // raised border and a gap under its tabs).
        left = 1, top = 1, right = w - 1, bottom = h - 1;
        switch (position) {
        case tpTop:
            top = system.y() - 5;
            break;
        case tpBottom:
            bottom = RectBottom(system) + 5;
            break;
        case tpLeft:
            left = system.x() - 5;
            break;
        case tpRight:
            right = RectRight(system) + 5;
            break;
        }
    }
    return RectLTRB(left, top, std::max(left, right), std::max(top, bottom));
}

QRect SkinTabRect(const QRect& system, TTabPosition position, int centringOffset, bool firstOfRow)
{
    const int first = firstOfRow ? 1 : 0;
    switch (position) {
    case tpTop:
        return system.translated(-2 + centringOffset, -2).adjusted(first, 0, 0, 0);
    case tpBottom:
        return system.translated(-2, 2).adjusted(first, 0, 0, 0);
    case tpLeft:
        return system.translated(-2, 0);
    case tpRight:
        return system.translated(2, 0);
    }
    return system;
}

TvnRowOverflow RowOverflow(const QList<QRect>& tabs, QSize size, TTabPosition position)
{
    const bool vertical = position == tpLeft || position == tpRight;
    const int length = vertical ? size.height() : size.width();
    TvnRowOverflow o;
    for (const QRect& tab : tabs) {
        const int end = vertical ? tab.y() + tab.height() : tab.x() + tab.width();
        if (end <= 0) ++o.Before;
        if (end <= 0 || end > length - 3) ++o.Outside;
    }
    return o;
}

int CentringOffset(int width, int tabCount, int tabWidth)
{
    return std::max(0, width / 2 - tabCount * tabWidth / 2);
}

QRect BodyRect(const QRect& page, const std::optional<TvnTabInsets>& insets)
{
    if (!insets) return page.adjusted(-1, -1, 1, 1);
    return page.adjusted(-insets->Left, -insets->Top, insets->Right, insets->Bottom);
}

QRect TabStripRect(QSize size, const QRect& body, TTabPosition position)
{
    switch (position) {
    case tpTop:
        return RectLTRB(0, 0, size.width(), std::max(0, body.y()));
    case tpBottom:
        return RectLTRB(0, RectBottom(body), size.width(), size.height());
    case tpLeft:
        return RectLTRB(0, 0, std::max(0, body.x()), size.height());
    case tpRight:
        return RectLTRB(RectRight(body), 0, size.width(), size.height());
    }
    return QRect();
}

QRect ActiveTabRect(const QRect& tab, TTabPosition position, int extra)
{
    switch (position) {
    case tpTop:
        return tab.adjusted(0, 0, 0, extra);
    case tpBottom:
        return tab.adjusted(0, -extra, 0, 0);
    case tpLeft:
        return tab.adjusted(0, 0, extra, 0);
    case tpRight:
        return tab.adjusted(-extra, 0, 0, 0);
    }
    return tab;
}

QRect CloseButtonRect(int faceLength, int faceThickness, QSize button, bool skinned)
{
    const int right = faceLength - kCloseSpacing - (skinned ? kSkinnedCloseMargin : 0);
    return QRect(
        right - button.width(), (faceThickness - button.height()) / 2, button.width(), button.height());
}

int ContentLength(int faceLength, int buttonWidth, bool skinned)
{
    return std::max(0, faceLength - (buttonWidth + kCloseSpacing) - (skinned ? kSkinnedCloseMargin : 0));
}

} // namespace vntabs

namespace vntabs {

QRect FaceToTab(const QRect& r, QSize face, TTabPosition position)
{
    const int length = face.width(), thickness = face.height();
    switch (position) {
    case tpTop:
        return r;
    case tpBottom:
        return QRect(r.x(), thickness - RectBottom(r), r.width(), r.height());
    case tpLeft:
        return QRect(r.y(), length - RectRight(r), r.height(), r.width());
    case tpRight:
        return QRect(thickness - RectBottom(r), r.x(), r.height(), r.width());
    }
    return r;
}

QSize FaceSize(const QRect& tab, TTabPosition position)
{
    const bool side = position == tpLeft || position == tpRight;
    return side ? QSize(tab.height(), tab.width()) : tab.size();
}

} // namespace vntabs
