// SvgMarkup.h — numbers and text as they go into the SVG the host writes.
//
// The append forms write at the end of a string that the caller grows
// element after element, so that a document of a hundred thousand elements
// is written without a string per element.
#pragma once

#include <string>
#include <string_view>

namespace vyn::host {

// How many digits a number keeps.
enum class SvgPrecision {
    // The shortest decimal that reads back as the same single-precision
    // float (the model's precision): "841.89", "0.1", "-3.5e-05".
    Single,
    // Rounded to two decimals, trailing zeros and point dropped, as
    // decimalText writes it (text/DecimalText.h): "4.23", "30", "0.5". For
    // pictures measured in whole and half pixels.
    Hundredths,
};

// `value` as an SVG number. "-0" is written "0"; an infinity or NaN, which
// SVG cannot hold, is written "0".
std::string svgNumber(double value, SvgPrecision precision = SvgPrecision::Single);
void appendSvgNumber(std::string &out, double value, SvgPrecision precision = SvgPrecision::Single);

// Where escaped text goes, and how strictly it is made fit for XML.
enum class XmlEscaping {
    // XML character data. Bytes that are not UTF-8 become U+FFFD; characters
    // XML cannot hold (most control characters, U+FFFE, U+FFFF) are left
    // out; tabs and line breaks are written as character references so that
    // they survive a reader's normalisation.
    Text,
    // The same, as an attribute value between double quotes.
    Attribute,
    // Character data with '"' written as "&quot;", tabs kept as they are,
    // line breaks and the other control characters left out, and every
    // other byte passed as it stands: the text of dialog pictures.
    Lenient,
};

// UTF-8 text escaped for `how` (or, with `attribute`, as an attribute value
// between double quotes; otherwise as character data).
std::string xmlEscaped(std::string_view utf8, bool attribute = false);
std::string xmlEscaped(std::string_view utf8, XmlEscaping how);
void appendXmlEscaped(std::string &out, std::string_view utf8, bool attribute = false);
void appendXmlEscaped(std::string &out, std::string_view utf8, XmlEscaping how);

// Appends ` name="value"`, the value as it stands (already escaped).
void appendAttribute(std::string &out, std::string_view name, std::string_view value);
// Appends ` name="number"`, the number as svgNumber writes it.
void appendNumberAttribute(std::string &out, std::string_view name, double value);

// Whether `name` may follow a prefix in an XML attribute name: ASCII letters,
// digits, '-', '_' and '.' only, so no reader can take it another way.
bool isPlainXmlNamePart(std::string_view name);

} // namespace vyn::host
