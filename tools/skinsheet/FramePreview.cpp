#include "FramePreview.h"

#include "skin/data/vnUtils/FrameStrips.h"
#include "skin/data/vnUtils/MaskRegion.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/TextRoutines.h"
#include "skin/data/vneffects/EffectBmp.h"
#include "skin/form/Veneerform/FrameGeometry.h"

#include <QFontMetrics>

using namespace vnutils;
using namespace veneer;

namespace sheet {

namespace {

// One frame object as the layout and the drawing see it.
struct TObject {
    const TvnDataSkinObject* Record;
    TvnLayoutObject Layout;
    bool Available = true;
};

std::vector<TObject> FrameObjects(const TvnSkinData& skin, TvnBorderIcons icons)
{
    std::vector<TObject> objects;
    for (const auto& record : skin.FrameObjects()) {
        const TvnDataSkinObject* r = record.get();
        // Menu items and the menu bar's buttons belong to menus, not to the frame.
        if (dynamic_cast<const TvnDataSkinMenuItem*>(r) || dynamic_cast<const TvnDataSkinMainMenuItem*>(r)
            || dynamic_cast<const TvnDataSkinMainMenuBarButton*>(r))
            continue;
        TObject o { r, {}, true };
        o.Layout.SkinRectInAPicture = r->SkinRectInAPicture;
        o.Layout.SkinRect = r->SkinRect;
        if (dynamic_cast<const TvnDataSkinCaption*>(r)) {
            o.Layout.Kind = TvnObjectKind::Caption;
        } else if (const auto* button = dynamic_cast<const TvnDataSkinStdButton*>(r)) {
            o.Layout.Kind = TvnObjectKind::StdButton;
            o.Layout.Command = button->Command;
            const TvnObjectFlags flags
                = CaptionButtonFlags(button->Command, r->SkinRectInAPicture, icons, false, false);
            o.Available = flags.Available;
            o.Layout.Shown = flags.Shown;
        } else if (dynamic_cast<const TvnDataSkinButton*>(r)) {
            o.Layout.Kind = TvnObjectKind::Button;
        } else if (const auto* animate = dynamic_cast<const TvnDataSkinAnimate*>(r)) {
            o.Layout.Kind = TvnObjectKind::Animate;
            o.Layout.Command = animate->Command;
        }
        objects.push_back(o);
    }
    return objects;
}

void DrawCaptionText(
    QPainter& p, const TvnDataSkinCaption& c, const QRect& object, bool active, const QString& text)
{
    QRect rect = c.TextRect;
    rect.setWidth(rect.width() + object.width() - c.SkinRect.width());
    rect.translate(object.topLeft());
    if (RectEmpty(rect) || text.isEmpty()) return;
    const QFont font = SkinFont(c.FontName, c.FontHeight, c.FontStyle);
    const QFontMetrics metrics(font);
    const QString shown = ShortenText(metrics, text, rect.width());
    const int width = TextWidth(metrics, shown), height = TextHeight(metrics, shown);
    const int y = rect.y() + rect.height() / 2 - height / 2;
    int x = rect.x();
    if (c.Alignment == taRightJustify) x = RectRight(rect) - width;
    if (c.Alignment == taCenter) x = rect.x() + rect.width() / 2 - width / 2;
    const auto draw = [&](QPoint at, TColor colour) {
        DrawLine(p, QRect(at, QSize(width + 2, height)), shown, font, colour, Qt::AlignLeft | Qt::AlignTop);
    };
    if (c.Light) draw(QPoint(x - 1, y - 1), active ? c.ActiveLightColor : c.LightColor);
    if (c.Shadow) draw(QPoint(x + 1, y + 1), active ? c.ActiveShadowColor : c.ShadowColor);
    draw(QPoint(x, y), active ? c.ActiveFontColor : c.FontColor);
}

// Draws each object onto the top strip (every object of this skin lies in the caption).
void DrawObjects(QImage& top, const TvnSkinData& skin, std::vector<TObject>& objects, const TFrameLook& look)
{
    std::vector<TvnLayoutObject> layout;
    for (const TObject& o : objects)
        layout.push_back(o.Layout);
    LayoutObjects(layout, skin, skin.MainPicture.size(), look.Size);
    QPainter p(&top);
    for (size_t i = 0; i < objects.size(); ++i) {
        const TObject& o = objects[i];
        const QRect& at = layout[i].Rect;
        if (const auto* caption = dynamic_cast<const TvnDataSkinCaption*>(o.Record)) {
            DrawCaptionText(p, *caption, at, look.Active, look.Caption);
            continue;
        }
        if (!layout[i].Shown || !o.Record->SkinRectInAPicture) continue;
        const auto* button = dynamic_cast<const TvnDataSkinButton*>(o.Record);
        QRect part = o.Record->SkinRect;
        if (!look.Active && o.Available && !RectEmpty(o.Record->InactiveSkinRect))
            part = o.Record->InactiveSkinRect;
        if (!o.Available && button && !RectEmpty(button->DisableSkinRect)) part = button->DisableSkinRect;
        p.drawImage(at.topLeft(), Part(skin.Picture(o.Record->ActivePictureIndex), part));
    }
}

} // namespace

QImage RenderFrame(const TvnSkinData& skin, const TFrameLook& look)
{
    const QSize size = look.Size;
    const TvnNinePart parts { QRect(QPoint(), skin.MainPicture.size()), skin.Geometry };
    const TvnNinePartTarget to = StandardTarget(parts, size);
    TvnFrameStrips strips = BuildFrameStrips(skin.MainPicture, parts, to);

    std::vector<TObject> objects = FrameObjects(skin, look.Icons);
    DrawObjects(strips.Top, skin, objects, look);
    if (!look.Active && skin.AutoRenderingInactiveImage)
        for (QImage* strip : { &strips.Top, &strips.Left, &strips.Right, &strips.Bottom }) {
            if (strip->isNull()) continue;
            TvnEffectBmp effect(*strip);
            effect.ApplyInactiveEffect(skin.InactiveEffect);
            *strip = effect.Image();
        }

    QImage window(size, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::transparent);
    {
        QPainter p(&window);
        const TvnFrameGeometry g = UpdateFrameGeometry(skin, skin.MainPicture.size(), size);
        const QRect client = g.NewClientRect;
        const QImage tile = Part(skin.MainPicture, skin.Geometry.ClientRect);
        p.save();
        p.setClipRect(client);
        for (int y = client.y(); y < RectBottom(client); y += tile.height())
            for (int x = client.x(); x < RectRight(client); x += tile.width())
                p.drawImage(QPoint(x, y), tile);
        if (look.Content) look.Content(p, client);
        p.restore();
        const int topHeight = strips.Top.height();
        p.drawImage(QPoint(0, 0), strips.Top);
        p.drawImage(QPoint(0, topHeight), strips.Left);
        p.drawImage(QPoint(size.width() - strips.Right.width(), topHeight), strips.Right);
        p.drawImage(QPoint(0, size.height() - strips.Bottom.height()), strips.Bottom);
    }

    // The window's shape: what the mask leaves of it.
    TvnNinePart maskParts = parts;
    maskParts.Geometry.ClientRect = skin.MaskRectArea;
    const auto region = WindowRegionFromMask(skin.MainMask, maskParts, StandardTarget(maskParts, size));
    if (!region) return window;
    QImage shaped(size, QImage::Format_ARGB32_Premultiplied);
    shaped.fill(Qt::transparent);
    QPainter p(&shaped);
    p.setClipRegion(*region);
    p.drawImage(0, 0, window);
    return shaped;
}

} // namespace sheet
