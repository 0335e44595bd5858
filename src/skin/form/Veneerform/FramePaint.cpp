// What the frame draws: the skinned frame from four composed border images, the default
// frame without a skin, and the client background with the logo.
#include "DefaultFrame.h"
#include "Veneerform.h"
#include "framework/Form.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/TextRoutines.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <QPainter>

using namespace vnutils;

namespace veneer {

namespace {

// The border images' places in the frame.
struct TvnStripPlaces {
    QPoint Top, Left, Right, Bottom;
};

TvnStripPlaces PlacesOf(const TvnFrameStrips& s, QSize frame)
{
    const int topHeight = s.Top.height();
    return { { 0, 0 }, { 0, topHeight }, { frame.width() - s.Right.width(), topHeight },
        { 0, frame.height() - s.Bottom.height() } };
}

void ApplyEffect(QImage& image, TvnInactiveEffect effect)
{
    if (image.isNull()) return;
    TvnEffectBmp bmp(image);
    bmp.ApplyInactiveEffect(effect);
    image = bmp.Image();
}

} // namespace

void TvnVeneerform::PaintFrame(QPainter& painter)
{
    if (m_skinChanging || !m_skinPresent) return;
    if (m_frameWidth == 0 || m_frameHeight == 0) TakeFrameSize();
    if (!FrameAtLeastMinimum()) return;
    const QSize frame(m_frameWidth, m_frameHeight);
    const bool active = IsFrameActive();

    if (!m_paintCache.Valid || m_paintCache.Size != frame || m_paintCache.Active != active) {
        UpdateFrameGeometry();
        LayoutObjects(m_objects.Layout(), *m_skinData, PictureSize(), frame);
        const QImage& source = active || m_skinData->InactiveMainPicture.isNull()
            ? m_skinData->MainPicture
            : m_skinData->InactiveMainPicture;
        TvnNinePart parts { QRect(QPoint(0, 0), source.size()), m_skinData->Geometry };
        TvnFrameStrips strips = BuildFrameStrips(source, parts, StandardTarget(parts, frame));

        // Only the active frame repaints single objects over the bare strips, so only it keeps them.
        TvnFrameStrips base;
        if (active) base = strips;
        const TvnObjectPaintContext context = PaintContext(false);
        for (int i = 0; i < m_objects.Count(); ++i) {
            const TvnLayoutObject& o = m_objects.LayoutAt(i);
            const TvnObjectStrip place = ObjectStrip(o.Rect, m_geometry.NewClientRect);
            QImage& target = place.Bottom ? strips.Bottom : strips.Top;
            if (target.isNull()) continue;
            QPainter p(&target);
            p.translate(place.Offset);
            DrawFrameObject(p, o, m_objects.State(i), context);
        }
        if (!active && m_skinData->AutoRenderingInactiveImage)
            for (QImage* image : { &strips.Top, &strips.Left, &strips.Right, &strips.Bottom })
                ApplyEffect(*image, m_skinData->InactiveEffect);
        m_paintCache = { true, frame, active, std::move(strips), std::move(base) };
    }

    // The client area is never drawn over: the four images are cut along the client
    // rectangle (the top one ends at its top, the side ones span its height, the bottom
    // one starts at its bottom), so they leave it out without a clip, which would cost
    // more than the four copies.
    const TvnFrameStrips& s = m_paintCache.Strips;
    const TvnStripPlaces at = PlacesOf(s, frame);
    painter.drawImage(at.Top, s.Top);
    painter.drawImage(at.Left, s.Left);
    painter.drawImage(at.Right, s.Right);
    painter.drawImage(at.Bottom, s.Bottom);
}

namespace {

QSize DefaultSysMenuSize(bool showIcon, bool toolWindow)
{
    const int s = DefaultButtonSize(toolWindow);
    return showIcon ? kSmallIconSize : QSize(s, s);
}

} // namespace

QRect TvnVeneerform::DefaultCaptionTextArea() const
{
    std::vector<TvnLayoutObject> places(m_objects.Layout().begin(), m_objects.Layout().end());
    return LayoutDefaultButtons(
        places, m_frameWidth, ToolWindowStyle(), DefaultSysMenuSize(m_showIcon, ToolWindowStyle()));
}

QRect TvnVeneerform::LayoutDefaultObjects()
{
    if (m_frameWidth == 0 || m_frameHeight == 0) TakeFrameSize();
    if (m_objects.IsEmpty() && !m_skinPresent) {
        m_objects.BuildDefault();
        ApplyObjectFlags();
    }
    return LayoutDefaultButtons(m_objects.Layout(), m_frameWidth, ToolWindowStyle(),
        DefaultSysMenuSize(m_showIcon, ToolWindowStyle()));
}

void TvnVeneerform::PaintDefaultFrame(QPainter& painter)
{
    if (m_skinChanging || (m_skinData && m_skinData->SkinChanging())) return;
    const QRect textArea = LayoutDefaultObjects();
    const int w = m_frameWidth, h = m_frameHeight;
    const int ch = DefaultCaptionHeight(ToolWindowStyle());
    const bool active = IsFrameActive();
    if (w <= 6) return;

    // The caption strip, in strip coordinates (drawn at 3, 3).
    QImage strip(w - 6, ch, QImage::Format_RGB32);
    strip.fill(ToQColor(clr::clBtnFace));
    {
        QPainter p(&strip);
        const int l = textArea.x() - 3, r = RectRight(textArea) - 3, a = r - l + 3;
        if (ch - 4 > 1)
            for (int i = 0; i < ch - 5; ++i) {
                p.setPen(ToQColor(i % 2 == 0 ? clr::clBtnHighlight : clr::clBtnShadow));
                if (r - 3 > l + 2) p.drawLine(l + 2, 2 + i, r - 4, 2 + i);
            }
        const TFont* font = active ? m_defCaptionFont : m_defInActiveCaptionFont;
        p.setFont(font->ToQFont());
        if (OnCaptionPaint) {
            OnCaptionPaint(this, &p, QRect(l, 0, r - l, ch), active);
        } else if (!m_form->Caption().isEmpty()) {
            const QFontMetrics metrics = p.fontMetrics();
            const QString text = ShortenText(metrics, m_form->Caption(), a);
            const int tw = TextWidth(metrics, text), th = TextHeight(metrics, text);
            const int x = l + a / 2 - (tw + 5) / 2, y = ch / 2 - th / 2;
            p.fillRect(QRect(x - 2, y - 2, tw + 4, th + 4), ToQColor(clr::clBtnFace));
            p.setPen(ToQColor(font->Color()));
            p.drawText(QRect(x, y, tw + 1, th), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        }
        TvnObjectPaintContext context = PaintContext(true);
        context.Skin = nullptr;
        p.translate(-3, -3);
        for (int i = 0; i < m_objects.Count(); ++i)
            DrawFrameObject(p, m_objects.LayoutAt(i), m_objects.State(i), context);
    }

    painter.save();
    painter.setClipRegion(QRegion(0, 0, w, h) - QRegion(RectLTRB(3, ch + 3, w - 3, h - 3)));
    painter.drawImage(3, 3, strip);
    // Three rings from the outside in: raised, raised, flat.
    static constexpr TColor kRings[][2] = {
        { clr::cl3DLight, clr::cl3DDkShadow },
        { clr::clBtnHighlight, clr::clBtnShadow },
        { clr::clBtnFace, clr::clBtnFace },
    };
    for (int i = 0; i < 3; ++i) {
        const QColor light = ToQColor(kRings[i][0]), dark = ToQColor(kRings[i][1]);
        const int l = i, t = i, r = w - 1 - i, b = h - 1 - i;
        painter.fillRect(QRect(l, t, r - l, 1), light);
        painter.fillRect(QRect(l, t, 1, b - t), light);
        painter.fillRect(QRect(l, b, r - l + 1, 1), dark);
        painter.fillRect(QRect(r, t, 1, b - t + 1), dark);
    }
    painter.restore();
}

void TvnVeneerform::PaintClientBackground(QPainter& painter)
{
    const QRect client(QPoint(0, 0), m_form->ClientWidget()->size());
    const QColor face = ToQColor(clr::clBtnFace);
    if (!m_skinPresent) {
        painter.fillRect(client, face);
    } else {
        const TvnSkinData& skin = *m_skinData;
        const bool ownPicture = skin.BGPictureIndex != -1;
        const QImage& source = ownPicture ? skin.Pictures.value(skin.BGPictureIndex) : skin.MainPicture;
        const QRect tile = ownPicture ? source.rect() : skin.Geometry.ClientRect;
        if (source.isNull() || RectEmpty(tile)) {
            painter.fillRect(client, face);
        } else {
            const bool stretch = skin.Geometry.StretchEffect && !client.isEmpty();
            // "stvert" keeps the tile's width and repeats it across, "sthorz" keeps its
            // height and repeats it down.
            TvnStretchType type = skin.Geometry.StretchType;
            if (type == TvnStretchType::Vert)
                type = TvnStretchType::Horz;
            else if (type == TvnStretchType::Horz)
                type = TvnStretchType::Vert;
            const QRect to = stretch ? QRect(0, 0, m_frameWidth, m_frameHeight) : client;
            DrawPieces(painter, source, MiddlePieces(to, tile, stretch, type));
        }
    }
    if (m_logo.isNull()) return;
    const int x = std::max(0, client.width() / 2 - m_logo.width() / 2);
    const int y = std::max(0, client.height() / 2 - m_logo.height() / 2);
    if (m_logoBitMapTransparent) {
        // The bottom-left pixel's colour is the transparent one, as for bitmaps.
        QImage logo = m_logo.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = logo.pixel(0, logo.height() - 1);
        for (int row = 0; row < logo.height(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(logo.scanLine(row));
            for (int col = 0; col < logo.width(); ++col)
                if ((line[col] & 0xFFFFFF) == (key & 0xFFFFFF)) line[col] = 0;
        }
        painter.drawImage(x, y, logo);
    } else {
        painter.drawImage(x, y, m_logo);
    }
}

} // namespace veneer
