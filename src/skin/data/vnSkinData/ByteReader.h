#pragma once
// A cursor over bytes in memory, reading the little-endian fields of the skin
// container and the compressed skin stream. Reading past the end raises
// "Stream read error": a cut-off container must fail loudly, not load half a skin.
#include <QByteArray>
#include <QtEndian>

class TvnByteReader {
public:
    explicit TvnByteReader(QByteArrayView data)
        : m_data(data)
    {
    }

    qint32 ReadInt32();
    quint8 ReadByte();
    QByteArrayView ReadBytes(qsizetype count);
    // Everything from the cursor to the end.
    QByteArrayView ReadRest();
    // The next `count` bytes without moving the cursor.
    QByteArrayView Peek(qsizetype count) const;

    qsizetype Position() const { return m_pos; }
    qsizetype Remaining() const { return m_data.size() - m_pos; }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

void AppendInt32(QByteArray& out, qint32 value);
