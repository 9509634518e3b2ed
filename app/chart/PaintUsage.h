// PaintUsage.h — how many art objects of a document use a paint.
//
// The art counted is the art the chart build examines: paths and text
// frames, only the selected ones in selection mode, otherwise those not
// locked (art inside a locked layer or group counts as locked); hidden art
// counts. The chart's own art (carrying the chart tag) is never counted. An
// art uses a paint when its painted fill or its painted stroke is that paint
// as the chart compares paints; a text frame's fill is the paint of its
// text. An art using a paint twice (fill and stroke) counts once in the
// total, and once in each of the fill and stroke counts.
#pragma once

#include <cstddef>
#include <vector>

#include "model/Document.h"

namespace vyn::app {

// The chart's settings that decide what is counted and what is the same paint.
struct PaintUsageRules {
    bool selectionOnly = false; // the dialog's "Selection"
    bool tints = true;          // the dialog's "Tints": custom colours at two tints are two paints
};

// The paints are the same paint for the chart: the same kind, and then the
// same components (exact float equality: a NaN equals nothing), the same
// pattern or gradient swatch (placement aside), custom colours of the same
// name (and the same tint, with `tints`); two "none" paints are the same.
bool samePaint(const host::Document &document, const host::Paint &a, const host::Paint &b, bool tints);

// How many art objects of the examined set use a paint: as their painted
// fill, as their painted stroke, and either (each art once).
struct PaintUses {
    std::size_t fill = 0, stroke = 0, total = 0;
    friend bool operator==(const PaintUses &, const PaintUses &) = default;
};

// For each of `paints`, its uses. One walk over the art, each fill and
// stroke looked up by a key that is equal exactly when samePaint is true,
// so the cost is the art plus the paints, not their product.
std::vector<PaintUses> paintUses(const host::Document &document, const std::vector<host::Paint> &paints,
                                 const PaintUsageRules &rules);

// For each of `paints`, how many art objects of the examined set use it.
std::vector<std::size_t> paintUsage(const host::Document &document, const std::vector<host::Paint> &paints,
                                    const PaintUsageRules &rules);

} // namespace vyn::app
