// The panel's looks: skinned (frame strips, client tile and the caption in the record's
// caption rectangle), skinned with a background picture, transparent (the parent's
// background with a group line), and the default look in system colours.
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

} // namespace

// ---- What the caption is made of -----------------------------------------------------------

vnctrls::TvnPanelCaption TvnSkinPanel::TakeCaption() const
{
    vnctrls::TvnPanelCaption c;
    const auto* record = SkinRecordIndex() != -1 ? Record<TvnDataSkinPanelControl>() : nullptr;
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

// ---- Painting ------------------------------------------------------------------------------

void TvnSkinPanel::Paint(QPainter& painter)
{
    if (Width() < 1 || Height() < 1) return;
    ReadSkinRecord();
    // The default look, the transparent look and the paint-panel variant are drawn
    // whole into one picture.
    if (SkinRecordIndex() == -1 || m_transparentMode
        || (!ForceBackground() && m_geometry.Parts.Geometry.StretchEffect)) {
        PaintBuffered(painter);
        return;
    }
    if (m_borderStyle == bvNone && ResizeMode() == TvnResizeMode::Both && !m_captionMode) {
        PaintClientTileOnly(painter);
        return;
    }
    const auto* record = Record<TvnDataSkinPanelControl>();
    if (record && record->BGPictureIndex != -1) {
        PaintBackgroundPicture(painter, record->BGPictureIndex);
        return;
    }
    if (PaintsBackgroundApart())
        PaintBackground(painter);
    else
        PaintBuffered(painter);
}

void TvnSkinPanel::PaintClientTileOnly(QPainter& painter)
{
    const TvnSkinGeometry& p = m_geometry.Parts.Geometry;
    vnutils::DrawPieces(painter, vnutils::As32Bit(m_geometry.Picture),
        vnutils::MiddlePieces(rect(), vnctrls::ClientTile(m_geometry), p.StretchEffect, p.StretchType));
}

void TvnSkinPanel::PaintBackgroundPicture(QPainter& painter, int pictureIndex)
{
    const TvnSkinGeometry& p = m_geometry.Parts.Geometry;
    const QImage picture = vnutils::As32Bit(SkinData()->Picture(pictureIndex));
    // A picture stretched over the client rectangle leaves the edges to the face colour.
    painter.fillRect(rect(), ToQColor(SkinData()->SkinColors.cBtnFace));
    const QRect target
        = p.StretchEffect && p.StretchType == TvnStretchType::Full ? m_current.ClientRect : rect();
    vnutils::DrawPieces(
        painter, picture, vnutils::MiddlePieces(target, picture.rect(), p.StretchEffect, p.StretchType));
}

void TvnSkinPanel::DrawSkinned(QImage& bitmap)
{
    if (m_transparentMode) {
        DrawTransparent(bitmap);
        return;
    }
    TvnSkinCustomControl::DrawSkinned(bitmap);
    DrawSkinnedCaption(bitmap);
}

void TvnSkinPanel::DrawSkinnedCaption(QImage& bitmap)
{
    const auto* record = Record<TvnDataSkinPanelControl>();
    if (!record || Caption().isEmpty()) return;
    const vnctrls::TvnPanelCaption c = TakeCaption();
    if (RectEmpty(c.CaptionRect)) return;
    const vnctrls::TvnSkinnedCaptionLayout layout = vnctrls::LayoutSkinnedCaption(c);
    const QImage& picture = m_geometry.Picture;
    const QColor color = ToQColor(record->FontColor);
    QPainter painter(&bitmap);

    DrawCheckImage(painter, c, picture, layout.CheckImage);
    if (c.RollUpMode) {
        if (!RectEmpty(record->MarkFrameRect))
            painter.drawImage(QPoint(layout.Arrow.x(), c.CaptionRect.y()), picture, record->MarkFrameRect);
        DrawRollArrow(painter, layout.Arrow, c.RolledUp, color);
    }
    if (!layout.FrameStrip.isEmpty()) {
        const QImage strip = vnutils::HorizontalStrip(picture, record->FrameRect, record->FrameLeftOffset,
            record->FrameRightOffset, layout.FrameStrip.width(), true);
        if (!strip.isNull()) painter.drawImage(layout.FrameStrip.topLeft(), strip);
    }
    DrawCaptionText(painter, c, layout.Area, layout.Text, color);
    DrawCaptionImage(painter, c, layout.Image);
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

void TvnSkinPanel::DrawTransparent(QImage& bitmap)
{
    QPainter painter(&bitmap);
    vnctrls::PaintParentBackground(this, painter);
    const QColor shadow = ToQColor(SkinData()->SkinColors.cBtnShadow);
    const int w = Width(), h = Height();
    if (!m_captionMode) {
        if (m_borderStyle != bvNone) vnutils::DrawFlatFrame(painter, rect(), shadow, shadow);
        return;
    }
    const vnctrls::TvnPanelCaption c = TakeCaption();
    const vnctrls::TvnCaptionLineLayout line = vnctrls::LayoutCaptionLine(c);
    const int y = line.GroupLineY;
    FillLine(painter, 0, y, 4, y, shadow);
    FillLine(painter, line.ResumeX, y, w - 1, y, shadow);
    FillLine(painter, w - 1, y, w - 1, h - 1, shadow);
    FillLine(painter, 0, h - 1, w - 1, h - 1, shadow);
    FillLine(painter, 0, y, 0, h - 1, shadow);

    DrawCheckImage(painter, c, m_geometry.Picture, line.CheckImage);
    DrawCaptionImage(painter, c, line.Image);
    const QColor text = LineTextColor();
    DrawCaptionText(painter, c, line.Line, line.Text, text);
    if (c.RollUpMode) DrawRollArrow(painter, line.Arrow, c.RolledUp, text);
}

void TvnSkinPanel::DrawUnskinned(QImage& bitmap)
{
    QPainter painter(&bitmap);
    const QColor face = ToQColor(clr::clBtnFace);
    const QColor shadow = ToQColor(clr::clBtnShadow);
    const QColor highlight = ToQColor(clr::clBtnHighlight);
    const QColor text = ToQColor(clr::clBtnText);
    painter.fillRect(bitmap.rect(), face);
    switch (m_borderStyle) {
    case bvFrame:
        vnutils::DrawFlatFrame(painter, rect(), shadow, shadow);
        break;
    case bvRaised:
        vnutils::DrawFlatFrame(painter, rect(), highlight, shadow);
        break;
    case bvLowered:
        vnutils::DrawFlatFrame(painter, rect(), shadow, highlight);
        break;
    case bvNone:
        break;
    }
    if (!m_captionMode) return;

    const vnctrls::TvnPanelCaption c = TakeCaption();
    const vnctrls::TvnDefaultCaptionLayout layout = vnctrls::LayoutDefaultCaption(c);
    const QRect inner = layout.Bar.adjusted(1, 1, -1, -1);
    if (m_borderStyle != bvNone) {
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
                painter, vnutils::TvnMark::CheckMark, layout.CheckBox.topLeft() + QPoint(3, 2), text);
    }
    if (c.RollUpMode) DrawRollArrow(painter, layout.Arrow, c.RolledUp, text);
    const QColor caption = isEnabled() ? ToQColor(DefaultFont()->Color()) : shadow;
    DrawCaptionText(painter, c, layout.TextArea, layout.Text, caption);
    DrawCaptionImage(painter, c, layout.Image);
}
