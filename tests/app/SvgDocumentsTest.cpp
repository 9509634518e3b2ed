// The command on SVG files: the chart rows of every fixture of the corpus,
// the output as the input with only the chart added (and a second run
// replacing the first chart), selection by CSS selector, compressed files,
// and files refused whole with nothing written.
#include <gtest/gtest.h>

#include <zlib.h>

#include <fstream>

#include "CommandLine.h"
#include "chart/ChartPlacement.h"
#include "chart/ChartRows.h"
#include "svg/SvgDocumentReader.h"
#include "app/InProcessRun.h"
#include "Run.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

namespace vyn::app {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = VYN_SOURCE_DIR;
const fs::path kFixtures = kSource / "tests" / "fixtures" / "svg";

using Outcome = test::RunOutcome;

class SvgDocuments : public ::testing::Test {
  protected:
    // Every kind sought, tints apart, the whole document, unless `args` say
    // otherwise.
    Outcome run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--prefs", (folder / "prefs.json").string(), "--patterns", "--gradients",
                                   "--custom", "--tints", "--other"});
        return test::runArguments(std::move(args));
    }

    fs::path copy(const fs::path &from, const std::string &name) {
        fs::copy_file(from, folder / name, fs::copy_options::overwrite_existing);
        return folder / name;
    }

    vyn::test::TempFolder folder;
};

TEST_F(SvgDocuments, EachFixtureGivesItsRows) {
    struct Case {
        const char *file;
        const char *rows;
    };
    const Case cases[] = {
        {"cascade/rules.svg", "R=16 G=0 B=0\nR=32 G=0 B=0\nR=48 G=0 B=0\nR=64 G=0 B=0\nR=80 G=0 B=0\n"
                              "R=96 G=0 B=0\nR=128 G=0 B=0\nR=192 G=0 B=0\nR=144 G=0 B=0\nR=176 G=0 B=0\n"
                              "R=160 G=0 B=0\n"},
        {"cascade/hostile.svg", "R=0 G=0 B=255\nR=255 G=128 B=0\nR=0 G=0 B=0\n"},
        {"chart/earlier-chart.svg", "R=255 G=0 B=0\nR=0 G=0 B=0\n"},
        {"gradients/gradients.svg",
         "Gradient Linear base\nGradient Linear user\nGradient Linear turned\n"
         "Gradient Linear skewed\nGradient Radial radial\nR=0 G=255 B=0\nPattern dots\n"},
        {"hidden/hidden-locked.svg", "R=0 G=0 B=0\n"},
        {"paint/colour-syntax.svg",
         "R=255 G=0 B=0\nR=0 G=255 B=0\nR=0 G=0 B=255\nR=255 G=128 B=0\n"
         "R=255 G=0 B=128\nR=0 G=128 B=128\nR=102 G=51 B=153\nC=10 M=20 Y=30 K=40\n"
         "C=0 M=50 Y=100 K=0\n"},
        {"paint/inheritance.svg",
         "R=0 G=128 B=0\nR=0 G=0 B=255\nR=255 G=255 B=0\nR=0 G=255 B=0\nR=255 G=0 B=0\n"},
        {"paint/malformed.svg", "R=255 G=0 B=0\nR=0 G=0 B=255\nR=0 G=0 B=0\nR=0 G=128 B=0\n"},
        {"structure/geometry.svg", "R=0 G=0 B=0\n"},
        {"structure/layers.svg",
         "R=0 G=128 B=0\nR=0 G=0 B=255\nR=238 G=238 B=238\nR=255 G=0 B=0\nR=0 G=0 B=0\n"},
        {"structure/not-art.svg", "R=0 G=0 B=0\n"},
        // Black once: the even-odd fills are the same paint.
        {"structure/shapes.svg", "R=0 G=0 B=0\n"},
        {"structure/size-units.svg", "R=0 G=0 B=0\n"},
        {"text/text.svg", "R=0 G=0 B=128\nR=255 G=0 B=0\nR=0 G=0 B=255\nR=128 G=0 B=128\n"},
        {"use/use.svg", "R=255 G=165 B=0\nR=255 G=0 B=0\nR=0 G=0 B=0\nR=0 G=128 B=128\n"},
        {"use/budget.svg", "R=0 G=0 B=0\n"},
    };
    for (const auto &c : cases) {
        const fs::path input = copy(kFixtures / c.file, "in.svg");
        Outcome o = run({input.string(), "-o", (folder / "out.svg").string()});
        EXPECT_EQ(o.status, 0) << c.file << "\n" << o.err;
        EXPECT_EQ(o.out, c.rows) << c.file;
    }
}

// Placed on the drawing's artboard, the output is the input with one block
// added before the root's end tag: the chart layer. A second run over the
// output replaces that layer, and gives the same bytes.
TEST_F(SvgDocuments, OnlyTheChartIsAddedAndASecondRunReplacesIt) {
    const fs::path input = copy(kSource / "examples" / "illustration.svg", "poster.svg");
    const std::string original = vyn::test::readFile(input);
    Outcome first = run({input.string(), "--place", "artboard"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(vyn::test::readFile(input), original) << "the input is left alone";
    const std::string once = vyn::test::readFile(folder / "poster-colors.svg");

    const std::size_t end = original.rfind("</svg>");
    ASSERT_TRUE(once.starts_with(original.substr(0, end)));
    ASSERT_TRUE(once.ends_with(original.substr(end)));
    const std::string added = once.substr(end, once.size() - original.size());
    EXPECT_TRUE(added.starts_with("  <g ")) << added.substr(0, 80);
    EXPECT_NE(added.find(R"(inkscape:label="Vyn•Colors")"), std::string::npos);
    EXPECT_NE(added.find(R"(vyn:tag-VYNCOL="jj")"), std::string::npos);

    const fs::path again = copy(folder / "poster-colors.svg", "again.svg");
    Outcome second = run({again.string(), "--in-place", "--place", "artboard"});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, first.out) << "the old chart's boxes are no paints of the drawing";
    EXPECT_EQ(vyn::test::readFile(again), once);
}

// The chart carries its presentation in !important style, so the file's own
// rules, however strong, neither restyle nor hide it, and the next run finds
// its chart as it wrote it.
TEST_F(SvgDocuments, TheFilesStyleSheetNeitherRestylesNorHidesTheChart) {
    const fs::path input = copy(kFixtures / "cascade" / "hostile.svg", "hostile.svg");
    const fs::path output = folder / "out.svg";
    Outcome first = run({input.string(), "-o", output.string()});
    ASSERT_EQ(first.status, 0) << first.err;

    host::svg::SvgDocumentRead read = host::svg::readSvgDocumentFile(output, {.select = "", .chart = svgChartMarks()});
    ASSERT_TRUE(read.document) << read.errorMessage();
    const host::Document &document = *read.document;
    const std::vector<ChartRow> rows = chartRows(document);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].paint, host::Paint{(host::RgbPaint{0, 0, 1})}) << "not the rule's green";
    EXPECT_EQ(rows[0].label, "R=0 G=0 B=255");
    for (const host::Layer &layer : document.layers())
        if (layer.title == kChartLayerTitle) {
            EXPECT_TRUE(layer.visible) << "g { display: none } does not hide it";
        }
    for (const ChartRow &row : rows) {
        const host::Art &box = *document.art(row.box);
        EXPECT_EQ(box.attributes & host::kHidden, 0u) << row.label;
        EXPECT_EQ(box.path()->style.stroke.width, 1.0f) << row.label;
        EXPECT_EQ(box.path()->style.stroke.dash.count, 0) << row.label;
        const host::Art &label = *document.art(row.labelFrame);
        EXPECT_EQ(label.attributes & host::kHidden, 0u) << row.label;
        const host::CharFeatures &run = label.textFrame()->story.runs.at(0).features;
        EXPECT_EQ(run.fill, host::Paint{(host::RgbPaint{0, 0, 0})}) << "not the rule's lime";
        EXPECT_NE(run.size, 40.0f);
    }

    const std::string once = vyn::test::readFile(output);
    Outcome second = run({output.string(), "--in-place"});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, first.out);
    EXPECT_EQ(vyn::test::readFile(output), once) << "a run on the output gives the same bytes";
}

// Beside the artwork (the default), the root grows to cover the artwork and
// the chart's page, in the file's own units, and the chart layer records
// the first size: a second run gives the same bytes, and a run placed on
// the artboard gives back the first size.
TEST_F(SvgDocuments, BesideTheArtworkTheRootCoversBothAndASecondRunRestoresItFirst) {
    const fs::path input = copy(kSource / "examples" / "illustration.svg", "poster.svg");
    ASSERT_EQ(run({input.string(), "-o", (folder / "beside.svg").string()}).status, 0);
    const std::string beside = vyn::test::readFile(folder / "beside.svg");
    host::svg::SvgDocumentRead read =
        host::svg::readSvgDocumentFile(folder / "beside.svg", {.select = "", .chart = svgChartMarks()});
    ASSERT_TRUE(read.document) << read.errorMessage();
    EXPECT_EQ(read.source.rootSize.viewBox, "0 0 595.28 841.89") << "the first size, from the record";
    EXPECT_EQ(read.source.rootSize.width, "210mm");
    const std::size_t root = beside.find("<svg");
    const std::string rootTag = beside.substr(root, beside.find('>', root) - root);
    EXPECT_NE(rootTag.find(R"(height="297mm")"), std::string::npos) << rootTag;
    EXPECT_EQ(rootTag.find(R"(width="210mm")"), std::string::npos) << "wider, in mm still: " << rootTag;
    EXPECT_NE(rootTag.find("mm\""), std::string::npos) << rootTag;
    const std::optional<host::Rect> chart = chartBounds(*read.document);
    ASSERT_TRUE(chart);
    EXPECT_GE(chart->left, 595.28f) << "the chart lies right of the artwork";
    EXPECT_NE(beside.find(R"(vyn:tag-VYNCOL="ground")"), std::string::npos) << "the chart's page is white";

    ASSERT_EQ(run({(folder / "beside.svg").string(), "-o", (folder / "again.svg").string()}).status, 0);
    EXPECT_EQ(vyn::test::readFile(folder / "again.svg"), beside);
    ASSERT_EQ(run({(folder / "beside.svg").string(), "--place", "artboard", "-o", (folder / "back.svg").string()})
                  .status,
              0);
    ASSERT_EQ(run({input.string(), "--place", "artboard", "-o", (folder / "plain.svg").string()}).status, 0);
    EXPECT_EQ(vyn::test::readFile(folder / "back.svg"), vyn::test::readFile(folder / "plain.svg"));
}

// The width and height a PNG's header gives.
std::pair<unsigned, unsigned> pngSize(const std::string &png) {
    auto word = [&](std::size_t at) {
        return unsigned(static_cast<unsigned char>(png.at(at))) << 24 |
               unsigned(static_cast<unsigned char>(png.at(at + 1))) << 16 |
               unsigned(static_cast<unsigned char>(png.at(at + 2))) << 8 | static_cast<unsigned char>(png.at(at + 3));
    };
    return {word(16), word(20)};
}

// An SVG input's picture is the SVG it would be written as, drawn by
// librsvg, at --dpi pixels an inch of its page; one past the size limit is
// refused and nothing is written.
TEST_F(SvgDocuments, ThePictureIsTheWrittenFileAtItsResolutionWithinTheLimit) {
    const fs::path input = copy(kSource / "examples" / "illustration.svg", "poster.svg");
    Outcome o = run({input.string(), "--dpi", "72", "-o", (folder / "poster.png").string()});
    ASSERT_EQ(o.status, 0) << o.err;
    // The page and the chart's beside it: 855.12 x 841.89 points.
    EXPECT_EQ(pngSize(vyn::test::readFile(folder / "poster.png")), std::make_pair(856u, 842u));

    o = run({input.string(), "--width", "600", "-o", (folder / "narrow.png").string()});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(pngSize(vyn::test::readFile(folder / "narrow.png")).first, 600u);

    o = run({input.string(), "--dpi", "9000", "-o", (folder / "huge.png").string()});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("past the limit of 16384 pixels a side"), std::string::npos) << o.err;
    EXPECT_FALSE(fs::exists(folder / "huge.png"));
    o = run({input.string(), "--dpi", "72", "-o", (folder / "out.svg").string()});
    EXPECT_NE(o.err.find("--dpi: only a .png output has a resolution"), std::string::npos) << o.err;
}

TEST_F(SvgDocuments, ASelectorChartsOnlyWhatItSelects) {
    const fs::path input = copy(kSource / "examples" / "illustration.svg", "poster.svg");
    Outcome o = run({input.string(), "--select", ".sail", "-o", (folder / "out.svg").string()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "R=244 G=239 B=225\nR=43 G=26 B=18\n");
    o = run({input.string(), "--select", "#no-such-id", "-o", (folder / "out.svg").string()});
    EXPECT_EQ(o.status, 1) << "nothing selected: the plug-in says so";
    EXPECT_NE(o.err.find("You must first select paths."), std::string::npos) << o.err;
}

std::string gunzip(const fs::path &file) {
    gzFile in = gzopen(file.c_str(), "rb");
    std::string text;
    char buffer[4096];
    for (int n; in && (n = gzread(in, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    if (in) gzclose(in);
    return text;
}

TEST_F(SvgDocuments, ACompressedDrawingIsWrittenBackCompressed) {
    const std::string original = vyn::test::readFile(kSource / "examples" / "illustration.svg");
    gzFile out = gzopen((folder / "poster.svgz").c_str(), "wb");
    gzwrite(out, original.data(), static_cast<unsigned>(original.size()));
    gzclose(out);
    Outcome o = run({(folder / "poster.svgz").string(), "--place", "artboard"});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string written = gunzip(folder / "poster-colors.svgz");
    EXPECT_TRUE(written.starts_with(original.substr(0, original.rfind("</svg>"))));
    EXPECT_NE(written.find("Vyn•Colors"), std::string::npos);
}

// The deepest drawing the reader takes goes through every writer and back:
// no walk of the groups recurses past what the stack holds (the sanitizers'
// frames are large). librsvg draws no SVG nested past 256 levels; that
// picture is refused with its reason.
TEST_F(SvgDocuments, TheDeepestDrawingTheReaderTakesGoesThroughEveryWriter) {
    std::string text = R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)";
    for (int level = 0; level < 399; ++level)
        text += "<g>";
    text += R"(<rect width="5" height="5" fill="red"/>)";
    for (int level = 0; level < 399; ++level)
        text += "</g>";
    text += "</svg>";
    std::ofstream(folder / "deep.svg") << text;
    for (const char *output : {"deep-colors.svg", "deep.json"}) {
        Outcome o = run({(folder / "deep.svg").string(), "-o", (folder / output).string()});
        EXPECT_EQ(o.status, 0) << output << "\n" << o.err;
        EXPECT_EQ(o.out, "R=255 G=0 B=0\n") << output;
    }
    Outcome again = run({(folder / "deep.json").string(), "-o", (folder / "again.svg").string()});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(host::svg::readSvgDocumentFile(folder / "again.svg").document);
    Outcome picture = run({(folder / "deep.json").string(), "-o", (folder / "deep.png").string()});
    EXPECT_EQ(picture.status, 2);
    EXPECT_NE(picture.err.find("Excessive depth"), std::string::npos) << picture.err;
}

TEST_F(SvgDocuments, AnUnusableFileIsRefusedWholeWithItsPlace) {
    const char *const bad[] = {"bad/deep.svg",    "bad/empty.svg",     "bad/latin1.svg", "bad/not-svg.svg",
                               "bad/not-xml.svg", "bad/truncated.svg", "use/bomb.svg",   "use/cycle.svg"};
    for (const char *file : bad) {
        const fs::path input = copy(kFixtures / file, "bad.svg");
        Outcome o = run({input.string(), "-o", (folder / "out.svg").string()});
        EXPECT_EQ(o.status, 2) << file;
        EXPECT_NE(o.err.find(input.string() + ":"), std::string::npos) << file << "\n" << o.err;
        EXPECT_NE(o.err.find("error: "), std::string::npos) << file << "\n" << o.err;
        EXPECT_EQ(o.out, "") << file;
        EXPECT_FALSE(fs::exists(folder / "out.svg")) << file;
    }
}

} // namespace
} // namespace vyn::app
