#pragma once
// Windows BMP files as the skin container stores them: a file header whose total size is
// exactly header + info header + colour table + pixel rows, so bitmaps can follow each
// other in the container without a length. Pictures are written with 24 bits per pixel,
// masks with 1 bit (colour table black, white).
#include <QByteArray>
#include <QImage>

namespace art {

QByteArray Bmp24(const QImage& image);
// Pixels darker than mid grey become black (index 0), the rest white.
QByteArray Bmp1(const QImage& mask);

} // namespace art
