// What the command does with the chart OK builds: the rows printed, the
// alert that stops a build, the document written only after a clean build.
//
// The plug-in's OK does not build the chart yet, so a stand-in build runs
// in its place, in the same process: when OK stores the settings (the
// build's closing steps) it adds a chart to the open document, and shows an
// alert or beeps when a case asks for it.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>

#include "ChartRows.h"
#include "CommandLine.h"
#include "FaultPlan.h"
#include "Frontend.h"
#include "Host.h"
#include "Run.h"
#include "app/ChartByHand.h"
#include "document/JsonDocumentReader.h"
#include "model/Document.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

namespace vyn::app {
namespace {

using namespace vyn::host;
namespace fs = std::filesystem;

// A new chart group on top of the first chart layer, with a gray and an RGB row.
void addChart(Document &document) {
    LayerId layer;
    for (const Layer &l : document.layers())
        if (l.title == kChartLayerTitle && !layer) layer = l.id;
    if (!layer) layer = document.insertLayer(0, kChartLayerTitle).id;
    const ArtId group = document.addArt(document.layer(layer)->group, Group{}).id;
    for (auto [paint, label] : {std::pair<Paint, const char16_t *>{GrayPaint{0.5f}, u"Gray=50 %"},
                                {RgbPaint{1, 0, 0}, u"R=255 G=0 B=0"}}) {
        PathShape box;
        box.style.fillPainted = true;
        box.style.fill.paint = paint;
        document.addArt(group, box).tags[kChartTag] = {"string", "jj"};
        TextFrame frame;
        frame.story.runs.push_back({label, {}});
        document.addArt(group, frame).tags[kChartTag] = {"string", "jj"};
    }
}

enum class Ending { Clean, Alert, Beep, NoBuild };

struct Outcome {
    int status;
    std::string out, err;
};

class ChartBuildFlow : public ::testing::Test {
  protected:
    Outcome run(std::vector<std::string> args, Ending ending) {
        args.insert(args.begin(), {"vyncolors", "--prefs", (folder / "prefs.json").string()});
        std::vector<const char *> argv;
        for (const auto &a : args)
            argv.push_back(a.c_str());
        ParsedCommandLine parsed =
            parseCommandLine(static_cast<int>(argv.size()), argv.data(), VYN_PLUGINS_DIR);
        if (!parsed.options) return {-1, "", parsed.error};
        std::ostringstream out, err;
        const int status = app::run(*parsed.options, out, err, [ending](Host &host) {
            if (ending == Ending::NoBuild) return;
            host.faults().failNthCall(
                INT_MAX, 0, [&host, ending, built = false](const char *suite, const char *operation) mutable {
                    if (!built && std::string(suite) == "AI Preference Suite" &&
                        std::string(operation) == "PutStringPreference") {
                        built = true;
                        addChart(*host.documents().current());
                        if (ending == Ending::Alert)
                            host.frontend().show(FrontendEvent::Kind::Alert, "You must first select paths.");
                        if (ending == Ending::Beep) host.frontend().beep();
                    }
                    return false;
                });
        });
        return {status, out.str(), err.str()};
    }

    void SetUp() override {
        fs::copy_file(kChartByHand, input);
        std::ofstream(output) << "old";
    }

    vyn::test::TempFolder folder;
    const fs::path input = folder / "drawing.json";
    const fs::path output = folder / "out.json";
};

TEST_F(ChartBuildFlow, TheNewChartsRowsArePrintedAndTheDocumentWritten) {
    Outcome o = run({input.string(), "-o", output.string()}, Ending::Clean);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "Gray=50 %\nR=255 G=0 B=0\n");
    JsonDocumentFileRead written = readJsonDocumentFile(output);
    ASSERT_TRUE(written.document) << written.error.message(output.string(), written.text);
    ASSERT_EQ(chartRows(*written.document).size(), 2u) << "the document is written with its chart";
    EXPECT_EQ(vyn::test::readFile(input), vyn::test::readFile(kChartByHand)) << "the input is left alone";

    o = run({input.string(), "-o", output.string(), "--json"}, Ending::Clean);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.substr(0, 1), "[");
    EXPECT_NE(o.out.find("\"kind\": \"rgb\""), std::string::npos) << o.out;
}

// The chart that was in the document before OK is no chart of this run.
TEST_F(ChartBuildFlow, WithoutABuildThereAreNoRows) {
    Outcome o = run({input.string(), "-o", output.string()}, Ending::NoBuild);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "");
    o = run({input.string(), "-o", output.string(), "--json"}, Ending::NoBuild);
    EXPECT_EQ(o.out, "[]\n");
}

TEST_F(ChartBuildFlow, AnAlertOrABeepStopsTheBuildWithOneAndNothingIsWritten) {
    for (Ending ending : {Ending::Alert, Ending::Beep}) {
        for (const char *where : {"-o", "--in-place"}) {
            std::vector<std::string> args = {input.string(), where};
            if (std::string(where) == "-o") args.push_back(output.string());
            Outcome o = run(args, ending);
            EXPECT_EQ(o.status, 1) << o.err;
            EXPECT_EQ(o.out, "Gray=50 %\nR=255 G=0 B=0\n") << "the rows made so far";
            EXPECT_NE(o.err.find(ending == Ending::Alert ? "alert: You must first select paths." : "beep: "),
                      std::string::npos)
                << o.err;
        }
    }
    EXPECT_EQ(vyn::test::readFile(output), "old");
    EXPECT_EQ(vyn::test::readFile(input), vyn::test::readFile(kChartByHand));
}

TEST_F(ChartBuildFlow, CancelBuildsNothingAndWritesNothing) {
    Outcome o = run({input.string(), "-o", output.string(), "--cancel"}, Ending::Clean);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(vyn::test::readFile(output), "old");
}

} // namespace
} // namespace vyn::app
