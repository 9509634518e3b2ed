// DocumentPicture.h — a document, with its chart, as a picture.
//
// Process colours, custom colours at their tints, gradients and patterns are
// shown in their display colours (docs/display-colours.md).
#pragma once

#include <filesystem>
#include <string>

#include "model/Document.h"

namespace vyn::host {

// The active artboard of `document` as a standalone SVG image.
std::string documentSvg(const Document &document);

// Writes the picture to `file`, SVG or PNG by its extension, through the
// host's safe writer. Throws std::runtime_error with a sentence naming the
// file when it cannot.
void writeDocumentPicture(const Document &document, const std::filesystem::path &file);

} // namespace vyn::host
