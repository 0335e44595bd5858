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
    if (RectEmpty(parts.SkinRect)) return TvnResizeMode::None;
    if (parts.RightBottom.x() != 0 && parts.RightBottom.y() != 0) return TvnResizeMode::Both;
    if (parts.RightTop.x() != 0 || parts.RightTop.y() != 0) return TvnResizeMode::Horizontal;
    if (parts.LeftBottom.x() != 0 || parts.LeftBottom.y() != 0) return TvnResizeMode::Vertical;
    return TvnResizeMode::Fixed;
}

TvnSkinGeometry ReadSkinGeometry(const TvnSkinData& store, int index)
{
    TvnSkinGeometry g;
    const auto* record = store.ControlSkinAs<TvnDataSkinCustomControl>(index);
    if (!record) return g;
    vnutils::TvnNinePart& p = g.Parts;
    p.SkinRect = record->SkinRect;
    p.LeftTop = record->LeftTopPoint;
    p.RightTop = record->RightTopPoint;
    p.LeftBottom = record->LeftBottomPoint;
    p.RightBottom = record->RightBottomPoint;
    p.ClientRect = record->ClientRect;
    p.LeftStretch = record->LeftStretch;
    p.TopStretch = record->TopStretch;
    p.RightStretch = record->RightStretch;
    p.BottomStretch = record->BottomStretch;
    p.StretchEffect = record->StretchEffect;
    p.StretchType = record->StretchType;
    g.Picture = store.Picture(record->PictureIndex);
    g.Mask = store.Picture(record->MaskPictureIndex);
    g.ResizeMode = ResizeModeOf(p);
    return g;
}

TvnSkinSize AdjustSizeToSkin(const TvnSkinGeometry& geometry, QSize requested)
{
    const vnutils::TvnNinePart& p = geometry.Parts;
    const QSize skin = p.SkinRect.size();
    const int dw = requested.width() - skin.width();
    const int dh = requested.height() - skin.height();
    const QRect& cr = p.ClientRect;
    // The record's own geometry, at the skin's size.
    TvnSkinSize result { requested, { skin, p.LeftTop, p.RightTop, p.LeftBottom, p.RightBottom, cr } };
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
        result.Current.RightTop += QPoint(dw, 0);
        result.Current.ClientRect = RectLTRB(cr.x(), cr.y(), RectRight(cr) + dw, RectBottom(cr));
        break;
    case TvnResizeMode::Vertical:
        result.Size = { skin.width(), requested.height() };
        result.Current.LeftBottom += QPoint(0, dh);
        result.Current.ClientRect = RectLTRB(cr.x(), cr.y(), RectRight(cr), RectBottom(cr) + dh);
        break;
    }
    result.Current.Size = result.Size;
    return result;
}

namespace {

// Right and bottom edges of an area are outside it.
bool InArea(const QRect& area, QPoint p)
{
    return p.x() >= area.x() && p.x() < RectRight(area) && p.y() >= area.y() && p.y() < RectBottom(area);
}

QRect MapBothWays(const vnutils::TvnNinePart& p, const QRect& r, int dw, int dh)
{
    const int sw = p.SkinRect.width(), sh = p.SkinRect.height();
    const QRect leftTop = RectLTRB(0, 0, p.LeftTop.x(), p.LeftTop.y());
    const QRect rightTop = RectLTRB(p.RightTop.x(), 0, sw, p.RightTop.y());
    const QRect leftBottom = RectLTRB(0, p.LeftBottom.y(), p.LeftBottom.x(), sh);
    const QRect rightBottom = RectLTRB(p.RightBottom.x(), p.RightBottom.y(), sw, sh);
    const QPoint tl = r.topLeft();
    const QPoint br(RectRight(r), RectBottom(r));
    auto inside = [&](const QRect& area) { return InArea(area, tl) && InArea(area, br); };
    auto grow = [&](int right, int bottom) {
        return RectLTRB(r.x(), r.y(), RectRight(r) + right, RectBottom(r) + bottom);
    };

    if (inside(leftTop)) return r;
    if (inside(rightTop)) return r.translated(dw, 0);
    if (inside(leftBottom)) return r.translated(0, dh);
    if (inside(rightBottom)) return r.translated(dw, dh);
    if (InArea(leftTop, tl) && InArea(rightBottom, br)) return grow(dw, dh);
    if (InArea(leftTop, tl) && InArea(rightTop, br)) return grow(dw, 0);
    if (InArea(leftBottom, tl) && InArea(rightBottom, br)) return grow(dw, 0).translated(0, dh);
    if (InArea(leftTop, tl) && InArea(leftBottom, br)) return grow(0, dh);
    if (InArea(rightTop, tl) && InArea(rightBottom, br)) return grow(0, dh).translated(dw, 0);
    return r;
}

} // namespace

QRect MapSkinRect(const TvnSkinGeometry& geometry, QSize size, const QRect& r)
{
    const vnutils::TvnNinePart& p = geometry.Parts;
    const int dw = size.width() - p.SkinRect.width();
    const int dh = size.height() - p.SkinRect.height();
    switch (geometry.ResizeMode) {
    case TvnResizeMode::Both:
        return MapBothWays(p, r, dw, dh);
    case TvnResizeMode::Horizontal:
        if (r.x() <= p.LeftTop.x() && RectRight(r) >= p.RightTop.x())
            return RectLTRB(r.x(), r.y(), RectRight(r) + dw, RectBottom(r));
        if (r.x() >= p.RightTop.x() && RectRight(r) > p.RightTop.x()) return r.translated(dw, 0);
        return r;
    case TvnResizeMode::Vertical:
        if (r.y() <= p.LeftTop.y() && RectBottom(r) >= p.LeftBottom.y())
            return RectLTRB(r.x(), r.y(), RectRight(r), RectBottom(r) + dh);
        if (r.y() >= p.LeftBottom.y() && RectBottom(r) > p.LeftBottom.y()) return r.translated(0, dh);
        return r;
    case TvnResizeMode::Fixed:
    case TvnResizeMode::None:
        return r;
    }
    return r;
}

std::optional<QRegion> ShapeRegion(
    const TvnSkinGeometry& geometry, const TvnCurrentGeometry& current, QSize size)
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

QRect ClientTile(const TvnSkinGeometry& geometry)
{
    return geometry.Parts.ClientRect.translated(geometry.Parts.SkinRect.topLeft());
}

void DrawPlainSkin(
    QImage& target, const TvnSkinGeometry& geometry, const TvnCurrentGeometry& current, bool frameDrawnApart)
{
    const vnutils::TvnNinePart& p = geometry.Parts;
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
            source, sr, p.LeftTop.x(), sr.width() - p.RightTop.x(), target.width(), p.StretchEffect);
        break;
    case TvnResizeMode::Vertical:
        strip = vnutils::VerticalStrip(
            source, sr, p.LeftTop.y(), sr.height() - p.LeftBottom.y(), target.height(), p.StretchEffect);
        break;
    }
    if (strip.isNull()) return;
    QPainter painter(&target);
    painter.drawImage(0, 0, strip);
}

} // namespace vnctrls
