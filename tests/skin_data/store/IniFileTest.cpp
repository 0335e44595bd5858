#include "skin/data/vnSkinData/AnsiText.h"
#include "skin/data/vnSkinData/MemIniFile.h"

#include <gtest/gtest.h>

TEST(MemIniFile, NamesIgnoreCaseValuesStayExact)
{
    const TMemIniFile ini(QStringList {
        "; a comment",
        "stray=before any section",
        "[FormInfo]",
        "  BorderWidth = 4  ",
        "fontname=Arial Black",
        "no equals sign here",
        "[SKINCOLORS]",
        "cbtnface=123",
    });
    EXPECT_TRUE(ini.SectionExists("FORMINFO"));
    EXPECT_TRUE(ini.SectionExists("skincolors"));
    EXPECT_FALSE(ini.SectionExists("VERSION"));
    EXPECT_EQ(ini.ReadInteger("forminfo", "borderwidth", 0), 4);
    EXPECT_EQ(ini.ReadString("FORMINFO", "FONTNAME", ""), "Arial Black");
    EXPECT_EQ(ini.ReadString("FORMINFO", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadSection("FORMINFO"), QStringList({ "BorderWidth", "fontname" }));
    EXPECT_FALSE(ini.ValueExists("FORMINFO", "stray"));
}

TEST(MemIniFile, FirstOfTwoEqualNamesWins)
{
    const TMemIniFile ini(QStringList { "[A]", "key=first", "KEY=second", "[a]", "other=1" });
    EXPECT_EQ(ini.ReadString("A", "key", ""), "first");
    EXPECT_FALSE(ini.ValueExists("A", "other"));
}

TEST(MemIniFile, IntegerConversionFallsBackOnTheDefault)
{
    const TMemIniFile ini(QStringList { "[S]", "neg=-1", "plus=+7", "hex=$1F", "chex=0x10", "word=abc",
        "blank=", "inner=1 2", "big=2147483648", "max=2147483647", "allbits=$FFFFFFFF" });
    EXPECT_EQ(ini.ReadInteger("S", "neg", 0), -1);
    EXPECT_EQ(ini.ReadInteger("S", "plus", 0), 7);
    EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "chex", 0), 16);
    EXPECT_EQ(ini.ReadInteger("S", "word", 9), 9);
    EXPECT_EQ(ini.ReadInteger("S", "blank", 9), 9);
    EXPECT_EQ(ini.ReadInteger("S", "inner", 9), 9);
    EXPECT_EQ(ini.ReadInteger("S", "big", 9), 9);
    EXPECT_EQ(ini.ReadInteger("S", "max", 9), 2147483647);
    EXPECT_EQ(ini.ReadInteger("S", "allbits", 9), -1);
}

TEST(MemIniFile, WritingReplacesAppendsAndErases)
{
    TMemIniFile ini(QStringList { "[One]", "a=1", "b=2", "[Two]", "c=3" });
    ini.WriteString("ONE", "A", "10");
    ini.WriteString("one", "z", "26");
    ini.EraseSection("two");
    ini.WriteInteger("Three", "d", -4);
    EXPECT_EQ(ini.GetStrings(), QStringList({ "[One]", "a=10", "b=2", "z=26", "", "[Three]", "d=-4", "" }));
    EXPECT_FALSE(ini.SectionExists("Two"));
    EXPECT_EQ(ini.ReadInteger("three", "D", 0), -4);
}

TEST(MemIniFile, NamesBeyondAsciiIgnoreCaseAsToLowerDoes)
{
    const TMemIniFile ini(QStringList { QString::fromUtf8("[Seção]"), QString::fromUtf8("ÁREA=1"),
        QString::fromUtf8("\u212Aey=kelvin"), QString::fromUtf8("Straße=2"), "[K]", "plain=3" });
    EXPECT_TRUE(ini.SectionExists(QString::fromUtf8("SEÇÃO")));
    EXPECT_EQ(ini.ReadInteger(QString::fromUtf8("seção"), QString::fromUtf8("área"), 0), 1);
    // The Kelvin sign lower-cases to a plain "k".
    EXPECT_EQ(ini.ReadString(QString::fromUtf8("SEÇÃO"), "KEY", ""), "kelvin");
    EXPECT_EQ(ini.ReadInteger(QString::fromUtf8("seção"), QString::fromUtf8("STRASSE"), 0), 0);
    EXPECT_EQ(ini.ReadInteger(QString::fromUtf8("seção"), QString::fromUtf8("straße"), 0), 2);
    EXPECT_EQ(ini.ReadInteger(QString::fromUtf8("\u212A"), "plain", 0), 3);
    EXPECT_FALSE(ini.ValueExists(QString::fromUtf8("seção"), QString::fromUtf8("área ")));
}

TEST(MemIniFile, LargeSectionsFindEveryKeyAndTheFirstOfEachName)
{
    // Numbered lists run to thousands of keys in one section; written keys join them.
    QString text = "[LIST]\r\n";
    for (int i = 0; i < 20000; ++i)
        text += QString::number(i) + "=v" + QString::number(i) + "\r\n";
    text += "[list]\r\n0=hidden\r\n[LIST2]\r\nITEM5=first\r\nitem5=second\r\n";
    TMemIniFile ini;
    ini.SetText(text);
    for (int i = 0; i < 20000; ++i)
        ASSERT_EQ(ini.ReadString("list", QString::number(i), ""), "v" + QString::number(i)) << i;
    EXPECT_FALSE(ini.ValueExists("LIST", "20000"));
    EXPECT_EQ(ini.KeyCount("List"), 20000);
    EXPECT_EQ(ini.ReadString("list2", "Item5", ""), "first");
    EXPECT_EQ(ini.KeyCount("list2"), 2);

    for (int i = 19990; i < 30000; ++i)
        ini.WriteInteger("List", QString::number(i), -i);
    EXPECT_EQ(ini.KeyCount("LIST"), 30000);
    EXPECT_EQ(ini.ReadInteger("LIST", "19989", 0), 0);
    EXPECT_EQ(ini.ReadInteger("LIST", "19990", 0), -19990);
    EXPECT_EQ(ini.ReadInteger("LIST", "29999", 0), -29999);
    ini.EraseSection("LIST");
    EXPECT_FALSE(ini.SectionExists("list"));
    EXPECT_EQ(ini.ReadString("LIST2", "item5", ""), "first");
}

TEST(AnsiText, LinesSplitAtEveryLineEndAndKeepALastLineWithoutOne)
{
    EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd"), QList<QByteArray>({ "a", "b", "c", "d" }));
    EXPECT_EQ(SplitTextLines("a\r\n\r\nb\r\n"), QList<QByteArray>({ "a", "", "b" }));
    EXPECT_TRUE(SplitTextLines("").isEmpty());
}

TEST(AnsiText, DecodesWindows1252)
{
    EXPECT_EQ(AnsiToString("Edi\xe7\xe3o \x80 \x93x\x94"), QString::fromUtf8("Edição € “x”"));
    // The code page's holes keep their byte values.
    EXPECT_EQ(AnsiToString("\x81").at(0).unicode(), 0x81);
}
