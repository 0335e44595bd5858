#pragma once
// Small pictures cut from a skin picture: check images, mark frames, caption frames.
#include "platform/Colors.h"

#include <QImage>
#include <QRect>

class QPainter;

namespace vnctrls {

// Rectangle `r` of `picture` with automatic transparency: pixels of the colour of its
// bottom-left pixel become transparent. A null image for an empty rectangle.
QImage TransparentPiece(const QImage& picture, const QRect& r);

// `image` lightened half-way towards white, channel by channel (c * 0.5 + 255 * 0.5,
// rounded to the nearest integer), alpha kept.
QImage LightenedHalfway(const QImage& image);

// A dotted focus rectangle just inside `r`, drawn so that it shows on the face colour
// `face`.
void DrawFocusRect(QPainter& painter, const QRect& r, TColor face);

} // namespace vnctrls

namespace vnctrls {

// The default look's colours of a part under the mouse (frame and fill) and of a pressed
// or focused one (the same frame).
inline constexpr TColor kDefaultHotFrame = 0x800000;
inline constexpr TColor kDefaultHotFill = 0xD2BDB6;
inline constexpr TColor kDefaultPressedFill = 0xB59385;

// Rectangle `r` of `picture` with the pixels of colour `key` transparent. A null image
// for an empty rectangle.
QImage KeyedPiece(const QImage& picture, const QRect& r, TColor key);

} // namespace vnctrls
