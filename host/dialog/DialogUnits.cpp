#include "dialog/DialogUnits.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "text/DecimalText.h"

namespace vyn::host {
namespace {

std::string_view trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::optional<Unit> unitFromSuffix(std::string_view suffix) {
    std::string lower;
    for (char c : suffix)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (Unit unit : {Unit::Points, Unit::Inches, Unit::Millimetres, Unit::Centimetres, Unit::Picas})
        if (lower == unitSuffix(unit)) return unit;
    return std::nullopt;
}

} // namespace

std::optional<Unit> unitFromCode(int code) {
    if (code < 0 || code > static_cast<int>(Unit::Picas)) return std::nullopt;
    return static_cast<Unit>(code);
}

double pointsPerUnit(Unit unit) {
    switch (unit) {
    case Unit::None:
    case Unit::Points: return 1.0;
    case Unit::Inches: return 72.0;
    case Unit::Millimetres: return 72.0 / 25.4;
    case Unit::Centimetres: return 720.0 / 25.4;
    case Unit::Picas: return 12.0;
    }
    return 1.0;
}

const char *unitSuffix(Unit unit) {
    switch (unit) {
    case Unit::None: return "";
    case Unit::Points: return "pt";
    case Unit::Inches: return "in";
    case Unit::Millimetres: return "mm";
    case Unit::Centimetres: return "cm";
    case Unit::Picas: return "pc";
    }
    return "";
}

std::optional<double> parseTypedValue(std::string_view text, Unit fieldUnit) {
    text = trim(text);
    // from_chars takes no leading '+', which people do type.
    bool negate = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negate = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
        return std::nullopt;
    double number = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || !std::isfinite(number)) return std::nullopt;
    std::string_view suffix = trim(text.substr(static_cast<std::size_t>(end - text.data())));
    Unit unit = fieldUnit;
    if (!suffix.empty()) {
        auto named = unitFromSuffix(suffix);
        if (!named) return std::nullopt;
        unit = *named;
    }
    return (negate ? -number : number) * pointsPerUnit(unit);
}

std::string formatValue(double points, Unit unit) {
    std::string text = decimalText(points / pointsPerUnit(unit));
    if (unit != Unit::None) text = text + " " + unitSuffix(unit);
    return text;
}

} // namespace vyn::host
