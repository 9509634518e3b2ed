// The vyncolors command as a user runs it: arguments in, text and exit
// status out.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

TEST_F(VyncolorsTest, VersionNamesTheProgram) {
    Outcome o = run("--version");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("vyncolors ", 0), 0u);
}

} // namespace
