#include "SkinCustomControl.h"

#include "CustomSkinParts.h"
#include "skin/data/vnUtils/FrameStrips.h"
#include "skin/data/vnUtils/PixelParts.h"

#include <QPainter>

using vnctrls::TvnResizeMode;

TvnSkinCustomControl::TvnSkinCustomControl(QObject* owner)
    : TvnSkinControl(owner)
    , TvnSkinSizing(*this, *this)
{
    KeepLooks({ &m_faces, &m_strips });
}

void TvnSkinCustomControl::ReadSkinRecord()
{
    TvnSkinControl::ReadSkinRecord();
    ReadGeometry();
}

void TvnSkinCustomControl::SetBounds(int left, int top, int width, int height)
{
    const bool resizing = FitRequestedSize(width, height);
    TvnSkinControl::SetBounds(left, top, width, height);
    if (resizing) {
        UpdateShapeRegion();
        Invalidate();
    }
    if (SkinRecordIndex() != -1 && m_geometry.Parts.Geometry.StretchEffect) NotifyChildrenBackground();
}

void TvnSkinCustomControl::SkinChanged()
{
    DropLooks();
    ForgetGeometry();
    ReadSkinRecord();
    const QSize wanted = SizeForSkin();
    const bool resized = wanted != size() && SkinRecordIndex() != -1;
    if (wanted != size()) SetBounds(Left(), Top(), wanted.width(), wanted.height());
    // SetBounds has reshaped and repainted a control whose size changed.
    if (!resized) {
        UpdateShapeRegion();
        Invalidate();
    }
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
