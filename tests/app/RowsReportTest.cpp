// The chart's rows as JSON, on the document whose chart was made by hand.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "RowsReport.h"
#include "app/ChartByHand.h"

namespace vyn::app {
namespace {

using namespace vyn::host;

std::string report(const Document &document, const PaintUsageRules &rules) {
    std::ostringstream out;
    printRowsJson(rowFacts(document, chartRows(document), rules), "drawing.json", out);
    return out.str();
}

// The shape docs/vyncolors.md shows.
TEST(RowsReport, JsonHoldsEachRowsKindValuesDisplayColourUsesAndOverprint) {
    const Document document = chartByHand();
    EXPECT_EQ(nlohmann::json::parse(report(document, {.selectionOnly = false, .tints = false})),
              nlohmann::json::parse(R"({"format": "vyncolors-rows", "version": 1, "document": "drawing.json",
      "rows": [
      {"label": "C=2 M=66 Y=96 K=0", "kind": "process", "cmyk": [0.02, 0.66, 0.96, 0], "display": "#fa570a",
       "uses": {"total": 3, "fill": 3, "stroke": 0}, "overprint": false},
      {"label": "Spot color Brand red 82 %", "kind": "custom", "name": "Brand red", "customKind": "spot",
       "tint": 0.18, "color": {"cmyk": [0, 0.9, 0.85, 0]}, "display": "#ff434d",
       "uses": {"total": 2, "fill": 2, "stroke": 0}, "overprint": false},
      {"label": "Gradient Radial Sunset", "kind": "gradient", "name": "Sunset", "gradientType": "radial",
       "stops": [{"position": 0, "midpoint": 0.5, "display": "#000000"},
                 {"position": 1, "midpoint": 0.5, "display": "#ffffff"}],
       "display": null, "uses": {"total": 1, "fill": 1, "stroke": 0}, "overprint": false},
      {"label": "Pattern Dots", "kind": "pattern", "name": "Dots", "display": null,
       "uses": {"total": 1, "fill": 0, "stroke": 1}, "overprint": false},
      {"label": "R=234 G=112 B=23", "kind": "rgb", "rgb": [0.9176471, 0.4392157, 0.0901961], "display": "#ea7017",
       "uses": {"total": 1, "fill": 0, "stroke": 1}, "overprint": false},
      {"label": "Empty ", "kind": "none", "display": null, "uses": {"total": 1, "fill": 1, "stroke": 0},
       "overprint": false},
      {"label": "", "kind": "gray", "gray": "NaN", "display": "#000000", "uses": {"total": 0, "fill": 0, "stroke": 0},
       "overprint": false}
    ]})"));
    std::ostringstream none;
    printRowsJson({}, "empty.json", none);
    EXPECT_EQ(nlohmann::json::parse(none.str()),
              nlohmann::json::parse(
                  R"({"format": "vyncolors-rows", "version": 1, "document": "empty.json", "rows": []})"));
}

// An overprinting fill is a row of its own, and says so; the others do not.
TEST(RowsReport, AnOverprintingRowSaysSo) {
    Document document = chartByHand();
    const std::vector<ChartRow> before = chartRows(document);
    document.art(before.at(0).box)->path()->style.fill.overprint = true;
    const nlohmann::json rows = nlohmann::json::parse(report(document, {})).at("rows");
    EXPECT_EQ(rows.at(0).at("overprint"), true);
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_EQ(rows.at(i).at("overprint"), false) << i;
}

// A custom colour or a gradient the document does not hold keeps its kind,
// with no name, no colour and no stops.
TEST(RowsReport, ASwatchTheDocumentLacksShowsNoColour) {
    Document document = chartByHand();
    const std::vector<ChartRow> rows = chartRows(document);
    document.art(rows.at(1).box)->path()->style.fill.paint = CustomPaint{CustomColorId{999999}, 0};
    GradientPaint lost;
    lost.gradient = GradientId{999998};
    document.art(rows.at(2).box)->path()->style.fill.paint = lost;
    const nlohmann::json json = nlohmann::json::parse(report(document, {})).at("rows");
    EXPECT_EQ(json.at(1), nlohmann::json::parse(R"({"label": "Spot color Brand red 82 %", "kind": "custom",
      "name": "", "customKind": "process", "tint": 0, "display": null, "uses": {"total": 0, "fill": 0, "stroke": 0},
      "overprint": false})"));
    EXPECT_EQ(json.at(2).at("stops"), nlohmann::json::array());
    EXPECT_EQ(json.at(2).at("name"), "");
}

} // namespace
} // namespace vyn::app
