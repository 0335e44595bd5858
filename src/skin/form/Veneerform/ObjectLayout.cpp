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
    const TvnCornerPoints& corners = info.Geometry.Corners;
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
