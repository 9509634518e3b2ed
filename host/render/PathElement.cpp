#include "render/PathElement.h"

#include <algorithm>

#include "render/SvgMarkup.h"

namespace vyn::host {
namespace {

void appendPoint(std::string &out, Point p) {
    appendSvgNumber(out, p.h);
    out += ' ';
    appendSvgNumber(out, -double(p.v));
}

bool straight(const PathSegment &from, const PathSegment &to) {
    return from.out == from.anchor && to.in == to.anchor;
}

void appendCurve(std::string &out, const PathSegment &from, const PathSegment &to) {
    if (straight(from, to)) {
        out += 'L';
        appendPoint(out, to.anchor);
        return;
    }
    out += 'C';
    appendPoint(out, from.out);
    out += ' ';
    appendPoint(out, to.in);
    out += ' ';
    appendPoint(out, to.anchor);
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

void setStroke(Presentation &p, const Stroke &stroke, PaintServers &paints) {
    const bool all = p.important();
    p.setPaint("stroke", paints.paintValue(stroke.paint));
    if (all) p.set("stroke-opacity", "1");
    if (stroke.width != 1 || all) p.setNumber("stroke-width", length(stroke.width));
    const int dashes = std::clamp<int>(stroke.dash.count, 0, int(stroke.dash.lengths.size()));
    if (dashes > 0) {
        std::string list;
        for (int i = 0; i < dashes; ++i) {
            if (i) list += ' ';
            appendSvgNumber(list, length(stroke.dash.lengths[std::size_t(i)]));
        }
        p.set("stroke-dasharray", list);
        if (stroke.dash.offset != 0 || all) p.setNumber("stroke-dashoffset", stroke.dash.offset);
    } else if (all) {
        p.set("stroke-dasharray", "none");
    }
    if (stroke.cap != LineCap::Butt || all) p.set("stroke-linecap", capWord(stroke.cap));
    if (stroke.join != LineJoin::Miter || all) p.set("stroke-linejoin", joinWord(stroke.join));
    // SVG refuses a miter limit below 1.
    if (stroke.miterLimit != 4 || all) p.setNumber("stroke-miterlimit", std::max(1.0f, stroke.miterLimit));
}

} // namespace

void appendPathData(std::string &out, const PathShape &shape) {
    const auto &segments = shape.segments;
    if (segments.empty()) return;
    out += 'M';
    appendPoint(out, segments.front().anchor);
    for (std::size_t i = 1; i < segments.size(); ++i)
        appendCurve(out, segments[i - 1], segments[i]);
    if (shape.closed) {
        // Z draws the closing line itself.
        if (!straight(segments.back(), segments.front())) appendCurve(out, segments.back(), segments.front());
        out += 'Z';
    }
}

void setPathStyle(Presentation &p, const PathStyle &style, PaintServers &paints) {
    p.setPaint("fill", style.fillPainted ? paints.paintValue(style.fill.paint) : "none");
    if (p.important()) p.set("fill-opacity", "1");
    if (style.evenOdd || p.important()) p.set("fill-rule", style.evenOdd ? "evenodd" : "nonzero");
    if (style.strokePainted)
        setStroke(p, style.stroke, paints);
    else
        p.set("stroke", "none");
}

} // namespace vyn::host
