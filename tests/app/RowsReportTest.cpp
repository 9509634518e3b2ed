// The chart's rows as JSON, on the document whose chart was made by hand.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "RowsReport.h"
#include "app/ChartByHand.h"

namespace vyn::app {
namespace {

using namespace vyn::host;

// The shape docs/vyncolors.md shows.
TEST(RowsReport, JsonHoldsEachRowsKindValuesLabelAndUses) {
    const Document document = chartByHand();
    std::ostringstream out;
    printRowsJson(document, chartRows(document), {.selectionOnly = false, .tints = false}, out);
    EXPECT_EQ(nlohmann::json::parse(out.str()), nlohmann::json::parse(R"([
      {"label": "C=2 M=66 Y=96 K=0", "kind": "process", "cmyk": [0.02, 0.66, 0.96, 0], "uses": 3},
      {"label": "Spot color Brand red 82 %", "kind": "custom", "name": "Brand red", "customKind": "spot",
       "tint": 0.18, "uses": 2},
      {"label": "Gradient Radial Sunset", "kind": "gradient", "name": "Sunset", "gradientType": "radial",
       "uses": 1},
      {"label": "Pattern Dots", "kind": "pattern", "name": "Dots", "uses": 1},
      {"label": "R=234 G=112 B=23", "kind": "rgb", "rgb": [0.9176471, 0.4392157, 0.0901961], "uses": 1},
      {"label": "Empty ", "kind": "none", "uses": 1},
      {"label": "", "kind": "gray", "gray": "NaN", "uses": 0}
    ])"));
    std::ostringstream none;
    printRowsJson(document, {}, {}, none);
    EXPECT_EQ(none.str(), "[]\n");
}

// An overprinting fill is a row of its own, and says so; the others do not.
TEST(RowsReport, AnOverprintingRowSaysSo) {
    Document document = chartByHand();
    const std::vector<ChartRow> before = chartRows(document);
    document.art(before.at(0).box)->path()->style.fill.overprint = true;
    std::ostringstream out;
    printRowsJson(document, chartRows(document), {}, out);
    const nlohmann::json rows = nlohmann::json::parse(out.str());
    EXPECT_EQ(rows.at(0).value("overprint", false), true);
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_FALSE(rows.at(i).contains("overprint")) << i;
}

} // namespace
} // namespace vyn::app
