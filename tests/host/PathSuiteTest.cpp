// AI Path, AI Transform Art and AI Real Math through the tables the registry
// hands out: a chart box drawn and moved as the chart build does it, runs of
// segments that do not fit, and transformations that move geometry only.
#include <gtest/gtest.h>

#include "AIPath.h"
#include "AIRealMath.h"
#include "AITransformArt.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

AIPathSegment corner(float h, float v) { return {{h, v}, {h, v}, {h, v}, 1}; }

class PathSuites : public ::testing::Test {
  protected:
    PathSuites() {
        host.documents().open(Document::emptyA4());
        root = doc().insertLayer(0, "Layer 1").group;
    }
    Document &doc() { return *host.documents().current(); }
    AIArtHandle add(std::variant<Group, PathShape, TextFrame> content, ArtId parent = {}) {
        return host.documentHandles().art.handleOf(
            doc().addArt(parent ? parent : root, std::move(content)).id);
    }
    PathShape &shape(AIArtHandle h) { return *doc().art(*host.documentHandles().art.idOf(h))->path(); }
    std::vector<AIPathSegment> segmentsOf(AIArtHandle path) {
        ASInt16 count = -1;
        EXPECT_EQ(paths->GetPathSegmentCount(path, &count), kNoErr);
        std::vector<AIPathSegment> out(static_cast<std::size_t>(count));
        EXPECT_EQ(paths->GetPathSegments(path, 0, count, out.data()), kNoErr);
        return out;
    }

    Host host;
    SuiteLease<const AIPathSuite> paths{host.registry(), kAIPathSuite, kAIPathSuiteVersion};
    SuiteLease<const AITransformArtSuite> transforms{host.registry(), kAITransformArtSuite,
                                                     kAITransformArtSuiteVersion};
    SuiteLease<const AIRealMathSuite> math{host.registry(), kAIRealMathSuite, kAIRealMathSuiteVersion};
    ArtId root;
};

bool samePoint(const AIRealPoint &p, float h, float v) { return p.h == h && p.v == v; }

TEST_F(PathSuites, AChartBoxIsDrawnAtTheOriginAndMovedToItsRow) {
    // Row 0 of a chart on the artboard (0, 800, 600, 0), first box offset
    // (12, 12), box 85.04 by 42.52.
    const float w = 85.04f, h = 42.52f;
    AIArtHandle box = add(PathShape{});
    const AIPathSegment rect[4] = {corner(0, 0), corner(w, 0), corner(w, -h), corner(0, -h)};
    ASSERT_EQ(paths->SetPathClosed(box, true), kNoErr);
    ASSERT_EQ(paths->SetPathSegmentCount(box, 4), kNoErr);
    ASSERT_EQ(paths->SetPathSegments(box, 0, 4, rect), kNoErr);

    AIRealMatrix m{2, 3, 4, 5, 6, 7};
    math->AIRealMatrixSetTranslate(&m, 0.0f + 12.0f, 800.0f - 12.0f);
    EXPECT_TRUE(m.a == 1 && m.b == 0 && m.c == 0 && m.d == 1 && m.tx == 12 && m.ty == 788);
    ASSERT_EQ(transforms->TransformArt(box, &m, 0.0f, kTransformObjects), kNoErr);

    const std::vector<AIPathSegment> placed = segmentsOf(box);
    ASSERT_EQ(placed.size(), 4u);
    const float expected[4][2] = {{12, 788}, {12 + w, 788}, {12 + w, 788 - h}, {12, 788 - h}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(samePoint(placed[i].p, expected[i][0], expected[i][1])) << "segment " << i;
        EXPECT_TRUE(samePoint(placed[i].in, expected[i][0], expected[i][1])) << "segment " << i;
        EXPECT_TRUE(samePoint(placed[i].out, expected[i][0], expected[i][1])) << "segment " << i;
        EXPECT_EQ(placed[i].corner, 1);
    }
    EXPECT_EQ(placed[1].p.h, 97.04f);
    EXPECT_EQ(placed[2].p.v, 745.48f);
    ASBoolean closed = 0;
    ASSERT_EQ(paths->GetPathClosed(box, &closed), kNoErr);
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(host.misbehaviour().empty());
}

TEST_F(PathSuites, ALongerPathGrowsFromItsLastAnchor) {
    AIArtHandle path = add(PathShape{});
    ASSERT_EQ(paths->SetPathSegmentCount(path, 1), kNoErr);
    EXPECT_TRUE(samePoint(segmentsOf(path)[0].p, 0, 0)) << "a path with none grows from the origin";
    const AIPathSegment curve = {{5, 6}, {1, 2}, {9, 9}, 0};
    ASSERT_EQ(paths->SetPathSegments(path, 0, 1, &curve), kNoErr);
    ASSERT_EQ(paths->SetPathSegmentCount(path, 3), kNoErr);
    const std::vector<AIPathSegment> grown = segmentsOf(path);
    EXPECT_TRUE(samePoint(grown[0].in, 1, 2)) << "kept segments keep their values";
    for (std::size_t i : {1u, 2u}) {
        EXPECT_TRUE(samePoint(grown[i].p, 5, 6) && samePoint(grown[i].in, 5, 6) &&
                    samePoint(grown[i].out, 5, 6));
        EXPECT_EQ(grown[i].corner, 1);
    }
    ASSERT_EQ(paths->SetPathSegmentCount(path, 0), kNoErr);
    EXPECT_TRUE(segmentsOf(path).empty());
}

TEST_F(PathSuites, RunsOutsideThePathAndArtThatIsNoPathAreRefused) {
    PathShape four;
    four.segments.resize(4);
    AIArtHandle path = add(four);
    AIArtHandle group = add(Group{});
    AIArtHandle gone = add(PathShape{});
    doc().removeArt(*host.documentHandles().art.idOf(gone));
    const std::vector<PathSegment> before = shape(path).segments;

    AIPathSegment records[4] = {corner(1, 1), corner(1, 1), corner(1, 1), corner(1, 1)};
    struct Run {
        ASInt16 first, count;
    } runs[] = {{-1, 1}, {3, 2}, {0, 5}, {0, -1}, {5, 0}};
    for (const Run &r : runs) {
        EXPECT_EQ(paths->SetPathSegments(path, r.first, r.count, records), kBadParameterErr)
            << r.first << "+" << r.count;
        EXPECT_EQ(paths->GetPathSegments(path, r.first, r.count, records), kBadParameterErr)
            << r.first << "+" << r.count;
    }
    EXPECT_EQ(shape(path).segments.size(), before.size());
    EXPECT_TRUE(samePoint(records[0].p, 1, 1)) << "a refused read leaves the records";
    EXPECT_EQ(paths->SetPathSegmentCount(path, -1), kBadParameterErr);

    for (AIArtHandle notAPath : {group, gone}) {
        ASInt16 count = 9;
        ASBoolean closed = 1;
        EXPECT_EQ(paths->GetPathSegmentCount(notAPath, &count), kBadParameterErr);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(paths->GetPathClosed(notAPath, &closed), kBadParameterErr);
        EXPECT_EQ(closed, 0);
        EXPECT_EQ(paths->SetPathClosed(notAPath, true), kBadParameterErr);
    }
    EXPECT_EQ(host.misbehaviour().size(), 2 * std::size(runs) + 1 + 2 * 3);
}

TEST_F(PathSuites, TransformingAGroupMovesItsGeometryAndNotItsPaint) {
    const ArtId groupId = doc().addArt(root, Group{}).id;
    PathShape square;
    square.segments = {{{0, 0}, {0, 0}, {1, 1}, true}};
    square.style.stroke.width = 0.5f;
    GradientPaint gradient;
    gradient.origin = {3, 4};
    gradient.length = 1;
    square.style.fill.paint = gradient;
    AIArtHandle path = add(square, groupId);
    TextFrame frame;
    frame.anchor = {10, 20};
    AIArtHandle text = add(frame, groupId);
    AIArtHandle group = host.documentHandles().art.handleOf(groupId);

    const AIRealMatrix scaleAndMove{2, 0, 0, 2, 100, -50};
    ASSERT_EQ(transforms->TransformArt(group, &scaleAndMove, 3.0f, kTransformObjects), kNoErr);
    const PathSegment &s = shape(path).segments[0];
    EXPECT_EQ(s.anchor, (Point{100, -50}));
    EXPECT_EQ(s.out, (Point{102, -48}));
    EXPECT_EQ(doc().art(*host.documentHandles().art.idOf(text))->textFrame()->anchor, (Point{120, -10}));
    EXPECT_EQ(shape(path).style.stroke.width, 1.5f) << "a line scale above 0 scales the strokes";
    EXPECT_EQ(std::get<GradientPaint>(shape(path).style.fill.paint).origin, (Point{3, 4}))
        << "the gradient stays where it is on the page";

    ASSERT_EQ(transforms->TransformArt(path, &scaleAndMove, 0.0f, kTransformObjects), kNoErr);
    EXPECT_EQ(shape(path).style.stroke.width, 1.5f) << "line scale 0 leaves the strokes";

    const std::vector<PathSegment> before = shape(path).segments;
    EXPECT_EQ(transforms->TransformArt(path, nullptr, 0, kTransformObjects), kBadParameterErr);
    EXPECT_EQ(transforms->TransformArt(path, &scaleAndMove, -1, kTransformObjects), kBadParameterErr);
    EXPECT_EQ(transforms->TransformArt(path, &scaleAndMove, 0, kTransformObjects | 2), kBadParameterErr);
    EXPECT_EQ(transforms->TransformArt(nullptr, &scaleAndMove, 0, kTransformObjects), kBadParameterErr);
    EXPECT_EQ(shape(path).segments[0].anchor, before[0].anchor);
    EXPECT_EQ(host.misbehaviour().size(), 4u);

    math->AIRealMatrixSetTranslate(nullptr, 1, 2);
    EXPECT_EQ(host.misbehaviour().size(), 5u) << "a null matrix is the plug-in's error";
}

} // namespace
} // namespace vyn::host
