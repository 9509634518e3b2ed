// The vyncolors command as a user runs it: arguments in, text and exit
// status out.
#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

#include "document/JsonDocumentReader.h"
#include "support/FileText.h"
#include "support/TempFolder.h"
#include "VyncolorsRun.h"

namespace fs = std::filesystem;

namespace {

using vyn::test::readFile;
using vyn::test::Outcome;
using vyn::test::saidSomething;
using vyn::test::VyncolorsTest;

TEST_F(VyncolorsTest, HelpIsTheManual) {
    Outcome o = run("--help");
    EXPECT_EQ(o.status, 0);
    std::string manual = readFile(fs::path(VYN_SOURCE_DIR) / "docs" / "vyncolors.md");
    // The manual quotes the help as an indented block.
    std::istringstream lines(o.out);
    std::string line;
    while (std::getline(lines, line))
        EXPECT_NE(manual.find(line.empty() ? "\n\n" : "    " + line + "\n"), std::string::npos)
            << "the manual lacks the help line: " << line;
}

// librsvg, cairo and the libraries they pull in take the system loader tens
// of milliseconds to map: a run that draws no picture must not load them.
TEST_F(VyncolorsTest, OnlyARunThatDrawsAPictureLoadsThePictureLibraries) {
    const std::string input = "'" VYN_SOURCE_DIR "/examples/illustration.svg' -o ";
    Outcome svg = run(input + "'" + (dir / "chart.svg").string() + "'", "LD_DEBUG=files");
    EXPECT_EQ(svg.status, 0) << saidSomething(svg.err);
    EXPECT_EQ(svg.err.find("librsvg"), std::string::npos);
    Outcome png = run(input + "'" + (dir / "chart.png").string() + "'", "LD_DEBUG=files");
    EXPECT_EQ(png.status, 0) << saidSomething(png.err);
    EXPECT_NE(png.err.find("librsvg"), std::string::npos);
}

TEST_F(VyncolorsTest, ListsTheMenusThePlugInInstalls) {
    Outcome o = run("--menus");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "Tool Palettes › Vyn•Tools › Vyn•Colors…\nAbout › About Vyn•Tools… › Vyn•Colors…\n");
    EXPECT_EQ(o.err, "") << "a clean start and shut-down warns about nothing";
}

TEST_F(VyncolorsTest, RendersTheAboutBoxWhole) {
    for (const char *name : {"about.png", "about.svg"}) {
        fs::path file = dir / name;
        Outcome o = run("--render-about '" + file.string() + "'");
        EXPECT_EQ(o.status, 0) << o.err;
        std::string bytes = readFile(file);
        if (file.extension() == ".png")
            EXPECT_EQ(bytes.substr(0, 4), "\x89PNG");
        else
            EXPECT_NE(bytes.find("Version 2.0 May 2012"), std::string::npos);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4) // + out, err
        << "no temporary file is left beside the pictures";
}

// Names an attacker can plant beside the picture, and names the old writer
// could not write.
TEST_F(VyncolorsTest, WritesThePictureWithoutFollowingOrRemovingWhatLiesBesideIt) {
    std::ofstream(dir / "victim.txt") << "victim";
    fs::create_symlink("victim.txt", dir / "a.svg.part");
    fs::create_directory(dir / "b.png.part");
    const std::string longest = std::string(251, 'n') + ".svg";
    for (const std::string &name : {std::string("a.svg"), std::string("b.png"), longest}) {
        Outcome o = run("--render-about '" + (dir / name).string() + "'");
        EXPECT_EQ(o.status, 0) << name << "\n" << o.err;
        EXPECT_TRUE(fs::is_regular_file(dir / name)) << name;
    }
    EXPECT_EQ(readFile(dir / "victim.txt"), "victim");
    EXPECT_TRUE(fs::is_directory(dir / "b.png.part"));
}

TEST_F(VyncolorsTest, APictureThatCannotBeWrittenSaysWhy) {
    fs::create_symlink("/dev/full", dir / "full.png");
    fs::create_directory(dir / "folder.svg");
    struct Case {
        std::string name, says;
    } cases[] = {
        {"full.png", "full.png: it is a device, not a regular file"},
        {"folder.svg", "folder.svg: it is a folder, not a regular file"},
        {"missing/a.png", "missing/a.png: No such file or directory"},
        {std::string(252, 'n') + ".svg", ".svg: File name too long"},
    };
    for (const auto &c : cases) {
        Outcome o = run("--render-about '" + (dir / c.name).string() + "'");
        EXPECT_EQ(o.status, 2) << c.name;
        EXPECT_NE(o.err.find("vyncolors: cannot write picture "), std::string::npos) << o.err;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
    }
}

TEST_F(VyncolorsTest, BadUsageExitsWithTwoAndSaysWhy) {
    struct Case {
        std::string args, says;
    } cases[] = {
        {"--no-such-option", "--no-such-option"},
        {"--plugins /no/such/folder", "not a readable folder"},
        {"--plugins /tmp", "no plug-in bundle"},
        {"--render-about about.txt", ".svg or .png"},
        {"--render-about /no/such/folder/about.png", "/no/such/folder/about.png: No such file or directory"},
        {"--render-about ''", "--render-about: the file name is empty"},
        {"--plugins ''", "--plugins: the folder name is empty"},
        {"a-document.svg", "a-document.svg"},
        {"--gap -1", "--gap: \"-1\": the gap cannot be negative"},
        {"--box-length '3 px'", "--box-length: \"3 px\": unknown unit \"px\""},
        {"--text-size 0.05", "--text-size: \"0.05\" is below 0.1 pt"},
        {"--offset-x twelve", "--offset-x: \"twelve\" is not a length"},
        {"--render-dialog dialog.gif", "--render-dialog: dialog.gif: the file must end in .svg or .png"},
        {"a.json -o b.txt", "--output: b.txt: the file must end in .json, .svg, .svgz or .png"},
        {"a.json --select '#logo'", "--select: only an SVG document has elements to select"},
    };
    for (const auto &c : cases) {
        Outcome o = run(c.args);
        EXPECT_EQ(o.status, 2) << c.args;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << c.args << "\n" << o.err;
        EXPECT_EQ(o.out, "") << c.args;
    }
}

TEST_F(VyncolorsTest, ABundleThatDoesNotLoadIsReportedWithOne) {
    fs::create_directories(dir / "plugins" / "Broken.aip");
    Outcome o = run("--plugins '" + (dir / "plugins").string() + "'");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("Broken.aip: no plug-in module in the bundle (Broken.so is missing)"),
              std::string::npos)
        << o.err;
}

// Each used to abort the program (exit 134) or kill it in the loader (135).
TEST_F(VyncolorsTest, HostileBundlesAreRefusedWithOne) {
    const fs::path plugins = dir / "plugins";
    fs::create_directories(plugins / "Self.aip");
    fs::create_symlink("Loop2.aip", plugins / "Loop1.aip");
    fs::create_symlink("Loop1.aip", plugins / "Loop2.aip");
    fs::create_symlink("Self.so", plugins / "Self.aip" / "Self.so");
    fs::create_directories(plugins / "VynColors.aip");
    fs::copy_file(fs::path(VYNCOLORS_EXE).parent_path() / "plugins" / "VynColors.aip" / "VynColors.so",
                  plugins / "VynColors.aip" / "VynColors.so");
    fs::resize_file(plugins / "VynColors.aip" / "VynColors.so", 13568);
    Outcome o = run("--plugins '" + plugins.string() + "'");
    EXPECT_EQ(o.status, 1) << o.err;
    for (const char *says :
         {"Loop1.aip: the bundle is not a readable folder (Too many levels of symbolic links)",
          "Self.aip: the module Self.so cannot be read (Too many levels of symbolic links)",
          "VynColors.aip: VynColors.so is not a complete shared object for this machine"})
        EXPECT_NE(o.err.find(says), std::string::npos) << says << "\n" << o.err;
}

// The About box's icon as a FIFO used to hang the program; as a link to
// /dev/zero it was read until memory ran out.
TEST_F(VyncolorsTest, AnIconThatIsNoFileIsRefusedAndNamed) {
    const fs::path plugins = dir / "plugins";
    fs::create_directories(plugins);
    fs::copy(fs::path(VYNCOLORS_EXE).parent_path() / "plugins" / "VynColors.aip", plugins / "VynColors.aip",
             fs::copy_options::recursive);
    const fs::path icon = plugins / "VynColors.aip" / "Resources" / "Icons" / "1100.svg";
    for (const char *replace : {"mkfifo", "ln -s /dev/zero"}) {
        fs::remove(icon);
        ASSERT_EQ(std::system((std::string(replace) + " '" + icon.string() + "'").c_str()), 0);
        const std::string command = "timeout 60 '" + std::string(VYNCOLORS_EXE) + "' --plugins '" +
                                    plugins.string() + "' --render-about '" + (dir / "about.svg").string() +
                                    "' 2>'" + (dir / "err").string() + "'";
        int raw = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0) << replace;
        EXPECT_NE(readFile(dir / "err").find("warning: cannot read resource " + icon.string() + ": it is a "),
                  std::string::npos)
            << readFile(dir / "err");
    }
}

// Root reads any folder, so as root the command runs as "nobody".
TEST_F(VyncolorsTest, AnUnreadablePluginsFolderSaysSo) {
    std::string prefix;
    if (::geteuid() == 0) {
        if (std::system("setpriv --version >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "running as root without setpriv";
        prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    fs::create_directories(dir / "closed" / "VynColors.aip");
    fs::permissions(dir / "closed", fs::perms::owner_write);
    const std::string command = prefix + "'" + VYNCOLORS_EXE + "' --plugins '" + (dir / "closed").string() +
                                "' 2>'" + (dir / "err").string() + "'";
    int raw = std::system(command.c_str());
    fs::permissions(dir / "closed", fs::perms::owner_all);
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
    EXPECT_NE(readFile(dir / "err").find("closed: the folder cannot be read (Permission denied)"),
              std::string::npos)
        << readFile(dir / "err");
}

TEST_F(VyncolorsTest, RendersTheSettingsDialogAndCancelsIt) {
    for (const char *name : {"settings.svg", "settings.png"}) {
        Outcome o = run("--cancel --render-dialog '" + (dir / name).string() + "'");
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(saidSomething(o.err), "") << "nothing to warn about";
        const std::string bytes = readFile(dir / name);
        if (fs::path(name).extension() == ".png")
            EXPECT_EQ(bytes.substr(0, 4), "\x89PNG");
        else
            EXPECT_NE(bytes.find(">Vyn•Colors (Settings)</text>"), std::string::npos);
    }
}

// ---- through the plug-in's settings dialog and its preferences ------------

TEST_F(VyncolorsTest, AFirstRunShowsTheDefaultsAndThePreview) {
    Outcome o = run("--prefs '" + (dir / "prefs").string() + "' --cancel --render-dialog '" +
                    (dir / "d.svg").string() + "'");
    EXPECT_EQ(o.status, 0) << o.err;
    const std::string svg = readFile(dir / "d.svg");
    for (const char *shown : {">12 pt</text>", ">30 mm</text>", ">2 pt</text>", ">15 mm</text>",
                              "<title>All colors of the document.</title>", ">Pattern</text>",
                              ">Gradient</text>", ">Custom 100%</text>", ">Tint 82%</text>",
                              ">Tint 48%</text>", ">Tint 32%</text>", ">Selection</text>"})
        EXPECT_NE(svg.find(shown), std::string::npos) << shown;
    EXPECT_FALSE(fs::exists(dir / "prefs")) << "Cancel saves nothing";
}

TEST_F(VyncolorsTest, ClearingTheLastKindAlertsDimsTintsAndEmptiesThePreview) {
    const fs::path png = dir / "d.png", svg = dir / "d.svg";
    const std::string args =
        "--prefs '" + (dir / "prefs").string() +
        "' --no-patterns --no-gradients --no-other --no-custom --cancel --render-dialog ";
    Outcome o = run(args + "'" + svg.string() + "'");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.err.find("You have to select at least one box!"), std::string::npos) << o.err;
    EXPECT_NE(readFile(svg).find("fill=\"#9a9a9a\" xml:space=\"preserve\">Tints"), std::string::npos);
    ASSERT_EQ(run(args + "'" + png.string() + "'").status, 0);
    // The preview (item 21 at 330, 13, 130 x 155 in the content, which starts
    // at 1, 23; the PNG is drawn at twice the size) shows the background only.
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> picture(
        cairo_image_surface_create_from_png(png.c_str()), cairo_surface_destroy);
    ASSERT_EQ(cairo_surface_status(picture.get()), CAIRO_STATUS_SUCCESS);
    cairo_surface_flush(picture.get());
    const unsigned char *data = cairo_image_surface_get_data(picture.get());
    const int stride = cairo_image_surface_get_stride(picture.get());
    for (int y = 0; y < 155; y += 3)
        for (int x = 0; x < 130; x += 3) {
            const int px = 2 * (1 + 330 + x) + 1, py = 2 * (23 + 13 + y) + 1;
            const auto pixel = *reinterpret_cast<const uint32_t *>(data + py * stride + px * 4);
            ASSERT_EQ(pixel & 0xFFFFFF, 0xECECECu) << "at " << x << ", " << y << " of the preview";
        }
}

TEST_F(VyncolorsTest, SettingsConfirmedComeBackAndCancelledOnesDoNot) {
    const std::string prefs = "--prefs '" + (dir / "prefs").string() + "' ";
    const std::string picture = " --cancel --render-dialog '" + (dir / "d.svg").string() + "'";
    Outcome o =
        run(prefs + "--save-settings --font 'DejaVu Serif' --text-size 14 --box-length 40 --gap 5 "
                    "--box-height '20 pt' --offset-x 1mm --offset-y 7 --no-patterns --selection --no-tints");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(saidSomething(o.err), "alert: You must first select paths.")
        << "nothing to warn about but the empty page's empty selection";
    run(prefs + "--save-settings --gap 9 --patterns --cancel");
    run(prefs + "--gap 11 --no-selection"); // OK, for this run only
    ASSERT_EQ(run(prefs + picture).status, 0);
    const std::string svg = readFile(dir / "d.svg");
    for (const char *shown :
         {">DejaVu Serif</text>", ">14 pt</text>", ">40 mm</text>", ">5 pt</text>", ">7.06 mm</text>",
          ">2.83 pt</text>", ">7 pt</text>", "<title>Patterns used will not be sought.</title>",
          "<title>Only the colors of the selected paths.</title>",
          "<title>The different tints of custom colors used will not be sought.</title>"})
        EXPECT_NE(svg.find(shown), std::string::npos) << shown;
}

TEST_F(VyncolorsTest, SettingsThatCannotBeSavedAreNoSuccess) {
    fs::create_directory(dir / "a-folder");
    struct Case {
        fs::path prefs;
        const char *said;
    } cases[] = {
        {dir / "a-folder", "the settings were not saved: the file "},
        {dir / "absent" / "prefs.json", "the settings were not saved: cannot write "},
    };
    for (const auto &c : cases) {
        Outcome o = run("--prefs '" + c.prefs.string() + "' --save-settings --text-size 14");
        EXPECT_EQ(o.status, 2) << o.err;
        EXPECT_NE(o.err.find(c.said), std::string::npos) << o.err;
        o = run("--prefs '" + c.prefs.string() + "' --text-size 14");
        EXPECT_EQ(o.status, 0) << "a run that saves nothing needs no writable file\n" << o.err;
        EXPECT_EQ(o.err.find("not saved"), std::string::npos) << o.err;
    }
    Outcome devNull = run("--prefs /dev/null --text-size 14");
    EXPECT_EQ(devNull.status, 0) << devNull.err;
    EXPECT_EQ(devNull.err.find("preferences"), std::string::npos) << "/dev/null stores nothing: " << devNull.err;
    EXPECT_TRUE(fs::is_directory(dir / "a-folder")) << "left where it was";
    EXPECT_EQ(run("--prefs '" + (dir / "a-folder").string() + "' --cancel").status, 0)
        << "Cancel saves nothing";
}

TEST_F(VyncolorsTest, RefusedSettingsSaveNothingAndClampedOnesAreReported) {
    const std::string prefs = "--prefs '" + (dir / "prefs").string() + "' ";
    Outcome o = run(prefs + "--font 'No Such Font' --gap 5");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("vyncolors: --font: \"No Such Font\" is not an installed font"), std::string::npos)
        << o.err;
    EXPECT_FALSE(fs::exists(dir / "prefs")) << "nothing saved";

    o = run(prefs + "--text-size 20 --box-length 5");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(
        o.err.find("vyncolors: warning: --box-length \"5\": the field's minimum is 7.06 mm, which is used"),
        std::string::npos)
        << o.err;
}

// ---- building the chart of a document -------------------------------------

class DocumentCommandTest : public VyncolorsTest {
  protected:
    void SetUp() override {
        fs::copy_file(fs::path(VYN_SOURCE_DIR) / "examples" / "every-paint.json", input);
    }

    std::string prefs() const { return "--prefs '" + (dir / "prefs.json").string() + "' "; }

    const fs::path input = dir / "drawing.json";
};

TEST_F(DocumentCommandTest, WritesTheDocumentBesideTheInputWhereAskedOrInPlace) {
    const std::string original = readFile(input);
    Outcome o = run(prefs() + "'" + input.string() + "'");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(saidSomething(o.err), "");
    EXPECT_TRUE(vyn::host::readJsonDocumentFile(dir / "drawing-colors.json").document);

    o = run(prefs() + "'" + input.string() + "' -o '" + (dir / "chart.json").string() + "'");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(vyn::host::readJsonDocumentFile(dir / "chart.json").document);
    EXPECT_EQ(readFile(input), original) << "the input is never written unless asked";

    o = run(prefs() + "--in-place '" + input.string() + "'");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(readFile(input), readFile(dir / "chart.json")) << "rewritten as the document it now is";
    EXPECT_EQ(files(), (std::set<std::string>{"chart.json", "drawing.json", "drawing-colors.json"}))
        << "no temporary file is left";
}

TEST_F(DocumentCommandTest, AnUnusableInputIsRefusedWithTwoAndNothingIsWritten) {
    std::ofstream(dir / "broken.json") << "{\"format\": \"vyncolors-document\",\n \"version\": 1,,}";
    fs::create_directory(dir / "folder.json");
    struct Case {
        std::string input, says;
    } cases[] = {
        {"missing.json", "missing.json: error: the document cannot be read"},
        {"broken.json", "broken.json:2:15: error: the text is not JSON"},
        {"folder.json", "folder.json: error: the document cannot be read"},
        {"missing.svg", "missing.svg: error: "},
    };
    const std::set<std::string> before = files();
    for (const auto &c : cases) {
        Outcome o = run(prefs() + "'" + (dir / c.input).string() + "'");
        EXPECT_EQ(o.status, 2) << c.input;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
        EXPECT_EQ(o.out, "");
    }
    EXPECT_EQ(files(), before) << "nothing written, not even the preferences";
}

TEST_F(DocumentCommandTest, AnOutputThatCannotBeWrittenSaysWhyAndLeavesEverythingAsItWas) {
    fs::create_directory(dir / "folder.json");
    fs::create_symlink("/dev/full", dir / "full.json");
    struct Case {
        std::string output, says;
    } cases[] = {
        {(dir / "full.json").string(), "full.json: it is a device, not a regular file"},
        {(dir / "folder.json").string(), "folder.json: it is a folder, not a regular file"},
        {(dir / "absent" / "out.json").string(), "out.json: No such file or directory"},
    };
    const std::set<std::string> before = files();
    for (const auto &c : cases) {
        Outcome o = run(prefs() + "'" + input.string() + "' -o '" + c.output + "'");
        EXPECT_EQ(o.status, 2) << c.output;
        EXPECT_NE(o.err.find("vyncolors: cannot write "), std::string::npos) << o.err;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
    }
    EXPECT_EQ(files(), before);
}

// Root writes into any folder, so as root the command runs as "nobody".
TEST_F(DocumentCommandTest, AnOutputInAFolderThatCannotBeWrittenKeepsItsOldContent) {
    std::string prefix;
    if (::geteuid() == 0) {
        if (std::system("setpriv --version >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "running as root without setpriv";
        prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    fs::create_directory(dir / "open");
    fs::permissions(dir / "open", fs::perms::all); // for the preferences
    fs::create_directory(dir / "closed");
    std::ofstream(dir / "closed" / "out.json") << "old";
    fs::permissions(dir / "closed" / "out.json", fs::perms::all);
    fs::permissions(dir / "closed", fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(input, fs::perms::owner_read | fs::perms::others_read);
    const std::string command = prefix + "'" + VYNCOLORS_EXE + "' --prefs '" +
                                (dir / "open" / "prefs.json").string() + "' '" + input.string() + "' -o '" +
                                (dir / "closed" / "out.json").string() + "' 2>'" + (dir / "err").string() +
                                "'";
    int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2) << readFile(dir / "err");
    EXPECT_NE(readFile(dir / "err").find("out.json: Permission denied"), std::string::npos)
        << readFile(dir / "err");
    EXPECT_EQ(readFile(dir / "closed" / "out.json"), "old");
}

TEST_F(DocumentCommandTest, NothingIsWrittenUnlessOKSucceeds) {
    fs::create_directory(dir / "a-folder");
    struct Case {
        std::string args;
        int status;
        bool built; // the chart was built, and its rows printed, but not kept
    } cases[] = {
        {prefs() + "--cancel", 0, false},
        {prefs() + "--font 'No Such Font'", 2, false},
        {"--save-settings --prefs '" + (dir / "a-folder").string() + "'", 2, true}, // could not be saved
    };
    for (const auto &c : cases) {
        std::ofstream(dir / "out.json") << "old";
        Outcome o = run(c.args + " '" + input.string() + "' -o '" + (dir / "out.json").string() + "'");
        EXPECT_EQ(o.status, c.status) << c.args << "\n" << o.err;
        EXPECT_EQ(readFile(dir / "out.json"), "old") << c.args;
        EXPECT_EQ(o.out.empty(), !c.built) << c.args;
    }
    EXPECT_FALSE(fs::exists(dir / "drawing-colors.json"));
}

// The SVG reader and writer and the document picture may not do their work
// yet; whatever they do, the command ends with a status and a reason.
TEST_F(DocumentCommandTest, PicturesAndSvgEndCleanly) {
    std::ofstream(dir / "tiny.svg") << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">"
                                       "<rect width=\"5\" height=\"5\" fill=\"red\"/></svg>";
    struct Case {
        std::string input, output;
    } cases[] = {
        {input.string(), (dir / "picture.png").string()},
        {input.string(), (dir / "picture.svg").string()},
        {(dir / "tiny.svg").string(), (dir / "tiny-out.svg").string()},
        {(dir / "tiny.svg").string(), (dir / "tiny-out.png").string()},
        {(dir / "tiny.svg").string(), (dir / "tiny-out.json").string()},
    };
    for (const auto &c : cases) {
        Outcome o = run(prefs() + "'" + c.input + "' -o '" + c.output + "'");
        ASSERT_TRUE(o.status == 0 || o.status == 2) << c.output << ": status " << o.status << "\n" << o.err;
        if (o.status == 2) {
            EXPECT_NE(saidSomething(o.err) + o.err.substr(0, o.err.find(": error: ")), "") << o.err;
            EXPECT_FALSE(fs::exists(c.output)) << c.output;
        } else {
            EXPECT_TRUE(fs::is_regular_file(c.output)) << c.output;
        }
    }
}

// --timings adds one line per phase that ran to standard error, and
// nothing when the input cannot be read past the read itself.
TEST_F(DocumentCommandTest, TimingsNameEachPhaseThatRan) {
    std::ofstream(dir / "tiny.svg") << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">"
                                       "<rect width=\"5\" height=\"5\" fill=\"red\"/></svg>";
    std::ofstream(dir / "broken.svg") << "<svg";
    auto timingLines = [](const std::string &err) {
        std::vector<std::string> phases;
        std::istringstream lines(err);
        std::string line, phase;
        double seconds = -1;
        while (std::getline(lines, line)) {
            if (line.rfind("timing: ", 0) != 0) continue;
            std::istringstream fields(line.substr(8));
            EXPECT_TRUE(fields >> phase >> seconds && seconds >= 0 && fields.eof()) << line;
            phases.push_back(phase);
        }
        return phases;
    };
    using Phases = std::vector<std::string>;
    for (auto [input, output] : {std::pair{"tiny.svg", "out.svg"}, std::pair{"drawing.json", "out.json"}}) {
        Outcome o =
            run(prefs() + "--timings '" + (dir / input).string() + "' -o '" + (dir / output).string() + "'");
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(timingLines(o.err), (Phases{"read", "build", "write"})) << input << "\n" << o.err;
    }
    Outcome o = run(prefs() + "--timings '" + (dir / "broken.svg").string() + "'");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(timingLines(o.err), Phases{"read"}) << o.err;
    EXPECT_EQ(timingLines(run(prefs() + "'" + (dir / "tiny.svg").string() + "'").err), Phases{});
}

TEST_F(VyncolorsTest, VersionNamesTheProgram) {
    Outcome o = run("--version");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("vyncolors ", 0), 0u);
}

} // namespace
