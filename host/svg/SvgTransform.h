// SvgTransform.h — affine maps in double precision, the `transform`
// attribute, and the map from a viewBox into a viewport.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vyn::host::svg {

// x' = a·x + c·y + e, y' = b·x + d·y + f, as SVG's matrix(a b c d e f).
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    struct XY {
        double x = 0, y = 0;
    };
    XY apply(XY p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    XY applyLinear(XY p) const { return {a * p.x + c * p.y, b * p.x + d * p.y}; }
    double determinant() const { return a * d - b * c; }
    static Affine translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Affine scale(double x, double y) { return {x, 0, 0, y, 0, 0}; }
};

// The map that applies `inner` first, then `outer`.
Affine operator*(const Affine &outer, const Affine &inner);

// A transform list (matrix, translate, scale, rotate, skewX, skewY); none
// when it does not parse, which SVG treats as no transform.
std::optional<Affine> parseTransform(std::string_view text);

// A viewBox attribute's value: four numbers (x, y, width, height) with a
// positive size; none for anything else, which SVG treats as no viewBox.
std::optional<std::array<double, 4>> parseViewBox(std::string_view text);

// The map that fits a viewBox (x, y, w, h) into a viewport of `width` ×
// `height` at (vx, vy), as `preserveAspectRatio` says (default xMidYMid meet).
Affine viewBoxTransform(const double viewBox[4], double vx, double vy, double width, double height,
                        std::string_view preserveAspectRatio);

} // namespace vyn::host::svg
