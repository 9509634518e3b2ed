// The chart build through the real loaded module: which paints get rows and
// in what order, their labels, the alerts, the chart layer and group, and
// what a build leaves behind when it stops early.
#include <cmath>

#include "ChartFixture.h"

namespace vyn::test {
namespace {

std::string fill(const std::string &paint) {
    return R"({"fill": {"paint": )" + paint + R"(}, "stroke": {"painted": false}})";
}
std::string stroke(const std::string &paint, const std::string &unpaintedFill = R"({"gray": 1})") {
    return R"({"fill": {"painted": false, "paint": )" + unpaintedFill + R"(}, "stroke": {"paint": )" + paint +
           "}}";
}
std::string both(const std::string &f, const std::string &s) {
    return R"({"fill": {"paint": )" + f + R"(}, "stroke": {"paint": )" + s + "}}";
}

const std::string X = R"({"cmyk": [0.1, 0, 0, 0]})";
const std::string Y = R"({"cmyk": [0.2, 0, 0, 0]})";
const std::string Z = R"({"cmyk": [0.3, 0, 0, 0]})";
const std::string kX = "C=10 M=0 Y=0 K=0", kY = "C=20 M=0 Y=0 K=0", kZ = "C=30 M=0 Y=0 K=0";

struct RowsCase {
    const char *name;
    std::vector<std::string> art;
    std::vector<std::string> labels;
    bool tints = true;
};

std::vector<std::string> rowsOf(const RowsCase &c) {
    std::string art;
    for (const auto &a : c.art)
        art += (art.empty() ? "" : ",") + a;
    ChartFixture f(documentJson(art));
    f.seekEverything();
    f.setBoolean("CaseTeintes", c.tints);
    f.build();
    EXPECT_TRUE(f.alerts().empty()) << c.name;
    return f.labels();
}

TEST(ChartRows, OrderAndDuplicates) {
    const std::vector<RowsCase> cases = {
        {"one fill, then the stroke", {pathJson(both(X, Y)), pathJson(both(X, Y))}, {kX, kY}},
        {"fills before strokes", {pathJson(both(X, Y)), pathJson(fill(Z))}, {kX, kZ, kY}},
        {"a fill and stroke of one paint is one row", {pathJson(both(X, X))}, {kX}},
        {"a stroke equal to an earlier fill", {pathJson(fill(X)), pathJson(stroke(X))}, {kX}},
        {"a stroke-only first art: its stroke is row 0, once",
         {pathJson(stroke(X)), pathJson(stroke(X))},
         {kX}},
        {"art before the first painted one is skipped",
         {pathJson(R"({"fill": {"painted": false}, "stroke": {"painted": false}})"), pathJson(fill(X))},
         {kX}},
        {"overprint makes another fill",
         {pathJson(fill(X)),
          pathJson(R"({"fill": {"paint": )" + X + R"(, "overprint": true}, "stroke": {"painted": false}})")},
         {kX, kX}},
        // How a shape is filled is not what it is filled with: one row.
        {"even-odd, clip, lock-clip and resolution make no other fill",
         {pathJson(fill(X)),
          pathJson(R"({"fill": {"paint": )" + X + R"(}, "stroke": {"painted": false}, "evenOdd": true})"),
          pathJson(R"({"fill": {"paint": )" + X + R"(}, "stroke": {"painted": false}, "clip": true})"),
          pathJson(R"({"fill": {"paint": )" + X + R"(}, "stroke": {"painted": false}, "lockClip": true})"),
          pathJson(R"({"fill": {"paint": )" + X + R"(}, "stroke": {"painted": false}, "resolution": 300})"),
          pathJson(R"({"fill": {"paint": )" + X + R"(}, "stroke": {"painted": false}, "resolution": "NaN"})")},
         {kX}},
        {"a stroke ignores the fill's flags",
         {pathJson(R"({"fill": {"paint": )" + X + R"(, "overprint": true}, "stroke": {"painted": false}})"),
          pathJson(stroke(X))},
         {kX}},
        {"gray is not four-colour black",
         {pathJson(fill(R"({"gray": 0.5})")), pathJson(fill(R"({"cmyk": [0, 0, 0, 0.5]})"))},
         {"Gray=50 %", "C=0 M=0 Y=0 K=50"}},
        {"one gradient at two angles",
         {pathJson(fill(R"({"gradient": "Fade", "angle": 0})")),
          pathJson(fill(R"({"gradient": "Fade", "angle": 90})"))},
         {"Gradient Linear Fade"}},
        {"one pattern at two scales",
         {pathJson(fill(R"({"pattern": "Dots", "scale": [1, 1]})")),
          pathJson(fill(R"({"pattern": "Dots", "scale": [2, 2]})"))},
         {"Pattern Dots"}},
        {"two tints listed apart",
         {pathJson(fill(R"({"custom": "Brand red", "tint": 0.2})")),
          pathJson(fill(R"({"custom": "Brand red", "tint": 0.5})"))},
         {"Spot color Brand red 80 %", "Spot color Brand red 50 %"}},
        {"two tints as one colour",
         {pathJson(fill(R"({"custom": "Brand red", "tint": 0.2})")),
          pathJson(fill(R"({"custom": "Brand red", "tint": 0.5})"))},
         {"Spot color Brand red"},
         false},
        {"a NaN equals nothing, not even itself",
         {pathJson(fill(R"({"gray": "NaN"})")), pathJson(fill(R"({"gray": "NaN"})"))},
         {"Gray=? %", "Gray=? %"}},
        {"hidden art is listed, locked art is not",
         {pathJson(fill(X), 100, 700, R"("hidden": true, )"),
          pathJson(fill(Y), 100, 600, R"("locked": true, )")},
         {kX}},
        // An unpainted fill holds a leftover colour; it must never hide a paint.
        {"a stroke-only first art whose unpainted fill equals its stroke", {pathJson(stroke(X, X))}, {kX}},
        {"a later fill equal to a stroke-only art's unpainted fill",
         {pathJson(stroke(X, Y)), pathJson(fill(Y))},
         {kX, kY}},
        {"a stroke of no paint", {pathJson(stroke(R"("none")"))}, {"rien"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rowsOf(c), c.labels) << c.name;
}

TEST(ChartRows, AStrokeRejectedByKindDoesNotHideItsUnpaintedFill) {
    ChartFixture f(documentJson(pathJson(fill(X)) + "," + pathJson(stroke(R"({"pattern": "Dots"})", Y)) +
                                "," + pathJson(stroke(Y))));
    f.seekEverything();
    f.setBoolean("CaseMotifs", false);
    f.build();
    EXPECT_EQ(f.labels(), (std::vector<std::string>{kX, kY}));
}

TEST(ChartRows, KindsNotSoughtMakeNoRowAndKeepRowsContiguous) {
    ChartFixture f(documentJson(pathJson(fill(R"({"pattern": "Dots"})")) + "," +
                                pathJson(fill(R"({"pattern": "Dots"})")) + "," + pathJson(fill(X))));
    f.seekEverything();
    f.setBoolean("CaseMotifs", false);
    f.build();
    auto rows = f.rows();
    ASSERT_EQ(f.labels(), std::vector<std::string>{kX});
    EXPECT_FLOAT_EQ(rows[0].box->path()->segments[0].anchor.v, 788) << "the first row made is row 0";
}

TEST(ChartLabels, EveryKindAsTheLabelSaysIt) {
    struct Case {
        std::string paint;
        std::string label;
    };
    const std::vector<Case> cases = {
        {R"({"gray": 0.5})", "Gray=50 %"},
        {R"({"cmyk": [0.02, 0.66, 0.96, 0]})", "C=2 M=66 Y=96 K=0"},
        {R"({"cmyk": [0.005, 0.135, 0, 1]})", "C=1 M=14 Y=0 K=100"},
        {R"({"rgb": [0.91764706, 0.43921569, 0.09019608]})", "R=234 G=112 B=23"},
        {R"({"rgb": [0.5, 0, 1]})", "R=128 G=0 B=255"},
        {R"({"custom": "Brand red", "tint": 0.18})", "Spot color Brand red 82 %"},
        {R"({"custom": "Brand red", "tint": 0})", "Spot color Brand red 100 %"},
        {R"({"custom": "Brand red", "tint": 1})", "Spot color Brand red 0 %"},
        {R"({"custom": "Brand red", "tint": 0.995})", "Spot color Brand red 0 %"},
        {R"({"custom": "Leaf green"})", "Custom Leaf green 100 %"},
        {R"({"custom": "[Registration]"})", "Registration [Registration] 100 %"},
        {R"({"pattern": "Dots"})", "Pattern Dots"},
        {R"({"pattern": "Café"})", "Pattern Café"},
        {R"({"pattern": "漢字"})", "Pattern ??"},
        {R"({"gradient": "Sunset"})", "Gradient Radial Sunset"},
        {R"({"gradient": "Fade"})", "Gradient Linear Fade"},
        {R"("none")", "Empty "},
    };
    std::string art;
    float y = 780;
    for (const auto &c : cases) {
        art += (art.empty() ? "" : ",") + pathJson(fill(c.paint), 100, y);
        y -= 10;
    }
    ChartFixture f(documentJson(art));
    f.seekEverything();
    f.build();
    std::vector<std::string> expected;
    for (const auto &c : cases)
        expected.push_back(c.label);
    EXPECT_EQ(f.labels(), expected);
}

TEST(ChartLabels, WithoutTintsACustomColourShowsAtFullStrength) {
    ChartFixture f(documentJson(pathJson(fill(R"({"custom": "Brand red", "tint": 0.18})"))));
    f.seekEverything();
    f.setBoolean("CaseTeintes", false);
    f.build();
    auto rows = f.rows();
    ASSERT_EQ(f.labels(), std::vector<std::string>{"Spot color Brand red"});
    const auto &paint = std::get<CustomPaint>(rows[0].box->path()->style.fill.paint);
    EXPECT_EQ(paint.tint, 0.0f);
}

TEST(ChartLabels, ALongNameIsCutToFitTheLabel) {
    const std::string name(120, 'n');
    std::string doc = documentJson(pathJson(fill(R"({"pattern": ")" + name + R"("})")));
    doc.replace(doc.find(R"({"name": "Dots"})"), 16, R"({"name": ")" + name + R"("})");
    ChartFixture f(doc);
    f.seekEverything();
    f.build();
    ASSERT_EQ(f.labels().size(), 1u);
    EXPECT_EQ(f.labels()[0], "Pattern " + std::string(58, 'n') + "…");
}

TEST(ChartGeometry, TheWorkedRow) {
    ChartFixture f(documentJson(pathJson(fill(X)) + "," + pathJson(fill(Y))));
    f.seekEverything();
    f.setReal("LongueurCase", 85.04);
    f.setReal("HauteurCase", 42.52);
    f.setReal("EcartCases", 2);
    f.setReal("PosXCase", 12);
    f.setReal("PosYCase", 12);
    f.build();
    auto rows = f.rows();
    ASSERT_EQ(rows.size(), 2u);
    const auto &box = *rows[0].box->path();
    EXPECT_TRUE(box.closed);
    ASSERT_EQ(box.segments.size(), 4u);
    const float corners[4][2] = {{12, 788}, {97.04f, 788}, {97.04f, 745.48f}, {12, 745.48f}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(box.segments[i].anchor.h, corners[i][0], 1e-4) << i;
        EXPECT_NEAR(box.segments[i].anchor.v, corners[i][1], 1e-4) << i;
        EXPECT_TRUE(box.segments[i].corner);
    }
    EXPECT_NEAR(rows[1].box->path()->segments[0].anchor.v, 743.48, 1e-4);
    const Point anchor = rows[0].text->textFrame()->anchor;
    EXPECT_NEAR(anchor.h, 12 + 85.04 + 2, 1e-4);
    EXPECT_NEAR(anchor.v, 788 - 21.26, 1e-4);
    // The box's outline: one point of gray 1, solid, butt, miter.
    const PathStyle &style = rows[0].box->path()->style;
    EXPECT_TRUE(style.strokePainted);
    EXPECT_EQ(style.stroke.paint, Paint{GrayPaint{1.0f}});
    EXPECT_EQ(style.stroke.width, 1.0f);
    EXPECT_TRUE(rows[0].box->tags.contains("VYNCOL"));
    EXPECT_EQ(rows[0].text->tags.at("VYNCOL").value, "jj");
}

// A stored size the dialog's field could not hold (beyond single precision,
// or below the field's minimum) is not used: the chart is drawn at the
// defaults, never with boxes of infinite or no size.
TEST(ChartGeometry, StoredSizesNoFieldCouldHoldAreTheDefaults) {
    ChartFixture f(documentJson(pathJson(fill(X)) + "," + pathJson(fill(Y))));
    f.seekEverything();
    f.setReal("LongueurCase", 1e308);
    f.setReal("HauteurCase", -5);
    f.setReal("CorpsCase", 0);
    f.setReal("EcartCases", -1);
    f.setReal("PosXCase", -1e300);
    f.setReal("PosYCase", 12);
    f.build();
    auto rows = f.rows();
    ASSERT_EQ(rows.size(), 2u);
    const auto &box = *rows[0].box->path();
    EXPECT_NEAR(box.segments[1].anchor.h - box.segments[0].anchor.h, 85.0394, 1e-3) << "the default length";
    EXPECT_NEAR(box.segments[1].anchor.v - box.segments[2].anchor.v, 42.5197, 1e-3) << "the default height";
    EXPECT_NEAR(box.segments[0].anchor.h, 12, 1e-4) << "the default offset";
    EXPECT_NEAR(box.segments[0].anchor.v - rows[1].box->path()->segments[0].anchor.v, 42.5197 + 2, 1e-3)
        << "the default gap";
    for (const TextRun &run : rows[0].text->textFrame()->story.runs)
        EXPECT_EQ(run.features.size, 12.0f) << "the default text size";
}

TEST(ChartGeometry, FiftyRowsRunDownOneColumnPastTheArtboard) {
    std::string art;
    for (int i = 0; i < 50; ++i)
        art += (art.empty() ? "" : ",") + pathJson(fill(R"({"gray": )" + std::to_string(i / 100.0) + "}"));
    ChartFixture f(documentJson(art));
    f.seekEverything();
    f.setReal("HauteurCase", 42.52);
    f.setReal("EcartCases", 2);
    f.build();
    auto rows = f.rows();
    ASSERT_EQ(rows.size(), 50u);
    const float first = rows[0].box->path()->segments[0].anchor.v;
    const float last = rows[49].box->path()->segments[0].anchor.v;
    EXPECT_NEAR(first - last, 49 * 44.52, 1e-3);
    EXPECT_LT(last, 0) << "below the artboard's bottom";
}

TEST(ChartLabels, TextAttributes) {
    ChartFixture f(documentJson(pathJson(fill(X))));
    f.seekEverything();
    f.setReal("CorpsCase", 12);
    f.host().preferences().put("VynColors", "PoliceCase", std::string("DejaVu Serif"));
    f.build();
    auto rows = f.rows();
    ASSERT_EQ(rows.size(), 1u);
    const TextStory &story = rows[0].text->textFrame()->story;
    ASSERT_EQ(story.runs.size(), 1u);
    const CharFeatures &c = story.runs[0].features;
    EXPECT_EQ(c.size, 12.0f);
    EXPECT_EQ(c.baselineShift, -4.0f);
    EXPECT_EQ(c.tracking, 0);
    EXPECT_EQ(c.font, "DejaVu Serif");
    EXPECT_EQ(c.fill, Paint{(ProcessPaint{1, 1, 1, 1})});
    EXPECT_EQ(story.paragraph.justification, Justification::Left);
    EXPECT_EQ(story.paragraph.startIndent, 0.0f);
    EXPECT_EQ(story.paragraph.firstLineIndent, 0.0f);
    EXPECT_EQ(story.paragraph.leading, Leading::Roman);
}

// Each box shows its gradient's whole ramp, however the art it was found on
// placed it: level from the left edge to the right edge, or from the centre
// out to half the width, with no matrix and no highlight.
TEST(ChartGradients, EachBoxShowsTheWholeRamp) {
    const std::string placed = R"("origin": [300, 300], "angle": 75, "length": 5,
        "matrix": [2, 0.5, -0.5, 2, 30, 40], "highlightAngle": 20, "highlightLength": 3)";
    ChartFixture f(documentJson(pathJson(fill(R"({"gradient": "Fade", )" + placed + "}")) + "," +
                                pathJson(fill(R"({"gradient": "Sunset", )" + placed + "}"))));
    f.seekEverything();
    f.setReal("LongueurCase", 80);
    f.setReal("HauteurCase", 40);
    f.setReal("EcartCases", 2);
    f.setReal("PosXCase", 12);
    f.setReal("PosYCase", 12);
    f.build();
    auto rows = f.rows();
    ASSERT_EQ(rows.size(), 2u);
    const Matrix identity{};
    const auto &linear = std::get<GradientPaint>(rows[0].box->path()->style.fill.paint);
    EXPECT_EQ(linear.origin.h, 12.0f) << "the box's left edge from the artboard's corner";
    EXPECT_EQ(linear.origin.v, -12.0f - 20) << "row 0's middle";
    EXPECT_EQ(linear.length, 80.0f) << "to the right edge";
    EXPECT_EQ(linear.angle, 0.0f);
    EXPECT_EQ(linear.matrix, identity);
    const auto &radial = std::get<GradientPaint>(rows[1].box->path()->style.fill.paint);
    EXPECT_EQ(radial.origin.h, 52.0f);
    EXPECT_EQ(radial.origin.v, -12.0f - 20 - 42) << "row 1's centre, below the corner";
    EXPECT_EQ(radial.length, 40.0f) << "half the box's width";
    EXPECT_EQ(radial.angle, 0.0f);
    EXPECT_EQ(radial.matrix, identity);
    EXPECT_EQ(radial.highlightAngle, 0.0f);
    EXPECT_EQ(radial.highlightLength, 0.0f) << "the highlight at the centre";
}

TEST(ChartText, ATextFramesPaintIsReadWithoutTouchingTheSelection) {
    const std::string text = R"({"type": "text", "anchor": [100, 100], "selected": true,
        "runs": [{"text": "Hi", "font": "DejaVu Sans", "size": 12, "fill": {"custom": "Brand red", "tint": 0.5}}]})";
    ChartFixture f(documentJson(pathJson(fill(X)) + "," + text));
    f.seekEverything();
    f.build();
    EXPECT_EQ(f.labels(), (std::vector<std::string>{kX, "Spot color Brand red 50 %"}));
    for (const auto &layer : f.document().layers())
        for (ArtId id : f.document().art(layer.group)->group()->children)
            EXPECT_EQ(f.document().art(id)->attributes & kFullySelected, 0u);
    EXPECT_EQ(f.document().selection().size(), 1u);
}

TEST(ChartAlerts, NothingToList) {
    struct Case {
        std::string art;
        bool selection;
        std::string alert;
    };
    const std::string unpainted = pathJson(R"({"fill": {"painted": false}, "stroke": {"painted": false}})");
    const std::vector<Case> cases = {
        {pathJson(fill(X)), true, "You must first select paths."},
        {pathJson(fill(X), 100, 700, R"("locked": true, )"), false,
         "The document has no path or only locked paths."},
        {unpainted, false, "The document contains only paths that have neither fill nor stroke."},
        {pathJson(R"({"fill": {"painted": false}, "stroke": {"painted": false}})", 100, 700,
                  R"("selected": true, )"),
         true, "The selection contains only paths that have neither fill nor stroke."},
    };
    for (const auto &c : cases) {
        ChartFixture f(documentJson(c.art));
        f.seekEverything();
        f.setBoolean("CaseSelection", c.selection);
        f.build();
        EXPECT_EQ(f.alerts(), std::vector<std::string>{c.alert});
        EXPECT_TRUE(f.labels().empty());
        EXPECT_EQ(f.chartGroups().size(), 1u) << "an empty chart group is left";
        EXPECT_NE(f.host().preferences().find("VynColors", "LongueurCase"), nullptr)
            << "the settings are saved";
    }
}

TEST(ChartLayer, ALockedChartLayerRefusesTheBuild) {
    ChartFixture f(documentJson(pathJson(fill(X)), R"({"title": "Vyn•Colors", "locked": true, "art": []},)"));
    f.seekEverything();
    f.build();
    EXPECT_EQ(f.alerts(), std::vector<std::string>{"Impossible, the layer is locked!"});
    EXPECT_TRUE(f.chartGroups().empty());
}

TEST(ChartLayer, ASecondBuildReplacesTheFirst) {
    ChartFixture f(documentJson(pathJson(fill(X)) + "," + pathJson(fill(Y))));
    f.seekEverything();
    f.build();
    ASSERT_EQ(f.labels().size(), 2u);
    const std::size_t layers = f.document().layers().size();
    EXPECT_EQ(f.document().layers().front().title, kChartLayerTitle) << "made above all layers";
    const ArtId firstGroup = f.chartGroups().back();
    f.build();
    EXPECT_EQ(f.labels(), (std::vector<std::string>{kX, kY}));
    EXPECT_EQ(f.document().layers().size(), layers);
    EXPECT_EQ(f.chartGroups().size(), 1u) << "the emptied group is gone";
    EXPECT_NE(f.chartGroups().back(), firstGroup);
}

TEST(ChartLayer, ALockedOldBoxSurvivesWithItsGroup) {
    ChartFixture f(documentJson(pathJson(fill(X))));
    f.seekEverything();
    f.build();
    auto rows = f.rows();
    ASSERT_EQ(rows.size(), 1u);
    f.document().setAttributes(*f.document().art(rows[0].box->id), kLocked, kLocked);
    f.build();
    auto groups = f.chartGroups();
    ASSERT_EQ(groups.size(), 2u) << "the old group still holds the locked box";
    EXPECT_TRUE(f.document().art(groups.front())->group()->children.contains(rows[0].box->id));
    EXPECT_EQ(f.labels(), std::vector<std::string>{kX});
}

TEST(ChartLayer, ATaggedPathElsewhereIsDeleted) {
    ChartFixture f(
        documentJson(pathJson(fill(X)) + "," + pathJson(fill(Y), 100, 600, R"("tags": {"VYNCOL": "jj"}, )")));
    f.seekEverything();
    f.build();
    EXPECT_EQ(f.labels(), std::vector<std::string>{kX})
        << "the tagged path went before the paints were sought";
}

// Every allocation of a build in turn fails: the build stops there with one
// beep, the rows made so far stay, nothing is saved, and nothing is left
// allocated once the plug-in has gone.
TEST(ChartFailures, AnAllocationFailureAnywhereBeepsOnceAndSavesNothing) {
    std::string art;
    for (int i = 0; i < 4; ++i)
        art += (art.empty() ? "" : ",") +
               pathJson(both(R"({"gray": )" + std::to_string(i / 10.0) + "}",
                             R"({"custom": "Brand red", "tint": 0.)" + std::to_string(i) + "}"));
    art += "," + pathJson(fill(R"({"custom": "Leaf green"})"));
    bool sawPartialChart = false;
    for (std::size_t allowed = 0;; ++allowed) {
        ChartFixture f(documentJson(art));
        f.seekEverything();
        f.setReal("EcartCases", 3);
        // Armed just before OK: the dialog's own blocks are not counted.
        f.host().dialogs().user().inspect(
            "the build's blocks", [&](const DialogSnapshot &) { f.host().blocks().failAfter(allowed); });
        f.host().dialogs().user().pressOK();
        EXPECT_EQ(f.host().chooseMenuItem({"Vyn•Tools", "Vyn•Colors…"}), kNoErr);
        f.host().blocks().failAfter(std::nullopt);
        const std::size_t rows = f.labels().size();
        const bool failed = f.host().frontend().count(FrontendEvent::Kind::Beep) == 1;
        f.host().shutdown();
        EXPECT_EQ(f.host().blocks().liveBlocks(), 0u) << "after " << allowed << " blocks";
        if (!failed) {
            EXPECT_EQ(rows, 9u) << "a build that did not fail is whole";
            EXPECT_GT(allowed, 0u);
            break;
        }
        EXPECT_TRUE(f.alerts().empty());
        EXPECT_EQ(std::get<double>(*f.host().preferences().find("VynColors", "EcartCases")), 3.0)
            << "nothing was saved over the stored gap, after " << allowed << " blocks";
        sawPartialChart = sawPartialChart || rows > 0;
    }
    EXPECT_TRUE(sawPartialChart) << "some failure came after rows were made";
}

TEST(ChartFailures, AHostFailureEndsTheChartWithAnAlertAndKeepsWhatWasMade) {
    ChartFixture f(documentJson(pathJson(fill(X)) + "," + pathJson(fill(Y)) + "," + pathJson(fill(Z))));
    f.seekEverything();
    f.host().faults().failCall("ATE TextRange Suite", "InsertAfter", 2, kCantHappenErr);
    f.build();
    EXPECT_EQ(f.alerts(),
              std::vector<std::string>{"The chart is incomplete: the host reported the error CANT."});
    EXPECT_EQ(f.rows().size(), 2u) << "the row being made when it failed keeps its box";
    EXPECT_EQ(f.labels()[0], kX);
    EXPECT_NE(f.host().preferences().find("VynColors", "LongueurCase"), nullptr) << "the settings are saved";
    f.host().shutdown();
    EXPECT_EQ(f.host().blocks().liveBlocks(), 0u);
}

} // namespace
} // namespace vyn::test
