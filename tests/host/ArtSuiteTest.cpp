// AI Art through the table the registry hands out, over an open document:
// making and disposing of art, the tree's first children, attributes, and
// handles that outlive their art, which are refused without a crash.
#include <gtest/gtest.h>

#include "AIArt.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

class ArtSuite : public ::testing::Test {
  protected:
    ArtSuite() {
        host.documents().open(Document::emptyA4());
        layerGroup = art(doc().insertLayer(0, "Layer 1").group);
    }
    Document &doc() { return *host.documents().current(); }
    AIArtHandle art(ArtId id) { return host.documentHandles().art.handleOf(id); }
    Art &model(AIArtHandle handle) { return *doc().art(*host.documentHandles().art.idOf(handle)); }
    AIArtHandle make(AIArtType type, AIArtHandle prep) {
        AIArtHandle made = nullptr;
        EXPECT_EQ(suite->NewArt(type, kPlaceInsideOnTop, prep, &made), kNoErr);
        return made;
    }

    Host host;
    SuiteLease<const AIArtSuite> suite{host.registry(), kAIArtSuite, kAIArtSuiteVersion};
    AIArtHandle layerGroup = nullptr;
};

TEST_F(ArtSuite, NewArtGoesOnTopInsideItsGroupAndDisposalTakesItsContents) {
    AIArtHandle group = make(kGroupArt, layerGroup);
    AIArtHandle lower = make(kPathArt, group);
    AIArtHandle upper = make(kPathArt, group);

    AIArtHandle first = nullptr;
    ASSERT_EQ(suite->GetFirstArtOfLayer(host.documentHandles().layers.handleOf(doc().layers()[0].id), &first),
              kNoErr);
    EXPECT_EQ(first, layerGroup);
    AIArtHandle child = nullptr;
    ASSERT_EQ(suite->GetArtFirstChild(layerGroup, &child), kNoErr);
    EXPECT_EQ(child, group);
    ASSERT_EQ(suite->GetArtFirstChild(group, &child), kNoErr);
    EXPECT_EQ(child, upper) << "the first child is the topmost, the one placed last";
    ASSERT_EQ(suite->GetArtFirstChild(upper, &child), kNoErr);
    EXPECT_EQ(child, nullptr) << "a path has no children";

    AIArtType type = kUnknownArt;
    ASSERT_EQ(suite->GetArtType(group, &type), kNoErr);
    EXPECT_EQ(type, kGroupArt);
    ASSERT_EQ(suite->GetArtType(lower, &type), kNoErr);
    EXPECT_EQ(type, kPathArt);
    EXPECT_TRUE(model(lower).path()->segments.empty());
    EXPECT_EQ(model(lower).attributes, 0u) << "new art is unselected, unlocked and visible";

    ASSERT_EQ(suite->DisposeArt(upper), kNoErr);
    ASSERT_EQ(suite->GetArtFirstChild(group, &child), kNoErr);
    EXPECT_EQ(child, lower);
    ASSERT_EQ(suite->DisposeArt(group), kNoErr);
    for (AIArtHandle gone : {group, lower, upper})
        EXPECT_FALSE(suite->ValidArt(gone, true));
    ASSERT_EQ(suite->GetArtFirstChild(layerGroup, &child), kNoErr);
    EXPECT_EQ(child, nullptr) << "the empty layer group is left";
    EXPECT_TRUE(suite->ValidArt(layerGroup, false));
    EXPECT_TRUE(host.misbehaviour().empty());
}

TEST_F(ArtSuite, NewArtRefusesWhatItCannotPlace) {
    AIArtHandle path = make(kPathArt, layerGroup);
    AIArtHandle gone = make(kPathArt, layerGroup);
    ASSERT_EQ(suite->DisposeArt(gone), kNoErr);
    struct Case {
        const char *what;
        AIArtType type;
        AIPaintOrder order;
        AIArtHandle prep;
    } cases[] = {
        {"a text frame (the text frame suite makes those)", kTextFrameArt, kPlaceInsideOnTop, layerGroup},
        {"an unknown type", 7, kPlaceInsideOnTop, layerGroup},
        {"above all", kPathArt, kPlaceAboveAll, layerGroup},
        {"inside a path", kPathArt, kPlaceInsideOnTop, path},
        {"inside disposed art", kGroupArt, kPlaceInsideOnTop, gone},
        {"inside nothing", kGroupArt, kPlaceInsideOnTop, nullptr},
    };
    const std::size_t artBefore = doc().artCount();
    for (const Case &c : cases) {
        AIArtHandle made = path;
        EXPECT_EQ(suite->NewArt(c.type, c.order, c.prep, &made), kBadParameterErr) << c.what;
        EXPECT_EQ(made, nullptr) << c.what;
    }
    EXPECT_EQ(doc().artCount(), artBefore);
    EXPECT_EQ(host.misbehaviour().size(), std::size(cases));
}

TEST_F(ArtSuite, NoNewArtInALockedOrHiddenLayerAndItIsNobodysFault) {
    for (auto [editable, visible] : {std::pair{false, true}, {true, false}}) {
        Layer &layer = doc().insertLayer(0, "Closed");
        layer.editable = editable;
        layer.visible = visible;
        AIArtHandle made = layerGroup;
        EXPECT_EQ(suite->NewArt(kPathArt, kPlaceInsideOnTop, art(layer.group), &made), kCantHappenErr);
        EXPECT_EQ(made, nullptr);
    }
    EXPECT_TRUE(host.misbehaviour().empty());
    EXPECT_TRUE(host.hostFaults().empty());
}

TEST_F(ArtSuite, StaleAndForeignHandlesAreAnsweredOrRefusedWithoutTouchingMemory) {
    AIArtHandle path = make(kPathArt, layerGroup);
    AILayerHandle layer = host.documentHandles().layers.handleOf(doc().layers()[0].id);
    ASSERT_EQ(suite->DisposeArt(path), kNoErr);

    // ValidArt is a question: nothing it is asked about is misbehaviour.
    for (AIArtHandle h : {path, static_cast<AIArtHandle>(nullptr), reinterpret_cast<AIArtHandle>(layer),
                          reinterpret_cast<AIArtHandle>(std::uintptr_t{0xdead0})})
        EXPECT_FALSE(suite->ValidArt(h, true));
    EXPECT_TRUE(host.misbehaviour().empty());

    AIArtType type = kGroupArt;
    EXPECT_EQ(suite->GetArtType(path, &type), kBadParameterErr);
    EXPECT_EQ(type, kUnknownArt);
    AIArtUserAttr attr = 7;
    EXPECT_EQ(suite->GetArtUserAttr(path, kArtSelected, &attr), kBadParameterErr);
    EXPECT_EQ(attr, 0);
    AIArtHandle child = layerGroup;
    EXPECT_EQ(suite->GetArtFirstChild(path, &child), kBadParameterErr);
    EXPECT_EQ(child, nullptr);
    EXPECT_EQ(suite->SetArtUserAttr(path, kArtSelected, kArtSelected), kBadParameterErr);
    EXPECT_EQ(suite->DisposeArt(path), kBadParameterErr) << "disposed of twice";
    EXPECT_EQ(suite->DisposeArt(layerGroup), kBadParameterErr) << "a layer's group goes with its layer";
    EXPECT_EQ(suite->GetFirstArtOfLayer(reinterpret_cast<AILayerHandle>(layerGroup), &child),
              kBadParameterErr);
    EXPECT_EQ(host.misbehaviour().size(), 7u);

    // Another document: the handles of the first name nothing in it.
    host.documents().open(Document::emptyA4());
    EXPECT_FALSE(suite->ValidArt(layerGroup, true));
    EXPECT_EQ(suite->GetArtType(layerGroup, &type), kBadParameterErr);
    host.documents().close();
    EXPECT_FALSE(suite->ValidArt(layerGroup, true)) << "answered with no document open";
    EXPECT_EQ(suite->GetArtType(layerGroup, &type), kBadContextErr);
}

TEST_F(ArtSuite, UserAttributesChangeOnlyTheBitsAskedFor) {
    AIArtHandle path = make(kPathArt, layerGroup);
    ASSERT_EQ(suite->SetArtUserAttr(path, kArtSelected | kArtHidden, kArtSelected | kArtLocked), kNoErr);
    AIArtUserAttr attr = 0;
    ASSERT_EQ(suite->GetArtUserAttr(path, ~0, &attr), kNoErr);
    EXPECT_EQ(attr, kArtSelected) << "locked lies outside the mask";

    ASSERT_EQ(suite->SetArtUserAttr(path, kArtFullySelected, kArtFullySelected), kNoErr);
    ASSERT_EQ(suite->SetArtUserAttr(path, kArtFullySelected, 0), kNoErr);
    ASSERT_EQ(suite->GetArtUserAttr(path, kArtSelected | kArtFullySelected, &attr), kNoErr);
    EXPECT_EQ(attr, kArtSelected) << "the fully-selected mark leaves the selection as it was";
    EXPECT_GT(model(path).fullySelectedAt, 0u);
}

TEST_F(ArtSuite, TheCentrePointIsAPathsOnly) {
    AIArtHandle path = make(kPathArt, layerGroup);
    ASSERT_EQ(suite->SetArtCenterPointVisible(path, true), kNoErr);
    EXPECT_TRUE(model(path).path()->centerPointVisible);
    EXPECT_EQ(suite->SetArtCenterPointVisible(layerGroup, true), kBadParameterErr);
    EXPECT_EQ(host.misbehaviour().size(), 1u);
}

} // namespace
} // namespace vyn::host
