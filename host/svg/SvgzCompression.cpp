#include "svg/SvgzCompression.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace vyn::host::svg {

std::string gzipCompressedForSvgz(std::string_view bytes) {
    z_stream stream{};
    // 15 bits of window, plus 16: a gzip header and trailer instead of zlib's.
    constexpr int kGzipWindowBits = 15 + 16;
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kGzipWindowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("zlib cannot start compressing");
    std::string out;
    char buffer[1 << 16];
    const char *next = bytes.data();
    std::size_t left = bytes.size();
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        // zlib counts in uInt: feed a large input in pieces.
        if (stream.avail_in == 0 && left > 0) {
            const std::size_t piece = std::min<std::size_t>(left, std::numeric_limits<uInt>::max());
            stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(next));
            stream.avail_in = static_cast<uInt>(piece);
            next += piece;
            left -= piece;
        }
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        status = deflate(&stream, left == 0 ? Z_FINISH : Z_NO_FLUSH);
        if (status == Z_STREAM_ERROR) {
            deflateEnd(&stream);
            throw std::runtime_error("zlib cannot compress");
        }
        out.append(buffer, sizeof buffer - stream.avail_out);
    }
    deflateEnd(&stream);
    return out;
}

} // namespace vyn::host::svg
