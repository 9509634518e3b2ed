#include "text/DecimalText.h"

#include <charconv>
#include <limits>

namespace vyn::host {

std::string decimalText(double value) {
    // Room for the integer digits of the largest double, sign, point and two
    // decimals: a printf buffer of fixed size cut large values short.
    char buffer[std::numeric_limits<double>::max_exponent10 + 8];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

} // namespace vyn::host
