#include "render/SvgMarkup.h"

#include <charconv>
#include <cmath>

#include "text/DecimalText.h"
#include "text/Utf.h"

namespace vyn::host {

namespace {

// Printable ASCII with nothing to escape: the text as it stands.
bool plainAscii(std::string_view text, XmlEscaping how) {
    const bool quote = how != XmlEscaping::Text;
    for (char c : text)
        if (c < 0x20 || c > 0x7E || c == '&' || c == '<' || c == '>' || (quote && c == '"')) return false;
    return true;
}

void appendLenient(std::string &out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
        }
    }
}

} // namespace

void appendSvgNumber(std::string &out, double value, SvgPrecision precision) {
    if (precision == SvgPrecision::Hundredths) {
        out += std::isfinite(value) ? decimalText(value) : "0";
        return;
    }
    const float single = static_cast<float>(value);
    if (!std::isfinite(single) || single == 0) {
        out += '0';
        return;
    }
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, single).ptr;
    out.append(digits, end);
}

std::string svgNumber(double value, SvgPrecision precision) {
    std::string out;
    appendSvgNumber(out, value, precision);
    return out;
}

void appendAttribute(std::string &out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

void appendNumberAttribute(std::string &out, std::string_view name, double value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendSvgNumber(out, value);
    out += '"';
}

std::string xmlEscaped(std::string_view utf8, bool attribute) {
    return xmlEscaped(utf8, attribute ? XmlEscaping::Attribute : XmlEscaping::Text);
}

std::string xmlEscaped(std::string_view utf8, XmlEscaping how) {
    std::string out;
    appendXmlEscaped(out, utf8, how);
    return out;
}

void appendXmlEscaped(std::string &out, std::string_view utf8, bool attribute) {
    appendXmlEscaped(out, utf8, attribute ? XmlEscaping::Attribute : XmlEscaping::Text);
}

void appendXmlEscaped(std::string &out, std::string_view utf8, XmlEscaping how) {
    if (plainAscii(utf8, how)) {
        out += utf8;
        return;
    }
    if (how == XmlEscaping::Lenient) {
        appendLenient(out, utf8);
        return;
    }
    const bool attribute = how == XmlEscaping::Attribute;
    // Through UTF-16 and back, so that malformed bytes become U+FFFD.
    const std::string text = utf16ToUtf8(utf8ToUtf16(utf8));
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
