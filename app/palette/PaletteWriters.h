// PaletteWriters.h — the bytes of each palette format, made from the rows'
// facts (chart/RowFacts.h) and nothing else: one file per format
// (GplPalette.cpp, AsePalette.cpp, CssPalette.cpp, CsvPalette.cpp). The
// formats are described in docs/vyncolors.md, "Palettes".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/RowFacts.h"

namespace vyn::app {

struct PaletteText {
    std::string bytes;
    // What the palette could not hold as the chart shows it, a sentence a
    // row ("row 3 \"Pattern Dots\" is left out: ..."), for standard error.
    std::vector<std::string> notes;
};

// `document` is the input's name as given: it names the palette.
PaletteText gplPalette(const std::vector<RowFacts> &rows, std::string_view document);
PaletteText asePalette(const std::vector<RowFacts> &rows, std::string_view document);
PaletteText cssPalette(const std::vector<RowFacts> &rows, std::string_view document);
PaletteText csvPalette(const std::vector<RowFacts> &rows);

// "row N \"LABEL\"", the way notes name a row.
std::string rowInNote(const RowFacts &row);

// Why a row that shows no one colour is left out of a palette of colours:
// "a pattern", "a gradient", "no paint", "a custom colour the document does
// not hold".
std::string whatIsNoColour(const RowFacts &row);

} // namespace vyn::app
