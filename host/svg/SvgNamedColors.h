// SvgNamedColors.h — the CSS colour keywords (aliceblue … yellowgreen).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vyn::host::svg {

// 0xRRGGBB of a colour keyword, in any letter case; none for other words.
std::optional<std::uint32_t> namedColor(std::string_view name);

} // namespace vyn::host::svg
