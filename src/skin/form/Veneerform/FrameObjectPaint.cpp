#include "FrameObjectPaint.h"

#include "DefaultFrame.h"
#include "framework/Font.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/TextRoutines.h"
#include "skin/data/vnUtils/ThreePartStrip.h"
#include "skin/data/vneffects/EffectBmp.h"
#include "skin/data/vneffects/TextEffects.h"

#include <QPainter>
#include <algorithm>

using namespace vnutils;

namespace veneer {

namespace {

struct TvnObjectImage {
    const QImage* Picture = nullptr;
    QRect Source;
    // A blend drawn instead of a piece of a picture, while a morph is under way.
    QImage Blend;
};

// While a hover change blends the normal look (`normal` of `normalPicture`) into the
// active one (`active` of the object's picture) or back, the image of the moment; null
// when no blend is under way.
QImage MorphImage(const TvnObjectRecord& r, const TvnFrameObjectState& s, const TvnObjectPaintContext& c,
    const QImage& normalPicture, const QRect& normal, const QRect& active)
{
    if (!r.Morphing || !c.Skin->EnableSkinEffects() || RectEmpty(active)) return {};
    const bool underWay = s.Highlighted ? s.MorphFactor != 1 : s.MorphFactor != 0;
    if (!underWay) return {};
    TvnEffectBmp from(normalPicture.copy(normal));
    const TvnEffectBmp to(r.Picture.copy(active));
    if (from.Image().size() != to.Image().size()) return {};
    from.Morph(to, r.Object->MorphKind, s.MorphFactor);
    return from.Image();
}

bool InRestoreState(TvnSkinCommand command, const TvnObjectPaintContext& c)
{
    return (command == TvnSkinCommand::cmMaximize && c.Maximized)
        || (command == TvnSkinCommand::cmMinimize && c.Minimized)
        || (command == TvnSkinCommand::cmRollUp && c.RolledUp);
}

// The restore look of a caption button whose command is in its restored state, blending
// between its normal and active restore images as the other images do.
bool RestoreLook(const TvnObjectRecord& r, const TvnFrameObjectState& s, const TvnObjectPaintContext& c,
    TvnObjectImage& image)
{
    const TvnDataSkinStdButton& b = *r.StdButton;
    const QImage& picture = r.Picture;
    if (!InRestoreState(b.Command, c) || !s.Available || RectEmpty(b.RestoreRect)) return false;
    image.Picture = &picture;
    if (!c.Active && !RectEmpty(b.RestoreInactiveRect))
        image.Source = b.RestoreInactiveRect;
    else if (s.Pressed && s.MouseIn && !RectEmpty(b.RestoreDownRect))
        image.Source = b.RestoreDownRect;
    else if (QImage blend = MorphImage(r, s, c, picture, b.RestoreRect, b.RestoreActiveRect); !blend.isNull())
        image.Blend = std::move(blend);
    else if (s.Highlighted && !RectEmpty(b.RestoreActiveRect))
        image.Source = b.RestoreActiveRect;
    else
        image.Source = b.RestoreRect;
    return true;
}

// An animated object's image: while its menu shows, its down image (else the last frame,
// where the opening put it); its inactive or down image where the state asks for one,
// else frame FrameIndex of the frames lying side by side from its skin rectangle; the
// restore rectangles stand in for the normal ones while its command is restored.
TvnObjectImage AnimateImage(
    const TvnObjectRecord& r, const TvnFrameObjectState& s, const TvnObjectPaintContext& c)
{
    const TvnDataSkinAnimate& a = *r.Animate;
    const bool restore = !RectEmpty(a.RestoreRect) && InRestoreState(a.Command, c);
    const QRect& first = restore ? a.RestoreRect : a.SkinRect;
    const QRect& down = restore ? a.RestoreDownRect : a.DownSkinRect;
    const QRect& inactive = restore ? a.RestoreInactiveRect : a.InactiveSkinRect;
    TvnObjectImage image { &r.Picture, {}, {} };
    if (s.MenuOpen && !RectEmpty(down))
        image.Source = down;
    else if (!s.MenuOpen && !c.Active && !RectEmpty(inactive))
        image.Source = inactive;
    else if (s.Pressed && s.MouseIn && !RectEmpty(down))
        image.Source = down;
    else
        image.Source = first.translated(
            (std::clamp(s.FrameIndex, 1, std::max(a.CountFrames, 1)) - 1) * first.width(), 0);
    return image;
}

// Which image of its pictures an object shows in its present state; no picture when the
// frame picture already shows it, or when the picture its image lies in is missing.
TvnObjectImage ImageOf(const TvnObjectRecord& r, const TvnFrameObjectState& s, const TvnObjectPaintContext& c)
{
    if (r.Animate) return AnimateImage(r, s, c);
    const TvnDataSkinObject& record = *r.Object;
    const QImage& picture = r.Picture;
    TvnObjectImage image;
    if (r.StdButton && RestoreLook(r, s, c, image)) return image;
    const TvnDataSkinButton* button = r.Button;
    if (s.Available && !c.Active && !RectEmpty(record.InactiveSkinRect)) {
        image = { &picture, record.InactiveSkinRect, {} };
    } else if (button && !s.Available && !RectEmpty(button->DisableSkinRect)) {
        image = { &picture, button->DisableSkinRect, {} };
    } else if (button && s.Pressed && (s.MouseIn || s.MenuOpen) && !RectEmpty(button->DownRect)) {
        image = { &picture, button->DownRect, {} };
    } else if (QImage blend = MorphImage(r, s, c, r.NormalPicture, record.SkinRect, r.ActiveSkinRect);
               !blend.isNull()) {
        image.Blend = std::move(blend);
    } else if (s.Highlighted && !RectEmpty(r.ActiveSkinRect)) {
        image = { &picture, r.ActiveSkinRect, {} };
    } else if (c.DrawNormal || record.SkinRectInAPicture) {
        image = { &r.NormalPicture, record.SkinRect, {} };
    }
    return image;
}

// Frame `k` (from 1) of the caption's animation strip, stretched to `width` with the
// parts left of the frame's left corner and right of its right corner kept as they are;
// null when the caption shows no animation frame now.
QImage CaptionAnimationFrame(
    const TvnObjectRecord& r, const TvnFrameObjectState& s, const TvnSkinData& skin, int width)
{
    const TvnDataSkinCaption& caption = *r.Caption;
    const int n = caption.FrameCount;
    if (!skin.EnableSkinEffects() || RectEmpty(caption.AnimateSkinRect) || r.Picture.isNull()
        || s.AnimFrame < 1 || s.AnimFrame > n)
        return {};
    const QRect& strip = caption.AnimateSkinRect;
    const int k = s.AnimFrame;
    QRect frame;
    // Stacked when the strip is higher than one caption, else side by side.
    if (strip.height() > caption.SkinRect.height()) {
        const int h = strip.height();
        frame = RectLTRB(strip.x(), strip.y() + (k - 1) * h / n, RectRight(strip), strip.y() + k * h / n);
    } else {
        const int w = strip.width();
        frame = RectLTRB(strip.x() + (k - 1) * w / n, strip.y(), strip.x() + k * w / n, RectBottom(strip));
    }
    const TvnCornerPoints& corners = skin.Geometry.Corners;
    const int left = std::clamp(corners.LeftTop.x() - caption.SkinRect.x(), 0, frame.width());
    const int right = std::clamp(RectRight(caption.SkinRect) - corners.RightTop.x(), 0, frame.width() - left);
    return HorizontalStrip(r.Picture, frame, left, right, width, skin.Geometry.TopStretch);
}

// The one effect under the caption text at `at` (the text's own rectangle): its
// reflection below, else the soft glow, else the glow; each in its colour of the state.
void DrawTextEffect(
    QPainter& painter, const TvnDataSkinCaption& caption, bool active, const QString& text, const QRect& at)
{
    const bool softGlow = caption.VistaGlowEffect && (active || caption.VistaGlowInactiveEffect);
    const bool glow = caption.GlowEffect && (active || caption.GlowInactiveEffect);
    if (!caption.ReflectionEffect && !softGlow && !glow) return;
    const QImage coverage = vneffects::TextCoverage(text, painter.font(), at.size());
    const QColor glowColor = ToQColor(active ? caption.GlowActiveColor : caption.GlowColor);
    if (caption.ReflectionEffect) {
        const QColor color = ToQColor(active ? caption.ReflectionActiveColor : caption.ReflectionColor);
        painter.drawImage(QPoint(at.x(), RectBottom(at) + caption.ReflectionOffset),
            vneffects::TintCoverage(vneffects::ReflectionCoverage(coverage), color));
    } else if (softGlow) {
        const int margin = 2 * vneffects::kSoftGlowRadius;
        painter.drawImage(at.topLeft() - QPoint(margin, margin),
            vneffects::TintCoverage(vneffects::SoftGlowCoverage(coverage), glowColor));
    } else {
        const int size = std::max(caption.GlowSize, 0);
        const QPoint offset(caption.GlowOffset - size, caption.GlowOffset - size);
        painter.drawImage(at.topLeft() + offset,
            vneffects::TintCoverage(vneffects::GlowCoverage(coverage, size), glowColor));
    }
}

} // namespace

bool ShowsIcon(const TvnLayoutObject& o, bool showIcon)
{
    return showIcon && o.Kind == TvnObjectKind::StdButton && o.Command == TvnSkinCommand::cmSysMenu
        && o.SkinRectInAPicture;
}

void DrawFrameObject(
    QPainter& painter, const TvnLayoutObject& o, const TvnFrameObjectState& s, const TvnObjectPaintContext& c)
{
    if (!o.Shown) return;
    if (c.SmallIcon && ShowsIcon(o, true)) {
        painter.drawImage(o.Rect.topLeft(), *c.SmallIcon);
        return;
    }
    if (!c.Skin || !s.Record.Object) {
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
    if (o.Kind == TvnObjectKind::User) {
        if (c.OnPaintEvent && *c.OnPaintEvent) (*c.OnPaintEvent)(s.IDName, &painter, o.Rect);
        return;
    }
    if (s.Record.Caption) {
        const QImage frame = CaptionAnimationFrame(s.Record, s, *c.Skin, o.Rect.width());
        if (!frame.isNull()) {
            // An animation frame carries the text in the colours of the state it leaves.
            painter.drawImage(o.Rect.topLeft(), frame);
            TvnObjectPaintContext leaving = c;
            leaving.Active = !c.Active;
            DrawCaptionText(painter, s.Record, *c.Skin, o.Rect, leaving);
            return;
        }
    }
    const TvnObjectImage image = ImageOf(s.Record, s, c);
    if (!image.Blend.isNull())
        painter.drawImage(o.Rect.topLeft(), image.Blend);
    else if (image.Picture && !image.Picture->isNull() && !RectEmpty(image.Source))
        painter.drawImage(o.Rect.topLeft(), *image.Picture, image.Source);
    if (s.Record.Caption) DrawCaptionText(painter, s.Record, *c.Skin, o.Rect, c);
}

void DrawCaptionText(QPainter& painter, const TvnObjectRecord& record, const TvnSkinData& skin,
    const QRect& objectRect, const TvnObjectPaintContext& c)
{
    const TvnDataSkinCaption& caption = *record.Caption;
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
        const QImage& picture = record.Picture;
        const QRect source
            = c.Active && !RectEmpty(caption.ActiveFrameRect) ? caption.ActiveFrameRect : caption.FrameRect;
        const QRect& ft = caption.FrameTextRect;
        const int width = caption.FullFrame ? objectRect.width() - 2 * skin.ButtonsOffset
                                            : caption.FrameRect.width() + tw - ft.width();
        const QPoint at
            = caption.FullFrame ? QPoint(skin.ButtonsOffset, y - ft.y()) : QPoint(x - ft.x(), y - ft.y());
        if (width > 0 && !picture.isNull())
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
    DrawTextEffect(painter, caption, c.Active, text, QRect(x, y, tw + 1, th));
    drawAt(0, 0, c.Active ? caption.ActiveFontColor : caption.FontColor);
    painter.restore();
}

} // namespace veneer
