#include "files/ReadError.h"

#include "text/Utf.h"

namespace vyn::host {

std::string readErrorMessage(std::string_view name, std::optional<TextPosition> at, std::string_view sentence,
                             std::string_view detail) {
    std::string out(name);
    if (at) {
        out += ':';
        out += std::to_string(at->line);
        out += ':';
        out += std::to_string(at->column);
    }
    // The detail may quote the file (a parser's "last read"), whatever
    // bytes it holds.
    out += ": error: ";
    out += sentence;
    if (!detail.empty()) {
        if (!sentence.empty()) out += ": ";
        out += printableUtf8(detail);
    }
    return out;
}

} // namespace vyn::host
