#include "FrameObjectPaint.h"

#include "DefaultFrame.h"
#include "framework/Font.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/TextRoutines.h"
#include "skin/data/vnUtils/ThreePartStrip.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <QPainter>

using namespace vnutils;

namespace veneer {

namespace {

// The picture an object's own images lie in: its numbered picture, else the frame's.
const QImage& ObjectPicture(const TvnSkinData& skin, const TvnDataSkinObject& record)
{
    if (record.ActivePictureIndex >= 0 && record.ActivePictureIndex < skin.Pictures.size())
        return skin.Pictures.at(record.ActivePictureIndex);
    return skin.MainPicture;
}

struct TvnObjectImage {
    const QImage* Picture = nullptr;
    QRect Source;
    // A blend drawn instead of a piece of a picture, while a morph is under way.
    QImage Blend;
};

// While a hover change blends the normal look into the active one (or back), the image
// of the moment; null when no blend is under way.
QImage MorphImage(const TvnDataSkinObject& record, const TvnFrameObjectState& s,
    const TvnObjectPaintContext& c, const QImage& picture)
{
    const TvnSkinData& skin = *c.Skin;
    if (!record.Morphing || !skin.EnableSkinEffects() || RectEmpty(record.ActiveSkinRect)) return {};
    const bool underWay = s.Highlighted ? s.MorphFactor != 1 : s.MorphFactor != 0;
    if (!underWay) return {};
    const QImage& normalPicture = record.SkinRectInAPicture ? picture : skin.MainPicture;
    TvnEffectBmp from(normalPicture.copy(record.SkinRect));
    const TvnEffectBmp to(picture.copy(record.ActiveSkinRect));
    if (from.Image().size() != to.Image().size()) return {};
    from.Morph(to, record.MorphKind, s.MorphFactor);
    return from.Image();
}

// The restore look of a caption button whose command is in its restored state.
bool RestoreLook(const TvnDataSkinStdButton& b, const TvnFrameObjectState& s, const TvnObjectPaintContext& c,
    const QImage& picture, TvnObjectImage& image)
{
    const bool restoreState = (b.Command == TvnSkinCommand::cmMaximize && c.Maximized)
        || (b.Command == TvnSkinCommand::cmMinimize && c.Minimized)
        || (b.Command == TvnSkinCommand::cmRollUp && c.RolledUp);
    if (!restoreState || !s.Available || RectEmpty(b.RestoreRect)) return false;
    image.Picture = &picture;
    if (!c.Active && !RectEmpty(b.RestoreInactiveRect))
        image.Source = b.RestoreInactiveRect;
    else if (s.Pressed && s.MouseIn && !RectEmpty(b.RestoreDownRect))
        image.Source = b.RestoreDownRect;
    else if (s.Highlighted && !RectEmpty(b.RestoreActiveRect))
        image.Source = b.RestoreActiveRect;
    else
        image.Source = b.RestoreRect;
    return true;
}

// Which image of its pictures an object shows in its present state; no picture when the
// frame picture already shows it.
TvnObjectImage ImageOf(
    const TvnDataSkinObject& record, const TvnFrameObjectState& s, const TvnObjectPaintContext& c)
{
    const TvnSkinData& skin = *c.Skin;
    const QImage& picture = ObjectPicture(skin, record);
    TvnObjectImage image;
    if (const auto* b = dynamic_cast<const TvnDataSkinStdButton*>(&record))
        if (RestoreLook(*b, s, c, picture, image)) return image;
    const auto* button = dynamic_cast<const TvnDataSkinButton*>(&record);
    if (s.Available && !c.Active && !RectEmpty(record.InactiveSkinRect)) {
        image = { &picture, record.InactiveSkinRect, {} };
    } else if (button && !s.Available && !RectEmpty(button->DisableSkinRect)) {
        image = { &picture, button->DisableSkinRect, {} };
    } else if (button && s.Pressed && s.MouseIn && !RectEmpty(button->DownRect)) {
        image = { &picture, button->DownRect, {} };
    } else if (QImage blend = MorphImage(record, s, c, picture); !blend.isNull()) {
        image.Blend = std::move(blend);
    } else if (s.Highlighted && !RectEmpty(record.ActiveSkinRect)) {
        image = { &picture, record.ActiveSkinRect, {} };
    } else if (c.DrawNormal || record.SkinRectInAPicture) {
        image = { record.SkinRectInAPicture ? &picture : &skin.MainPicture, record.SkinRect, {} };
    }
    return image;
}

} // namespace

void DrawFrameObject(
    QPainter& painter, const TvnLayoutObject& o, const TvnFrameObjectState& s, const TvnObjectPaintContext& c)
{
    if (!o.Shown) return;
    if (!c.Skin || s.RecordIndex < 0) {
        if (o.Kind != TvnObjectKind::StdButton) return;
        TvnDefaultButtonLook look;
        look.Command = o.Command;
        look.Available = s.Available;
        look.MouseIn = s.MouseIn;
        look.Pressed = s.Pressed;
        look.Maximized = c.Maximized;
        look.Minimized = c.Minimized;
        look.RolledUp = c.RolledUp;
        DrawDefaultButton(painter, o.Rect, look);
        return;
    }
    const TvnDataSkinObject* record = c.Skin->FrameObject(s.RecordIndex);
    if (!record) return;
    if (o.Kind == TvnObjectKind::User) {
        if (c.OnPaintEvent && *c.OnPaintEvent) (*c.OnPaintEvent)(s.IDName, &painter, o.Rect);
        return;
    }
    const TvnObjectImage image = ImageOf(*record, s, c);
    if (!image.Blend.isNull())
        painter.drawImage(o.Rect.topLeft(), image.Blend);
    else if (image.Picture && !image.Picture->isNull() && !RectEmpty(image.Source))
        painter.drawImage(o.Rect.topLeft(), *image.Picture, image.Source);
    if (const auto* caption = dynamic_cast<const TvnDataSkinCaption*>(record))
        DrawCaptionText(painter, *caption, *c.Skin, o.Rect, c);
}

void DrawCaptionText(QPainter& painter, const TvnDataSkinCaption& caption, const TvnSkinData& skin,
    const QRect& objectRect, const TvnObjectPaintContext& c)
{
    if (c.OnCaptionPaint && *c.OnCaptionPaint) {
        (*c.OnCaptionPaint)(c.Sender, &painter, objectRect, c.Active);
        return;
    }
    if (c.Caption.isEmpty() || RectEmpty(caption.TextRect)) return;
    painter.save();
    painter.setFont(TFont::MakeQFont(caption.FontName, caption.FontHeight, caption.FontStyle));
    const QFontMetrics metrics = painter.fontMetrics();

    // The text rectangle stretches with the object, and moves into the caption frame.
    QRect r = caption.TextRect;
    r.setWidth(r.width() + objectRect.width() - caption.SkinRect.width());
    const bool framed = !RectEmpty(caption.FrameRect);
    if (framed) {
        const QRect& ft = caption.FrameTextRect;
        r = RectLTRB(r.x() + ft.x(), r.y() + ft.y(), RectRight(r) + RectRight(ft) - caption.FrameRect.width(),
            RectBottom(r));
    }
    const QString text = ShortenText(metrics, c.Caption, r.width());
    const int tw = TextWidth(metrics, text), th = TextHeight(metrics, text);
    const int y = r.y() + r.height() / 2 - th / 2;
    int x = r.x();
    if (caption.Alignment == taRightJustify)
        x = RectRight(r) - tw;
    else if (caption.Alignment == taCenter)
        x = r.x() + r.width() / 2 - tw / 2;
    painter.translate(objectRect.topLeft());

    if (framed) {
        const QImage& picture = ObjectPicture(skin, caption);
        const QRect source
            = c.Active && !RectEmpty(caption.ActiveFrameRect) ? caption.ActiveFrameRect : caption.FrameRect;
        const QRect& ft = caption.FrameTextRect;
        const int width = caption.FullFrame ? objectRect.width() - 2 * skin.ButtonsOffset
                                            : caption.FrameRect.width() + tw - ft.width();
        const QPoint at
            = caption.FullFrame ? QPoint(skin.ButtonsOffset, y - ft.y()) : QPoint(x - ft.x(), y - ft.y());
        if (width > 0)
            painter.drawImage(at,
                HorizontalStrip(picture, source, caption.FrameLeftOffset, caption.FrameRightOffset, width,
                    caption.StretchEffect));
    }

    // Light above-left, shadow below-right, then the text itself.
    const QRect bounds(0, 0, objectRect.width(), objectRect.height());
    const auto drawAt = [&](int dx, int dy, TColor color) {
        painter.setPen(ToQColor(color));
        painter.drawText(
            QRect(x + dx, y + dy, tw + 1, th), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    };
    painter.setClipRect(bounds);
    if (caption.Light) drawAt(-1, -1, c.Active ? caption.ActiveLightColor : caption.LightColor);
    if (caption.Shadow) drawAt(1, 1, c.Active ? caption.ActiveShadowColor : caption.ShadowColor);
    drawAt(0, 0, c.Active ? caption.ActiveFontColor : caption.FontColor);
    painter.restore();
}

} // namespace veneer
