#include "chart/PaintUsage.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

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

// What samePaint compares of a paint, and nothing else: two keys are equal
// exactly when samePaint says the paints are the same. The floats compared
// are held with -0 made 0 (they compare equal); a paint with a NaN among
// them equals nothing, not even itself, and has no key.
struct PaintKey {
    std::size_t kind = 0;
    std::uint64_t swatch = 0; // the pattern or gradient
    std::string name;         // the custom colour's
    std::array<float, 4> values{};
    friend bool operator==(const PaintKey &, const PaintKey &) = default;
};

struct PaintKeyHash {
    std::size_t operator()(const PaintKey &key) const noexcept {
        std::size_t h = std::hash<std::string>{}(key.name);
        auto mix = [&h](std::uint64_t v) {
            h ^= std::hash<std::uint64_t>{}(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
        };
        mix(key.kind);
        mix(key.swatch);
        for (float v : key.values)
            mix(std::bit_cast<std::uint32_t>(v));
        return h;
    }
};

std::optional<PaintKey> keyOf(const Document &document, const Paint &paint, bool tints) {
    PaintKey key;
    key.kind = paint.index();
    std::size_t count = 0;
    auto value = [&](float v) { key.values[count++] = v == 0 ? 0.0f : v; };
    std::visit(
        [&](const auto &p) {
            using Kind = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<Kind, GrayPaint>) {
                value(p.gray);
            } else if constexpr (std::is_same_v<Kind, ProcessPaint>) {
                value(p.cyan), value(p.magenta), value(p.yellow), value(p.black);
            } else if constexpr (std::is_same_v<Kind, RgbPaint>) {
                value(p.red), value(p.green), value(p.blue);
            } else if constexpr (std::is_same_v<Kind, PatternPaint>) {
                key.swatch = p.pattern.value;
            } else if constexpr (std::is_same_v<Kind, GradientPaint>) {
                key.swatch = p.gradient.value;
            } else if constexpr (std::is_same_v<Kind, CustomPaint>) {
                key.name = customName(document, p.color);
                if (tints) value(p.tint);
            }
        },
        paint);
    for (float v : key.values)
        if (std::isnan(v)) return std::nullopt;
    return key;
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

std::vector<PaintUses> paintUses(const Document &document, const std::vector<Paint> &paints,
                                 const PaintUsageRules &rules) {
    std::vector<PaintUses> uses(paints.size());
    // The paints of one key are the same paint: an art using one uses all.
    std::unordered_map<PaintKey, std::vector<std::size_t>, PaintKeyHash> byKey;
    for (std::size_t i = 0; i < paints.size(); ++i)
        if (auto key = keyOf(document, paints[i], rules.tints)) byKey[*key].push_back(i);
    if (byKey.empty()) return uses;
    auto lookup = [&](bool painted, const Paint &paint) -> const std::vector<std::size_t> * {
        if (!painted) return nullptr;
        const auto key = keyOf(document, paint, rules.tints);
        if (!key) return nullptr;
        const auto it = byKey.find(*key);
        return it == byKey.end() ? nullptr : &it->second;
    };
    forEachExamined(document, rules.selectionOnly, [&](const Art &art) {
        const PathStyle style = styleOf(document, art);
        const std::vector<std::size_t> *byFill = lookup(style.fillPainted, style.fill.paint);
        const std::vector<std::size_t> *byStroke = lookup(style.strokePainted, style.stroke.paint);
        if (byFill)
            for (std::size_t i : *byFill)
                ++uses[i].fill, ++uses[i].total;
        if (byStroke)
            for (std::size_t i : *byStroke) {
                ++uses[i].stroke;
                if (byStroke != byFill) ++uses[i].total; // the same paint twice counts once
            }
    });
    return uses;
}

std::vector<std::size_t> paintUsage(const Document &document, const std::vector<Paint> &paints,
                                    const PaintUsageRules &rules) {
    std::vector<std::size_t> totals;
    for (const PaintUses &uses : paintUses(document, paints, rules))
        totals.push_back(uses.total);
    return totals;
}

} // namespace vyn::app
