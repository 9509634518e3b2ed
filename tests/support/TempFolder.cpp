#include "support/TempFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <system_error>

namespace vyn::test {

TempFolder::TempFolder() {
    // mkdtemp picks a name no other test, process or user holds.
    std::string pattern = (std::filesystem::temp_directory_path() / "vyn-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::system_error(errno, std::generic_category(), "mkdtemp");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace vyn::test
