#include "EffectBmp.h"

#include "../vnUtils/PixelParts.h"
#include "ChannelKernels.h"
#include "Rounding.h"

#include <QPainter>
#include <QRandomGenerator>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
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
    for (int y = 0; y < bmp.Height(); ++y)
        vneffects::ApplyChannelTable(bmp.Row(y), bmp.Width(), t);
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
    for (int y = 0; y < Height(); ++y)
        vneffects::GrayRow(Row(y), Width());
}

void TvnEffectBmp::Noise(int amount)
{
    QRandomGenerator random(QRandomGenerator::global()->generate());
    Noise(amount, random);
}

namespace {

// Noise needs speed more than a strong generator: four xorshift32 sequences side by side
// (one 128-bit word, seeded by the caller's generator) give eight 16-bit values per
// step, each scaled to 0 .. amount - 1 by its high half. Where SSE2 is there the four
// sequences step in one register and eight pixels are changed at once with saturating
// byte arithmetic; elsewhere the same steps run lane by lane. Both give the same pixels.
struct TvnNoiseLanes {
    quint32 State[4];

    explicit TvnNoiseLanes(QRandomGenerator& random)
    {
        for (quint32& s : State)
            s = random.generate() | 1; // a zero state would stay zero
    }
    void Step()
    {
        for (quint32& s : State) {
            s ^= s << 13;
            s ^= s >> 17;
            s ^= s << 5;
        }
    }
    // Value `i` (0..7) of the last step: the low half of lane i / 2 first.
    quint16 Value(int i) const { return quint16(State[i / 2] >> (16 * (i % 2))); }
};

// One pixel moved by d on every channel, clamped; alpha kept.
inline quint32 AddToChannels(quint32 p, int d)
{
    return Pack(p & kAlpha, Clamp255(Red(p) + d), Clamp255(Green(p) + d), Clamp255(Blue(p) + d));
}

#if defined(__SSE2__)
// Eight pixels from `row` moved by the eight values of `lanes` (already stepped); the
// values and the pixels' order are those of the lane-by-lane loop.
inline void AddNoise8(quint32* row, __m128i lanes, __m128i amount, __m128i half)
{
    const __m128i d16 = _mm_sub_epi16(_mm_mulhi_epu16(lanes, amount), half);
    const __m128i d8 = _mm_packs_epi16(d16, d16); // |d| <= 128: no saturation
    const __m128i pairs = _mm_unpacklo_epi8(d8, d8);
    // Each value on the three colour bytes of its pixel, split into what is added and
    // what is taken away (bytes offset by 128 so that unsigned saturation splits them).
    const __m128i bias = _mm_set1_epi8(char(0x80)), colours = _mm_set1_epi32(0x00FFFFFF);
    for (int half4 = 0; half4 < 2; ++half4) {
        const __m128i d = _mm_xor_si128(
            half4 == 0 ? _mm_unpacklo_epi16(pairs, pairs) : _mm_unpackhi_epi16(pairs, pairs), bias);
        const __m128i up = _mm_and_si128(_mm_subs_epu8(d, bias), colours);
        const __m128i down = _mm_and_si128(_mm_subs_epu8(bias, d), colours);
        auto* at = reinterpret_cast<__m128i*>(row + 4 * half4);
        _mm_storeu_si128(at, _mm_subs_epu8(_mm_adds_epu8(_mm_loadu_si128(at), up), down));
    }
}
#endif

} // namespace

void TvnEffectBmp::Noise(int amount, QRandomGenerator& random)
{
    if (amount < 1) return;
    const int half = amount / 2;
    TvnNoiseLanes lanes(random);
    const int w = Width();
#if defined(__SSE2__)
    // Whole groups of eight in the register while the values fit a byte.
    const bool wide = amount <= 256;
    __m128i state = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes.State));
    const __m128i scale = _mm_set1_epi16(short(amount)), halves = _mm_set1_epi16(short(half));
#endif
    for (int y = 0; y < Height(); ++y) {
        quint32* row = Row(y);
        int x = 0;
#if defined(__SSE2__)
        if (wide) {
            for (; x + 8 <= w; x += 8) {
                state = _mm_xor_si128(state, _mm_slli_epi32(state, 13));
                state = _mm_xor_si128(state, _mm_srli_epi32(state, 17));
                state = _mm_xor_si128(state, _mm_slli_epi32(state, 5));
                AddNoise8(row + x, state, scale, halves);
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes.State), state);
        }
#endif
        for (; x < w; x += 8) {
            lanes.Step();
            for (int i = 0; i < 8 && x + i < w; ++i)
                row[x + i] = AddToChannels(
                    row[x + i], int((quint64(lanes.Value(i)) * quint64(amount)) >> 16) - half);
        }
#if defined(__SSE2__)
        if (wide) state = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes.State));
#endif
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
