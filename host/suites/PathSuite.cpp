// AI Path, AI Transform Art and AI Real Math: the geometry of art.
#include "AIPath.h"
#include "AIRealMath.h"
#include "AITransformArt.h"
#include "gate/CallGate.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "model/Document.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

PathShape &pathOf(Host &host, Document &document, AIArtHandle art) {
    PathShape *path = artOf(host.documentHandles(), document, art).path();
    require(path != nullptr, "the art is not a path");
    return *path;
}

// Whether first .. first + count - 1 lies inside a path of `size` segments.
bool runInside(ASInt16 first, ASInt16 count, std::size_t size) {
    return first >= 0 && count >= 0 &&
           static_cast<std::size_t>(first) + static_cast<std::size_t>(count) <= size;
}

// ---- AI Path -------------------------------------------------------------

constexpr const char *kPath = kAIPathSuite;

AIErr ASAPI getPathSegmentCount(AIArtHandle path, ASInt16 *count) {
    if (count) *count = 0;
    return gate({kPath, "GetPathSegmentCount", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    const PathShape &p = pathOf(host, document, path);
                    require(count != nullptr, "null address for the count");
                    *count = static_cast<ASInt16>(p.segments.size());
                    return kNoErr;
                });
}

AIErr ASAPI setPathSegmentCount(AIArtHandle path, ASInt16 count) {
    return gate({kPath, "SetPathSegmentCount", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    PathShape &p = pathOf(host, document, path);
                    require(count >= 0, "negative segment count");
                    PathSegment added;
                    if (!p.segments.empty()) {
                        const Point last = p.segments.back().anchor;
                        added = PathSegment{last, last, last, true};
                    } else {
                        added.corner = true;
                    }
                    p.segments.resize(static_cast<std::size_t>(count), added);
                    return kNoErr;
                });
}

AIErr ASAPI getPathSegments(AIArtHandle path, ASInt16 first, ASInt16 count, AIPathSegment *segments) {
    return gate({kPath, "GetPathSegments", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const PathShape &p = pathOf(host, document, path);
        require(runInside(first, count, p.segments.size()), "segment run outside the path");
        require(segments != nullptr || count == 0, "null segment records");
        for (ASInt16 i = 0; i < count; ++i)
            segments[i] = toRecord(p.segments[static_cast<std::size_t>(first + i)]);
        return kNoErr;
    });
}

AIErr ASAPI setPathSegments(AIArtHandle path, ASInt16 first, ASInt16 count, const AIPathSegment *segments) {
    return gate({kPath, "SetPathSegments", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        PathShape &p = pathOf(host, document, path);
        require(runInside(first, count, p.segments.size()), "segment run outside the path");
        require(segments != nullptr || count == 0, "null segment records");
        for (ASInt16 i = 0; i < count; ++i)
            p.segments[static_cast<std::size_t>(first + i)] = toModel(segments[i]);
        return kNoErr;
    });
}

AIErr ASAPI getPathClosed(AIArtHandle path, ASBoolean *closed) {
    if (closed) *closed = 0;
    return gate({kPath, "GetPathClosed", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const PathShape &p = pathOf(host, document, path);
        require(closed != nullptr, "null address for the closed flag");
        *closed = p.closed ? 1 : 0;
        return kNoErr;
    });
}

AIErr ASAPI setPathClosed(AIArtHandle path, ASBoolean closed) {
    return gate({kPath, "SetPathClosed", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        pathOf(host, document, path).closed = closed != 0;
        return kNoErr;
    });
}

const AIPathSuite kPathTable = {
    .GetPathSegmentCount = getPathSegmentCount,
    .SetPathSegmentCount = setPathSegmentCount,
    .GetPathSegments = getPathSegments,
    .SetPathSegments = setPathSegments,
    .GetPathClosed = getPathClosed,
    .SetPathClosed = setPathClosed,
};

// ---- AI Transform Art --------------------------------------------------------

// Each point is mapped in double precision and rounded once to the model's
// floats, so a pure translation moves a point exactly as one float sum would.
Point mapped(const Matrix &m, Point p) {
    const double h = double(m.a) * p.h + double(m.c) * p.v + m.tx;
    const double v = double(m.b) * p.h + double(m.d) * p.v + m.ty;
    return {static_cast<float>(h), static_cast<float>(v)};
}

void transform(Document &document, Art &art, const Matrix &m, float lineScale, bool geometry) {
    if (PathShape *path = art.path()) {
        if (geometry)
            for (PathSegment &s : path->segments)
                s = PathSegment{mapped(m, s.anchor), mapped(m, s.in), mapped(m, s.out), s.corner};
        if (lineScale > 0) path->style.stroke.width *= lineScale;
    } else if (TextFrame *frame = art.textFrame()) {
        if (geometry) frame->anchor = mapped(m, frame->anchor);
    } else if (const Group *group = art.group()) {
        for (ArtId child : group->children)
            transform(document, *document.art(child), m, lineScale, geometry);
    }
}

AIErr ASAPI transformArt(AIArtHandle art, const AIRealMatrix *matrix, ASReal lineScale,
                         AITransformArtOptions flags) {
    return gate({kAITransformArtSuite, "TransformArt", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    Art &a = artOf(host.documentHandles(), document, art);
                    require(matrix != nullptr, "null matrix");
                    require(lineScale >= 0, "negative line scale");
                    require((flags & ~kTransformObjects) == 0, "unknown transformation option");
                    transform(document, a, toModel(*matrix), lineScale, (flags & kTransformObjects) != 0);
                    return kNoErr;
                });
}

const AITransformArtSuite kTransformTable = {
    .TransformArt = transformArt,
};

// ---- AI Real Math ----------------------------------------------------------------

void ASAPI setTranslate(AIRealMatrix *matrix, ASReal tx, ASReal ty) {
    gateVoid({kAIRealMathSuite, "AIRealMatrixSetTranslate", CallContext::AnyTime}, [&](Host &) {
        require(matrix != nullptr, "null matrix");
        *matrix = AIRealMatrix{1, 0, 0, 1, tx, ty};
    });
}

const AIRealMathSuite kRealMathTable = {
    .AIRealMatrixSetTranslate = setTranslate,
};

} // namespace

void registerPathSuites(SuiteRegistry &registry) {
    registry.add(kAIPathSuite, kAIPathSuiteVersion, &kPathTable);
    registry.add(kAITransformArtSuite, kAITransformArtSuiteVersion, &kTransformTable);
    registry.add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMathTable);
}

} // namespace vyn::host
