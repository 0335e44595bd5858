#include "FrameStrips.h"

#include "PixelParts.h"
#include "SkinRect.h"

namespace vnutils {

namespace {

QRect FromSkin(const QRect& skin, int left, int top, int right, int bottom)
{
    return RectLTRB(skin.x() + left, skin.y() + top, skin.x() + right, skin.y() + bottom);
}

// A horizontal strip (top or bottom): the edge from `edgeLeft`..`edgeRight` of the source
// band rows `bandTop`..`bandBottom` into `newLeft`..`newRight`, the part left of the edge
// copied at x = 0 and the part right of it copied so that it ends at the strip's end.
TvnStripLayout AcrossStrip(const QRect& sr, int width, int height, int bandTop, int bandBottom, int edgeLeft,
    int edgeRight, int newLeft, int newRight, bool stretch)
{
    TvnStripLayout layout;
    if (width <= 0 || height <= 0 || edgeRight - edgeLeft <= 0) return layout;
    layout.Size = { width, height };
    const int rightPart = sr.width() - edgeRight;
    layout.Pieces = {
        { stretch ? TvnPieceKind::Stretch : TvnPieceKind::TileX, RectLTRB(newLeft, 0, newRight, height),
            FromSkin(sr, edgeLeft, bandTop, edgeRight, bandBottom) },
        { TvnPieceKind::Copy, QRect(0, 0, edgeLeft, height), FromSkin(sr, 0, bandTop, edgeLeft, bandBottom) },
        { TvnPieceKind::Copy, QRect(width - rightPart, 0, rightPart, height),
            FromSkin(sr, edgeRight, bandTop, sr.width(), bandBottom) },
    };
    return layout;
}

// A vertical strip (left or right), starting below the top strip: source columns
// `bandLeft`..`bandRight`; the edge rows `edgeTop`..`edgeBottom` go to
// `newTop`..`newBottom` (frame coordinates), the rows between the client top and the edge
// are copied at the strip's top and those between the edge and the client bottom at its
// bottom.
TvnStripLayout DownStrip(const QRect& sr, const QRect& cr, int width, int height, int stripTop, int bandLeft,
    int bandRight, int edgeTop, int edgeBottom, int newTop, int newBottom, bool stretch)
{
    TvnStripLayout layout;
    if (width <= 0 || height <= 0 || edgeBottom - edgeTop <= 0) return layout;
    layout.Size = { width, height };
    const int above = edgeTop - cr.y();
    const int below = RectBottom(cr) - edgeBottom;
    layout.Pieces = {
        { stretch ? TvnPieceKind::Stretch : TvnPieceKind::TileY,
            RectLTRB(0, newTop - stripTop, width, newBottom - stripTop),
            FromSkin(sr, bandLeft, edgeTop, bandRight, edgeBottom) },
        { TvnPieceKind::Copy, QRect(0, 0, width, above), FromSkin(sr, bandLeft, cr.y(), bandRight, edgeTop) },
        { TvnPieceKind::Copy, QRect(0, height - below, width, below),
            FromSkin(sr, bandLeft, edgeBottom, bandRight, RectBottom(cr)) },
    };
    return layout;
}

} // namespace

TvnStripLayout FrameStripLayout(TvnStrip strip, const TvnNinePart& parts, const TvnNinePartTarget& to)
{
    const QRect& sr = parts.SkinRect;
    const TvnSkinGeometry& g = parts.Geometry;
    const TvnCornerPoints& c = g.Corners;
    const TvnCornerPoints& n = to.Corners;
    const QRect& cr = g.ClientRect;
    const QRect& ncr = to.ClientRect;
    const int w = to.Size.width(), h = to.Size.height();
    const int topHeight = ncr.y();
    const int bottomHeight = h - RectBottom(ncr);
    const int sideHeight = h - topHeight - bottomHeight;
    switch (strip) {
    case TvnStrip::Top:
        return AcrossStrip(sr, w, topHeight, 0, cr.y(), c.LeftTop.x(), c.RightTop.x(), n.LeftTop.x(),
            n.RightTop.x(), g.TopStretch);
    case TvnStrip::Bottom:
        return AcrossStrip(sr, w, bottomHeight, RectBottom(cr), sr.height(), c.LeftBottom.x(),
            c.RightBottom.x(), n.LeftBottom.x(), n.RightBottom.x(), g.BottomStretch);
    case TvnStrip::Left:
        return DownStrip(sr, cr, ncr.x(), sideHeight, topHeight, 0, cr.x(), c.LeftTop.y(), c.LeftBottom.y(),
            n.LeftTop.y(), n.LeftBottom.y(), g.LeftStretch);
    case TvnStrip::Right:
        return DownStrip(sr, cr, w - RectRight(ncr), sideHeight, topHeight, RectRight(cr), sr.width(),
            c.RightTop.y(), c.RightBottom.y(), n.RightTop.y(), n.RightBottom.y(), g.RightStretch);
    }
    return {};
}

namespace {

QImage BuildStrip(const QImage& source, const TvnStripLayout& layout)
{
    if (layout.Size.isEmpty() || source.isNull()) return QImage();
    QImage strip;
    PrepareTarget(strip, layout.Size, ComposedFormat(source));
    DrawPieces(strip, source, layout.Pieces);
    return strip;
}

} // namespace

TvnFrameStrips BuildFrameStrips(const QImage& source, const TvnNinePart& parts, const TvnNinePartTarget& to)
{
    const QImage src = As32Bit(source);
    TvnFrameStrips strips;
    strips.Top = BuildStrip(src, FrameStripLayout(TvnStrip::Top, parts, to));
    strips.Bottom = BuildStrip(src, FrameStripLayout(TvnStrip::Bottom, parts, to));
    strips.Left = BuildStrip(src, FrameStripLayout(TvnStrip::Left, parts, to));
    strips.Right = BuildStrip(src, FrameStripLayout(TvnStrip::Right, parts, to));
    return strips;
}

TvnFrameStrips BuildMaskStrips(const QImage& mask, const TvnNinePart& parts, const TvnNinePartTarget& to)
{
    TvnNinePart tiled = parts;
    TvnSkinGeometry& g = tiled.Geometry;
    g.LeftStretch = g.TopStretch = g.RightStretch = g.BottomStretch = false;
    return BuildFrameStrips(mask, tiled, to);
}

} // namespace vnutils
