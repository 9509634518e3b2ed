// CurrentStyle.h — the path style the host shows as current, and which of
// its fields every object it was read from shares.
//
// While some art carries the fully-selected mark, the current style is the
// style of the art that received the mark most recently, alone. Otherwise it
// is the style of the selection, and with nothing selected the style new art
// receives. A path's style is its own; a text frame's is the paint of its
// text; a group has none of its own and gives the style new art receives.
#pragma once

#include "model/Paint.h"

namespace vyn::host {

class Document;
struct Art;

// One flag per field of a path style: true where every object agrees.
struct StyleSharing {
    bool fillPainted = true, strokePainted = true;
    bool fillPaint = true, fillOverprint = true;
    bool strokePaint = true, strokeOverprint = true, strokeWidth = true, dash = true, cap = true, join = true,
         miterLimit = true;
    bool clip = true, lockClip = true, evenOdd = true, resolution = true;

    bool all() const;
};

struct CurrentStyle {
    PathStyle style; // where the objects differ, the first one's values
    StyleSharing shared;
    bool mixed = false;
};

// The style `art` shows: its own for a path, the paint of its text (a fill,
// no stroke) for a text frame, the style new art receives for a group.
PathStyle styleOf(const Document &document, const Art &art);

// Costs O(log n) with a fully-selected art, O(k log n) for k selected art
// otherwise; never walks the document.
CurrentStyle currentStyle(const Document &document);

} // namespace vyn::host
