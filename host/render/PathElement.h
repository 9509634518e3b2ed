// PathElement.h — a path's geometry and style as SVG attributes.
#pragma once

#include <string>

#include "model/Art.h"
#include "render/PaintServers.h"
#include "render/Presentation.h"

namespace vyn::host {

// Appends the path data: one cubic bézier per segment (a line where both
// handles sit on their anchors), closed with Z; y is turned (SVG y = -v).
void appendPathData(std::string &out, const PathShape &shape);

// Sets fill, fill-rule and the stroke's paint, width, dashes, cap, join and
// miter limit; a fill or stroke that is not painted is "none". Properties at
// SVG's defaults are left out, unless the presentation is important.
void setPathStyle(Presentation &p, const PathStyle &style, PaintServers &paints);

} // namespace vyn::host
