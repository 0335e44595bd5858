// The seven morph kinds: how the old look (this picture) gives way to the new one as the
// factor k rises from 0 to 1. Each works on whole rows or columns with weights computed
// once per column (or row).
#include "EffectBmp.h"
#include "Rounding.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using vneffects::Clamp255;
using vneffects::RoundHalfEven;

// d of A and 1 - d of B, per channel; the unused byte is A's.
quint32 Blend(quint32 a, quint32 b, double d)
{
    quint32 out = a & 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = int((a >> shift) & 0xFF), cb = int((b >> shift) & 0xFF);
        out |= quint32(Clamp255(RoundHalfEven(d * ca + (1 - d) * cb))) << shift;
    }
    return out;
}

// Weights of A per position along one axis (columns or rows); weights of 1 keep A.
void BlendAlongColumns(TvnEffectBmp& a, const TvnEffectBmp& b, const std::vector<double>& weight)
{
    for (int y = 0; y < a.Height(); ++y) {
        quint32* ra = a.Row(y);
        const quint32* rb = b.Row(y);
        for (int x = 0; x < a.Width(); ++x)
            if (weight[x] < 1) ra[x] = Blend(ra[x], rb[x], weight[x]);
    }
}

void BlendAlongRows(TvnEffectBmp& a, const TvnEffectBmp& b, const std::vector<double>& weight)
{
    for (int y = 0; y < a.Height(); ++y) {
        if (weight[y] >= 1) continue;
        quint32* ra = a.Row(y);
        const quint32* rb = b.Row(y);
        for (int x = 0; x < a.Width(); ++x)
            ra[x] = Blend(ra[x], rb[x], weight[y]);
    }
}

// From the centre of a side of length L: a band of B n pixels wide, and on each side of
// it a weight of A that starts at 0 next to the band and rises by 1 / ((L - n) div 2) per
// pixel outwards, up to 1.
std::vector<double> CentreWeights(int length, double k)
{
    const int n = RoundHalfEven(length * k);
    const int lo = std::max(0, length / 2 - n / 2);
    const int hi = std::min(length - 1, length / 2 + n / 2);
    const int half = (length - n) / 2;
    const double step = half > 0 ? 1.0 / half : 1.0;
    std::vector<double> weight(size_t(length), 0.0);
    for (int i = hi + 1; i < length; ++i)
        weight[i] = std::min(1.0, (i - hi - 1) * step);
    for (int i = lo - 1; i >= 0; --i)
        weight[i] = std::min(1.0, (lo - 1 - i) * step);
    return weight;
}

// n = round(W k) held to lo .. W - 1 (and never beyond the picture).
int Columns(int width, double k, int lo)
{
    return std::min(width, std::max(lo, std::min(RoundHalfEven(width * k), width - 1)));
}

} // namespace

void TvnEffectBmp::Morph(const TvnEffectBmp& to, TvnMorphKind kind, double k)
{
    if (to.Width() != Width() || to.Height() != Height() || Width() == 0 || Height() == 0) return;
    k = vneffects::Clamp01(k);
    const int w = Width(), h = Height();
    switch (kind) {
    case TvnMorphKind::mkDefault:
        BlendAlongRows(*this, to, std::vector<double>(size_t(h), 1 - k));
        break;
    case TvnMorphKind::mkGradient:
        if (w >= h)
            BlendAlongColumns(*this, to, CentreWeights(w, k));
        else
            BlendAlongRows(*this, to, CentreWeights(h, k));
        break;
    case TvnMorphKind::mkLeftGradient: {
        const int n = Columns(w, k, 1);
        std::vector<double> weight(size_t(w), 1.0);
        for (int x = 0; x <= n && x < w; ++x)
            weight[x] = std::min(1.0, double(x) / n);
        BlendAlongColumns(*this, to, weight);
        break;
    }
    case TvnMorphKind::mkRightGradient: {
        const int n = Columns(w, k, 1);
        std::vector<double> weight(size_t(w), 1.0);
        for (int i = 0; i < n && w - 1 - i >= 0; ++i)
            weight[w - 1 - i] = std::min(1.0, double(i) / n);
        BlendAlongColumns(*this, to, weight);
        break;
    }
    case TvnMorphKind::mkLeftSlide: {
        const int n = Columns(w, k, 1);
        for (int y = 0; y < h; ++y)
            std::memcpy(Row(y), to.Row(y) + (w - n), size_t(n) * 4);
        break;
    }
    case TvnMorphKind::mkRightSlide: {
        const int n = Columns(w, k, 1);
        for (int y = 0; y < h; ++y)
            std::memcpy(Row(y) + (w - n), to.Row(y), size_t(n) * 4);
        break;
    }
    case TvnMorphKind::mkPush: {
        const int n = Columns(w, k, 0);
        const int shift = std::min(n + 1, w);
        for (int y = 0; y < h; ++y) {
            quint32* row = Row(y);
            std::memmove(row + shift, row, size_t(w - shift) * 4);
            std::memcpy(row, to.Row(y) + (w - shift), size_t(shift) * 4);
        }
        break;
    }
    }
}
