// --palette and --json through the real command, each file read back by a
// reader someone else wrote (tests/readers/: AnyPalette.js for the GIMP
// palette, ase-utils and a block walker written from the format's
// published description for the swatch exchange file, css-tree for the CSS,
// csv-parse for the CSV, Ajv for the JSON Schema), run with Node.js.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/FileText.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;
using Json = nlohmann::json;

namespace {

using vyn::test::readFile;

const fs::path kReaders = VYN_READERS_DIR;
const fs::path kSchema = fs::path(VYN_SOURCE_DIR) / "docs" / "vyncolors-rows.schema.json";

struct Outcome {
    int status;
    std::string out, err;
};

class PalettesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string(VYN_NODE).empty()) {
            if (std::getenv("CI")) FAIL() << "node is not installed: scripts/install-deps.sh installs it";
            GTEST_SKIP() << "node is not installed, so the palettes cannot be read back by other people's "
                            "readers (scripts/install-deps.sh installs it)";
        }
        ASSERT_TRUE(fs::exists(kReaders / "node_modules" / ".package-lock.json"))
            << "the test readers are not installed in " << kReaders << ": run scripts/install-deps.sh";
        fs::copy_file(fs::path(VYN_SOURCE_DIR) / "tests" / "app" / "fixtures" / "palette-paints.json", input);
    }

    Outcome shell(const std::string &command) {
        const std::string line =
            command + " >'" + (dir / "out").string() + "' 2>'" + (dir / "err").string() + "'";
        const int raw = std::system(line.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"), readFile(dir / "err")};
    }

    // The command, with preferences of its own, in the test's folder.
    Outcome vyncolors(const std::string &args) {
        return shell("cd '" + dir.string() + "' && '" VYNCOLORS_EXE "' --prefs /dev/null " + args);
    }

    // What the reader of `kind` read in `file`.
    Json read(const std::string &kind, const fs::path &file) {
        Outcome o = shell("'" VYN_NODE "' '" + (kReaders / "read-palette.js").string() + "' " + kind + " '" +
                          file.string() + "'");
        EXPECT_EQ(o.status, 0) << "the " << kind << " reader refused " << file << ": " << o.err;
        return o.status == 0 ? Json::parse(o.out) : Json();
    }

    // Ajv's verdict on `file` against the rows' schema: "" when it holds.
    std::string schemaErrors(const fs::path &file) {
        Outcome o = shell("'" VYN_NODE "' '" + (kReaders / "validate-json.js").string() + "' '" +
                          kSchema.string() + "' '" + file.string() + "'");
        return o.status == 0 ? "" : o.err.empty() ? "exit status " + std::to_string(o.status) : o.err;
    }

    vyn::test::TempFolder folder;
    const fs::path &dir = folder.path();
    const fs::path input = dir / "paints.json";
};

const char *const kAllPalettes = "paints.json -o out.json --palette p.gpl --palette p.ase --palette p.css "
                                 "--palette p.csv";

TEST_F(PalettesTest, AGimpPaletteLoadsWithTheDisplayColourOfEachColourRow) {
    Outcome o = vyncolors(kAllPalettes);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(read("gpl", dir / "p.gpl"), Json::parse(R"json({"name": "paints", "colors": [
      {"name": "C=2 M=66 Y=96 K=0", "rgb": [250, 87, 10]},
      {"name": "C=2 M=66 Y=96 K=0 (overprint)", "rgb": [250, 87, 10]},
      {"name": "Gray=50 %", "rgb": [128, 128, 128]},
      {"name": "Spot color Brand red 100 %", "rgb": [255, 26, 38]},
      {"name": "Custom Leaf, \"green\" 100 %", "rgb": [51, 153, 64]},
      {"name": "Spot color Bleu «nuit» / 2 100 %", "rgb": [0, 82, 204]},
      {"name": "R=51 G=102 B=153", "rgb": [51, 102, 153]},
      {"name": "Spot color Brand red 82 %", "rgb": [255, 67, 77]}
    ]})json"));
    for (const char *note :
         {"vyncolors: note: p.gpl: row 7 \"Gradient Radial Sunset\" is left out: a gradient",
          "vyncolors: note: p.gpl: row 8 \"Pattern Dots\" is left out: a pattern"})
        EXPECT_NE(o.err.find(note), std::string::npos) << note << "\n" << o.err;
}

TEST_F(PalettesTest, ASwatchExchangeFileKeepsProcessAndSpotValuesNamesAndTypes) {
    Outcome o = vyncolors(kAllPalettes);
    ASSERT_EQ(o.status, 0) << o.err;
    const Json ase = read("ase", dir / "p.ase");
    ASSERT_TRUE(ase.is_object());
    EXPECT_EQ(ase.at("version"), "1.0");
    EXPECT_EQ(ase.at("groups"), Json::parse(R"json([{"name": "paints", "colors": 6}])json"));
    struct Swatch {
        std::string name, model;
        std::vector<float> values;
        std::string type;
    };
    // Process, gray and RGB as they are; custom colours by their names, at
    // full strength, spot or global; each swatch once; no gradient, no
    // pattern.
    const std::vector<Swatch> expected = {
        {"C=2 M=66 Y=96 K=0", "CMYK", {0.02f, 0.66f, 0.96f, 0}, "normal"},
        {"Gray=50 %", "Gray", {0.5f}, "normal"},
        {"Brand red", "CMYK", {0, 0.9f, 0.85f, 0}, "spot"},
        {"Leaf, \"green\"", "RGB", {0.2f, 0.6f, 0.25f}, "global"},
        {"Bleu «nuit» / 2", "CMYK", {1, 0.6f, 0, 0.2f}, "spot"},
        {"R=51 G=102 B=153", "RGB", {0.2f, 0.4f, 0.6f}, "normal"},
    };
    const Json &colors = ase.at("colors");
    ASSERT_EQ(colors.size(), expected.size()) << colors.dump();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(colors[i].at("name"), expected[i].name) << i;
        EXPECT_EQ(colors[i].at("model"), expected[i].model) << i;
        EXPECT_EQ(colors[i].at("type"), expected[i].type) << i;
        std::vector<float> values;
        for (double v : colors[i].at("values"))
            values.push_back(static_cast<float>(v));
        EXPECT_EQ(values, expected[i].values) << i << ": bit for bit the document's single-precision values";
    }
    // Walked by the lengths the blocks give: the group, the colours, its end.
    const Json &blocks = ase.at("blocks");
    ASSERT_EQ(blocks.size(), 8u);
    EXPECT_EQ(blocks.front().at("block"), "group");
    EXPECT_EQ(blocks.back().at("block"), "end");
    for (const char *note :
         {"vyncolors: note: p.ase: row 2 \"C=2 M=66 Y=96 K=0\" is the swatch of row 1, written once",
          "vyncolors: note: p.ase: row 7 \"Gradient Radial Sunset\" is left out: a gradient",
          "vyncolors: note: p.ase: row 8 \"Pattern Dots\" is left out: a pattern",
          "vyncolors: note: p.ase: row 10 \"Spot color Brand red 82 %\" is the swatch of row 4, written "
          "once"})
        EXPECT_NE(o.err.find(note), std::string::npos) << note << "\n" << o.err;

    // The walker is no rubber stamp: a file cut short, or a block whose
    // length is one too many, is refused.
    const std::string bytes = readFile(dir / "p.ase");
    std::ofstream(dir / "cut.ase", std::ios::binary) << bytes.substr(0, bytes.size() - 3);
    std::string longer = bytes;
    longer[12 + 5] += 1; // the group's length
    std::ofstream(dir / "long.ase", std::ios::binary) << longer;
    for (const char *broken : {"cut.ase", "long.ase"}) {
        Outcome refused = shell("'" VYN_NODE "' '" + (kReaders / "read-palette.js").string() + "' ase '" +
                                (dir / broken).string() + "'");
        EXPECT_EQ(refused.status, 1) << broken;
    }
}

TEST_F(PalettesTest, TheCssParsesAsCustomPropertiesOfColoursAndAGradient) {
    Outcome o = vyncolors(kAllPalettes);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(read("css", dir / "p.css"), Json::parse(R"json({"errors": [], "atRules": ["charset"], "rules": [
      {"selector": ":root", "declarations": [
        {"property": "--c-2-m-66-y-96-k-0", "value": "#fa570a", "is": "color"},
        {"property": "--c-2-m-66-y-96-k-0-overprint", "value": "#fa570a", "is": "color"},
        {"property": "--gray-50", "value": "#808080", "is": "color"},
        {"property": "--spot-color-brand-red-100", "value": "#ff1a26", "is": "color"},
        {"property": "--custom-leaf-green-100", "value": "#339940", "is": "color"},
        {"property": "--spot-color-bleu-nuit-2-100", "value": "#0052cc", "is": "color"},
        {"property": "--gradient-radial-sunset",
         "value": "radial-gradient(circle closest-side, #ffb21a 0%, 40%, #ff1a26 100%)", "is": "image"},
        {"property": "--r-51-g-102-b-153", "value": "#336699", "is": "color"},
        {"property": "--spot-color-brand-red-82", "value": "#ff434d", "is": "color"}
      ]}
    ]})json"));
    EXPECT_NE(o.err.find("vyncolors: note: p.css: row 8 \"Pattern Dots\" is left out: a pattern"),
              std::string::npos)
        << o.err;
}

TEST_F(PalettesTest, TheCsvHoldsEveryRowQuotedWhereNeedBe) {
    Outcome o = vyncolors(kAllPalettes);
    ASSERT_EQ(o.status, 0) << o.err;
    const Json csv = read("csv", dir / "p.csv");
    ASSERT_TRUE(csv.is_object());
    const Json &records = csv.at("records");
    ASSERT_EQ(records.size(), 10u);
    EXPECT_EQ(records[4], Json::parse(R"json({"label": "Custom Leaf, \"green\" 100 %", "kind": "custom",
      "name": "Leaf, \"green\"", "type": "process", "values": "0", "display": "#339940",
      "uses": "1", "fill": "1", "stroke": "0", "overprint": "false"})json"));
    EXPECT_EQ(records[2], Json::parse(R"json({"label": "Gray=50 %", "kind": "gray", "name": "", "type": "",
      "values": "0.5", "display": "#808080", "uses": "3", "fill": "1", "stroke": "2", "overprint": "false"})json"));
    EXPECT_EQ(records[6].at("kind"), "gradient");
    EXPECT_EQ(records[6].at("display"), "");
    EXPECT_EQ(records[1].at("overprint"), "true");
}

// The JSON and every palette read the same facts: the colour each palette
// gives a row is the one the JSON gives it.
TEST_F(PalettesTest, TheJsonHoldsToItsSchemaAndAgreesWithThePalettes) {
    Outcome o = vyncolors(std::string(kAllPalettes) + " --json");
    ASSERT_EQ(o.status, 0) << o.err;
    std::ofstream(dir / "rows.json") << o.out;
    EXPECT_EQ(schemaErrors(dir / "rows.json"), "");
    const Json json = Json::parse(o.out);
    EXPECT_EQ(json.at("format"), "vyncolors-rows");
    EXPECT_EQ(json.at("version"), 1);
    EXPECT_EQ(json.at("document"), "paints.json");
    const Json &rows = json.at("rows");
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[6],
              Json::parse(R"json({"label": "Gradient Radial Sunset", "kind": "gradient", "name": "Sunset",
      "gradientType": "radial", "stops": [{"position": 0, "midpoint": 0.5, "display": "#ffb21a"},
                                          {"position": 1, "midpoint": 0.4, "display": "#ff1a26"}],
      "display": null, "uses": {"total": 1, "fill": 1, "stroke": 0}, "overprint": false})json"));
    EXPECT_EQ(rows[3].at("color"), Json::parse(R"json({"cmyk": [0, 0.9, 0.85, 0]})json"));

    const Json gpl = read("gpl", dir / "p.gpl");
    const Json csv = read("csv", dir / "p.csv");
    std::vector<std::string> gplColours, jsonColours;
    for (const Json &colour : gpl.at("colors")) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.at("rgb")[0].get<int>(),
                      colour.at("rgb")[1].get<int>(), colour.at("rgb")[2].get<int>());
        gplColours.push_back(hex);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Json &display = rows[i].at("display");
        if (!display.is_null()) jsonColours.push_back(display);
        EXPECT_EQ(csv.at("records")[i].at("display"), display.is_null() ? "" : display.get<std::string>())
            << i;
        EXPECT_EQ(csv.at("records")[i].at("label"), rows[i].at("label")) << i;
        EXPECT_EQ(csv.at("records")[i].at("uses"), std::to_string(rows[i].at("uses").at("total").get<int>()));
    }
    EXPECT_EQ(gplColours, jsonColours);
}

// Every kind of paint the examples hold, an SVG poster's text and classes
// among them, in the schema; and the validator is no rubber stamp.
TEST_F(PalettesTest, EveryExampleAndNothingElseHoldsToTheSchema) {
    for (const char *example : {"every-paint.json", "illustration.svg"}) {
        Outcome o = vyncolors("'" VYN_SOURCE_DIR "/examples/" + std::string(example) + "' -o '" +
                              (dir / ("out-" + std::string(example))).string() + "' --json");
        ASSERT_EQ(o.status, 0) << example << "\n" << o.err;
        std::ofstream(dir / "rows.json") << o.out;
        EXPECT_EQ(schemaErrors(dir / "rows.json"), "") << example;
    }
    Json rows = Json::parse(readFile(dir / "rows.json"));
    ASSERT_FALSE(rows.at("rows").empty());
    using Break = void (*)(Json &);
    for (Break broken : std::initializer_list<Break>{
             [](Json &j) { j.erase("version"); },
             [](Json &j) { j["rows"][0]["uses"].erase("fill"); },
             [](Json &j) { j["rows"][0]["display"] = "#FA570A"; },
             [](Json &j) { j["rows"][0]["kind"] = "spot"; },
             [](Json &j) { j["rows"][0]["tint"] = 0; },
         }) {
        Json copy = rows;
        broken(copy);
        std::ofstream(dir / "broken.json") << copy.dump();
        EXPECT_NE(schemaErrors(dir / "broken.json"), "") << copy.dump();
    }
}

TEST_F(PalettesTest, AnUnknownPaletteIsBadUsageNamingTheOption) {
    struct Case {
        std::string args, says;
    } cases[] = {
        {"paints.json --palette colours.txt", "vyncolors: --palette: colours.txt: the file must end in .gpl, "
                                              ".ase, .css or .csv"},
        {"paints.json --palette ''", "vyncolors: --palette: the file name is empty"},
        {"paints.json --palette a.gpl --palette ./a.gpl", "vyncolors: --palette: ./a.gpl is given twice"},
        {"--palette a.gpl", "vyncolors: --palette needs an INPUT document"},
    };
    for (const Case &c : cases) {
        Outcome o = vyncolors(c.args);
        EXPECT_EQ(o.status, 2) << c.args;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << c.args << "\n" << o.err;
        EXPECT_EQ(o.out, "") << c.args << ": refused before anything runs";
    }
    EXPECT_FALSE(fs::exists(dir / "paints-colors.json"));
    // Each --palette takes one name: an INPUT after it stays the INPUT.
    Outcome o = vyncolors("--palette p.gpl paints.json --palette p.CSV");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(fs::exists(dir / "p.gpl"));
    EXPECT_TRUE(fs::exists(dir / "p.CSV"));
}

TEST_F(PalettesTest, NoPaletteIsWrittenUnlessTheOutputIs) {
    fs::create_directory(dir / "folder.json");
    struct Case {
        const char *args;
        int status;
    } cases[] = {
        {"paints.json --cancel --palette p.gpl", 0},
        {"paints.json -o folder.json --palette p.gpl", 2},
        {"paints.json --font 'No Such Font' --palette p.gpl", 2},
    };
    for (const Case &c : cases) {
        Outcome o = vyncolors(c.args);
        EXPECT_EQ(o.status, c.status) << c.args << "\n" << o.err;
        EXPECT_FALSE(fs::exists(dir / "p.gpl")) << c.args;
    }
}

TEST_F(PalettesTest, APaletteThatCannotBeWrittenSaysWhyAndTheOthersAreWritten) {
    fs::create_directory(dir / "folder.css");
    Outcome o = vyncolors("paints.json --palette missing/p.gpl --palette folder.css --palette p.csv");
    EXPECT_EQ(o.status, 2) << o.err;
    EXPECT_NE(o.err.find("vyncolors: cannot write palette missing/p.gpl: No such file or directory"),
              std::string::npos)
        << o.err;
    EXPECT_NE(o.err.find("vyncolors: cannot write palette folder.css: it is a folder, not a regular file"),
              std::string::npos)
        << o.err;
    EXPECT_TRUE(fs::is_regular_file(dir / "p.csv"));
    EXPECT_TRUE(fs::is_regular_file(dir / "paints-colors.json")) << "the output came first";
    EXPECT_TRUE(fs::is_directory(dir / "folder.css"));
}

} // namespace
