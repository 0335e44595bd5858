#include "ByteReader.h"

#include "framework/Exception.h"

namespace {
[[noreturn]] void ThrowReadError() { throw Exception(QStringLiteral("Stream read error")); }
} // namespace

QByteArrayView TvnByteReader::Peek(qsizetype count) const
{
    if (count < 0 || count > Remaining()) ThrowReadError();
    return m_data.sliced(m_pos, count);
}

QByteArrayView TvnByteReader::ReadBytes(qsizetype count)
{
    const QByteArrayView bytes = Peek(count);
    m_pos += count;
    return bytes;
}

qint32 TvnByteReader::ReadInt32() { return qFromLittleEndian<qint32>(ReadBytes(4).data()); }

quint8 TvnByteReader::ReadByte() { return static_cast<quint8>(ReadBytes(1)[0]); }

QByteArrayView TvnByteReader::ReadRest() { return ReadBytes(Remaining()); }

void AppendInt32(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}
