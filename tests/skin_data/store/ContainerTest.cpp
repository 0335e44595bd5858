#include "SkinFixture.h"
#include "skin/data/vnSkinData/SkinBitmaps.h"
#include "skin/data/vnSkinData/SkinContainer.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnSkinData/ZlibBlock.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace skintest;

namespace {

const QByteArray kText = Section("VERSION", { "skinname=Bytes" }) + Section("SKINCOLORS", { "cwindow=255" });

// The first BMP in the container starts right after the version and the first flag.
int BitsPerPixelAt(const QByteArray& container, qsizetype bmpOffset)
{
    return qFromLittleEndian<quint16>(container.constData() + bmpOffset + 28);
}

} // namespace

TEST(SkinContainer, PackedFolderHasTheFixedLayout)
{
    SkinFolder folder;
    folder.AddPicture("main.bmp", SolidImage(5, 3, qRgb(10, 20, 30)));
    folder.AddPicture("mask.bmp", MaskImage(5, 3, QRect(1, 1, 3, 1)));
    folder.AddPicture("p0.bmp", SolidImage(2, 2, qRgb(1, 2, 3)));
    // A description with bare LF line ends and no final line end.
    const QByteArray text = Description("picture=main.bmp\ninactivepicture=\nmask=mask.bmp\n"
                                        "activepicturescount=1\n0=p0.bmp")
                                .replace("\r\n", "\n")
                                .chopped(2);
    const std::optional<QByteArray> container = BuildSkinContainer(folder.WriteDescription(text));
    ASSERT_TRUE(container);

    TvnByteReader reader(*container);
    EXPECT_EQ(reader.ReadInt32(), 3);
    EXPECT_EQ(reader.ReadByte(), 0);
    EXPECT_EQ(BitsPerPixelAt(*container, reader.Position()), 24);
    ReadBitmap(reader);
    EXPECT_EQ(reader.ReadByte(), 1); // no inactive picture
    EXPECT_EQ(reader.ReadByte(), 0);
    // The mask keeps its depth: a 1-bit picture is not blown up to 24 bits.
    EXPECT_EQ(BitsPerPixelAt(*container, reader.Position()), 1);
    ReadBitmap(reader);
    EXPECT_EQ(reader.ReadInt32(), 1);
    EXPECT_EQ(ReadBitmap(reader).pixel(1, 1), qRgb(1, 2, 3));
    const QByteArray stored = reader.ReadRest().toByteArray();
    EXPECT_TRUE(stored.startsWith("[VERSION]\r\nskinname=Test\r\n"));
    EXPECT_TRUE(
        stored.endsWith("0=p0.bmp\r\n[FORMINFO]\r\nborderwidth=4\r\n\r\n[SKINOBJECTS]\r\ncount=0\r\n\r\n"
                        "[SKINCONTROLS]\r\ncount=0\r\n"));
    EXPECT_FALSE(stored.contains("\n\n"));
}

TEST(SkinContainer, CompressedBlockIsOneZlibStreamAtBestCompression)
{
    const QByteArray data = QByteArray(100000, 'x') + "tail";
    const QByteArray block = CompressBlock(data);
    ASSERT_GE(block.size(), 2);
    EXPECT_EQ(static_cast<unsigned char>(block[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(block[1]), 0xDA);
    EXPECT_EQ(DecompressBlock(block), data);
    // Whatever follows the stream's end is not part of the skin.
    EXPECT_EQ(DecompressBlock(block + "junk"), data);
}

TEST(SkinContainer, BlocksUnpackToWhatZlibUnpacks)
{
    // Text, noise, long runs and pictures pack from 2:1 to over 1000:1, on both sides of
    // the unpacker's first guess of the size.
    QByteArray noise(300000, Qt::Uninitialized);
    quint32 state = 1;
    for (char& c : noise)
        c = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
    QByteArray text;
    for (int i = 0; i < 5000; ++i)
        text += "key" + QByteArray::number(i) + "=" + QByteArray::number(i * 7919 % 1000) + ",4,5,6\r\n";
    QByteArray container;
    AppendPictureRecord(container, SolidImage(300, 200, qRgb(30, 60, 90)));
    AppendBitmap(container, MaskImage(64, 64, QRect(3, 3, 20, 40)));
    for (const QByteArray& data : { QByteArray(), QByteArray("x"), noise, text, QByteArray(2 << 20, '\0'),
             noise + QByteArray(1 << 20, 'q') + text, container + text }) {
        const QByteArray block = CompressBlock(data);
        QByteArray expected(data.size(), Qt::Uninitialized);
        uLongf size = static_cast<uLongf>(expected.size());
        ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(expected.data()), &size,
                      reinterpret_cast<const Bytef*>(block.constData()), static_cast<uLong>(block.size())),
            Z_OK);
        ASSERT_EQ(qsizetype(size), data.size());
        EXPECT_EQ(DecompressBlock(block), expected) << data.size() << " bytes packed to " << block.size();
    }
}

TEST(SkinContainer, DamagedOrShortBlocksRaiseCompressionError)
{
    const QByteArray block = CompressBlock(QByteArray(5000, 'a') + QByteArray(5000, 'b'));
    QByteArray damaged = block;
    damaged[damaged.size() / 2] = static_cast<char>(damaged[damaged.size() / 2] ^ 0x55);
    EXPECT_EQ(ErrorOf([&] { DecompressBlock(damaged); }), "compression error");
    EXPECT_EQ(ErrorOf([&] { DecompressBlock(block.chopped(6)); }), "compression error");
    EXPECT_EQ(ErrorOf([&] { DecompressBlock("not zlib"); }), "compression error");
    EXPECT_EQ(ErrorOf([&] { DecompressBlock(QByteArray()); }), "compression error");
}

TEST(SkinContainer, PackWriteReadGivesTheSameContainer)
{
    SkinFolder folder;
    folder.AddPicture("main.bmp", SolidImage(40, 30, qRgb(200, 100, 50)));
    folder.AddPicture("p0.bmp", SolidImage(7, 9, qRgb(9, 9, 9)));
    const QString description
        = folder.WriteDescription(Description("picture=main.bmp\r\nactivepicturescount=1\r\n0=p0.bmp"));
    TvnCompressedStoredSkin packed;
    ASSERT_TRUE(packed.CompressFromIniFile(description));

    QByteArray file;
    QBuffer out(&file);
    out.open(QIODevice::WriteOnly);
    packed.WriteCompressedStream(out);
    EXPECT_EQ(qFromLittleEndian<qint32>(file.constData()), 3);
    EXPECT_EQ(qFromLittleEndian<qint32>(file.constData() + 4), packed.CompressedStream().size());
    EXPECT_EQ(file.size(), 8 + packed.CompressedStream().size());

    // The reader rewinds the source itself.
    QBuffer in(&file);
    in.open(QIODevice::ReadOnly);
    in.seek(5);
    TvnCompressedStoredSkin read;
    read.ReadCompressedStream(in);
    EXPECT_EQ(read.CompressedStream(), packed.CompressedStream());
    EXPECT_EQ(read.Decompress(), *BuildSkinContainer(description));
}

TEST(SkinContainer, CompressedStreamVersionsAndTruncation)
{
    TvnCompressedStoredSkin skin;
    skin.SetCompressedStream("old");
    QByteArray v4;
    AppendInt32(v4, 4);
    AppendInt32(v4, 3);
    v4 += "abc";
    skin.SetCompressedStreamBytes(v4);
    EXPECT_TRUE(skin.IsEmptySkin());

    QByteArray v2;
    AppendInt32(v2, 2);
    AppendInt32(v2, 3);
    skin.SetCompressedStreamBytes(v2 + "xyz");
    EXPECT_EQ(skin.CompressedStream(), "xyz");
    EXPECT_EQ(ErrorOf([&] { skin.SetCompressedStreamBytes(v2 + "xy"); }), "Stream read error");
    EXPECT_TRUE(skin.IsEmptySkin());
    EXPECT_EQ(ErrorOf([&] { skin.SetCompressedStreamBytes("\3\0"); }), "Stream read error");
}

TEST(SkinContainer, BuildingNeedsTheFiveSectionsAndEveryPicture)
{
    SkinFolder folder;
    TvnCompressedStoredSkin skin;
    skin.SetCompressedStream("kept");
    const QByteArray noControls = Description("").replace("[SKINCONTROLS]", "[OTHER]");
    EXPECT_FALSE(skin.CompressFromIniFile(folder.WriteDescription(noControls)));
    EXPECT_EQ(skin.CompressedStream(), "kept");

    const QString missing = folder.WriteDescription(Description("picture=nowhere.bmp"));
    EXPECT_TRUE(ErrorOf([&] { skin.CompressFromIniFile(missing); }).contains("nowhere.bmp"));
    EXPECT_EQ(skin.CompressedStream(), "kept");

    QFile notBmp(folder.Path("bad.bmp"));
    ASSERT_TRUE(notBmp.open(QIODevice::WriteOnly));
    notBmp.write("BM this is not a bitmap");
    notBmp.close();
    const QString bad = folder.WriteDescription(Description("activepicturescount=1\r\n0=bad.bmp"));
    EXPECT_EQ(ErrorOf([&] { skin.CompressFromIniFile(bad); }), "Bitmap image is not valid");
}
