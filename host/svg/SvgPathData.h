// SvgPathData.h — outlines in user space as cubic béziers: path data (every
// command, relative and absolute, implicit repeats, arcs as béziers) and the
// basic shapes.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "svg/SvgTransform.h"

namespace vyn::host::svg {

using XY = Affine::XY;

// A start point and cubic segments: for segment i, points[3i+1] and
// points[3i+2] are its control points and points[3i+3] its end. A straight
// segment has its control points on its ends.
struct Subpath {
    std::vector<XY> points;
    bool closed = false;
};

struct Outline {
    std::vector<Subpath> subpaths;
    // Path data that stops making sense is drawn up to there, as SVG says;
    // this is the offset in the data where it stopped.
    std::optional<std::size_t> errorAt;
};

Outline parsePathData(std::string_view data);

// The smallest box holding the outline (the curves, not their control
// points); none for an outline without points.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0; // y down, as in SVG
};
std::optional<Box> boundingBox(const Outline &outline);

} // namespace vyn::host::svg
