// TextElement.h — a point-text frame as an SVG text element.
//
// The text starts at the frame's anchor (the start of its baseline),
// aligned as its paragraph is justified, written downwards for a vertical
// frame. Each run is a tspan with its font (CssFont.h), size (12 points when
// it sets none), baseline shift, tracking and fill (black when it sets none).
// The element is one line: spaces are kept (xml:space), so nothing may come
// between the runs.
#pragma once

#include <string>
#include <string_view>

#include "model/Art.h"
#include "render/PaintServers.h"
#include "render/Presentation.h"

namespace vyn::host {

inline constexpr float kDefaultTextSize = 12;

struct TextElementWriting {
    std::string_view marks; // attributes (each with its leading space) after the position
    bool important = false; // presentation in !important style (Presentation.h)
    bool hidden = false;    // stated with the presentation when important; else among the marks
};

// Appends the element, without indentation or line end.
void appendTextElement(std::string &out, const TextFrame &frame, const TextElementWriting &writing,
                       PaintServers &paints);

} // namespace vyn::host
