#include "PixelParts.h"

#include "SkinRect.h"
#include "TilePlacement.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vnutils {

namespace {

constexpr int kPixelBytes = 4;

// Copies `count` pixels. Frame edges are a few pixels wide and many rows tall, so short
// runs are copied in line rather than through a library call per row.
inline void CopyPixels(void* dst, const void* src, int count)
{
    if (count <= 16) {
        auto* d = static_cast<quint32*>(dst);
        const auto* s = static_cast<const quint32*>(src);
        for (int i = 0; i < count; ++i)
            d[i] = s[i];
        return;
    }
    std::memcpy(dst, src, size_t(count) * kPixelBytes);
}

// Clips one axis of a copy of `len` pixels from source position `s` to target position
// `d`, so that both stay inside [0, srcLen) and [0, dstLen). False when nothing is left.
// Reckoned in 64 bits: skin rectangles and window sizes together may reach past int.
bool ClipAxis(int& s, int& d, int& len, int srcLen, int dstLen)
{
    qint64 s64 = s, d64 = d, len64 = len;
    if (s64 < 0) {
        len64 += s64;
        d64 -= s64;
        s64 = 0;
    }
    if (d64 < 0) {
        len64 += d64;
        s64 -= d64;
        d64 = 0;
    }
    len64 = std::min({ len64, srcLen - s64, dstLen - d64 });
    if (len64 <= 0) return false;
    s = int(s64);
    d = int(d64);
    len = int(len64);
    return true;
}

// Source index for each of `count` target pixels starting `offset` pixels into a target
// span of `targetLen`, scaled from a source span [srcPos, srcPos + srcLen). The exact
// centre rule: floor((2i + 1) * srcLen / (2 * targetLen)).
std::vector<int> ScaleMap(int srcPos, int srcLen, int targetLen, int offset, int count)
{
    std::vector<int> map(count);
    const qint64 num = srcLen;
    const qint64 den = 2 * qint64(targetLen);
    for (int i = 0; i < count; ++i)
        map[i] = srcPos + int((2 * qint64(offset + i) + 1) * num / den);
    return map;
}

} // namespace

bool Is32Bit(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

QImage As32Bit(const QImage& image, QImage::Format format)
{
    if (image.isNull() || Is32Bit(image)) return image;
    return image.convertToFormat(format);
}

QImage::Format ComposedFormat(const QImage& source)
{
    if (Is32Bit(source)) return source.format();
    return source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

void CopyPart(QImage& dst, const QRect& to, const QImage& src, const QRect& from)
{
    int sx = from.x(), sy = from.y(), dx = to.x(), dy = to.y();
    int w = std::min(from.width(), to.width());
    int h = std::min(from.height(), to.height());
    if (!ClipAxis(sx, dx, w, src.width(), dst.width())) return;
    if (!ClipAxis(sy, dy, h, src.height(), dst.height())) return;
    uchar* dbits = dst.bits();
    const qsizetype dbpl = dst.bytesPerLine();
    const uchar* sbits = src.constBits();
    const qsizetype sbpl = src.bytesPerLine();
    for (int j = 0; j < h; ++j)
        CopyPixels(dbits + (dy + j) * dbpl + dx * kPixelBytes, sbits + (sy + j) * sbpl + sx * kPixelBytes, w);
}

void StretchPart(QImage& dst, const QRect& to, const QImage& src, const QRect& from)
{
    const QRect source = from.intersected(src.rect());
    if (RectEmpty(source) || RectEmpty(to)) return;
    const int x0 = std::max(to.x(), 0), x1 = std::min(RectRight(to), dst.width());
    const int y0 = std::max(to.y(), 0), y1 = std::min(RectBottom(to), dst.height());
    if (x0 >= x1 || y0 >= y1) return;

    const std::vector<int> xmap = ScaleMap(source.x(), source.width(), to.width(), x0 - to.x(), x1 - x0);
    const std::vector<int> ymap = ScaleMap(source.y(), source.height(), to.height(), y0 - to.y(), y1 - y0);
    const bool sameWidth = source.width() == to.width();

    uchar* dbits = dst.bits();
    const qsizetype dbpl = dst.bytesPerLine();
    const uchar* sbits = src.constBits();
    const qsizetype sbpl = src.bytesPerLine();
    for (int y = y0; y < y1; ++y) {
        const int sy = ymap[y - y0];
        auto* drow = reinterpret_cast<quint32*>(dbits + y * dbpl) + x0;
        if (y > y0 && sy == ymap[y - y0 - 1]) {
            // Enlarged vertically: the row repeats the one above.
            CopyPixels(drow, reinterpret_cast<const quint32*>(dbits + (y - 1) * dbpl) + x0, x1 - x0);
            continue;
        }
        const auto* srow = reinterpret_cast<const quint32*>(sbits + sy * sbpl);
        if (sameWidth) {
            CopyPixels(drow, srow + xmap[0], x1 - x0);
            continue;
        }
        for (int i = 0, n = x1 - x0; i < n; ++i)
            drow[i] = srow[xmap[i]];
    }
}

void TilePart(QImage& dst, const QRect& to, const QImage& src, const QRect& from, Qt::Orientations axes)
{
    if (RectEmpty(from) || RectEmpty(to)) return;
    // Only the tiles that reach into the target image are placed.
    const std::vector<TvnTile> columns = (axes & Qt::Horizontal)
        ? TilePlacement(to.x(), RectRight(to), from.width(), 0, dst.width())
        : std::vector<TvnTile> { { to.x(), std::min(from.width(), to.width()) } };
    const std::vector<TvnTile> rows = (axes & Qt::Vertical)
        ? TilePlacement(to.y(), RectBottom(to), from.height(), 0, dst.height())
        : std::vector<TvnTile> { { to.y(), std::min(from.height(), to.height()) } };
    if (columns.empty() || rows.empty()) return;

    // Every target row is copied from its source row, which stays in the cache, rather
    // than from a target row drawn earlier: the target (a whole frame) does not. The
    // columns are clipped once for all rows.
    struct Span {
        int Sx, Dx, Width;
    };
    std::vector<Span> spans;
    spans.reserve(columns.size());
    for (const TvnTile& column : columns) {
        int sx = from.x(), dx = column.Pos, w = column.Length;
        if (ClipAxis(sx, dx, w, src.width(), dst.width())) spans.push_back({ sx, dx, w });
    }
    if (spans.empty()) return;

    uchar* dbits = dst.bits();
    const qsizetype dbpl = dst.bytesPerLine();
    const int dstHeight = dst.height();
    const uchar* sbits = src.constBits();
    const qsizetype sbpl = src.bytesPerLine();
    const int srcHeight = src.height();
    for (const TvnTile& band : rows) {
        for (int r = 0; r < band.Length; ++r) {
            const int y = band.Pos + r;
            const int sy = from.y() + r;
            if (y < 0 || y >= dstHeight || sy < 0 || sy >= srcHeight) continue;
            uchar* drow = dbits + y * dbpl;
            const uchar* srow = sbits + sy * sbpl;
            for (const Span& span : spans)
                CopyPixels(drow + span.Dx * kPixelBytes, srow + span.Sx * kPixelBytes, span.Width);
        }
    }
}

} // namespace vnutils
