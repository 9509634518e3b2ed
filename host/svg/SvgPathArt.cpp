#include "svg/SvgPathArt.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "svg/SvgNumbers.h"

namespace vyn::host::svg {
namespace {

Dash dashOf(std::string_view text, double offset, double scale) {
    Dash dash;
    text = trimmed(text);
    if (text.empty() || equalsIgnoringCase(text, "none")) return dash;
    std::vector<double> lengths;
    NumberCursor cursor(text);
    while (!cursor.atEnd()) {
        auto length = cursor.number();
        if (!length || *length < 0) return dash;
        if (cursor.peek() == '%') cursor.advance(); // of the viewport; kept as a number
        while (std::isalpha(static_cast<unsigned char>(cursor.peek())))
            cursor.advance();
        lengths.push_back(*length);
        cursor.skipSeparator();
    }
    if (std::all_of(lengths.begin(), lengths.end(), [](double l) { return l == 0; })) return dash;
    if (lengths.size() % 2) lengths.insert(lengths.end(), lengths.begin(), lengths.end());
    dash.count = static_cast<std::int16_t>(std::min<std::size_t>(lengths.size(), dash.lengths.size()));
    for (std::int16_t i = 0; i < dash.count; ++i)
        dash.lengths[static_cast<std::size_t>(i)] =
            static_cast<float>(lengths[static_cast<std::size_t>(i)] * scale);
    dash.offset = static_cast<float>(offset * scale);
    return dash;
}

Point toPoint(const Affine &m, XY p) {
    const XY q = m.apply(p);
    return {static_cast<float>(q.x), static_cast<float>(q.y)};
}

bool smooth(const PathSegment &s) {
    const double ix = s.in.h - s.anchor.h, iy = s.in.v - s.anchor.v;
    const double ox = s.out.h - s.anchor.h, oy = s.out.v - s.anchor.v;
    const double li = std::hypot(ix, iy), lo = std::hypot(ox, oy);
    if (li == 0 || lo == 0) return false;
    return std::fabs(ix * oy - iy * ox) <= 1e-3 * li * lo && ix * ox + iy * oy < 0;
}

} // namespace

PathStyle pathStyleOf(const ComputedStyle &style, Paint fill, Paint stroke, double lineScale) {
    PathStyle s;
    s.fillPainted = !std::holds_alternative<NoPaint>(fill);
    s.fill.paint = std::move(fill);
    s.strokePainted = !std::holds_alternative<NoPaint>(stroke) && style.strokeWidth > 0;
    s.stroke.paint = std::move(stroke);
    s.stroke.width = static_cast<float>(style.strokeWidth * lineScale);
    s.stroke.dash = dashOf(style.dashArray, style.dashOffset, lineScale);
    s.stroke.cap = style.cap == 1 ? LineCap::Round : style.cap == 2 ? LineCap::Projecting : LineCap::Butt;
    s.stroke.join = style.join == 1 ? LineJoin::Round : style.join == 2 ? LineJoin::Bevel : LineJoin::Miter;
    s.stroke.miterLimit = static_cast<float>(style.miterLimit);
    s.evenOdd = style.evenOdd;
    return s;
}

PathShape pathShapeOf(const Subpath &subpath, const Affine &toDocument, const PathStyle &style) {
    PathShape shape;
    shape.style = style;
    shape.closed = subpath.closed;
    const std::vector<XY> &p = subpath.points;
    std::size_t anchors = (p.size() - 1) / 3 + 1;
    // A closed outline whose last segment ends on its start (a circle's last
    // arc) has that start once, its incoming handle from the last segment.
    const bool endsOnStart =
        subpath.closed && anchors > 1 && p[p.size() - 1].x == p[0].x && p[p.size() - 1].y == p[0].y;
    if (endsOnStart) --anchors;
    shape.segments.reserve(anchors);
    for (std::size_t k = 0; k < anchors; ++k) {
        PathSegment segment;
        segment.anchor = toPoint(toDocument, p[3 * k]);
        segment.in = k > 0 ? toPoint(toDocument, p[3 * k - 1]) : segment.anchor;
        segment.out = 3 * k + 1 < p.size() ? toPoint(toDocument, p[3 * k + 1]) : segment.anchor;
        shape.segments.push_back(segment);
    }
    if (endsOnStart) shape.segments.front().in = toPoint(toDocument, p[p.size() - 2]);
    if (!endsOnStart && !shape.segments.empty()) shape.segments.back().out = shape.segments.back().anchor;
    for (PathSegment &segment : shape.segments)
        segment.corner = !smooth(segment);
    return shape;
}

std::vector<ArtId> addOutlineArt(Document &document, ArtId parent, const Outline &outline,
                                 const Affine &toDocument, const PathStyle &style) {
    std::vector<const Subpath *> drawn;
    for (const Subpath &subpath : outline.subpaths)
        if (subpath.points.size() >= 4) drawn.push_back(&subpath);
    std::vector<ArtId> made;
    if (drawn.empty()) return made;
    if (drawn.size() == 1) {
        made.push_back(document.addArt(parent, pathShapeOf(*drawn.front(), toDocument, style)).id);
        return made;
    }
    const ArtId group = document.addArt(parent, Group{}).id;
    made.push_back(group);
    for (const Subpath *subpath : drawn)
        made.push_back(document.addArt(group, pathShapeOf(*subpath, toDocument, style)).id);
    return made;
}

} // namespace vyn::host::svg
