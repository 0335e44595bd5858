#include "EffectBmp.h"

#include "../vnUtils/PixelParts.h"
#include "Rounding.h"

#include <QPainter>
#include <QRandomGenerator>
#include <array>
#include <vector>

namespace {

using vneffects::Clamp255;
using vneffects::RoundHalfEven;

constexpr quint32 kAlpha = 0xFF000000u;

int Blue(quint32 p) { return int(p & 0xFF); }
int Green(quint32 p) { return int((p >> 8) & 0xFF); }
int Red(quint32 p) { return int((p >> 16) & 0xFF); }
quint32 Pack(quint32 alpha, int r, int g, int b)
{
    return alpha | quint32(r) << 16 | quint32(g) << 8 | quint32(b);
}

// The per-channel effects are a function of the channel value alone: one table of 256
// results, then a lookup per channel.
using ChannelTable = std::array<quint8, 256>;

template <typename F> ChannelTable MakeTable(F f)
{
    ChannelTable table {};
    for (int c = 0; c < 256; ++c)
        table[c] = quint8(Clamp255(RoundHalfEven(f(c))));
    return table;
}

void ApplyTable(TvnEffectBmp& bmp, const ChannelTable& t)
{
    // The table once per channel position, so a pixel is three lookups and two ors.
    std::array<quint32, 256> red {}, green {}, blue {};
    for (int c = 0; c < 256; ++c) {
        red[c] = quint32(t[c]) << 16;
        green[c] = quint32(t[c]) << 8;
        blue[c] = t[c];
    }
    for (int y = 0; y < bmp.Height(); ++y) {
        quint32* row = bmp.Row(y);
        for (int x = 0, w = bmp.Width(); x < w; ++x) {
            const quint32 p = row[x];
            row[x] = (p & kAlpha) | red[Red(p)] | green[Green(p)] | blue[Blue(p)];
        }
    }
}

// 0.3 red + 0.59 green + 0.11 blue is s / 100 with s = 30 red + 59 green + 11 blue, an
// integer; the table rounds s / 100 exactly, halves to even (pure red: 7650 -> 76).
const std::array<quint8, 25501>& GrayTable()
{
    static const std::array<quint8, 25501> table = [] {
        std::array<quint8, 25501> t {};
        for (int s = 0; s <= 25500; ++s) {
            int q = s / 100;
            const int rem = s % 100;
            if (rem > 50 || (rem == 50 && q % 2 == 1)) ++q;
            t[s] = quint8(q);
        }
        return t;
    }();
    return table;
}

} // namespace

TvnEffectBmp::TvnEffectBmp(int width, int height)
    : m_image(QSize(std::max(width, 0), std::max(height, 0)), QImage::Format_RGB32)
{
    m_image.fill(Qt::black);
}

TvnEffectBmp::TvnEffectBmp(const QImage& source)
    : m_image(source.convertToFormat(QImage::Format_RGB32))
{
}

void TvnEffectBmp::Draw(QPainter& painter, int x, int y) const { painter.drawImage(QPoint(x, y), m_image); }

void TvnEffectBmp::Brightness(double x)
{
    x = vneffects::Clamp01(x);
    ApplyTable(*this, MakeTable([x](int c) { return (1 - x) * c + 255 * x; }));
}

void TvnEffectBmp::Darkness(double x)
{
    x = vneffects::Clamp01(x);
    ApplyTable(*this, MakeTable([x](int c) { return (1 - x) * c; }));
}

void TvnEffectBmp::Grayscale()
{
    const auto& gray = GrayTable();
    for (int y = 0; y < Height(); ++y) {
        quint32* row = Row(y);
        for (int x = 0, w = Width(); x < w; ++x) {
            const quint32 p = row[x];
            const int v = gray[30 * Red(p) + 59 * Green(p) + 11 * Blue(p)];
            row[x] = Pack(p & kAlpha, v, v, v);
        }
    }
}

void TvnEffectBmp::Noise(int amount)
{
    QRandomGenerator random(QRandomGenerator::global()->generate());
    Noise(amount, random);
}

void TvnEffectBmp::Noise(int amount, QRandomGenerator& random)
{
    if (amount < 1) return;
    const int half = amount / 2;
    // Noise needs speed more than a strong generator: `random` only seeds a xorshift64*
    // sequence, whose high 32 bits are scaled to 0 .. amount - 1 per pixel.
    quint64 state = random.generate64() | 1;
    for (int y = 0; y < Height(); ++y) {
        quint32* row = Row(y);
        for (int x = 0, w = Width(); x < w; ++x) {
            state ^= state >> 12;
            state ^= state << 25;
            state ^= state >> 27;
            const quint64 word = (state * 0x2545F4914F6CDD1DULL) >> 32;
            const int d = int((word * quint64(amount)) >> 32) - half;
            const quint32 p = row[x];
            row[x] = Pack(p & kAlpha, Clamp255(Red(p) + d), Clamp255(Green(p) + d), Clamp255(Blue(p) + d));
        }
    }
}

namespace {

// The average of four pixels, per channel: red and blue add up side by side in one
// word, green in another; four channel values never carry into the next lane.
inline quint32 Average4(quint32 a, quint32 b, quint32 c, quint32 d, quint32 alpha)
{
    const quint32 rb = (a & 0xFF00FF) + (b & 0xFF00FF) + (c & 0xFF00FF) + (d & 0xFF00FF);
    const quint32 g = (a & 0xFF00) + (b & 0xFF00) + (c & 0xFF00) + (d & 0xFF00);
    return alpha | ((rb >> 2) & 0xFF00FF) | ((g >> 2) & 0xFF00);
}

} // namespace

void TvnEffectBmp::SplitBlur(int offset)
{
    if (offset < 1) return;
    const int w = Width(), h = Height();
    std::vector<quint32> scratch(size_t(std::max(w, 0)));
    // Columns whose left and right neighbours both lie inside the picture.
    const int innerFrom = std::min(offset, w), innerTo = std::max(innerFrom, w - offset);
    for (int y = 0; y < h; ++y) {
        // Past the last row or column the pixel's own row or column stands in, as it
        // does before the first, so the blur never reads outside the picture.
        const quint32* up = Row(y - offset >= 0 ? y - offset : y);
        const quint32* down = Row(y + offset < h ? y + offset : y);
        const quint32* own = Row(y);
        auto blur = [&](int x) {
            const int l = x - offset >= 0 ? x - offset : x;
            const int r = x + offset < w ? x + offset : x;
            scratch[x] = Average4(up[l], up[r], down[l], down[r], own[x] & kAlpha);
        };
        for (int x = 0; x < innerFrom; ++x)
            blur(x);
        const quint32* __restrict u = up;
        const quint32* __restrict d = down;
        const quint32* __restrict o = own;
        quint32* __restrict out = scratch.data();
        for (int x = innerFrom; x < innerTo; ++x)
            out[x] = Average4(u[x - offset], u[x + offset], d[x - offset], d[x + offset], o[x] & kAlpha);
        for (int x = innerTo; x < w; ++x)
            blur(x);
        std::copy(scratch.begin(), scratch.end(), Row(y));
    }
}

void TvnEffectBmp::Invert()
{
    for (int y = 0; y < Height(); ++y) {
        quint32* row = Row(y);
        for (int x = 0, w = Width(); x < w; ++x)
            row[x] ^= 0x00FFFFFFu;
    }
}

void TvnEffectBmp::ApplyInactiveEffect(TvnInactiveEffect kind)
{
    switch (kind) {
    case TvnInactiveEffect::ieBrightness:
        Brightness(0.5);
        break;
    case TvnInactiveEffect::ieDarkness:
        Darkness(0.3);
        break;
    case TvnInactiveEffect::ieGrayscale:
        Grayscale();
        break;
    case TvnInactiveEffect::ieNoise:
        Noise(50);
        break;
    case TvnInactiveEffect::ieSplitBlur:
        SplitBlur(1);
        break;
    case TvnInactiveEffect::ieInvert:
        Invert();
        break;
    }
}
