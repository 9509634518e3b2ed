// Palettes.h — writing the chart's rows as palettes (--palette FILE), each
// in the format of its extension (PaletteFormat.h), through the host's
// atomic writer: a palette changes whole or not at all.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string_view>
#include <vector>

#include "chart/RowFacts.h"
#include "palette/PaletteFormat.h"
#include "palette/PaletteWriters.h"

namespace vyn::app {

// The palette of `rows` in `format`; `document` is the input's name as given.
PaletteText paletteText(PaletteFormat format, const std::vector<RowFacts> &rows, std::string_view document);

// Writes each of `files` (each with a palette extension), says on `notes`
// what each palette left out ("vyncolors: note: FILE: ...") and on `err` why
// each one that could not be written was not ("vyncolors: cannot write
// palette FILE: REASON"). False when any could not be written; the others
// are written all the same.
bool writePalettes(const std::vector<RowFacts> &rows, const std::vector<std::filesystem::path> &files,
                   std::string_view document, std::ostream &err, std::ostream &notes);

} // namespace vyn::app
