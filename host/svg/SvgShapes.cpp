#include "svg/SvgShapes.h"

#include <algorithm>
#include <cmath>

#include "svg/SvgNumbers.h"

namespace vyn::host::svg {
namespace {

// The handle length of a quarter ellipse as a fraction of its radius.
constexpr double kQuarter = 0.5522847498307936;

class SubpathPen {
  public:
    SubpathPen(Outline &outline, XY start) : subpath_(outline.subpaths.emplace_back()) {
        subpath_.points.push_back(start);
    }
    void line(XY p) { subpath_.points.insert(subpath_.points.end(), {current(), p, p}); }
    // A quarter ellipse from the current point to `p`, leaving along `leave`
    // and arriving along `arrive` (unit steps scaled by the radii).
    void quarter(XY p, XY leave, XY arrive) {
        const XY from = current();
        subpath_.points.insert(subpath_.points.end(),
                               {XY{from.x + kQuarter * leave.x, from.y + kQuarter * leave.y},
                                XY{p.x - kQuarter * arrive.x, p.y - kQuarter * arrive.y}, p});
    }
    void close() { subpath_.closed = true; }

  private:
    XY current() const { return subpath_.points.back(); }
    Subpath &subpath_;
};

double length(pugi::xml_node element, const char *name, double percentBase, const LengthBase &base) {
    const pugi::xml_attribute a = element.attribute(name);
    if (!a) return 0;
    return parseLength(a.value(), percentBase, base.fontSize).value_or(0);
}

std::optional<double> optionalLength(pugi::xml_node element, const char *name, double percentBase,
                                     const LengthBase &base) {
    const pugi::xml_attribute a = element.attribute(name);
    if (!a || equalsIgnoringCase(trimmed(a.value()), "auto")) return std::nullopt;
    return parseLength(a.value(), percentBase, base.fontSize);
}

void ellipse(Outline &outline, double cx, double cy, double rx, double ry) {
    if (!(rx > 0 && ry > 0)) return;
    SubpathPen pen(outline, {cx + rx, cy});
    pen.quarter({cx, cy + ry}, {0, ry}, {-rx, 0});
    pen.quarter({cx - rx, cy}, {-rx, 0}, {0, -ry});
    pen.quarter({cx, cy - ry}, {0, -ry}, {rx, 0});
    pen.quarter({cx + rx, cy}, {rx, 0}, {0, ry});
    pen.close();
}

void rect(Outline &outline, pugi::xml_node element, const LengthBase &base) {
    const double x = length(element, "x", base.width, base), y = length(element, "y", base.height, base);
    const double w = length(element, "width", base.width, base),
                 h = length(element, "height", base.height, base);
    if (!(w > 0 && h > 0)) return;
    auto rx = optionalLength(element, "rx", base.width, base),
         ry = optionalLength(element, "ry", base.height, base);
    if (rx && *rx < 0) rx.reset();
    if (ry && *ry < 0) ry.reset();
    double rX = rx ? *rx : ry ? *ry : 0, rY = ry ? *ry : rX;
    rX = std::min(rX, w / 2);
    rY = std::min(rY, h / 2);
    if (rX <= 0 || rY <= 0) {
        SubpathPen pen(outline, {x, y});
        pen.line({x + w, y});
        pen.line({x + w, y + h});
        pen.line({x, y + h});
        pen.close();
        return;
    }
    SubpathPen pen(outline, {x + rX, y});
    pen.line({x + w - rX, y});
    pen.quarter({x + w, y + rY}, {rX, 0}, {0, rY});
    pen.line({x + w, y + h - rY});
    pen.quarter({x + w - rX, y + h}, {0, rY}, {-rX, 0});
    pen.line({x + rX, y + h});
    pen.quarter({x, y + h - rY}, {-rX, 0}, {0, -rY});
    pen.line({x, y + rY});
    pen.quarter({x + rX, y}, {0, -rY}, {rX, 0});
    pen.close();
}

void polyline(Outline &outline, pugi::xml_node element, bool closed) {
    NumberCursor cursor(element.attribute("points").value());
    std::optional<SubpathPen> pen;
    while (!cursor.atEnd()) {
        const auto x = cursor.number();
        cursor.skipSeparator();
        const auto y = cursor.number();
        cursor.skipSeparator();
        if (!x || !y) break; // drawn up to the first error, as SVG says
        if (!pen)
            pen.emplace(outline, XY{*x, *y});
        else
            pen->line({*x, *y});
    }
    if (pen && closed) pen->close();
}

} // namespace

bool isShape(std::string_view kind) {
    return kind == "path" || kind == "rect" || kind == "circle" || kind == "ellipse" || kind == "line" ||
           kind == "polyline" || kind == "polygon";
}

Outline shapeOutline(pugi::xml_node element, std::string_view kind, const LengthBase &base) {
    if (kind == "path") return parsePathData(element.attribute("d").value());
    Outline outline;
    const double diagonal = std::hypot(base.width, base.height) / std::sqrt(2.0);
    if (kind == "rect") {
        rect(outline, element, base);
    } else if (kind == "circle") {
        const double r = length(element, "r", diagonal, base);
        ellipse(outline, length(element, "cx", base.width, base), length(element, "cy", base.height, base), r,
                r);
    } else if (kind == "ellipse") {
        auto rx = optionalLength(element, "rx", base.width, base),
             ry = optionalLength(element, "ry", base.height, base);
        ellipse(outline, length(element, "cx", base.width, base), length(element, "cy", base.height, base),
                rx ? *rx : ry.value_or(0), ry ? *ry : rx.value_or(0));
    } else if (kind == "line") {
        SubpathPen pen(outline,
                       {length(element, "x1", base.width, base), length(element, "y1", base.height, base)});
        pen.line({length(element, "x2", base.width, base), length(element, "y2", base.height, base)});
    } else if (kind == "polyline" || kind == "polygon") {
        polyline(outline, element, kind == "polygon");
    }
    return outline;
}

} // namespace vyn::host::svg
