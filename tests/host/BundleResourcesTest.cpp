// A bundle's resources are read only from regular files of bounded size:
// anything else in their place is refused, named, and not waited on.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "loader/BundleResources.h"
#include "support/FileFaults.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

namespace vyn::host::testing {
namespace {

namespace fs = std::filesystem;
using vyn::test::asUnprivileged;
using vyn::test::readFile;
using vyn::test::writeText;

TEST(BundleResources, RefusesWhatIsNotASmallRegularFileAndSaysWhich) {
    vyn::test::TempFolder folder;
    fs::create_directories(folder / "Icons");
    fs::create_directories(folder / "StringLists");
    writeText(folder / "Icons" / "1.svg", "<svg width=\"16\" height=\"8\"/>");
    writeText(folder / "StringLists" / "1.txt", "one\r\ntwo\n");
    ASSERT_EQ(::mkfifo((folder / "Icons" / "2.svg").c_str(), 0644), 0); // no writer: reading would hang
    fs::create_symlink("/dev/zero", folder / "Icons" / "3.svg");        // endless
    writeText(folder / "Icons" / "4.svg", std::string(kMaxResourceBytes + 1, ' '));
    fs::create_directories(folder / "Icons" / "5.svg");
    fs::create_symlink("/dev/zero", folder / "StringLists" / "2.txt");

    std::vector<std::string> refusals;
    BundleResources resources(folder.path(), [&](const std::string &r) { refusals.push_back(r); });
    auto icon = resources.icon(1);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->width, 16);
    EXPECT_EQ(resources.string(1, 2), "two");
    EXPECT_FALSE(resources.icon(9).has_value()) << "missing";
    EXPECT_FALSE(resources.string(9, 1).has_value()) << "missing";
    EXPECT_TRUE(refusals.empty()) << "a missing resource is no refusal";

    for (int id : {2, 3, 4, 5})
        EXPECT_FALSE(resources.icon(id).has_value()) << id;
    EXPECT_FALSE(resources.string(2, 1).has_value());
    const std::string icons = (folder / "Icons").string();
    EXPECT_EQ(refusals, (std::vector<std::string>{
                            "cannot read resource " + icons + "/2.svg: it is a FIFO, not a regular file",
                            "cannot read resource " + icons + "/3.svg: it is a device, not a regular file",
                            "cannot read resource " + icons + "/4.svg: it is larger than 1048576 bytes",
                            "cannot read resource " + icons + "/5.svg: it is a folder, not a regular file",
                            "cannot read resource " + (folder / "StringLists").string() +
                                "/2.txt: it is a device, not a regular file",
                        }));
}

} // namespace
} // namespace vyn::host::testing
