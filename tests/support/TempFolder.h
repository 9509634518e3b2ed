// TempFolder.h — a fresh folder of its own under the system's temporary
// folder, removed with everything in it when the object goes.
#pragma once

#include <filesystem>
#include <string>

namespace vyn::test {

class TempFolder {
  public:
    // Throws std::system_error when no folder can be made.
    TempFolder();
    explicit TempFolder(const std::filesystem::path &under);

    // A folder in memory where the system has one (files there are synced
    // for free), else the temporary folder: for tests that write a file many
    // thousand times.
    static std::filesystem::path inMemory();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::filesystem::path operator/(const std::string &name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

} // namespace vyn::test
