#include "NinePart.h"

#include "PixelParts.h"
#include "SkinRect.h"
#include "TilePlacement.h"

namespace vnutils {

namespace {

// A picture rectangle from coordinates relative to the skin rectangle.
QRect FromSkin(const QRect& skin, int left, int top, int right, int bottom)
{
    return RectLTRB(skin.x() + left, skin.y() + top, skin.x() + right, skin.y() + bottom);
}

TvnPieceKind EdgeKind(bool stretch, Qt::Orientation along)
{
    if (stretch) return TvnPieceKind::Stretch;
    return along == Qt::Horizontal ? TvnPieceKind::TileX : TvnPieceKind::TileY;
}

} // namespace

TvnNinePartTarget StandardTarget(const TvnNinePart& parts, QSize size, TvnGrowth growth)
{
    const int dx = growth == TvnGrowth::Vertical ? 0 : size.width() - parts.SkinRect.width();
    const int dy = growth == TvnGrowth::Horizontal ? 0 : size.height() - parts.SkinRect.height();
    const QRect& cr = parts.Geometry.ClientRect;
    TvnNinePartTarget to;
    to.Size = size;
    to.Corners = GrownCorners(parts.Geometry.Corners, dx, dy);
    to.ClientRect = RectLTRB(cr.x(), cr.y(), RectRight(cr) + dx, RectBottom(cr) + dy);
    return to;
}

TvnPieces MiddlePieces(const QRect& to, const QRect& tile, bool stretch, TvnStretchType type)
{
    TvnPieces pieces;
    if (RectEmpty(to) || RectEmpty(tile)) return pieces;
    if (!stretch) {
        pieces.push_back({ TvnPieceKind::TileXY, to, tile });
        return pieces;
    }
    switch (type) {
    case TvnStretchType::Full:
        pieces.push_back({ TvnPieceKind::Stretch, to, tile });
        break;
    case TvnStretchType::Horz:
        // A strip of the tile's width and the target's height, repeated across: each copy
        // is the tile's first columns scaled down the full height.
        for (const TvnTile& t : TilePlacement(to.x(), RectRight(to), tile.width()))
            if (t.Length > 0)
                pieces.push_back({ TvnPieceKind::Stretch, QRect(t.Pos, to.y(), t.Length, to.height()),
                    QRect(tile.x(), tile.y(), t.Length, tile.height()) });
        break;
    case TvnStretchType::Vert:
        for (const TvnTile& t : TilePlacement(to.y(), RectBottom(to), tile.height()))
            if (t.Length > 0)
                pieces.push_back({ TvnPieceKind::Stretch, QRect(to.x(), t.Pos, to.width(), t.Length),
                    QRect(tile.x(), tile.y(), tile.width(), t.Length) });
        break;
    }
    return pieces;
}

TvnPieces NinePartPieces(const TvnNinePart& parts, const TvnNinePartTarget& to, bool drawMiddle)
{
    const QRect& sr = parts.SkinRect;
    const TvnSkinGeometry& g = parts.Geometry;
    const int sw = sr.width(), sh = sr.height();
    const auto [lt, rt, lb, rb] = g.Corners;
    const QRect& cr = g.ClientRect;
    const int crl = cr.x(), crt = cr.y(), crr = RectRight(cr), crb = RectBottom(cr);
    const int w = to.Size.width(), h = to.Size.height();
    const auto [nlt, nrt, nlb, nrb] = to.Corners;
    const QRect& ncr = to.ClientRect;
    const int nl = ncr.x(), nt = ncr.y(), nr = RectRight(ncr), nb = RectBottom(ncr);

    TvnPieces pieces;
    pieces.reserve(13);
    auto add = [&](TvnPieceKind kind, QRect target, QRect source) {
        pieces.push_back({ kind, target, source });
    };

    // Edges.
    add(EdgeKind(g.TopStretch, Qt::Horizontal), RectLTRB(nlt.x(), 0, nrt.x(), nt),
        FromSkin(sr, lt.x(), 0, rt.x(), crt));
    add(EdgeKind(g.BottomStretch, Qt::Horizontal), RectLTRB(nlb.x(), nb, nrb.x(), h),
        FromSkin(sr, lb.x(), crb, rb.x(), sh));
    add(EdgeKind(g.LeftStretch, Qt::Vertical), RectLTRB(0, nlt.y(), nl, nlb.y()),
        FromSkin(sr, 0, lt.y(), crl, lb.y()));
    add(EdgeKind(g.RightStretch, Qt::Vertical), RectLTRB(nr, nrt.y(), w, nrb.y()),
        FromSkin(sr, crr, rt.y(), sw, rb.y()));

    // Corner pieces, 1:1.
    const TvnPieceKind copy = TvnPieceKind::Copy;
    add(copy, RectLTRB(0, 0, nlt.x(), nt), FromSkin(sr, 0, 0, lt.x(), crt));
    add(copy, RectLTRB(0, nt, nl, nlt.y()), FromSkin(sr, 0, crt, crl, lt.y()));
    add(copy, RectLTRB(nrt.x(), 0, w, nt), FromSkin(sr, rt.x(), 0, sw, crt));
    add(copy, RectLTRB(nr, nt, w, nrt.y()), FromSkin(sr, crr, crt, sw, rt.y()));
    add(copy, RectLTRB(0, nlb.y(), nl, h), FromSkin(sr, 0, lb.y(), crl, sh));
    add(copy, RectLTRB(nl, nb, nlb.x(), h), FromSkin(sr, crl, crb, lb.x(), sh));
    add(copy, RectLTRB(nrb.x(), nb, w, h), FromSkin(sr, rb.x(), crb, sw, sh));
    add(copy, RectLTRB(nr, nrb.y(), w, nb), FromSkin(sr, crr, rb.y(), sw, crb));

    if (drawMiddle) {
        const TvnPieces middle
            = MiddlePieces(ncr, FromSkin(sr, crl, crt, crr, crb), g.StretchEffect, g.StretchType);
        pieces.insert(pieces.end(), middle.begin(), middle.end());
    }
    return pieces;
}

void PrepareTarget(QImage& target, QSize size, QImage::Format format)
{
    if (target.size() == size && Is32Bit(target)) return;
    if (size.width() <= 0 || size.height() <= 0) {
        target = QImage();
        return;
    }
    target = QImage(size, format);
    target.fill(Qt::black);
}

void ComposeNineParts(QImage& target, const QImage& source, const TvnNinePart& parts,
    const TvnNinePartTarget& to, bool drawMiddle)
{
    PrepareTarget(target, to.Size, ComposedFormat(source));
    const TvnCornerPoints& c = parts.Geometry.Corners;
    if (c.RightBottom.x() == c.LeftTop.x() || c.RightBottom.y() == c.LeftTop.y()) return;
    if (source.isNull()) return;
    DrawPieces(target, source, NinePartPieces(parts, to, drawMiddle));
}

void StretchSkinRect(
    QImage& target, const QImage& source, const QRect& skinRect, const QRect& clientRect, bool drawMiddle)
{
    TvnNinePart parts;
    parts.SkinRect = skinRect;
    TvnSkinGeometry& g = parts.Geometry;
    g.ClientRect = clientRect;
    const int l = clientRect.x(), t = clientRect.y(), r = RectRight(clientRect), b = RectBottom(clientRect);
    g.Corners = { { l, t }, { r, t }, { l, b }, { r, b } };
    g.LeftStretch = g.TopStretch = g.RightStretch = g.BottomStretch = true;
    g.StretchEffect = true;
    g.StretchType = TvnStretchType::Full;

    // The standard geometry moves the corners of the client rectangle with its edges, so
    // the new points are the corners of the new client rectangle.
    ComposeNineParts(target, source, parts, StandardTarget(parts, target.size()), drawMiddle);
}

void FillMiddle(QImage& target, const QRect& to, const QImage& source, const QRect& tile, bool stretch,
    TvnStretchType type)
{
    DrawPieces(target, source, MiddlePieces(to, tile, stretch, type));
}

} // namespace vnutils
