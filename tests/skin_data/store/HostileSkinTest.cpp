// Skins whose values are built to hurt: coordinates at the ends of int, counts that name
// two billion keys, blocks that unpack to gigabytes. Each is refused with a clear error
// or cut to what the skin can hold, without a huge allocation or a minutes-long loop.
#include "SkinFixture.h"
#include "skin/data/vnSkinData/ByteReader.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnSkinData/SkinValues.h"
#include "skin/data/vnSkinData/ZlibBlock.h"

#include <gtest/gtest.h>
#include <zlib.h>

using vnutils::RectLTRB;

using namespace skintest;

namespace {

// A store loaded from a container without pictures holding `text`.
QString LoadError(TvnSkinData& store, const QByteArray& text)
{
    const auto stored = StoredSkinOf(ContainerBytes(3, { QImage(), QImage(), QImage() }, {}, text));
    return ErrorOf([&] { store.LoadCompressedSkin(stored.get()); });
}

// A zlib stream of `megabytes` MB of zeros, deflated piece by piece so that the test
// never holds the unpacked bytes itself.
QByteArray ZeroBomb(int megabytes)
{
    z_stream z {};
    deflateInit(&z, Z_BEST_COMPRESSION);
    const QByteArray zeros(1 << 20, '\0');
    QByteArray out;
    char buffer[1 << 16];
    for (int i = 0; i < megabytes; ++i) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
        z.avail_in = static_cast<uInt>(zeros.size());
        const int flush = i + 1 == megabytes ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = reinterpret_cast<Bytef*>(buffer);
            z.avail_out = sizeof buffer;
            deflate(&z, flush);
            out.append(buffer, static_cast<qsizetype>(sizeof buffer - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return out;
}

} // namespace

TEST(HostileSkin, CoordinatesBeyondAnyPictureAreRefused)
{
    const TMemIniFile ini(QStringList {
        "[S]", "rect=2147483647,0,0,2147483647", "point=0,32768", "largest=32767,32767,32767,32767" });
    QRect rect;
    QPoint point;
    EXPECT_EQ(ErrorOf([&] { ReadSkinValue(ini, "S", "rect", {}, rect); }),
        "'2147483647' is not a valid skin coordinate (0 to 32767)");
    EXPECT_EQ(ErrorOf([&] { ReadSkinValue(ini, "S", "point", {}, point); }),
        "'32768' is not a valid skin coordinate (0 to 32767)");
    ReadSkinValue(ini, "S", "largest", {}, rect);
    EXPECT_EQ(rect, RectLTRB(32767, 32767, 32767, 32767));

    // In a skin the error stops the load where the value stands.
    TvnSkinData store;
    EXPECT_EQ(LoadError(store, Section("FORMINFO", { "clientrect=2147483647,0,0,2147483647" })),
        "'2147483647' is not a valid skin coordinate (0 to 32767)");
    EXPECT_TRUE(store.Empty());
}

TEST(HostileSkin, CountsAreCutToTheKeysTheirSectionHolds)
{
    TvnSkinData store;
    const QByteArray text = Section("PICTURES", { "activepicturescount=2147483647", "0=a.bmp", "1=b.bmp" })
        + Section("SKINOBJECTS", { "count=2147483647", "0=caption:caption" })
        + Section("SKINCONTROLS", { "count=2147483647", "0=button:button", "1=panel:panel" })
        + Section("caption", { "skinrect=1,2,3,4" });
    EXPECT_EQ(LoadError(store, text), QString());
    EXPECT_FALSE(store.Empty());
    // Three keys in the section: the count key and two names, plus one empty name for
    // the third key the count may still mean.
    EXPECT_EQ(store.PictureNames, QStringList({ "a.bmp", "b.bmp", "" }));
    ASSERT_EQ(store.FrameObjects().size(), 1u);
    EXPECT_EQ(store.FrameObjects()[0]->SkinRect, RectLTRB(1, 2, 3, 4));
    EXPECT_EQ(store.ControlSkins().size(), 2u);

    // Counts below zero list nothing; real counts are kept as they are.
    const TMemIniFile ini(QStringList { "[L]", "itemscount=-5", "0=x", "[M]", "itemscount=2", "0=x", "1=y" });
    EXPECT_TRUE(ReadSkinList(ini, "L", "items").isEmpty());
    EXPECT_EQ(ReadSkinList(ini, "M", "items"), QStringList({ "x", "y" }));
}

TEST(HostileSkin, BlocksThatUnpackBeyondTheLimitAreRefused)
{
    const QByteArray bomb = ZeroBomb(3);
    EXPECT_EQ(ErrorOf([&] { DecompressBlock(bomb, 2 << 20); }), "The skin unpacks to more than 2 MB");
    // Up to the limit itself everything unpacks.
    EXPECT_EQ(DecompressBlock(bomb, 3 << 20).size(), 3 << 20);

    // The store's own limit: a block of well under a megabyte standing for 300 MB.
    const QByteArray big = ZeroBomb(300);
    EXPECT_LT(big.size(), 1 << 20);
    TvnCompressedStoredSkin stored;
    stored.SetCompressedStream(big);
    TvnSkinData store;
    EXPECT_EQ(ErrorOf([&] { store.LoadCompressedSkin(&stored); }), "The skin unpacks to more than 256 MB");
    EXPECT_TRUE(store.Empty());
}

TEST(HostileSkin, TheLimitIsExactAndADamagedBombIsStillDamaged)
{
    // One byte over the limit is over it, even when the stream ends right there.
    const QByteArray justOver = CompressBlock(QByteArray((1 << 20) + 1, 'z'));
    EXPECT_EQ(ErrorOf([&] { DecompressBlock(justOver, 1 << 20); }), "The skin unpacks to more than 1 MB");
    EXPECT_EQ(DecompressBlock(justOver, 2 << 20).size(), (1 << 20) + 1);

    // A stream packed a thousand to one outgrows any first guess of its size; a wrong
    // checksum at its end is still found once it has room, and reported as damage.
    QByteArray bomb = ZeroBomb(3);
    bomb[bomb.size() - 1] = static_cast<char>(bomb[bomb.size() - 1] ^ 0x01);
    EXPECT_EQ(ErrorOf([&] { DecompressBlock(bomb, 4 << 20); }), "compression error");
    // Over the limit before the damage is reached: the size is what is reported.
    EXPECT_EQ(ErrorOf([&] { DecompressBlock(bomb, 2 << 20); }), "The skin unpacks to more than 2 MB");
}

TEST(HostileSkin, AStreamClaimingMoreBytesThanItHoldsIsAReadError)
{
    QByteArray bytes;
    AppendInt32(bytes, 3);
    AppendInt32(bytes, 0x7FFFFFFF);
    bytes += "only a few bytes";
    TvnCompressedStoredSkin stored;
    EXPECT_EQ(ErrorOf([&] { stored.SetCompressedStreamBytes(bytes); }), "Stream read error");
    EXPECT_TRUE(stored.IsEmptySkin());
}
