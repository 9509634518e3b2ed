// AI Text Frame and AIATE Paint through the tables the registry hands out,
// with the text engine suites: a point-text frame made in a group, anchored,
// written and painted through its range, its paint read back as the current
// path style; and what each of them refuses.
#include <gtest/gtest.h>

#include "AIATEPaint.h"
#include "AIPathStyle.h"
#include "AITextFrame.h"
#include "ATESuites.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "text/TextEngine.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

class TextFrameSuite : public ::testing::Test {
  protected:
    TextFrameSuite() {
        Document doc = Document::emptyA4();
        layer = doc.insertLayer(0, "Chart").id;
        group = doc.addArt(doc.layer(layer)->group, Group{}).id;
        path = doc.addArt(group, PathShape{}).id;
        gradient = doc.addGradient({"Sunset", GradientKind::Linear, {}});
        host.documents().open(std::move(doc));
    }
    Document &doc() { return *host.documents().current(); }
    AIArtHandle handleOf(ArtId id) { return host.documentHandles().art.handleOf(id); }

    Host host;
    SuiteLease<const AITextFrameSuite> frames{host.registry(), kAITextFrameSuite, kAITextFrameSuiteVersion};
    SuiteLease<const AIATEPaintSuite> paints{host.registry(), kAIATEPaintSuite, kAIATEPaintSuiteVersion};
    SuiteLease<const ::TextRangeSuite> ranges{host.registry(), kTextRangeSuite, kTextRangeSuiteVersion};
    SuiteLease<const ::CharFeaturesSuite> chars{host.registry(), kCharFeaturesSuite,
                                                kCharFeaturesSuiteVersion};
    SuiteLease<const ::ApplicationPaintSuite> paintRefs{host.registry(), kApplicationPaintSuite,
                                                        kApplicationPaintSuiteVersion};
    SuiteLease<const AIPathStyleSuite> styles{host.registry(), kAIPathStyleSuite, kAIPathStyleSuiteVersion};
    LayerId layer;
    ArtId group, path;
    GradientId gradient;
};

TEST_F(TextFrameSuite, AFrameIsMadeAnchoredWrittenAndPaintedThroughItsRange) {
    AIArtHandle frame = nullptr;
    ASSERT_EQ(frames->NewPointText(kPlaceInsideOnTop, handleOf(group), kHorizontalTextOrientation,
                                   AIRealPoint{120.5f, -33.25f}, &frame),
              kNoErr);
    ASSERT_NE(frame, nullptr);
    const ArtId id = *host.documentHandles().art.idOf(frame);
    EXPECT_EQ(doc().art(group)->group()->children, (std::vector<ArtId>{path, id})) << "inside, on top";
    EXPECT_EQ(doc().art(id)->attributes, 0u);

    AIRealPoint anchor{};
    ASSERT_EQ(frames->GetPointTextAnchor(frame, &anchor), kNoErr);
    EXPECT_EQ(anchor.h, 120.5f);
    EXPECT_EQ(anchor.v, -33.25f);

    ATE::TextRangeRef range = nullptr;
    ASSERT_EQ(frames->GetATETextRange(frame, &range), kNoErr);
    ASSERT_EQ(ranges->InsertAfter(range, "C=2 M=66", ATE::kATEUpToNul, nullptr), kNoErr);

    AIColor red{};
    red.kind = kThreeColor;
    red.c.rgb = {0.75f, 0.125f, 0};
    ATE::ApplicationPaintRef paint = nullptr;
    ATE::CharFeaturesRef features = nullptr;
    ASSERT_EQ(paints->CreateATEApplicationPaint(&red, &paint), kNoErr);
    ASSERT_EQ(chars->Initialize(&features), kNoErr);
    ASSERT_EQ(chars->SetFillColor(features, paint), kNoErr);
    ASSERT_EQ(ranges->SetLocalCharFeatures(range, features), kNoErr);
    EXPECT_EQ(doc().art(id)->textFrame()->story.text(), u"C=2 M=66");

    // The frame's paint, read as the plug-in reads it.
    doc().setAttributes(*doc().art(id), kFullySelected, kFullySelected);
    AIPathStyle style{};
    ASSERT_EQ(styles->GetCurrentPathStyle(&style, nullptr, nullptr), kNoErr);
    EXPECT_EQ(style.fillPaint, 1);
    EXPECT_EQ(style.fill.color.kind, kThreeColor);
    EXPECT_EQ(style.fill.color.c.rgb.red, 0.75f);
    EXPECT_EQ(style.fill.color.c.rgb.green, 0.125f);

    EXPECT_EQ(ranges->Release(range), kNoErr);
    EXPECT_EQ(chars->Release(features), kNoErr);
    EXPECT_EQ(paintRefs->Release(paint), kNoErr);
    EXPECT_EQ(host.textEngine().live(), 0u);
    EXPECT_TRUE(host.misbehaviour().empty());
    EXPECT_TRUE(host.hostFaults().empty());
}

TEST_F(TextFrameSuite, NewPointTextRefusesWhatItDoesNotOffer) {
    const ArtId gone = doc().addArt(group, Group{}).id;
    doc().removeArt(gone);
    const struct {
        const char *what;
        AIPaintOrder order;
        AIArtHandle prep;
        AITextOrientation orientation;
        bool lockLayer, hideLayer;
        AIErr result;
    } kCases[] = {
        {"above all, not inside", kPlaceAboveAll, handleOf(group), kHorizontalTextOrientation, false, false,
         kBadParameterErr},
        {"a stale group", kPlaceInsideOnTop, handleOf(gone), kHorizontalTextOrientation, false, false,
         kBadParameterErr},
        {"inside a path", kPlaceInsideOnTop, handleOf(path), kHorizontalTextOrientation, false, false,
         kBadParameterErr},
        {"an unknown orientation", kPlaceInsideOnTop, handleOf(group), 2, false, false, kBadParameterErr},
        {"a locked layer", kPlaceInsideOnTop, handleOf(group), kHorizontalTextOrientation, true, false,
         kCantHappenErr},
        {"a hidden layer", kPlaceInsideOnTop, handleOf(group), kVerticalTextOrientation, false, true,
         kCantHappenErr},
    };
    for (const auto &c : kCases) {
        SCOPED_TRACE(c.what);
        doc().layer(layer)->editable = !c.lockLayer;
        doc().layer(layer)->visible = !c.hideLayer;
        const std::size_t before = doc().artCount(), misuse = host.misbehaviour().size();
        AIArtHandle frame = handleOf(path);
        EXPECT_EQ(frames->NewPointText(c.order, c.prep, c.orientation, {}, &frame), c.result);
        EXPECT_EQ(frame, nullptr);
        EXPECT_EQ(doc().artCount(), before);
        EXPECT_EQ(host.misbehaviour().size(), misuse + (c.result == kBadParameterErr))
            << "only misuse is filed";
    }
    EXPECT_TRUE(host.hostFaults().empty()) << "a locked layer is no fault of the host";

    AIRealPoint anchor{7, 7};
    ATE::TextRangeRef range = reinterpret_cast<ATE::TextRangeRef>(0x10);
    EXPECT_EQ(frames->GetPointTextAnchor(handleOf(path), &anchor), kBadParameterErr);
    EXPECT_EQ(anchor.h, 7);
    EXPECT_EQ(frames->GetATETextRange(handleOf(gone), &range), kBadParameterErr);
    EXPECT_EQ(range, nullptr);
    EXPECT_EQ(host.textEngine().live(), 0u);
}

TEST_F(TextFrameSuite, APaintIsMadeOnlyFromAColourThatNamesWhatIsThere) {
    AIColor unknownKind{};
    unknownKind.kind = 7;
    AIColor staleGradient{};
    staleGradient.kind = kGradient;
    staleGradient.c.b.gradient =
        host.documentHandles().gradients.handleOf(Document::emptyA4().addGradient({"X", {}, {}}));
    for (const AIColor *color :
         std::initializer_list<const AIColor *>{nullptr, &unknownKind, &staleGradient}) {
        ATE::ApplicationPaintRef paint = reinterpret_cast<ATE::ApplicationPaintRef>(0x10);
        EXPECT_EQ(paints->CreateATEApplicationPaint(color, &paint), kBadParameterErr);
        EXPECT_EQ(paint, nullptr);
    }
    EXPECT_EQ(host.textEngine().live(), 0u);

    // Any time: with no document, a colour that names no swatch still makes a paint.
    host.documents().close();
    AIColor gray{};
    ATE::ApplicationPaintRef paint = nullptr;
    ASSERT_EQ(paints->CreateATEApplicationPaint(&gray, &paint), kNoErr);
    EXPECT_NE(host.textEngine().find<TextPaint>(paint), nullptr);
    EXPECT_EQ(paintRefs->Release(paint), kNoErr);
}

} // namespace
} // namespace vyn::host
