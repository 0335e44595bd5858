// The progress gauge: how far its fill reaches for a value, and that it repaints only
// when what it shows changes (the transfer sets it for every photo).
#include "skin/controls/vnSkinCtrls/Gauge.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using vnctrls::GaugeFill;
using vnctrls::GaugePercent;

TEST(GaugeFill, GrowsFromTheStartAndNeverLeavesTheArea)
{
    const QRect area(2, 2, 100, 14);
    EXPECT_TRUE(GaugeFill(area, 0, 100, 0, false).isEmpty());
    EXPECT_EQ(GaugeFill(area, 0, 100, 37, false), QRect(2, 2, 37, 14));
    EXPECT_EQ(GaugeFill(area, 0, 100, 100, false), area);
    EXPECT_EQ(GaugeFill(area, 0, 100, 250, false), area);
    EXPECT_TRUE(GaugeFill(area, 0, 100, -5, false).isEmpty());
    // Another range, and vertical gauges fill from the bottom.
    EXPECT_EQ(GaugeFill(area, 10, 20, 15, false), QRect(2, 2, 50, 14));
    EXPECT_EQ(GaugeFill(QRect(0, 0, 10, 40), 0, 4, 1, true), QRect(0, 30, 10, 10));
    // An empty range shows nothing instead of dividing by zero.
    EXPECT_TRUE(GaugeFill(area, 5, 5, 5, false).isEmpty());
    // Large counts do not overflow.
    EXPECT_EQ(GaugeFill(area, 0, 2000000000, 1000000000, false).width(), 50);
}

TEST(GaugeFill, PercentIsWholeAndClamped)
{
    EXPECT_EQ(GaugePercent(0, 3, 1), 33);
    EXPECT_EQ(GaugePercent(0, 3, 3), 100);
    EXPECT_EQ(GaugePercent(0, 3, 7), 100);
    EXPECT_EQ(GaugePercent(0, 0, 0), 0);
    EXPECT_EQ(GaugePercent(-10, 10, 0), 50);
}

TEST(Gauge, KeepsItsValueInRangeAndDrawsTheFill)
{
    TvnSkinGauge gauge;
    gauge.SetBounds(0, 0, 104, 18);
    gauge.SetShowPercent(false);
    gauge.SetMaxValue(4);
    gauge.SetValue(9);
    EXPECT_EQ(gauge.Value(), 4);
    gauge.SetValue(-1);
    EXPECT_EQ(gauge.Value(), 0);
    gauge.SetValue(2);
    const QImage half = gauge.grab().toImage();
    // Default look: the fill covers the left half of the inner area only.
    EXPECT_NE(half.pixel(20, 9), half.pixel(80, 9));
    gauge.SetValue(4);
    const QImage full = gauge.grab().toImage();
    EXPECT_EQ(full.pixel(20, 9), full.pixel(80, 9));
}

} // namespace
