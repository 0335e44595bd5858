#include "DefaultFrame.h"

#include "FrameGeometry.h"
#include "platform/Colors.h"

#include <QPainter>

namespace veneer {

int DefaultButtonSize(bool toolWindow) { return toolWindow ? 13 : 17; }

namespace {

TvnLayoutObject* FirstShown(std::span<TvnLayoutObject> objects, TvnSkinCommand command)
{
    for (TvnLayoutObject& o : objects)
        if (o.Kind == TvnObjectKind::StdButton && o.Command == command && o.Shown) return &o;
    return nullptr;
}

} // namespace

QRect LayoutDefaultButtons(
    std::span<TvnLayoutObject> objects, int frameWidth, bool toolWindow, QSize sysMenuSize)
{
    static constexpr TvnSkinCommand kOrder[] = { TvnSkinCommand::cmClose, TvnSkinCommand::cmMaximize,
        TvnSkinCommand::cmMinimize, TvnSkinCommand::cmRollUp, TvnSkinCommand::cmMinimizeToTray };
    const int s = DefaultButtonSize(toolWindow);
    int x = frameWidth - 3;
    for (TvnSkinCommand command : kOrder) {
        if (TvnLayoutObject* o = FirstShown(objects, command)) {
            o->Rect = QRect(x - s, 4, s, s);
            x -= s;
        }
    }
    int left = 3;
    if (TvnLayoutObject* menu = FirstShown(objects, TvnSkinCommand::cmSysMenu)) {
        menu->Rect = QRect(3, 4, sysMenuSize.width(), sysMenuSize.height());
        left = 3 + sysMenuSize.width();
    }
    return QRect(left, 3, x - left, DefaultCaptionHeight(toolWindow) - 3);
}

namespace {

// Lines leave out their end point, as the classic line call draws them.
void Line(QPainter& p, int x0, int y0, int x1, int y1)
{
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i < steps; ++i)
        p.drawPoint(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
}

// An outline with right and bottom exclusive.
void Outline(QPainter& p, int l, int t, int r, int b) { p.drawRect(l, t, r - l - 1, b - t - 1); }

enum class TvnGlyph { Cross, Maximize, Restore, Minimize, Menu, RollUp, RollDown, Tray };

void DrawGlyph(QPainter& p, TvnGlyph glyph, int a, int b, const QColor& color)
{
    p.setPen(color);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case TvnGlyph::Cross:
        Line(p, a + 1, b + 1, a + 9, b + 9);
        Line(p, a + 9, b + 1, a + 1, b + 9);
        Line(p, a + 2, b + 1, a + 10, b + 9);
        Line(p, a + 8, b + 1, a, b + 9);
        break;
    case TvnGlyph::Maximize:
        Outline(p, a, b, a + 11, b + 10);
        Outline(p, a, b, a + 11, b + 2);
        break;
    case TvnGlyph::Restore:
        Outline(p, a + 2, b, a + 10, b + 6);
        Outline(p, a + 2, b, a + 10, b + 2);
        Outline(p, a, b + 4, a + 7, b + 10);
        Outline(p, a, b + 4, a + 7, b + 6);
        break;
    case TvnGlyph::Minimize:
        Line(p, a + 1, b + 8, a + 9, b + 8);
        Line(p, a + 1, b + 9, a + 9, b + 9);
        break;
    case TvnGlyph::Menu:
        Outline(p, a + 1, b + 3, a + 9, b + 6);
        break;
    case TvnGlyph::RollUp:
        for (int i = 0; i <= 4; ++i)
            Line(p, a + 1 + i, b + 6 - i, a + 9 - i, b + 6 - i);
        break;
    case TvnGlyph::RollDown:
        for (int i = 0; i <= 4; ++i)
            Line(p, a + 5 - i, b + 6 - i, a + 5 + i, b + 6 - i);
        break;
    case TvnGlyph::Tray:
        p.fillRect(QRect(a + 2, b + 2, 5, 5), color);
        break;
    }
}

TvnGlyph GlyphOf(const TvnDefaultButtonLook& look)
{
    switch (look.Command) {
    case TvnSkinCommand::cmMaximize:
        return look.Maximized ? TvnGlyph::Restore : TvnGlyph::Maximize;
    case TvnSkinCommand::cmMinimize:
        return look.Minimized ? TvnGlyph::Restore : TvnGlyph::Minimize;
    case TvnSkinCommand::cmSysMenu:
        return TvnGlyph::Menu;
    case TvnSkinCommand::cmRollUp:
        return look.RolledUp ? TvnGlyph::RollDown : TvnGlyph::RollUp;
    case TvnSkinCommand::cmMinimizeToTray:
        return TvnGlyph::Tray;
    case TvnSkinCommand::cmClose:
    case TvnSkinCommand::cmDefault:
        break;
    }
    return TvnGlyph::Cross;
}

} // namespace

void DrawDefaultButton(QPainter& p, const QRect& rect, const TvnDefaultButtonLook& look)
{
    p.save();
    p.translate(rect.topLeft());
    const int w = rect.width(), h = rect.height();
    p.fillRect(0, 0, w, h, ToQColor(clr::clBtnFace));
    if (look.MouseIn) {
        p.fillRect(0, 0, w, h, look.Pressed ? QColor(133, 147, 181) : QColor(182, 189, 210));
        p.setPen(ToQColor(clr::clNavy));
        p.setBrush(Qt::NoBrush);
        p.drawRect(0, 0, w - 1, h - 1);
    }
    const int shift = look.Pressed && look.MouseIn ? 1 : 0;
    const QColor color = ToQColor(look.Available ? clr::clBtnText : clr::clBtnShadow);
    DrawGlyph(p, GlyphOf(look), w / 2 - 5 + shift, h / 2 - 4 + shift, color);
    p.restore();
}

} // namespace veneer
