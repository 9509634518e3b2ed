// DialogUnits.h — how numeric dialog items show their values and read typed
// text.
//
// Values are held in points; an item's display unit only says how the value
// is shown and what a bare number typed into it means. Shown values carry at
// most two decimals ("4.23 mm", "12 pt"). See docs/host-behaviour.md,
// "Units and typed values".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vyn::host {

// The host's unit codes (ADMItem.h).
enum class Unit { None = 0, Points = 1, Inches = 2, Millimetres = 3, Centimetres = 4, Picas = 5 };

std::optional<Unit> unitFromCode(int code);
double pointsPerUnit(Unit unit);
// "pt", "mm", ...; "" for Unit::None.
const char *unitSuffix(Unit unit);

// Reads what a person types into a field: a decimal number, optionally
// followed by one of the unit suffixes (pt, in, mm, cm, pc, any case);
// without a suffix the field's unit applies. Spaces around are allowed.
// Returns points, unclamped; nothing for text that is not such a number.
std::optional<double> parseTypedValue(std::string_view text, Unit fieldUnit);

// The value as the field shows it: converted to `unit`, two decimals at
// most, trailing zeros dropped, then the suffix after a space.
std::string formatValue(double points, Unit unit);

} // namespace vyn::host
