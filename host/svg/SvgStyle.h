// SvgStyle.h — the computed value of the properties the reader uses, on
// one element: presentation attributes < <style> rules (by specificity,
// then order) < the style attribute, !important above all of them;
// inheritance, `inherit` and currentColor. The rule of which properties
// inherit is written once, in computeStyle().
//
// A paint or colour that does not parse is reported once and dropped, as a
// browser drops an invalid declaration: the one below it in the cascade
// wins.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "svg/SvgColor.h"
#include "svg/SvgStyleSheet.h"

namespace vyn::host::svg {

enum class Property : std::uint8_t {
    Fill,
    Stroke,
    Color,
    StopColor,
    StrokeWidth,
    StrokeDasharray,
    StrokeDashoffset,
    StrokeLinecap,
    StrokeLinejoin,
    StrokeMiterlimit,
    FillRule,
    Display,
    Visibility,
    FontFamily,
    FontSize,
    WritingMode,
    Filter,
    Mask,
    ClipPath,
    MarkerStart,
    MarkerMid,
    MarkerEnd,
    Count
};

// The winners of the cascade on one element, before inheritance: the raw
// value (empty: not set) and, for paints and colours, the parsed value.
struct SpecifiedStyle {
    std::array<std::string_view, static_cast<std::size_t>(Property::Count)> raw{};
    std::optional<PaintValue> fill, stroke;
    std::optional<SvgColor> color, stopColor;
    bool stopColorIsCurrent = false;

    std::string_view operator[](Property p) const { return raw[static_cast<std::size_t>(p)]; }
};

inline PaintValue blackPaint() {
    PaintValue black;
    black.kind = PaintValue::Kind::Color;
    return black;
}

struct ComputedStyle {
    PaintValue fill = blackPaint(); // the initial fill
    PaintValue stroke;
    SvgColor color = RgbPaint{0, 0, 0};
    bool fillSetHere = false; // the element's own fill, not its parent's
    double strokeWidth = 1;
    std::string_view dashArray; // "none" or a list, parsed where a path needs it
    double dashOffset = 0;
    std::uint8_t cap = 0, join = 0; // butt/round/square, miter/round/bevel
    double miterLimit = 4;
    bool evenOdd = false;
    bool visible = true;
    bool displayNone = false; // not inherited
    bool vertical = false;
    std::string_view fontFamily;
    double fontSize = 16;
};

// A declaration of a property this reader uses, its value parsed.
struct ParsedValue {
    Property property = Property::Fill;
    std::string_view value;
    std::optional<PaintValue> paint; // fill and stroke; none for inherit
    std::optional<SvgColor> color;   // color and stop-color; none for inherit and currentColor
    bool current = false;            // currentColor
};

// Where a value came from, for a warning: its place in the file.
using ReportBadValue = std::function<void(std::string_view value, std::string_view reason)>;

class StyleResolver {
  public:
    StyleResolver(const StyleSheet &sheet, ReportBadValue report)
        : sheet_(sheet), report_(std::move(report)) {}

    SpecifiedStyle specified(pugi::xml_node element);
    // `viewportSize` is what stroke-width percentages are of.
    ComputedStyle compute(const SpecifiedStyle &own, const ComputedStyle &parent, double viewportSize) const;

  private:
    struct RuleValue {
        ParsedValue value;
        bool important = false;
    };
    // None, with a warning, for a paint or colour that does not parse.
    std::optional<ParsedValue> parse(Property property, std::string_view value);
    static void assign(SpecifiedStyle &style, const ParsedValue &parsed);
    void apply(SpecifiedStyle &style, Property property, std::string_view value);
    const std::vector<RuleValue> &valuesOf(const StyleSheet::Rule &rule);

    const StyleSheet &sheet_;
    ReportBadValue report_;
    std::vector<std::optional<std::vector<RuleValue>>> ruleValues_; // by rank, parsed on first use
    // Scratch, reused for every element.
    std::vector<const StyleSheet::Rule *> rules_;
    std::vector<const ParsedValue *> important_;
    std::vector<ParsedValue> ownImportant_;
};

std::optional<Property> propertyNamed(std::string_view name);

} // namespace vyn::host::svg
