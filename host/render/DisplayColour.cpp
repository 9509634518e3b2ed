#include "render/DisplayColour.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace vyn::host {
namespace {

// A component outside 0..1 (or NaN) is held to the nearest end, so that no
// stored value, however odd, gives a colour a renderer would refuse.
double unit(double v) { return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0); }

DisplayRgb rgbToDisplay(const RgbPaint &p) { return {unit(p.red), unit(p.green), unit(p.blue)}; }

// The tint is how much of the colour is taken away, toward the white of
// the paper: tint 0 is the colour at full strength, tint 1 is white.
DisplayRgb customToDisplay(const CustomColor &color, float tint) {
    const DisplayRgb full = std::visit(
        [](const auto &definition) -> DisplayRgb {
            if constexpr (std::is_same_v<std::decay_t<decltype(definition)>, ProcessPaint>)
                return processToDisplay(definition);
            else
                return rgbToDisplay(definition);
        },
        color.color);
    return mixed(full, {1, 1, 1}, unit(tint));
}

} // namespace

DisplayRgb processToDisplay(const ProcessPaint &p) {
    const double white = 1 - unit(p.black);
    return {(1 - unit(p.cyan)) * white, (1 - unit(p.magenta)) * white, (1 - unit(p.yellow)) * white};
}

DisplayRgb mixed(const DisplayRgb &from, const DisplayRgb &to, double t) {
    return {from.red + (to.red - from.red) * t, from.green + (to.green - from.green) * t,
            from.blue + (to.blue - from.blue) * t};
}

std::optional<DisplayRgb> displayColour(const Document &document, const Paint &paint) {
    if (const auto *gray = std::get_if<GrayPaint>(&paint)) {
        const double g = unit(gray->gray);
        return DisplayRgb{g, g, g};
    }
    if (const auto *process = std::get_if<ProcessPaint>(&paint)) return processToDisplay(*process);
    if (const auto *rgb = std::get_if<RgbPaint>(&paint)) return rgbToDisplay(*rgb);
    if (const auto *custom = std::get_if<CustomPaint>(&paint))
        if (const CustomColor *color = document.customColor(custom->color))
            return customToDisplay(*color, custom->tint);
    return std::nullopt;
}

std::string cssColour(const DisplayRgb &colour) {
    static const char digits[] = "0123456789abcdef";
    std::string css = "#";
    for (double c : {colour.red, colour.green, colour.blue}) {
        const int byte = static_cast<int>(std::lround(unit(c) * 255));
        css += digits[byte >> 4];
        css += digits[byte & 15];
    }
    return css;
}

} // namespace vyn::host
