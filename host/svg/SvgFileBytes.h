// SvgFileBytes.h — the bytes of an SVG file as the reader takes them:
// decompressed when they start with the gzip magic (.svgz), within a bound,
// and in an encoding this reader reads (UTF-8, or its ASCII subset).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vyn::host::svg {

bool isGzip(std::string_view bytes);

// The decompressed bytes of every gzip member in `bytes`; none, with the
// reason, when the data is damaged or would exceed `maxBytes`.
std::optional<std::string> gunzip(std::string_view bytes, std::size_t maxBytes, std::string &reason);

struct EncodingProblem {
    std::size_t offset = 0;
    std::string reason;
};

// Why the text is in an encoding this reader does not read (UTF-16 or
// UTF-32, or an XML declaration naming anything but UTF-8 or ASCII).
std::optional<EncodingProblem> encodingProblem(std::string_view bytes);

} // namespace vyn::host::svg
