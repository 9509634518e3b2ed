#include "PluginHarness.h"

#include <fstream>

namespace vyn::test {

BundleCopy::BundleCopy(const std::string &errorList) {
    std::filesystem::copy(kPluginsFolder / "VynColors.aip", folder() / "VynColors.aip",
                          std::filesystem::copy_options::recursive);
    std::ofstream(folder() / "VynColors.aip" / "Resources" / "StringLists" / "16050.txt") << errorList;
}

} // namespace vyn::test
