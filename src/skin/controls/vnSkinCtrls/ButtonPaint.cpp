// The button's looks: the face the rules choose (or the blend of the normal and hot
// faces while cross-fading), the focus rectangle, then glyph and caption; and the
// default look in fixed colours. Every paint: ReadSkinRecord, TakeSnapshot, draw.
#include "Button.h"
#include "SkinPieces.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/PixelParts.h"
#include "skin/data/vnUtils/ThreePartStrip.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <QPainter>

using vnctrls::TvnButtonFace;
using vnctrls::TvnButtonSnapshot;
using vnctrls::TvnFaceChoice;
using vnctrls::TvnResizeMode;

namespace vnctrls {

QImage ComposeButtonFace(const TvnButtonSnapshot& s, const QRect& face)
{
    QImage bitmap(s.Size, QImage::Format_RGB32);
    bitmap.fill(0);
    TvnControlGeometry geometry = *s.Geometry;
    geometry.Parts.SkinRect = face;
    const TvnResizeMode mode = geometry.ResizeMode;
    if (s.UseSkinSize || mode == TvnResizeMode::Both) {
        DrawPlainSkin(bitmap, geometry, s.Current, false);
        return bitmap;
    }
    const TvnCornerPoints& c = geometry.Parts.Geometry.Corners;
    const bool stretch = geometry.Parts.Geometry.StretchEffect;
    const QImage source = vnutils::As32Bit(geometry.Picture);
    QImage strip;
    switch (mode) {
    case TvnResizeMode::Fixed:
        vnutils::CopyPart(bitmap, QRect(QPoint(0, 0), face.size()), source, face);
        return bitmap;
    case TvnResizeMode::Horizontal:
        strip = vnutils::HorizontalStrip(
            source, face, c.LeftTop.x(), face.width() - c.RightTop.x(), s.Size.width(), stretch);
        break;
    case TvnResizeMode::Vertical:
        strip = vnutils::VerticalStrip(
            source, face, c.LeftTop.y(), face.height() - c.LeftBottom.y(), s.Size.height(), stretch);
        break;
    default:
        return bitmap;
    }
    if (!strip.isNull()) QPainter(&bitmap).drawImage(bitmap.rect(), strip);
    return bitmap;
}

} // namespace vnctrls

QImage TvnSkinButton::GlyphPicture(bool hot, bool pressed) const
{
    if (m_imageList && m_imageIndex >= 0 && m_imageIndex < m_imageList->Count()) {
        const QImage image = m_imageList->Image(m_imageIndex);
        return isEnabled() ? image : TImageList::Greyed(image);
    }
    if (m_glyph.isNull()) return QImage();
    return vnutils::GlyphCell(
        m_glyph, m_numGlyphs, vnctrls::GlyphIndex(isEnabled(), hot, pressed, m_numGlyphs));
}

void TvnSkinButton::FillContent(vnutils::TvnGlyphCaption& item, const TvnDataSkinButtonControl* record,
    bool hot, bool pressed, const QColor& color, bool pressedShift) const
{
    item.ClientRect = record ? m_current.ClientRect : rect();
    item.Layout = m_layout;
    item.Margin = m_margin;
    item.Spacing = m_spacing;
    item.Glyph = GlyphPicture(hot, pressed);
    item.GlyphFromBitmap = !m_glyph.isNull();
    item.Caption = Caption();
    item.Font = record && UseSkinFont()
        ? TFont::MakeQFont(record->FontName, record->FontHeight, record->FontStyle)
        : DefaultQFont();
    item.TextColor = color;
    item.Pressed = pressedShift;
}

TvnButtonSnapshot TvnSkinButton::TakeSnapshot() const
{
    TvnButtonSnapshot s;
    s.Record = Record<TvnDataSkinButtonControl>();
    s.RecordIndex = SkinRecordIndex();
    s.Size = size();
    s.State = State();
    if (!s.Record) return s;
    s.Faces = vnctrls::ButtonFaces(*s.Record);
    s.Face = vnctrls::ChooseFace(s.State, s.Faces);
    if (s.State.CrossFade && s.State.Enabled && m_fader.Blending()) {
        s.FadeStep = m_fader.Step();
        s.Fade = m_fader.Factor();
    }
    const auto frameOr = [&](TvnButtonFace face) {
        const QRect rect = vnctrls::FaceRect(face, s.Faces);
        const bool replaced = (m_frameStep > 0 && face == TvnButtonFace::Hot)
            || (m_frameStep < 0 && face == TvnButtonFace::Normal);
        if (!replaced || m_frame < 1 || m_frame > s.Faces.FrameCount) return rect;
        return vnctrls::AnimationFrame(s.Faces.Animation, s.Faces.FrameCount, m_frame, s.Faces.Normal);
    };
    s.NormalRect = frameOr(TvnButtonFace::Normal);
    s.HotRect = frameOr(TvnButtonFace::Hot);
    s.ChosenRect = frameOr(s.Face.Face);
    s.Geometry = &m_geometry;
    s.Current = m_current;
    s.UseSkinSize = m_useSkinSize;
    s.FocusFace = SkinData()->SkinColors.cBtnFace;
    s.OwnTextColor = m_useSkinFontColor ? std::optional<QColor>() : ToQColor(DefaultFont()->Color());
    vnctrls::TvnButtonLookKey& look = s.Look;
    look.Record = s.RecordIndex;
    look.Size = s.Size;
    look.Source = s.FadeStep != 0 ? s.NormalRect : s.ChosenRect;
    look.Step = s.FadeStep;
    look.Blend = s.FadeStep != 0 ? s.HotRect : QRect();
    look.FocusRect = s.Record->ShowFocus && s.State.Focused;
    if (s.FadeStep != 0) {
        FillContent(look.Content, s.Record, false, false,
            s.TextColor({ TvnButtonFace::Normal, false, false }), false);
        FillContent(look.HotContent.emplace(), s.Record, true, false,
            s.TextColor({ TvnButtonFace::Hot, true, false }), false);
    } else {
        FillContent(look.Content, s.Record, s.Face.Hot, s.Face.Pressed, s.TextColor(s.Face), false);
    }
    s.OwnerDrawn = bool(OnPaint);
    return s;
}

void TvnSkinButton::DrawFace(QImage& bitmap, const TvnButtonSnapshot& s, const TvnFaceChoice& choice,
    const vnutils::TvnGlyphCaption& content)
{
    QPainter painter(&bitmap);
    if (s.Look.FocusRect) vnctrls::DrawFocusRect(painter, s.Current.ClientRect, s.FocusFace);
    bool drawDefault = true;
    events::Fire(OnPaint, this, &painter, drawDefault, choice.Hot, choice.Pressed, s.Current.ClientRect);
    if (drawDefault) vnutils::DrawGlyphAndCaption(painter, content);
}

QImage TvnSkinButton::ComposeLook(const TvnButtonSnapshot& s)
{
    const auto face = [&](const QRect& rect) {
        return m_faces.Get(
            { s.RecordIndex, s.Size, rect, 0 }, [&] { return vnctrls::ComposeButtonFace(s, rect); });
    };
    if (s.FadeStep != 0) {
        // The two looks, caption and all, blended: the caption fades with its face.
        QImage normal = face(s.NormalRect), hot = face(s.HotRect);
        DrawFace(normal, s, { TvnButtonFace::Normal, false, false }, s.Look.Content);
        DrawFace(hot, s, { TvnButtonFace::Hot, true, false }, *s.Look.HotContent);
        TvnEffectBmp blend(normal);
        blend.Morph(TvnEffectBmp(hot), s.Record->MorphKind, s.Fade);
        return blend.Image();
    }
    QImage bitmap = face(s.ChosenRect);
    DrawFace(bitmap, s, s.Face, s.Look.Content);
    return bitmap;
}

QImage TvnSkinButton::Look(const TvnButtonSnapshot& s)
{
    if (s.OwnerDrawn) return ComposeLook(s);
    return m_looks.Get(s.Look, [&] { return ComposeLook(s); });
}

void TvnSkinButton::Paint(QPainter& painter)
{
    if (Width() < 1 || Height() < 1) return;
    ReadSkinRecord();
    const TvnButtonSnapshot s = TakeSnapshot();
    if (s.Record)
        painter.drawImage(0, 0, Look(s));
    else
        PaintBuffered(painter);
}

void TvnSkinButton::DrawSkinned(QImage& bitmap)
{
    const TvnButtonSnapshot s = TakeSnapshot();
    if (s.Record)
        bitmap = Look(s);
    else
        TvnSkinCustomControl::DrawSkinned(bitmap);
}

void TvnSkinButton::DrawUnskinned(QImage& bitmap)
{
    const vnctrls::TvnButtonState state = State();
    const bool pressed = vnctrls::ShowsPressed(state);
    const bool hot = pressed || state.MouseIn || state.Focused;
    TColor frame = clr::clBtnShadow, fill = clr::clBtnFace;
    if (pressed) {
        frame = vnctrls::kDefaultHotFrame;
        fill = vnctrls::kDefaultPressedFill;
    } else if (hot) {
        frame = vnctrls::kDefaultHotFrame;
        fill = vnctrls::kDefaultHotFill;
    }
    QPainter painter(&bitmap);
    painter.fillRect(bitmap.rect(), ToQColor(fill));
    vnutils::DrawFlatFrame(painter, bitmap.rect(), ToQColor(frame), ToQColor(frame));
    const TColor color = isEnabled() ? DefaultFont()->Color() : clr::clBtnShadow;
    vnutils::TvnGlyphCaption content;
    FillContent(content, Record<TvnDataSkinButtonControl>(), hot, pressed, ToQColor(color), pressed);
    vnutils::DrawGlyphAndCaption(painter, content);
}
