// Suites of the host that the plug-in's start-up barely touches, called
// directly through the tables the registry hands out.
#include <gtest/gtest.h>

#include "AIPattern.h"
#include "AIUnicodeString.h"
#include "ATESuites.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "text/TextEngine.h"
#include "text/UnicodeStrings.h"
#include "gate/Trace.h"
#include "gate/FaultPlan.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

using namespace vyn::host;
using vyn::test::SuiteLease;

namespace {

TEST(UnicodeStringSuite, HoldsPlatformTextAsCodeUnits) {
    Host host;
    SuiteLease<const AIUnicodeStringSuite> s(host.registry(), kAIUnicodeStringSuite,
                                             kAIUnicodeStringSuiteVersion);
    AIUnicodeStringRef str = nullptr;
    ASSERT_EQ(s->Initialize(&str,
                            "Vyn\xA5"
                            "Colors\xC9",
                            11, kAIPlatformCharacterEncoding),
              kNoErr);
    ASUInt32 length = 0;
    ASUInt16 unit = 0;
    EXPECT_EQ(s->Length(str, &length), kNoErr);
    EXPECT_EQ(length, 11u);
    EXPECT_EQ(s->GetCodeUnit(str, 3, &unit), kNoErr);
    EXPECT_EQ(unit, 0x2022) << "the Mac Roman bullet";
    EXPECT_EQ(s->GetCodeUnit(str, 11, &unit), kBadParameterErr);
    EXPECT_EQ(unit, 0xFFFF) << "a failed read yields 0xFFFF";

    AIUnicodeStringRef copy = nullptr;
    ASInt32 order = 9;
    EXPECT_EQ(s->Copy(&copy, str), kNoErr) << "a null destination receives a new string";
    EXPECT_EQ(s->Compare(copy, str, &order), kNoErr);
    EXPECT_EQ(order, 0);
    EXPECT_EQ(s->Compare(nullptr, str, &order), kNoErr);
    EXPECT_LT(order, 0) << "null compares as empty";

    AIUnicodeStringRef stale = str;
    EXPECT_EQ(s->Dispose(&str), kNoErr);
    EXPECT_EQ(str, nullptr);
    EXPECT_EQ(s->Length(stale, &length), kBadParameterErr) << "a disposed string is refused, not read";
    EXPECT_EQ(s->Initialize(&str, "x", 1, 7), kBadParameterErr) << "only the platform encoding";
    EXPECT_EQ(s->Dispose(&copy), kNoErr);
    EXPECT_EQ(host.strings().live(), 0u);
}

TEST(TextEngineSuites, CountReferencesAndRefuseStaleOnes) {
    Host host;
    SuiteLease<const FontSuite> fonts(host.registry(), kFontSuite, kFontSuiteVersion);
    SuiteLease<const CharFeaturesSuite> chars(host.registry(), kCharFeaturesSuite, kCharFeaturesSuiteVersion);
    ATE::FontRef font = host.textEngine().make<ATE::FontRef>(TextFont{"DejaVu Sans"});

    EXPECT_EQ(fonts->AddRef(font), kNoErr);
    EXPECT_EQ(fonts->Release(font), kNoErr);
    EXPECT_EQ(host.textEngine().live(), 1u) << "one count left";
    EXPECT_EQ(fonts->Release(nullptr), kNoErr) << "releasing no font is allowed";

    ATE::CharFeaturesRef features = nullptr;
    ASSERT_EQ(chars->Initialize(&features), kNoErr);
    EXPECT_EQ(chars->SetFont(features, font), kNoErr);
    EXPECT_EQ(chars->SetFontSize(features, 0.0f), kBadParameterErr);
    EXPECT_EQ(chars->SetFont(reinterpret_cast<ATE::CharFeaturesRef>(font), font), kBadParameterErr)
        << "a reference of another kind is refused";
    EXPECT_EQ(host.textEngine().find<TextCharFeatures>(features)->font, "DejaVu Sans")
        << "features name the font";

    EXPECT_EQ(chars->Release(features), kNoErr);
    EXPECT_EQ(fonts->Release(font), kNoErr);
    EXPECT_EQ(fonts->Release(font), kBadParameterErr) << "released past its last count";
    EXPECT_EQ(host.textEngine().live(), 0u);
}

TEST(HandleSpace, AHandleOfOneKindIsNeverAcceptedAsAnother) {
    Host host;
    SuiteLease<const AIUnicodeStringSuite> strings(host.registry(), kAIUnicodeStringSuite,
                                                   kAIUnicodeStringSuiteVersion);
    SuiteLease<const FontSuite> fonts(host.registry(), kFontSuite, kFontSuiteVersion);
    // Enough strings to reach where each table's numbering used to meet the
    // next one's.
    std::vector<AIUnicodeStringRef> made(5000);
    for (auto &str : made)
        ASSERT_EQ(strings->Initialize(&str, "x", 1, kAIPlatformCharacterEncoding), kNoErr);
    ATE::FontRef font = host.textEngine().make<ATE::FontRef>(TextFont{"DejaVu Sans"});
    for (AIUnicodeStringRef str : made)
        ASSERT_EQ(fonts->AddRef(reinterpret_cast<ATE::FontRef>(str)), kBadParameterErr);
    ASSERT_EQ(fonts->AddRef(font), kNoErr);
    for (auto &str : made)
        strings->Dispose(&str);
    fonts->Release(font);
    fonts->Release(font);
}

TEST(DocumentSuites, AFaultPlannedByNameFiresAndIsTracedByName) {
    Host host;
    host.trace().enable(true);
    host.documents().open(Document::emptyA4());
    SuiteLease<const AIPatternSuite> patterns(host.registry(), kAIPatternSuite, kAIPatternSuiteVersion);
    host.faults().failCall(kAIPatternSuite, "GetPatternName", 1, kOutOfMemoryErr);
    EXPECT_EQ(patterns->GetPatternName(nullptr, nullptr), kOutOfMemoryErr);
    EXPECT_EQ(host.trace().lines().front(), "call AI Pattern Suite.GetPatternName");
    EXPECT_TRUE(host.misbehaviour().empty()) << "an injected fault replaces the call";
}

TEST(TextEngineSuites, ARangeFollowsItsFrameAndDiesWithIt) {
    Host host;
    SuiteLease<const TextRangeSuite> ranges(host.registry(), kTextRangeSuite, kTextRangeSuiteVersion);
    SuiteLease<const FontSuite> fonts(host.registry(), kFontSuite, kFontSuiteVersion);
    host.documents().open(Document::emptyA4());
    Document &doc = *host.documents().current();
    const ArtId frame = doc.addArt(doc.insertLayer(0, "L").group, TextFrame{}).id;
    ATE::FontRef font = host.textEngine().make<ATE::FontRef>(TextFont{"DejaVu Sans Bold"});
    auto range = host.textEngine().make<ATE::TextRangeRef>(TextRange{frame});

    EXPECT_EQ(ranges->InsertAfter(range, "Caf\x8E", 4, font), kNoErr);
    EXPECT_EQ(ranges->InsertAfter(range, " 82 %", 5, nullptr), kNoErr);
    const TextStory &story = doc.art(frame)->textFrame()->story;
    EXPECT_EQ(story.text(), u"Café 82 %");
    EXPECT_EQ(story.runs[1].features.font, "DejaVu Sans Bold") << "a run names its font once, by name";

    doc.removeArt(frame);
    EXPECT_EQ(ranges->InsertAfter(range, "x", 1, nullptr), kBadParameterErr);
    host.documents().close();
    EXPECT_EQ(ranges->Remove(range), kBadContextErr) << "no document is open";
    EXPECT_EQ(ranges->Release(range), kNoErr);
    EXPECT_EQ(fonts->Release(font), kNoErr);
    EXPECT_EQ(host.misbehaviour().size(), 2u);
}

} // namespace
