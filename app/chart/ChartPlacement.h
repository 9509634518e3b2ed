// ChartPlacement.h — where the command puts the chart: on a page of its own
// beside the artwork, or where the drawing application puts it.
//
// The plug-in always draws its chart at the active artboard's top-left
// corner plus its offsets. To put it beside the artwork, the command adds an
// artboard right of every artboard, adjoining the rightmost (with the active
// one's top and size), makes it active for the build, and afterwards grows it to hold every row
// with the chart's offsets as its margins; the drawing's own artboard is
// active again after the build. The chart then stands one offset to the
// right of the artwork and hides none of it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "model/Document.h"

namespace vyn::app {

enum class Placement { Beside, Artboard };

// Before the build: for Beside, the chart's artboard is added and made
// active. Returns the index of the drawing's active artboard.
struct PlacementBefore {
    int drawingArtboard = 0;
    std::optional<std::size_t> chartArtboard; // Beside: the one added
};
PlacementBefore prepareChartPlacement(host::Document &document, Placement placement);

// The bounds of the chart's rows (boxes, and labels at an estimate of their
// width), in document points; none without rows.
std::optional<host::Rect> chartBounds(const host::Document &document);

// After the build: the chart's artboard grown to hold the chart (or taken
// away again when the build made none), the drawing's artboard active again.
void finishChartPlacement(host::Document &document, const PlacementBefore &before);

// For Artboard placement: how many rows' boxes run past the active
// artboard's bottom, and how many run past it anywhere, to say so ("12 of
// 39 rows lie below the artboard").
struct RowsOutside {
    std::size_t below = 0;
    std::size_t outside = 0;
};
RowsOutside rowsOutsideArtboard(const host::Document &document);

} // namespace vyn::app
