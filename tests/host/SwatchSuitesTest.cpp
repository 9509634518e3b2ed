// AI Custom Color, AI Pattern and AI Gradient through the tables the
// registry hands out: names reach Unicode strings (a new one for a null
// reference, an existing one overwritten), a custom colour's definition and
// flags, a gradient's type, and handles of swatches that are not the open
// document's refused as the plug-in's misuse.
#include <gtest/gtest.h>

#include <functional>

#include "AICustomColor.h"
#include "AIGradient.h"
#include "AIPattern.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "text/UnicodeStrings.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

class SwatchSuites : public ::testing::Test {
  protected:
    SwatchSuites() {
        Document doc = Document::emptyA4();
        spot =
            doc.addCustomColor({"Café crème", CustomColorKind::Spot, ProcessPaint{0.1f, 0.2f, 0.3f, 0.4f}});
        registration =
            doc.addCustomColor({"[Registration]", CustomColorKind::Registration, RgbPaint{1, 1, 1}});
        process = doc.addCustomColor({"Global green", CustomColorKind::Process, RgbPaint{0, 0.5f, 0}});
        dots = doc.addPattern({"Pois \u2022 bleus"});
        sunset = doc.addGradient({"Sunset \U0001F305", GradientKind::Radial, {}});
        ramp = doc.addGradient({"Ramp", GradientKind::Linear, {}});
        host.documents().open(std::move(doc));
    }
    DocumentHandles &handles() { return host.documentHandles(); }

    Host host;
    SuiteLease<const AICustomColorSuite> colors{host.registry(), kAICustomColorSuite,
                                                kAICustomColorSuiteVersion};
    SuiteLease<const AIPatternSuite> patterns{host.registry(), kAIPatternSuite, kAIPatternSuiteVersion};
    SuiteLease<const AIGradientSuite> gradients{host.registry(), kAIGradientSuite, kAIGradientSuiteVersion};
    CustomColorId spot, registration, process;
    PatternId dots;
    GradientId sunset, ramp;
};

TEST_F(SwatchSuites, NamesGoIntoNewOrExistingUnicodeStrings) {
    using GetName = std::function<AIErr(AIUnicodeStringRef *)>;
    const struct {
        const char *what;
        GetName get;
        std::u16string name;
    } kCases[] = {
        {"custom colour",
         [&](auto *s) { return colors->GetCustomColorName(handles().customColors.handleOf(spot), s); },
         u"Caf\u00e9 cr\u00e8me"},
        {"pattern", [&](auto *s) { return patterns->GetPatternName(handles().patterns.handleOf(dots), s); },
         u"Pois \u2022 bleus"},
        {"gradient",
         [&](auto *s) { return gradients->GetGradientName(handles().gradients.handleOf(sunset), s); },
         u"Sunset \U0001F305"},
    };
    for (const auto &c : kCases) {
        SCOPED_TRACE(c.what);
        AIUnicodeStringRef fresh = nullptr;
        ASSERT_EQ(c.get(&fresh), kNoErr);
        ASSERT_NE(fresh, nullptr);
        EXPECT_EQ(host.strings().text(fresh), c.name);

        AIUnicodeStringRef existing = host.strings().make(u"a longer text that was here before");
        const AIUnicodeStringRef before = existing;
        ASSERT_EQ(c.get(&existing), kNoErr);
        EXPECT_EQ(existing, before) << "overwritten in place";
        EXPECT_EQ(host.strings().text(existing), c.name);

        host.strings().dispose(existing);
        AIUnicodeStringRef stale = existing;
        EXPECT_EQ(c.get(&stale), kBadParameterErr) << "a string already disposed of";
        EXPECT_EQ(c.get(nullptr), kBadParameterErr);
        host.strings().dispose(fresh);
    }
    EXPECT_EQ(host.strings().live(), 0u);
    EXPECT_EQ(host.misbehaviour().size(), 6u);
}

TEST_F(SwatchSuites, StaleHandlesAreRefusedAndLeaveTheOutputsAlone) {
    Document other = Document::emptyA4();
    const auto elsewhereColor =
        handles().customColors.handleOf(other.addCustomColor({"X", {}, ProcessPaint{}}));
    const auto elsewherePattern = handles().patterns.handleOf(other.addPattern({"X"}));
    const auto elsewhereGradient = handles().gradients.handleOf(other.addGradient({"X", {}, {}}));

    AIUnicodeStringRef name = nullptr;
    EXPECT_EQ(colors->GetCustomColorName(elsewhereColor, &name), kBadParameterErr);
    EXPECT_EQ(patterns->GetPatternName(elsewherePattern, &name), kBadParameterErr);
    EXPECT_EQ(gradients->GetGradientName(elsewhereGradient, &name), kBadParameterErr);
    EXPECT_EQ(patterns->GetPatternName(
                  reinterpret_cast<AIPatternHandle>(handles().gradients.handleOf(sunset)), &name),
              kBadParameterErr)
        << "a gradient's handle is no pattern";
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(host.strings().live(), 0u) << "no string made for a refused call";

    AICustomColor color{};
    color.flag = 77;
    EXPECT_EQ(colors->GetCustomColor(elsewhereColor, &color), kBadParameterErr);
    EXPECT_EQ(color.flag, 77);
    AIGradientType type = 77;
    EXPECT_EQ(gradients->GetGradientType(elsewhereGradient, &type), kBadParameterErr);
    EXPECT_EQ(gradients->GetGradientType(nullptr, &type), kBadParameterErr);
    EXPECT_EQ(type, 77);
    EXPECT_EQ(host.misbehaviour().size(), 7u);
}

TEST_F(SwatchSuites, ACustomColourGivesItsDefinitionAndFlags) {
    const struct {
        CustomColorId id;
        ASInt32 kind;
        std::vector<float> components;
        AICustomColorFlags flag;
    } kCases[] = {
        {spot, kCustomFourColor, {0.1f, 0.2f, 0.3f, 0.4f}, kCustomSpotColor},
        {registration, kCustomThreeColor, {1, 1, 1}, kCustomRegistrationColor},
        {process, kCustomThreeColor, {0, 0.5f, 0}, kCustomProcessColor},
    };
    for (const auto &c : kCases) {
        AICustomColor color{};
        ASSERT_EQ(colors->GetCustomColor(handles().customColors.handleOf(c.id), &color), kNoErr);
        EXPECT_EQ(color.kind, c.kind);
        EXPECT_EQ(color.flag, c.flag);
        const std::vector<float> got =
            color.kind == kCustomFourColor
                ? std::vector<float>{color.c.f.cyan, color.c.f.magenta, color.c.f.yellow, color.c.f.black}
                : std::vector<float>{color.c.rgb.red, color.c.rgb.green, color.c.rgb.blue};
        EXPECT_EQ(got, c.components);
    }

    AIGradientType type = -1;
    ASSERT_EQ(gradients->GetGradientType(handles().gradients.handleOf(sunset), &type), kNoErr);
    EXPECT_EQ(type, kRadialGradient);
    ASSERT_EQ(gradients->GetGradientType(handles().gradients.handleOf(ramp), &type), kNoErr);
    EXPECT_EQ(type, kLinearGradient);
}

} // namespace
} // namespace vyn::host
