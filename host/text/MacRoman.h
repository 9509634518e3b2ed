// MacRoman.h — the platform encoding of 8-bit text exchanged with plug-ins.
//
// Plug-ins hand the host 8-bit text in Mac Roman (the bullet is 0xA5, the
// ellipsis 0xC9); the host keeps text in UTF-8 or UTF-16 and converts at the
// suite boundary. The conversions between UTF-8 and UTF-16 are in Utf.h.
#pragma once

#include <string>
#include <string_view>

namespace vyn::host {

std::u16string macRomanToUtf16(std::string_view bytes);
std::string macRomanToUtf8(std::string_view bytes);
// Characters with no Mac Roman form become '?'.
std::string utf8ToMacRoman(std::string_view utf8);

} // namespace vyn::host
