#include "RowsReport.h"

#include <cmath>
#include <cstdlib>
#include <ostream>
#include <stdexcept>
#include <string>
#include <unordered_map>

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

// What rowJson wrote, read back.
float numberOf(const Json &value) {
    if (value.is_string()) return std::strtof(value.get<std::string>().c_str(), nullptr); // NaN, Infinity
    return value.get<float>();
}

std::vector<float> numbersOf(const Json &values) {
    std::vector<float> all;
    for (const Json &v : values)
        all.push_back(numberOf(v));
    return all;
}

std::optional<host::DisplayRgb> displayOf(const Json &value) {
    if (value.is_null()) return std::nullopt;
    const std::string hex = value.get<std::string>();
    if (hex.size() != 7 || hex[0] != '#') throw std::runtime_error("a display colour is not #rrggbb");
    auto channel = [&](int at) { return std::stoi(hex.substr(static_cast<std::size_t>(at), 2), nullptr, 16) / 255.0; };
    return host::DisplayRgb{channel(1), channel(3), channel(5)};
}

template <class Enum, std::size_t N>
Enum named(const Json &value, const char *(*nameOf)(Enum), const Enum (&all)[N]) {
    const std::string name = value.get<std::string>();
    for (Enum e : all)
        if (name == nameOf(e)) return e;
    throw std::runtime_error("an unknown word: " + name);
}

RowFacts rowFactsOf(const Json &row) {
    using host::CustomColorKind;
    using host::GradientKind;
    RowFacts facts;
    facts.label = row.at("label").get<std::string>();
    facts.kind = named(row.at("kind"), kindName,
                       {RowKind::Gray, RowKind::Process, RowKind::Rgb, RowKind::Custom, RowKind::Pattern,
                        RowKind::Gradient, RowKind::None});
    auto values = [&](ColourValues::Model model, const Json &components) {
        facts.values = ColourValues{model, numbersOf(components)};
    };
    switch (facts.kind) {
    case RowKind::Gray: values(ColourValues::Model::Gray, Json::array({row.at("gray")})); break;
    case RowKind::Process: values(ColourValues::Model::Cmyk, row.at("cmyk")); break;
    case RowKind::Rgb: values(ColourValues::Model::Rgb, row.at("rgb")); break;
    case RowKind::Custom:
        facts.name = row.at("name").get<std::string>();
        facts.customKind = named(row.at("customKind"), customKindName,
                                 {CustomColorKind::Process, CustomColorKind::Spot, CustomColorKind::Registration});
        facts.tint = numberOf(row.at("tint"));
        if (const auto color = row.find("color"); color != row.end())
            for (auto model : {ColourValues::Model::Gray, ColourValues::Model::Cmyk, ColourValues::Model::Rgb})
                if (color->contains(modelMember(model))) values(model, color->at(modelMember(model)));
        break;
    case RowKind::Pattern: facts.name = row.at("name").get<std::string>(); break;
    case RowKind::Gradient:
        facts.name = row.at("name").get<std::string>();
        facts.gradientKind =
            named(row.at("gradientType"), gradientKindName, {GradientKind::Linear, GradientKind::Radial});
        for (const Json &stop : row.at("stops"))
            facts.stops.push_back(
                {numberOf(stop.at("position")), numberOf(stop.at("midpoint")), displayOf(stop.at("display"))});
        break;
    case RowKind::None: break;
    }
    facts.display = displayOf(row.at("display"));
    const Json &uses = row.at("uses");
    facts.uses = {uses.at("fill").get<std::size_t>(), uses.at("stroke").get<std::size_t>(),
                  uses.at("total").get<std::size_t>()};
    facts.overprint = row.at("overprint").get<bool>();
    return facts;
}

} // namespace

std::vector<RowFacts> mergedRows(const std::vector<std::string> &reports) {
    std::vector<RowFacts> merged;
    std::unordered_map<std::string, std::size_t> seen; // a row without its uses, to its place
    try {
        for (const std::string &report : reports) {
            const Json document = Json::parse(report);
            for (Json row : document.at("rows")) {
                RowFacts facts = rowFactsOf(row);
                row.erase("uses");
                const auto [at, added] = seen.try_emplace(row.dump(), merged.size());
                if (added) {
                    facts.number = merged.size() + 1;
                    merged.push_back(std::move(facts));
                } else {
                    PaintUses &uses = merged[at->second].uses;
                    uses.fill += facts.uses.fill;
                    uses.stroke += facts.uses.stroke;
                    uses.total += facts.uses.total;
                }
            }
        }
    } catch (const Json::exception &e) {
        throw std::runtime_error(std::string("the rows of a document cannot be read back: ") + e.what());
    }
    return merged;
}

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
