#include "chart/RowFacts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <type_traits>
#include <variant>

namespace vyn::app {

using namespace vyn::host;

const char *kindName(RowKind kind) {
    switch (kind) {
    case RowKind::Gray: return "gray";
    case RowKind::Process: return "process";
    case RowKind::Rgb: return "rgb";
    case RowKind::Custom: return "custom";
    case RowKind::Pattern: return "pattern";
    case RowKind::Gradient: return "gradient";
    case RowKind::None: return "none";
    }
    return "none";
}

const char *customKindName(CustomColorKind kind) {
    switch (kind) {
    case CustomColorKind::Process: return "process";
    case CustomColorKind::Spot: return "spot";
    case CustomColorKind::Registration: return "registration";
    }
    return "process";
}

const char *gradientKindName(GradientKind kind) { return kind == GradientKind::Radial ? "radial" : "linear"; }

std::string floatText(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    char digits[64];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

namespace {

ColourValues valuesOf(const ProcessPaint &p) {
    return {ColourValues::Model::Cmyk, {p.cyan, p.magenta, p.yellow, p.black}};
}
ColourValues valuesOf(const RgbPaint &p) { return {ColourValues::Model::Rgb, {p.red, p.green, p.blue}}; }

// The kind, values and swatch of a paint.
void describe(const Document &document, const Paint &paint, RowFacts &row) {
    std::visit(
        [&](const auto &p) {
            using Kind = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<Kind, GrayPaint>) {
                row.kind = RowKind::Gray;
                row.values = ColourValues{ColourValues::Model::Gray, {p.gray}};
            } else if constexpr (std::is_same_v<Kind, ProcessPaint>) {
                row.kind = RowKind::Process;
                row.values = valuesOf(p);
            } else if constexpr (std::is_same_v<Kind, RgbPaint>) {
                row.kind = RowKind::Rgb;
                row.values = valuesOf(p);
            } else if constexpr (std::is_same_v<Kind, CustomPaint>) {
                row.kind = RowKind::Custom;
                row.tint = p.tint;
                if (const CustomColor *color = document.customColor(p.color)) {
                    row.name = color->name;
                    row.customKind = color->kind;
                    row.values = std::visit([](const auto &full) { return valuesOf(full); }, color->color);
                }
            } else if constexpr (std::is_same_v<Kind, PatternPaint>) {
                row.kind = RowKind::Pattern;
                if (const Pattern *pattern = document.pattern(p.pattern)) row.name = pattern->name;
            } else if constexpr (std::is_same_v<Kind, GradientPaint>) {
                row.kind = RowKind::Gradient;
                if (const Gradient *gradient = document.gradient(p.gradient)) {
                    row.name = gradient->name;
                    row.gradientKind = gradient->kind;
                    // In order of position, as pictures take them.
                    std::vector<GradientStop> stops = gradient->stops;
                    std::stable_sort(stops.begin(), stops.end(),
                                     [](const auto &x, const auto &y) { return x.position < y.position; });
                    for (const GradientStop &stop : stops)
                        row.stops.push_back(
                            {stop.position, stop.midpoint, displayColour(document, stop.color)});
                }
            } else {
                row.kind = RowKind::None;
            }
        },
        paint);
    row.display = displayColour(document, paint);
}

} // namespace

std::vector<RowFacts> rowFacts(const Document &document, const std::vector<ChartRow> &rows,
                               const PaintUsageRules &rules) {
    std::vector<Paint> paints;
    for (const ChartRow &row : rows)
        paints.push_back(row.paint);
    const std::vector<PaintUses> uses = paintUses(document, paints, rules);
    std::vector<RowFacts> facts(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        RowFacts &row = facts[i];
        row.number = i + 1;
        row.label = rows[i].label;
        describe(document, rows[i].paint, row);
        row.overprint = rows[i].overprint;
        row.uses = uses[i];
    }
    return facts;
}

} // namespace vyn::app
