// Adobe Swatch Exchange, version 1.0, as its published descriptions give
// it: "ASEF", the version (1, 0), the number of blocks, then the blocks,
// each a type, the length of what follows and that; every number big-endian,
// every name UTF-16 with its length (terminating zero included) before it
// and a zero after. The colours stand in one group named after the
// document. A colour block holds its model ("CMYK", "RGB ", "Gray"), its
// components as single-precision floats from 0 to 1 (gray 0 black to 1
// white) and its type: global, spot or normal.
#include <bit>
#include <cstdint>
#include <map>

#include "palette/PaletteText.h"
#include "palette/PaletteWriters.h"
#include "text/Utf.h"

namespace vyn::app {
namespace {

constexpr std::uint16_t kColourBlock = 0x0001, kGroupStart = 0xC001, kGroupEnd = 0xC002;
enum ColourType : std::uint16_t { Global = 0, Spot = 1, Normal = 2 };

void u16(std::string &out, std::uint16_t v) {
    out += static_cast<char>(v >> 8);
    out += static_cast<char>(v & 0xFF);
}

void u32(std::string &out, std::uint32_t v) {
    u16(out, static_cast<std::uint16_t>(v >> 16));
    u16(out, static_cast<std::uint16_t>(v & 0xFFFF));
}

// The name's length in UTF-16 units with its terminating zero, the units
// and the zero; a name past what the length can count is cut between
// characters.
void name(std::string &out, std::string_view utf8) {
    std::u16string units = host::utf8ToUtf16(utf8);
    if (units.size() > 0xFFFE) {
        units.resize(0xFFFE);
        if (units.back() >= 0xD800 && units.back() < 0xDC00) units.pop_back();
    }
    u16(out, static_cast<std::uint16_t>(units.size() + 1));
    for (char16_t unit : units)
        u16(out, unit);
    u16(out, 0);
}

void block(std::string &out, std::uint16_t type, const std::string &body) {
    u16(out, type);
    u32(out, static_cast<std::uint32_t>(body.size()));
    out += body;
}

const char *modelName(ColourValues::Model model) {
    switch (model) {
    case ColourValues::Model::Gray: return "Gray";
    case ColourValues::Model::Cmyk: return "CMYK";
    case ColourValues::Model::Rgb: return "RGB ";
    }
    return "Gray";
}

// A custom colour is a named swatch of its own: a spot colour (and the
// registration colour, printed on every plate) spot, a process one global.
ColourType typeOf(const RowFacts &row) {
    if (row.kind != RowKind::Custom) return Normal;
    return row.customKind == host::CustomColorKind::Process ? Global : Spot;
}

} // namespace

PaletteText asePalette(const std::vector<RowFacts> &rows, std::string_view document) {
    PaletteText palette;
    std::vector<std::string> colours;
    std::map<std::string, std::size_t> written; // each colour block so far, and the row it is
    for (const RowFacts &row : rows) {
        if (!row.values || row.kind == RowKind::Pattern || row.kind == RowKind::Gradient) {
            palette.notes.push_back(rowInNote(row) + " is left out: " + whatIsNoColour(row) +
                                    ", and a swatch exchange file holds colours only");
            continue;
        }
        // Overprint is the art's, not the swatch's: an overprinting row
        // is the swatch of its paint.
        std::string body;
        name(body, row.kind == RowKind::Custom ? oneLine(row.name) : rowName(row));
        body += modelName(row.values->model);
        for (float v : row.values->components)
            u32(body, std::bit_cast<std::uint32_t>(v));
        u16(body, typeOf(row));
        if (const auto [at, added] = written.emplace(body, row.number); !added) {
            palette.notes.push_back(rowInNote(row) + " is the swatch of row " + std::to_string(at->second) +
                                    ", written once");
            continue;
        }
        if (row.kind == RowKind::Custom && row.tint != 0)
            palette.notes.push_back(rowInNote(row) + " is written as " + oneLine(row.name) +
                                    " at full strength: a swatch exchange file holds no tints");
        colours.push_back(std::move(body));
    }
    std::string &out = palette.bytes;
    out += "ASEF";
    u16(out, 1);
    u16(out, 0);
    u32(out, static_cast<std::uint32_t>(colours.size() + 2));
    std::string group;
    name(group, paletteTitle(document));
    block(out, kGroupStart, group);
    for (const std::string &colour : colours)
        block(out, kColourBlock, colour);
    block(out, kGroupEnd, "");
    return palette;
}

} // namespace vyn::app
