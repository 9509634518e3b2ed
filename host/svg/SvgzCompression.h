// SvgzCompression.h — the gzip form of .svgz files.
#pragma once

#include <string>
#include <string_view>

namespace vyn::host::svg {

// `bytes` as one gzip member (zlib's best compression). Throws
// std::runtime_error when zlib cannot compress (out of memory).
std::string gzipCompressedForSvgz(std::string_view bytes);

} // namespace vyn::host::svg
