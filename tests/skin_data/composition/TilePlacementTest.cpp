#include "skin/data/vnUtils/TilePlacement.h"

#include <gtest/gtest.h>

using vnutils::TilePlacement;
using vnutils::TvnTile;

TEST(TilePlacement, SpanOf25WithTilesOf10EndsWithACutTile)
{
    const std::vector<TvnTile> expected { { 0, 10 }, { 10, 10 }, { 20, 5 } };
    EXPECT_EQ(TilePlacement(0, 25, 10), expected);
}

TEST(TilePlacement, SpanOf20GivesTwoFullTilesAndOneOfWidthZero)
{
    const std::vector<TvnTile> expected { { 16, 10 }, { 26, 10 }, { 36, 0 } };
    EXPECT_EQ(TilePlacement(16, 36, 10), expected);
}

TEST(TilePlacement, DegenerateInputsPlaceNothing)
{
    EXPECT_TRUE(TilePlacement(0, 25, 0).empty()); // zero tile size must not loop forever
    EXPECT_TRUE(TilePlacement(0, 25, -3).empty());
    EXPECT_TRUE(TilePlacement(10, 4, 5).empty()); // target smaller than nothing
    const std::vector<TvnTile> emptySpan { { 7, 0 } };
    EXPECT_EQ(TilePlacement(7, 7, 5), emptySpan);
}
