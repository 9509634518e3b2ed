// The top level of the tree: each top-level <g> is a layer (the last in the
// file on top), everything else drawn at the top level goes into one
// "Default layer", and the first layer with the chart's title, or marked in
// the chart's tag namespace, is an earlier chart: its span is kept for the
// writer, which replaces it whole, so nothing inside it enters the source
// map.
#include <algorithm>

#include "svg/SvgBuilder.h"

namespace vyn::host::svg {
namespace {

constexpr std::string_view kDefaultLayerTitle = "Default layer";

} // namespace

bool SvgBuilder::isEarlierChart(pugi::xml_node element, std::string_view title) const {
    if (built_.chartLayer) return false;
    if (title == options_.chart.layerTitle) return true;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = a.name();
        if (name.starts_with("xmlns:") && isTagNamespace(a.value())) return true;
        const std::size_t colon = name.find(':');
        if (colon != std::string_view::npos &&
            std::find(tagPrefixes_.begin(), tagPrefixes_.end(), name.substr(0, colon)) != tagPrefixes_.end())
            return true;
    }
    return false;
}

std::string SvgBuilder::layerTitle(pugi::xml_node element) const {
    const bool inkscapeLayer = std::string_view(element.attribute("inkscape:groupmode").value()) == "layer";
    std::string_view title = element.attribute(inkscapeLayer ? "inkscape:label" : "id").value();
    if (title.empty()) title = element.attribute(inkscapeLayer ? "id" : "inkscape:label").value();
    return title.empty() ? "Layer " + std::to_string(document_.layers().size() + 1) : std::string(title);
}

void SvgBuilder::readFirstRootSize() {
    SvgRootSize &size = built_.rootSize;
    auto own = [&](const char *name) -> std::optional<std::string> {
        const pugi::xml_attribute a = parsed_.root.attribute(name);
        return a ? std::optional<std::string>(a.value()) : std::nullopt;
    };
    size.viewBox = own("viewBox");
    size.width = own("width");
    size.height = own("height");
    if (tagPrefixes_.empty()) return;
    for (pugi::xml_node child = parsed_.root.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element || elementType(child).kind != ElementKind::Group) continue;
        if (!isEarlierChart(child, layerTitle(child))) continue;
        // The record: PREFIX:root-viewBox and so on, empty for an attribute
        // the root did not have.
        for (const std::string_view prefix : tagPrefixes_) {
            const std::string p(prefix);
            if (!child.attribute((p + ":root-viewBox").c_str())) continue;
            auto recorded = [&](const char *name) -> std::optional<std::string> {
                const std::string_view v = child.attribute((p + ":" + name).c_str()).value();
                return v.empty() ? std::nullopt : std::optional<std::string>(v);
            };
            size.viewBox = recorded("root-viewBox");
            size.width = recorded("root-width");
            size.height = recorded("root-height");
            size.recorded = true;
            return;
        }
        return;
    }
}

void SvgBuilder::makeLayer(pugi::xml_node element, const ComputedStyle &rootStyle, bool selectedAbove) {
    const SpecifiedStyle specified = styles_.specified(element);
    const ComputedStyle style = styles_.compute(specified, rootStyle, viewportSize_);
    tally(specified);
    std::string name = layerTitle(element);
    const bool chart = isEarlierChart(element, name);
    // Later layers are drawn above: the order is turned over once walkTop() ends.
    Layer &layer = document_.insertLayer(document_.layers().size(), std::move(name));
    layer.visible = !style.displayNone;
    layer.editable = !isInsensitive(element);
    const ArtId group = layer.group;
    applyTags(*document_.art(group), element);
    if (chart) built_.chartLayer = parsed_.spans.at(offsetOf(element));
    sourceMap_.pause(chart);
    const bool selected = selectedAbove || (!selectors_.empty() && selectedBySelector(element));
    const WalkState inside{group, style, transformOf(element), 2, selected, false};
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element) walk(child, inside);
    sourceMap_.pause(false);
}

void SvgBuilder::walkTop() {
    const ComputedStyle rootStyle =
        styles_.compute(styles_.specified(parsed_.root), ComputedStyle{}, viewportSize_);
    const bool rootSelected = !selectors_.empty() && selectedBySelector(parsed_.root);
    for (pugi::xml_node child = parsed_.root.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        const ElementType type = elementType(child);
        if (type.kind == ElementKind::Group) {
            makeLayer(child, rootStyle, rootSelected);
            continue;
        }
        if (type.kind == ElementKind::Nameless || type.nonRendering()) continue;
        if (!defaultLayerGroup_)
            defaultLayerGroup_ =
                document_.insertLayer(document_.layers().size(), std::string(kDefaultLayerTitle)).group;
        walk(child, type, WalkState{*defaultLayerGroup_, rootStyle, Affine{}, 1, rootSelected, false});
    }
    // The file's last layer is the topmost.
    document_.reverseLayers();
}

} // namespace vyn::host::svg
