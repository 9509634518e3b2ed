// The GIMP palette (GIMP's "GIMP Palette Format Version 2"): the magic line,
// the palette's name, comments, then a line a colour: red, green and blue
// from 0 to 255 and, after a tab, the colour's name. A row that shows no one
// colour is left out.
#include <cstdio>

#include "palette/PaletteText.h"
#include "palette/PaletteWriters.h"

namespace vyn::app {

PaletteText gplPalette(const std::vector<RowFacts> &rows, std::string_view document) {
    PaletteText palette;
    std::string &out = palette.bytes;
    out += "GIMP Palette\n";
    out += "Name: " + paletteTitle(document) + "\n";
    out += "# The colours of " + documentFileName(document) +
           ": a line a row of its Vyn\u2022Colors chart, in the colour the row's box shows.\n";
    std::size_t colours = 0;
    for (const RowFacts &row : rows) {
        if (!row.display) {
            palette.notes.push_back(rowInNote(row) + " is left out: " + whatIsNoColour(row) +
                                    ", and a GIMP palette holds colours only");
            continue;
        }
        const auto [red, green, blue] = displayBytes(*row.display);
        char rgb[16];
        std::snprintf(rgb, sizeof rgb, "%3d %3d %3d", red, green, blue);
        out += rgb;
        out += '\t';
        out += swatchName(row);
        out += '\n';
        ++colours;
    }
    // GIMP refuses a palette file without a colour as cut short.
    if (colours == 0) palette.notes.push_back("the palette holds no colour, and GIMP loads none without one");
    return palette;
}

} // namespace vyn::app
