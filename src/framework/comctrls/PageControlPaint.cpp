// The page control's own look in system colours: a raised body, raised tabs, the active
// tab a little larger and joined to the body, a focus rectangle on it while focused.
#include "PageControl.h"

#include <QPainter>

namespace {

QColor Sys(TColor color) { return ToQColor(color); }

// The active tab grows by two pixels away from the body and sideways, and by one pixel
// into the body so the body's edge under it is covered.
QRect Grown(const QRect& r, TTabPosition position)
{
    switch (position) {
    case tpTop:
        return r.adjusted(-2, -2, 2, 1);
    case tpBottom:
        return r.adjusted(-2, -1, 2, 2);
    case tpLeft:
        return r.adjusted(-2, -2, 1, 2);
    case tpRight:
        return r.adjusted(-1, -2, 2, 2);
    }
    return r;
}

void DrawBody(QPainter& p, const QRect& r)
{
    p.setPen(Sys(clr::clBtnHighlight));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Sys(clr::cl3DDkShadow));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(Sys(clr::clBtnShadow));
    p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
}

// The three edges of a tab away from the body.
void DrawTabEdges(QPainter& p, const QRect& r, TTabPosition position)
{
    const QColor light = Sys(clr::clBtnHighlight), dark = Sys(clr::cl3DDkShadow);
    switch (position) {
    case tpTop:
        p.setPen(light);
        p.drawLine(r.bottomLeft(), r.topLeft());
        p.drawLine(r.topLeft(), r.topRight());
        p.setPen(dark);
        p.drawLine(r.topRight(), r.bottomRight());
        break;
    case tpBottom:
        p.setPen(light);
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.bottomRight(), r.topRight());
        break;
    case tpLeft:
        p.setPen(light);
        p.drawLine(r.topRight(), r.topLeft());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        break;
    case tpRight:
        p.setPen(light);
        p.drawLine(r.topLeft(), r.topRight());
        p.setPen(dark);
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomRight(), r.bottomLeft());
        break;
    }
}

void DrawTab(QPainter& p, const TPageControlSnapshot& s, const TTabPaintItem& tab)
{
    const QRect r = tab.Active ? Grown(tab.Rect, s.Position) : tab.Rect;
    p.fillRect(r, Sys(s.Color));
    DrawTabEdges(p, r, s.Position);
    p.setPen(Sys(s.Enabled ? s.FontColor : clr::clGrayText));
    p.setFont(s.Font);
    p.drawText(tab.Rect, Qt::AlignCenter | Qt::TextSingleLine, tab.Caption);
    if (tab.Active && s.Focused) {
        QPen pen(Sys(clr::clWindowText), 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(tab.Rect.adjusted(2, 2, -3, -3));
    }
}

} // namespace

void TPageControl::PaintControl(QPainter& painter, const TPageControlSnapshot& s)
{
    painter.fillRect(s.Bounds, Sys(s.Color));
    DrawBody(painter, s.Body);
    for (const TTabPaintItem& tab : s.Tabs)
        if (!tab.Active) DrawTab(painter, s, tab);
    for (const TTabPaintItem& tab : s.Tabs)
        if (tab.Active) DrawTab(painter, s, tab);
}
