// <use>: a group holding what the element refers to, placed by the use's x,
// y and transform; a <symbol> or <svg> maps its viewBox into the use's width
// and height. What it makes is counted against the bounds before it is made
// (SvgUseBounds.h), and all of it belongs to the use in the source map.
#include "svg/SvgBuilder.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgTransform.h"

namespace vyn::host::svg {

void SvgBuilder::walkUse(pugi::xml_node element, const WalkState &here) {
    const pugi::xml_node target = find(hrefOf(element));
    if (!target) {
        diagnostics_.warn(WarningKind::Use, offsetOf(element),
                          "this <use> refers to no element; it draws nothing");
        return;
    }
    if (!here.inUse) bounds_.admit(element, here.depth);
    const double x = parseLength(element.attribute("x").value(), viewportWidth_).value_or(0);
    const double y = parseLength(element.attribute("y").value(), viewportHeight_).value_or(0);
    Affine local = here.ctm * Affine::translate(x, y);
    const bool opened = openSource(element);
    const ArtId group = document_.addArt(here.parent, Group{}).id;
    record(group);
    finish(group, element, here.style.displayNone, here.selected);
    const ElementType targetType = elementType(target);
    if (targetType.kind == ElementKind::Symbol || targetType.kind == ElementKind::Svg) {
        // The symbol's viewBox fits into the use's width and height.
        auto length = [&](const char *name, double whole) {
            const pugi::xml_attribute own = element.attribute(name);
            return parseLength(own ? own.value() : target.attribute(name).value(), whole).value_or(whole);
        };
        if (const auto viewBox = parseViewBox(target.attribute("viewBox").value()))
            local = local * viewBoxTransform(viewBox->data(), 0, 0, length("width", viewportWidth_),
                                             length("height", viewportHeight_),
                                             target.attribute("preserveAspectRatio").value());
        const ComputedStyle symbolStyle =
            styles_.compute(styles_.specified(target), here.style, viewportSize_);
        const Affine symbolLocal = targetType.kind == ElementKind::Svg ? local : local * transformOf(target);
        const WalkState inside{group, symbolStyle, symbolLocal, here.depth + 2, here.selected, true};
        for (pugi::xml_node child = target.first_child(); child; child = child.next_sibling())
            if (child.type() == pugi::node_element) walk(child, inside);
    } else {
        walk(target, targetType, WalkState{group, here.style, local, here.depth + 1, here.selected, true});
    }
    sourceMap_.close(opened);
}

} // namespace vyn::host::svg
