#include "chart/PaintUsage.h"

#include <string>

#include "chart/ChartRows.h"
#include "model/CurrentStyle.h"

namespace vyn::app {

using namespace vyn::host;
namespace {

std::string customName(const Document &document, CustomColorId id) {
    const CustomColor *color = document.customColor(id);
    return color ? color->name : std::string();
}

template <class Visit> void forEachExamined(const Document &document, bool selectionOnly, Visit visit) {
    // Locked passes down from layers and groups, as the host's matching
    // does; the selected mark does not.
    auto walk = [&](auto &self, const Art &parent, bool lockedAbove) -> void {
        for (ArtId id : parent.group()->children) {
            const Art &art = *document.art(id);
            const bool locked = lockedAbove || (art.attributes & kLocked);
            if (art.group()) {
                self(self, art, locked);
                continue;
            }
            const bool examined = selectionOnly ? (art.attributes & kSelected) != 0 : !locked;
            if (examined && !isChartArt(art)) visit(art);
        }
    };
    for (const Layer &layer : document.layers())
        if (const Art *root = document.art(layer.group)) walk(walk, *root, !layer.editable);
}

} // namespace

bool samePaint(const Document &document, const Paint &a, const Paint &b, bool tints) {
    if (a.index() != b.index()) return false;
    return std::visit(
        [&](const auto &x) -> bool {
            using Kind = std::decay_t<decltype(x)>;
            const Kind &y = std::get<Kind>(b);
            if constexpr (std::is_same_v<Kind, PatternPaint>)
                return x.pattern == y.pattern;
            else if constexpr (std::is_same_v<Kind, GradientPaint>)
                return x.gradient == y.gradient;
            else if constexpr (std::is_same_v<Kind, CustomPaint>)
                return customName(document, x.color) == customName(document, y.color) &&
                       (!tints || x.tint == y.tint);
            else
                return x == y; // components compared as floats, NaN equal to nothing
        },
        a);
}

std::vector<std::size_t> paintUsage(const Document &document, const std::vector<Paint> &paints,
                                    const PaintUsageRules &rules) {
    std::vector<std::size_t> uses(paints.size(), 0);
    forEachExamined(document, rules.selectionOnly, [&](const Art &art) {
        const PathStyle style = styleOf(document, art);
        for (std::size_t i = 0; i < paints.size(); ++i) {
            const bool byFill =
                style.fillPainted && samePaint(document, style.fill.paint, paints[i], rules.tints);
            const bool byStroke =
                style.strokePainted && samePaint(document, style.stroke.paint, paints[i], rules.tints);
            if (byFill || byStroke) ++uses[i];
        }
    });
    return uses;
}

} // namespace vyn::app
