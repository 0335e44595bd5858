#include "SkinGeometry.h"

#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnUtils/MaskRegion.h"
#include "skin/data/vnUtils/PixelParts.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

#include <QPainter>

namespace vnctrls {

using vnutils::RectBottom;
using vnutils::RectEmpty;
using vnutils::RectLTRB;
using vnutils::RectRight;

TvnResizeMode ResizeModeOf(const vnutils::TvnNinePart& parts)
{
    const TvnCornerPoints& c = parts.Geometry.Corners;
    if (RectEmpty(parts.SkinRect)) return TvnResizeMode::None;
    if (c.RightBottom.x() != 0 && c.RightBottom.y() != 0) return TvnResizeMode::Both;
    if (c.RightTop.x() != 0 || c.RightTop.y() != 0) return TvnResizeMode::Horizontal;
    if (c.LeftBottom.x() != 0 || c.LeftBottom.y() != 0) return TvnResizeMode::Vertical;
    return TvnResizeMode::Fixed;
}

TvnControlGeometry ReadSkinGeometry(const TvnSkinData& store, int index)
{
    TvnControlGeometry g;
    const auto* record = store.ControlSkinAs<TvnDataSkinCustomControl>(index);
    if (!record) return g;
    g.Parts = { record->SkinRect, record->Geometry };
    g.Picture = store.Picture(record->PictureIndex);
    g.Mask = store.Picture(record->MaskPictureIndex);
    g.ResizeMode = ResizeModeOf(g.Parts);
    return g;
}

TvnSkinSize AdjustSizeToSkin(const TvnControlGeometry& geometry, QSize requested)
{
    const vnutils::TvnNinePart& p = geometry.Parts;
    const QSize skin = p.SkinRect.size();
    const int dw = requested.width() - skin.width();
    const int dh = requested.height() - skin.height();
    const QRect& cr = p.Geometry.ClientRect;
    // The record's own geometry, at the skin's size.
    TvnSkinSize result { requested, { skin, p.Geometry.Corners, cr } };
    switch (geometry.ResizeMode) {
    case TvnResizeMode::None:
        break;
    case TvnResizeMode::Fixed:
        result.Size = skin;
        break;
    case TvnResizeMode::Both:
        result.Current = vnutils::StandardTarget(p, requested);
        break;
    case TvnResizeMode::Horizontal:
        result.Size = { requested.width(), skin.height() };
        result.Current.Corners.RightTop += QPoint(dw, 0);
        result.Current.ClientRect = RectLTRB(cr.x(), cr.y(), RectRight(cr) + dw, RectBottom(cr));
        break;
    case TvnResizeMode::Vertical:
        result.Size = { skin.width(), requested.height() };
        result.Current.Corners.LeftBottom += QPoint(0, dh);
        result.Current.ClientRect = RectLTRB(cr.x(), cr.y(), RectRight(cr), RectBottom(cr) + dh);
        break;
    }
    result.Current.Size = result.Size;
    return result;
}

QRect MapSkinRect(const TvnControlGeometry& geometry, QSize size, const QRect& r)
{
    const vnutils::TvnNinePart& p = geometry.Parts;
    const TvnCornerPoints& c = p.Geometry.Corners;
    const int dw = size.width() - p.SkinRect.width();
    const int dh = size.height() - p.SkinRect.height();
    switch (geometry.ResizeMode) {
    case TvnResizeMode::Both:
        return MoveWithCorners(r, c, p.SkinRect.size(), dw, dh);
    case TvnResizeMode::Horizontal:
        if (r.x() <= c.LeftTop.x() && RectRight(r) >= c.RightTop.x())
            return RectLTRB(r.x(), r.y(), RectRight(r) + dw, RectBottom(r));
        if (r.x() >= c.RightTop.x() && RectRight(r) > c.RightTop.x()) return r.translated(dw, 0);
        return r;
    case TvnResizeMode::Vertical:
        if (r.y() <= c.LeftTop.y() && RectBottom(r) >= c.LeftBottom.y())
            return RectLTRB(r.x(), r.y(), RectRight(r), RectBottom(r) + dh);
        if (r.y() >= c.LeftBottom.y() && RectBottom(r) > c.LeftBottom.y()) return r.translated(0, dh);
        return r;
    case TvnResizeMode::Fixed:
    case TvnResizeMode::None:
        return r;
    }
    return r;
}

std::optional<QRegion> ShapeRegion(
    const TvnControlGeometry& geometry, const TvnCurrentGeometry& current, QSize size)
{
    if (geometry.Mask.isNull()) return std::nullopt;
    const vnutils::TvnNinePart& p = geometry.Parts;
    switch (geometry.ResizeMode) {
    case TvnResizeMode::Fixed:
        return vnutils::RegionFromMask(geometry.Mask.copy(p.SkinRect));
    case TvnResizeMode::Both:
        return vnutils::WindowRegionFromMask(geometry.Mask, p, current);
    case TvnResizeMode::Horizontal:
        return vnutils::WindowRegionFromMask(
            geometry.Mask, p, vnutils::StandardTarget(p, size, vnutils::TvnGrowth::Horizontal));
    case TvnResizeMode::Vertical:
        return vnutils::WindowRegionFromMask(
            geometry.Mask, p, vnutils::StandardTarget(p, size, vnutils::TvnGrowth::Vertical));
    case TvnResizeMode::None:
        return std::nullopt;
    }
    return std::nullopt;
}

QRect ClientTile(const TvnControlGeometry& geometry)
{
    return geometry.Parts.Geometry.ClientRect.translated(geometry.Parts.SkinRect.topLeft());
}

void DrawPlainSkin(QImage& target, const TvnControlGeometry& geometry, const TvnCurrentGeometry& current,
    bool frameDrawnApart)
{
    const vnutils::TvnNinePart& p = geometry.Parts;
    const TvnCornerPoints& c = p.Geometry.Corners;
    if (geometry.Picture.isNull() || target.isNull()) return;
    const QImage source = vnutils::As32Bit(geometry.Picture);
    const QRect& sr = p.SkinRect;
    QImage strip;
    switch (geometry.ResizeMode) {
    case TvnResizeMode::None:
        return;
    case TvnResizeMode::Fixed:
        vnutils::CopyPart(target, QRect(QPoint(0, 0), sr.size()), source, sr);
        return;
    case TvnResizeMode::Both:
        if (frameDrawnApart) return;
        vnutils::ComposeNineParts(strip, source, p, current);
        break;
    case TvnResizeMode::Horizontal:
        strip = vnutils::HorizontalStrip(
            source, sr, c.LeftTop.x(), sr.width() - c.RightTop.x(), target.width(), p.Geometry.StretchEffect);
        break;
    case TvnResizeMode::Vertical:
        strip = vnutils::VerticalStrip(source, sr, c.LeftTop.y(), sr.height() - c.LeftBottom.y(),
            target.height(), p.Geometry.StretchEffect);
        break;
    }
    if (strip.isNull()) return;
    QPainter painter(&target);
    painter.drawImage(0, 0, strip);
}

} // namespace vnctrls
