#include "SvgModelDump.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "text/Utf.h"

namespace vyn::host::svg {
namespace {

std::string num(double v) {
    double r = std::round(v * 1000) / 1000;
    if (r == 0) r = 0; // no "-0"
    char text[32];
    std::snprintf(text, sizeof text, "%g", r);
    return text;
}

std::string point(Point p) { return "(" + num(p.h) + " " + num(p.v) + ")"; }

std::string rgb(const RgbPaint &c) {
    const float parts[] = {c.red, c.green, c.blue};
    bool bytes = true;
    for (float p : parts)
        bytes = bytes && std::fabs(p * 255 - std::round(p * 255)) < 1e-3;
    char text[64];
    if (bytes) {
        std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<int>(std::lround(c.red * 255)),
                      static_cast<int>(std::lround(c.green * 255)),
                      static_cast<int>(std::lround(c.blue * 255)));
        return text;
    }
    return "rgb(" + num(c.red) + " " + num(c.green) + " " + num(c.blue) + ")";
}

std::string matrix(const Matrix &m) {
    if (m == Matrix{}) return "";
    return " matrix=(" + num(m.a) + " " + num(m.b) + " " + num(m.c) + " " + num(m.d) + " " + num(m.tx) + " " +
           num(m.ty) + ")";
}

std::string attributes(const Art &art) {
    std::string out;
    if (art.attributes & kHidden) out += " hidden";
    if (art.attributes & kLocked) out += " locked";
    if (art.attributes & kSelected) out += " selected";
    for (const auto &[name, tag] : art.tags)
        out += " tag:" + name + "=" + tag.value;
    return out;
}

std::string bounds(const PathShape &path) {
    if (path.segments.empty()) return "";
    float l = path.segments[0].anchor.h, r = l, t = path.segments[0].anchor.v, b = t;
    for (const PathSegment &s : path.segments) {
        l = std::min(l, s.anchor.h);
        r = std::max(r, s.anchor.h);
        t = std::max(t, s.anchor.v);
        b = std::min(b, s.anchor.v);
    }
    return " anchors=(" + num(l) + " " + num(t) + " " + num(r) + " " + num(b) + ")";
}

void dumpArt(std::ostringstream &out, const Document &document, ArtId id, int depth) {
    const Art *art = document.art(id);
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    if (const Group *group = art->group()) {
        out << indent << "group" << attributes(*art) << "\n";
        for (ArtId child : group->children)
            dumpArt(out, document, child, depth + 1);
    } else if (const PathShape *path = art->path()) {
        const PathStyle &s = path->style;
        out << indent << "path fill=" << (s.fillPainted ? describePaint(s.fill.paint, document) : "none")
            << " stroke=" << (s.strokePainted ? describePaint(s.stroke.paint, document) : "none");
        if (s.strokePainted) {
            out << " width=" << num(s.stroke.width);
            if (s.stroke.dash.count) {
                out << " dash=";
                for (int i = 0; i < s.stroke.dash.count; ++i)
                    out << (i ? "," : "") << num(s.stroke.dash.lengths[static_cast<std::size_t>(i)]);
            }
            if (s.stroke.cap != LineCap::Butt) out << " cap=" << static_cast<int>(s.stroke.cap);
            if (s.stroke.join != LineJoin::Miter) out << " join=" << static_cast<int>(s.stroke.join);
        }
        if (s.evenOdd) out << " evenodd";
        out << " segments=" << path->segments.size() << (path->closed ? " closed" : "") << bounds(*path)
            << attributes(*art) << "\n";
    } else if (const TextFrame *frame = art->textFrame()) {
        out << indent << "text \"" << utf16ToUtf8(frame->story.text()) << "\" at=" << point(frame->anchor)
            << " fill=" << describePaint(frame->story.paint(), document);
        if (frame->story.runs.size() > 1) out << " runs=" << frame->story.runs.size();
        if (frame->orientation == TextOrientation::Vertical) out << " vertical";
        out << attributes(*art) << "\n";
    }
}

} // namespace

std::string describePaint(const Paint &paint, const Document &document) {
    if (const auto *c = std::get_if<RgbPaint>(&paint)) return rgb(*c);
    if (const auto *c = std::get_if<ProcessPaint>(&paint))
        return "cmyk(" + num(c->cyan) + " " + num(c->magenta) + " " + num(c->yellow) + " " + num(c->black) +
               ")";
    if (const auto *c = std::get_if<GrayPaint>(&paint)) return "gray(" + num(c->gray) + ")";
    if (const auto *g = std::get_if<GradientPaint>(&paint)) {
        const Gradient *gradient = document.gradient(g->gradient);
        std::string out = "gradient:" + (gradient ? gradient->name : "?") + " origin=" + point(g->origin) +
                          " angle=" + num(g->angle) + " length=" + num(g->length);
        if (g->highlightLength != 0)
            out += " highlight=" + num(g->highlightAngle) + "/" + num(g->highlightLength);
        return out + matrix(g->matrix);
    }
    if (const auto *p = std::get_if<PatternPaint>(&paint)) {
        const Pattern *pattern = document.pattern(p->pattern);
        return "pattern:" + (pattern ? pattern->name : "?") + matrix(p->transform);
    }
    if (std::holds_alternative<CustomPaint>(paint)) return "custom";
    return "nopaint";
}

std::string dumpSvgRead(const SvgDocumentRead &read) {
    std::ostringstream out;
    if (read.document) {
        const Document &d = *read.document;
        for (const Artboard &a : d.artboards)
            out << "artboard " << num(a.bounds.left) << " " << num(a.bounds.top) << " " << num(a.bounds.right)
                << " " << num(a.bounds.bottom) << "\n";
        for (GradientId id : d.gradientIds()) {
            const Gradient *g = d.gradient(id);
            out << "swatch gradient " << g->name << (g->kind == GradientKind::Radial ? " radial" : " linear")
                << ":";
            for (const GradientStop &s : g->stops)
                out << " " << num(s.position) << " " << describePaint(s.color, d);
            out << "\n";
        }
        for (PatternId id : d.patternIds())
            out << "swatch pattern " << d.pattern(id)->name << "\n";
        for (const Layer &layer : d.layers()) {
            out << "layer \"" << layer.title << "\"" << (layer.visible ? "" : " hidden")
                << (layer.editable ? "" : " locked") << attributes(*d.art(layer.group)) << "\n";
            for (ArtId child : d.art(layer.group)->group()->children)
                dumpArt(out, d, child, 1);
        }
        if (read.selected) out << "selected " << read.selected << "\n";
    }
    for (const std::string &w : read.warnings)
        out << w << "\n";
    if (!read.document) out << read.errorMessage() << "\n";
    return out.str();
}

} // namespace vyn::host::svg
