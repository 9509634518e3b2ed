#include "chart/ChartRows.h"

#include "text/Utf.h"

namespace vyn::app {

using namespace vyn::host;

bool isChartArt(const Art &art) { return art.tags.contains(kChartTag); }

ArtId chartGroup(const Document &document) {
    for (const Layer &layer : document.layers()) {
        if (layer.title != kChartLayerTitle) continue;
        const std::vector<ArtId> children = document.art(layer.group)->group()->children.inOrder();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if (document.art(*it)->group()) return *it;
        return {};
    }
    return {};
}

namespace {

bool holdsArt(const Document &document, const Group &group) {
    for (ArtId id : group.children) {
        const Art *art = document.art(id);
        if (!art) continue;
        const Group *inner = art->group();
        if (!inner || !art->tags.empty() || holdsArt(document, *inner)) return true;
    }
    return false;
}

} // namespace

void removeEmptyChartGroups(Document &document) {
    for (const Layer &layer : document.layers()) {
        if (layer.title != kChartLayerTitle) continue;
        std::vector<ArtId> empty;
        for (ArtId id : document.art(layer.group)->group()->children) {
            const Art &art = *document.art(id);
            if (art.group() && art.tags.empty() && !holdsArt(document, *art.group())) empty.push_back(id);
        }
        for (ArtId id : empty)
            document.removeArt(id);
        return;
    }
}

std::vector<ChartRow> chartRows(const Document &document) {
    std::vector<ChartRow> rows;
    const Art *group = document.art(chartGroup(document));
    if (!group) return rows;
    for (ArtId id : group->group()->children) {
        const Art &art = *document.art(id);
        if (!isChartArt(art)) continue;
        if (const PathShape *box = art.path()) {
            rows.push_back({"", box->style.fill.paint, box->style.fill.overprint, id, {}});
        } else if (const TextFrame *label = art.textFrame()) {
            // A label belongs to the box just before it, and to no other.
            if (!rows.empty() && !rows.back().labelFrame) {
                rows.back().label = utf16ToUtf8(label->story.text());
                rows.back().labelFrame = id;
            }
        }
    }
    return rows;
}

} // namespace vyn::app
