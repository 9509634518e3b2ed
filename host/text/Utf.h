// Utf.h — conversions between the host's two Unicode forms: UTF-8 (files,
// the model's names, the command's output) and UTF-16 (the host strings and
// text runs plug-ins see).
#pragma once

#include <string>
#include <string_view>

namespace vyn::host {

// Malformed input (a stray continuation byte, a lone surrogate) becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);
std::u16string utf8ToUtf16(std::string_view utf8);

// One code point decoded at `i`, which moves past it; U+FFFD when malformed.
char32_t nextUtf8(std::string_view s, std::size_t &i);
void appendUtf8(std::string &out, char32_t c);

// `text` as a message may show it on a terminal: what is not UTF-8, and the
// control characters (C0 but the tab, DEL, C1), which could move the cursor
// or recolour the screen, written byte by byte as \xNN.
std::string printableUtf8(std::string_view text);

} // namespace vyn::host
