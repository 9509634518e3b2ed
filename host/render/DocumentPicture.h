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

// Every artboard of `document` (together) as a standalone SVG image, one
// user unit a point.
std::string documentSvg(const Document &document);

// Writes the picture to `file`, SVG or PNG (at `pixelsPerPoint`) by its
// extension, through the host's safe writer (picture/Picture.h): nothing
// when it was written, otherwise why not.
[[nodiscard]] std::optional<FileWriteError> writeDocumentPicture(const Document &document,
                                                                 const std::filesystem::path &file,
                                                                 double pixelsPerPoint = 2.0);

} // namespace vyn::host
