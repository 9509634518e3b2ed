#include "render/SvgMarkup.h"

#include <charconv>
#include <cmath>

#include "MacRoman.h"

namespace vyn::host {

std::string svgNumber(double value) {
    const float single = static_cast<float>(value);
    if (!std::isfinite(single) || single == 0) return "0";
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, single).ptr;
    return std::string(digits, end);
}

std::string xmlEscaped(std::string_view utf8, bool attribute) {
    // Through UTF-16 and back, so that malformed bytes become U+FFFD.
    const std::string text = utf16ToUtf8(utf8ToUtf16(utf8));
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        case '\t': out += "&#9;"; break;
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) break;
            // U+FFFE and U+FFFF, EF BF BE and EF BF BF, are not XML characters.
            if (text.compare(i, 2, "\xEF\xBF") == 0 && i + 2 < text.size() &&
                (text[i + 2] == '\xBE' || text[i + 2] == '\xBF')) {
                i += 2;
                break;
            }
            out += c;
        }
    }
    return out;
}

bool isPlainXmlNamePart(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
              c == '_' || c == '.'))
            return false;
    return true;
}

} // namespace vyn::host
