#include "svg/SvgFileBytes.h"

#include <zlib.h>

#include "svg/SvgNumbers.h"

namespace vyn::host::svg {

bool isGzip(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1F &&
           static_cast<unsigned char>(bytes[1]) == 0x8B;
}

namespace {

// Inflates every gzip member of `bytes`, handing each stretch of output to
// `take`; false, with the reason, when the data is damaged or would come to
// more than `maxBytes`.
template <class Take>
bool inflateMembers(std::string_view bytes, std::size_t maxBytes, std::string &reason, Take &&take) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        reason = "the compressed data cannot be read";
        return false;
    }
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    char chunk[64 * 1024];
    std::size_t total = 0;
    int status = Z_OK;
    while (true) {
        stream.next_out = reinterpret_cast<Bytef *>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) break;
        const std::size_t produced = sizeof chunk - stream.avail_out;
        if (total + produced > maxBytes) {
            inflateEnd(&stream);
            reason =
                "the file decompresses to more than " + std::to_string(maxBytes / (1024 * 1024)) + " MiB";
            return false;
        }
        total += produced;
        take(std::string_view(chunk, produced));
        if (status == Z_STREAM_END) {
            if (stream.avail_in == 0) break;
            inflateReset(&stream); // another gzip member follows
        } else if (stream.avail_in == 0 && produced == 0) {
            status = Z_BUF_ERROR;
            break;
        }
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END) {
        reason = "the compressed data is damaged or cut short";
        return false;
    }
    return true;
}

} // namespace

std::optional<std::string> gunzip(std::string_view bytes, std::size_t maxBytes, std::string &reason) {
    // Measured first, then inflated into room of that size: a bomb is
    // refused without holding any of it, and a sound file is held once,
    // never in a buffer grown to twice the bound.
    std::size_t size = 0;
    if (!inflateMembers(bytes, maxBytes, reason, [&](std::string_view part) { size += part.size(); }))
        return std::nullopt;
    std::string out;
    out.reserve(size);
    if (!inflateMembers(bytes, maxBytes, reason, [&](std::string_view part) { out.append(part); }))
        return std::nullopt;
    return out;
}

std::optional<EncodingProblem> encodingProblem(std::string_view bytes) {
    const auto starts = [&](std::string_view magic) { return bytes.substr(0, magic.size()) == magic; };
    using namespace std::string_view_literals;
    if (starts("\xFE\xFF"sv) || starts("\xFF\xFE"sv) || starts("\0<\0?"sv) || starts("<\0?\0"sv))
        return EncodingProblem{0, "the file is in UTF-16 or UTF-32; only UTF-8 is read"};
    std::size_t shift = 0;
    if (starts("\xEF\xBB\xBF"sv)) {
        bytes.remove_prefix(3);
        shift = 3;
    }
    if (!bytes.starts_with("<?xml")) return std::nullopt;
    const std::size_t end = bytes.find("?>");
    const std::string_view declaration = bytes.substr(0, end);
    const std::size_t key = declaration.find("encoding");
    if (key == std::string_view::npos) return std::nullopt;
    const std::size_t open = declaration.find_first_of("\"'", key);
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t close = declaration.find(declaration[open], open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view name = declaration.substr(open + 1, close - open - 1);
    for (std::string_view known : {"UTF-8", "UTF8", "US-ASCII", "ASCII"})
        if (equalsIgnoringCase(name, known)) return std::nullopt;
    return EncodingProblem{shift + open + 1,
                           "the encoding \"" + std::string(name) + "\" is not read; only UTF-8 is"};
}

} // namespace vyn::host::svg
