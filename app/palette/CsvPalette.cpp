// The rows as comma-separated values (RFC 4180: a header line, CRLF line
// ends, fields quoted when need be), every row, whatever its kind.
#include "palette/PaletteText.h"
#include "palette/PaletteWriters.h"

namespace vyn::app {
namespace {

std::string joined(const std::vector<float> &values) {
    std::string out;
    for (float v : values)
        out += (out.empty() ? "" : " ") + floatText(v);
    return out;
}

// The values the JSON report gives the row's kind, space-separated: the
// gray level, the CMYK or RGB components, a custom colour's tint.
std::string valuesField(const RowFacts &row) {
    switch (row.kind) {
    case RowKind::Gray:
    case RowKind::Process:
    case RowKind::Rgb: return joined(row.values->components);
    case RowKind::Custom: return floatText(row.tint);
    default: return "";
    }
}

std::string typeField(const RowFacts &row) {
    if (row.kind == RowKind::Custom) return customKindName(row.customKind);
    if (row.kind == RowKind::Gradient) return gradientKindName(row.gradientKind);
    return "";
}

} // namespace

PaletteText csvPalette(const std::vector<RowFacts> &rows) {
    PaletteText palette;
    std::string &out = palette.bytes;
    out += "label,kind,name,type,values,display,uses,fill,stroke,overprint\r\n";
    for (const RowFacts &row : rows) {
        const bool named =
            row.kind == RowKind::Custom || row.kind == RowKind::Pattern || row.kind == RowKind::Gradient;
        out += csvText(oneLine(row.label)) + ',';
        out += std::string(kindName(row.kind)) + ',';
        out += (named ? csvText(oneLine(row.name)) : std::string()) + ',';
        out += typeField(row) + ',';
        out += csvField(valuesField(row)) + ',';
        out += (row.display ? host::cssColour(*row.display) : std::string()) + ',';
        out += std::to_string(row.uses.total) + ',' + std::to_string(row.uses.fill) + ',' +
               std::to_string(row.uses.stroke) + ',';
        out += row.overprint ? "true" : "false";
        out += "\r\n";
    }
    return palette;
}

} // namespace vyn::app
