#include "palette/Palettes.h"

#include <ostream>

#include "files/AtomicFile.h"
#include "palette/PaletteText.h"

namespace vyn::app {

std::string rowInNote(const RowFacts &row) {
    return "row " + std::to_string(row.number) + " \"" + oneLine(row.label) + "\"";
}

std::string whatIsNoColour(const RowFacts &row) {
    switch (row.kind) {
    case RowKind::Pattern: return "a pattern";
    case RowKind::Gradient: return row.stops.empty() ? "a gradient without stops" : "a gradient";
    case RowKind::None: return "no paint";
    case RowKind::Custom: return "a custom colour the document does not hold";
    default: return "no colour";
    }
}

PaletteText paletteText(PaletteFormat format, const std::vector<RowFacts> &rows, std::string_view document) {
    switch (format) {
    case PaletteFormat::Gpl: return gplPalette(rows, document);
    case PaletteFormat::Ase: return asePalette(rows, document);
    case PaletteFormat::Css: return cssPalette(rows, document);
    case PaletteFormat::Csv: return csvPalette(rows);
    }
    return {};
}

bool writePalettes(const std::vector<RowFacts> &rows, const std::vector<std::filesystem::path> &files,
                   std::string_view document, std::ostream &err, std::ostream &notes) {
    bool written = true;
    for (const std::filesystem::path &file : files) {
        const std::optional<PaletteFormat> format = paletteFormatOf(file);
        if (!format) { // the command line lets none through
            err << "vyncolors: cannot write palette " << file.string() << ": the file must end in "
                << kPaletteExtensions << "\n";
            written = false;
            continue;
        }
        const PaletteText palette = paletteText(*format, rows, document);
        if (auto failure = host::writeFileAtomically(file, palette.bytes)) {
            failure->subject = "palette";
            err << "vyncolors: " << failure->message(file) << "\n";
            written = false;
            continue;
        }
        for (const std::string &note : palette.notes)
            notes << "vyncolors: note: " << file.string() << ": " << note << "\n";
    }
    return written;
}

} // namespace vyn::app
