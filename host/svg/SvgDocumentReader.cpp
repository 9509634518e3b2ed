#include "svg/SvgDocumentReader.h"

namespace vyn::host::svg {

SvgDocumentRead readSvgDocument(std::string_view, std::string_view name, const SvgReadOptions &) {
    SvgDocumentRead read;
    read.error = std::string(name) + ": error: SVG documents cannot be read yet";
    return read;
}

SvgDocumentRead readSvgDocumentFile(const std::filesystem::path &file, const SvgReadOptions &options) {
    return readSvgDocument({}, file.string(), options);
}

} // namespace vyn::host::svg
