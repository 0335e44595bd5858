#include "ZlibBlock.h"

#include "framework/Exception.h"

#include <algorithm>
#include <zlib.h>

namespace {

constexpr int kBlockSize = 4096;

[[noreturn]] void ThrowCompressionError() { throw Exception(QStringLiteral("compression error")); }

// zlib counts in 32-bit units; skins are far below that, but a caller handing more
// would otherwise be cut silently.
uInt ZlibSize(qsizetype size)
{
    if (size > qsizetype(0x7FFFFFFF)) ThrowCompressionError();
    return static_cast<uInt>(size);
}

} // namespace

QByteArray CompressBlock(QByteArrayView data)
{
    z_stream z {};
    if (deflateInit(&z, Z_BEST_COMPRESSION) != Z_OK) ThrowCompressionError();
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = ZlibSize(data.size());

    QByteArray result;
    char block[kBlockSize];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        z.next_out = reinterpret_cast<Bytef*>(block);
        z.avail_out = kBlockSize;
        status = deflate(&z, Z_FINISH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
            deflateEnd(&z);
            ThrowCompressionError();
        }
        result.append(block, kBlockSize - static_cast<int>(z.avail_out));
    }
    deflateEnd(&z);
    return result;
}

QByteArray DecompressBlock(QByteArrayView block, qsizetype limit)
{
    z_stream z {};
    if (inflateInit(&z) != Z_OK) ThrowCompressionError();
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block.data()));
    z.avail_in = ZlibSize(block.size());

    // Skins pack about 25 to 1; start near that and double as needed, so the whole
    // container is inflated in a handful of calls straight into its final buffer. The
    // buffer never grows past one byte more than the limit: a stream that fills that
    // byte is too large.
    const qsizetype ceiling = limit + 1;
    QByteArray result(
        std::clamp<qsizetype>(block.size() * 32, std::min<qsizetype>(kBlockSize, ceiling), ceiling),
        Qt::Uninitialized);
    qsizetype written = 0;
    for (;;) {
        if (written == ceiling) {
            inflateEnd(&z);
            throw Exception(QStringLiteral("The skin unpacks to more than %1 MB").arg(limit >> 20));
        }
        if (written == result.size()) result.resize(std::min(result.size() * 2, ceiling));
        z.next_out = reinterpret_cast<Bytef*>(result.data() + written);
        z.avail_out = ZlibSize(result.size() - written);
        const uInt before = z.avail_out;
        const int status = inflate(&z, Z_NO_FLUSH);
        written += before - z.avail_out;
        if (status == Z_STREAM_END) break;
        // Z_BUF_ERROR with room left means the input ran out before the stream ended.
        if (status != Z_OK && !(status == Z_BUF_ERROR && z.avail_out == 0)) {
            inflateEnd(&z);
            ThrowCompressionError();
        }
    }
    inflateEnd(&z);
    result.truncate(written);
    return result;
}
