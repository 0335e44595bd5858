#pragma once
// Decoding of the BMP files a skin carries straight into 32-bit RGB images.
//
// Skins hold twenty-odd uncompressed bitmaps, about 1.2 MB; going through the general
// image reader cost more than inflating the whole container, so the plain layouts
// (1, 4, 8, 24 and 32 bits per pixel, no compression, rows bottom-up or top-down) are
// read here row by row. Any other layout (run-length or bit-field encoded, 16 bits,
// OS/2 headers) goes to Qt's BMP reader.
#include <QByteArrayView>
#include <QImage>

// The largest width and height of a skin picture, whichever reader decodes it.
inline constexpr int kMaxBitmapSide = 0x7FFF;

// A null image when the bytes are no readable BMP file or the picture is larger.
QImage DecodeBmp(QByteArrayView file);
