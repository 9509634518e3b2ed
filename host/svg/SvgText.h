// SvgText.h — <text> as point text: one frame for the text, anchored at its
// first x and y, holding its characters with white space collapsed; and a
// frame of its own for each tspan or textPath that sets its own fill, so
// that every colour of the text is a frame's paint.
#pragma once

#include <vector>

#include <pugixml.hpp>

#include "model/Document.h"
#include "svg/SvgPaintServers.h"
#include "svg/SvgShapes.h"
#include "svg/SvgStyle.h"

namespace vyn::host::svg {

struct TextFrameMade {
    ArtId art;
    pugi::xml_node owner; // the text, tspan or textPath it was made for
    bool hidden = false;  // visibility: hidden
};

struct TextContext {
    Document &document;
    StyleResolver &styles;
    PaintServers &paints;
    LengthBase lengths;
    double viewportSize = 0;
};

// The frames of `text` inside `parent`, the text's own first; none when it
// holds no characters.
std::vector<TextFrameMade> addTextArt(TextContext &context, ArtId parent, pugi::xml_node text,
                                      const ComputedStyle &style, const Affine &toDocument);

} // namespace vyn::host::svg
