// SvgPaintServers.h — fills and strokes as model paints: colours, and
// gradients and patterns as swatches named after the id the paint names,
// made once each, with the placement of the paint on each element.
//
// A gradient's attributes and stops come through its href chain (loops are
// cut); its placement is laid out as "Gradient placement" in the host's
// behaviour describes, measured from `frame`: where the map from gradient
// space to the page keeps angles (no skew, equal scales), the origin, angle
// and length are on the page and the matrix is the identity; otherwise they
// are in gradient space and the matrix maps them to the page.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include <pugixml.hpp>

#include "model/Document.h"
#include "render/PaintServers.h"
#include "svg/SvgPathData.h"
#include "svg/SvgStyle.h"

namespace vyn::host::svg {

Paint paintOf(const SvgColor &color);

// The element an href (or xlink:href) "#id" names, if any.
using FindById = std::function<pugi::xml_node(std::string_view id)>;
std::string_view hrefOf(pugi::xml_node element);

class PaintServers {
  public:
    // `warn` reports a value at its place in the file.
    PaintServers(Document &document, FindById find, StyleResolver &styles, ReportBadValue warn, Point frame,
                 double viewportWidth, double viewportHeight);

    // `toDocument` maps the element's user space to the document; `box` is
    // the element's bounding box in that user space (for objectBoundingBox).
    Paint paint(const PaintValue &value, const SvgColor &currentColor, const std::optional<Box> &box,
                const Affine &toDocument);

    // The swatches made so far and the ids of the elements they came from.
    PaintServerElements elements() const;

  private:
    struct Server {
        enum class Kind { Missing, None, Solid, Gradient, Pattern } kind = Kind::Missing;
        Paint solid = NoPaint{};
        GradientId gradient;
        PatternId pattern;
        bool radial = false;
        bool boxUnits = true; // gradientUnits / patternUnits objectBoundingBox
        Affine transform;     // gradientTransform / patternTransform
        // x1 y1 x2 y2, or cx cy r fx fy, or the pattern's x y: as written.
        std::string_view coordinates[5];
    };
    const Server &server(std::string_view id, std::string_view where);
    Server gradientServer(pugi::xml_node element, std::string_view id);
    Server patternServer(pugi::xml_node element, std::string_view id);
    Paint gradientPaint(const Server &server, const std::optional<Box> &box, const Affine &toDocument) const;
    Paint patternPaint(const Server &server, const std::optional<Box> &box, const Affine &toDocument) const;

    Document &document_;
    FindById find_;
    StyleResolver &styles_;
    ReportBadValue warn_;
    Point frame_;
    double width_, height_;
    std::unordered_map<std::string_view, Server> servers_;
    std::unordered_set<std::string_view> externals_; // url(FILE#id) warned of
};

} // namespace vyn::host::svg
