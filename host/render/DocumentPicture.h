// DocumentPicture.h — a document, with its chart, as a picture.
//
// Process colours, custom colours at their tints, gradients and patterns are
// shown in their display colours (docs/display-colours.md).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "files/FileWriteError.h"
#include "model/Document.h"

namespace vyn::host {

// The active artboard of `document` as a standalone SVG image.
std::string documentSvg(const Document &document);

// Writes the picture to `file`, SVG or PNG by its extension, through the
// host's safe writer (picture/Picture.h): nothing when it was written,
// otherwise why not.
[[nodiscard]] std::optional<FileWriteError> writeDocumentPicture(const Document &document,
                                                                 const std::filesystem::path &file);

} // namespace vyn::host
