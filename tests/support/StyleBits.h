// StyleBits.h — colours and path styles as the bit patterns of the fields
// that carry meaning, so two records compare bit for bit (-0.0 is not 0.0, a
// NaN equals itself) without reading padding or a union's unused bytes.
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "AIPathStyle.h"

namespace vyn::test {

inline void addBits(std::vector<std::uint64_t> &out, float v) {
    out.push_back(std::bit_cast<std::uint32_t>(v));
}
inline void addBits(std::vector<std::uint64_t> &out, const void *handle) {
    out.push_back(reinterpret_cast<std::uintptr_t>(handle));
}
inline void addBits(std::vector<std::uint64_t> &out, const AIRealMatrix &m) {
    for (float v : {m.a, m.b, m.c, m.d, m.tx, m.ty})
        addBits(out, v);
}

inline std::vector<std::uint64_t> bitsOf(const AIColor &color) {
    std::vector<std::uint64_t> out{std::uint64_t(std::uint32_t(color.kind))};
    const AIColorUnion &c = color.c;
    switch (color.kind) {
    case kGrayColor: addBits(out, c.g.gray); break;
    case kFourColor:
        for (float v : {c.f.cyan, c.f.magenta, c.f.yellow, c.f.black})
            addBits(out, v);
        break;
    case kThreeColor:
        for (float v : {c.rgb.red, c.rgb.green, c.rgb.blue})
            addBits(out, v);
        break;
    case kPattern:
        addBits(out, c.p.pattern);
        for (float v : {c.p.shiftDist, c.p.shiftAngle, c.p.scale.h, c.p.scale.v, c.p.rotate, c.p.reflectAngle,
                        c.p.shearAngle, c.p.shearAxis})
            addBits(out, v);
        out.push_back(c.p.reflect);
        addBits(out, c.p.transform);
        break;
    case kCustomColor:
        addBits(out, c.c.color);
        addBits(out, c.c.tint);
        break;
    case kGradient:
        addBits(out, c.b.gradient);
        for (float v : {c.b.gradientOrigin.h, c.b.gradientOrigin.v, c.b.gradientAngle, c.b.gradientLength,
                        c.b.hiliteAngle, c.b.hiliteLength})
            addBits(out, v);
        addBits(out, c.b.matrix);
        break;
    default: break;
    }
    return out;
}

inline std::vector<std::uint64_t> bitsOf(const AIPathStyle &s) {
    std::vector<std::uint64_t> out{s.fillPaint, s.strokePaint, s.fill.overprint, s.stroke.overprint,
                                   s.clip,      s.lockClip,    s.evenOdd};
    for (const AIColor *c : {&s.fill.color, &s.stroke.color})
        for (std::uint64_t b : bitsOf(*c))
            out.push_back(b);
    for (float v : {s.stroke.width, s.stroke.miterLimit, s.stroke.dash.offset, s.resolution})
        addBits(out, v);
    for (float v : s.stroke.dash.array)
        addBits(out, v);
    out.push_back(std::uint64_t(s.stroke.dash.length));
    out.push_back(std::uint64_t(s.stroke.cap));
    out.push_back(std::uint64_t(s.stroke.join));
    return out;
}

} // namespace vyn::test
