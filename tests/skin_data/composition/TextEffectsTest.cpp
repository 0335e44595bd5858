// The caption text's effects on coverages made by hand, so every value is known: the
// glow's rings, the soft glow's box, the reflection's fade, and the tint.
#include "skin/data/vneffects/TextEffects.h"

#include <QFont>
#include <gtest/gtest.h>

using namespace vneffects;

namespace {

QImage Coverage(int w, int h, std::initializer_list<QPoint> covered, int value = 255)
{
    QImage image(w, h, QImage::Format_Alpha8);
    image.fill(0);
    for (QPoint p : covered)
        image.scanLine(p.y())[p.x()] = uchar(value);
    return image;
}

int At(const QImage& image, int x, int y) { return image.constScanLine(y)[x]; }

} // namespace

TEST(TextEffects, GlowRingsWeakenWithTheirDistanceAndGrowThePicture)
{
    const QImage glow = GlowCoverage(Coverage(1, 1, { { 0, 0 } }), 2);
    ASSERT_EQ(glow.size(), QSize(5, 5));
    // Rings by the larger of the row and column distance: 255, 170, 85.
    const int expected[5][5] = {
        { 85, 85, 85, 85, 85 },
        { 85, 170, 170, 170, 85 },
        { 85, 170, 255, 170, 85 },
        { 85, 170, 170, 170, 85 },
        { 85, 85, 85, 85, 85 },
    };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(At(glow, x, y), expected[y][x]) << x << "," << y;

    // The strongest weighted pixel wins: a faint pixel beside a full one stays under the
    // full one's ring; size 0 is the coverage itself, and a negative size counts as 0.
    const QImage two = GlowCoverage(Coverage(3, 1, { { 0, 0 } }), 1);
    EXPECT_EQ(At(two, 1, 1), 255);
    EXPECT_EQ(At(two, 2, 1), 127); // 255 * 1 div 2
    EXPECT_EQ(At(two, 3, 1), 0);
    QImage mixed = Coverage(3, 1, { { 0, 0 } });
    mixed.scanLine(0)[2] = 100;
    const QImage both = GlowCoverage(mixed, 1);
    EXPECT_EQ(At(both, 2, 1), 127); // max(255 div 2, 100 div 2)
    EXPECT_EQ(At(both, 3, 1), 100);
    EXPECT_EQ(At(both, 4, 1), 50);
    EXPECT_EQ(GlowCoverage(mixed, 0), mixed);
    EXPECT_EQ(GlowCoverage(mixed, -3), mixed);
}

TEST(TextEffects, SoftGlowIsTheGrownCoverageAveragedOverASevenSquare)
{
    const QImage soft = SoftGlowCoverage(Coverage(1, 1, { { 0, 0 } }));
    ASSERT_EQ(soft.size(), QSize(13, 13));
    // A 7 x 7 block of 255 averaged over 7 x 7: 255 (7 - |dx|)(7 - |dy|) div 49.
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x) {
            const int dx = std::abs(x - 6), dy = std::abs(y - 6);
            EXPECT_EQ(At(soft, x, y), 255 * (7 - dx) * (7 - dy) / 49) << x << "," << y;
        }
    EXPECT_EQ(At(soft, 6, 6), 255);
    EXPECT_EQ(At(soft, 0, 6), 36);
    EXPECT_EQ(At(soft, 0, 0), 5);
}

TEST(TextEffects, ReflectionIsUpsideDownAndFadesFromHalfStrength)
{
    // A column of four rows: full, 200, 100, full from the top.
    QImage column(1, 4, QImage::Format_Alpha8);
    const int rows[] = { 255, 200, 100, 255 };
    for (int y = 0; y < 4; ++y)
        column.scanLine(y)[0] = uchar(rows[y]);
    const QImage reflected = ReflectionCoverage(column);
    ASSERT_EQ(reflected.size(), QSize(1, 4));
    // Row j: source row 3 - j times (4 - j) div 8.
    EXPECT_EQ(At(reflected, 0, 0), 255 * 4 / 8);
    EXPECT_EQ(At(reflected, 0, 1), 100 * 3 / 8);
    EXPECT_EQ(At(reflected, 0, 2), 200 * 2 / 8);
    EXPECT_EQ(At(reflected, 0, 3), 255 * 1 / 8);
}

TEST(TextEffects, TintPremultipliesTheColourByTheCoverage)
{
    QImage coverage(3, 1, QImage::Format_Alpha8);
    coverage.scanLine(0)[0] = 255;
    coverage.scanLine(0)[1] = 128;
    coverage.scanLine(0)[2] = 0;
    const QImage tint = TintCoverage(coverage, QColor(200, 100, 50));
    ASSERT_EQ(tint.format(), QImage::Format_ARGB32_Premultiplied);
    const auto* row = reinterpret_cast<const QRgb*>(tint.constScanLine(0));
    EXPECT_EQ(row[0], qRgba(200, 100, 50, 255));
    EXPECT_EQ(row[1], qRgba(100, 50, 25, 128));
    EXPECT_EQ(row[2], qRgba(0, 0, 0, 0));
}

TEST(TextEffects, TextCoverageHoldsTheGlyphsAndNothingOutsideThem)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    const QImage coverage = TextCoverage(QStringLiteral("Quira"), font, QSize(60, 16));
    ASSERT_EQ(coverage.format(), QImage::Format_Alpha8);
    int covered = 0, rightOfText = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 60; ++x) {
            if (At(coverage, x, y) > 0) ++covered;
            if (x >= 50 && At(coverage, x, y) > 0) ++rightOfText;
        }
    EXPECT_GT(covered, 40);
    EXPECT_EQ(rightOfText, 0);
    EXPECT_EQ(TextCoverage(QString(), font, QSize(10, 10)), Coverage(10, 10, {}));
}
