#include "svg/SvgPathData.h"

#include <algorithm>
#include <cmath>

#include "svg/SvgNumbers.h"

namespace vyn::host::svg {
namespace {

constexpr double kPi = 3.14159265358979323846;

bool isCommand(char c) { return std::string_view("MmZzLlHhVvCcSsQqTtAa").find(c) != std::string_view::npos; }

class OutlineBuilder {
  public:
    explicit OutlineBuilder(Outline &outline) : outline_(outline) {}

    XY current() const { return current_; }
    XY lastControl() const { return lastControl_; }
    XY subpathStart() const { return start_; }

    void moveTo(XY p) {
        outline_.subpaths.push_back({{p}, false});
        current_ = start_ = lastControl_ = p;
    }
    void lineTo(XY p) { cubicTo(current_, p, p); }
    void cubicTo(XY c1, XY c2, XY p) {
        ensureSubpath();
        auto &points = outline_.subpaths.back().points;
        points.insert(points.end(), {c1, c2, p});
        lastControl_ = c2;
        current_ = p;
    }
    void quadTo(XY q, XY p) {
        const XY c1{current_.x + 2.0 / 3 * (q.x - current_.x), current_.y + 2.0 / 3 * (q.y - current_.y)};
        const XY c2{p.x + 2.0 / 3 * (q.x - p.x), p.y + 2.0 / 3 * (q.y - p.y)};
        cubicTo(c1, c2, p);
        lastControl_ = q;
    }
    void close() {
        if (outline_.subpaths.empty() || outline_.subpaths.back().closed) return;
        outline_.subpaths.back().closed = true;
        current_ = lastControl_ = start_;
    }
    void arcTo(double rx, double ry, double rotation, bool large, bool sweep, XY p);

  private:
    // Drawing after a close starts a new subpath at the closed one's start.
    void ensureSubpath() {
        if (outline_.subpaths.empty() || outline_.subpaths.back().closed)
            outline_.subpaths.push_back({{start_}, false});
    }

    Outline &outline_;
    XY current_, start_, lastControl_;
};

// The endpoint-to-centre conversion of the SVG implementation notes, then
// one cubic per quarter turn at most.
void OutlineBuilder::arcTo(double rx, double ry, double rotation, bool large, bool sweep, XY p) {
    const XY from = current_;
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (from.x == p.x && from.y == p.y) return;
    if (rx == 0 || ry == 0) return lineTo(p);
    const double phi = rotation * kPi / 180, cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const double dx = (from.x - p.x) / 2, dy = (from.y - p.y) / 2;
    const double x1 = cosPhi * dx + sinPhi * dy, y1 = -sinPhi * dx + cosPhi * dy;
    const double lambda = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double numerator = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double denominator = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double factor = std::sqrt(std::max(0.0, numerator / denominator));
    if (large == sweep) factor = -factor;
    const double cx1 = factor * rx * y1 / ry, cy1 = -factor * ry * x1 / rx;
    const double cx = cosPhi * cx1 - sinPhi * cy1 + (from.x + p.x) / 2;
    const double cy = sinPhi * cx1 + cosPhi * cy1 + (from.y + p.y) / 2;
    auto angle = [](double ux, double uy, double vx, double vy) {
        return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    };
    const double theta = angle(1, 0, (x1 - cx1) / rx, (y1 - cy1) / ry);
    double delta = angle((x1 - cx1) / rx, (y1 - cy1) / ry, (-x1 - cx1) / rx, (-y1 - cy1) / ry);
    if (!sweep && delta > 0) delta -= 2 * kPi;
    if (sweep && delta < 0) delta += 2 * kPi;
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (kPi / 2) - 1e-9)));
    const double step = delta / pieces;
    const double k = 4.0 / 3 * std::tan(step / 4);
    // A point (or a tangent) of the unit circle on the rotated ellipse.
    auto onEllipse = [&](double ux, double uy) {
        const double ex = rx * ux, ey = ry * uy;
        return XY{cosPhi * ex - sinPhi * ey, sinPhi * ex + cosPhi * ey};
    };
    for (int i = 0; i < pieces; ++i) {
        const double t1 = theta + i * step, t2 = t1 + step;
        const XY a = onEllipse(std::cos(t1), std::sin(t1)), b = onEllipse(std::cos(t2), std::sin(t2));
        const XY da = onEllipse(-std::sin(t1), std::cos(t1)), db = onEllipse(-std::sin(t2), std::cos(t2));
        const XY end = i + 1 == pieces ? p : XY{cx + b.x, cy + b.y};
        cubicTo({cx + a.x + k * da.x, cy + a.y + k * da.y}, {cx + b.x - k * db.x, cy + b.y - k * db.y}, end);
    }
}

} // namespace

Outline parsePathData(std::string_view data) {
    Outline outline;
    OutlineBuilder build(outline);
    NumberCursor cursor(data);
    char command = 0;
    char previous = 0;
    while (!cursor.atEnd()) {
        const std::size_t at = cursor.position();
        if (isCommand(cursor.peek())) {
            command = cursor.peek();
            cursor.advance();
        } else if (command == 0 || command == 'Z' || command == 'z') {
            outline.errorAt = at;
            return outline;
        }
        const bool relative = command >= 'a' && command <= 'z';
        const XY origin = relative ? build.current() : XY{0, 0};
        auto point = [&]() -> std::optional<XY> {
            const auto x = cursor.number();
            if (!x) return std::nullopt;
            cursor.skipSeparator();
            const auto y = cursor.number();
            if (!y) return std::nullopt;
            cursor.skipSeparator();
            return XY{origin.x + *x, origin.y + *y};
        };
        auto scalar = [&]() {
            const auto v = cursor.number();
            cursor.skipSeparator();
            return v;
        };
        const char upper = static_cast<char>(relative ? command - 'a' + 'A' : command);
        if (upper != 'M' && upper != 'Z' && outline.subpaths.empty()) {
            outline.errorAt = at;
            return outline;
        }
        bool ok = true;
        switch (upper) {
        case 'M':
            if (auto p = point()) {
                build.moveTo(*p);
                command = relative ? 'l' : 'L'; // further pairs draw lines
            } else
                ok = false;
            break;
        case 'Z': build.close(); break;
        case 'L':
            if (auto p = point())
                build.lineTo(*p);
            else
                ok = false;
            break;
        case 'H':
            if (auto x = scalar())
                build.lineTo({origin.x + *x, build.current().y});
            else
                ok = false;
            break;
        case 'V':
            if (auto y = scalar())
                build.lineTo({build.current().x, (relative ? build.current().y : 0) + *y});
            else
                ok = false;
            break;
        case 'C': {
            auto c1 = point(), c2 = point(), p = point();
            if ((ok = c1 && c2 && p)) build.cubicTo(*c1, *c2, *p);
            break;
        }
        case 'S': {
            auto c2 = point(), p = point();
            if ((ok = c2 && p)) {
                const bool smooth = std::string_view("CcSs").find(previous) != std::string_view::npos;
                const XY cur = build.current(), last = build.lastControl();
                const XY c1 = smooth ? XY{2 * cur.x - last.x, 2 * cur.y - last.y} : cur;
                build.cubicTo(c1, *c2, *p);
            }
            break;
        }
        case 'Q': {
            auto q = point(), p = point();
            if ((ok = q && p)) build.quadTo(*q, *p);
            break;
        }
        case 'T': {
            if (auto p = point()) {
                const bool smooth = std::string_view("QqTt").find(previous) != std::string_view::npos;
                const XY cur = build.current(), last = build.lastControl();
                build.quadTo(smooth ? XY{2 * cur.x - last.x, 2 * cur.y - last.y} : cur, *p);
            } else
                ok = false;
            break;
        }
        case 'A': {
            auto rx = scalar(), ry = scalar(), rotation = scalar();
            auto large = cursor.flag();
            cursor.skipSeparator();
            auto sweep = cursor.flag();
            cursor.skipSeparator();
            auto p = point();
            if ((ok = rx && ry && rotation && large && sweep && p))
                build.arcTo(*rx, *ry, *rotation, *large, *sweep, *p);
            break;
        }
        default: ok = false;
        }
        if (!ok) {
            outline.errorAt = at;
            return outline;
        }
        previous = command;
        cursor.skipSeparator();
    }
    return outline;
}

namespace {

// The extremes of one coordinate of a cubic: its ends and where its
// derivative is zero.
void extendByCubic(double p0, double p1, double p2, double p3, double &low, double &high) {
    auto include = [&](double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    };
    include(p3);
    const double a = -p0 + 3 * p1 - 3 * p2 + p3, b = 2 * (p0 - 2 * p1 + p2), c = p1 - p0;
    auto at = [&](double t) {
        const double u = 1 - t;
        return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    };
    auto root = [&](double t) {
        if (t > 0 && t < 1) include(at(t));
    };
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) > 1e-12) root(-c / b);
        return;
    }
    const double disc = b * b - 4 * a * c;
    if (disc < 0) return;
    root((-b + std::sqrt(disc)) / (2 * a));
    root((-b - std::sqrt(disc)) / (2 * a));
}

} // namespace

std::optional<Box> boundingBox(const Outline &outline) {
    std::optional<Box> box;
    for (const Subpath &subpath : outline.subpaths) {
        if (subpath.points.empty()) continue;
        const XY first = subpath.points.front();
        if (!box) box = Box{first.x, first.y, first.x, first.y};
        box->left = std::min(box->left, first.x);
        box->right = std::max(box->right, first.x);
        box->top = std::min(box->top, first.y);
        box->bottom = std::max(box->bottom, first.y);
        for (std::size_t i = 1; i + 2 < subpath.points.size(); i += 3) {
            const XY &p0 = subpath.points[i - 1], &c1 = subpath.points[i], &c2 = subpath.points[i + 1],
                     &p = subpath.points[i + 2];
            extendByCubic(p0.x, c1.x, c2.x, p.x, box->left, box->right);
            extendByCubic(p0.y, c1.y, c2.y, p.y, box->top, box->bottom);
        }
    }
    return box;
}

} // namespace vyn::host::svg
