#include "platform/Colors.h"

#include <gtest/gtest.h>

TEST(Colors, PlainValuesAreBgrAndPassThrough)
{
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(14408408), QColor(216, 218, 219));
    EXPECT_EQ(FromQColor(QColor(1, 2, 3)), 0x030201u);
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
}

TEST(Colors, SystemColoursComeFromOneTable)
{
    EXPECT_EQ(ColorToRGB(clr::clBtnFace), GetSysColor(15));
    EXPECT_EQ(ColorToRGB(clr::clWindow), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clr::clWindowText), RGB(0, 0, 0));
    EXPECT_EQ(ColorToRGB(0xFF00000F), ColorToRGB(clr::clBtnFace));
    // Out of the table's range reads black rather than some neighbour's memory.
    EXPECT_EQ(GetSysColor(31), 0u);
    EXPECT_EQ(GetSysColor(-1), 0u);
}

TEST(Colors, NamesAsDeclaredDataWritesThem)
{
    TColor c = 0;
    ASSERT_TRUE(ColorFromName("clBtnFace", c));
    EXPECT_EQ(c, 0xFF00000Fu);
    ASSERT_TRUE(ColorFromName("clwhite", c));
    EXPECT_EQ(c, 0x00FFFFFFu);
    EXPECT_FALSE(ColorFromName("clPink", c));
}
