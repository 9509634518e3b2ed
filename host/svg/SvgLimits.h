// SvgLimits.h — the bounds that keep a hostile or broken SVG file from
// hanging the reader or exhausting memory.
#pragma once

#include <cstddef>

namespace vyn::host::svg {

// A file (decompressed, for .svgz) larger than this is refused.
inline constexpr std::size_t kMaxSvgBytes = 256u * 1024 * 1024;
// Elements nested deeper than this (counting <use> expansion) are refused.
inline constexpr std::size_t kMaxSvgDepth = 400;
// Art made by expanding <use> beyond this stops expansion, with a warning.
inline constexpr std::size_t kUseArtBudget = 200'000;
// <use> references that would multiply into more art than this are refused
// outright: the file is a bomb, not a drawing.
inline constexpr std::size_t kUseBombThreshold = 100 * kUseArtBudget;
// Expanding <use> stops, with a warning, after this many seconds.
inline constexpr double kUseSeconds = 1.0;
// <use> references chained deeper than this are refused.
inline constexpr std::size_t kMaxUseChain = 64;
// Warnings of one kind beyond this are counted, not listed.
inline constexpr std::size_t kWarningsPerKind = 20;

} // namespace vyn::host::svg
