// DisplayColour.h — the colour on screen of a document's solid paints.
//
// Pictures and SVG output show every paint in sRGB, by the conversions of
// docs/display-colours.md: gray and RGB as they are, process CMYK by a
// naive conversion without a colour profile, custom colours through the
// colour they stand for at their tint. Opacity is not part of a paint.
#pragma once

#include <optional>
#include <string>

#include "model/Document.h"
#include "model/Paint.h"

namespace vyn::host {

// Components from 0 to 1.
struct DisplayRgb {
    double red = 0, green = 0, blue = 0;
    friend bool operator==(const DisplayRgb &, const DisplayRgb &) = default;
};

// The colour `paint` shows, or nothing for a paint that is not one colour:
// none, a pattern, a gradient, or a custom colour the document does not hold.
std::optional<DisplayRgb> displayColour(const Document &document, const Paint &paint);

DisplayRgb processToDisplay(const ProcessPaint &paint);

// The colour a fraction `t` (0 to 1) of the way from `from` to `to`.
DisplayRgb mixed(const DisplayRgb &from, const DisplayRgb &to, double t);

// "#rrggbb", each component rounded to 8 bits.
std::string cssColour(const DisplayRgb &colour);

} // namespace vyn::host
