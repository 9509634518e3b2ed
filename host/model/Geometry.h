// Geometry.h — points, rectangles and matrices in document coordinates:
// points (1/72 inch), y growing upwards, single precision as the document
// stores them.
#pragma once

namespace vyn::host {

struct Point {
    float h = 0, v = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

struct Rect {
    float left = 0, top = 0, right = 0, bottom = 0; // top > bottom
    friend bool operator==(const Rect &, const Rect &) = default;
};

// The smallest rectangle holding both.
inline Rect united(const Rect &a, const Rect &b) {
    return {a.left < b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

// x' = a·x + c·y + tx, y' = b·x + d·y + ty.
struct Matrix {
    float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
    friend bool operator==(const Matrix &, const Matrix &) = default;
};

} // namespace vyn::host
