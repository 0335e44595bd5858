#include "SkinCustomControl.h"

#include "CustomSkinParts.h"
#include "skin/data/vnUtils/FrameStrips.h"
#include "skin/data/vnUtils/PixelParts.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/TilePlacement.h"

#include <QPainter>

using vnctrls::TvnResizeMode;

TvnSkinCustomControl::TvnSkinCustomControl(QObject* owner)
    : TvnSkinControl(owner)
    , TvnSkinSizing(*this, *this)
{
    KeepLooks({ &m_faces, &m_strips, &m_middleRow });
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
        PaintBackground(painter, [this](QImage& top) { DrawSkinned(top); });
    else
        PaintBuffered(painter);
}

void TvnSkinCustomControl::PaintBackground(QPainter& painter, const std::function<void(QImage&)>& drawTop)
{
    // Called after ReadSkinRecord: the geometry is that of the present size.
    const QImage picture = vnutils::As32Bit(m_geometry.Picture);
    vnutils::TvnFrameStrips strips = m_strips.Get({ SkinRecordIndex(), size(), m_geometry.Parts.SkinRect, 0 },
        [&] { return vnutils::BuildFrameStrips(picture, m_geometry.Parts, m_current); });
    if (!strips.Top.isNull()) drawTop(strips.Top);
    if (m_drawBackground) PaintMiddle(painter, picture);
    const int topHeight = m_current.ClientRect.y();
    if (!strips.Top.isNull()) painter.drawImage(0, 0, strips.Top);
    if (!strips.Left.isNull()) painter.drawImage(0, topHeight, strips.Left);
    if (!strips.Right.isNull()) painter.drawImage(Width() - strips.Right.width(), topHeight, strips.Right);
    if (!strips.Bottom.isNull()) painter.drawImage(0, Height() - strips.Bottom.height(), strips.Bottom);
}

void TvnSkinCustomControl::PaintMiddle(QPainter& painter, const QImage& picture)
{
    const QRect& client = m_current.ClientRect;
    const QRect tile = vnctrls::ClientTile(m_geometry);
    const TvnSkinGeometry& g = m_geometry.Parts.Geometry;
    if (g.StretchEffect || vnutils::RectEmpty(client) || vnutils::RectEmpty(tile)) {
        vnutils::DrawPieces(
            painter, picture, vnutils::MiddlePieces(client, tile, g.StretchEffect, g.StretchType));
        return;
    }
    // Tiled: one row of tiles across the client rectangle is kept and copied down it, a
    // copy per row instead of one per tile (the same pixels, tiled by the same rule).
    const QImage& row = m_middleRow.Get({ SkinRecordIndex(), size(), tile, 0 }, [&] {
        QImage across(client.width(), tile.height(), picture.format());
        vnutils::DrawPieces(across, picture, { { vnutils::TvnPieceKind::TileX, across.rect(), tile } });
        return across;
    });
    for (const vnutils::TvnTile& t :
        vnutils::TilePlacement(client.y(), vnutils::RectBottom(client), tile.height()))
        if (t.Length > 0)
            painter.drawImage(QPoint(client.x(), t.Pos), row, QRect(0, 0, row.width(), t.Length));
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
