// SvgColor.h — colours and paints as SVG and CSS write them.
//
// Opacity in any form (an alpha component, `transparent`'s zero alpha) is
// not part of a paint: a half-transparent red is the red.
#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "model/Paint.h"

namespace vyn::host::svg {

// RGB components from 0 to 1 (value/255, or a percentage), or a process
// colour from device-cmyk().
using SvgColor = std::variant<RgbPaint, ProcessPaint>;

// #rgb, #rgba, #rrggbb, #rrggbbaa, rgb()/rgba() with numbers or percentages,
// hsl()/hsla(), device-cmyk(), the colour keywords and `transparent` (black:
// its alpha is dropped). Not currentColor: that is the caller's to resolve.
std::optional<SvgColor> parseColor(std::string_view text);

// A fill or stroke value.
struct PaintValue {
    enum class Kind { None, Color, CurrentColor, Url };
    Kind kind = Kind::None;
    SvgColor color;
    std::string_view id; // of url(#id); the whole reference when external
    bool external = false; // url(FILE#id): in another file, which is never read
    // What a url() paints when its target is missing or not a paint server.
    Kind fallbackKind = Kind::None;
    bool hasFallback = false;
    SvgColor fallbackColor;
};

// `none`, `transparent` (nothing painted), `currentColor`, a colour, or
// url(#id) or url(FILE#id) with an optional fallback; none for anything else.
std::optional<PaintValue> parsePaint(std::string_view text);

} // namespace vyn::host::svg
