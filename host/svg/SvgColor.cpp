#include "svg/SvgColor.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "svg/SvgNamedColors.h"
#include "svg/SvgNumbers.h"

namespace vyn::host::svg {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

RgbPaint rgbFromBytes(double r, double g, double b) {
    auto unit = [](double v) { return static_cast<float>(std::clamp(v, 0.0, 255.0) / 255.0); };
    return RgbPaint{unit(r), unit(g), unit(b)};
}

std::optional<SvgColor> hexColor(std::string_view digits) {
    int d[8];
    if (digits.size() > std::size(d)) return std::nullopt;
    for (std::size_t i = 0; i < digits.size(); ++i)
        if ((d[i] = hexDigit(digits[i])) < 0) return std::nullopt;
    switch (digits.size()) {
    case 3:
    case 4: return rgbFromBytes(d[0] * 17, d[1] * 17, d[2] * 17);
    case 6:
    case 8: return rgbFromBytes(d[0] * 16 + d[1], d[2] * 16 + d[3], d[4] * 16 + d[5]);
    default: return std::nullopt;
    }
}

struct Argument {
    double value = 0;
    std::string_view unit; // "", "%", "deg", …
};

// The arguments of a colour function, written with commas or spaces, with
// an alpha after '/' or as a fourth comma-separated argument (dropped by the
// callers, which read only as many as they need).
std::optional<std::vector<Argument>> functionArguments(std::string_view inside) {
    std::vector<Argument> arguments;
    NumberCursor cursor(inside);
    while (!cursor.atEnd()) {
        const auto value = cursor.number();
        if (!value) return std::nullopt;
        const std::string_view rest = cursor.rest();
        std::size_t unitLength = 0;
        while (unitLength < rest.size() &&
               ((rest[unitLength] >= 'a' && rest[unitLength] <= 'z') ||
                (rest[unitLength] >= 'A' && rest[unitLength] <= 'Z') || rest[unitLength] == '%'))
            ++unitLength;
        arguments.push_back({*value, rest.substr(0, unitLength)});
        for (std::size_t i = 0; i < unitLength; ++i)
            cursor.advance();
        cursor.skipSeparator();
        if (cursor.peek() == '/') {
            cursor.advance();
            cursor.skipSpaces();
        }
    }
    return arguments;
}

double unitFraction(const Argument &a, double whole) {
    return a.unit == "%" ? a.value / 100 : a.value / whole;
}

std::optional<SvgColor> rgbFunction(const std::vector<Argument> &args) {
    if (args.size() < 3 || args.size() > 4) return std::nullopt;
    double c[3];
    for (int i = 0; i < 3; ++i) {
        if (!args[i].unit.empty() && args[i].unit != "%") return std::nullopt;
        c[i] = std::clamp(unitFraction(args[i], 255), 0.0, 1.0) * 255;
    }
    return rgbFromBytes(c[0], c[1], c[2]);
}

std::optional<SvgColor> hslFunction(const std::vector<Argument> &args) {
    if (args.size() < 3 || args.size() > 4) return std::nullopt;
    double hue = args[0].value;
    if (equalsIgnoringCase(args[0].unit, "rad"))
        hue = hue * 180 / 3.14159265358979323846;
    else if (equalsIgnoringCase(args[0].unit, "grad"))
        hue = hue * 0.9;
    else if (equalsIgnoringCase(args[0].unit, "turn"))
        hue = hue * 360;
    else if (!args[0].unit.empty() && !equalsIgnoringCase(args[0].unit, "deg"))
        return std::nullopt;
    for (int i = 1; i < 3; ++i)
        if (!args[i].unit.empty() && args[i].unit != "%") return std::nullopt;
    const double s = std::clamp(args[1].value / 100, 0.0, 1.0);
    const double l = std::clamp(args[2].value / 100, 0.0, 1.0);
    hue = std::fmod(std::fmod(hue, 360) + 360, 360) / 360;
    const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    auto channel = [&](double t) {
        t = t < 0 ? t + 1 : t > 1 ? t - 1 : t;
        if (t < 1.0 / 6) return p + (q - p) * 6 * t;
        if (t < 1.0 / 2) return q;
        if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
        return p;
    };
    return RgbPaint{static_cast<float>(channel(hue + 1.0 / 3)), static_cast<float>(channel(hue)),
                    static_cast<float>(channel(hue - 1.0 / 3))};
}

std::optional<SvgColor> cmykFunction(std::string_view inside) {
    // A fallback colour may follow the components after a comma; it is not
    // needed, the process colour itself is what the model keeps.
    NumberCursor cursor(inside);
    double c[4];
    for (double &component : c) {
        const auto value = cursor.number();
        if (!value) return std::nullopt;
        component = *value;
        if (cursor.peek() == '%') {
            cursor.advance();
            component /= 100;
        }
        component = std::clamp(component, 0.0, 1.0);
        cursor.skipSeparator();
    }
    return ProcessPaint{static_cast<float>(c[0]), static_cast<float>(c[1]), static_cast<float>(c[2]),
                        static_cast<float>(c[3])};
}

} // namespace

std::optional<SvgColor> parseColor(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return std::nullopt;
    if (text.front() == '#') return hexColor(text.substr(1));
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos) {
        if (equalsIgnoringCase(text, "transparent")) return RgbPaint{0, 0, 0};
        if (const auto rgb = namedColor(text))
            return rgbFromBytes((*rgb >> 16) & 0xFF, (*rgb >> 8) & 0xFF, *rgb & 0xFF);
        return std::nullopt;
    }
    if (text.back() != ')') return std::nullopt;
    const std::string_view function = trimmed(text.substr(0, open));
    const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    if (equalsIgnoringCase(function, "device-cmyk")) return cmykFunction(inside);
    const auto args = functionArguments(inside);
    if (!args) return std::nullopt;
    if (equalsIgnoringCase(function, "rgb") || equalsIgnoringCase(function, "rgba"))
        return rgbFunction(*args);
    if (equalsIgnoringCase(function, "hsl") || equalsIgnoringCase(function, "hsla"))
        return hslFunction(*args);
    return std::nullopt;
}

std::optional<PaintValue> parsePaint(std::string_view text) {
    text = trimmed(text);
    PaintValue paint;
    if (equalsIgnoringCase(text, "none") || equalsIgnoringCase(text, "transparent")) return paint;
    if (equalsIgnoringCase(text, "currentColor")) {
        paint.kind = PaintValue::Kind::CurrentColor;
        return paint;
    }
    if (text.size() > 4 && equalsIgnoringCase(text.substr(0, 4), "url(")) {
        const std::size_t close = text.find(')');
        if (close == std::string_view::npos) return std::nullopt;
        std::string_view target = trimmed(text.substr(4, close - 4));
        if (target.size() >= 2 && (target.front() == '"' || target.front() == '\'') &&
            target.back() == target.front())
            target = target.substr(1, target.size() - 2);
        if (target.empty() || target == "#") return std::nullopt;
        paint.kind = PaintValue::Kind::Url;
        paint.external = target.front() != '#';
        paint.id = paint.external ? target : target.substr(1);
        const std::string_view fallback = trimmed(text.substr(close + 1));
        if (fallback.empty()) return paint;
        const auto alternative = parsePaint(fallback);
        if (!alternative || alternative->kind == PaintValue::Kind::Url) return std::nullopt;
        paint.hasFallback = true;
        paint.fallbackKind = alternative->kind;
        paint.fallbackColor = alternative->color;
        return paint;
    }
    const auto color = parseColor(text);
    if (!color) return std::nullopt;
    paint.kind = PaintValue::Kind::Color;
    paint.color = *color;
    return paint;
}

} // namespace vyn::host::svg
