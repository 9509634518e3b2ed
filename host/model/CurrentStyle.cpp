#include "model/CurrentStyle.h"

#include "model/Document.h"

namespace vyn::host {

bool StyleSharing::all() const {
    return fillPainted && strokePainted && fillPaint && fillOverprint && strokePaint && strokeOverprint &&
           strokeWidth && dash && cap && join && miterLimit && clip && lockClip && evenOdd && resolution;
}

PathStyle styleOf(const Document &document, const Art &art) {
    if (const PathShape *path = art.path()) return path->style;
    if (const TextFrame *frame = art.textFrame()) {
        PathStyle style;
        style.fill.paint = frame->story.paint();
        style.fillPainted = !std::holds_alternative<NoPaint>(style.fill.paint);
        return style;
    }
    return document.newArtStyle;
}

namespace {

// Clears the flags of the fields where `other` differs from `first`.
void narrow(StyleSharing &shared, const PathStyle &first, const PathStyle &other) {
    shared.fillPainted &= first.fillPainted == other.fillPainted;
    shared.strokePainted &= first.strokePainted == other.strokePainted;
    shared.fillPaint &= first.fill.paint == other.fill.paint;
    shared.fillOverprint &= first.fill.overprint == other.fill.overprint;
    shared.strokePaint &= first.stroke.paint == other.stroke.paint;
    shared.strokeOverprint &= first.stroke.overprint == other.stroke.overprint;
    shared.strokeWidth &= first.stroke.width == other.stroke.width;
    shared.dash &= first.stroke.dash == other.stroke.dash;
    shared.cap &= first.stroke.cap == other.stroke.cap;
    shared.join &= first.stroke.join == other.stroke.join;
    shared.miterLimit &= first.stroke.miterLimit == other.stroke.miterLimit;
    shared.clip &= first.clip == other.clip;
    shared.lockClip &= first.lockClip == other.lockClip;
    shared.evenOdd &= first.evenOdd == other.evenOdd;
    shared.resolution &= first.resolution == other.resolution;
}

} // namespace

CurrentStyle currentStyle(const Document &document) {
    CurrentStyle current;
    if (const Art *marked = document.lastFullySelected()) {
        current.style = styleOf(document, *marked);
        return current;
    }
    bool first = true;
    for (ArtId id : document.selection()) {
        const Art *art = document.art(id);
        if (!art || art->group()) continue; // a group's members carry their own marks
        const PathStyle style = styleOf(document, *art);
        if (first)
            current.style = style;
        else
            narrow(current.shared, current.style, style);
        first = false;
    }
    if (first) current.style = document.newArtStyle;
    current.mixed = !current.shared.all();
    return current;
}

} // namespace vyn::host
