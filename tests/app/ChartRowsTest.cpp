// The chart a document holds, read back as rows, and how many art objects
// use each row's paint; on a document whose chart was made by hand.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "chart/ChartRows.h"
#include "chart/PaintUsage.h"
#include "app/ChartByHand.h"

namespace vyn::app {
namespace {

using namespace vyn::host;

std::vector<std::string> labels(const std::vector<ChartRow> &rows) {
    std::vector<std::string> out;
    for (const ChartRow &row : rows)
        out.push_back(row.label);
    return out;
}

// The fixture's chart layer holds an earlier chart's group below the chart,
// an untagged path inside the chart and a tagged path above both groups; a
// second layer of the same title comes later. The chart's last box has no
// label, as after a build stopped between the two.
TEST(ChartRows, AreTheTopmostGroupsBoxesWithTheLabelsMadeAfterThem) {
    const Document document = chartByHand();
    const std::vector<ChartRow> rows = chartRows(document);
    EXPECT_EQ(labels(rows), (std::vector<std::string>{"C=2 M=66 Y=96 K=0", "Spot color Brand red 82 %",
                                                      "Gradient Radial Sunset", "Pattern Dots",
                                                      "R=234 G=112 B=23", "Empty ", ""}));
    ASSERT_EQ(rows.size(), 7u);
    const Art &group = *document.art(chartGroup(document));
    const std::vector<ArtId> made = group.group()->children.inOrder();
    EXPECT_EQ(rows[0].box, made[0]);
    EXPECT_EQ(rows[0].labelFrame, made[1]);
    EXPECT_EQ(rows[2].box, made[5]) << "the untagged path between rows is no row";
    EXPECT_EQ(rows[6].box, made.back());
    EXPECT_FALSE(rows[6].labelFrame);
    EXPECT_EQ(rows[0].paint, Paint(ProcessPaint{0.02f, 0.66f, 0.96f, 0}));
    EXPECT_TRUE(std::holds_alternative<NoPaint>(rows[5].paint));
}

TEST(ChartRows, NeedAGroupInTheChartLayer) {
    auto tagged = [](Art &art) { art.tags[kChartTag] = {"string", "jj"}; };
    auto box = [](float gray) {
        PathShape path;
        path.style.fillPainted = true;
        path.style.fill.paint = GrayPaint{gray};
        return path;
    };
    auto label = [](const char16_t *text) {
        TextFrame frame;
        frame.story.runs.push_back({text, {}});
        return frame;
    };
    struct Case {
        const char *what;
        std::function<void(Document &)> make;
        std::vector<std::string> labels;
    } cases[] = {
        {"no chart layer", [](Document &d) { d.insertLayer(0, "Colors"); }, {}},
        {"a chart layer without group",
         [&](Document &d) { tagged(d.addArt(d.insertLayer(0, kChartLayerTitle).group, box(0))); },
         {}},
        {"a label before any box, two boxes in a row, a second label",
         [&](Document &d) {
             const ArtId group = d.addArt(d.insertLayer(0, kChartLayerTitle).group, Group{}).id;
             for (auto content : std::vector<std::variant<Group, PathShape, TextFrame>>{
                      label(u"stray"), box(0), box(0.5), label(u"Gray=50 %"), label(u"again")})
                 tagged(d.addArt(group, content));
         },
         {"", "Gray=50 %"}},
    };
    for (const Case &c : cases) {
        Document document = Document::emptyA4();
        c.make(document);
        EXPECT_EQ(labels(chartRows(document)), c.labels) << c.what;
    }
}

TEST(PaintUsage, CountsTheArtTheBuildExaminesOnce) {
    const Document document = chartByHand();
    std::vector<Paint> paints;
    for (const ChartRow &row : chartRows(document))
        paints.push_back(row.paint);
    struct Case {
        PaintUsageRules rules;
        std::vector<std::size_t> uses;
    } cases[] = {
        // Hidden art counts; locked art, art in a locked group or layer,
        // unpainted strokes and the chart's tagged art do not; a NaN equals
        // nothing; the text frame's custom colour is another tint.
        {{.selectionOnly = false, .tints = true}, {3, 1, 1, 1, 1, 1, 0}},
        {{.selectionOnly = false, .tints = false}, {3, 2, 1, 1, 1, 1, 0}},
        // Selected art only, locked or not.
        {{.selectionOnly = true, .tints = true}, {1, 1, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(paintUsage(document, paints, c.rules), c.uses)
            << "selection " << c.rules.selectionOnly << ", tints " << c.rules.tints;
}

TEST(PaintUsage, ComparesPaintsAsTheChartDoes) {
    Document document = Document::emptyA4();
    const CustomColorId red = document.addCustomColor({"Red", CustomColorKind::Spot, ProcessPaint{}});
    const CustomColorId sameName = document.addCustomColor({"Red", CustomColorKind::Process, RgbPaint{}});
    const CustomColorId blue = document.addCustomColor({"Blue", CustomColorKind::Spot, ProcessPaint{}});
    const PatternId dots = document.addPattern({"Dots"});
    const PatternId stripes = document.addPattern({"Stripes"});
    const GradientId fade = document.addGradient({"Fade", GradientKind::Linear, {}});
    const float nan = std::numeric_limits<float>::quiet_NaN();
    PatternPaint dotted, scaled, striped;
    dotted.pattern = scaled.pattern = dots;
    striped.pattern = stripes;
    scaled.scale = {2, 2};
    GradientPaint faded, turned;
    faded.gradient = turned.gradient = fade;
    turned.angle = 30;
    turned.origin = {5, 5};
    struct Case {
        const char *what;
        Paint a, b;
        bool tints, same;
    } cases[] = {
        {"gray and process black differ by kind", GrayPaint{0.5f}, ProcessPaint{0, 0, 0, 0.5f}, true, false},
        {"equal components", RgbPaint{0.1f, 0.2f, 0.3f}, RgbPaint{0.1f, 0.2f, 0.3f}, true, true},
        {"one component apart", ProcessPaint{0, 0, 0, 0.5f}, ProcessPaint{0, 0, 0, 0.50000006f}, true, false},
        {"a NaN equals nothing", GrayPaint{nan}, GrayPaint{nan}, true, false},
        {"-0 equals 0", GrayPaint{-0.0f}, GrayPaint{0.0f}, true, true},
        {"a pattern placed otherwise", dotted, scaled, true, true},
        {"two patterns", dotted, striped, true, false},
        {"a gradient placed otherwise", faded, turned, true, true},
        {"custom colours by name", CustomPaint{red, 0.2f}, CustomPaint{sameName, 0.2f}, true, true},
        {"two names", CustomPaint{red}, CustomPaint{blue}, false, false},
        {"two tints with Tints", CustomPaint{red, 0.2f}, CustomPaint{red, 0.5f}, true, false},
        {"two tints without Tints", CustomPaint{red, 0.2f}, CustomPaint{red, 0.5f}, false, true},
        {"none and none", NoPaint{}, NoPaint{}, true, true},
        {"none and white", NoPaint{}, GrayPaint{1}, true, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(samePaint(document, c.a, c.b, c.tints), c.same) << c.what;
        EXPECT_EQ(samePaint(document, c.b, c.a, c.tints), c.same) << c.what << ", the other way round";
    }
}

} // namespace
} // namespace vyn::app
