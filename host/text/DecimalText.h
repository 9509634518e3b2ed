// DecimalText.h — how the host writes a number for people and for pictures:
// the value rounded to two decimals, trailing zeros and a trailing point
// dropped, never "-0" ("4.23", "30", "-1.5", "0"). Dialog fields show their
// values this way, and the picture renderer writes its coordinates this way.
#pragma once

#include <string>

namespace vyn::host {

// Exact for every finite double, however large; "inf", "-inf" and "nan" for
// the others.
std::string decimalText(double value);

} // namespace vyn::host
