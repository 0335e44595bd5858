#include "ThreePartStrip.h"

#include "NinePart.h"
#include "PixelParts.h"

#include <algorithm>

namespace vnutils {

TvnPieces HorizontalStripPieces(const QRect& sr, int left, int right, int width, bool stretchMiddle)
{
    const int h = sr.height();
    const int middle = std::max(1, sr.width() - left - right);
    return {
        { TvnPieceKind::Copy, QRect(0, 0, left, h), QRect(sr.x(), sr.y(), left, h) },
        { stretchMiddle ? TvnPieceKind::Stretch : TvnPieceKind::TileX,
            QRect(left, 0, width - left - right, h), QRect(sr.x() + left, sr.y(), middle, h) },
        { TvnPieceKind::Copy, QRect(width - right, 0, right, h),
            QRect(sr.x() + sr.width() - right, sr.y(), right, h) },
    };
}

TvnPieces LeftAnchoredStripPieces(const QRect& sr, int left, int width, bool stretchMiddle)
{
    const int h = sr.height();
    const int middle = std::max(1, sr.width() - left);
    return {
        { TvnPieceKind::Copy, QRect(0, 0, left, h), QRect(sr.x(), sr.y(), left, h) },
        { stretchMiddle ? TvnPieceKind::Stretch : TvnPieceKind::TileX, QRect(left, 0, width - left, h),
            QRect(sr.x() + left, sr.y(), middle, h) },
    };
}

TvnPieces VerticalStripPieces(const QRect& sr, int top, int bottom, int height, bool stretchMiddle)
{
    const int w = sr.width();
    const int middle = std::max(1, sr.height() - top - bottom);
    return {
        { TvnPieceKind::Copy, QRect(0, 0, w, top), QRect(sr.x(), sr.y(), w, top) },
        { stretchMiddle ? TvnPieceKind::Stretch : TvnPieceKind::TileY,
            QRect(0, top, w, height - top - bottom), QRect(sr.x(), sr.y() + top, w, middle) },
        { TvnPieceKind::Copy, QRect(0, height - bottom, w, bottom),
            QRect(sr.x(), sr.y() + sr.height() - bottom, w, bottom) },
    };
}

namespace {

QImage Draw(const QImage& source, QSize size, const TvnPieces& pieces)
{
    if (source.isNull() || size.width() <= 0 || size.height() <= 0) return QImage();
    QImage strip;
    PrepareTarget(strip, size, ComposedFormat(source));
    DrawPieces(strip, As32Bit(source), pieces);
    return strip;
}

} // namespace

QImage HorizontalStrip(
    const QImage& source, const QRect& skinRect, int left, int right, int width, bool stretchMiddle)
{
    return Draw(source, { width, skinRect.height() },
        HorizontalStripPieces(skinRect, left, right, width, stretchMiddle));
}

QImage LeftAnchoredStrip(const QImage& source, const QRect& skinRect, int left, int width, bool stretchMiddle)
{
    return Draw(
        source, { width, skinRect.height() }, LeftAnchoredStripPieces(skinRect, left, width, stretchMiddle));
}

QImage VerticalStrip(
    const QImage& source, const QRect& skinRect, int top, int bottom, int height, bool stretchMiddle)
{
    return Draw(source, { skinRect.width(), height },
        VerticalStripPieces(skinRect, top, bottom, height, stretchMiddle));
}

} // namespace vnutils
