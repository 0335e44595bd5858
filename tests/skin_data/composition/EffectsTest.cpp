#include "ImageHelpers.h"
#include "skin/data/vneffects/ChannelKernels.h"
#include "skin/data/vneffects/EffectBmp.h"
#include "skin/data/vneffects/Rounding.h"

#include <QRandomGenerator>
#include <QSet>
#include <gtest/gtest.h>

using namespace testimg;

namespace {

// A one-row picture holding the given grey values.
TvnEffectBmp Greys(std::initializer_list<int> values)
{
    QImage image(int(values.size()), 1, QImage::Format_RGB32);
    int x = 0;
    for (int v : values)
        image.setPixel(x++, 0, qRgb(v, v, v));
    return TvnEffectBmp(image);
}

std::vector<int> Channel(const TvnEffectBmp& bmp, int shift)
{
    std::vector<int> out;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            out.push_back(int((bmp.Row(y)[x] >> shift) & 0xFF));
    return out;
}

std::vector<int> Blues(const TvnEffectBmp& bmp) { return Channel(bmp, 0); }

} // namespace

TEST(InactiveEffects, DarknessScalesAndRoundsHalvesToEven)
{
    TvnEffectBmp bmp = Greys({ 200, 5, 15, 255, 0 });
    bmp.Darkness(0.3);
    // 140; 3.5 -> 4; 10.5 -> 10; 178.5 -> 178; 0.
    EXPECT_EQ(Blues(bmp), (std::vector<int> { 140, 4, 10, 178, 0 }));
}

TEST(InactiveEffects, BrightnessMovesHalfWayToWhite)
{
    TvnEffectBmp bmp = Greys({ 0, 255, 1, 2, 100 });
    bmp.Brightness(0.5);
    // 127.5 -> 128; 255; 128; 128.5 -> 128; 177.5 -> 178.
    EXPECT_EQ(Blues(bmp), (std::vector<int> { 128, 255, 128, 128, 178 }));
}

TEST(InactiveEffects, FactorsOutsideZeroToOneAreClamped)
{
    TvnEffectBmp darker = Greys({ 200 });
    darker.Darkness(7);
    EXPECT_EQ(Blues(darker), std::vector<int> { 0 });
    TvnEffectBmp brighter = Greys({ 200 });
    brighter.Brightness(-1);
    EXPECT_EQ(Blues(brighter), std::vector<int> { 200 });
}

TEST(InactiveEffects, GrayscaleWeighsTheChannels)
{
    QImage image(4, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0)); // 76.5 -> 76
    image.setPixel(1, 0, qRgb(0, 255, 0)); // 150.45 -> 150
    image.setPixel(2, 0, qRgb(0, 0, 255)); // 28.05 -> 28
    image.setPixel(3, 0, qRgb(5, 0, 0)); // 1.5 -> 2
    TvnEffectBmp bmp(image);
    bmp.Grayscale();
    for (int shift : { 0, 8, 16 })
        EXPECT_EQ(Channel(bmp, shift), (std::vector<int> { 76, 150, 28, 2 }));
}

TEST(InactiveEffects, InvertFlipsEveryChannel)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0x12, 0xF0, 0x00));
    TvnEffectBmp bmp(image);
    bmp.Invert();
    EXPECT_EQ(bmp.Image().pixel(0, 0), qRgb(0xED, 0x0F, 0xFF));
}

TEST(InactiveEffects, NoiseAddsOneValueInRangeToAllThreeChannelsOfAPixel)
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(qRgb(100, 120, 140));
    TvnEffectBmp bmp(image);
    QRandomGenerator random(42);
    bmp.Noise(50, random);
    int lowest = 99, highest = -99;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb p = bmp.Image().pixel(x, y);
            const int d = qRed(p) - 100;
            ASSERT_EQ(qGreen(p) - 120, d);
            ASSERT_EQ(qBlue(p) - 140, d);
            lowest = std::min(lowest, d);
            highest = std::max(highest, d);
        }
    EXPECT_EQ(lowest, -25);
    EXPECT_EQ(highest, 24);

    TvnEffectBmp edge = Greys({ 250, 3 });
    QRandomGenerator again(1);
    for (int i = 0; i < 20; ++i)
        edge.Noise(50, again);
    for (int v : Blues(edge)) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 255);
    }
}

// Wide rows go eight pixels at a time and end with a shorter group: every pixel, in the
// groups and in the tail, moves all three channels by one value, clamped at both ends,
// and keeps its alpha; the values vary along the row.
TEST(InactiveEffects, NoiseClampsEachChannelOnWholeGroupsAndTheRowsEnd)
{
    for (int width : { 8, 67 }) {
        QImage image(width, 5, QImage::Format_RGB32);
        image.fill(qRgb(250, 3, 128));
        TvnEffectBmp bmp(image);
        QRandomGenerator random(7);
        bmp.Noise(50, random);
        QSet<int> values;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x) {
                const quint32 p = bmp.Row(y)[x];
                const int d = int(p & 0xFF) - 128;
                ASSERT_GE(d, -25) << width << " " << x;
                ASSERT_LE(d, 24) << width << " " << x;
                ASSERT_EQ(int((p >> 16) & 0xFF), std::min(255, 250 + d)) << width << " " << x;
                ASSERT_EQ(int((p >> 8) & 0xFF), std::max(0, 3 + d)) << width << " " << x;
                ASSERT_EQ(p >> 24, 0xFFu);
                values.insert(d);
            }
        EXPECT_GT(values.size(), 20) << width;
    }
}

TEST(InactiveEffects, SplitBlurAveragesTheDiagonalNeighboursTopDown)
{
    // 3 x 3, one white pixel in the middle. Worked by hand: a row or column outside the
    // picture is the pixel's own, and each row reads the row above after its blur.
    QImage image = Filled(3, 3, qRgb(0, 0, 0));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    TvnEffectBmp bmp(image);
    bmp.SplitBlur(1);
    const std::vector<int> expected {
        63, 0, 63, // rows 0 (own) and 1: only the corners see the white pixel
        15, 31, 15, // rows 0 (blurred) and 2
        11, 7, 11, // rows 1 (blurred) and 2 (own)
    };
    EXPECT_EQ(Blues(bmp), expected);
}

TEST(InactiveEffects, TheFrameAmountsAreThoseOfTheSkinsEffects)
{
    TvnEffectBmp dark = Greys({ 200 });
    dark.ApplyInactiveEffect(TvnInactiveEffect::ieDarkness);
    EXPECT_EQ(Blues(dark), std::vector<int> { 140 });
    TvnEffectBmp bright = Greys({ 0 });
    bright.ApplyInactiveEffect(TvnInactiveEffect::ieBrightness);
    EXPECT_EQ(Blues(bright), std::vector<int> { 128 });
}

// The vector loops (where this processor has them) against the portable ones and the
// formula, on every colour and every row length up to a few vector widths, with the
// unused top byte set to changing values that must survive.
TEST(InactiveEffects, GreyOfEveryColourIsTheRoundedWeightedSum)
{
    std::vector<quint32> colours(1 << 24), portable;
    for (quint32 c = 0; c < colours.size(); ++c)
        colours[c] = c | (c * 2654435761u & 0xFF000000u);
    portable = colours;
    vneffects::GrayRowPortable(portable.data(), int(portable.size()));
    std::vector<quint32> fast = colours;
    vneffects::GrayRow(fast.data(), int(fast.size()));
    for (quint32 c = 0; c < colours.size(); ++c) {
        const int r = int(c >> 16) & 0xFF, g = int(c >> 8) & 0xFF, b = int(c) & 0xFF;
        const quint32 v = quint32(vneffects::RoundHalfEven(0.3 * r + 0.59 * g + 0.11 * b));
        ASSERT_EQ(portable[c], (colours[c] & 0xFF000000u) | v * 0x010101u) << std::hex << c;
        ASSERT_EQ(fast[c], portable[c]) << std::hex << c;
    }
    for (int count = 0; count <= 40; ++count) {
        std::vector<quint32> a(colours.begin() + 1000, colours.begin() + 1000 + count), b = a;
        vneffects::GrayRowPortable(a.data(), count);
        vneffects::GrayRow(b.data(), count);
        ASSERT_EQ(a, b) << count;
    }
}

TEST(InactiveEffects, ChannelTableLoopsAgreeOnEveryValueAndRowEnd)
{
    std::array<quint8, 256> table {};
    for (int c = 0; c < 256; ++c)
        table[c] = quint8((c * 167 + 13) % 256); // every position differs from its value
    std::vector<quint32> values(256 * 70);
    for (quint32 i = 0; i < values.size(); ++i)
        values[i] = (i % 256) * 0x010101u ^ (i * 2654435761u & 0xFF00FF00u);
    for (int count : { 0, 1, 15, 16, 17, 63, 64, 65, 1000, int(values.size()) }) {
        std::vector<quint32> a(values.begin(), values.begin() + count), b = a;
        vneffects::ApplyChannelTablePortable(a.data(), count, table);
        vneffects::ApplyChannelTable(b.data(), count, table);
        ASSERT_EQ(a, b) << count;
        for (int x = 0; x < count; ++x) {
            const quint32 p = values[size_t(x)];
            ASSERT_EQ(a[size_t(x)],
                (p & 0xFF000000u) | quint32(table[(p >> 16) & 0xFF]) << 16
                    | quint32(table[(p >> 8) & 0xFF]) << 8 | table[p & 0xFF])
                << count << " " << x;
        }
    }
}
