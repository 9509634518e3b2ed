// SvgBuilder.h — the state of one build of a document from a parsed SVG
// tree, shared by the files that make its parts (inside the reader only;
// SvgDocumentBuilder.h is the interface):
//
// - SvgDocumentBuilder.cpp: the survey of the tree, the artboard, and the
//   walk of containers, shapes and text, with their marks;
// - SvgLayers.cpp: the top-level groups as layers, the default layer, and
//   which layer is an earlier chart;
// - SvgUseExpansion.cpp: <use> and what it refers to;
// - SvgSourceMap.h: the map from art to the bytes it came from.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <pugixml.hpp>

#include "model/Document.h"
#include "svg/SvgDocumentBuilder.h"
#include "svg/SvgElements.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgPaintServers.h"
#include "svg/SvgShapes.h"
#include "svg/SvgSourceMap.h"
#include "svg/SvgStyle.h"
#include "svg/SvgStyleSheet.h"
#include "svg/SvgUseBounds.h"

namespace vyn::host::svg {

// SVG user space (y down) to the document (points, y up).
inline constexpr Affine kFlip{1, 0, 0, -1, 0, 0};

// Inkscape's lock: sodipodi:insensitive, unless "false" or "0".
inline bool isInsensitive(pugi::xml_node element) {
    const pugi::xml_attribute a = element.attribute("sodipodi:insensitive");
    if (!a) return false;
    const std::string_view v = trimmed(a.value());
    return v != "false" && v != "0";
}

// Where the walk stands at an element: what it inherits and where its art
// goes. Passed down by value, one level at a time.
struct WalkState {
    ArtId parent;               // the group the art goes into
    const ComputedStyle &style; // the computed style it inherits from
    Affine ctm;                 // the user space it stands in (before its own transform) to the root's
    std::size_t depth;          // nesting depth, <use> expanded
    bool selected;              // selected through an ancestor
    bool inUse;                 // inside the expansion of a <use>

    // The state of this element's children: their art goes into `group`,
    // inheriting `childStyle`, in the user space `childCtm`.
    WalkState below(ArtId group, const ComputedStyle &childStyle, const Affine &childCtm) const {
        return {group, childStyle, childCtm, depth + 1, selected, inUse};
    }
};

class SvgBuilder {
  public:
    SvgBuilder(const ParsedSvg &parsed, const SvgReadOptions &options, SvgDiagnostics &diagnostics);

    BuiltSvg run();

  private:
    void survey();
    void readArtboard();

    // SvgLayers.cpp
    void walkTop();
    void makeLayer(pugi::xml_node element, const ComputedStyle &rootStyle, bool selectedAbove);
    bool isEarlierChart(pugi::xml_node element, std::string_view title) const;
    std::string layerTitle(pugi::xml_node element) const;
    // The root's size before any run grew it: an earlier chart layer's
    // record of it, else the root's own attributes.
    void readFirstRootSize();

    void walk(pugi::xml_node element, const WalkState &above) { walk(element, elementType(element), above); }
    void walk(pugi::xml_node element, const ElementType &type, const WalkState &above);
    // `here` carries the element's own computed style, transform and selection.
    void walkContainer(pugi::xml_node element, ElementKind kind, const WalkState &here);
    void walkShape(pugi::xml_node element, std::string_view name, const WalkState &here);
    void walkText(pugi::xml_node element, const WalkState &here);
    // SvgUseExpansion.cpp
    void walkUse(pugi::xml_node element, const WalkState &here);

    // Marks art made from `element`: hidden, locked, tags, selected.
    void finish(ArtId id, pugi::xml_node element, bool hidden, bool selected);
    void select(ArtId id);
    bool selectedBySelector(pugi::xml_node element) const;
    void applyTags(Art &art, pugi::xml_node element) const;
    bool isTagNamespace(std::string_view uri) const {
        return !options_.chart.tagNamespace.empty() && uri == options_.chart.tagNamespace;
    }
    void tally(const SpecifiedStyle &style);

    // The element whose art is being made, if it is one the writer may cut.
    bool openSource(pugi::xml_node element) { return sourceMap_.open(parsed_.spans.at(offsetOf(element))); }
    void record(ArtId id) { sourceMap_.record(id); }

    pugi::xml_node find(std::string_view id);
    void noteUrlReferences(std::string_view text);
    std::size_t offsetOf(pugi::xml_node element) const {
        const std::ptrdiff_t at = element.offset_debug();
        return at > 0 ? static_cast<std::size_t>(at - 1) : 0;
    }
    std::size_t offsetOf(const char *p) const;
    void reportValue(std::string_view value, std::string_view reason);
    Affine transformOf(pugi::xml_node element);
    LengthBase lengthBase(const ComputedStyle &style) const {
        return {viewportWidth_, viewportHeight_, style.fontSize};
    }

    const ParsedSvg &parsed_;
    const SvgReadOptions &options_;
    SvgDiagnostics &diagnostics_;
    BuiltSvg built_;
    Document document_;
    SourceMapRecorder sourceMap_;
    StyleSheet sheet_;
    StyleResolver styles_;
    UseBounds bounds_;
    std::optional<PaintServers> paints_;
    std::vector<Selector> selectors_;
    std::vector<std::string_view> tagPrefixes_; // those the file declares for the tag namespace
    // The ids the file refers to (href="#id", url(#id)), found by the survey,
    // and the elements of those ids, indexed at the first look-up.
    std::unordered_set<std::string_view> referenced_;
    std::unordered_map<std::string_view, pugi::xml_node> ids_;
    bool idsIndexed_ = false, allIdsIndexed_ = false;
    std::unordered_map<const char *, bool> reported_; // values already warned about
    double viewportWidth_ = 0, viewportHeight_ = 0, viewportSize_ = 0;
    std::optional<ArtId> defaultLayerGroup_;
    bool useCutReported_ = false;
};

} // namespace vyn::host::svg
