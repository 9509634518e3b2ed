#include "render/PaintServers.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "render/DisplayColour.h"
#include "render/SvgMarkup.h"

namespace vyn::host {
namespace {

// Where a point of a gradient's placement lands in SVG user space: mapped by
// the placement's matrix, moved by the frame it was measured from, and
// turned so that y grows downwards (SVG y = -v).
struct PlacementToSvg {
    double a, b, c, d, e, f; // SVG's matrix(a b c d e f)

    explicit PlacementToSvg(const GradientPaint &paint) {
        const Matrix &m = paint.matrix;
        a = m.a, b = -double(m.b), c = m.c, d = -double(m.d);
        e = double(m.tx) + paint.frame.h, f = -(double(m.ty) + paint.frame.v);
    }
    bool onlyMoves() const { return a == 1 && b == 0 && c == 0 && d == -1; }
    double x(double h, double v) const { return a * h + c * v + e; }
    double y(double h, double v) const { return b * h + d * v + f; }
    std::string attribute() const {
        return " gradientTransform=\"matrix(" + svgNumber(a) + " " + svgNumber(b) + " " + svgNumber(c) + " " +
               svgNumber(d) + " " + svgNumber(e) + " " + svgNumber(f) + ")\"";
    }
};

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

std::string stopElement(double offset, const std::optional<DisplayRgb> &colour) {
    const std::string at = svgNumber(std::clamp(offset, 0.0, 1.0));
    if (!colour) return "<stop offset=\"" + at + "\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>";
    return "<stop offset=\"" + at + "\" stop-color=\"" + cssColour(*colour) + "\"/>";
}

constexpr char kPatternTileSize[] = "8";

} // namespace

PaintServers::PaintServers(const Document &document, std::string idPrefix, const PaintServerElements *elements)
    : document_(document), prefix_(std::move(idPrefix)), elements_(elements) {}

std::string PaintServers::paintValue(const Paint &paint) {
    if (const auto *gradientPaint = std::get_if<GradientPaint>(&paint)) {
        const Gradient *gradient = document_.gradient(gradientPaint->gradient);
        return gradient ? reference("gradient", gradientElement(*gradientPaint, *gradient)) : "none";
    }
    if (const auto *pattern = std::get_if<PatternPaint>(&paint)) {
        if (!document_.pattern(pattern->pattern)) return "none";
        // The file's own tile, where it has one whose id a url() can hold
        // as it stands.
        if (elements_)
            if (const auto it = elements_->patterns.find(pattern->pattern);
                it != elements_->patterns.end() && isPlainXmlNamePart(it->second))
                return "url(#" + it->second + ")";
        // The document keeps no tile for a pattern: every pattern shows as
        // the same light diagonal hatch, so that patterned art is seen, and
        // seen to be patterned.
        const std::string size = kPatternTileSize;
        return reference(
            "pattern",
            {{0, "<pattern patternUnits=\"userSpaceOnUse\" width=\"" + size + "\" height=\"" + size + "\">"},
             {1, "<rect width=\"" + size + "\" height=\"" + size + "\" fill=\"#f0f0f0\"/>"},
             {1, "<path d=\"M-2 2L2-2M0 8L8 0M6 10L10 6\" fill=\"none\" "
                 "stroke=\"#a0a0a0\" stroke-width=\"1.2\"/>"},
             {0, "</pattern>"}});
    }
    const std::optional<DisplayRgb> colour = displayColour(document_, paint);
    return colour ? cssColour(*colour) : "none";
}

std::string PaintServers::reference(const std::string &kind, Element element) {
    std::string key;
    for (const Line &line : element)
        key += std::to_string(line.depth) + line.text + "\n";
    auto found = idOfServer_.find(key);
    if (found == idOfServer_.end()) {
        const std::string id = prefix_ + kind + "-" + std::to_string(++counts_[kind]);
        std::string &start = element.front().text;
        start.insert(start.find_first_of(" >"), " id=\"" + id + "\"");
        servers_.push_back(std::move(element));
        found = idOfServer_.emplace(std::move(key), id).first;
    }
    return "url(#" + found->second + ")";
}

PaintServers::Element PaintServers::gradientElement(const GradientPaint &paint, const Gradient &gradient) {
    const PlacementToSvg toSvg(paint);
    // Points of the placement, before its matrix: where the ramp starts and
    // where it ends (or, radial, the centre and the highlight).
    const double h0 = paint.origin.h, v0 = paint.origin.v;
    const bool linear = gradient.kind == GradientKind::Linear;
    const double turn = radians(linear ? paint.angle : paint.highlightAngle);
    const double reach = linear ? paint.length : paint.highlightLength;
    const double h1 = h0 + reach * std::cos(turn), v1 = v0 + reach * std::sin(turn);

    // Without a matrix the points are written where they land; with one,
    // as they are, and the gradientTransform takes them there.
    auto point = [&](const char *x, const char *y, double h, double v) {
        const double sx = toSvg.onlyMoves() ? toSvg.x(h, v) : h;
        const double sy = toSvg.onlyMoves() ? toSvg.y(h, v) : v;
        return std::string(" ") + x + "=\"" + svgNumber(sx) + "\" " + y + "=\"" + svgNumber(sy) + "\"";
    };
    // The file's own gradient, where it has one, gives the stops, their
    // opacities and the spread; every attribute that places the ramp is then
    // written, since what is not would come from the file's element.
    const std::string *own = nullptr;
    if (elements_)
        if (const auto it = elements_->gradients.find(paint.gradient); it != elements_->gradients.end())
            own = &it->second;
    std::string start = linear ? "<linearGradient" : "<radialGradient";
    if (own) {
        start += " xlink:href=\"#";
        appendXmlEscaped(start, *own, true);
        start += '"';
        usedXlink_ = true;
    }
    start += " gradientUnits=\"userSpaceOnUse\"";
    if (linear) {
        start += point("x1", "y1", h0, v0) + point("x2", "y2", h1, v1);
    } else {
        start += point("cx", "cy", h0, v0) + " r=\"" + svgNumber(std::fabs(paint.length)) + "\"";
        if (paint.highlightLength != 0 || own) start += point("fx", "fy", h1, v1);
        if (own) start += " fr=\"0\"";
    }
    if (!toSvg.onlyMoves())
        start += toSvg.attribute();
    else if (own)
        start += " gradientTransform=\"matrix(1 0 0 1 0 0)\"";
    if (own) return {{0, start + "/>"}};
    Element element{{0, start + ">"}};
    for (Line &stop : stopElements(gradient))
        element.push_back(std::move(stop));
    element.push_back({0, linear ? "</linearGradient>" : "</radialGradient>"});
    return element;
}

PaintServers::Element PaintServers::stopElements(const Gradient &gradient) const {
    std::vector<GradientStop> stops = gradient.stops;
    std::stable_sort(stops.begin(), stops.end(),
                     [](const GradientStop &x, const GradientStop &y) { return x.position < y.position; });
    Element lines;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const std::optional<DisplayRgb> colour = displayColour(document_, stops[i].color);
        // SVG has no midpoints: a stop's midpoint, where the ramp from the
        // stop before it is an even mix of the two, becomes a stop of that
        // mix, so the ramp bends where the document's does.
        const float midpoint = stops[i].midpoint;
        if (i > 0 && midpoint != 0.5f && midpoint > 0 && midpoint < 1) {
            const std::optional<DisplayRgb> before = displayColour(document_, stops[i - 1].color);
            const double from = stops[i - 1].position;
            if (before && colour)
                lines.push_back({1, stopElement(from + midpoint * (stops[i].position - from),
                                                mixed(*before, *colour, 0.5))});
        }
        lines.push_back({1, stopElement(stops[i].position, colour)});
    }
    return lines;
}

void PaintServers::writeDefinitions(std::string &out, const std::string &indent,
                                    const std::string &indentUnit, const std::string &newline) const {
    for (const Element &element : servers_)
        for (const Line &line : element) {
            out += indent;
            for (int i = 0; i < line.depth; ++i)
                out += indentUnit;
            out += line.text + newline;
        }
}

} // namespace vyn::host
