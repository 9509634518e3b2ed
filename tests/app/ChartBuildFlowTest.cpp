// What the command does with the chart OK builds: the rows printed, the
// alert or beep that stops a build, the document written only after a
// clean build. The real plug-in builds the chart, in the same process.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>

#include "memory/BlockAllocator.h"
#include "chart/ChartPlacement.h"
#include "chart/ChartRows.h"
#include "CommandLine.h"
#include "gate/FaultPlan.h"
#include "Host.h"
#include "Run.h"
#include "app/InProcessRun.h"
#include "document/JsonDocumentReader.h"
#include "model/Document.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

namespace vyn::app {
namespace {

using namespace vyn::host;
namespace fs = std::filesystem;

std::string documentWith(const std::string &layers) {
    return R"({"format": "vyncolors-document", "version": 1,
      "artboards": [{"name": "A", "bounds": [0, 800, 600, 0]}],
      "layers": [)" +
           layers + "]}";
}

std::string square(const std::string &paint, const std::string &extra = "") {
    return R"({"type": "path", "closed": true, )" + extra +
           R"("segments": [{"anchor": [10, 790]}, {"anchor": [60, 790]}, {"anchor": [60, 740]}, {"anchor": [10, 740]}],
              "style": {"fill": {"paint": )" +
           paint + R"(}, "stroke": {"painted": false}}})";
}

const std::string kTwoPaints = documentWith(R"({"title": "Art", "art": [)" + square(R"({"gray": 0.5})") +
                                            "," + square(R"({"rgb": [1, 0, 0]})") + "]}");

enum class Trouble { None, OutOfMemoryAfterRowZero };

using Outcome = app::test::RunOutcome;

class ChartBuildFlow : public ::testing::Test {
  protected:
    Outcome run(const std::string &document, std::vector<std::string> args, Trouble trouble = Trouble::None) {
        std::ofstream(input, std::ios::trunc) << document;
        args.insert(args.begin(), {"--prefs", (folder / "prefs.json").string(), input.string()});
        return app::test::runArguments(std::move(args), [trouble](Host &host) {
            if (trouble != Trouble::OutOfMemoryAfterRowZero) return;
            // The build's query for the art to examine comes once its head
            // entry and index are made: from there, no more memory.
            host.faults().failNthCall(INT_MAX, 0,
                                      [&host, queries = 0](const char *suite, const char *operation) mutable {
                                          if (std::string(suite) == "AI Matching Art Suite" &&
                                              std::string(operation) == "GetMatchingArt" && ++queries == 2)
                                              host.blocks().failAfter(0);
                                          return false;
                                      });
        });
    }

    void SetUp() override { std::ofstream(output) << "old"; }

    vyn::test::TempFolder folder;
    const fs::path input = folder / "drawing.json";
    const fs::path output = folder / "out.json";
};

TEST_F(ChartBuildFlow, TheNewChartsRowsArePrintedAndTheDocumentWritten) {
    Outcome o = run(kTwoPaints, {"-o", output.string()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "Gray=50 %\nR=255 G=0 B=0\n");
    JsonDocumentFileRead written = readJsonDocumentFile(output);
    ASSERT_TRUE(written.document) << written.error.message(output.string(), written.text);
    ASSERT_EQ(chartRows(*written.document).size(), 2u) << "the document is written with its chart";
    EXPECT_EQ(vyn::test::readFile(input), kTwoPaints) << "the input is left alone";

    o = run(kTwoPaints, {"-o", output.string(), "--json"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.substr(0, 1), "{");
    EXPECT_NE(o.out.find("\"kind\": \"rgb\""), std::string::npos) << o.out;
}

// Each run takes the earlier chart's rows away and leaves their group empty;
// the empty group is not written, so runs over a run's output do not pile
// groups up in the chart layer.
TEST_F(ChartBuildFlow, RunsOverARunsOutputKeepOneChartGroup) {
    std::string document = kTwoPaints;
    for (int runs = 0; runs < 3; ++runs) {
        Outcome o = run(document, {"-o", output.string()});
        ASSERT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.out, "Gray=50 %\nR=255 G=0 B=0\n") << "run " << runs;
        document = vyn::test::readFile(output);
    }
    JsonDocumentFileRead written = readJsonDocumentFile(output);
    ASSERT_TRUE(written.document) << written.error.message(output.string(), written.text);
    for (const Layer &layer : written.document->layers())
        if (layer.title == kChartLayerTitle) {
            EXPECT_EQ(written.document->art(layer.group)->group()->children.size(), 1u);
        }
    EXPECT_EQ(chartRows(*written.document).size(), 2u);
}

// Placed on a small artboard, rows past its bottom are counted in a warning;
// an artboard the document does not have is refused before anything runs.
TEST_F(ChartBuildFlow, OnTheArtboardRowsPastItAreCountedAndAMissingArtboardIsRefused) {
    const std::string small = R"({"format": "vyncolors-document", "version": 1,
      "artboards": [{"name": "Icon", "bounds": [0, 16, 16, 0]}],
      "layers": [{"title": "Art", "art": [)" +
                              square(R"({"gray": 0.5})") + "," + square(R"({"rgb": [1, 0, 0]})") + "]}]}";
    Outcome o = run(small, {"-o", output.string(), "--place", "artboard"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.err.find("warning: 2 of 2 rows lie below the artboard"), std::string::npos) << o.err;
    o = run(small, {"-o", output.string()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err.find("lie below"), std::string::npos) << "beside, the chart has its own page: " << o.err;
    std::ofstream(output, std::ios::trunc) << "old";
    o = run(small, {"-o", output.string(), "--artboard", "2"});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("--artboard 2: the document has 1 artboard"), std::string::npos) << o.err;
    EXPECT_EQ(vyn::test::readFile(output), "old") << "nothing written";
}

// Beside the artwork with several artboards: the chart's page lies right of
// every one, at the active one's top, and the drawing's artboard is active
// again in the output; --artboard chooses which one is the drawing's.
TEST_F(ChartBuildFlow, BesideSeveralArtboardsTheChartsPageCoversNone) {
    const std::string two = R"({"format": "vyncolors-document", "version": 1,
      "artboards": [{"name": "A", "bounds": [0, 800, 600, 0]}, {"name": "B", "bounds": [700, 300, 900, 100]}],
      "activeArtboard": 0,
      "layers": [{"title": "Art", "art": [)" +
                            square(R"({"gray": 0.5})") + "]}]}";
    for (const auto &[artboard, top] : {std::pair{"1", 800.0f}, std::pair{"2", 300.0f}}) {
        Outcome o = run(two, {"-o", output.string(), "--artboard", artboard});
        ASSERT_EQ(o.status, 0) << o.err;
        JsonDocumentFileRead written = readJsonDocumentFile(output);
        ASSERT_TRUE(written.document) << written.error.message(output.string(), written.text);
        const Document &d = *written.document;
        ASSERT_EQ(d.artboards.size(), 3u) << artboard;
        EXPECT_EQ(d.artboards[2].bounds.left, 900.0f) << "right of every artboard";
        EXPECT_EQ(d.artboards[2].bounds.top, top) << "at the drawing's top";
        EXPECT_EQ(d.activeArtboard, std::stoi(artboard) - 1);
        const std::optional<Rect> chart = chartBounds(d);
        ASSERT_TRUE(chart);
        EXPECT_GT(chart->left, 900.0f);
        EXPECT_LE(chart->right, d.artboards[2].bounds.right) << "the page holds the chart";
    }
}

TEST_F(ChartBuildFlow, AnAlertOrABeepStopsTheBuildWithOneAndNothingIsWritten) {
    struct Case {
        const char *name;
        std::string document;
        Trouble trouble;
        std::string rows, said;
    };
    const std::vector<Case> cases = {
        {"only locked art",
         documentWith(R"({"title": "Art", "art": [)" + square(R"({"gray": 0})", R"("locked": true, )") +
                      "]}"),
         Trouble::None, "", "alert: The document has no path or only locked paths."},
        {"a locked chart layer",
         documentWith(R"({"title": "Vyn•Colors", "locked": true, "art": []}, {"title": "Art", "art": [)" +
                      square(R"({"gray": 0})") + "]}"),
         Trouble::None, "", "alert: Impossible, the layer is locked!"},
        {"no memory after row 0", kTwoPaints, Trouble::OutOfMemoryAfterRowZero, "Gray=50 %\n", "beep: "},
    };
    for (const auto &c : cases) {
        for (const char *where : {"-o", "--in-place"}) {
            std::vector<std::string> args = {where};
            if (std::string(where) == "-o") args.push_back(output.string());
            Outcome o = run(c.document, args, c.trouble);
            EXPECT_EQ(o.status, 1) << c.name << "\n" << o.err;
            EXPECT_EQ(o.out, c.rows) << c.name << ": the rows made so far";
            EXPECT_NE(o.err.find(c.said), std::string::npos) << c.name << "\n" << o.err;
            EXPECT_EQ(vyn::test::readFile(input), c.document) << c.name;
        }
    }
    EXPECT_EQ(vyn::test::readFile(output), "old");
}

TEST_F(ChartBuildFlow, CancelBuildsNothingAndWritesNothing) {
    Outcome o = run(kTwoPaints, {"-o", output.string(), "--cancel"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(vyn::test::readFile(output), "old");
}

} // namespace
} // namespace vyn::app
