#include "PluginHarness.h"

#include <unistd.h>

#include <atomic>
#include <fstream>

namespace vyn::test {

BundleCopy::BundleCopy(const std::string &errorList) {
    static std::atomic<int> counter{0};
    folder_ = std::filesystem::temp_directory_path() /
              ("vyn-bundle-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder_);
    std::filesystem::copy(kPluginsFolder / "VynColors.aip", folder_ / "VynColors.aip",
                          std::filesystem::copy_options::recursive);
    std::ofstream(folder_ / "VynColors.aip" / "Resources" / "StringLists" / "16050.txt") << errorList;
}

BundleCopy::~BundleCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

} // namespace vyn::test
