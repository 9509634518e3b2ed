// SvgDrawing.h — a generated SVG drawing of a chosen size, for the command's
// benchmark: the forms of paint that exporters write, in the proportions of
// PaintMix.h.
#pragma once

#include <string>

#include "DrawingSize.h"

namespace vyn::bench {

// Three Inkscape layers (the third locked) and a plain top-level group; art
// in groups of 25, about one in four holding a nested group; 6 % text, the
// rest paths of ten points. Paints as `fill`/`stroke` attributes (hex), in
// `style` (rgb()), through classes of a <style> sheet, as device-cmyk()
// (process and spot-like colours), and as url() references to gradients
// (some reusing another's stops through href) and to a few patterns. 10 % of
// fills are "none", 40 % of shapes have no stroke; some groups are hidden
// (display:none), some art hidden (visibility) or locked
// (sodipodi:insensitive). The same size and seed always give the same bytes.
std::string makeSvgDrawing(const DrawingSize &size);

} // namespace vyn::bench
