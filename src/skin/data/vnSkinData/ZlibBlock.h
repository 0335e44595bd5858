#pragma once
// The compressed block of a stored skin: one zlib stream (RFC 1950 header, deflate
// data, Adler-32 trailer) at the best compression level.
#include <QByteArray>

// Level 9; the block starts with the bytes 0x78 0xDA.
QByteArray CompressBlock(QByteArrayView data);

// The most a block may unpack to: the studio skin unpacks to about 1.3 MB, so this is
// far above any real skin and far below the memory of the machines it runs on.
inline constexpr qsizetype kMaxUnpackedSize = qsizetype(256) << 20;

// Raises "compression error" for a block that is damaged or cut short, and "The skin
// unpacks to more than 256 MB" for one that would grow beyond `limit` (a few megabytes
// of deflate data can stand for gigabytes). Bytes after the end of the zlib stream are
// ignored.
QByteArray DecompressBlock(QByteArrayView block, qsizetype limit = kMaxUnpackedSize);
