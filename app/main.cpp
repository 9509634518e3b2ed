// vyncolors — runs the Vyn•Colors plug-in inside the stand-in host.
#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>

#include "CommandLine.h"
#include "HelpText.h"
#include "HugePageHeap.h"
#include "Run.h"

namespace {

// The plug-ins folder, found from where the program itself is: "plugins"
// beside it (the build tree), else VYN_INSTALLED_PLUGINS relative to its
// folder (../lib/vyncolors/plugins, an installed prefix, wherever it was
// moved). When neither is a folder, the one beside the program, which the
// error then names.
std::filesystem::path defaultPluginsFolder(const char *argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    const std::filesystem::path folder = self.parent_path();
    const std::filesystem::path beside = folder / "plugins";
    if (std::filesystem::is_directory(beside, ec)) return beside;
    const std::filesystem::path installed = (folder / VYN_INSTALLED_PLUGINS).lexically_normal();
    if (std::filesystem::is_directory(installed, ec)) return installed;
    return beside;
}

} // namespace

int main(int argc, char **argv) {
    using namespace vyn::app;
    ParsedCommandLine parsed = parseCommandLine(argc, argv, defaultPluginsFolder(argv[0]));
    if (!parsed.options) {
        std::cerr << "vyncolors: " << parsed.error << "\nTry 'vyncolors --help'.\n";
        return exitStatusOf(Outcome::BadUsage);
    }
    if (parsed.options->help) {
        std::cout << kHelpText;
        return exitStatusOf(Outcome::Done);
    }
    if (parsed.options->version) {
        std::cout << "vyncolors " << VYN_VERSION << "\n";
        return exitStatusOf(Outcome::Done);
    }
    // Only a document makes the heap big enough to matter; standard input
    // has no size to tell.
    if (!parsed.options->documents.empty()) {
        std::size_t largest = 0;
        for (const DocumentJob &job : parsed.options->documents) {
            if (job.fromStandardInput) continue;
            std::error_code error;
            const std::uintmax_t size = std::filesystem::file_size(job.input, error);
            if (!error) largest = std::max<std::size_t>(largest, size);
        }
        useHugePagesForHeap(heapRoomFor(largest));
    }
    try {
        return exitStatusOf(run(*parsed.options, std::cout, std::cerr));
    } catch (const std::exception &e) {
        // Out of memory, or another failure no step expected: said, never a crash.
        std::cerr << "vyncolors: " << e.what() << "\n";
        return exitStatusOf(Outcome::Failed);
    }
}
