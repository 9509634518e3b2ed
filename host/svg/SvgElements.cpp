#include "svg/SvgElements.h"

#include "svg/SvgShapes.h"
#include "svg/SvgStyleSheet.h"

namespace vyn::host::svg {
namespace {

struct NamedKind {
    std::string_view name;
    ElementKind kind;
    NotModelled notModelled = {};
};

constexpr NamedKind kNamedKinds[] = {
    {"g", ElementKind::Group},
    {"a", ElementKind::Anchor},
    {"switch", ElementKind::Switch},
    {"svg", ElementKind::Svg},
    {"text", ElementKind::Text},
    {"use", ElementKind::Use},
    {"symbol", ElementKind::Symbol},
    {"image", ElementKind::NotModelled, NotModelled::Image},
    {"foreignObject", ElementKind::NotModelled, NotModelled::ForeignObject},
    {"animate", ElementKind::NotModelled, NotModelled::Animation},
    {"animateTransform", ElementKind::NotModelled, NotModelled::Animation},
    {"animateMotion", ElementKind::NotModelled, NotModelled::Animation},
    {"set", ElementKind::NotModelled, NotModelled::Animation},
    {"animateColor", ElementKind::NotModelled, NotModelled::Animation},
    {"video", ElementKind::NotModelled, NotModelled::Media},
    {"audio", ElementKind::NotModelled, NotModelled::Media},
    {"iframe", ElementKind::NotModelled, NotModelled::Media},
    {"canvas", ElementKind::NotModelled, NotModelled::Media},
};

constexpr std::string_view kNonRendering[] = {
    "defs",      "clipPath", "mask",  "marker", "pattern",  "linearGradient", "radialGradient",
    "filter",    "style",    "title", "desc",   "metadata", "script",         "font",
    "font-face", "cursor",   "view",  "stop",   "mpath",    "feImage"};

} // namespace

ElementType elementType(pugi::xml_node element) {
    const std::string_view name = localName(element);
    if (name.empty()) return {ElementKind::Nameless, name};
    for (const NamedKind &k : kNamedKinds)
        if (k.name == name) return {k.kind, name, k.notModelled};
    for (std::string_view k : kNonRendering)
        if (k == name) return {ElementKind::NonRendering, name};
    if (isShape(name)) return {ElementKind::Shape, name};
    return {ElementKind::Unknown, name};
}

} // namespace vyn::host::svg
