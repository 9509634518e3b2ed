#include "files/TextPosition.h"

#include <algorithm>

namespace vyn::host {

LineStarts::LineStarts(std::string_view text) : starts_{0}, size_(text.size()) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') starts_.push_back(i + 1);
}

TextPosition LineStarts::positionOf(std::size_t offset) const {
    offset = std::min(offset, size_);
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return {static_cast<std::size_t>(next - starts_.begin()), offset - *(next - 1) + 1};
}

TextPosition textPositionOf(std::string_view text, std::size_t offset) {
    return LineStarts(text.substr(0, std::min(offset, text.size()))).positionOf(offset);
}

} // namespace vyn::host
