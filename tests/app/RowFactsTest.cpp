// Each row's facts, and the paint-usage count they take their uses from.
#include <gtest/gtest.h>

#include <limits>

#include "app/ChartByHand.h"
#include "chart/RowFacts.h"

namespace vyn::app {
namespace {

using namespace vyn::host;

// Every pairing of fill and stroke from a pool of paints that are, and are
// not, the same paint: the hashed count agrees with samePaint, pair by pair.
TEST(PaintUses, CountsFillAndStrokeApartAsSamePaintCompares) {
    Document document = Document::emptyA4();
    const Layer &layer = document.insertLayer(0, "Art");
    const ArtId group = layer.group;
    const CustomColorId red = document.addCustomColor({"Red", CustomColorKind::Spot, ProcessPaint{}});
    const CustomColorId alsoRed = document.addCustomColor({"Red", CustomColorKind::Process, RgbPaint{}});
    const CustomColorId blue = document.addCustomColor({"Blue", CustomColorKind::Spot, ProcessPaint{}});
    PatternPaint dots, scaledDots;
    dots.pattern = scaledDots.pattern = document.addPattern({"Dots"});
    scaledDots.scale = {2, 2};
    GradientPaint fade;
    fade.gradient = document.addGradient({"Fade", GradientKind::Linear, {}});
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<Paint> pool = {
        GrayPaint{0.5f},
        GrayPaint{-0.0f},
        GrayPaint{0.0f},
        GrayPaint{nan},
        ProcessPaint{0, 0, 0, 0.5f},
        ProcessPaint{0, 0, 0, 0.50000006f},
        RgbPaint{0.1f, 0.2f, 0.3f},
        RgbPaint{nan, 0.2f, 0.3f},
        CustomPaint{red, 0.2f},
        CustomPaint{alsoRed, 0.2f},
        CustomPaint{red, 0.5f},
        CustomPaint{blue, 0.2f},
        CustomPaint{red, nan},
        dots,
        scaledDots,
        fade,
        NoPaint{},
    };
    for (const Paint &fill : pool)
        for (const Paint &stroke : pool) {
            PathShape path;
            path.style.fillPainted = path.style.strokePainted = true;
            path.style.fill.paint = fill;
            path.style.stroke.paint = stroke;
            document.addArt(group, path);
        }
    PathShape unpainted; // paints kept, neither shown
    unpainted.style.fill.paint = unpainted.style.stroke.paint = GrayPaint{0.5f};
    document.addArt(group, unpainted);
    for (bool tints : {true, false}) {
        const std::vector<PaintUses> uses =
            paintUses(document, pool, {.selectionOnly = false, .tints = tints});
        for (std::size_t i = 0; i < pool.size(); ++i) {
            PaintUses expected;
            for (const Paint &fill : pool)
                for (const Paint &stroke : pool) {
                    const bool byFill = samePaint(document, fill, pool[i], tints);
                    const bool byStroke = samePaint(document, stroke, pool[i], tints);
                    expected.fill += byFill;
                    expected.stroke += byStroke;
                    expected.total += byFill || byStroke;
                }
            EXPECT_EQ(uses[i], expected) << "paint " << i << ", tints " << tints;
        }
    }
}

TEST(RowFacts, NumbersTheRowsAndTellsEachKind) {
    const Document document = chartByHand();
    const std::vector<RowFacts> facts = rowFacts(document, chartRows(document), {});
    ASSERT_EQ(facts.size(), 7u);
    EXPECT_EQ(facts[0].number, 1u);
    EXPECT_EQ(facts[6].number, 7u);
    EXPECT_EQ(facts[1].kind, RowKind::Custom);
    EXPECT_EQ(facts[1].name, "Brand red");
    ASSERT_TRUE(facts[1].values);
    EXPECT_EQ(facts[1].values->model, ColourValues::Model::Cmyk);
    EXPECT_EQ(facts[1].values->components, (std::vector<float>{0, 0.9f, 0.85f, 0}));
    EXPECT_EQ(facts[2].kind, RowKind::Gradient);
    EXPECT_EQ(facts[2].gradientKind, GradientKind::Radial);
    EXPECT_EQ(facts[2].stops.size(), 2u);
    EXPECT_FALSE(facts[2].display);
    EXPECT_EQ(facts[5].kind, RowKind::None);
    EXPECT_FALSE(facts[5].values);
}

TEST(RowFacts, FloatTextIsTheShortestDecimalThatReadsBack) {
    EXPECT_EQ(floatText(0.18f), "0.18");
    EXPECT_EQ(floatText(0.9176471f), "0.9176471");
    EXPECT_EQ(floatText(0), "0");
    EXPECT_EQ(floatText(std::numeric_limits<float>::quiet_NaN()), "NaN");
    EXPECT_EQ(floatText(-std::numeric_limits<float>::infinity()), "-Infinity");
}

} // namespace
} // namespace vyn::app
