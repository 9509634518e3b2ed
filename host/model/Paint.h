// Paint.h — the paints of fills, strokes and text, and a path's style.
//
// Values are kept exactly as the plug-in gave them (single-precision floats,
// unused fields included), so a style read back compares equal, bit for bit,
// to the one that was set. Equality compares values as floats do (NaN equals
// nothing, -0 equals 0).
#pragma once

#include <array>
#include <cstdint>
#include <variant>

#include "model/Geometry.h"
#include "model/Ids.h"

namespace vyn::host {

// Components from 0 to 1.
struct GrayPaint {
    float gray = 0; // 0 black, 1 white
    friend bool operator==(const GrayPaint &, const GrayPaint &) = default;
};
struct ProcessPaint {
    float cyan = 0, magenta = 0, yellow = 0, black = 0;
    friend bool operator==(const ProcessPaint &, const ProcessPaint &) = default;
};
struct RgbPaint {
    float red = 0, green = 0, blue = 0;
    friend bool operator==(const RgbPaint &, const RgbPaint &) = default;
};
// A pattern swatch and where its tile sits (angles in degrees).
struct PatternPaint {
    PatternId pattern;
    float shiftDistance = 0, shiftAngle = 0;
    Point scale{1, 1};
    float rotate = 0;
    bool reflect = false;
    float reflectAngle = 0, shearAngle = 0, shearAxis = 0;
    Matrix transform;
    friend bool operator==(const PatternPaint &, const PatternPaint &) = default;
};
// A custom colour swatch at a tint: 0 full strength, 1 none of the colour.
struct CustomPaint {
    CustomColorId color;
    float tint = 0;
    friend bool operator==(const CustomPaint &, const CustomPaint &) = default;
};
// A gradient swatch and its placement: the origin, the ramp's angle
// (degrees) and length, a matrix over all of it, and the highlight of a
// radial gradient, all measured from `frame`, a point of the document. The
// placement lands on the page at frame + origin; it is kept in the frame it
// was given in (the corner of the artboard active then), so reading it back
// from that frame gives the numbers that were set, bit for bit.
struct GradientPaint {
    GradientId gradient;
    Point frame;
    Point origin;
    float angle = 0, length = 0;
    Matrix matrix;
    float highlightAngle = 0, highlightLength = 0;
    friend bool operator==(const GradientPaint &, const GradientPaint &) = default;
};
struct NoPaint {
    friend bool operator==(const NoPaint &, const NoPaint &) = default;
};

// The alternatives are in the order of the interface's colour kinds (gray,
// process, pattern, custom, gradient, RGB, none), so index() is that kind.
using Paint =
    std::variant<GrayPaint, ProcessPaint, PatternPaint, CustomPaint, GradientPaint, RgbPaint, NoPaint>;

enum class LineCap : std::uint8_t { Butt, Round, Projecting };
enum class LineJoin : std::uint8_t { Miter, Round, Bevel };

// `count` of the six lengths are used, alternately dash and gap; 0 is solid.
struct Dash {
    std::int16_t count = 0;
    float offset = 0;
    std::array<float, 6> lengths{};
    friend bool operator==(const Dash &, const Dash &) = default;
};

struct Fill {
    Paint paint = GrayPaint{};
    bool overprint = false;
    friend bool operator==(const Fill &, const Fill &) = default;
};

struct Stroke {
    Paint paint = GrayPaint{};
    bool overprint = false;
    float width = 1;
    Dash dash;
    LineCap cap = LineCap::Butt;
    LineJoin join = LineJoin::Miter;
    float miterLimit = 4;
    friend bool operator==(const Stroke &, const Stroke &) = default;
};

// A fill or stroke shows only while it is painted; its paint is kept either
// way.
struct PathStyle {
    bool fillPainted = false;
    bool strokePainted = false;
    Fill fill;
    Stroke stroke;
    bool clip = false;
    bool lockClip = false;
    bool evenOdd = false;
    float resolution = 800; // dots per inch, for flattening curves
    friend bool operator==(const PathStyle &, const PathStyle &) = default;
};

} // namespace vyn::host
