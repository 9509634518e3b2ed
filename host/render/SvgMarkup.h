// SvgMarkup.h — numbers and text as they go into the SVG the host writes.
//
// The append forms write at the end of a string that the caller grows
// element after element, so that a document of a hundred thousand elements
// is written without a string per element.
#pragma once

#include <string>
#include <string_view>

namespace vyn::host {

// The shortest decimal that reads back as the same single-precision float
// (the model's precision): "841.89", "0.1", "-3.5e-05". "-0" is written "0";
// an infinity or NaN, which SVG cannot hold, is written "0".
std::string svgNumber(double value);
void appendSvgNumber(std::string &out, double value);

// UTF-8 text as XML character data (or, with `attribute`, as an attribute
// value between double quotes). Bytes that are not UTF-8 become U+FFFD;
// characters XML cannot hold (most control characters, U+FFFE, U+FFFF) are
// left out; tabs and line breaks are written as character references so
// that they survive a reader's normalisation.
std::string xmlEscaped(std::string_view utf8, bool attribute = false);
void appendXmlEscaped(std::string &out, std::string_view utf8, bool attribute = false);

// Appends ` name="value"`, the value as it stands (already escaped).
void appendAttribute(std::string &out, std::string_view name, std::string_view value);
// Appends ` name="number"`, the number as svgNumber writes it.
void appendNumberAttribute(std::string &out, std::string_view name, double value);

// Whether `name` may follow a prefix in an XML attribute name: ASCII letters,
// digits, '-', '_' and '.' only, so no reader can take it another way.
bool isPlainXmlNamePart(std::string_view name);

} // namespace vyn::host
