#include "BmpDecoder.h"

#include <QtEndian>
#include <algorithm>
#include <iterator>

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

// Indexed rows, one source byte at a time: a byte holds 8, 2 or 1 pixels. The palette
// has all 256 entries (those past the file's table black), so an index needs no check.
void ExpandIndexed(const uchar* src, QRgb* dst, int width, int bits, const QRgb* palette)
{
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    int x = 0;
    for (; x + perByte <= width; ++src)
        for (int shift = 8 - bits; shift >= 0; shift -= bits)
            dst[x++] = palette[(*src >> shift) & mask];
    for (int shift = 8 - bits; x < width; shift -= bits)
        dst[x++] = palette[(*src >> shift) & mask];
}

// Blue, green, red bytes to 0xFFRRGGBB: four pixels from three little-endian words.
void ExpandBgr(const uchar* src, QRgb* dst, int width)
{
    int x = 0;
    for (; x + 4 <= width; x += 4, src += 12) {
        const quint32 a = qFromLittleEndian<quint32>(src);
        const quint32 b = qFromLittleEndian<quint32>(src + 4);
        const quint32 c = qFromLittleEndian<quint32>(src + 8);
        dst[x] = 0xFF000000u | (a & 0xFFFFFFu);
        dst[x + 1] = 0xFF000000u | (a >> 24) | ((b & 0xFFFFu) << 8);
        dst[x + 2] = 0xFF000000u | (b >> 16) | ((c & 0xFFu) << 16);
        dst[x + 3] = 0xFF000000u | (c >> 8);
    }
    for (; x < width; ++x, src += 3)
        dst[x] = 0xFF000000u | (src[2] << 16) | (src[1] << 8) | src[0];
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
    std::fill(std::begin(palette), std::end(palette), qRgb(0, 0, 0));
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
            ExpandBgr(src, dst, w);
            break;
        case 32:
            for (int x = 0; x < w; ++x, src += 4)
                dst[x] = 0xFF000000u | (qFromLittleEndian<quint32>(src) & 0xFFFFFFu);
            break;
        default:
            ExpandIndexed(src, dst, w, bits, palette);
            break;
        }
    }
    return image;
}
