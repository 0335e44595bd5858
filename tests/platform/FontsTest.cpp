#include "platform/Fonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

TEST(Fonts, PointsAndCharacterHeightsConvertBothWays)
{
    EXPECT_EQ(fonts::SizeFromHeight(-11), 8);
    EXPECT_EQ(fonts::HeightFromSize(8), -11);
    EXPECT_EQ(fonts::SizeFromHeight(-16), 12);
    EXPECT_EQ(fonts::HeightFromSize(12), -16);
    EXPECT_EQ(fonts::SizeFromHeight(-13), 10);
    EXPECT_EQ(fonts::HeightFromSize(10), -13);
}

TEST(Fonts, NegativeHeightIsPixelSizePositiveIsCellHeight)
{
    fonts::InstallSubstitutes();
    EXPECT_EQ(fonts::PixelSizeForHeight("Arial", -14), 14);
    // A positive height names the cell: the chosen pixel size gives back that cell.
    for (int cell : { 12, 14, 16, 21, 30 }) {
        const int px = fonts::PixelSizeForHeight("Arial", cell);
        EXPECT_LT(px, cell) << "cell " << cell;
        EXPECT_NEAR(fonts::CellHeight("Arial", px), cell, 1) << "cell " << cell;
    }
}

TEST(Fonts, NamedFamiliesResolveToInstalledLookAlikes)
{
    fonts::InstallSubstitutes();
    for (const char* family : { "Arial", "Times New Roman", "MS Sans Serif", "Comic Sans MS" }) {
        QFont f(family);
        f.setPixelSize(14);
        const QString real = QFontInfo(f).family();
        EXPECT_FALSE(real.isEmpty()) << family;
    }
    QFont serif("Times New Roman");
    EXPECT_TRUE(QFontInfo(serif).family().contains("Serif")) << QFontInfo(serif).family().toStdString();
    QFont comic("Comic Sans MS");
    EXPECT_TRUE(QFontInfo(comic).family().contains("Comic")) << QFontInfo(comic).family().toStdString();
}
