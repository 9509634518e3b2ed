#include "svg/SvgTransform.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "svg/SvgNumbers.h"

namespace vyn::host::svg {

Affine operator*(const Affine &o, const Affine &i) {
    return {o.a * i.a + o.c * i.b, o.b * i.a + o.d * i.b,       o.a * i.c + o.c * i.d,
            o.b * i.c + o.d * i.d, o.a * i.e + o.c * i.f + o.e, o.b * i.e + o.d * i.f + o.f};
}

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180;

std::optional<Affine> transformFunction(std::string_view name, const double *v, std::size_t n) {
    if (name == "matrix" && n == 6) return Affine{v[0], v[1], v[2], v[3], v[4], v[5]};
    if (name == "translate" && (n == 1 || n == 2)) return Affine::translate(v[0], n == 2 ? v[1] : 0);
    if (name == "scale" && (n == 1 || n == 2)) return Affine::scale(v[0], n == 2 ? v[1] : v[0]);
    if (name == "rotate" && (n == 1 || n == 3)) {
        const double c = std::cos(v[0] * kDegree), s = std::sin(v[0] * kDegree);
        const Affine rotation{c, s, -s, c, 0, 0};
        if (n == 1) return rotation;
        return Affine::translate(v[1], v[2]) * rotation * Affine::translate(-v[1], -v[2]);
    }
    if (name == "skewX" && n == 1) return Affine{1, 0, std::tan(v[0] * kDegree), 1, 0, 0};
    if (name == "skewY" && n == 1) return Affine{1, std::tan(v[0] * kDegree), 0, 1, 0, 0};
    return std::nullopt;
}

} // namespace

std::optional<Affine> parseTransform(std::string_view text) {
    Affine result;
    NumberCursor cursor(text);
    while (!cursor.atEnd()) {
        const std::string_view rest = cursor.rest();
        std::size_t nameLength = 0;
        while (nameLength < rest.size() && std::isalpha(static_cast<unsigned char>(rest[nameLength])))
            ++nameLength;
        const std::string_view name = rest.substr(0, nameLength);
        for (std::size_t i = 0; i < nameLength; ++i)
            cursor.advance();
        cursor.skipSpaces();
        if (name.empty() || cursor.peek() != '(') return std::nullopt;
        cursor.advance();
        double values[6];
        std::size_t count = 0;
        cursor.skipSpaces();
        while (cursor.peek() != ')') {
            const auto value = cursor.number();
            if (!value || count == 6) return std::nullopt;
            values[count++] = *value;
            cursor.skipSeparator();
        }
        cursor.advance();
        const auto step = transformFunction(name, values, count);
        if (!step) return std::nullopt;
        result = result * *step;
        cursor.skipSeparator();
    }
    return result;
}

std::optional<std::array<double, 4>> parseViewBox(std::string_view text) {
    const auto numbers = parseNumberList(text);
    if (!numbers || numbers->size() != 4 || (*numbers)[2] <= 0 || (*numbers)[3] <= 0) return std::nullopt;
    return std::array<double, 4>{(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]};
}

Affine viewBoxTransform(const double viewBox[4], double vx, double vy, double width, double height,
                        std::string_view preserveAspectRatio) {
    double sx = width / viewBox[2], sy = height / viewBox[3];
    std::string_view align = trimmed(preserveAspectRatio);
    const bool slice = align.find("slice") != std::string_view::npos;
    if (align.substr(0, 5) == "defer") align = trimmed(align.substr(5));
    if (align.substr(0, 4) != "none") {
        const double s = slice ? std::max(sx, sy) : std::min(sx, sy);
        sx = sy = s;
    }
    double tx = vx - viewBox[0] * sx, ty = vy - viewBox[1] * sy;
    if (align.substr(0, 4) != "none") {
        const std::string_view a = align.empty() ? "xMidYMid" : align.substr(0, 8);
        const double freeX = width - viewBox[2] * sx, freeY = height - viewBox[3] * sy;
        if (a.find("xMid") != std::string_view::npos) tx += freeX / 2;
        if (a.find("xMax") != std::string_view::npos) tx += freeX;
        if (a.find("YMid") != std::string_view::npos) ty += freeY / 2;
        if (a.find("YMax") != std::string_view::npos) ty += freeY;
    }
    return Affine{sx, 0, 0, sy, tx, ty};
}

} // namespace vyn::host::svg
