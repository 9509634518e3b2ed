#include "suites/ModelRecords.h"

#include <algorithm>

#include "gate/DocumentHandles.h"
#include "gate/HostError.h"
#include "model/Document.h"

namespace vyn::host {

Point toModel(const AIRealPoint &p) { return {p.h, p.v}; }
Rect toModel(const AIRealRect &r) { return {r.left, r.top, r.right, r.bottom}; }
Matrix toModel(const AIRealMatrix &m) { return {m.a, m.b, m.c, m.d, m.tx, m.ty}; }
AIRealPoint toRecord(const Point &p) { return {p.h, p.v}; }
AIRealRect toRecord(const Rect &r) { return {r.left, r.top, r.right, r.bottom}; }
AIRealMatrix toRecord(const Matrix &m) { return {m.a, m.b, m.c, m.d, m.tx, m.ty}; }
AIDocumentColorModel toRecord(ColorModel model) {
    return model == ColorModel::RGB ? kDocRGBColor : kDocCMYKColor;
}
PathSegment toModel(const AIPathSegment &s) {
    return {toModel(s.p), toModel(s.in), toModel(s.out), s.corner != 0};
}
AIPathSegment toRecord(const PathSegment &s) {
    return {toRecord(s.anchor), toRecord(s.in), toRecord(s.out), ASBoolean(s.corner ? 1 : 0)};
}
AIArtType artTypeOf(const Art &art) {
    if (art.group()) return kGroupArt;
    if (art.path()) return kPathArt;
    return kTextFrameArt;
}

namespace {

// Where the placements of gradients are measured from as they cross the
// interface: the top-left corner of the active artboard.
Point placementFrame(const Document *document) {
    if (!document) return {};
    const auto &boards = document->artboards;
    const int active = document->activeArtboard;
    if (active < 0 || static_cast<std::size_t>(active) >= boards.size()) return {};
    const Rect &r = boards[static_cast<std::size_t>(active)].bounds;
    return {r.left, r.top};
}

// The same placement measured from `frame`: it lands where it did. The ramp
// and its matrix move together, so the matrix keeps its linear part and
// absorbs the shift its linear part applies to the moved origin.
GradientPaint measuredFrom(const GradientPaint &paint, Point frame) {
    if (paint.frame == frame) return paint;
    const double dh = double(paint.frame.h) - frame.h, dv = double(paint.frame.v) - frame.v;
    GradientPaint moved = paint;
    moved.frame = frame;
    moved.origin = {float(paint.origin.h + dh), float(paint.origin.v + dv)};
    const Matrix &m = paint.matrix;
    moved.matrix.tx = float(m.tx + dh - (double(m.a) * dh + double(m.c) * dv));
    moved.matrix.ty = float(m.ty + dv - (double(m.b) * dh + double(m.d) * dv));
    return moved;
}

// The live swatch id behind `handle`, or HostError(kBadParameterErr).
template <class IdT, class Handle, class Lookup>
IdT swatchId(const IdHandles<IdT, Handle> &ids, Handle handle, const Document *document, Lookup lookup,
             const char *what) {
    std::optional<IdT> id = ids.idOf(handle);
    if (!id || !document || !(document->*lookup)(*id))
        throw HostError(kBadParameterErr, std::string("stale or unknown ") + what + " handle in a colour");
    return *id;
}

} // namespace

Paint toModel(const AIColor &color, DocumentHandles &handles, const Document *document) {
    const AIColorUnion &c = color.c;
    switch (color.kind) {
    case kGrayColor: return GrayPaint{c.g.gray};
    case kFourColor: return ProcessPaint{c.f.cyan, c.f.magenta, c.f.yellow, c.f.black};
    case kThreeColor: return RgbPaint{c.rgb.red, c.rgb.green, c.rgb.blue};
    case kNoneColor: return NoPaint{};
    case kPattern:
        return PatternPaint{swatchId(handles.patterns, c.p.pattern, document, &Document::pattern, "pattern"),
                            c.p.shiftDist,
                            c.p.shiftAngle,
                            toModel(c.p.scale),
                            c.p.rotate,
                            c.p.reflect != 0,
                            c.p.reflectAngle,
                            c.p.shearAngle,
                            c.p.shearAxis,
                            toModel(c.p.transform)};
    case kCustomColor:
        return CustomPaint{
            swatchId(handles.customColors, c.c.color, document, &Document::customColor, "custom colour"),
            c.c.tint};
    case kGradient:
        return GradientPaint{
            swatchId(handles.gradients, c.b.gradient, document, &Document::gradient, "gradient"),
            placementFrame(document),
            toModel(c.b.gradientOrigin),
            c.b.gradientAngle,
            c.b.gradientLength,
            toModel(c.b.matrix),
            c.b.hiliteAngle,
            c.b.hiliteLength};
    }
    throw HostError(kBadParameterErr, "unknown colour kind " + std::to_string(color.kind));
}

AIColor toRecord(const Paint &paint, DocumentHandles &handles, const Document &document) {
    AIColor color{};
    color.kind = static_cast<ASInt32>(paint.index());
    AIColorUnion &c = color.c;
    std::visit(
        [&](const auto &p) {
            using P = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<P, GrayPaint>) {
                c.g.gray = p.gray;
            } else if constexpr (std::is_same_v<P, ProcessPaint>) {
                c.f = {p.cyan, p.magenta, p.yellow, p.black};
            } else if constexpr (std::is_same_v<P, RgbPaint>) {
                c.rgb = {p.red, p.green, p.blue};
            } else if constexpr (std::is_same_v<P, PatternPaint>) {
                c.p.pattern = handles.patterns.handleOf(p.pattern);
                c.p.shiftDist = p.shiftDistance;
                c.p.shiftAngle = p.shiftAngle;
                c.p.scale = toRecord(p.scale);
                c.p.rotate = p.rotate;
                c.p.reflect = p.reflect ? 1 : 0;
                c.p.reflectAngle = p.reflectAngle;
                c.p.shearAngle = p.shearAngle;
                c.p.shearAxis = p.shearAxis;
                c.p.transform = toRecord(p.transform);
            } else if constexpr (std::is_same_v<P, CustomPaint>) {
                c.c.color = handles.customColors.handleOf(p.color);
                c.c.tint = p.tint;
            } else if constexpr (std::is_same_v<P, GradientPaint>) {
                const GradientPaint g = measuredFrom(p, placementFrame(&document));
                c.b.gradient = handles.gradients.handleOf(g.gradient);
                c.b.gradientOrigin = toRecord(g.origin);
                c.b.gradientAngle = g.angle;
                c.b.gradientLength = g.length;
                c.b.matrix = toRecord(g.matrix);
                c.b.hiliteAngle = g.highlightAngle;
                c.b.hiliteLength = g.highlightLength;
            }
        },
        paint);
    return color;
}

namespace {

template <class Enum> Enum checkedEnum(ASInt32 value, Enum last, const char *what) {
    if (value < 0 || value > static_cast<ASInt32>(last))
        throw HostError(kBadParameterErr, std::string("unknown ") + what + " " + std::to_string(value));
    return static_cast<Enum>(value);
}

Dash toModel(const AIDashStyle &d) {
    if (d.length < 0 || d.length > kMaxDashComponents)
        throw HostError(kBadParameterErr, "a dash has 0 to 6 lengths");
    Dash dash{d.length, d.offset, {}};
    std::copy(std::begin(d.array), std::end(d.array), dash.lengths.begin());
    return dash;
}

AIDashStyle toRecord(const Dash &d) {
    AIDashStyle dash{};
    dash.length = d.count;
    dash.offset = d.offset;
    std::copy(d.lengths.begin(), d.lengths.end(), std::begin(dash.array));
    return dash;
}

} // namespace

PathStyle toModel(const AIPathStyle &s, DocumentHandles &handles, const Document *document) {
    PathStyle style;
    style.fillPainted = s.fillPaint != 0;
    style.strokePainted = s.strokePaint != 0;
    style.fill = {toModel(s.fill.color, handles, document), s.fill.overprint != 0};
    style.stroke.paint = toModel(s.stroke.color, handles, document);
    style.stroke.overprint = s.stroke.overprint != 0;
    style.stroke.width = s.stroke.width;
    style.stroke.dash = toModel(s.stroke.dash);
    style.stroke.cap = checkedEnum(s.stroke.cap, LineCap::Projecting, "line cap");
    style.stroke.join = checkedEnum(s.stroke.join, LineJoin::Bevel, "line join");
    style.stroke.miterLimit = s.stroke.miterLimit;
    style.clip = s.clip != 0;
    style.lockClip = s.lockClip != 0;
    style.evenOdd = s.evenOdd != 0;
    style.resolution = s.resolution;
    return style;
}

AIPathStyle toRecord(const PathStyle &style, DocumentHandles &handles, const Document &document) {
    AIPathStyle s{};
    s.fillPaint = style.fillPainted;
    s.strokePaint = style.strokePainted;
    s.fill.color = toRecord(style.fill.paint, handles, document);
    s.fill.overprint = style.fill.overprint;
    s.stroke.color = toRecord(style.stroke.paint, handles, document);
    s.stroke.overprint = style.stroke.overprint;
    s.stroke.width = style.stroke.width;
    s.stroke.dash = toRecord(style.stroke.dash);
    s.stroke.cap = static_cast<ASInt32>(style.stroke.cap);
    s.stroke.join = static_cast<ASInt32>(style.stroke.join);
    s.stroke.miterLimit = style.stroke.miterLimit;
    s.clip = style.clip;
    s.lockClip = style.lockClip;
    s.evenOdd = style.evenOdd;
    s.resolution = style.resolution;
    return s;
}

AIPathStyleMap toRecord(const StyleSharing &s) {
    return {s.fillPainted,     s.strokePainted, s.fillPaint, s.fillOverprint, s.strokePaint,
            s.strokeOverprint, s.strokeWidth,   s.dash,      s.cap,           s.join,
            s.miterLimit,      s.clip,          s.lockClip,  s.evenOdd,       s.resolution};
}

AICustomColor toRecord(const CustomColor &color) {
    AICustomColor record{};
    if (const auto *process = std::get_if<ProcessPaint>(&color.color)) {
        record.kind = kCustomFourColor;
        record.c.f = {process->cyan, process->magenta, process->yellow, process->black};
    } else {
        const auto &rgb = std::get<RgbPaint>(color.color);
        record.kind = kCustomThreeColor;
        record.c.rgb = {rgb.red, rgb.green, rgb.blue};
    }
    switch (color.kind) {
    case CustomColorKind::Process: record.flag = kCustomProcessColor; break;
    case CustomColorKind::Spot: record.flag = kCustomSpotColor; break;
    case CustomColorKind::Registration: record.flag = kCustomRegistrationColor; break;
    }
    return record;
}

AIGradientType toRecord(GradientKind kind) {
    return kind == GradientKind::Radial ? kRadialGradient : kLinearGradient;
}

Justification toModel(ATE::ParagraphJustification j) {
    return checkedEnum(static_cast<ASInt32>(j), Justification::FullLastLineFull, "justification");
}

Leading toModel(ATE::LeadingType leading) {
    return checkedEnum(static_cast<ASInt32>(leading), Leading::Japanese, "leading type");
}

} // namespace vyn::host
