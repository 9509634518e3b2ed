#include "support/FileText.h"

#include <fstream>
#include <sstream>

namespace vyn::test {

std::string readFile(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace vyn::test
