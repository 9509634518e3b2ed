// JsonLocation.h — where a value sits in a JSON text.
//
// The JSON library keeps no positions, so a reader that finds a fault in a
// parsed value names it by its path and, only then, walks the text again to
// find the value's byte offset.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vyn::host {

// Member names and array indices from the root, e.g. layers[2].art[5].style.
using JsonPath = std::vector<std::variant<std::string, std::size_t>>;

std::string pathText(const JsonPath &path);

// The byte offset in `text`, which must be valid JSON, of the value at
// `path` or, with `atName`, of the name of the member the path ends with.
// Of repeated member names the last counts, as when parsing. A path that
// leaves the text stops at the deepest value it reached.
std::size_t offsetOf(std::string_view text, const JsonPath &path, bool atName = false);

// The byte offset of the first '[' or '{' (outside strings) that opens a
// value nested more than `levels` deep (the root value is level 1), or none.
std::optional<std::size_t> firstDeeperThan(std::string_view text, std::size_t levels);

} // namespace vyn::host
