// The dialog's settings as options: what each value reads as, and the
// sentence that refuses a bad one.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "app/InProcessRun.h"
#include "support/TempFolder.h"

namespace vyn::app {
namespace {

constexpr double kMillimetre = 72.0 / 25.4;

ParsedCommandLine parse(std::vector<std::string> args) { return test::parseArguments(std::move(args)); }

TEST(OptionParsing, LengthsAreReadInTheirFieldsUnit) {
    struct Case {
        std::vector<std::string> args;
        std::optional<TypedLength> DialogSettings::*setting;
        double points;
    } cases[] = {
        {{"--box-length", "30"}, &DialogSettings::boxLength, 30 * kMillimetre}, // bare: mm, as shown
        {{"--box-height=15 mm"}, &DialogSettings::boxHeight, 15 * kMillimetre},
        {{"--box-height", "40pt"}, &DialogSettings::boxHeight, 40},
        {{"--gap", "2"}, &DialogSettings::gap, 2}, // bare: points
        {{"--gap", "0"}, &DialogSettings::gap, 0},
        {{"--gap", "1 mm"}, &DialogSettings::gap, kMillimetre},
        {{"--text-size", "0.1"}, &DialogSettings::textSize, 0.1},
        {{"--text-size", "1pc"}, &DialogSettings::textSize, 12},
        {{"--offset-x", "-5"}, &DialogSettings::offsetX, -5}, // offsets may be negative
        {{"--offset-y", "0.5 in"}, &DialogSettings::offsetY, 36},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        ParsedCommandLine parsed = parse(c.args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        const auto &length = parsed.options->settings.*c.setting;
        ASSERT_TRUE(length);
        EXPECT_NEAR(length->points, c.points, 1e-9);
        EXPECT_FALSE(parsed.options->menus) << "the settings dialog is the job";
    }
}

TEST(OptionParsing, CheckBoxesAreSetClearedOrLeftAlone) {
    ParsedCommandLine parsed = parse({"--no-patterns", "--tints", "--selection", "--other", "--no-other"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const DialogSettings &s = parsed.options->settings;
    EXPECT_EQ(s.patterns, false);
    EXPECT_EQ(s.tints, true);
    EXPECT_EQ(s.selection, true);
    EXPECT_EQ(s.other, false) << "the last of the two wins";
    EXPECT_FALSE(s.gradients);
    EXPECT_FALSE(s.custom);
}

TEST(OptionParsing, WithoutSettingsNothingIsPlayed) {
    ParsedCommandLine parsed = parse({});
    ASSERT_TRUE(parsed.options);
    EXPECT_FALSE(parsed.options->runsSettingsDialog());
    EXPECT_TRUE(parsed.options->menus);
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"--cancel"}, {"--render-dialog", "d.png"}, {"--font", "DejaVu Sans"}}) {
        parsed = parse(args);
        ASSERT_TRUE(parsed.options);
        EXPECT_TRUE(parsed.options->runsSettingsDialog()) << args.front();
    }
}

TEST(OptionParsing, BadValuesAreRefusedNamingTheOption) {
    struct Case {
        std::vector<std::string> args;
        std::string error;
    } cases[] = {
        {{"--gap", "abc"}, "--gap: \"abc\" is not a length (a number, then pt or mm if need be)"},
        {{"--gap", ""}, "--gap: \"\" is not a length"},
        {{"--box-length", "3 px"},
         "--box-length: \"3 px\": unknown unit \"px\" (give pt or mm, or cm, in, pc)"},
        {{"--offset-x", "1,5"}, "--offset-x: \"1,5\" is not a length"},
        {{"--offset-y", "12 pt pt"}, "--offset-y: \"12 pt pt\" is not a length"},
        {{"--box-height", "inf"}, "--box-height: \"inf\" is not a length"},
        {{"--gap", "-0.5"}, "--gap: \"-0.5\": the gap cannot be negative"},
        {{"--text-size", "0.09"}, "--text-size: \"0.09\" is below 0.1 pt, the smallest text size"},
        {{"--text-size", "-12"}, "--text-size: \"-12\" is below 0.1 pt"},
        {{"--font", ""}, "--font: the font name is empty"},
        {{"--render-dialog", "dialog.jpg"}, "--render-dialog: dialog.jpg: the file must end in .svg or .png"},
        {{"--render-dialog", ""}, "--render-dialog: the file name is empty"},
        {{"--prefs", ""}, "--prefs: the file name is empty"},
        {{"--gap"}, "--gap"},
        {{"--gap", "1", "--gap", "2"}, "--gap"},
        {{"--no-cancel"}, "--no-cancel"},
        {{"d.svg", "--place", "left"}, "--place: \"left\" is neither beside nor artboard"},
        {{"--place", "beside"}, "--place needs an INPUT document"},
        {{"d.svg", "--artboard", "0"}, "--artboard: artboards are numbered from 1"},
        {{"d.svg", "--artboard", "two"}, "--artboard"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.front());
        ParsedCommandLine parsed = parse(c.args);
        EXPECT_FALSE(parsed.options);
        EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
    }
}

TEST(OptionParsing, ADocumentsOutputIsNamedOrDerivedAndHasAFormat) {
    struct Case {
        std::vector<std::string> args;
        std::string output;
        std::optional<FileFormat> format; // none: the input's, once it is read
    } cases[] = {
        {{"a.json"}, "a-colors.json", FileFormat::Json},
        {{"dir/a.b.svgz"}, "dir/a.b-colors.svgz", FileFormat::Svgz},
        {{"A.SVG", "-o", "b.PNG"}, "b.PNG", FileFormat::Png},
        {{"a.svg", "--output=b.json"}, "b.json", FileFormat::Json},
        {{"a.json", "-o", "b.svg"}, "b.svg", FileFormat::Svg},
        {{"a.svgz", "--in-place"}, "a.svgz", FileFormat::Svgz},
        {{"a.svg", "--format", "png"}, "a-colors.png", FileFormat::Png},
        {{"a.svg", "--output-dir", ".", "--format", "svgz"}, "./a-colors.svgz", FileFormat::Svgz},
        {{"a.svg", "-o", "-"}, "-", std::nullopt},
        {{"-", "-o", "-", "--format", "png"}, "-", FileFormat::Png},
        {{"a.svg", "-o", "b", "--format", "json"}, "b", FileFormat::Json},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        ParsedCommandLine parsed = parse(c.args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        ASSERT_EQ(parsed.options->documents.size(), 1u);
        EXPECT_EQ(parsed.options->documents[0].output, c.output);
        EXPECT_EQ(parsed.options->documents[0].outputFormat, c.format);
        EXPECT_TRUE(parsed.options->runsSettingsDialog()) << "a document's chart is built through OK";
        EXPECT_FALSE(parsed.options->menus);
    }
}

TEST(OptionParsing, SelectingElementsTicksSelection) {
    ParsedCommandLine parsed = parse({"a.svg", "--select", "#logo, .brand path"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    ASSERT_EQ(parsed.options->documents.size(), 1u);
    EXPECT_EQ(parsed.options->documents[0].select, "#logo, .brand path");
    EXPECT_EQ(parsed.options->settings.selection, true);
}

TEST(OptionParsing, DocumentOptionsThatCannotWorkAreRefused) {
    vyn::test::TempFolder folder;
    const auto at = [&](const char *name) { return (folder / name).string(); };
    std::ofstream(folder / "in.json") << "{}";
    std::filesystem::create_symlink("in.json", folder / "link.json");
    std::filesystem::create_hard_link(folder / "in.json", folder / "hard.json");
    std::filesystem::create_symlink("in.json", folder / "in-colors.json");
    struct Case {
        std::vector<std::string> args;
        std::string error;
    } cases[] = {
        {{"a.json", "-o", "b.txt"}, "--output: b.txt: the file must end in .json, .svg, .svgz or .png"},
        {{"a.json", "-o", "b"}, "--output: b: the file must end in"},
        {{"a.json", "-o", ""}, "--output: the file name is empty"},
        {{"a.json", "-o", "b.svgz"}, "--output: b.svgz: a JSON document is drawn as .svg or .png"},
        {{"a.json", "-o", "b.json", "--in-place"}, "--in-place and --output exclude each other"},
        {{"a.json", "--select", "#x"}, "--select: only an SVG document has elements to select"},
        {{"a.svg", "--select", ""}, "--select: the selector is empty"},
        {{"a.svg", "--select", ".x", "--no-selection"}, "--select ticks \"Selection\""},
        {{"a.txt"}, "a.txt: the document must end in .json, .svg or .svgz"},
        {{"a.png"}, "a.png: the document must end in .json, .svg or .svgz"},
        {{"a.json", "b.json", "-o", "c.json"}, "--output names one file"},
        {{"-o", "b.json"}, "--output needs an INPUT document"},
        {{"--in-place"}, "--in-place needs an INPUT document"},
        {{"--json"}, "--json needs an INPUT document"},
        {{"--select", ".x"}, "--select needs an INPUT document"},
        // The input is never the output unless --in-place says so.
        {{at("in.json"), "-o", at("in.json")}, "in.json: this is the input itself (--in-place rewrites"},
        {{at("in.json"), "-o", at("link.json")}, "link.json: this is the input itself"},
        {{at("in.json"), "-o", at("hard.json")}, "hard.json: this is the input itself"},
        {{at("link.json"), "-o", (folder.path() / "." / "in.json").string()}, "this is the input itself"},
        {{at("in.json")}, "the output " + at("in-colors.json") + ": this is the input itself"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        ParsedCommandLine parsed = parse(c.args);
        EXPECT_FALSE(parsed.options);
        EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
    }
}

TEST(OptionParsing, PalettesAreKnownByTheirExtensionEachGivenOnce) {
    ParsedCommandLine parsed = parse({"--palette", "a.gpl", "in.json", "--palette=b.ASE", "--palette", "c.css",
                                      "--palette", "dir/d.csv"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    ASSERT_EQ(parsed.options->documents.size(), 1u);
    EXPECT_EQ(parsed.options->documents[0].input, "in.json") << "--palette takes one name";
    EXPECT_EQ(parsed.options->documents[0].palettes,
              (std::vector<std::filesystem::path>{"a.gpl", "b.ASE", "c.css", "dir/d.csv"}));
    struct Case {
        std::vector<std::string> args;
        std::string error;
    } cases[] = {
        {{"a.json", "--palette", "p.txt"}, "--palette: p.txt: the file must end in .gpl, .ase, .css or .csv"},
        {{"a.json", "--palette", "gpl"}, "--palette: gpl: the file must end in"},
        {{"a.json", "--palette", ""}, "--palette: the file name is empty"},
        {{"a.json", "--palette", "p.gpl", "--palette", "x/../p.gpl"}, "--palette: x/../p.gpl is given twice"},
        {{"--palette", "p.gpl"}, "--palette needs an INPUT document"},
        {{"a.json", "--palette"}, "--palette"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.back());
        ParsedCommandLine parsed = parse(c.args);
        EXPECT_FALSE(parsed.options);
        EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
    }
}

} // namespace
} // namespace vyn::app
