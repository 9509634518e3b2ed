#include "palette/PaletteFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vyn::app {

std::optional<PaletteFormat> paletteFormatOf(const std::filesystem::path &file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".gpl") return PaletteFormat::Gpl;
    if (ext == ".ase") return PaletteFormat::Ase;
    if (ext == ".css") return PaletteFormat::Css;
    if (ext == ".csv") return PaletteFormat::Csv;
    return std::nullopt;
}

} // namespace vyn::app
