// PaintMix.h — which kind of paint the i-th distinct paint of a generated
// drawing is, and its rank among the paints of that kind.
//
// Both generators (the host's model and SVG) share this mix, so that their
// drawings of a size hold the same kinds in the same proportions: 30 %
// process colours, 25 % RGB, 10 % gray, 25 % custom colours (four tints of
// each), 5 % gradients, and a few patterns (the rest of their share goes to
// gradients).
#pragma once

#include <cstdint>

namespace vyn::bench {

enum class PaintKind { Process, Rgb, Gray, Custom, Gradient, Pattern };

inline constexpr std::uint32_t kPatternCount = 16;
inline constexpr std::uint32_t kTintsPerCustomColor = 4;

struct PaintSlot {
    PaintKind kind;
    std::uint32_t rank; // distinct among the paints of this kind
};

inline PaintSlot paintSlot(std::uint32_t i) {
    const std::uint32_t block = i / 20, place = i % 20;
    if (place < 6) return {PaintKind::Process, block * 6 + place};
    if (place < 11) return {PaintKind::Rgb, block * 5 + place - 6};
    if (place < 13) return {PaintKind::Gray, block * 2 + place - 11};
    if (place < 18) return {PaintKind::Custom, block * 5 + place - 13};
    if (place == 18) return {PaintKind::Gradient, block * 2};
    if (block < kPatternCount) return {PaintKind::Pattern, block};
    return {PaintKind::Gradient, block * 2 + 1};
}

// Components of the rank-th colour of a kind, each in [0, 1], distinct for
// ranks below 10^6 (process) or 2^24 (RGB, in steps of 1/255).
inline void processComponents(std::uint32_t rank, float out[4]) {
    out[0] = static_cast<float>(rank % 100) / 100.0f;
    out[1] = static_cast<float>(rank / 100 % 100) / 100.0f;
    out[2] = static_cast<float>(rank / 10000 % 100) / 100.0f;
    out[3] = 0.05f;
}
inline void rgbBytes(std::uint32_t rank, unsigned out[3]) {
    out[0] = rank % 256;
    out[1] = rank / 256 % 256;
    out[2] = rank / 65536 % 256;
}

} // namespace vyn::bench
