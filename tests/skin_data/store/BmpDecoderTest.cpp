#include "skin/data/vnSkinData/BmpDecoder.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray QtBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "BMP"));
    return bytes;
}

QImage QtDecoded(const QByteArray& bmp)
{
    QImage image;
    EXPECT_TRUE(image.loadFromData(bmp, "BMP"));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Noise(int width, int height, QImage::Format format, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return format == QImage::Format_RGB32 ? image : image.convertToFormat(format, Qt::ThresholdDither);
}

// A hand-made BMP: 4 bits per pixel, rows top-down, a palette of three colours.
QByteArray FourBitTopDown()
{
    const int width = 3, height = 2, stride = 4, colors = 3;
    QByteArray bmp(14 + 40 + 4 * colors + stride * height, '\0');
    char* p = bmp.data();
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(bmp.size(), p + 2);
    qToLittleEndian<quint32>(14 + 40 + 4 * colors, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(width, p + 18);
    qToLittleEndian<qint32>(-height, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(4, p + 28);
    qToLittleEndian<quint32>(colors, p + 46);
    const uchar palette[] = { 255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0 }; // blue, green, red
    memcpy(p + 54, palette, sizeof palette);
    const uchar rows[] = { 0x01, 0x20, 0, 0, 0x2F, 0x10, 0, 0 }; // index 15 lies past the palette
    memcpy(p + 54 + 12, rows, sizeof rows);
    return bmp;
}

} // namespace

TEST(BmpDecoder, MatchesQtsReaderOnEveryPlainLayout)
{
    const QImage::Format formats[]
        = { QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_RGB32, QImage::Format_ARGB32 };
    for (const QImage::Format format : formats)
        for (const int width : { 1, 3, 5, 8, 33 }) {
            SCOPED_TRACE(QStringLiteral("format %1 width %2").arg(format).arg(width).toStdString());
            const QByteArray bmp = QtBmp(Noise(width, 7, format, width * 31 + format));
            const QImage ours = DecodeBmp(bmp);
            ASSERT_EQ(ours.format(), QImage::Format_RGB32);
            EXPECT_EQ(ours, QtDecoded(bmp));
        }
}

TEST(BmpDecoder, ReadsTopDownRowsAndSmallPalettes)
{
    const QImage image = DecodeBmp(FourBitTopDown());
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 255, 0));
}

TEST(BmpDecoder, RefusesDamagedFiles)
{
    const QByteArray good = QtBmp(Noise(10, 10, QImage::Format_RGB32, 1));
    EXPECT_TRUE(DecodeBmp(good.chopped(1)).isNull());
    QByteArray zeroWidth = good;
    qToLittleEndian<qint32>(0, zeroWidth.data() + 18);
    EXPECT_TRUE(DecodeBmp(zeroWidth).isNull());
    QByteArray hugeHeight = good;
    qToLittleEndian<qint32>(0x40000000, hugeHeight.data() + 22);
    EXPECT_TRUE(DecodeBmp(hugeHeight).isNull());
    QByteArray pixelsBeforeHeader = good;
    qToLittleEndian<quint32>(20, pixelsBeforeHeader.data() + 10);
    EXPECT_TRUE(DecodeBmp(pixelsBeforeHeader).isNull());
    EXPECT_TRUE(DecodeBmp("BM").isNull());
    EXPECT_TRUE(DecodeBmp(QByteArray(100, 'x')).isNull());
}
