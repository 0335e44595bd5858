#include "SkinBitmaps.h"

#include "BmpDecoder.h"
#include "framework/Exception.h"

#include <QBuffer>
#include <QFile>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kSmallestInfoHeader = 12;

[[noreturn]] void ThrowInvalidBitmap() { throw Exception(QStringLiteral("Bitmap image is not valid")); }

QImage DecodeBitmap(QByteArrayView bytes)
{
    QImage image;
    if (!image.loadFromData(bytes, "BMP") || image.isNull()) ThrowInvalidBitmap();
    return image;
}

} // namespace

QImage ReadBitmap(TvnByteReader& reader)
{
    if (reader.Remaining() < kFileHeaderSize) ThrowInvalidBitmap();
    const QByteArrayView header = reader.Peek(kFileHeaderSize);
    if (header[0] != 'B' || header[1] != 'M') ThrowInvalidBitmap();
    const qint64 size = qFromLittleEndian<quint32>(header.data() + 2);
    if (size < kFileHeaderSize + kSmallestInfoHeader || size > reader.Remaining()) ThrowInvalidBitmap();
    const QImage image = DecodeBmp(reader.ReadBytes(size));
    if (image.isNull()) ThrowInvalidBitmap();
    return image;
}

QImage ReadPictureRecord(TvnByteReader& reader)
{
    if (reader.ReadByte() != 0) return QImage();
    return ReadBitmap(reader);
}

void AppendBitmap(QByteArray& out, const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP")) ThrowInvalidBitmap();
    out.append(bytes);
}

void AppendPictureRecord(QByteArray& out, const QImage& image)
{
    if (image.isNull()) {
        out.append('\1');
        return;
    }
    out.append('\0');
    AppendBitmap(out, image);
}

QImage LoadBitmapFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return DecodeBitmap(file.readAll());
}
