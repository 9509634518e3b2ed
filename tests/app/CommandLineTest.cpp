// The vyncolors command as a user runs it: arguments in, text and exit
// status out.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "support/FileText.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

using vyn::test::readFile;

struct Outcome {
    int status;
    std::string out, err;
};

class VyncolorsTest : public ::testing::Test {
  protected:
    Outcome run(const std::string &args) {
        std::string command = std::string("'") + VYNCOLORS_EXE + "' " + args + " >'" +
                              (dir / "out").string() + "' 2>'" + (dir / "err").string() + "'";
        int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"), readFile(dir / "err")};
    }

    vyn::test::TempFolder folder;
    const fs::path &dir = folder.path();
};

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
        EXPECT_FALSE(fs::exists(file.string() + ".part"));
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
        {"--render-about /no/such/folder/about.png", "/no/such/folder/about.png"},
        {"a-document.svg", "a-document.svg"},
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

TEST_F(VyncolorsTest, VersionNamesTheProgram) {
    Outcome o = run("--version");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("vyncolors ", 0), 0u);
}

} // namespace
