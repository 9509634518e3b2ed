// Loading hostile bundles: every one is refused with its own sentence, and
// none takes the host down (no escaping exception, no SIGBUS in the loader).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/FileFaults.h"
#include "support/FileText.h"
#include "support/TempFolder.h"
#include "Host.h"
#include "loader/ModuleFile.h"
#include "loader/PluginSet.h"

namespace vyn::host::testing {
namespace {

namespace fs = std::filesystem;
using vyn::test::asUnprivileged;
using vyn::test::readFile;
using vyn::test::writeText;

const fs::path kBuiltModule = fs::path(VYN_PLUGINS_DIR) / "VynColors.aip" / "VynColors.so";

// A bundle NAME.aip whose module is a copy of the built one.
fs::path copyOfTheBuiltBundle(const fs::path &folder, const std::string &name) {
    const fs::path bundle = folder / (name + ".aip");
    fs::create_directories(bundle);
    fs::copy_file(kBuiltModule, bundle / (name + ".so"));
    return bundle;
}

std::vector<std::string> startFailures(const fs::path &folder) {
    Host host(HostOptions{folder});
    return host.start();
}

TEST(BundleLoading, RefusesEachHostileBundleWithItsOwnSentence) {
    vyn::test::TempFolder plugins;
    const std::string dir = plugins.path().string();
    fs::create_symlink("Loop2.aip", plugins / "Loop1.aip");
    fs::create_symlink("Loop1.aip", plugins / "Loop2.aip");
    writeText(plugins / "File.aip", "");
    fs::create_directories(plugins / "Self.aip");
    fs::create_symlink("Self.so", plugins / "Self.aip" / "Self.so");
    fs::create_directories(plugins / "Text.aip");
    writeText(plugins / "Text.aip" / "Text.so", "not a module");
    fs::create_directories(plugins / "Fifo.aip");
    ASSERT_EQ(::mkfifo((plugins / "Fifo.aip" / "Fifo.so").c_str(), 0644), 0);
    // The cut the issue was found with: the loader maps past the end.
    fs::resize_file(copyOfTheBuiltBundle(plugins.path(), "Cut") / "Cut.so", 13568);

    const std::vector<std::string> expected = {
        dir +
            "/Cut.aip: Cut.so is not a complete shared object for this machine: it is cut short: a loadable "
            "segment ends at byte ",
        dir + "/Fifo.aip: Fifo.so is not a complete shared object for this machine: it is a FIFO, not a "
              "regular file",
        dir + "/File.aip: the bundle is not a readable folder (it is a file)",
        dir + "/Loop1.aip: the bundle is not a readable folder (Too many levels of symbolic links)",
        dir + "/Loop2.aip: the bundle is not a readable folder (Too many levels of symbolic links)",
        dir + "/Self.aip: the module Self.so cannot be read (Too many levels of symbolic links)",
        dir + "/Text.aip: Text.so is not a complete shared object for this machine: it is not an ELF file",
    };
    const std::vector<std::string> failures = startFailures(plugins.path());
    ASSERT_EQ(failures.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(failures[i].rfind(expected[i], 0), 0u) << failures[i];
}

// Cut in the magic, the ELF header, the program headers, the segments.
TEST(BundleLoading, TheBuiltModuleIsLoadableAndNoCutOfItIs) {
    EXPECT_EQ(checkModuleFile(kBuiltModule).verdict, ModuleFileCheck::Verdict::Loadable);
    vyn::test::TempFolder folder;
    const fs::path cut = folder / "cut.so";
    for (std::uintmax_t length : {0, 3, 40, 100, 13568}) {
        fs::copy_file(kBuiltModule, cut, fs::copy_options::overwrite_existing);
        fs::resize_file(cut, length);
        EXPECT_EQ(checkModuleFile(cut).verdict, ModuleFileCheck::Verdict::NotLoadable) << length << " bytes";
    }
}

// A folder that cannot be read is not a folder without bundles.
TEST(BundleLoading, UnreadableFoldersSaySo) {
    vyn::test::TempFolder plugins;
    fs::create_directories(plugins / "Closed.aip");
    fs::permissions(plugins / "Closed.aip", fs::perms::none);
    const std::string bundleFailures = asUnprivileged([&] {
        std::string all;
        for (const auto &failure : startFailures(plugins.path()))
            all += failure + "\n";
        return all;
    });
    EXPECT_EQ(bundleFailures, (plugins / "Closed.aip").string() +
                                  ": the module Closed.so cannot be read (Permission denied)\n");

    fs::permissions(plugins.path(), fs::perms::none);
    const std::string folderError = asUnprivileged([&] {
        std::error_code error;
        const bool none = PluginSet::bundlesIn(plugins.path(), error).empty();
        return std::string(none ? "none: " : "some: ") + error.message();
    });
    const std::string startError = asUnprivileged([&] {
        Host host(HostOptions{plugins.path()});
        const auto failures = host.start();
        return failures.empty() ? std::string("no failure") : failures.front();
    });
    fs::permissions(plugins.path(), fs::perms::owner_all);
    fs::permissions(plugins / "Closed.aip", fs::perms::owner_all);
    EXPECT_EQ(folderError, "none: Permission denied");
    EXPECT_EQ(startError,
              plugins.path().string() + ": the plug-ins folder cannot be read (Permission denied)");
}

} // namespace
} // namespace vyn::host::testing
