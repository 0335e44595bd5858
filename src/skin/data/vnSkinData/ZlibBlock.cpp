#include "ZlibBlock.h"

#include "framework/Exception.h"

#include <algorithm>
#include <libdeflate.h>
#include <memory>
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
    // libdeflate reads the same zlib streams, checksum included, two to three times
    // faster than zlib's inflate; it unpacks into one buffer of a given size, so an
    // unknown size is guessed and the whole stream unpacked again into a larger buffer
    // when the guess was short.
    const std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)> decompressor(
        libdeflate_alloc_decompressor(), &libdeflate_free_decompressor);
    if (!decompressor) ThrowCompressionError();

    // Skins pack about 25 to 1; start near that and grow fourfold, so that a stream
    // packed far better is unpacked at most a few times. The buffer never grows past one
    // byte more than the limit: a stream that fills that byte is too large.
    const qsizetype ceiling = limit + 1;
    qsizetype capacity
        = std::clamp<qsizetype>(block.size() * 32, std::min<qsizetype>(kBlockSize, ceiling), ceiling);
    for (;;) {
        QByteArray result(capacity, Qt::Uninitialized);
        size_t written = 0;
        const libdeflate_result status = libdeflate_zlib_decompress(decompressor.get(), block.data(),
            static_cast<size_t>(block.size()), result.data(), static_cast<size_t>(capacity), &written);
        if (status == LIBDEFLATE_SUCCESS && qsizetype(written) <= limit) {
            result.truncate(qsizetype(written));
            return result;
        }
        if (status != LIBDEFLATE_SUCCESS && status != LIBDEFLATE_INSUFFICIENT_SPACE) ThrowCompressionError();
        if (capacity == ceiling)
            throw Exception(QStringLiteral("The skin unpacks to more than %1 MB").arg(limit >> 20));
        capacity = capacity > ceiling / 4 ? ceiling : capacity * 4;
    }
}
