#pragma once
// Small pictures cut from a skin picture: check images, mark frames, caption frames.
#include <QImage>
#include <QRect>

namespace vnctrls {

// Rectangle `r` of `picture` with automatic transparency: pixels of the colour of its
// bottom-left pixel become transparent. A null image for an empty rectangle.
QImage TransparentPiece(const QImage& picture, const QRect& r);

// `image` lightened half-way towards white, channel by channel (c * 0.5 + 255 * 0.5,
// rounded to the nearest integer), alpha kept.
QImage LightenedHalfway(const QImage& image);

} // namespace vnctrls
