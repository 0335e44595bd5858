#include "ChannelKernels.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define QUIRA_X86_KERNELS 1
#include <immintrin.h>
#endif

namespace vneffects {

namespace {

constexpr quint32 kAlpha = 0xFF000000u;

// s = 30 red + 59 green + 11 blue (0..25500) over 100, rounded half to even: up from
// the quotient q when the remainder passes 50, or reaches it with q odd.
inline quint32 GrayOf(quint32 p)
{
    const quint32 s = 30 * ((p >> 16) & 0xFF) + 59 * ((p >> 8) & 0xFF) + 11 * (p & 0xFF);
    const quint32 q = s / 100, r = s % 100;
    return q + (r + (q & 1) > 50 ? 1 : 0);
}

} // namespace

void ApplyChannelTablePortable(quint32* row, int count, const std::array<quint8, 256>& table)
{
    for (int x = 0; x < count; ++x) {
        const quint32 p = row[x];
        row[x] = (p & kAlpha) | quint32(table[(p >> 16) & 0xFF]) << 16 | quint32(table[(p >> 8) & 0xFF]) << 8
            | table[p & 0xFF];
    }
}

void GrayRowPortable(quint32* row, int count)
{
    for (int x = 0; x < count; ++x)
        row[x] = (row[x] & kAlpha) | GrayOf(row[x]) * 0x010101u;
}

#if defined(QUIRA_X86_KERNELS)

namespace {

// The table in four 64-byte registers: each byte of the row looks itself up among 128
// entries twice (the low and the high half of the table, by its low seven bits) and its
// top bit picks one of the two. The bytes above the colours keep their value.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void ApplyChannelTableVbmi(
    quint32* row, int count, const std::array<quint8, 256>& table)
{
    const __m512i t0 = _mm512_loadu_si512(table.data());
    const __m512i t1 = _mm512_loadu_si512(table.data() + 64);
    const __m512i t2 = _mm512_loadu_si512(table.data() + 128);
    const __m512i t3 = _mm512_loadu_si512(table.data() + 192);
    const __mmask64 tops = 0x8888888888888888ull;
    auto* bytes = reinterpret_cast<quint8*>(row);
    const qsizetype n = qsizetype(count) * 4;
    for (qsizetype i = 0; i < n; i += 64) {
        const __mmask64 inside = n - i >= 64 ? ~__mmask64(0) : (__mmask64(1) << (n - i)) - 1;
        const __m512i p = _mm512_maskz_loadu_epi8(inside, bytes + i);
        const __m512i low = _mm512_permutex2var_epi8(t0, p, t1);
        const __m512i high = _mm512_permutex2var_epi8(t2, p, t3);
        const __m512i looked = _mm512_mask_blend_epi8(_mm512_movepi8_mask(p), low, high);
        _mm512_mask_storeu_epi8(bytes + i, inside, _mm512_mask_blend_epi8(tops, looked, p));
    }
}

// Eight pixels at a time: the weighted sum by byte multiplies, the quotient by 100 as a
// multiplication by 2^21 / 100 rounded up (exact for sums up to 25500), the grey put on
// the three colour bytes by a byte shuffle.
__attribute__((target("avx2"))) void GrayRowAvx2(quint32* row, int count)
{
    const __m256i weights = _mm256_set1_epi32(0x001E3B0B); // blue 11, green 59, red 30
    const __m256i ones = _mm256_set1_epi16(1);
    const __m256i reciprocal = _mm256_set1_epi32(20972), hundred = _mm256_set1_epi32(100);
    const __m256i one = _mm256_set1_epi32(1), fifty = _mm256_set1_epi32(50);
    const __m256i alpha = _mm256_set1_epi32(int(kAlpha));
    const __m256i spread = _mm256_setr_epi8(0, 0, 0, -1, 4, 4, 4, -1, 8, 8, 8, -1, 12, 12, 12, -1, 0, 0, 0,
        -1, 4, 4, 4, -1, 8, 8, 8, -1, 12, 12, 12, -1);
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        auto* at = reinterpret_cast<__m256i*>(row + x);
        const __m256i p = _mm256_loadu_si256(at);
        const __m256i s = _mm256_madd_epi16(_mm256_maddubs_epi16(p, weights), ones);
        const __m256i q = _mm256_srli_epi32(_mm256_madd_epi16(s, reciprocal), 21);
        const __m256i r = _mm256_sub_epi32(s, _mm256_madd_epi16(q, hundred));
        const __m256i up = _mm256_cmpgt_epi32(_mm256_add_epi32(r, _mm256_and_si256(q, one)), fifty);
        const __m256i gray = _mm256_sub_epi32(q, up);
        _mm256_storeu_si256(
            at, _mm256_or_si256(_mm256_and_si256(p, alpha), _mm256_shuffle_epi8(gray, spread)));
    }
    GrayRowPortable(row + x, count - x);
}

} // namespace

void ApplyChannelTable(quint32* row, int count, const std::array<quint8, 256>& table)
{
    static const bool vbmi = __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi");
    if (vbmi)
        ApplyChannelTableVbmi(row, count, table);
    else
        ApplyChannelTablePortable(row, count, table);
}

void GrayRow(quint32* row, int count)
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2)
        GrayRowAvx2(row, count);
    else
        GrayRowPortable(row, count);
}

#else

void ApplyChannelTable(quint32* row, int count, const std::array<quint8, 256>& table)
{
    ApplyChannelTablePortable(row, count, table);
}

void GrayRow(quint32* row, int count) { GrayRowPortable(row, count); }

#endif

} // namespace vneffects
