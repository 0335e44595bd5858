#include "platform/Fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
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

TEST(Fonts, InstalledFamilyDrawsAsTheNamedFamily)
{
    fonts::InstallSubstitutes();
    // Missing families with look-alikes, installed ones, and names nothing stands for.
    const char* families[] = { "Arial", "MS Sans Serif", "Comic Sans MS", "Times New Roman", "Tahoma",
        "Verdana", "Microsoft Sans Serif", "DejaVu Sans", "liberation sans", "Courier", "No Such Family" };
    const QString text = QString::fromUtf8("Separa Fotos em Alta Resolução (10000) ÁÉÍÓÚ ãõç");
    for (const char* family : families) {
        for (const int pixels : { 11, 13, 21 }) {
            for (const bool bold : { false, true }) {
                QFont named(family);
                QFont installed(fonts::InstalledFamily(family));
                for (QFont* f : { &named, &installed }) {
                    f->setPixelSize(pixels);
                    f->setBold(bold);
                }
                const std::string what
                    = std::string(family) + " " + std::to_string(pixels) + (bold ? " bold" : "");
                EXPECT_EQ(QFontInfo(installed).family(), QFontInfo(named).family()) << what;
                const QFontMetrics a(named), b(installed);
                EXPECT_EQ(b.height(), a.height()) << what;
                EXPECT_EQ(b.horizontalAdvance(text), a.horizontalAdvance(text)) << what;
                QImage drawn[2];
                for (int i = 0; i < 2; ++i) {
                    drawn[i] = QImage(a.horizontalAdvance(text) + 8, a.height() + 4, QImage::Format_RGB32);
                    drawn[i].fill(Qt::white);
                    QPainter p(&drawn[i]);
                    p.setFont(i == 0 ? named : installed);
                    p.drawText(4, 2 + a.ascent(), text);
                }
                EXPECT_TRUE(drawn[0] == drawn[1]) << what;
            }
        }
    }
    // Asked again, the answer is the kept one; a family it has is its own.
    EXPECT_EQ(fonts::InstalledFamily("Arial"), fonts::InstalledFamily("Arial"));
    EXPECT_EQ(fonts::InstalledFamily("No Such Family"), "No Such Family");
}
