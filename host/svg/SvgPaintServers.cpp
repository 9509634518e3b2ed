#include "svg/SvgPaintServers.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "svg/SvgNumbers.h"
#include "svg/SvgStyleSheet.h"

namespace vyn::host::svg {

namespace {

constexpr double kDegrees = 180 / 3.14159265358979323846;
constexpr std::size_t kMaxHrefChain = 32;

// The element and the ones its href chain leads to, nearest first, with the
// chain cut where it loops or leaves the kind of element it started with.
std::vector<pugi::xml_node> hrefChain(pugi::xml_node element, const FindById &find, bool gradients) {
    std::vector<pugi::xml_node> chain{element};
    while (chain.size() < kMaxHrefChain) {
        const std::string_view href = hrefOf(chain.back());
        if (href.empty()) break;
        const pugi::xml_node next = find(href);
        if (!next || std::find(chain.begin(), chain.end(), next) != chain.end()) break;
        const std::string_view kind = localName(next);
        const bool isGradient = kind == "linearGradient" || kind == "radialGradient";
        if (gradients ? !isGradient : kind != "pattern") break;
        chain.push_back(next);
    }
    return chain;
}

pugi::xml_attribute inherited(const std::vector<pugi::xml_node> &chain, const char *name) {
    for (pugi::xml_node n : chain)
        if (pugi::xml_attribute a = n.attribute(name)) return a;
    return {};
}

double coordinate(std::string_view text, double fallback, bool boxUnits, double viewport) {
    if (trimmed(text).empty()) return fallback;
    if (boxUnits) {
        // Fractions of the box: "50%" is 0.5.
        const auto v = parseLength(text, 1, 16);
        return v.value_or(fallback);
    }
    return parseLength(text, viewport).value_or(fallback);
}

Affine boxMatrix(const std::optional<Box> &box) {
    if (!box) return {};
    return {box->right - box->left, 0, 0, box->bottom - box->top, box->left, box->top};
}

bool keepsAngles(const Affine &m) {
    const double scale = std::max({std::fabs(m.a), std::fabs(m.b), std::fabs(m.c), std::fabs(m.d)});
    const double tolerance = 1e-9 * std::max(scale, 1e-300);
    return (std::fabs(m.a - m.d) <= tolerance && std::fabs(m.b + m.c) <= tolerance) ||
           (std::fabs(m.a + m.d) <= tolerance && std::fabs(m.b - m.c) <= tolerance);
}

Point pointOf(XY p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

Matrix matrixOf(const Affine &m) {
    return {static_cast<float>(m.a), static_cast<float>(m.b), static_cast<float>(m.c),
            static_cast<float>(m.d), static_cast<float>(m.e), static_cast<float>(m.f)};
}

} // namespace

Paint paintOf(const SvgColor &color) {
    if (const auto *rgb = std::get_if<RgbPaint>(&color)) return *rgb;
    return std::get<ProcessPaint>(color);
}

std::string_view hrefOf(pugi::xml_node element) {
    pugi::xml_attribute a = element.attribute("href");
    if (!a) a = element.attribute("xlink:href");
    const std::string_view href = trimmed(a.value());
    return href.size() > 1 && href.front() == '#' ? href.substr(1) : std::string_view{};
}

PaintServers::PaintServers(Document &document, FindById find, StyleResolver &styles, ReportBadValue warn,
                           Point frame, double viewportWidth, double viewportHeight)
    : document_(document), find_(std::move(find)), styles_(styles), warn_(std::move(warn)), frame_(frame),
      width_(viewportWidth), height_(viewportHeight) {}

PaintServers::Server PaintServers::gradientServer(pugi::xml_node element, std::string_view id) {
    const std::vector<pugi::xml_node> chain = hrefChain(element, find_, true);
    Server s;
    s.radial = localName(element) == "radialGradient";
    s.boxUnits = std::string_view(inherited(chain, "gradientUnits").value()) != "userSpaceOnUse";
    if (pugi::xml_attribute t = inherited(chain, "gradientTransform"))
        s.transform = parseTransform(t.value()).value_or(Affine{});
    static const char *const kLinear[] = {"x1", "y1", "x2", "y2"};
    static const char *const kRadial[] = {"cx", "cy", "r", "fx", "fy"};
    for (std::size_t i = 0; i < (s.radial ? 5u : 4u); ++i)
        s.coordinates[i] = inherited(chain, s.radial ? kRadial[i] : kLinear[i]).value();

    Gradient gradient;
    gradient.name = std::string(id);
    gradient.kind = s.radial ? GradientKind::Radial : GradientKind::Linear;
    for (pugi::xml_node owner : chain) {
        for (pugi::xml_node stop : owner.children()) {
            if (localName(stop) != "stop") continue;
            GradientStop g;
            const std::string_view offset = trimmed(stop.attribute("offset").value());
            double position = parseNumber(offset).value_or(0);
            if (!offset.empty() && offset.back() == '%')
                position = parseNumber(offset.substr(0, offset.size() - 1)).value_or(0) / 100;
            position = std::clamp(position, 0.0, 1.0);
            if (!gradient.stops.empty())
                position = std::max<double>(position, gradient.stops.back().position);
            g.position = static_cast<float>(position);
            const SpecifiedStyle own = styles_.specified(stop);
            SvgColor color = RgbPaint{0, 0, 0};
            if (own.stopColor)
                color = *own.stopColor;
            else if (own.stopColorIsCurrent && own.color)
                color = *own.color;
            g.color = paintOf(color);
            gradient.stops.push_back(std::move(g));
        }
        if (!gradient.stops.empty()) break;
    }
    if (gradient.stops.empty()) {
        s.kind = Server::Kind::None; // a gradient without stops paints nothing
    } else if (gradient.stops.size() == 1) {
        s.kind = Server::Kind::Solid; // one stop paints its colour
        s.solid = gradient.stops.front().color;
    } else {
        s.kind = Server::Kind::Gradient;
        s.gradient = document_.addGradient(std::move(gradient));
    }
    return s;
}

PaintServers::Server PaintServers::patternServer(pugi::xml_node element, std::string_view id) {
    const std::vector<pugi::xml_node> chain = hrefChain(element, find_, false);
    Server s;
    s.kind = Server::Kind::Pattern;
    s.boxUnits = std::string_view(inherited(chain, "patternUnits").value()) != "userSpaceOnUse";
    if (pugi::xml_attribute t = inherited(chain, "patternTransform"))
        s.transform = parseTransform(t.value()).value_or(Affine{});
    s.coordinates[0] = inherited(chain, "x").value();
    s.coordinates[1] = inherited(chain, "y").value();
    s.pattern = document_.addPattern(Pattern{std::string(id)});
    return s;
}

const PaintServers::Server &PaintServers::server(std::string_view id, std::string_view where) {
    if (const auto it = servers_.find(id); it != servers_.end()) return it->second;
    Server s;
    const pugi::xml_node element = find_(id);
    const std::string_view kind = element ? localName(element) : std::string_view{};
    if (kind == "linearGradient" || kind == "radialGradient")
        s = gradientServer(element, id);
    else if (kind == "pattern")
        s = patternServer(element, id);
    else
        warn_(where,
              "url(#" + std::string(id) + ") names no gradient or pattern; the paint's fallback is used");
    return servers_.emplace(id, s).first->second;
}

PaintServerElements PaintServers::elements() const {
    PaintServerElements out;
    for (const auto &[id, s] : servers_) {
        if (s.kind == Server::Kind::Gradient) out.gradients.emplace(s.gradient, std::string(id));
        if (s.kind == Server::Kind::Pattern) out.patterns.emplace(s.pattern, std::string(id));
    }
    return out;
}

Paint PaintServers::paint(const PaintValue &value, const SvgColor &currentColor,
                          const std::optional<Box> &box, const Affine &toDocument) {
    switch (value.kind) {
    case PaintValue::Kind::None: return NoPaint{};
    case PaintValue::Kind::Color: return paintOf(value.color);
    case PaintValue::Kind::CurrentColor: return paintOf(currentColor);
    case PaintValue::Kind::Url: break;
    }
    // No file but the input is ever opened: a server in another file is
    // missing, as a browser finds it when that file cannot be loaded.
    static const Server kMissing{};
    if (value.external && externals_.insert(value.id).second)
        warn_(value.id, "url(" + std::string(value.id) +
                            ") is in another file, which is never read; the paint's fallback is used");
    const Server &s = value.external ? kMissing : server(value.id, value.id);
    const bool boxNeeded =
        s.boxUnits && (s.kind == Server::Kind::Gradient || s.kind == Server::Kind::Pattern);
    // A box-relative server on an element without area paints nothing, as in SVG.
    const bool boxless = boxNeeded && (!box || box->right <= box->left || box->bottom <= box->top);
    switch (s.kind) {
    case Server::Kind::Gradient:
        if (!boxless) return gradientPaint(s, box, toDocument);
        return NoPaint{};
    case Server::Kind::Pattern:
        if (!boxless) return patternPaint(s, box, toDocument);
        return NoPaint{};
    case Server::Kind::Solid: return s.solid;
    case Server::Kind::None: return NoPaint{};
    case Server::Kind::Missing: break;
    }
    if (!value.hasFallback) return NoPaint{};
    PaintValue fallback;
    fallback.kind = value.fallbackKind;
    fallback.color = value.fallbackColor;
    return paint(fallback, currentColor, box, toDocument);
}

Paint PaintServers::gradientPaint(const Server &s, const std::optional<Box> &box,
                                  const Affine &toDocument) const {
    const Affine toFrame = Affine::translate(-frame_.h, -frame_.v) * toDocument *
                           (s.boxUnits ? boxMatrix(box) : Affine{}) * s.transform;
    auto c = [&](int i, double fallback, double viewport) {
        return coordinate(s.coordinates[i], fallback, s.boxUnits, viewport);
    };
    const double w = s.boxUnits ? 1 : width_, h = s.boxUnits ? 1 : height_;
    const double diagonal = s.boxUnits ? 1 : std::hypot(width_, height_) / std::sqrt(2.0);
    GradientPaint g;
    g.gradient = s.gradient;
    g.frame = frame_;
    if (!s.radial) {
        const XY start{c(0, 0, w), c(1, 0, h)}, end{c(2, w, w), c(3, 0, h)};
        if (keepsAngles(toFrame)) {
            const XY a = toFrame.apply(start), b = toFrame.apply(end);
            g.origin = pointOf(a);
            g.angle = static_cast<float>(std::atan2(b.y - a.y, b.x - a.x) * kDegrees);
            g.length = static_cast<float>(std::hypot(b.x - a.x, b.y - a.y));
        } else {
            g.origin = pointOf(start);
            g.angle = static_cast<float>(std::atan2(end.y - start.y, end.x - start.x) * kDegrees);
            g.length = static_cast<float>(std::hypot(end.x - start.x, end.y - start.y));
            g.matrix = matrixOf(toFrame);
        }
        return g;
    }
    const XY centre{c(0, 0.5 * w, w), c(1, 0.5 * h, h)};
    const double radius = c(2, 0.5 * diagonal, diagonal);
    const XY focus{c(3, centre.x, w), c(4, centre.y, h)};
    if (keepsAngles(toFrame)) {
        const XY o = toFrame.apply(centre), f = toFrame.apply(focus);
        g.origin = pointOf(o);
        g.angle = static_cast<float>(std::atan2(toFrame.b, toFrame.a) * kDegrees);
        g.length = static_cast<float>(radius * std::sqrt(std::fabs(toFrame.determinant())));
        g.highlightAngle = static_cast<float>(std::atan2(f.y - o.y, f.x - o.x) * kDegrees);
        g.highlightLength = static_cast<float>(std::hypot(f.x - o.x, f.y - o.y));
    } else {
        g.origin = pointOf(centre);
        g.length = static_cast<float>(radius);
        g.highlightAngle = static_cast<float>(std::atan2(focus.y - centre.y, focus.x - centre.x) * kDegrees);
        g.highlightLength = static_cast<float>(std::hypot(focus.x - centre.x, focus.y - centre.y));
        g.matrix = matrixOf(toFrame);
    }
    return g;
}

Paint PaintServers::patternPaint(const Server &s, const std::optional<Box> &box,
                                 const Affine &toDocument) const {
    double x = coordinate(s.coordinates[0], 0, s.boxUnits, width_);
    double y = coordinate(s.coordinates[1], 0, s.boxUnits, height_);
    if (s.boxUnits && box) {
        x = box->left + x * (box->right - box->left);
        y = box->top + y * (box->bottom - box->top);
    }
    PatternPaint p;
    p.pattern = s.pattern;
    p.transform = matrixOf(toDocument * s.transform * Affine::translate(x, y));
    return p;
}

} // namespace vyn::host::svg
