// The plug-in's wrapper classes over host strings and text-engine objects,
// compiled into this test program and run against the stand-in host's real
// suite tables.
#include <gtest/gtest.h>

#include <memory>

#include "gate/FaultPlan.h"
#include "Host.h"
#include "IAIUnicodeString.h"
#include "IText.h"
#include "gate/SuiteRegistry.h"
#include "text/TextEngine.h"
#include "model/Document.h"
#include "text/UnicodeStrings.h"
#include "support/SuiteLease.h"

// The suite globals the wrappers call through; in the plug-in they are set
// at start-up.
AIUnicodeStringSuite *sAIUnicodeString = nullptr;
ApplicationPaintSuite *sApplicationPaint = nullptr;
CharFeaturesSuite *sCharFeatures = nullptr;
FontSuite *sFont = nullptr;
ParaFeaturesSuite *sParaFeatures = nullptr;
TextRangeSuite *sTextRange = nullptr;

namespace {

using namespace vyn::host;
using vyn::test::SuiteLease;

class Wrappers : public ::testing::Test {
  protected:
    Host host;

  private:
    SuiteLease<AIUnicodeStringSuite> strings_{host.registry(), kAIUnicodeStringSuite,
                                              kAIUnicodeStringSuiteVersion, &sAIUnicodeString};
    SuiteLease<ApplicationPaintSuite> paints_{host.registry(), kApplicationPaintSuite,
                                              kApplicationPaintSuiteVersion, &sApplicationPaint};
    SuiteLease<CharFeaturesSuite> charFeatures_{host.registry(), kCharFeaturesSuite,
                                                kCharFeaturesSuiteVersion, &sCharFeatures};
    SuiteLease<FontSuite> fonts_{host.registry(), kFontSuite, kFontSuiteVersion, &sFont};
    SuiteLease<ParaFeaturesSuite> paraFeatures_{host.registry(), kParaFeaturesSuite,
                                                kParaFeaturesSuiteVersion, &sParaFeatures};
    SuiteLease<TextRangeSuite> ranges_{host.registry(), kTextRangeSuite, kTextRangeSuiteVersion, &sTextRange};
};

TEST_F(Wrappers, AStringFromNoTextStaysEmptyAndCostsNoCall) {
    {
        ai::UnicodeString empty(nullptr);
        EXPECT_EQ(empty.GetRef(), nullptr);
        EXPECT_EQ(empty[0], 0xFFFF);
    }
    EXPECT_EQ(host.faults().calls(kAIUnicodeStringSuite, "Initialize"), 0);
    EXPECT_EQ(host.faults().calls(kAIUnicodeStringSuite, "Dispose"), 0);
}

TEST_F(Wrappers, AFailedCopyThrowsTheHostsCodeAndLeavesTheTarget) {
    ai::UnicodeString source("Vyn\xA5"), target("old");
    AIUnicodeStringRef before = target.GetRef();
    host.faults().failCall(kAIUnicodeStringSuite, "Copy", 1, kOutOfMemoryErr);
    try {
        target = source;
        FAIL() << "the copy should have thrown";
    } catch (const ai::Error &e) {
        EXPECT_EQ(static_cast<long>(e), kOutOfMemoryErr);
    }
    EXPECT_EQ(target.GetRef(), before);
    EXPECT_EQ(target[0], u'o');

    target = source;
    EXPECT_EQ(target[3], 0x2022) << "a successful copy carries the text";
}

TEST_F(Wrappers, AssigningAStringToItselfKeepsItWithoutACall) {
    ai::UnicodeString text("Vyn");
    const AIUnicodeStringRef before = text.GetRef();
    const ai::UnicodeString &same = text;
    text = same;
    EXPECT_EQ(host.faults().calls(kAIUnicodeStringSuite, "Copy"), 0)
        << "a copy onto itself could free the text it copies from";
    EXPECT_EQ(text.GetRef(), before);
    EXPECT_EQ(text[2], u'n');
}

TEST_F(Wrappers, CopyingAFontAddsOneReferenceAndReleasesTwo) {
    auto ref = host.textEngine().make<ATE::FontRef>(TextFont{"DejaVu Sans"});
    host.textEngine().addRef(ref); // the test's own count, so the font outlives the wrappers
    {
        ATE::IFont font(ref);
        ATE::IFont copy(font);
        EXPECT_EQ(copy.GetRef(), ref);
    }
    EXPECT_EQ(host.faults().calls(kFontSuite, "AddRef"), 1);
    EXPECT_EQ(host.faults().calls(kFontSuite, "Release"), 2);
    EXPECT_NE(host.textEngine().find<TextFont>(ref), nullptr);
    host.textEngine().release(ref);
    EXPECT_EQ(host.textEngine().live(), 0u);
}

TEST_F(Wrappers, ATextEngineFailureIsNotAHostError) {
    ATE::ICharFeatures features;
    host.faults().failCall(kCharFeaturesSuite, "SetFontSize", 1, 42);
    bool caughtAsTextEngine = false;
    try {
        try {
            features.SetFontSize(12.0f);
        } catch (const ai::Error &) {
            FAIL() << "a text-engine failure must not look like a host error";
        }
    } catch (const ATE::Exception &e) {
        caughtAsTextEngine = true;
        EXPECT_EQ(e.error, 42);
    }
    EXPECT_TRUE(caughtAsTextEngine);
    EXPECT_NO_THROW(features.SetFontSize(12.0f));
}

TEST_F(Wrappers, ALabelGoesInUpToItsNulAndALengthBeyond32BitsIsRefused) {
    host.documents().open(Document::emptyA4());
    Document &doc = *host.documents().current();
    const ArtId frame = doc.addArt(doc.insertLayer(0, "Layer 1").group, TextFrame{}).id;
    const TextStory &story = doc.art(frame)->textFrame()->story;
    ATE::ITextRange range(host.textEngine().make<ATE::TextRangeRef>(TextRange{frame}));

    EXPECT_NO_THROW(range.InsertAfter("C=2 M=66 Y=96 K=0", -1, ATE::IFont()));
    EXPECT_EQ(story.text(), u"C=2 M=66 Y=96 K=0");

    // Cut to 32 bits it would read as 2 and insert "ab" without a word.
    const long tooLong = 0x100000002L;
    try {
        range.InsertAfter("abc", tooLong, ATE::IFont());
        FAIL() << "a length beyond 32 bits should have thrown";
    } catch (const ATE::Exception &e) {
        EXPECT_EQ(e.error, kBadParameterErr);
    }
    EXPECT_THROW(range.InsertAfter("abc", -2, ATE::IFont()), ATE::Exception);
    EXPECT_EQ(host.faults().calls(kTextRangeSuite, "InsertAfter"), 1) << "refused without a call";
    EXPECT_EQ(story.text(), u"C=2 M=66 Y=96 K=0");
}

TEST_F(Wrappers, ANamedPaintIsLentToTheFeaturesAndANullFontCopies) {
    auto paintRef = host.textEngine().make<ATE::ApplicationPaintRef>(TextPaint{});
    ATE::ICharFeatures features;
    {
        ATE::IApplicationPaint paint(paintRef);
        EXPECT_NO_THROW(features.SetFillColor(paint));
        EXPECT_NE(host.textEngine().find<TextPaint>(paintRef), nullptr) << "lent, not released";
    }
    EXPECT_EQ(host.faults().calls(kApplicationPaintSuite, "Release"), 1) << "released once, by its holder";
    EXPECT_EQ(host.textEngine().find<TextPaint>(paintRef), nullptr);

    ATE::IFont none;
    EXPECT_NO_THROW(ATE::IFont copy(none)) << "the null font copies as freely as it is destroyed";
    EXPECT_TRUE(host.misbehaviour().empty());
}

} // namespace
