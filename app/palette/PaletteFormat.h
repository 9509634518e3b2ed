// PaletteFormat.h — the palette formats --palette writes, by a file name's
// extension (docs/vyncolors.md, "Palettes").
#pragma once

#include <filesystem>
#include <optional>

namespace vyn::app {

enum class PaletteFormat {
    Gpl, // the GIMP palette, which Inkscape, Krita and others read
    Ase, // Adobe Swatch Exchange
    Css, // CSS custom properties
    Csv, // comma-separated values, a row a line
};

// The format a name's extension stands for, in any letter case.
std::optional<PaletteFormat> paletteFormatOf(const std::filesystem::path &file);

// The extensions, for a message: ".gpl, .ase, .css or .csv".
inline constexpr const char *kPaletteExtensions = ".gpl, .ase, .css or .csv";

} // namespace vyn::app
