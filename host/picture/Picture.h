// Picture.h — SVG documents as pictures: PNG bytes drawn by the picture
// module (PictureModuleLoader.h), and picture files, SVG or PNG.
//
// Every picture the host makes goes through here: dialogs (one SVG user
// unit a dialog pixel) and documents (one SVG user unit a point). The caller
// says how many PNG pixels one SVG user unit becomes.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "files/FileWriteError.h"

namespace vyn::host {

// The SVG document `svg` drawn at `pixelsPerUnit` pixels per user unit, as
// PNG bytes. Throws std::runtime_error with librsvg's reason when the SVG
// cannot be read, or with the loader's when the picture module cannot be
// loaded.
std::vector<unsigned char> svgToPng(std::string_view svg, double pixelsPerUnit);

// The size, in pixels, at which svgToPng draws `svg` at one pixel per user
// unit. Throws as svgToPng does.
std::pair<double, double> svgPixelSize(std::string_view svg);

// Writes `svg` to `file`, as SVG text or, for a name ending in .png, as a
// PNG drawn at `pixelsPerUnit` pixels per user unit. The file appears whole
// or not at all (see AtomicFile.h). Nothing when it was written; otherwise
// why not, a "picture" error whose message names the file: a name ending in
// neither .svg nor .png, an SVG that cannot be drawn, a file that cannot be
// written.
[[nodiscard]] std::optional<FileWriteError>
writePicture(std::string_view svg, const std::filesystem::path &file, double pixelsPerUnit);

} // namespace vyn::host
