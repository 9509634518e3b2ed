// Swatches.h — the named paints a document defines once and its art refers
// to: patterns, gradients and custom colours.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "model/Paint.h"

namespace vyn::host {

struct Pattern {
    std::string name; // UTF-8
};

enum class GradientKind { Linear, Radial };

struct GradientStop {
    float position = 0; // along the ramp, 0 to 1
    float midpoint = 0.5f;
    Paint color = GrayPaint{};
};

struct Gradient {
    std::string name; // UTF-8
    GradientKind kind = GradientKind::Linear;
    std::vector<GradientStop> stops;
};

enum class CustomColorKind { Process, Spot, Registration };

struct CustomColor {
    std::string name; // UTF-8
    CustomColorKind kind = CustomColorKind::Spot;
    // The colour at full strength.
    std::variant<ProcessPaint, RgbPaint> color = ProcessPaint{};
};

} // namespace vyn::host
