// The plug-in's artboard holders, compiled into this test program and run
// against the host's AI Artboard table: each gives its object back when it
// goes, and a failed fetch leaves a null reference instead of throwing.
#include <gtest/gtest.h>

#include "gate/FaultPlan.h"
#include "Host.h"
#include "IAIArtboards.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

// The suite global the holders call through; in the plug-in it is set at
// start-up.
AIArtboardSuite *sAIArtboard = nullptr;

namespace {

using namespace vyn::host;
using vyn::test::SuiteLease;

class ArtboardHolders : public ::testing::Test {
  protected:
    int calls(const char *operation) { return host.faults().calls(kAIArtboardSuite, operation); }

    Host host;

  private:
    SuiteLease<AIArtboardSuite> artboards_{host.registry(), kAIArtboardSuite, kAIArtboardSuiteVersion,
                                           &sAIArtboard};
};

TEST_F(ArtboardHolders, ReadTheActiveArtboardsBoundsAndGiveBothObjectsBack) {
    Document doc = Document::emptyA4();
    doc.artboards.push_back(Artboard{"Wide", Rect{-100, 50, 900, -250}});
    doc.activeArtboard = 1;
    host.documents().open(doc);

    AIArtboardListRef stale = nullptr;
    {
        ai::ArtboardList list;
        ai::ArtboardProperties props;
        ASSERT_NE(list.GetRef(), nullptr);
        ASSERT_NE(props.GetRef(), nullptr);
        ASInt32 active = -1;
        AIRealRect bounds{};
        ASSERT_EQ(sAIArtboard->GetActive(list.GetRef(), &active), kNoErr);
        ASSERT_EQ(sAIArtboard->GetArtboardProperties(list.GetRef(), active, props.GetRef()), kNoErr);
        ASSERT_EQ(sAIArtboard->GetPosition(props.GetRef(), &bounds), kNoErr);
        EXPECT_EQ(active, 1);
        EXPECT_EQ(bounds.left, -100);
        EXPECT_EQ(bounds.top, 50);
        EXPECT_EQ(bounds.right, 900);
        EXPECT_EQ(bounds.bottom, -250);
        stale = list.GetRef();
    }
    EXPECT_EQ(calls("ReleaseArtboardList"), 1);
    EXPECT_EQ(calls("DisposeArtboardProperties"), 1);
    EXPECT_TRUE(host.misbehaviour().empty());

    ASInt32 active = -1;
    EXPECT_EQ(sAIArtboard->GetActive(stale, &active), kBadParameterErr) << "the list went with its holder";
    EXPECT_EQ(host.misbehaviour().size(), 1u);
}

TEST_F(ArtboardHolders, AFailedFetchLeavesANullReferenceAndNoException) {
    // No document: the list cannot be made.
    host.faults().failCall(kAIArtboardSuite, "InitArtboardProperties", 1, kOutOfMemoryErr);
    {
        ai::ArtboardList list;
        ai::ArtboardProperties props;
        EXPECT_EQ(list.GetRef(), nullptr);
        EXPECT_EQ(props.GetRef(), nullptr);
    }
    EXPECT_EQ(calls("ReleaseArtboardList"), 0) << "a null list is not released";
    EXPECT_EQ(calls("DisposeArtboardProperties"), 1) << "disposing is always asked; a null is ignored";
}

} // namespace
