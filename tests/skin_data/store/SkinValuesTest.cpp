#include "skin/data/vnSkinData/SkinValues.h"

#include "SkinFixture.h"

#include <gtest/gtest.h>

using vnutils::RectEmpty;
using vnutils::RectLTRB;

using skintest::ErrorOf;

namespace {

template <class T> T Read(const char* value, const TvnKeyDefault& def = {})
{
    const TMemIniFile ini(QStringList { "[S]", QStringLiteral("key=%1").arg(QLatin1String(value)) });
    T out {};
    ReadSkinValue(ini, "S", "key", def, out);
    return out;
}

template <class T> T ReadMissing(const TvnKeyDefault& def = {})
{
    const TMemIniFile ini(QStringList { "[S]" });
    T out {};
    ReadSkinValue(ini, "S", "key", def, out);
    return out;
}

} // namespace

TEST(SkinValues, RectanglesAndPointsSkipSignsAndBlanks)
{
    EXPECT_EQ(Read<QRect>("9,4,205,21"), RectLTRB(9, 4, 205, 21));
    EXPECT_EQ(Read<QRect>(" 9 , 4 ,  205 , 21"), RectLTRB(9, 4, 205, 21));
    EXPECT_EQ(Read<QPoint>("-3,5"), QPoint(3, 5));
    EXPECT_EQ(Read<QPoint>("+1a2,b3"), QPoint(12, 3));
    // Numbers past those needed are not looked at.
    EXPECT_EQ(Read<QPoint>("1,2,x,"), QPoint(1, 2));
    EXPECT_EQ(ReadMissing<QRect>(), QRect());
    EXPECT_EQ(ReadMissing<QPoint>(), QPoint(0, 0));
}

TEST(SkinValues, MalformedRectanglesAndPointsRaiseTheConversionError)
{
    const QString empty = "'' is not a valid integer value";
    EXPECT_EQ(ErrorOf([] { Read<QRect>("1,2,3"); }), empty);
    EXPECT_EQ(ErrorOf([] { Read<QRect>("1,,3,4"); }), empty);
    EXPECT_EQ(ErrorOf([] { Read<QPoint>("7"); }), empty);
    EXPECT_EQ(ErrorOf([] { Read<QPoint>(""); }), empty);
    EXPECT_EQ(ErrorOf([] { Read<QPoint>("-,5"); }), empty);
    EXPECT_EQ(ErrorOf([] { Read<QPoint>("99999999999,1"); }), "'99999999999' is not a valid integer value");
}

TEST(SkinValues, FlagsAreTrueOnlyForOne)
{
    EXPECT_TRUE(Read<bool>("1"));
    EXPECT_FALSE(Read<bool>("2"));
    EXPECT_FALSE(Read<bool>("-1"));
    EXPECT_FALSE(Read<bool>("true"));
    EXPECT_FALSE(ReadMissing<bool>());
}

TEST(SkinValues, IntegersAndColoursFallBackOnTheirDefault)
{
    EXPECT_EQ(Read<int>("-1", { 5 }), -1);
    EXPECT_EQ(Read<int>("five", { 5 }), 5);
    EXPECT_EQ(ReadMissing<int>({ 14 }), 14);
    EXPECT_EQ(Read<TColor>("4801342"), 0x49433Eu);
    // A system colour may be written signed or unsigned.
    EXPECT_EQ(Read<TColor>("-16777201"), 0xFF00000Fu);
    EXPECT_EQ(Read<TColor>("4278190095"), 0xFF00000Fu);
    EXPECT_EQ(Read<TColor>("4294967296", { 7 }), 7u);
    EXPECT_EQ(ReadMissing<TColor>({ 16711680 }), 16711680u);
}

TEST(SkinValues, FontStylesAreFoundBySubstringInExactCase)
{
    EXPECT_EQ(Read<TFontStyles>("fsbold,fsitalic"), TFontStyles(fsBold | fsItalic));
    EXPECT_EQ(Read<TFontStyles>("FSBOLD,FSITALIC"), TFontStyles());
    EXPECT_EQ(Read<TFontStyles>("[fsunderline fsstrikeout]"), TFontStyles(fsUnderline | fsStrikeOut));
    EXPECT_EQ(ReadMissing<TFontStyles>(), TFontStyles());
}

TEST(SkinValues, EnumerationsFallBackAsTheFormatSays)
{
    EXPECT_EQ(Read<TvnStretchType>("stfull"), TvnStretchType::Full);
    EXPECT_EQ(Read<TvnStretchType>("stvert"), TvnStretchType::Vert);
    EXPECT_EQ(Read<TvnStretchType>("sthorz"), TvnStretchType::Horz);
    EXPECT_EQ(Read<TvnStretchType>("diagonal"), TvnStretchType::Horz);
    EXPECT_EQ(Read<TvnStretchType>("STFULL"), TvnStretchType::Horz);
    EXPECT_EQ(ReadMissing<TvnStretchType>(), TvnStretchType::Full);

    EXPECT_EQ(Read<TvnInactiveEffect>(""), TvnInactiveEffect::ieGrayscale);
    EXPECT_EQ(Read<TvnInactiveEffect>("iedarkness"), TvnInactiveEffect::ieDarkness);
    EXPECT_EQ(ReadMissing<TvnInactiveEffect>(), TvnInactiveEffect::ieBrightness);

    EXPECT_EQ(Read<TvnMorphKind>("mkpush"), TvnMorphKind::mkPush);
    EXPECT_EQ(Read<TvnMorphKind>("mkPush"), TvnMorphKind::mkDefault);

    EXPECT_EQ(Read<TAlignment>("taleftjustify"), taLeftJustify);
    EXPECT_EQ(Read<TAlignment>("centre"), taRightJustify);
    EXPECT_EQ(ReadMissing<TAlignment>(), taCenter);

    EXPECT_EQ(Read<TvnSkinCommand>("cmrollup"), TvnSkinCommand::cmRollUp);
    EXPECT_EQ(Read<TvnSkinCommand>("cmhelp"), TvnSkinCommand::cmMinimizeToTray);
    EXPECT_EQ(ReadMissing<TvnSkinCommand>(), TvnSkinCommand::cmDefault);
}

TEST(SkinValues, WrittenFormsReadBackTheSame)
{
    EXPECT_EQ(SkinValueText(RectLTRB(9, 4, 205, 21)), "9,4,205,21");
    EXPECT_EQ(SkinValueText(QPoint(3, 5)), "3,5");
    EXPECT_EQ(SkinValueText(true), "1");
    EXPECT_EQ(SkinValueText(TFontStyles(fsStrikeOut | fsBold)), "fsbold,fsstrikeout");
    EXPECT_EQ(SkinValueText(TvnSkinCommand::cmMinimizeToTray), "cmminimizetotray");
    EXPECT_EQ(SkinValueText(taRightJustify), "tarightjustify");
    EXPECT_EQ(SkinValueText(TColor(0xFF00000F)), "-16777201");
    EXPECT_EQ(Read<TColor>(SkinValueText(TColor(0xFF00000F)).toLatin1().constData()), 0xFF00000Fu);
}

TEST(SkinValues, NumberedListsReadCountItems)
{
    const TMemIniFile ini(
        QStringList { "[PICTURES]", "activepicturescount=3", "0=a.bmp", "2=c.bmp", "3=d.bmp" });
    EXPECT_EQ(ReadSkinList(ini, "PICTURES", "activepictures"), QStringList({ "a.bmp", "", "c.bmp" }));
    EXPECT_TRUE(ReadSkinList(ini, "PICTURES", "other").isEmpty());
}
