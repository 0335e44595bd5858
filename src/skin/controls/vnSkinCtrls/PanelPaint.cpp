// The panel's looks: skinned (frame strips, client tile and the caption in the record's
// caption rectangle), skinned with a background picture, transparent (the parent's
// background with a group line), and the default look in system colours. Each paint
// takes one snapshot (TakeSnapshot) and draws from it alone.
#include "Panel.h"
#include "ParentBackground.h"
#include "SkinPieces.h"
#include "platform/DrawText.h"
#include "skin/data/vnUtils/GlyphLayout.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/PixelParts.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

#include <QPainter>

using vnctrls::TvnResizeMode;
using vnutils::RectEmpty;

namespace {

constexpr unsigned kCaptionFlags = dt::DT_SINGLELINE | dt::DT_NOCLIP;

// The roll-up arrow in a 10-pixel area: down when rolled up (it unrolls), up otherwise.
void DrawRollArrow(QPainter& painter, const QRect& area, bool rolledUp, const QColor& color)
{
    const QPoint origin(area.x(), area.y() + area.height() / 2 - 4);
    vnutils::DrawMark(painter,
        rolledUp ? vnutils::TvnMark::RollDownTriangle : vnutils::TvnMark::RollUpTriangle, origin, color);
}

void FillLine(QPainter& painter, int x0, int y0, int x1, int y1, const QColor& color)
{
    painter.fillRect(vnutils::RectLTRB(x0, y0, x1 + 1, y1 + 1), color);
}

void DrawCaptionText(
    QPainter& painter, const vnctrls::TvnPanelCaption& c, const QRect& clip, QPoint at, const QColor& color)
{
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.setFont(c.Font);
    painter.setPen(color);
    QRect r(at, c.TextSize);
    platform::DrawText(painter, c.Text, r, kCaptionFlags);
    painter.restore();
}

void DrawCaptionImage(QPainter& painter, const vnctrls::TvnPanelCaption& c, QPoint at)
{
    if (!c.ImagePicture.isNull()) painter.drawImage(at, c.ImagePicture);
}

// The record's check image for the caption's state.
void DrawCheckImage(QPainter& painter, const vnctrls::TvnPanelCaption& c, const QImage& picture, QPoint at)
{
    if (!c.CheckedMode) return;
    const QImage check = vnctrls::TransparentPiece(picture, c.CheckImageRect);
    if (!check.isNull()) painter.drawImage(at, check);
}

// ---- The looks, from the snapshot alone ------------------------------------------------------

using vnctrls::TvnPanelSnapshot;

void DrawComposed(QImage& bitmap, const TvnPanelSnapshot& s)
{
    vnctrls::DrawPlainSkin(bitmap, *s.Geometry, s.Current, s.FrameDrawnApart);
    if (!s.DrawsCaption) return;
    const vnctrls::TvnPanelCaption& c = s.Caption;
    if (RectEmpty(c.CaptionRect)) return;
    const TvnDataSkinPanelControl& record = *s.Record;
    const vnctrls::TvnSkinnedCaptionLayout layout = vnctrls::LayoutSkinnedCaption(c);
    const QImage& picture = s.Geometry->Picture;
    QPainter painter(&bitmap);

    DrawCheckImage(painter, c, picture, layout.CheckImage);
    if (c.RollUpMode) {
        if (!RectEmpty(record.MarkFrameRect))
            painter.drawImage(QPoint(layout.Arrow.x(), c.CaptionRect.y()), picture, record.MarkFrameRect);
        DrawRollArrow(painter, layout.Arrow, c.RolledUp, s.MarkColor);
    }
    if (!layout.FrameStrip.isEmpty()) {
        const QImage strip = vnutils::HorizontalStrip(picture, record.FrameRect, record.FrameLeftOffset,
            record.FrameRightOffset, layout.FrameStrip.width(), true);
        if (!strip.isNull()) painter.drawImage(layout.FrameStrip.topLeft(), strip);
    }
    DrawCaptionText(painter, c, layout.Area, layout.Text, s.CaptionColor);
    DrawCaptionImage(painter, c, layout.Image);
}

void PaintClientTile(QPainter& painter, const TvnPanelSnapshot& s)
{
    const TvnSkinGeometry& p = s.Geometry->Parts.Geometry;
    vnutils::DrawPieces(painter, vnutils::As32Bit(s.Geometry->Picture),
        vnutils::MiddlePieces(
            QRect(QPoint(0, 0), s.Size), vnctrls::ClientTile(*s.Geometry), p.StretchEffect, p.StretchType));
}

void PaintBackgroundPicture(QPainter& painter, const TvnPanelSnapshot& s)
{
    const TvnSkinGeometry& p = s.Geometry->Parts.Geometry;
    const QRect whole(QPoint(0, 0), s.Size);
    // A picture stretched over the client rectangle leaves the edges to the face colour.
    painter.fillRect(whole, s.Face);
    const QRect target
        = p.StretchEffect && p.StretchType == TvnStretchType::Full ? s.Current.ClientRect : whole;
    vnutils::DrawPieces(painter, s.Background,
        vnutils::MiddlePieces(target, s.Background.rect(), p.StretchEffect, p.StretchType));
}

void DrawTransparent(QImage& bitmap, const TvnPanelSnapshot& s)
{
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, s.Background);
    const QColor& shadow = s.Shadow;
    const int w = s.Size.width(), h = s.Size.height();
    if (!s.CaptionMode) {
        if (s.BorderStyle != bvNone)
            vnutils::DrawFlatFrame(painter, QRect(QPoint(0, 0), s.Size), shadow, shadow);
        return;
    }
    const vnctrls::TvnPanelCaption& c = s.Caption;
    const vnctrls::TvnCaptionLineLayout line = vnctrls::LayoutCaptionLine(c);
    const int y = line.GroupLineY;
    FillLine(painter, 0, y, 4, y, shadow);
    FillLine(painter, line.ResumeX, y, w - 1, y, shadow);
    FillLine(painter, w - 1, y, w - 1, h - 1, shadow);
    FillLine(painter, 0, h - 1, w - 1, h - 1, shadow);
    FillLine(painter, 0, y, 0, h - 1, shadow);

    DrawCheckImage(painter, c, s.Geometry->Picture, line.CheckImage);
    DrawCaptionImage(painter, c, line.Image);
    DrawCaptionText(painter, c, line.Line, line.Text, s.CaptionColor);
    if (c.RollUpMode) DrawRollArrow(painter, line.Arrow, c.RolledUp, s.MarkColor);
}

void DrawDefault(QImage& bitmap, const TvnPanelSnapshot& s)
{
    QPainter painter(&bitmap);
    const QColor& face = s.Face;
    const QColor& shadow = s.Shadow;
    const QColor& highlight = s.Highlight;
    const QRect whole(QPoint(0, 0), s.Size);
    painter.fillRect(bitmap.rect(), face);
    switch (s.BorderStyle) {
    case bvFrame:
        vnutils::DrawFlatFrame(painter, whole, shadow, shadow);
        break;
    case bvRaised:
        vnutils::DrawFlatFrame(painter, whole, highlight, shadow);
        break;
    case bvLowered:
        vnutils::DrawFlatFrame(painter, whole, shadow, highlight);
        break;
    case bvNone:
        break;
    }
    if (!s.CaptionMode) return;

    const vnctrls::TvnPanelCaption& c = s.Caption;
    const vnctrls::TvnDefaultCaptionLayout layout = vnctrls::LayoutDefaultCaption(c);
    const QRect inner = layout.Bar.adjusted(1, 1, -1, -1);
    if (s.BorderStyle != bvNone) {
        vnutils::DrawFlatFrame(painter, layout.Bar, shadow, highlight);
        vnutils::DrawFlatFrame(painter, inner, highlight, shadow);
    } else {
        vnutils::DrawFlatFrame(painter, layout.Bar, shadow, shadow);
        vnutils::DrawFlatFrame(painter, inner, highlight, face);
    }
    if (c.CheckedMode) {
        vnutils::DrawFlatFrame(painter, layout.CheckBox, shadow, shadow);
        if (c.Checked)
            vnutils::DrawMark(
                painter, vnutils::TvnMark::CheckMark, layout.CheckBox.topLeft() + QPoint(3, 2), s.MarkColor);
    }
    if (c.RollUpMode) DrawRollArrow(painter, layout.Arrow, c.RolledUp, s.MarkColor);
    DrawCaptionText(painter, c, layout.TextArea, layout.Text, s.CaptionColor);
    DrawCaptionImage(painter, c, layout.Image);
}

} // namespace

// ---- What the caption is made of -----------------------------------------------------------

vnctrls::TvnPanelCaption TvnSkinPanel::TakeCaption(const TvnDataSkinPanelControl* record) const
{
    vnctrls::TvnPanelCaption c;
    c.Control = size();
    c.Text = Caption();
    c.Font = record && UseSkinFont()
        ? TFont::MakeQFont(record->FontName, record->FontHeight, record->FontStyle)
        : DefaultQFont();
    c.TextSize = platform::MeasureText(c.Font, c.Text, QRect(), kCaptionFlags).size();
    c.Image.Position = m_imagePosition;
    c.Image.Spacing = m_spacing;
    if (!m_glyph.isNull()) {
        c.Image.Size = QSize(m_glyph.width() / m_numGlyphs, m_glyph.height());
        c.Image.IsGlyph = true;
        c.ImagePicture = vnutils::GlyphCell(m_glyph, m_numGlyphs, !isEnabled() && m_numGlyphs >= 2 ? 2 : 1);
    } else if (m_captionImageList && m_captionImageIndex >= 0
        && m_captionImageIndex < m_captionImageList->Count()) {
        c.Image.Size = QSize(m_captionImageList->Width(), m_captionImageList->Height());
        c.ImagePicture = m_captionImageList->Image(m_captionImageIndex);
    }
    c.CheckedMode = m_checkedMode;
    c.Checked = m_checked;
    c.RollUpMode = m_rollUpMode;
    c.RolledUp = m_rollUpState;
    c.Border = m_borderStyle != bvNone;
    c.DefaultCaptionHeight = m_defaultCaptionHeight;
    c.DefaultAlignment = m_defaultAlignment;
    if (record) {
        c.CheckImageRect = m_checked ? record->CheckImageRect : record->UncheckImageRect;
        c.CaptionRect = vnctrls::MapSkinRect(m_geometry, size(), record->CaptionRect);
        c.Alignment = record->Alignment;
        c.FrameRect = record->FrameRect;
        c.FrameTextRect = record->FrameTextRect;
    }
    return c;
}

// ---- The snapshot ---------------------------------------------------------------------------

vnctrls::TvnPanelLook TvnSkinPanel::ChooseLook(const TvnDataSkinPanelControl* record) const
{
    using vnctrls::TvnPanelLook;
    if (SkinRecordIndex() == -1) return TvnPanelLook::Default;
    if (m_transparentMode) return TvnPanelLook::Transparent;
    if (!ForceBackground() && m_geometry.Parts.Geometry.StretchEffect) return TvnPanelLook::Composed;
    if (m_borderStyle == bvNone && ResizeMode() == TvnResizeMode::Both && !m_captionMode)
        return TvnPanelLook::ClientTile;
    if (record && record->BGPictureIndex != -1) return TvnPanelLook::BackgroundPicture;
    return PaintsBackgroundApart() ? TvnPanelLook::FrameApart : TvnPanelLook::Composed;
}

vnctrls::TvnPanelSnapshot TvnSkinPanel::TakeSnapshot() const
{
    using vnctrls::TvnPanelLook;
    vnctrls::TvnPanelSnapshot s;
    s.RecordIndex = SkinRecordIndex();
    s.Record = s.RecordIndex != -1 ? Record<TvnDataSkinPanelControl>() : nullptr;
    s.Size = size();
    s.Look = ChooseLook(s.Record);
    s.BorderStyle = m_borderStyle;
    s.CaptionMode = m_captionMode;
    s.Geometry = &m_geometry;
    s.Current = m_current;
    s.FrameDrawnApart = ForceBackground();
    switch (s.Look) {
    case TvnPanelLook::Default:
        s.Face = ToQColor(clr::clBtnFace);
        s.Shadow = ToQColor(clr::clBtnShadow);
        s.Highlight = ToQColor(clr::clBtnHighlight);
        s.MarkColor = ToQColor(clr::clBtnText);
        s.CaptionColor = isEnabled() ? ToQColor(DefaultFont()->Color()) : s.Shadow;
        s.DrawsCaption = m_captionMode;
        break;
    case TvnPanelLook::Transparent:
        s.Shadow = ToQColor(SkinData()->SkinColors.cBtnShadow);
        s.Background = vnctrls::ParentBackgroundPicture(this, rect());
        s.DrawsCaption = m_captionMode;
        if (s.DrawsCaption) s.CaptionColor = s.MarkColor = LineTextColor();
        break;
    case TvnPanelLook::Composed:
    case TvnPanelLook::FrameApart:
        s.DrawsCaption = s.Record && !Caption().isEmpty();
        if (s.DrawsCaption) s.CaptionColor = s.MarkColor = ToQColor(s.Record->FontColor);
        break;
    case TvnPanelLook::BackgroundPicture:
        s.Face = ToQColor(SkinData()->SkinColors.cBtnFace);
        s.Background = vnutils::As32Bit(SkinData()->Picture(s.Record->BGPictureIndex));
        break;
    case TvnPanelLook::ClientTile:
        break;
    }
    if (s.DrawsCaption) s.Caption = TakeCaption(s.Record);
    return s;
}

// ---- Painting ------------------------------------------------------------------------------

void TvnSkinPanel::Paint(QPainter& painter)
{
    if (Width() < 1 || Height() < 1) return;
    ReadSkinRecord();
    const vnctrls::TvnPanelSnapshot s = TakeSnapshot();
    // The looks that show through or compose the caption with the face are drawn whole
    // into one picture of the panel's size.
    const auto buffered = [&](void (*draw)(QImage&, const TvnPanelSnapshot&)) {
        QImage bitmap(s.Size, QImage::Format_RGB32);
        bitmap.fill(0);
        draw(bitmap, s);
        painter.drawImage(0, 0, bitmap);
    };
    using vnctrls::TvnPanelLook;
    switch (s.Look) {
    case TvnPanelLook::Default:
        return buffered(DrawDefault);
    case TvnPanelLook::Transparent:
        return buffered(DrawTransparent);
    case TvnPanelLook::Composed:
        return buffered(DrawComposed);
    case TvnPanelLook::FrameApart:
        return PaintBackground(painter, [&s](QImage& top) { DrawComposed(top, s); });
    case TvnPanelLook::ClientTile:
        return PaintClientTile(painter, s);
    case TvnPanelLook::BackgroundPicture:
        return PaintBackgroundPicture(painter, s);
    }
}

QColor TvnSkinPanel::LineTextColor() const
{
    const quint64 resolution = Skin().Resolution();
    if (const auto* kept = m_lineTextColor.Find(); kept && kept->first == resolution) return kept->second;
    const TvnSkinData& store = *SkinData();
    const auto* label = store.ControlSkinAs<TvnDataSkinStdLabelControl>(store.FindControlSkin("stdlabel"));
    return m_lineTextColor
        .Keep({ resolution, ToQColor(label ? label->FontColor : store.SkinColors.cBtnText) })
        .second;
}
