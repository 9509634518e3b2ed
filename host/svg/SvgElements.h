// SvgElements.h — what the reader makes of an element's name, resolved once
// per element, and the one depth-first walk over the elements of a tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include <pugixml.hpp>

#include "svg/SvgDiagnostics.h"

namespace vyn::host::svg {

enum class ElementKind : std::uint8_t {
    Nameless,     // no local name: nothing to draw
    NonRendering, // defs, style sheets, paint servers, clip paths...: never drawn where they stand
    Symbol,       // drawn only through a <use>
    NotModelled,  // images, foreign objects, animations, media: counted for the summary, not drawn
    Unknown,      // any other name: neither drawn nor reported
    Group,        // <g>: a layer at the top level, a group below it
    Anchor,       // <a>
    Switch,       // draws its first child whose conditions hold
    Svg,          // a nested <svg>, which maps its viewBox into its size
    Shape,        // path, rect, circle, ellipse, line, polyline, polygon
    Text,
    Use,
};

struct ElementType {
    ElementKind kind = ElementKind::Unknown;
    std::string_view name;     // the local name
    NotModelled notModelled{}; // which, for ElementKind::NotModelled

    // Not drawn where it stands (a symbol is drawn only through a <use>).
    bool nonRendering() const { return kind == ElementKind::NonRendering || kind == ElementKind::Symbol; }
    bool container() const {
        return kind == ElementKind::Group || kind == ElementKind::Anchor || kind == ElementKind::Switch ||
               kind == ElementKind::Svg;
    }
};

ElementType elementType(pugi::xml_node element);

// Calls visit(element, depth) for `root` (depth 0) and every element below
// it, in document order, without recursion (files nest deeper than a stack).
template <class Visit> void forEachElement(pugi::xml_node root, Visit &&visit) {
    std::size_t depth = 0;
    for (pugi::xml_node n = root; n;) {
        if (n.type() == pugi::node_element) visit(n, depth);
        if (n.first_child()) {
            n = n.first_child();
            ++depth;
            continue;
        }
        while (n && n != root && !n.next_sibling()) {
            n = n.parent();
            --depth;
        }
        n = n == root ? pugi::xml_node{} : n.next_sibling();
    }
}

} // namespace vyn::host::svg
