#include "files/ReadError.h"

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
    out += ": error: ";
    out += sentence;
    if (!detail.empty()) {
        if (!sentence.empty()) out += ": ";
        out += detail;
    }
    return out;
}

} // namespace vyn::host
