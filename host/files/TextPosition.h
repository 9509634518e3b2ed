// TextPosition.h — where a byte offset lies in a text, as the line and
// column a person looks for: both from 1, the column counted in bytes.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vyn::host {

struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;
};

// The starts of a text's lines, found once, for a text that many positions
// are asked of. Only '\n' ends a line; an offset past the end is taken as
// the end.
class LineStarts {
  public:
    explicit LineStarts(std::string_view text);
    TextPosition positionOf(std::size_t offset) const;

  private:
    std::vector<std::size_t> starts_;
    std::size_t size_;
};

// The position of one offset.
TextPosition textPositionOf(std::string_view text, std::size_t offset);

} // namespace vyn::host
