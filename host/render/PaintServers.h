// PaintServers.h — the SVG paint of a fill or stroke, with the gradients
// and pattern tiles it needs.
//
// Solid paints become colours; gradients become linearGradient or
// radialGradient elements placed on the page where the document's placement
// lands (docs/host-behaviour.md, "Gradient placement"); patterns, of which
// the document keeps only a name, become a placeholder tile
// (docs/display-colours.md). Each distinct server is made once.
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/Document.h"
#include "model/Paint.h"

namespace vyn::host {

// The gradients and patterns of a document that stand as elements, by id, in
// the file the art is written into (the SVG file the document was read
// from). A paint of one of them refers to the file's own element, so that it
// shows the file's stops, opacities, spread and tile: a pattern directly, a
// gradient through a gradient of its own that takes the file's by href and
// only places it.
struct PaintServerElements {
    std::unordered_map<GradientId, std::string> gradients;
    std::unordered_map<PatternId, std::string> patterns;
};

class PaintServers {
  public:
    // Ids of the servers are `idPrefix` followed by "gradient-N" or
    // "pattern-N", numbered from 1 in order of first use. `elements`, when
    // given, outlives this.
    PaintServers(const Document &document, std::string idPrefix, const PaintServerElements *elements = nullptr);

    // The value of a fill or stroke property showing `paint`: "none",
    // "#rrggbb", or "url(#ID)" of a server added to the definitions.
    std::string paintValue(const Paint &paint);

    bool empty() const { return servers_.empty(); }
    // Whether a definition refers to the file's own element by xlink:href.
    bool usedXlink() const { return usedXlink_; }
    // The servers used so far, in order of first use; every line starts with
    // `indent`, nested lines add `indentUnit`, and every line ends in `newline`.
    void writeDefinitions(std::string &out, const std::string &indent, const std::string &indentUnit,
                          const std::string &newline) const;

  private:
    // An element as lines, each with its depth below the element.
    struct Line {
        int depth;
        std::string text;
    };
    using Element = std::vector<Line>;

    std::string reference(const std::string &kind, Element element);
    Element gradientElement(const GradientPaint &paint, const Gradient &gradient);
    Element stopElements(const Gradient &gradient) const;

    const Document &document_;
    std::string prefix_;
    const PaintServerElements *elements_;
    bool usedXlink_ = false;
    std::vector<Element> servers_;
    std::map<std::string, std::string> idOfServer_; // the element without its id -> its id
    std::map<std::string, int> counts_;             // per kind
};

} // namespace vyn::host
