#include "SkinCustomControl.h"

#include "CustomSkinParts.h"
#include "skin/data/vnUtils/FrameStrips.h"
#include "skin/data/vnUtils/PixelParts.h"

#include <QPainter>

using vnctrls::TvnResizeMode;

TvnSkinCustomControl::TvnSkinCustomControl(QObject* owner)
    : TvnSkinControl(owner)
    , m_defaultFont(vnctrls::NewDefaultFont(this))
{
    connect(m_defaultFont, &TFont::Changed, this, [this] {
        DefaultFontChanged();
        if (SkinRecordIndex() == -1) Invalidate();
    });
}

void TvnSkinCustomControl::SetDefaultWidth(int width)
{
    m_defaultWidth = width;
    if (SkinRecordIndex() == -1 && width > 0) SetWidth(width);
}

void TvnSkinCustomControl::SetDefaultHeight(int height)
{
    m_defaultHeight = height;
    if (SkinRecordIndex() == -1 && height > 0) SetHeight(height);
}

void TvnSkinCustomControl::ReadSkinRecord()
{
    TvnSkinControl::ReadSkinRecord();
    if (SkinRecordIndex() == -1) return;
    m_geometry = vnctrls::ReadSkinGeometry(*SkinData(), SkinRecordIndex());
    // The geometry at the present size; a size the skin does not allow is corrected at
    // the next SetBounds.
    int w = width(), h = height();
    AdjustSizeToSkin(w, h);
}

void TvnSkinCustomControl::AdjustSizeToSkin(int& width, int& height)
{
    vnctrls::ApplySkinSize(SkinRecordIndex() != -1, m_geometry, m_current, width, height);
}

void TvnSkinCustomControl::SetBounds(int left, int top, int width, int height)
{
    ReadSkinRecord();
    const bool resizing = (width != Width() || height != Height()) && SkinRecordIndex() != -1;
    if (resizing) AdjustSizeToSkin(width, height);
    TvnSkinControl::SetBounds(left, top, width, height);
    if (resizing) {
        UpdateShapeRegion();
        Invalidate();
    }
    if (SkinRecordIndex() != -1 && m_geometry.Parts.Geometry.StretchEffect) NotifyChildrenBackground();
}

void TvnSkinCustomControl::SkinChanged()
{
    m_faces.Clear();
    m_strips.Clear();
    ReadSkinRecord();
    bool resized = false;
    if (SkinRecordIndex() == -1) {
        const int w = m_defaultWidth > 0 ? m_defaultWidth : Width();
        const int h = m_defaultHeight > 0 ? m_defaultHeight : Height();
        if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
    } else {
        int w = Width(), h = Height();
        AdjustSizeToSkin(w, h);
        if (w != Width() || h != Height()) {
            SetBounds(Left(), Top(), w, h);
            resized = true;
        }
    }
    // SetBounds has reshaped and repainted a control whose size changed.
    if (!resized) {
        UpdateShapeRegion();
        Invalidate();
    }
}

void TvnSkinCustomControl::PrepareSkinChange()
{
    m_faces.Clear();
    m_strips.Clear();
    TvnSkinControl::PrepareSkinChange();
}

void TvnSkinCustomControl::SetFaceCacheEnabled(bool enabled)
{
    m_faces.SetEnabled(enabled);
    m_strips.SetEnabled(enabled);
}

void TvnSkinCustomControl::UpdateShapeRegion()
{
    if (!parentWidget()) return;
    std::optional<QRegion> region;
    if (SkinRecordIndex() != -1) region = vnctrls::ShapeRegion(m_geometry, m_current, size());
    if (region)
        setMask(*region);
    else if (!mask().isEmpty())
        clearMask();
}

void TvnSkinCustomControl::NotifyChildrenBackground()
{
    for (QObject* child : children())
        if (auto* control = qobject_cast<TControl*>(child))
            control->Perform(msg::SKINMSG_PARENT_BACKGROUND, 0, 0);
}

bool TvnSkinCustomControl::PaintsBackgroundApart() const
{
    return SkinRecordIndex() != -1 && m_forceBackground && m_geometry.ResizeMode == TvnResizeMode::Both;
}

void TvnSkinCustomControl::Paint(QPainter& painter)
{
    if (Width() < 1 || Height() < 1) return;
    ReadSkinRecord();
    if (PaintsBackgroundApart())
        PaintBackground(painter);
    else
        PaintBuffered(painter);
}

void TvnSkinCustomControl::PaintBackground(QPainter& painter)
{
    // Called after ReadSkinRecord: the geometry is that of the present size.
    const QImage picture = vnutils::As32Bit(m_geometry.Picture);
    vnutils::TvnFrameStrips strips = m_strips.Get({ SkinRecordIndex(), size(), m_geometry.Parts.SkinRect, 0 },
        [&] { return vnutils::BuildFrameStrips(picture, m_geometry.Parts, m_current); });
    if (!strips.Top.isNull()) DrawSkinned(strips.Top);
    if (m_drawBackground)
        vnutils::DrawPieces(painter, picture,
            vnutils::MiddlePieces(m_current.ClientRect, vnctrls::ClientTile(m_geometry),
                m_geometry.Parts.Geometry.StretchEffect, m_geometry.Parts.Geometry.StretchType));
    const int topHeight = m_current.ClientRect.y();
    if (!strips.Top.isNull()) painter.drawImage(0, 0, strips.Top);
    if (!strips.Left.isNull()) painter.drawImage(0, topHeight, strips.Left);
    if (!strips.Right.isNull()) painter.drawImage(Width() - strips.Right.width(), topHeight, strips.Right);
    if (!strips.Bottom.isNull()) painter.drawImage(0, Height() - strips.Bottom.height(), strips.Bottom);
}

void TvnSkinCustomControl::DrawUnskinned(QImage& bitmap)
{
    QPainter painter(&bitmap);
    painter.fillRect(bitmap.rect(), ToQColor(clr::clBtnFace));
}

void TvnSkinCustomControl::DrawSkinned(QImage& bitmap)
{
    vnctrls::DrawPlainSkin(bitmap, m_geometry, m_current, m_forceBackground);
}
