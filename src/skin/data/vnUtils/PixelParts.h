#pragma once
// The three ways a piece of a skin picture reaches a target image: copied 1:1, scaled,
// or tiled. They work on 32-bit images (RGB32 or either ARGB32) row by row with plain
// memory copies; every read and every write is clipped to its image, so a skin
// rectangle that reaches outside its picture draws only the part that lies inside.
#include <QImage>
#include <QRect>

namespace vnutils {

// True for the formats the parts work on directly (four bytes per pixel).
bool Is32Bit(const QImage& image);

// `image` in a 32-bit format: itself when it already is one (no copy), otherwise
// converted to `format`.
QImage As32Bit(const QImage& image, QImage::Format format = QImage::Format_RGB32);

// The 32-bit format an image composed from `source` is made in.
QImage::Format ComposedFormat(const QImage& source);

// Copies the top-left part of `from` that fits into `to`, without scaling.
void CopyPart(QImage& dst, const QRect& to, const QImage& src, const QRect& from);

// Scales `from` onto `to` by the nearest pixel: each target pixel takes the source pixel
// under its centre. This is the plain bitmap scaling of the platform; no filtering.
void StretchPart(QImage& dst, const QRect& to, const QImage& src, const QRect& from);

// Tiles `from` over `to` along `axes`: tiles placed by TilePlacement from the top-left
// corner, the last one cut at the far edge. Along an axis that is not tiled the piece is
// placed once and cut to `to`.
void TilePart(QImage& dst, const QRect& to, const QImage& src, const QRect& from, Qt::Orientations axes);

} // namespace vnutils
