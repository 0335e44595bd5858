#include "SkinFixture.h"

#include "framework/Exception.h"
#include "skin/data/vnSkinData/ByteReader.h"
#include "skin/data/vnSkinData/SkinBitmaps.h"
#include "skin/data/vnSkinData/ZlibBlock.h"

#include <QFile>
#include <gtest/gtest.h>

namespace skintest {

QImage SolidImage(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage MaskImage(int width, int height, const QRect& shape)
{
    QImage mask(width, height, QImage::Format_Mono);
    mask.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    mask.fill(1);
    for (int y = shape.top(); y <= shape.bottom(); ++y)
        for (int x = shape.left(); x <= shape.right(); ++x)
            mask.setPixel(x, y, 0);
    return mask;
}

SkinFolder::SkinFolder() { EXPECT_TRUE(m_dir.isValid()); }

void SkinFolder::AddPicture(const QString& name, const QImage& image) const
{
    EXPECT_TRUE(image.save(Path(name), "BMP")) << name.toStdString();
}

QString SkinFolder::WriteDescription(const QByteArray& text) const
{
    QFile file(Path(QStringLiteral("skin.ini")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
}

QByteArray Section(const char* name, std::initializer_list<const char*> lines)
{
    QByteArray text = QByteArray("[") + name + "]\r\n";
    for (const char* line : lines)
        text += QByteArray(line) + "\r\n";
    return text + "\r\n";
}

QByteArray Description(const QByteArray& pictures, const QByteArray& more)
{
    return Section("VERSION", { "skinname=Test", "ver=1" }) + "[PICTURES]\r\n" + pictures + "\r\n"
        + Section("FORMINFO", { "borderwidth=4" }) + Section("SKINOBJECTS", { "count=0" })
        + Section("SKINCONTROLS", { "count=0" }) + more;
}

QByteArray ContainerBytes(
    qint32 version, const QList<QImage>& records, const QList<QImage>& numbered, const QByteArray& text)
{
    QByteArray bytes;
    AppendInt32(bytes, version);
    for (const QImage& record : records)
        AppendPictureRecord(bytes, record);
    AppendInt32(bytes, static_cast<qint32>(numbered.size()));
    for (const QImage& picture : numbered)
        AppendBitmap(bytes, picture);
    return bytes + text;
}

std::unique_ptr<TvnCompressedStoredSkin> StoredSkinOf(const QByteArray& container)
{
    auto stored = std::make_unique<TvnCompressedStoredSkin>();
    stored->SetCompressedStream(CompressBlock(container));
    return stored;
}

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& error) {
        return error.Message();
    }
    return QString();
}

} // namespace skintest
