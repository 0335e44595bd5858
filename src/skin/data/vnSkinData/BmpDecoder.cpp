#include "BmpDecoder.h"

#include <QtEndian>
#include <cstring>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr quint32 kBiRgb = 0;

quint32 U32(const char* p) { return qFromLittleEndian<quint32>(p); }
qint32 S32(const char* p) { return qFromLittleEndian<qint32>(p); }
quint16 U16(const char* p) { return qFromLittleEndian<quint16>(p); }

QImage DecodeWithQt(QByteArrayView file)
{
    QImage image;
    if (!image.loadFromData(file, "BMP")) return QImage();
    if (image.width() > kMaxBitmapSide || image.height() > kMaxBitmapSide) return QImage();
    return image.convertToFormat(QImage::Format_RGB32);
}

void ExpandIndexed(const uchar* src, QRgb* dst, int width, int bits, const QRgb* palette, int colors)
{
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        const int index = (src[x / perByte] >> shift) & mask;
        dst[x] = index < colors ? palette[index] : qRgb(0, 0, 0);
    }
}

} // namespace

QImage DecodeBmp(QByteArrayView file)
{
    if (file.size() < kFileHeaderSize + 40 || file[0] != 'B' || file[1] != 'M') return DecodeWithQt(file);
    const char* info = file.data() + kFileHeaderSize;
    const quint32 infoSize = U32(info);
    const qint64 width = S32(info + 4);
    const qint64 rawHeight = S32(info + 8);
    const int bits = U16(info + 14);
    const quint32 compression = U32(info + 16);
    if (infoSize < 40 || U16(info + 12) != 1 || compression != kBiRgb
        || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return DecodeWithQt(file);

    const qint64 height = rawHeight < 0 ? -rawHeight : rawHeight;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const qint64 pixelsAt = U32(file.data() + 10);
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide
        || pixelsAt < kFileHeaderSize + infoSize || pixelsAt + stride * height > file.size())
        return QImage();

    // The colour table follows the info header: blue, green, red, unused.
    QRgb palette[256];
    int colors = 0;
    if (bits <= 8) {
        const quint32 used = U32(info + 32);
        colors = used == 0 || used > (1u << bits) ? 1 << bits : static_cast<int>(used);
        const qint64 tableAt = kFileHeaderSize + infoSize;
        if (tableAt + 4 * colors > pixelsAt) return QImage();
        for (int i = 0; i < colors; ++i) {
            const auto* e = reinterpret_cast<const uchar*>(file.data() + tableAt + 4 * i);
            palette[i] = qRgb(e[2], e[1], e[0]);
        }
    }

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    const auto* pixels = reinterpret_cast<const uchar*>(file.data() + pixelsAt);
    const int w = static_cast<int>(width);
    for (int y = 0; y < height; ++y) {
        // Rows run bottom-up unless the height is negative.
        const uchar* src = pixels + stride * (rawHeight < 0 ? y : height - 1 - y);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        switch (bits) {
        case 24:
            for (int x = 0; x < w; ++x, src += 3)
                dst[x] = 0xFF000000u | (src[2] << 16) | (src[1] << 8) | src[0];
            break;
        case 32:
            for (int x = 0; x < w; ++x, src += 4)
                dst[x] = 0xFF000000u | (src[2] << 16) | (src[1] << 8) | src[0];
            break;
        default:
            ExpandIndexed(src, dst, w, bits, palette, colors);
            break;
        }
    }
    return image;
}
