#include "chart/ChartPlacement.h"

#include <algorithm>

#include "chart/ChartRows.h"

namespace vyn::app {

using namespace vyn::host;

namespace {

// An estimate of a label's width: its characters at a little more than half
// an em each, which holds for the usual sans-serif faces' digits and capitals.
constexpr float kLabelEmPerCharacter = 0.62f;
constexpr float kDefaultLabelSize = 12;

Rect boxBounds(const PathShape &box) {
    const Point first = box.segments.front().anchor;
    Rect r{first.h, first.v, first.h, first.v};
    for (const PathSegment &s : box.segments)
        r = united(r, {s.anchor.h, s.anchor.v, s.anchor.h, s.anchor.v});
    return r;
}

Rect labelBounds(const TextFrame &label) {
    float width = 0, size = 0;
    for (const TextRun &run : label.story.runs) {
        const float runSize = run.features.size.value_or(kDefaultLabelSize);
        size = std::max(size, runSize);
        width += kLabelEmPerCharacter * runSize * static_cast<float>(run.text.size());
    }
    return {label.anchor.h, label.anchor.v + size, label.anchor.h + width, label.anchor.v - size / 3};
}

void include(std::optional<Rect> &all, const Rect &r) { all = all ? united(*all, r) : r; }

} // namespace

PlacementBefore prepareChartPlacement(Document &document, Placement placement) {
    PlacementBefore before;
    if (document.artboards.empty()) return before;
    before.drawingArtboard = std::clamp<int>(document.activeArtboard, 0, int(document.artboards.size()) - 1);
    if (placement != Placement::Beside) return before;
    const Rect drawing = document.artboards[std::size_t(before.drawingArtboard)].bounds;
    // Right of every artboard, so that it covers no other page.
    float left = drawing.right;
    for (const Artboard &board : document.artboards)
        left = std::max(left, board.bounds.right);
    const float width = drawing.right - drawing.left;
    document.artboards.push_back({"Colour chart", {left, drawing.top, left + width, drawing.bottom}});
    before.chartArtboard = document.artboards.size() - 1;
    document.activeArtboard = int(*before.chartArtboard);
    return before;
}

std::optional<Rect> chartBounds(const Document &document) {
    std::optional<Rect> all;
    for (const ChartRow &row : chartRows(document)) {
        if (const Art *box = document.art(row.box))
            if (const PathShape *path = box->path(); path && !path->segments.empty())
                include(all, boxBounds(*path));
        if (const Art *label = document.art(row.labelFrame))
            if (const TextFrame *text = label->textFrame()) include(all, labelBounds(*text));
    }
    return all;
}

void finishChartPlacement(Document &document, const PlacementBefore &before) {
    if (before.chartArtboard && *before.chartArtboard < document.artboards.size()) {
        Rect &page = document.artboards[*before.chartArtboard].bounds;
        if (const std::optional<Rect> chart = chartBounds(document)) {
            // The chart's offsets from the page's corner are its margins on
            // every side.
            const float marginH = std::max(0.0f, chart->left - page.left);
            const float marginV = std::max(0.0f, page.top - chart->top);
            page.right = chart->right + marginH;
            page.bottom = std::min(page.bottom, chart->bottom - marginV);
        } else {
            document.artboards.erase(document.artboards.begin() + std::ptrdiff_t(*before.chartArtboard));
        }
    }
    if (!document.artboards.empty()) document.activeArtboard = before.drawingArtboard;
}

RowsOutside rowsOutsideArtboard(const Document &document) {
    RowsOutside outside;
    if (document.artboards.empty()) return outside;
    const int active = std::clamp<int>(document.activeArtboard, 0, int(document.artboards.size()) - 1);
    const Rect board = document.artboards[std::size_t(active)].bounds;
    for (const ChartRow &row : chartRows(document)) {
        const Art *box = document.art(row.box);
        const PathShape *path = box ? box->path() : nullptr;
        if (!path || path->segments.empty()) continue;
        const Rect r = boxBounds(*path);
        if (r.bottom < board.bottom) ++outside.below;
        if (r.bottom < board.bottom || r.right > board.right || r.left < board.left || r.top > board.top)
            ++outside.outside;
    }
    return outside;
}

} // namespace vyn::app
