#include "ErrorCodeText.h"

#include <cstdio>

#include "ASTypes.h"

namespace {

// Codes from this value up are shown as their four characters.
constexpr long kFirstFourCharCode = 16385;

} // namespace

void ErrorCodeText(long code, char *text, std::size_t size) {
    if (code >= kFirstFourCharCode) {
        const ASUInt32 value = static_cast<ASUInt32>(code);
        text[0] = static_cast<char>(value >> 24);
        text[1] = static_cast<char>(value >> 16);
        text[2] = static_cast<char>(value >> 8);
        text[3] = static_cast<char>(value);
        text[4] = '\0';
    } else {
        std::snprintf(text, size, "%d", static_cast<int>(code));
    }
}
