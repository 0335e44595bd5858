#pragma once
// The compressed block of a stored skin: one zlib stream (RFC 1950 header, deflate
// data, Adler-32 trailer) at the best compression level.
#include <QByteArray>

// Level 9; the block starts with the bytes 0x78 0xDA.
QByteArray CompressBlock(QByteArrayView data);

// Raises "compression error" for a block that is damaged or cut short. Bytes after the
// end of the zlib stream are ignored.
QByteArray DecompressBlock(QByteArrayView block);
