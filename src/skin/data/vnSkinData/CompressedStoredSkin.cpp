#include "CompressedStoredSkin.h"

#include "ByteReader.h"
#include "SkinContainer.h"
#include "ZlibBlock.h"
#include "framework/Exception.h"

#include <QBuffer>
#include <QFile>
#include <algorithm>

namespace {

[[noreturn]] void ThrowReadError() { throw Exception(QStringLiteral("Stream read error")); }

qint32 ReadInt32From(QIODevice& source)
{
    char bytes[4];
    if (source.read(bytes, 4) != 4) ThrowReadError();
    return qFromLittleEndian<qint32>(bytes);
}

} // namespace

TvnCompressedStoredSkin::TvnCompressedStoredSkin(QObject* owner)
    : TComponent(owner)
{
}

bool TvnCompressedStoredSkin::CompressFromIniFile(const QString& path)
{
    const std::optional<QByteArray> container = BuildSkinContainer(path);
    if (!container) return false;
    m_compressed = CompressBlock(*container);
    return true;
}

void TvnCompressedStoredSkin::LoadCompressedFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    ReadCompressedFrom(file);
}

void TvnCompressedStoredSkin::ReadCompressedStream(QIODevice& source)
{
    m_compressed.clear();
    if (!source.seek(0)) ThrowReadError();
    ReadCompressedFrom(source);
}

void TvnCompressedStoredSkin::ReadCompressedFrom(QIODevice& source)
{
    m_compressed.clear();
    if (ReadInt32From(source) > kNewestSkinVersion) return;
    const qint32 length = ReadInt32From(source);
    if (length < 0) ThrowReadError();
    // Read in pieces: the length is the stream's own claim, and a header promising
    // two gigabytes before a few bytes must not allocate them.
    constexpr qint64 kPiece = qint64(1) << 20;
    QByteArray block;
    while (block.size() < length) {
        const QByteArray piece = source.read(std::min<qint64>(kPiece, length - block.size()));
        if (piece.isEmpty()) ThrowReadError();
        block.append(piece);
    }
    m_compressed = std::move(block);
}

void TvnCompressedStoredSkin::WriteCompressedStream(QIODevice& target) const
{
    const QByteArray bytes = CompressedStreamBytes();
    if (target.write(bytes) != bytes.size()) throw Exception(QStringLiteral("Stream write error"));
}

QByteArray TvnCompressedStoredSkin::CompressedStreamBytes() const
{
    QByteArray bytes;
    AppendInt32(bytes, kSkinContainerVersion);
    AppendInt32(bytes, static_cast<qint32>(m_compressed.size()));
    bytes.append(m_compressed);
    return bytes;
}

void TvnCompressedStoredSkin::SetCompressedStreamBytes(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    ReadCompressedStream(buffer);
}

QByteArray TvnCompressedStoredSkin::Decompress() const { return DecompressBlock(m_compressed); }
