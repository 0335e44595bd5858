// The button's looks: the face the rules choose (or the blend of the normal and hot
// faces while cross-fading), the focus rectangle, then glyph and caption; and the
// default look in fixed colours.
#include "Button.h"
#include "SkinPieces.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/PixelParts.h"
#include "skin/data/vnUtils/ThreePartStrip.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <QPainter>

using vnctrls::TvnButtonFace;
using vnctrls::TvnFaceChoice;
using vnctrls::TvnResizeMode;

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

QRect TvnSkinButton::AnimationFaceRect(const vnctrls::TvnButtonFaces& faces, TvnButtonFace face) const
{
    const QRect rect = vnctrls::FaceRect(face, faces);
    const bool replaced = (m_frameStep > 0 && face == TvnButtonFace::Hot)
        || (m_frameStep < 0 && face == TvnButtonFace::Normal);
    if (!replaced || m_frame < 1 || m_frame > faces.FrameCount) return rect;
    return vnctrls::AnimationFrame(faces.Animation, faces.FrameCount, m_frame, faces.Normal);
}

void TvnSkinButton::DrawFaceRect(QImage& bitmap, const QRect& face)
{
    vnctrls::TvnControlGeometry geometry = m_geometry;
    geometry.Parts.SkinRect = face;
    if (m_useSkinSize || ResizeMode() == TvnResizeMode::Both) {
        vnctrls::DrawPlainSkin(bitmap, geometry, m_current, false);
        return;
    }
    // A fixed-size skin on a button of any size: copied as it is, or its strip stretched
    // over the other direction.
    const vnutils::TvnNinePart& p = geometry.Parts;
    const TvnCornerPoints& c = p.Geometry.Corners;
    const QImage source = vnutils::As32Bit(geometry.Picture);
    QImage strip;
    switch (ResizeMode()) {
    case TvnResizeMode::Fixed:
        vnutils::CopyPart(bitmap, QRect(QPoint(0, 0), face.size()), source, face);
        return;
    case TvnResizeMode::Horizontal:
        strip = vnutils::HorizontalStrip(
            source, face, c.LeftTop.x(), face.width() - c.RightTop.x(), Width(), p.Geometry.StretchEffect);
        break;
    case TvnResizeMode::Vertical:
        strip = vnutils::VerticalStrip(source, face, c.LeftTop.y(), face.height() - c.LeftBottom.y(),
            Height(), p.Geometry.StretchEffect);
        break;
    default:
        return;
    }
    if (strip.isNull()) return;
    QPainter painter(&bitmap);
    painter.drawImage(bitmap.rect(), strip);
}

void TvnSkinButton::DrawContent(
    QPainter& painter, const TvnFaceChoice& choice, const QColor& color, bool pressedShift)
{
    const auto* record = Record<TvnDataSkinButtonControl>();
    vnutils::TvnGlyphCaption item;
    item.ClientRect = record ? m_current.ClientRect : rect();
    item.Layout = m_layout;
    item.Margin = m_margin;
    item.Spacing = m_spacing;
    item.Glyph = GlyphPicture(choice.Hot, choice.Pressed);
    item.GlyphFromBitmap = !m_glyph.isNull();
    item.Caption = Caption();
    item.Font = record && UseSkinFont()
        ? TFont::MakeQFont(record->FontName, record->FontHeight, record->FontStyle)
        : DefaultQFont();
    item.TextColor = color;
    item.Pressed = pressedShift;
    vnutils::DrawGlyphAndCaption(painter, item);
}

void TvnSkinButton::DrawFace(QImage& bitmap, const TvnFaceChoice& choice)
{
    const auto* record = Record<TvnDataSkinButtonControl>();
    const vnctrls::TvnButtonFaces faces = vnctrls::ButtonFaces(*record);
    DrawFaceRect(bitmap, AnimationFaceRect(faces, choice.Face));
    QPainter painter(&bitmap);
    if (record->ShowFocus && HasFocus())
        vnctrls::DrawFocusRect(painter, m_current.ClientRect, SkinData()->SkinColors.cBtnFace);
    bool drawDefault = true;
    events::Fire(OnPaint, this, &painter, drawDefault, choice.Hot, choice.Pressed, m_current.ClientRect);
    if (!drawDefault) return;
    const TColor color = isEnabled() && !m_useSkinFontColor
        ? DefaultFont()->Color()
        : vnctrls::CaptionColor(faces, isEnabled(), choice.Hot, choice.Pressed);
    DrawContent(painter, choice, ToQColor(color), false);
}

void TvnSkinButton::DrawSkinned(QImage& bitmap)
{
    const auto* record = Record<TvnDataSkinButtonControl>();
    if (!record) {
        TvnSkinCustomControl::DrawSkinned(bitmap);
        return;
    }
    const vnctrls::TvnButtonState state = State();
    if (state.CrossFade && state.Enabled && m_fader.Blending()) {
        QImage normal(bitmap.size(), QImage::Format_RGB32), hot(bitmap.size(), QImage::Format_RGB32);
        normal.fill(0);
        hot.fill(0);
        DrawFace(normal, { TvnButtonFace::Normal, false, false });
        DrawFace(hot, { TvnButtonFace::Hot, true, false });
        TvnEffectBmp blend(normal);
        blend.Morph(TvnEffectBmp(hot), record->MorphKind, m_fader.Factor());
        QPainter(&bitmap).drawImage(0, 0, blend.Image());
        return;
    }
    DrawFace(bitmap, vnctrls::ChooseFace(state, vnctrls::ButtonFaces(*record)));
}

void TvnSkinButton::DrawUnskinned(QImage& bitmap)
{
    const vnctrls::TvnButtonState state = State();
    const bool pressed = vnctrls::ShowsPressed(state);
    const bool hot = pressed || state.MouseIn || state.Focused;
    TColor frame = clr::clBtnShadow, fill = clr::clBtnFace;
    if (pressed) {
        frame = 0x800000;
        fill = 0xB59385;
    } else if (hot) {
        frame = 0x800000;
        fill = 0xD2BDB6;
    }
    QPainter painter(&bitmap);
    painter.fillRect(bitmap.rect(), ToQColor(fill));
    vnutils::DrawFlatFrame(painter, bitmap.rect(), ToQColor(frame), ToQColor(frame));
    const TColor color = isEnabled() ? DefaultFont()->Color() : clr::clBtnShadow;
    DrawContent(painter, { TvnButtonFace::Normal, hot, pressed }, ToQColor(color), pressed);
}
