// FileText.h — a whole file as bytes, for tests that compare what was written.
#pragma once

#include <filesystem>
#include <string>

namespace vyn::test {

// The file's bytes, unchanged; empty when it cannot be read.
std::string readFile(const std::filesystem::path &file);

} // namespace vyn::test
