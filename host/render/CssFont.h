// CssFont.h — the CSS font properties under which an SVG renderer, asking
// fontconfig, finds the face the host's font list names.
//
// The font list names faces by their full name ("DejaVu Sans Bold"), which
// is not a family: a renderer given that as font-family would fall back to
// another face. The face is looked up once and described by its family,
// weight, style and stretch.
#pragma once

#include <string>

namespace vyn::host {

struct CssFont {
    std::string family;
    int weight = 400;               // 100 to 900, 400 regular, 700 bold
    std::string style = "normal";   // "normal", "italic" or "oblique"
    std::string stretch = "normal"; // "condensed", "expanded", ...
};

// The face of the font list named `name` (UTF-8). A name no installed face
// bears is taken as a family name, with the other properties normal.
CssFont cssFontNamed(const std::string &name);

} // namespace vyn::host
