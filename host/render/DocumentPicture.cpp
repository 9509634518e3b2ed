#include "render/DocumentPicture.h"

#include <stdexcept>

namespace vyn::host {

std::string documentSvg(const Document &) { throw std::runtime_error("documents cannot be drawn yet"); }

void writeDocumentPicture(const Document &, const std::filesystem::path &file) {
    throw std::runtime_error(file.string() + ": documents cannot be drawn yet");
}

} // namespace vyn::host
