#include "svg/SvgStyle.h"

#include <algorithm>
#include <cmath>

#include "svg/SvgNumbers.h"

namespace vyn::host::svg {

std::optional<Property> propertyNamed(std::string_view name) {
    if (name.size() < 4 || name.size() > 17) return std::nullopt;
    static constexpr std::pair<std::string_view, Property> kNames[] = {
        {"fill", Property::Fill},
        {"stroke", Property::Stroke},
        {"color", Property::Color},
        {"stop-color", Property::StopColor},
        {"stroke-width", Property::StrokeWidth},
        {"stroke-dasharray", Property::StrokeDasharray},
        {"stroke-dashoffset", Property::StrokeDashoffset},
        {"stroke-linecap", Property::StrokeLinecap},
        {"stroke-linejoin", Property::StrokeLinejoin},
        {"stroke-miterlimit", Property::StrokeMiterlimit},
        {"fill-rule", Property::FillRule},
        {"display", Property::Display},
        {"visibility", Property::Visibility},
        {"font-family", Property::FontFamily},
        {"font-size", Property::FontSize},
        {"writing-mode", Property::WritingMode},
        {"filter", Property::Filter},
        {"mask", Property::Mask},
        {"clip-path", Property::ClipPath},
        {"marker-start", Property::MarkerStart},
        {"marker-mid", Property::MarkerMid},
        {"marker-end", Property::MarkerEnd},
    };
    for (const auto &[n, p] : kNames)
        if (n == name) return p;
    return std::nullopt;
}

std::optional<ParsedValue> StyleResolver::parse(Property property, std::string_view value) {
    ParsedValue parsed;
    parsed.property = property;
    parsed.value = value;
    const bool inherit = equalsIgnoringCase(value, "inherit");
    switch (property) {
    case Property::Fill:
    case Property::Stroke:
        if (!inherit && !(parsed.paint = parsePaint(value))) {
            report_(value, "this paint is not understood; it is ignored");
            return std::nullopt;
        }
        break;
    case Property::Color:
    case Property::StopColor:
        parsed.current = equalsIgnoringCase(value, "currentColor");
        if (!inherit && !parsed.current && !(parsed.color = parseColor(value))) {
            report_(value, "this colour is not understood; it is ignored");
            return std::nullopt;
        }
        break;
    default: break;
    }
    return parsed;
}

void StyleResolver::assign(SpecifiedStyle &style, const ParsedValue &parsed) {
    switch (parsed.property) {
    case Property::Fill: style.fill = parsed.paint; break;
    case Property::Stroke: style.stroke = parsed.paint; break;
    case Property::Color: style.color = parsed.color; break; // currentColor: the parent's, as if not set
    case Property::StopColor:
        style.stopColor = parsed.color;
        style.stopColorIsCurrent = parsed.current;
        break;
    default: break;
    }
    style.raw[static_cast<std::size_t>(parsed.property)] = parsed.value;
}

void StyleResolver::apply(SpecifiedStyle &style, Property property, std::string_view value) {
    if (const auto parsed = parse(property, value)) assign(style, *parsed);
}

const std::vector<StyleResolver::RuleValue> &StyleResolver::valuesOf(const StyleSheet::Rule &rule) {
    if (ruleValues_.size() <= rule.rank) ruleValues_.resize(sheet_.size());
    auto &values = ruleValues_[rule.rank];
    if (!values) {
        values.emplace();
        for (const Declaration &d : rule.declarations)
            if (const auto p = propertyNamed(d.name))
                if (auto parsed = parse(*p, d.value)) values->push_back({std::move(*parsed), d.important});
    }
    return *values;
}

SpecifiedStyle StyleResolver::specified(pugi::xml_node element) {
    SpecifiedStyle style;
    std::string_view styleAttribute;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = a.name();
        if (name == "style") {
            styleAttribute = a.value();
        } else if (const auto p = propertyNamed(name)) {
            apply(style, *p, trimmed(a.value()));
        }
    }
    important_.clear();
    // A rule's values are parsed the first time it matches, once.
    sheet_.matchingRules(element, rules_);
    for (const StyleSheet::Rule *rule : rules_)
        for (const RuleValue &v : valuesOf(*rule)) {
            if (v.important)
                important_.push_back(&v.value);
            else
                assign(style, v.value);
        }
    std::vector<ParsedValue> &ownImportant = ownImportant_;
    ownImportant.clear();
    forEachDeclaration(styleAttribute, [&](const Declaration &d) {
        const auto p = propertyNamed(d.name);
        if (!p) return;
        if (auto parsed = parse(*p, d.value)) {
            if (d.important)
                ownImportant.push_back(std::move(*parsed));
            else
                assign(style, *parsed);
        }
    });
    for (const ParsedValue *v : important_)
        assign(style, *v);
    for (const ParsedValue &v : ownImportant)
        assign(style, v);
    return style;
}

namespace {

bool isInherit(std::string_view value) { return equalsIgnoringCase(value, "inherit"); }

// The keyword's index in `words`, or none.
std::optional<std::uint8_t> keyword(std::string_view value, std::initializer_list<std::string_view> words) {
    std::uint8_t i = 0;
    for (std::string_view w : words) {
        if (equalsIgnoringCase(value, w)) return i;
        ++i;
    }
    return std::nullopt;
}

} // namespace

ComputedStyle StyleResolver::compute(const SpecifiedStyle &own, const ComputedStyle &parent,
                                     double viewportSize) const {
    ComputedStyle style = parent; // every property this reader uses inherits, except these:
    style.displayNone = false;
    style.fillSetHere = false;
    if (own.fill) {
        style.fill = *own.fill;
        style.fillSetHere = true;
    } else if (!own[Property::Fill].empty()) {
        style.fillSetHere = true; // fill: inherit, still its own paint
    }
    if (own.stroke) style.stroke = *own.stroke;
    if (own.color) style.color = *own.color;
    const auto raw = [&](Property p) -> std::string_view {
        const std::string_view v = own[p];
        return isInherit(v) ? std::string_view{} : v;
    };
    if (const auto size = raw(Property::FontSize); !size.empty())
        if (const auto v = parseLength(size, parent.fontSize, parent.fontSize); v && *v >= 0)
            style.fontSize = *v;
    if (const auto width = raw(Property::StrokeWidth); !width.empty())
        if (const auto v = parseLength(width, viewportSize, style.fontSize); v && *v >= 0)
            style.strokeWidth = *v;
    if (const auto dash = raw(Property::StrokeDasharray); !dash.empty()) style.dashArray = dash;
    if (const auto offset = raw(Property::StrokeDashoffset); !offset.empty())
        if (const auto v = parseLength(offset, viewportSize, style.fontSize)) style.dashOffset = *v;
    if (const auto cap = keyword(raw(Property::StrokeLinecap), {"butt", "round", "square"})) style.cap = *cap;
    if (const auto join =
            keyword(raw(Property::StrokeLinejoin), {"miter", "round", "bevel", "miter-clip", "arcs"}))
        style.join = *join > 2 ? 0 : *join;
    if (const auto limit = raw(Property::StrokeMiterlimit); !limit.empty())
        if (const auto v = parseNumber(limit); v && *v >= 1) style.miterLimit = *v;
    if (const auto rule = keyword(raw(Property::FillRule), {"nonzero", "evenodd"}))
        style.evenOdd = *rule == 1;
    if (const auto visibility = keyword(raw(Property::Visibility), {"visible", "hidden", "collapse"}))
        style.visible = *visibility == 0;
    if (const auto family = raw(Property::FontFamily); !family.empty()) style.fontFamily = family;
    if (const auto mode = raw(Property::WritingMode); !mode.empty())
        style.vertical = mode.substr(0, 2) == "tb" || mode.substr(0, 8) == "vertical";
    // display is not inherited, but `inherit` takes the parent's.
    const std::string_view display = own[Property::Display];
    style.displayNone =
        isInherit(display) ? parent.displayNone : equalsIgnoringCase(trimmed(display), "none");
    return style;
}

} // namespace vyn::host::svg
