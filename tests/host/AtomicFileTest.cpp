// The one file writer: whole files or none, nothing planted beside the
// target followed or removed, every refusal with its cause.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "files/AtomicFile.h"
#include "support/FileFaults.h"
#include "support/FileText.h"
#include "support/TempFolder.h"
#include "picture/Picture.h"

namespace vyn::host::testing {
namespace {

namespace fs = std::filesystem;
using vyn::test::asUnprivileged;
using vyn::test::readFile;
using vyn::test::writeText;

const std::string kSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\"/>\n";

std::vector<std::string> namesIn(const fs::path &folder) {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string reasonFor(const fs::path &target) {
    auto failure = writeFileAtomically(target, "new");
    return failure ? failure->reason() : "written";
}

// The names the old writer used beside its target: a link there was
// followed, a folder there was deleted.
TEST(AtomicFile, NeitherFollowsNorRemovesWhatLiesBesideTheTarget) {
    vyn::test::TempFolder folder;
    writeText(folder / "victim.txt", "victim");
    fs::create_symlink("victim.txt", folder / "a.svg.part");
    fs::create_directory(folder / "b.png.part");
    EXPECT_FALSE(writePicture(kSvg, folder / "a.svg", 2.0));
    EXPECT_FALSE(writePicture(kSvg, folder / "b.png", 2.0));
    EXPECT_EQ(readFile(folder / "victim.txt"), "victim");
    EXPECT_TRUE(fs::is_directory(folder / "b.png.part"));
    EXPECT_EQ(readFile(folder / "a.svg"), kSvg);
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"a.svg", "a.svg.part", "b.png", "b.png.part", "victim.txt"}));
}

TEST(AtomicFile, WritesANameOfTheLongestLegalLength) {
    vyn::test::TempFolder folder;
    const fs::path longest = folder / (std::string(251, 'n') + ".svg");
    EXPECT_FALSE(writePicture(kSvg, longest, 2.0));
    EXPECT_EQ(readFile(longest), kSvg);
    EXPECT_EQ(reasonFor(folder / std::string(256, 'n')), "File name too long");
}

TEST(AtomicFile, KeepsTheReplacedFilesModeAndGivesANewOneWhatTheUmaskLeaves) {
    vyn::test::TempFolder folder;
    writeText(folder / "old", "old");
    fs::permissions(folder / "old", fs::perms(0640));
    const mode_t previous = ::umask(027);
    EXPECT_EQ(reasonFor(folder / "old"), "written");
    EXPECT_EQ(reasonFor(folder / "new"), "written");
    ::umask(previous);
    EXPECT_EQ(readFile(folder / "old"), "new");
    EXPECT_EQ(fs::status(folder / "old").permissions(), fs::perms(0640));
    EXPECT_EQ(fs::status(folder / "new").permissions(), fs::perms(0640));
}

// A link stays a link and its file is replaced, as editors do; a link that
// leads nowhere is refused rather than guessed at.
TEST(AtomicFile, WritesTheFileALinkLeadsTo) {
    vyn::test::TempFolder folder;
    writeText(folder / "real.svg", "old");
    fs::create_symlink("real.svg", folder / "link.svg");
    fs::create_symlink("nowhere.svg", folder / "dangling.svg");
    EXPECT_EQ(reasonFor(folder / "link.svg"), "written");
    EXPECT_TRUE(fs::is_symlink(folder / "link.svg"));
    EXPECT_EQ(readFile(folder / "real.svg"), "new");
    EXPECT_EQ(reasonFor(folder / "dangling.svg"),
              "it is a symbolic link that cannot be followed (No such file or directory)");
    EXPECT_FALSE(fs::exists(folder / "nowhere.svg"));
}

TEST(AtomicFile, RefusesTargetsWithTheirCauseAndLeavesNothingBehind) {
    vyn::test::TempFolder folder;
    writeText(folder / "file", "file");
    fs::create_directory(folder / "folder");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    fs::create_symlink("/dev/full", folder / "full");
    struct Case {
        fs::path target;
        std::string reason;
    } cases[] = {
        {folder / "missing" / "a.png", "No such file or directory"},
        {folder / "file" / "a.png", "Not a directory"},
        {folder / "folder", "it is a folder, not a regular file"},
        {folder / "fifo", "it is a FIFO, not a regular file"},
        {folder / "full", "it is a device, not a regular file"},
        {"/dev/full", "it is a device, not a regular file"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(reasonFor(c.target), c.reason) << c.target;
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"fifo", "file", "folder", "full"}));
    for (const auto &entry : fs::directory_iterator("/dev"))
        EXPECT_NE(entry.path().filename().string().rfind(".vyn-", 0), 0u) << entry.path();
}

// A run killed half-way through writing leaves no temporary file, where the
// file system can hold a file without a name.
TEST(AtomicFile, AKilledWriterLeavesNothingBehind) {
    vyn::test::TempFolder folder;
    const int probe = ::open(folder.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe < 0) GTEST_SKIP() << "this file system has no files without names";
    ::close(probe);
    writeText(folder / "old", "old");
    for (const char *target : {"old", "new"}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            AtomicFile file(folder / target);
            file.write("half");
            ::raise(SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
    }
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"old"});
    EXPECT_EQ(readFile(folder / "old"), "old");
    // And a whole one appears under its name, new or replacing.
    EXPECT_FALSE(writeFileAtomically(folder / "new", "new"));
    EXPECT_FALSE(writeFileAtomically(folder / "old", "new"));
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"new", "old"}));
    EXPECT_EQ(readFile(folder / "old"), "new");
}

TEST(AtomicFile, RespectsPermissions) {
    vyn::test::TempFolder folder;
    fs::create_directory(folder / "closed");
    fs::permissions(folder / "closed", fs::perms(0555));
    writeText(folder / "read-only", "kept");
    fs::permissions(folder / "read-only", fs::perms(0444));
    const std::string reasons = asUnprivileged(
        [&] { return reasonFor(folder / "closed" / "a.png") + "\n" + reasonFor(folder / "read-only"); });
    EXPECT_EQ(reasons, "Permission denied\nPermission denied");
    EXPECT_EQ(readFile(folder / "read-only"), "kept");
    EXPECT_TRUE(fs::is_empty(folder / "closed"));
}

// A write that fails half-way (here: past the file size limit, the way a
// full disk fails) leaves the old file and no temporary file.
TEST(AtomicFile, AWriteFailingHalfWayLeavesTheTargetAsItWas) {
    vyn::test::TempFolder folder;
    writeText(folder / "target", "old");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto *previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    AtomicFile file(folder / "target");
    file.write(std::string(3000, 'a'));
    file.write(std::string(3000, 'b'));
    auto failure = file.commit();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previousHandler);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->reason(), "File too large");
    EXPECT_EQ(readFile(folder / "target"), "old");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"target"});
}

TEST(AtomicFile, PictureErrorsNameTheFileAndTheCause) {
    vyn::test::TempFolder folder;
    const fs::path target = folder / "missing" / "a.png";
    const auto failure = writePicture(kSvg, target, 2.0);
    ASSERT_TRUE(failure) << "wrote into a missing folder";
    EXPECT_EQ(failure->message(target),
              "cannot write picture " + target.string() + ": No such file or directory");
}

} // namespace
} // namespace vyn::host::testing
