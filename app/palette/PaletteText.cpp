#include "palette/PaletteText.h"

#include <filesystem>
#include <set>

#include "text/Utf.h"

namespace vyn::app {

std::string oneLine(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = host::nextUtf8(text, i);
        if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) c = 0xFFFD;
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029) c = ' ';
        host::appendUtf8(out, c);
    }
    return out;
}

std::string rowName(const RowFacts &row) {
    return row.label.empty() ? "Row " + std::to_string(row.number) : oneLine(row.label);
}

std::string swatchName(const RowFacts &row) { return rowName(row) + (row.overprint ? " (overprint)" : ""); }

std::string documentFileName(std::string_view document) {
    return oneLine(std::filesystem::path(document).filename().string());
}

std::string paletteTitle(std::string_view document) {
    const std::string title = oneLine(std::filesystem::path(document).stem().string());
    return title.empty() ? "Vyn•Colors" : title;
}

std::array<int, 3> displayBytes(const host::DisplayRgb &colour) {
    const std::string hex = host::cssColour(colour); // "#rrggbb", as every output shows it
    std::array<int, 3> bytes{};
    for (std::size_t i = 0; i < 3; ++i)
        bytes[i] = std::stoi(hex.substr(1 + 2 * i, 2), nullptr, 16);
    return bytes;
}

namespace {

// The code points CSS Syntax lets stand in a name as they are, beyond ASCII
// letters, digits, "-" and "_" ("non-ASCII ident code point"); U+FFFD, what
// a malformed byte became, is taken as a separator.
bool nonAsciiNameCodePoint(char32_t c) {
    return c == 0xB7 || (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || c == 0x200C || c == 0x200D || c == 0x203F || c == 0x2040 ||
           (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFC) || (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

std::string cssPropertyName(std::string_view text) {
    std::string name;
    bool gap = false; // characters a name cannot hold since the last kept one
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = host::nextUtf8(text, i);
        if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
        const bool kept = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                          (c >= 0x80 && nonAsciiNameCodePoint(c));
        if (!kept) {
            gap = true;
            continue;
        }
        if (gap && !name.empty()) name += '-';
        gap = false;
        host::appendUtf8(name, c);
    }
    return "--" + (name.empty() ? std::string("row") : name);
}

std::vector<std::string> uniqueNames(const std::vector<std::string> &names) {
    std::set<std::string> taken;
    std::vector<std::string> unique;
    for (const std::string &name : names) {
        std::string candidate = name;
        for (int n = 2; taken.contains(candidate); ++n)
            candidate = name + "-" + std::to_string(n);
        taken.insert(candidate);
        unique.push_back(std::move(candidate));
    }
    return unique;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string csvText(std::string_view text) {
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        return csvField("'" + std::string(text));
    return csvField(text);
}

} // namespace vyn::app
