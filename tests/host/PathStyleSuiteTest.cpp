// AI Path Style through the table the registry hands out: styles come back
// bit for bit, gradient placements stay where they land on the page whichever
// artboard is active, stale or wrong art is refused, and the current style
// follows the most recent fully-selected mark before the selection.
#include <gtest/gtest.h>

#include <cmath>

#include "AIPathStyle.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "model/Document.h"
#include "suites/ModelRecords.h"
#include "support/StyleBits.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::bitsOf;
using vyn::test::SuiteLease;

class PathStyleSuite : public ::testing::Test {
  protected:
    PathStyleSuite() {
        Document doc = Document::emptyA4();
        doc.artboards.push_back(Artboard{"Offset", Rect{700.25f, 300.5f, 1000, -20}});
        layerGroup = doc.insertLayer(0, "Layer 1").group;
        gradient = doc.addGradient({"Sunset", GradientKind::Radial, {}});
        pattern = doc.addPattern({"Dots"});
        custom =
            doc.addCustomColor({"PANTONE 185 C", CustomColorKind::Spot, ProcessPaint{0, 0.91f, 0.76f, 0}});
        host.documents().open(std::move(doc));
    }
    Document &doc() { return *host.documents().current(); }
    AIArtHandle handleOf(ArtId id) { return host.documentHandles().art.handleOf(id); }
    ArtId addPath(PathStyle style = {}) {
        PathShape path;
        path.style = style;
        return doc().addArt(layerGroup, std::move(path)).id;
    }
    ArtId addText(Paint paint) {
        TextFrame frame;
        frame.story.runs.push_back({u"Vyn", {}});
        frame.story.runs.front().features.fill = paint;
        return doc().addArt(layerGroup, std::move(frame)).id;
    }
    void mark(ArtId id, std::uint32_t bit, bool on) {
        doc().setAttributes(*doc().art(id), bit, on ? bit : 0);
    }

    Host host;
    SuiteLease<const AIPathStyleSuite> suite{host.registry(), kAIPathStyleSuite, kAIPathStyleSuiteVersion};
    ArtId layerGroup;
    GradientId gradient;
    PatternId pattern;
    CustomColorId custom;
};

AIColor colorOf(ASInt32 kind) {
    AIColor c{};
    c.kind = kind;
    return c;
}

TEST_F(PathStyleSuite, AStyleComesBackBitForBitWhateverItsPaint) {
    AIColor gray = colorOf(kGrayColor);
    gray.c.g.gray = -0.0f;
    AIColor process = colorOf(kFourColor);
    process.c.f = {0.02f, 0.66f, 0.96f, std::nanf("")};
    AIColor rgb = colorOf(kThreeColor);
    rgb.c.rgb = {1e-30f, 0.5f, 2.0f}; // out of range, kept as given
    AIColor dots = colorOf(kPattern);
    dots.c.p = {host.documentHandles().patterns.handleOf(pattern),
                3,
                45,
                {2, 0.5f},
                30,
                1,
                90,
                10,
                5,
                {1, 0, 0, 1, 7, -7}};
    AIColor spot = colorOf(kCustomColor);
    spot.c.c = {host.documentHandles().customColors.handleOf(custom), 0.3f};
    AIColor sunset = colorOf(kGradient);
    sunset.c.b = {host.documentHandles().gradients.handleOf(gradient),
                  {12.5f, -3.1f},
                  30,
                  85.1f,
                  {0.5f, 0.2f, -0.2f, 0.5f, 3, 4},
                  45,
                  0.1f};
    const struct {
        const char *what;
        AIColor color;
    } kCases[] = {{"gray -0", gray},
                  {"process with a NaN", process},
                  {"RGB", rgb},
                  {"pattern", dots},
                  {"custom colour", spot},
                  {"gradient", sunset},
                  {"none", colorOf(kNoneColor)}};

    for (const auto &c : kCases) {
        SCOPED_TRACE(c.what);
        for (ASBoolean painted : {0, 1}) {
            AIPathStyle style{};
            style.fillPaint = painted; // an unpainted fill keeps its colour
            style.fill.color = c.color;
            style.fill.overprint = 1;
            style.strokePaint = !painted;
            style.stroke.color = c.color;
            style.stroke.width = 0.1f;
            style.stroke.dash = {2, 1.5f, {3, 1, 7, 7, 7, 7}};
            style.stroke.cap = kAIRoundCap;
            style.stroke.join = kAIBevelJoin;
            style.stroke.miterLimit = 10;
            style.clip = style.lockClip = style.evenOdd = 1;
            style.resolution = 2400;
            const AIArtHandle path = handleOf(addPath());

            ASSERT_EQ(suite->SetPathStyle(path, &style), kNoErr);
            AIPathStyle back{};
            ASSERT_EQ(suite->GetPathStyle(path, &back), kNoErr);
            EXPECT_EQ(bitsOf(back), bitsOf(style));
        }
    }
    EXPECT_TRUE(host.misbehaviour().empty());
}

TEST_F(PathStyleSuite, AGradientStaysWhereItLandsWhenAnotherArtboardIsActive) {
    const AIArtHandle path = handleOf(addPath());
    AIPathStyle style{};
    style.fillPaint = 1;
    style.fill.color = colorOf(kGradient);
    AIGradientStyle &set = style.fill.color.c.b;
    set = {host.documentHandles().gradients.handleOf(gradient), {10, -20}, 0, 50, {0, 1, -1, 0, 4, 8}, 0, 0};
    ASSERT_EQ(suite->SetPathStyle(path, &style), kNoErr);

    // Artboard 1's corner is 700.25 to the right of artboard 0's and 541.39
    // below it (841.89 - 300.5, rounded as floats round).
    doc().activeArtboard = 1;
    AIPathStyle other{};
    ASSERT_EQ(suite->GetPathStyle(path, &other), kNoErr);
    const AIGradientStyle &got = other.fill.color.c.b;
    const AIRealPoint a0{0.0f, 841.89f}, a1{700.25f, 300.5f};
    // Where the origin lands on the page, through each frame's matrix.
    auto page = [](const AIGradientStyle &g, AIRealPoint corner) {
        const AIRealMatrix &m = g.matrix;
        const AIRealPoint o = g.gradientOrigin;
        return AIRealPoint{corner.h + m.a * o.h + m.c * o.v + m.tx, corner.v + m.b * o.h + m.d * o.v + m.ty};
    };
    EXPECT_NEAR(got.gradientOrigin.h, 10 + a0.h - a1.h, 1e-3);
    EXPECT_NEAR(got.gradientOrigin.v, -20 + a0.v - a1.v, 1e-3);
    EXPECT_NEAR(page(got, a1).h, page(set, a0).h, 1e-3);
    EXPECT_NEAR(page(got, a1).v, page(set, a0).v, 1e-3);
    EXPECT_EQ(got.gradientLength, 50);

    doc().activeArtboard = 0;
    ASSERT_EQ(suite->GetPathStyle(path, &other), kNoErr);
    EXPECT_EQ(bitsOf(other), bitsOf(style)) << "read from the frame it was set in, it is exact";
}

TEST_F(PathStyleSuite, RefusesArtThatIsNotALivePathAndKeepsTheStyle) {
    const ArtId gone = addPath();
    doc().removeArt(gone);
    const AIArtHandle goneHandle = handleOf(gone);
    const AIArtHandle text = handleOf(addText(GrayPaint{0}));
    const AIArtHandle group = handleOf(layerGroup);
    const AIArtHandle never = reinterpret_cast<AIArtHandle>(0x10);

    for (AIArtHandle art : {goneHandle, text, group, never, AIArtHandle{}}) {
        AIPathStyle style{};
        style.resolution = 123;
        EXPECT_EQ(suite->GetPathStyle(art, &style), kBadParameterErr);
        EXPECT_EQ(style.resolution, 123) << "left as it was";
        EXPECT_EQ(suite->SetPathStyle(art, &style), kBadParameterErr);
    }

    // A colour naming a swatch of another document changes nothing.
    const ArtId id = addPath(doc().newArtStyle);
    AIPathStyle stale = {};
    stale.stroke.color = colorOf(kCustomColor);
    stale.stroke.color.c.c.color = host.documentHandles().customColors.handleOf(
        Document::emptyA4().addCustomColor({"Elsewhere", CustomColorKind::Spot, ProcessPaint{}}));
    EXPECT_EQ(suite->SetPathStyle(handleOf(id), &stale), kBadParameterErr);
    EXPECT_EQ(doc().art(id)->path()->style, doc().newArtStyle);
    EXPECT_EQ(host.misbehaviour().size(), 5u * 2 + 1) << "each refusal is the plug-in's misuse";
}

// The style's fill colour as RGB red, for frames painted with RgbPaint.
float fillRed(const AIPathStyle &s) { return s.fill.color.kind == kThreeColor ? s.fill.color.c.rgb.red : -1; }

TEST_F(PathStyleSuite, TheMostRecentFullySelectedMarkGivesTheCurrentStyle) {
    PathStyle thin = doc().newArtStyle, thick = doc().newArtStyle;
    thick.stroke.width = 4;
    const ArtId first = addPath(thin), second = addPath(thick);
    mark(second, kSelected, true);
    mark(first, kSelected, true);
    const ArtId red = addText(RgbPaint{1, 0, 0}), half = addText(RgbPaint{0.5f, 0, 0});

    AIPathStyle style{};
    AIPathStyleMap map{};
    ASBoolean mixed = 0;
    ASSERT_EQ(suite->GetCurrentPathStyle(&style, &map, &mixed), kNoErr);
    EXPECT_EQ(mixed, 1) << "the selection differs in stroke width";
    EXPECT_EQ(map.strokeWidth, 0);
    EXPECT_EQ(map.fillColor, 1);
    EXPECT_EQ(style.stroke.width, 1) << "the first selected art's value, oldest first";

    const struct {
        const char *what;
        ArtId art;
        bool on;
        float red; // -1: the selection's style
    } kSteps[] = {
        {"the red frame is marked", red, true, 1},
        {"then the other frame", half, true, 0.5f},
        {"marking the red frame again makes it the latest", red, true, 1},
        {"its mark cleared, the earlier mark counts again", red, false, 0.5f},
        {"no mark left: the selection again", half, false, -1},
    };
    for (const auto &step : kSteps) {
        SCOPED_TRACE(step.what);
        mark(step.art, kFullySelected, step.on);
        map = {};
        mixed = 1;
        ASSERT_EQ(suite->GetCurrentPathStyle(&style, &map, &mixed), kNoErr);
        EXPECT_EQ(fillRed(style), step.red);
        if (step.red >= 0) {
            EXPECT_EQ(style.fillPaint, 1);
            EXPECT_EQ(style.strokePaint, 0) << "a text frame's style is the paint of its text";
            EXPECT_EQ(mixed, 0);
            EXPECT_EQ(map.strokeWidth, 1) << "a marked art's style is read alone";
        }
        EXPECT_EQ(doc().selection(), (std::set<ArtId>{first, second})) << "the mark leaves the selection";
    }

    // A marked art that is removed gives up its place.
    mark(red, kFullySelected, true);
    doc().removeArt(red);
    ASSERT_EQ(suite->GetCurrentPathStyle(&style, nullptr, nullptr), kNoErr);
    EXPECT_EQ(fillRed(style), -1);

    // With nothing selected: the style new art receives, shared by itself.
    mark(first, kSelected, false);
    mark(second, kSelected, false);
    ASSERT_EQ(suite->GetCurrentPathStyle(&style, &map, &mixed), kNoErr);
    EXPECT_EQ(bitsOf(style), bitsOf(toRecord(doc().newArtStyle, host.documentHandles(), doc())));
    EXPECT_EQ(mixed, 0);
}

TEST_F(PathStyleSuite, WithNoDocumentTheCurrentStyleIsOutOfContext) {
    host.documents().close();
    AIPathStyle style{};
    style.resolution = 123;
    ASBoolean mixed = 7;
    EXPECT_EQ(suite->GetCurrentPathStyle(&style, nullptr, &mixed), kBadContextErr);
    EXPECT_EQ(style.resolution, 123);
    EXPECT_EQ(mixed, 7);
}

} // namespace
} // namespace vyn::host
