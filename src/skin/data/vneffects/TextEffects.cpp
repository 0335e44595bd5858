#include "TextEffects.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace vneffects {

namespace {

QImage Blank(int width, int height)
{
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_Alpha8);
    image.fill(0);
    return image;
}

// `coverage` placed `margin` pixels in from every side of a larger, empty picture.
QImage Grown(const QImage& coverage, int margin)
{
    QImage out = Blank(coverage.width() + 2 * margin, coverage.height() + 2 * margin);
    for (int y = 0; y < coverage.height(); ++y)
        std::copy_n(coverage.constScanLine(y), coverage.width(), out.scanLine(y + margin) + margin);
    return out;
}

// Each pixel the strongest of its 3 x 3 neighbourhood (rows first, then columns; the
// square's maximum is the maximum of the rows' maxima).
QImage GrowByOne(const QImage& in)
{
    const int w = in.width(), h = in.height();
    QImage rows = Blank(w, h);
    for (int y = 0; y < h; ++y) {
        const uchar* s = in.constScanLine(y);
        uchar* d = rows.scanLine(y);
        for (int x = 0; x < w; ++x) {
            uchar m = s[x];
            if (x > 0) m = std::max(m, s[x - 1]);
            if (x + 1 < w) m = std::max(m, s[x + 1]);
            d[x] = m;
        }
    }
    QImage out = Blank(w, h);
    for (int y = 0; y < h; ++y) {
        const uchar* above = rows.constScanLine(std::max(y - 1, 0));
        const uchar* mid = rows.constScanLine(y);
        const uchar* below = rows.constScanLine(std::min(y + 1, h - 1));
        uchar* d = out.scanLine(y);
        for (int x = 0; x < w; ++x)
            d[x] = std::max({ above[x], mid[x], below[x] });
    }
    return out;
}

// Each pixel the integer mean of the square of side 2 r + 1 around it (pixels outside
// the picture count as 0), summed by rows, then by columns, divided once.
QImage BoxAverage(const QImage& in, int r)
{
    const int w = in.width(), h = in.height(), side = 2 * r + 1;
    std::vector<int> rowSums(std::size_t(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        const uchar* s = in.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int i = std::max(x - r, 0); i <= std::min(x + r, w - 1); ++i)
                sum += s[i];
            rowSums[std::size_t(y) * w + x] = sum;
        }
    }
    QImage out = Blank(w, h);
    for (int y = 0; y < h; ++y) {
        uchar* d = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int j = std::max(y - r, 0); j <= std::min(y + r, h - 1); ++j)
                sum += rowSums[std::size_t(j) * w + x];
            d[x] = uchar(sum / (side * side));
        }
    }
    return out;
}

} // namespace

QImage TextCoverage(const QString& text, const QFont& font, QSize size)
{
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(canvas.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    return canvas.convertToFormat(QImage::Format_Alpha8);
}

QImage GlowCoverage(const QImage& coverage, int size)
{
    size = std::max(size, 0);
    QImage grown = Grown(coverage, size);
    QImage out = grown;
    // Ring k of the glow is the coverage grown by k, at the weight of distance k.
    for (int k = 1; k <= size; ++k) {
        grown = GrowByOne(grown);
        const int weight = size + 1 - k;
        for (int y = 0; y < out.height(); ++y) {
            const uchar* s = grown.constScanLine(y);
            uchar* d = out.scanLine(y);
            for (int x = 0; x < out.width(); ++x)
                d[x] = std::max<int>(d[x], s[x] * weight / (size + 1));
        }
    }
    return out;
}

QImage SoftGlowCoverage(const QImage& coverage)
{
    QImage grown = Grown(coverage, 2 * kSoftGlowRadius);
    for (int k = 0; k < kSoftGlowRadius; ++k)
        grown = GrowByOne(grown);
    return BoxAverage(grown, kSoftGlowRadius);
}

QImage ReflectionCoverage(const QImage& coverage)
{
    const int w = coverage.width(), h = coverage.height();
    QImage out = Blank(w, h);
    for (int j = 0; j < h; ++j) {
        const uchar* s = coverage.constScanLine(h - 1 - j);
        uchar* d = out.scanLine(j);
        for (int x = 0; x < w; ++x)
            d[x] = uchar(s[x] * (h - j) / (2 * h));
    }
    return out;
}

QImage TintCoverage(const QImage& coverage, QColor color)
{
    QImage out(coverage.size(), QImage::Format_ARGB32_Premultiplied);
    const int r = color.red(), g = color.green(), b = color.blue();
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar* s = coverage.constScanLine(y);
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < coverage.width(); ++x) {
            const int a = s[x];
            d[x] = qRgba(r * a / 255, g * a / 255, b * a / 255, a);
        }
    }
    return out;
}

} // namespace vneffects
