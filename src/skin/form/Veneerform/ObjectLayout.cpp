#include "ObjectLayout.h"

#include "skin/data/vnUtils/SkinRect.h"

using namespace vnutils;

namespace veneer {

TvnObjectFlags CaptionButtonFlags(TvnSkinCommand command, bool skinRectInAPicture, TvnBorderIcons icons,
    bool hideCaptionButtons, bool disableSystemMenu, bool shownByApplication)
{
    if (hideCaptionButtons) return { false, !skinRectInAPicture };
    // Shown when enabled, or whenever the frame picture carries the image.
    const auto enabledBy = [&](TvnBorderIcon icon) {
        const bool on = icons.testFlag(icon);
        return TvnObjectFlags { on, on || !skinRectInAPicture };
    };
    switch (command) {
    case TvnSkinCommand::cmClose:
        return { true, true };
    case TvnSkinCommand::cmMaximize:
        return enabledBy(biMaximize);
    case TvnSkinCommand::cmMinimize:
        return enabledBy(biMinimize);
    case TvnSkinCommand::cmMinimizeToTray:
        return enabledBy(biMinimizeToTray);
    case TvnSkinCommand::cmSysMenu: {
        const bool on = icons.testFlag(biSystemMenu) && !disableSystemMenu;
        return { on, skinRectInAPicture ? on : true };
    }
    case TvnSkinCommand::cmRollUp: {
        const bool on = icons.testFlag(biRollUp);
        return { on, skinRectInAPicture ? on : true };
    }
    case TvnSkinCommand::cmDefault:
        break;
    }
    return { true, shownByApplication };
}

namespace {

bool InArea(const QRect& area, QPoint p)
{
    return p.x() >= area.x() && p.x() < RectRight(area) && p.y() >= area.y() && p.y() < RectBottom(area);
}

} // namespace

QRect MoveWithCorners(const QRect& r, const TvnCornerPoints& corners, QSize skin, int dx, int dy)
{
    const int w = skin.width(), h = skin.height();
    const QRect leftTop = RectLTRB(0, 0, corners.LeftTop.x(), corners.LeftTop.y());
    const QRect rightTop = RectLTRB(corners.RightTop.x(), 0, w, corners.RightTop.y());
    const QRect leftBottom = RectLTRB(0, corners.LeftBottom.y(), corners.LeftBottom.x(), h);
    const QRect rightBottom = RectLTRB(corners.RightBottom.x(), corners.RightBottom.y(), w, h);

    const QPoint tl = r.topLeft();
    const QPoint br(RectRight(r), RectBottom(r));
    const auto both = [&](const QRect& area) { return InArea(area, tl) && InArea(area, br); };
    if (both(leftTop)) return r;
    if (both(rightTop)) return r.translated(dx, 0);
    if (both(leftBottom)) return r.translated(0, dy);
    if (both(rightBottom)) return r.translated(dx, dy);
    QRect moved = r;
    if (InArea(leftTop, tl) && InArea(rightBottom, br)) {
        moved.setWidth(r.width() + dx);
        moved.setHeight(r.height() + dy);
    } else if (InArea(leftTop, tl) && InArea(rightTop, br)) {
        moved.setWidth(r.width() + dx);
    } else if (InArea(leftBottom, tl) && InArea(rightBottom, br)) {
        moved.setWidth(r.width() + dx);
        moved.translate(0, dy);
    } else if (InArea(leftTop, tl) && InArea(leftBottom, br)) {
        moved.setHeight(r.height() + dy);
    } else if (InArea(rightTop, tl) && InArea(rightBottom, br)) {
        moved.translate(dx, 0);
        moved.setHeight(r.height() + dy);
    }
    return moved;
}

namespace {

bool InRow(const TvnLayoutObject& o)
{
    return o.SkinRectInAPicture && o.Shown
        && (o.Kind == TvnObjectKind::StdButton || o.Kind == TvnObjectKind::Animate);
}

QSize RowSize(const TvnLayoutObject& o) { return o.Size.isEmpty() ? o.SkinRect.size() : o.Size; }

TvnLayoutObject* FirstOf(std::span<TvnLayoutObject> objects, TvnSkinCommand command)
{
    for (TvnLayoutObject& o : objects)
        if (InRow(o) && o.Command == command) return &o;
    return nullptr;
}

TvnLayoutObject* FirstCaption(std::span<TvnLayoutObject> objects)
{
    for (TvnLayoutObject& o : objects)
        if (o.Kind == TvnObjectKind::Caption) return &o;
    return nullptr;
}

// The buttons of the row in their order: one per command, close first, then every
// default-command object in list order.
template <class Place> void ForEachRowButton(std::span<TvnLayoutObject> objects, Place place)
{
    static constexpr TvnSkinCommand kOrder[] = { TvnSkinCommand::cmClose, TvnSkinCommand::cmMaximize,
        TvnSkinCommand::cmMinimize, TvnSkinCommand::cmRollUp, TvnSkinCommand::cmMinimizeToTray };
    for (TvnSkinCommand command : kOrder)
        if (TvnLayoutObject* o = FirstOf(objects, command)) place(*o);
    for (TvnLayoutObject& o : objects)
        if (InRow(o) && o.Command == TvnSkinCommand::cmDefault) place(o);
}

void SetLeft(QRect& r, int left) { r = RectLTRB(left, r.y(), RectRight(r), RectBottom(r)); }
void SetRight(QRect& r, int right) { r.setWidth(right - r.x()); }

} // namespace

void LayoutObjects(
    std::span<TvnLayoutObject> objects, const TvnSkinFormInfo& info, QSize picture, QSize frame)
{
    const TvnFrameGeometry g = UpdateFrameGeometry(info, picture, frame);
    const TvnCornerPoints corners { info.LeftTopPoint, info.RightTopPoint, info.LeftBottomPoint,
        info.RightBottomPoint };
    const int dx = frame.width() - picture.width();
    const int dy = frame.height() - picture.height();

    for (TvnLayoutObject& o : objects)
        o.Rect = o.SkinRectInAPicture ? o.SkinRect : MoveWithCorners(o.SkinRect, corners, picture, dx, dy);

    const bool inButtonsRect = !RectEmpty(g.NewButtonsRect);
    const QRect row = inButtonsRect ? g.NewButtonsRect : g.NewCaptionRect;
    if (RectEmpty(row)) return;
    const int top = row.y();
    TvnLayoutObject* caption = FirstCaption(objects);
    TvnLayoutObject* sysMenu = FirstOf(objects, TvnSkinCommand::cmSysMenu);

    if (!g.ButtonsInLeft) {
        int x = RectRight(row);
        ForEachRowButton(objects, [&](TvnLayoutObject& o) {
            const QSize s = RowSize(o);
            o.Rect = QRect(x - s.width(), top, s.width(), s.height());
            x -= s.width() + g.ButtonsOffset;
        });
        if (!inButtonsRect && caption) SetRight(caption->Rect, x + g.ButtonsOffset);
    } else {
        int x = row.x();
        const auto place = [&](TvnLayoutObject& o) {
            const QSize s = RowSize(o);
            o.Rect = QRect(x, top, s.width(), s.height());
            x += s.width() + g.ButtonsOffset;
        };
        ForEachRowButton(objects, place);
        if (!inButtonsRect) {
            if (sysMenu) place(*sysMenu);
            if (caption) SetLeft(caption->Rect, x + g.ButtonsOffset);
            return;
        }
    }

    // The system-menu button opens the caption, centred in its height.
    if (!sysMenu) return;
    const QRect& cap = g.NewCaptionRect;
    const QSize s = RowSize(*sysMenu);
    sysMenu->Rect = QRect(cap.x(), cap.y() + cap.height() / 2 - s.height() / 2, s.width(), s.height());
    if (caption) SetLeft(caption->Rect, RectRight(sysMenu->Rect));
}

} // namespace veneer
