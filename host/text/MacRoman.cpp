#include "text/MacRoman.h"

#include <array>

#include "ASMacRoman.h"
#include "text/Utf.h"

namespace vyn::host {
namespace {

// Code points of the bytes 0x80 to 0xFF; below 0x80 Mac Roman is ASCII.
constexpr std::array<char16_t, 128> kHighHalf = {AS_MAC_ROMAN_HIGH_HALF};

char16_t macRomanChar(unsigned char b) { return b < 0x80 ? char16_t(b) : kHighHalf[b - 0x80]; }

} // namespace

std::u16string macRomanToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out += macRomanChar(static_cast<unsigned char>(b));
    return out;
}

std::string macRomanToUtf8(std::string_view bytes) { return utf16ToUtf8(macRomanToUtf16(bytes)); }

std::string utf8ToMacRoman(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = nextUtf8(utf8, i);
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        char mapped = '?';
        for (std::size_t k = 0; k < kHighHalf.size(); ++k)
            if (kHighHalf[k] == c) mapped = char(0x80 + k);
        out += mapped;
    }
    return out;
}

} // namespace vyn::host
