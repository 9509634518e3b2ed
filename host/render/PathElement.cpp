#include "render/PathElement.h"

#include <algorithm>

#include "render/SvgMarkup.h"

namespace vyn::host {
namespace {

std::string svgPoint(Point p) { return svgNumber(p.h) + " " + svgNumber(-double(p.v)); }

bool straight(const PathSegment &from, const PathSegment &to) {
    return from.out == from.anchor && to.in == to.anchor;
}

std::string curve(const PathSegment &from, const PathSegment &to) {
    if (straight(from, to)) return "L" + svgPoint(to.anchor);
    return "C" + svgPoint(from.out) + " " + svgPoint(to.in) + " " + svgPoint(to.anchor);
}

std::string attribute(const char *name, const std::string &value) {
    return std::string(" ") + name + "=\"" + value + "\"";
}

const char *capWord(LineCap cap) {
    switch (cap) {
    case LineCap::Butt: return "butt";
    case LineCap::Round: return "round";
    case LineCap::Projecting: return "square";
    }
    return "butt";
}

const char *joinWord(LineJoin join) {
    switch (join) {
    case LineJoin::Miter: return "miter";
    case LineJoin::Round: return "round";
    case LineJoin::Bevel: return "bevel";
    }
    return "miter";
}

// A negative length has no meaning in SVG and would void the whole property.
double length(float value) { return std::max(0.0, double(value)); }

std::string strokeAttributes(const Stroke &stroke, PaintServers &paints) {
    std::string out = attribute("stroke", paints.paintValue(stroke.paint));
    if (stroke.width != 1) out += attribute("stroke-width", svgNumber(length(stroke.width)));
    const int dashes = std::clamp<int>(stroke.dash.count, 0, int(stroke.dash.lengths.size()));
    if (dashes > 0) {
        std::string list;
        for (int i = 0; i < dashes; ++i)
            list += (i ? " " : "") + svgNumber(length(stroke.dash.lengths[std::size_t(i)]));
        out += attribute("stroke-dasharray", list);
        if (stroke.dash.offset != 0) out += attribute("stroke-dashoffset", svgNumber(stroke.dash.offset));
    }
    if (stroke.cap != LineCap::Butt) out += attribute("stroke-linecap", capWord(stroke.cap));
    if (stroke.join != LineJoin::Miter) out += attribute("stroke-linejoin", joinWord(stroke.join));
    // SVG refuses a miter limit below 1.
    if (stroke.miterLimit != 4)
        out += attribute("stroke-miterlimit", svgNumber(std::max(1.0f, stroke.miterLimit)));
    return out;
}

} // namespace

std::string pathData(const PathShape &shape) {
    const auto &segments = shape.segments;
    if (segments.empty()) return {};
    std::string d = "M" + svgPoint(segments.front().anchor);
    for (std::size_t i = 1; i < segments.size(); ++i)
        d += curve(segments[i - 1], segments[i]);
    if (shape.closed) {
        // Z draws the closing line itself.
        if (!straight(segments.back(), segments.front())) d += curve(segments.back(), segments.front());
        d += "Z";
    }
    return d;
}

std::string pathStyleAttributes(const PathStyle &style, PaintServers &paints) {
    std::string out = attribute("fill", style.fillPainted ? paints.paintValue(style.fill.paint) : "none");
    if (style.evenOdd) out += attribute("fill-rule", "evenodd");
    out += style.strokePainted ? strokeAttributes(style.stroke, paints) : attribute("stroke", "none");
    return out;
}

} // namespace vyn::host
