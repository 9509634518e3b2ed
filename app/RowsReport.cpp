#include "RowsReport.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <ostream>

#include <nlohmann/json.hpp>

namespace vyn::app {
namespace {

using Json = nlohmann::ordered_json;
using namespace vyn::host;

// The shortest decimal that reads back as the float; JSON has no number for
// NaN and the infinities, which are written as strings, as in documents.
Json number(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    char digits[64];
    *std::to_chars(digits, digits + sizeof digits - 1, value).ptr = '\0';
    return std::strtod(digits, nullptr);
}

template <class... Floats> Json numbers(Floats... values) { return Json::array({number(values)...}); }

const char *customKindName(CustomColorKind kind) {
    switch (kind) {
    case CustomColorKind::Process: return "process";
    case CustomColorKind::Spot: return "spot";
    case CustomColorKind::Registration: return "registration";
    }
    return "process";
}

// The kind and values of a paint; a swatch the document lacks has no name.
void describe(const Document &document, const Paint &paint, Json &row) {
    std::visit(
        [&](const auto &p) {
            using Kind = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<Kind, GrayPaint>) {
                row["kind"] = "gray";
                row["gray"] = number(p.gray);
            } else if constexpr (std::is_same_v<Kind, ProcessPaint>) {
                row["kind"] = "process";
                row["cmyk"] = numbers(p.cyan, p.magenta, p.yellow, p.black);
            } else if constexpr (std::is_same_v<Kind, RgbPaint>) {
                row["kind"] = "rgb";
                row["rgb"] = numbers(p.red, p.green, p.blue);
            } else if constexpr (std::is_same_v<Kind, CustomPaint>) {
                const CustomColor *color = document.customColor(p.color);
                row["kind"] = "custom";
                row["name"] = color ? color->name : "";
                row["customKind"] = customKindName(color ? color->kind : CustomColorKind::Process);
                row["tint"] = number(p.tint);
            } else if constexpr (std::is_same_v<Kind, PatternPaint>) {
                const Pattern *pattern = document.pattern(p.pattern);
                row["kind"] = "pattern";
                row["name"] = pattern ? pattern->name : "";
            } else if constexpr (std::is_same_v<Kind, GradientPaint>) {
                const Gradient *gradient = document.gradient(p.gradient);
                row["kind"] = "gradient";
                row["name"] = gradient ? gradient->name : "";
                row["gradientType"] =
                    gradient && gradient->kind == GradientKind::Radial ? "radial" : "linear";
            } else {
                row["kind"] = "none";
            }
        },
        paint);
}

} // namespace

void printRowLabels(const std::vector<ChartRow> &rows, std::ostream &out) {
    for (const ChartRow &row : rows)
        out << row.label << "\n";
}

void printRowsJson(const Document &document, const std::vector<ChartRow> &rows, const PaintUsageRules &rules,
                   std::ostream &out) {
    std::vector<Paint> paints;
    for (const ChartRow &row : rows)
        paints.push_back(row.paint);
    const std::vector<std::size_t> uses = paintUsage(document, paints, rules);
    Json all = Json::array();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Json row = Json::object();
        row["label"] = rows[i].label;
        describe(document, rows[i].paint, row);
        if (rows[i].overprint) row["overprint"] = true;
        row["uses"] = uses[i];
        all.push_back(std::move(row));
    }
    // Text that is not valid UTF-8 is written with U+FFFD in its place.
    out << all.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

} // namespace vyn::app
