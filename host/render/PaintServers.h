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
#include <vector>

#include "model/Document.h"
#include "model/Paint.h"

namespace vyn::host {

class PaintServers {
  public:
    // Ids of the servers are `idPrefix` followed by "gradient-N" or
    // "pattern-N", numbered from 1 in order of first use.
    PaintServers(const Document &document, std::string idPrefix);

    // The value of a fill or stroke property showing `paint`: "none",
    // "#rrggbb", or "url(#ID)" of a server added to the definitions.
    std::string paintValue(const Paint &paint);

    bool empty() const { return servers_.empty(); }
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
    Element gradientElement(const GradientPaint &paint, const Gradient &gradient) const;
    Element stopElements(const Gradient &gradient) const;

    const Document &document_;
    std::string prefix_;
    std::vector<Element> servers_;
    std::map<std::string, std::string> idOfServer_; // the element without its id -> its id
    std::map<std::string, int> counts_;             // per kind
};

} // namespace vyn::host
