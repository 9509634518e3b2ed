// ChartDocument.h — a generated document of a chosen size, made directly in
// the host's model, for the chart build's benchmark.
#pragma once

#include "DrawingSize.h"
#include "model/Document.h"

namespace vyn::bench {

// Four layers (the third one locked), art in groups (some nested), 6 % of it
// point text, the rest closed paths; every paint of the mix (PaintMix.h),
// unpainted fills and strokes holding leftover colours, a few overprinted or
// even-odd fills, and some hidden and some locked art. The first
// min(shapes, paints) fills use every paint once, in order; the rest are
// drawn at random. The same size and seed always give the same document.
host::Document makeChartDocument(const DrawingSize &size);

} // namespace vyn::bench
