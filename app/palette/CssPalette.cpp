// CSS custom properties on :root, one a row: named from the row's label,
// holding the colour its box shows; a gradient holds a CSS gradient of its
// stops, laid as the chart's box lays it. A row with no colour to hold (a
// pattern, no paint) is left out.
#include <cmath>

#include "palette/PaletteText.h"
#include "palette/PaletteWriters.h"
#include "text/DecimalText.h"

namespace vyn::app {
namespace {

// Text a CSS comment can hold: no "*/" in it.
std::string commentText(std::string_view text) {
    std::string out = oneLine(text);
    for (std::size_t at = out.find("*/"); at != std::string::npos; at = out.find("*/", at))
        out.insert(at + 1, " ");
    return out;
}

std::string percent(double fraction) {
    if (std::isnan(fraction)) fraction = 0;
    fraction = std::fmax(-1e6, std::fmin(1e6, fraction));
    return host::decimalText(fraction * 100) + "%";
}

std::string stopColour(const StopFacts &stop) {
    return stop.display ? host::cssColour(*stop.display) : std::string("transparent");
}

// The row's gradient as the chart's box shows it: linear, level from left
// to right; radial, from the centre out to the nearest side. A midpoint
// other than 0.5 is a colour hint, where the ramp is an even mix of the
// stops on either side. Empty for a gradient without stops.
std::string cssGradient(const RowFacts &row) {
    const std::vector<StopFacts> &stops = row.stops;
    if (stops.empty()) return "";
    std::string value = row.gradientKind == host::GradientKind::Radial ? "radial-gradient(circle closest-side"
                                                                       : "linear-gradient(to right";
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const float midpoint = stops[i].midpoint;
        if (i > 0 && midpoint != 0.5f && midpoint > 0 && midpoint < 1) {
            const double from = stops[i - 1].position;
            value += ", " + percent(from + midpoint * (stops[i].position - from));
        }
        value += ", " + stopColour(stops[i]) + " " + percent(stops[i].position);
    }
    // CSS asks for two stops at least: one stop is its colour all along.
    if (stops.size() == 1) value += ", " + stopColour(stops[0]) + " " + percent(stops[0].position);
    return value + ")";
}

} // namespace

PaletteText cssPalette(const std::vector<RowFacts> &rows, std::string_view document) {
    PaletteText palette;
    struct Property {
        const RowFacts *row;
        std::string value;
    };
    std::vector<Property> properties;
    std::vector<std::string> names;
    for (const RowFacts &row : rows) {
        std::string value = row.display ? host::cssColour(*row.display) : cssGradient(row);
        if (value.empty()) {
            palette.notes.push_back(rowInNote(row) + " is left out: " + whatIsNoColour(row) +
                                    ", which no CSS value shows");
            continue;
        }
        properties.push_back({&row, std::move(value)});
        names.push_back(cssPropertyName(swatchName(row)));
    }
    names = uniqueNames(names);
    std::string &out = palette.bytes;
    out += "@charset \"UTF-8\";\n";
    out += "/* The colours of " + commentText(documentFileName(document)) +
           ": a custom property a row of its Vyn\u2022Colors chart, in the colour the row's box shows. */\n";
    out += ":root {\n";
    for (std::size_t i = 0; i < properties.size(); ++i)
        out += "  " + names[i] + ": " + properties[i].value + "; /* " +
               commentText(swatchName(*properties[i].row)) + " */\n";
    out += "}\n";
    return palette;
}

} // namespace vyn::app
