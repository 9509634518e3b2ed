#include "gate/HostError.h"

#include <cctype>

namespace vyn::host {

std::string describeCode(ASErr code) {
    auto u = static_cast<ASUInt32>(code);
    char chars[4] = {char(u >> 24), char(u >> 16), char(u >> 8), char(u)};
    bool printable = true;
    for (char c : chars)
        printable = printable && std::isprint(static_cast<unsigned char>(c));
    if (printable && code > 0xFFFF) {
        std::string quoted = "'";
        quoted.append(chars, 4);
        return quoted += '\'';
    }
    return std::to_string(code);
}

} // namespace vyn::host
