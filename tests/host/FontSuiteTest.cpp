// AI Font through the table the registry hands out: a fixed list is listed
// as given, duplicates and all, its first font standing for the platform
// font 0; a host without fonts has no default font; the system's list is
// read from fontconfig and is the same from one run to the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "AIFont.h"
#include "Host.h"
#include "fonts/SystemFonts.h"
#include "text/MacRoman.h"
#include "text/TextEngine.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

HostOptions withFonts(std::optional<std::vector<std::string>> fonts) {
    HostOptions options;
    options.fonts = std::move(fonts);
    return options;
}

struct FontRun {
    explicit FontRun(std::optional<std::vector<std::string>> fonts) : host(withFonts(std::move(fonts))) {}
    Host host;
    SuiteLease<const AIFontSuite> suite{host.registry(), kAIFontSuite, kAIFontSuiteVersion};

    // The names of the whole list, in the platform encoding.
    std::vector<std::string> names() {
        std::vector<std::string> result;
        ASInt32 count = -1;
        EXPECT_EQ(suite->CountFonts(&count), kNoErr);
        for (ASInt32 i = 0; i < count; ++i) {
            AIFontKey key = nullptr;
            char name[1024] = {};
            EXPECT_EQ(suite->IndexFontList(i, &key), kNoErr);
            EXPECT_EQ(suite->GetFontName(key, name, sizeof name), kNoErr);
            result.emplace_back(name);
        }
        return result;
    }
    AIFontKey keyAt(ASInt32 index) {
        AIFontKey key = nullptr;
        EXPECT_EQ(suite->IndexFontList(index, &key), kNoErr);
        return key;
    }
};

TEST(FontSuite, AFixedListIsListedAsGivenWithItsFirstFontAsTheDefault) {
    FontRun run(std::vector<std::string>{"Arial Bold", "Arial", "Vyn•Sans", "Arial"});
    EXPECT_EQ(run.names(), (std::vector<std::string>{"Arial Bold", "Arial", "Vyn\xA5Sans", "Arial"}));

    AIFontKey defaultFont = nullptr;
    ASSERT_EQ(run.suite->FontKeyFromPlatformFont(kAIDefaultPlatformFont, &defaultFont), kNoErr);
    EXPECT_EQ(defaultFont, run.keyAt(0));
    EXPECT_EQ(run.keyAt(1), run.keyAt(1)) << "one key per font for the whole run";
    EXPECT_NE(run.keyAt(1), run.keyAt(3)) << "fonts that share a name are still two fonts";

    // A name is cut to the buffer and always ended.
    for (auto [capacity, expected] : {std::pair{1, ""}, {2, "A"}, {5, "Aria"}, {11, "Arial Bold"}}) {
        char name[16];
        std::fill(std::begin(name), std::end(name), '#');
        ASSERT_EQ(run.suite->GetFontName(defaultFont, name, capacity), kNoErr);
        EXPECT_STREQ(name, expected);
        EXPECT_EQ(name[capacity], '#') << "wrote past the buffer";
    }

    ATE::FontRef font = nullptr;
    ASSERT_EQ(run.suite->ATEFontFromFontKey(run.keyAt(2), &font), kNoErr);
    const TextFont *made = run.host.textEngine().find<TextFont>(font);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->name, "Vyn•Sans");
    run.host.textEngine().release(font);
    EXPECT_EQ(run.host.textEngine().live(), 0u) << "the text-engine font came with one count";
    EXPECT_TRUE(run.host.misbehaviour().empty());
}

TEST(FontSuite, AHostWithoutFontsHasNoDefaultFont) {
    FontRun run(std::vector<std::string>{});
    ASInt32 count = -1;
    EXPECT_EQ(run.suite->CountFonts(&count), kNoErr);
    EXPECT_EQ(count, 0);
    AIFontKey key = reinterpret_cast<AIFontKey>(0x10);
    EXPECT_EQ(run.suite->FontKeyFromPlatformFont(kAIDefaultPlatformFont, &key), kNotFoundErr);
    EXPECT_EQ(key, nullptr);
    EXPECT_TRUE(run.host.misbehaviour().empty()) << "no font is an ordinary result";
}

TEST(FontSuite, KeysAndIndexesTheHostNeverGaveAreRefused) {
    FontRun run(std::vector<std::string>{"Arial"});
    AIFontKey key = reinterpret_cast<AIFontKey>(0x10);
    EXPECT_EQ(run.suite->FontKeyFromPlatformFont(3, &key), kNotFoundErr) << "only 0 names a font";
    EXPECT_EQ(key, nullptr);
    for (ASInt32 index : {-1, 1}) {
        key = reinterpret_cast<AIFontKey>(0x10);
        EXPECT_EQ(run.suite->IndexFontList(index, &key), kBadParameterErr) << index;
        EXPECT_EQ(key, nullptr);
    }
    const AIFontKey stale = reinterpret_cast<AIFontKey>(0x10);
    char name[8] = "kept";
    ATE::FontRef font = reinterpret_cast<ATE::FontRef>(0x10);
    EXPECT_EQ(run.suite->GetFontName(stale, name, sizeof name), kBadParameterErr);
    EXPECT_STREQ(name, "kept");
    EXPECT_EQ(run.suite->GetFontName(run.keyAt(0), name, 0), kBadParameterErr);
    EXPECT_EQ(run.suite->ATEFontFromFontKey(stale, &font), kBadParameterErr);
    EXPECT_EQ(font, nullptr);
    EXPECT_EQ(run.host.misbehaviour().size(), 5u);
}

// The default is the system's sans-serif face, wherever the alphabet puts
// it (the first face listed is whichever font sorts first: a math font, a
// serif).
TEST(FontSuite, TheSystemsFontsAreListedInTheSameOrderEveryRunWithItsSansSerifAsTheDefault) {
    std::vector<std::string> first;
    {
        FontRun run(std::nullopt);
        first = run.names();
        AIFontKey defaultFont = nullptr;
        ASSERT_EQ(run.suite->FontKeyFromPlatformFont(kAIDefaultPlatformFont, &defaultFont), kNoErr);
        char name[1024] = {};
        ASSERT_EQ(run.suite->GetFontName(defaultFont, name, sizeof name), kNoErr);
        const std::optional<std::string> sans = systemSansSerifName();
        ASSERT_TRUE(sans);
        EXPECT_EQ(name, utf8ToMacRoman(*sans));
        EXPECT_NE(std::find(first.begin(), first.end(), name), first.end());
    }
    ASSERT_FALSE(first.empty());
    // The project installs DejaVu: its faces are there by their full names.
    for (const char *name : {"DejaVu Sans", "DejaVu Sans Bold", "DejaVu Sans Mono"})
        EXPECT_NE(std::find(first.begin(), first.end(), name), first.end()) << name;
    FontRun second(std::nullopt);
    EXPECT_EQ(second.names(), first);
}

} // namespace
} // namespace vyn::host
