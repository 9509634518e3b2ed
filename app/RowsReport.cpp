#include "RowsReport.h"

#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

namespace vyn::app {
namespace {

using Json = nlohmann::ordered_json;

// The shortest decimal that reads back as the float; JSON has no number for
// NaN and the infinities, which are written as strings, as in documents.
Json number(float value) {
    if (!std::isfinite(value)) return floatText(value);
    return std::strtod(floatText(value).c_str(), nullptr);
}

Json numbers(const std::vector<float> &values) {
    Json all = Json::array();
    for (float v : values)
        all.push_back(number(v));
    return all;
}

const char *modelMember(ColourValues::Model model) {
    switch (model) {
    case ColourValues::Model::Gray: return "gray";
    case ColourValues::Model::Cmyk: return "cmyk";
    case ColourValues::Model::Rgb: return "rgb";
    }
    return "gray";
}

Json display(const std::optional<host::DisplayRgb> &colour) {
    return colour ? Json(host::cssColour(*colour)) : Json(nullptr);
}

Json rowJson(const RowFacts &facts) {
    Json row = Json::object();
    row["label"] = facts.label;
    row["kind"] = kindName(facts.kind);
    switch (facts.kind) {
    case RowKind::Gray: row["gray"] = number(facts.values->components.at(0)); break;
    case RowKind::Process: row["cmyk"] = numbers(facts.values->components); break;
    case RowKind::Rgb: row["rgb"] = numbers(facts.values->components); break;
    case RowKind::Custom:
        row["name"] = facts.name;
        row["customKind"] = customKindName(facts.customKind);
        row["tint"] = number(facts.tint);
        if (facts.values)
            row["color"] =
                Json::object({{modelMember(facts.values->model), numbers(facts.values->components)}});
        break;
    case RowKind::Pattern: row["name"] = facts.name; break;
    case RowKind::Gradient: {
        row["name"] = facts.name;
        row["gradientType"] = gradientKindName(facts.gradientKind);
        Json stops = Json::array();
        for (const StopFacts &stop : facts.stops)
            stops.push_back(Json::object({{"position", number(stop.position)},
                                          {"midpoint", number(stop.midpoint)},
                                          {"display", display(stop.display)}}));
        row["stops"] = std::move(stops);
        break;
    }
    case RowKind::None: break;
    }
    row["display"] = display(facts.display);
    row["uses"] =
        Json::object({{"total", facts.uses.total}, {"fill", facts.uses.fill}, {"stroke", facts.uses.stroke}});
    row["overprint"] = facts.overprint;
    return row;
}

} // namespace

void printRowLabels(const std::vector<ChartRow> &rows, std::ostream &out) {
    for (const ChartRow &row : rows)
        out << row.label << "\n";
}

void printRowsJson(const std::vector<RowFacts> &rows, std::string_view document, std::ostream &out) {
    Json all = Json::object();
    all["format"] = "vyncolors-rows";
    all["version"] = 1;
    all["document"] = std::string(document);
    all["rows"] = Json::array();
    for (const RowFacts &row : rows)
        all["rows"].push_back(rowJson(row));
    // Text that is not valid UTF-8 is written with U+FFFD in its place.
    out << all.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

} // namespace vyn::app
