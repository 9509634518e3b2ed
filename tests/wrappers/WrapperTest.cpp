// The plug-in's wrapper classes over host strings and text-engine objects,
// compiled into this test program and run against the stand-in host's real
// suite tables.
#include <gtest/gtest.h>

#include "FaultPlan.h"
#include "Host.h"
#include "IAIUnicodeString.h"
#include "IText.h"
#include "SuiteRegistry.h"
#include "TextEngine.h"
#include "UnicodeStrings.h"
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

} // namespace
