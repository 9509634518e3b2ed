// PaletteText.h — the text palettes hold: each row's name in a palette,
// text made fit for one line, CSS property names and CSV fields.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/RowFacts.h"

namespace vyn::app {

// `text` as valid UTF-8 on one line: a malformed byte sequence becomes
// U+FFFD, and each control character (line breaks and tabs among them, and
// U+2028 and U+2029) a space.
std::string oneLine(std::string_view text);

// A row's name: its label on one line, or "Row N" for a row without one.
std::string rowName(const RowFacts &row);

// The name a row takes in a palette of rows: rowName, and " (overprint)"
// after it for a row that overprints (which stands beside the same paint
// without overprint).
std::string swatchName(const RowFacts &row);

// The document's file name without its folders, on one line: what the
// palettes' comments name it by.
std::string documentFileName(std::string_view document);

// The palette's own name: the document's file name without its folders and
// extension, on one line ("Vyn•Colors" when that leaves nothing).
std::string paletteTitle(std::string_view document);

// The colour a row shows as the three bytes of its "#rrggbb".
std::array<int, 3> displayBytes(const host::DisplayRgb &colour);

// A CSS custom property name made of `text`: "--", then the text with ASCII
// letters in lower case, each run of characters that cannot stand in a CSS
// name as they are (spaces, punctuation, "=", "%") made one "-", none at
// either end; letters of other scripts are kept. "--row" when nothing is
// left. "C=2 M=66 Y=96 K=0" gives "--c-2-m-66-y-96-k-0".
std::string cssPropertyName(std::string_view text);

// `names`, each one equal to a name before it given the first of "-2",
// "-3", ... that makes it equal to none before it.
std::vector<std::string> uniqueNames(const std::vector<std::string> &names);

// A field of a CSV line (RFC 4180): as it is, or in double quotes (each
// inner one doubled) when it holds a comma, a double quote or a line break.
std::string csvField(std::string_view text);

// A text field of a CSV line, taken by a spreadsheet as text and never as a
// formula: one starting with "=", "+", "-", "@", a tab or a carriage return
// gets an apostrophe before it; then as csvField.
std::string csvText(std::string_view text);

} // namespace vyn::app
