#include "support/TempFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <system_error>

namespace vyn::test {

TempFolder::TempFolder() : TempFolder(std::filesystem::temp_directory_path()) {}

TempFolder::TempFolder(const std::filesystem::path &under) {
    // mkdtemp picks a name no other test, process or user holds.
    std::string pattern = (under / "vyn-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::system_error(errno, std::generic_category(), "mkdtemp");
    path_ = pattern;
    // Open to others as a shared temporary folder is, so that a test can run
    // a child process as another user inside it.
    std::filesystem::permissions(
        path_, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                   std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                   std::filesystem::perms::others_exec);
}

std::filesystem::path TempFolder::inMemory() {
    std::error_code ignored;
    const std::filesystem::path shared = "/dev/shm";
    return std::filesystem::is_directory(shared, ignored) ? shared : std::filesystem::temp_directory_path();
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
}

} // namespace vyn::test
