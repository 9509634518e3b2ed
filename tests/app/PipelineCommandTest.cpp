// The vyncolors command in pipelines and builds: standard input and
// output, several documents in one run, listing without writing, and how
// much it says.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "VyncolorsRun.h"
#include "document/JsonDocumentReader.h"

namespace fs = std::filesystem;

namespace {

using vyn::test::Outcome;
using vyn::test::readFile;
using vyn::test::saidSomething;

const fs::path kExamples = fs::path(VYN_SOURCE_DIR) / "examples";

std::string quoted(const fs::path &file) { return "'" + file.string() + "'"; }

class PipelineTest : public vyn::test::VyncolorsTest {
  protected:
    void SetUp() override {
        fs::copy_file(kExamples / "illustration.svg", svg);
        fs::copy_file(kExamples / "every-paint.json", json);
    }

    // A run that reads and stores no preferences of the person testing.
    Outcome vyncolors(const std::string &args) { return run("--prefs " + quoted(dir / "prefs.json") + " " + args); }

    const fs::path svg = dir / "poster.svg";
    const fs::path json = dir / "drawing.json";
};

TEST_F(PipelineTest, StandardInputAndOutputStandForFiles) {
    Outcome toFile = vyncolors(quoted(svg) + " -o " + quoted(dir / "chart.svg"));
    ASSERT_EQ(toFile.status, 0) << toFile.err;

    Outcome piped = vyncolors("- -o - < " + quoted(svg));
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, readFile(dir / "chart.svg")) << "the same bytes as the file, and nothing else";
    EXPECT_EQ(saidSomething(piped.err), "");

    Outcome listed = vyncolors("--list - < " + quoted(svg));
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, toFile.out) << "the rows, told SVG by its first bytes";

    Outcome document = vyncolors("- -o - < " + quoted(json));
    EXPECT_EQ(document.status, 0) << document.err;
    EXPECT_TRUE(vyn::host::readJsonDocument(document.out).document) << "a JSON input gives a JSON document";

    struct Case {
        const char *format, *magic;
    } cases[] = {{"png", "\x89PNG"}, {"svgz", "\x1f\x8b"}, {"svg", "<?xm"}};
    for (const auto &c : cases) {
        Outcome o = vyncolors(std::string("--format ") + c.format + " - -o - < " + quoted(svg));
        EXPECT_EQ(o.status, 0) << c.format << "\n" << o.err;
        EXPECT_EQ(o.out.substr(0, std::string(c.magic).size()), c.magic) << c.format;
    }
    EXPECT_EQ(files(), (std::set<std::string>{"chart.svg", "drawing.json", "poster.svg"}));

    const std::string full = "'" VYNCOLORS_EXE "' --prefs " + quoted(dir / "prefs.json") + " - -o - < " +
                             quoted(svg) + " >/dev/full 2>" + quoted(dir / "full.err");
    const int raw = std::system(full.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
    EXPECT_NE(readFile(dir / "full.err").find("cannot write standard output: No space left on device"),
              std::string::npos)
        << readFile(dir / "full.err");
}

TEST_F(PipelineTest, StreamAndBatchMisuseIsBadUsage) {
    fs::create_directory(dir / "sub");
    fs::copy_file(svg, dir / "sub" / "poster.svg");
    const std::string two = quoted(svg) + " " + quoted(json);
    struct Case {
        std::string args, says;
    } cases[] = {
        {"-", "standard input has no name to write beside"},
        {"- - -o -", "standard input (-) can be read only once"},
        {two + " -o x.svg", "--output names one file: with several inputs give --output-dir DIR"},
        {two + " --render-dialog d.svg", "--render-dialog draws one picture"},
        {"--list " + quoted(json) + " -o x.json", "--list writes nothing: it cannot go with --output"},
        {"--list " + quoted(json) + " --save-settings", "--list writes nothing: it cannot go with --save-settings"},
        {quoted(json) + " -o - --json", "--json: standard output carries the document"},
        {quoted(svg) + " --format gif", "--format: \"gif\" is none of svg, svgz, json, png"},
        {quoted(svg) + " -o x.svg --format png", "--output: x.svg: the name says another format than --format png"},
        {quoted(json) + " -o - --format svgz", "--format svgz: a JSON document is drawn as .svg or .png"},
        {quoted(svg) + " --quiet --verbose", "--quiet and --verbose exclude each other"},
        {two + " -j 0", "--jobs: give from 1 to 1024 processes"},
        {quoted(svg) + " --output-dir /no/such/folder", "--output-dir: /no/such/folder: not a folder"},
        {quoted(svg) + " " + quoted(dir / "sub" / "poster.svg") + " --output-dir " + quoted(dir),
         "would both be written to"},
        {quoted(svg) + " --in-place --format svgz", "--in-place rewrites the input in its own format"},
    };
    for (const auto &c : cases) {
        Outcome o = vyncolors(c.args);
        EXPECT_EQ(o.status, 2) << c.args;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << c.args << "\n" << o.err;
        EXPECT_EQ(o.out, "") << c.args;
    }
    // What only the bytes tell is refused once they are read.
    Outcome o = vyncolors("--format svgz - -o - < " + quoted(json));
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("vyncolors: <stdin>: --format svgz: a JSON document is drawn as .svg or .png"),
              std::string::npos)
        << o.err;
    EXPECT_EQ(o.out, "");
}

TEST_F(PipelineTest, ListPrintsTheRowsAndWritesNothing) {
    std::ofstream(dir / "prefs.json") << "{}";
    const std::set<std::string> before = files();
    Outcome built = vyncolors("--gap 5 " + quoted(json) + " -o " + quoted(dir / "built.json"));
    ASSERT_EQ(built.status, 0) << built.err;
    fs::remove(dir / "built.json");

    Outcome listed = vyncolors("--list --gap 5 " + quoted(json));
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, built.out);
    EXPECT_EQ(files(), before) << "no document, no picture";
    EXPECT_EQ(readFile(dir / "prefs.json"), "{}") << "no preferences";
}

TEST_F(PipelineTest, SeveralDocumentsGoOnAfterOneFailsTheSameForEveryJobCount) {
    std::ofstream(dir / "broken.svg") << "<svg xmlns='http://www.w3.org/2000/svg'><rect";
    const std::string inputs = quoted(json) + " " + quoted(dir / "broken.svg") + " " + quoted(svg);
    Outcome one = vyncolors("-j 1 " + inputs);
    EXPECT_EQ(one.status, 2) << "the worst of them";
    EXPECT_TRUE(fs::exists(dir / "drawing-colors.json"));
    EXPECT_TRUE(fs::exists(dir / "poster-colors.svg")) << "the file after the broken one is charted too";
    EXPECT_FALSE(fs::exists(dir / "broken-colors.svg"));
    EXPECT_EQ(one.out.rfind(json.string() + ":\n", 0), 0u) << one.out;
    EXPECT_NE(one.out.find("\n\n" + svg.string() + ":\n"), std::string::npos) << one.out;
    EXPECT_EQ(one.out.find("broken.svg"), std::string::npos) << "a failed file has no rows";
    EXPECT_NE(one.err.find((dir / "broken.svg").string() + ":1:"), std::string::npos) << one.err;
    EXPECT_NE(one.err.find("vyncolors: 3 files: 2 charted, 1 failed\n"), std::string::npos) << one.err;

    for (const char *jobs : {"-j 3", "-j 2"}) {
        Outcome many = vyncolors(std::string(jobs) + " " + inputs);
        EXPECT_EQ(many.status, one.status) << jobs;
        EXPECT_EQ(many.out, one.out) << jobs;
        EXPECT_EQ(many.err, one.err) << jobs;
    }

    Outcome rows = vyncolors("--list --json " + inputs);
    const auto all = nlohmann::json::parse(rows.out, nullptr, false);
    ASSERT_TRUE(all.is_array()) << rows.out;
    EXPECT_EQ(all.size(), 2u) << "one JSON document a file that was read";
}

// One palette of a batch holds every document's rows, a paint once, its
// uses summed over the documents.
TEST_F(PipelineTest, APaletteOfSeveralDocumentsHoldsEachPaintOnce) {
    fs::copy_file(svg, dir / "copy.svg");
    fs::create_directory(dir / "charts");
    Outcome one = vyncolors(quoted(svg) + " --list --json");
    ASSERT_EQ(one.status, 0) << one.err;
    Outcome both = vyncolors(quoted(svg) + " " + quoted(dir / "copy.svg") + " --output-dir " +
                             quoted(dir / "charts") + " --palette " + quoted(dir / "all.csv"));
    ASSERT_EQ(both.status, 0) << both.err;
    const auto rows = nlohmann::json::parse(one.out)["rows"];
    std::istringstream csv(readFile(dir / "all.csv"));
    std::string header, line;
    std::getline(csv, header);
    ASSERT_EQ(header.substr(0, 11), "label,kind,");
    std::size_t count = 0;
    for (; std::getline(csv, line); ++count) {
        ASSERT_LT(count, rows.size()) << line;
        const std::string total = std::to_string(2 * rows[count]["uses"]["total"].get<std::size_t>());
        EXPECT_NE(line.find("," + total + ","), std::string::npos) << line << " uses " << total;
    }
    EXPECT_EQ(count, rows.size());
}

TEST_F(PipelineTest, OutputDirAndFormatNameEachOutput) {
    fs::create_directory(dir / "charts");
    Outcome o = vyncolors("--output-dir " + quoted(dir / "charts") + " --format png " + quoted(svg) + " " +
                          quoted(json));
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(readFile(dir / "charts" / "poster-colors.png").substr(0, 4), "\x89PNG");
    EXPECT_EQ(readFile(dir / "charts" / "drawing-colors.png").substr(0, 4), "\x89PNG");
    EXPECT_EQ(files(), (std::set<std::string>{"charts", "drawing.json", "poster.svg"}));
}

// The name of the output, not the form of the input, says whether SVG is
// compressed; a file rewritten in place keeps its form.
TEST_F(PipelineTest, CompressionFollowsTheOutputsName) {
    ASSERT_EQ(std::system(("gzip -c " + quoted(svg) + " > " + quoted(dir / "poster.svgz")).c_str()), 0);
    fs::copy_file(dir / "poster.svgz", dir / "packed.svg");
    struct Case {
        std::string args;
        fs::path written;
        bool gzip;
    } cases[] = {
        {quoted(dir / "poster.svgz") + " -o " + quoted(dir / "plain.svg"), dir / "plain.svg", false},
        {quoted(dir / "poster.svgz"), dir / "poster-colors.svgz", true},
        {quoted(svg) + " -o " + quoted(dir / "packed.svgz"), dir / "packed.svgz", true},
        {"--in-place " + quoted(dir / "packed.svg"), dir / "packed.svg", true},
    };
    for (const auto &c : cases) {
        Outcome o = vyncolors(c.args);
        EXPECT_EQ(o.status, 0) << c.args << "\n" << o.err;
        EXPECT_EQ(readFile(c.written).substr(0, 2) == "\x1f\x8b", c.gzip) << c.args;
    }
}

TEST_F(PipelineTest, QuietSaysOnlyAlertsAndErrorsAndVerboseSaysWhatWasWritten) {
    // A box smaller than the text is held at the text size, with a warning.
    const std::string warns = "--text-size 20 --box-length 5 " + quoted(json);
    Outcome normal = vyncolors(warns);
    EXPECT_EQ(normal.status, 0) << normal.err;
    EXPECT_NE(normal.err.find("warning: --box-length"), std::string::npos) << normal.err;

    Outcome quiet = vyncolors("--quiet " + warns);
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.out, "");
    EXPECT_EQ(saidSomething(quiet.err), "");
    EXPECT_EQ(quiet.err.find("warning"), std::string::npos) << quiet.err;
    EXPECT_EQ(vyncolors("--quiet --list " + quoted(svg)).out, vyncolors("--list " + quoted(svg)).out)
        << "rows asked for are printed";

    Outcome verbose = vyncolors("--verbose " + quoted(json));
    EXPECT_NE(verbose.err.find("charted into " + (dir / "drawing-colors.json").string()), std::string::npos)
        << verbose.err;
}

} // namespace
