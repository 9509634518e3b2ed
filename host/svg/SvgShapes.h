// SvgShapes.h — the outline of a basic shape (rect with rounded corners,
// circle, ellipse, line, polyline, polygon) or of a path's data, in the
// element's user space.
#pragma once

#include <string_view>

#include <pugixml.hpp>

#include "svg/SvgPathData.h"

namespace vyn::host::svg {

// What percentages and em in geometry are of.
struct LengthBase {
    double width = 0, height = 0; // of the viewport
    double fontSize = 16;
};

// `kind` is the element's local name; an outline with no subpath when the
// shape draws nothing (a zero width or radius), as SVG says.
Outline shapeOutline(pugi::xml_node element, std::string_view kind, const LengthBase &base);

bool isShape(std::string_view kind);

} // namespace vyn::host::svg
