#include "Pieces.h"

#include "PixelParts.h"
#include "SkinRect.h"
#include "TilePlacement.h"

#include <QPainter>
#include <algorithm>

namespace vnutils {

void DrawPieces(QImage& target, const QImage& source, const TvnPieces& pieces)
{
    if (target.isNull() || source.isNull()) return;
    const QImage src = source.format() == target.format() ? source : source.convertToFormat(target.format());
    for (const TvnPiece& piece : pieces) {
        switch (piece.Kind) {
        case TvnPieceKind::Copy:
            CopyPart(target, piece.Target, src, piece.Source);
            break;
        case TvnPieceKind::Stretch:
            StretchPart(target, piece.Target, src, piece.Source);
            break;
        case TvnPieceKind::TileX:
            TilePart(target, piece.Target, src, piece.Source, Qt::Horizontal);
            break;
        case TvnPieceKind::TileY:
            TilePart(target, piece.Target, src, piece.Source, Qt::Vertical);
            break;
        case TvnPieceKind::TileXY:
            TilePart(target, piece.Target, src, piece.Source, Qt::Horizontal | Qt::Vertical);
            break;
        }
    }
}

namespace {

// One tile position along an axis that is not tiled: placed once, cut to the target.
std::vector<TvnTile> Once(int pos, int sourceLen, int targetLen)
{
    return { { pos, std::min(sourceLen, targetLen) } };
}

void PaintTiles(
    QPainter& painter, const QImage& source, const TvnPiece& piece, bool acrossTiled, bool downTiled)
{
    const QRect& to = piece.Target;
    const QRect& from = piece.Source;
    if (RectEmpty(to) || RectEmpty(from)) return;
    const auto columns = acrossTiled ? TilePlacement(to.x(), RectRight(to), from.width())
                                     : Once(to.x(), from.width(), to.width());
    const auto rows = downTiled ? TilePlacement(to.y(), RectBottom(to), from.height())
                                : Once(to.y(), from.height(), to.height());
    for (const TvnTile& row : rows)
        for (const TvnTile& column : columns)
            if (row.Length > 0 && column.Length > 0)
                painter.drawImage(QPoint(column.Pos, row.Pos), source,
                    QRect(from.x(), from.y(), column.Length, row.Length));
}

} // namespace

void DrawPieces(QPainter& painter, const QImage& source, const TvnPieces& pieces)
{
    if (source.isNull()) return;
    for (const TvnPiece& piece : pieces) {
        switch (piece.Kind) {
        case TvnPieceKind::Copy: {
            const int w = std::min(piece.Source.width(), piece.Target.width());
            const int h = std::min(piece.Source.height(), piece.Target.height());
            if (w > 0 && h > 0)
                painter.drawImage(piece.Target.topLeft(), source, QRect(piece.Source.topLeft(), QSize(w, h)));
            break;
        }
        case TvnPieceKind::Stretch:
            if (!RectEmpty(piece.Target) && !RectEmpty(piece.Source))
                painter.drawImage(piece.Target, source, piece.Source);
            break;
        case TvnPieceKind::TileX:
            PaintTiles(painter, source, piece, true, false);
            break;
        case TvnPieceKind::TileY:
            PaintTiles(painter, source, piece, false, true);
            break;
        case TvnPieceKind::TileXY:
            PaintTiles(painter, source, piece, true, true);
            break;
        }
    }
}

} // namespace vnutils
