// AI Artboard through the table the registry hands out, over an open
// document: the list and the properties are snapshots, and a handle given
// back is refused afterwards as the plug-in's misuse, without a crash.
#include <gtest/gtest.h>

#include "AIArtboard.h"
#include "Host.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

Document twoArtboards() {
    Document doc = Document::emptyA4();
    doc.artboards.push_back(Artboard{"Back", Rect{700, 300, 1000, -20}});
    doc.activeArtboard = 1;
    return doc;
}

class ArtboardSuite : public ::testing::Test {
  protected:
    Host host;
    SuiteLease<const AIArtboardSuite> suite{host.registry(), kAIArtboardSuite, kAIArtboardSuiteVersion};
};

TEST_F(ArtboardSuite, ListsTheOpenDocumentsArtboardsWithTheirBounds) {
    host.documents().open(twoArtboards());
    AIArtboardListRef list = nullptr;
    AIArtboardPropertiesRef props = nullptr;
    ASSERT_EQ(suite->GetArtboardList(&list), kNoErr);
    ASSERT_EQ(suite->InitArtboardProperties(&props), kNoErr);

    ASInt32 active = -1;
    EXPECT_EQ(suite->GetActive(list, &active), kNoErr);
    EXPECT_EQ(active, 1);

    // The list keeps what the document held when it was made.
    host.documents().open(Document::emptyA4());
    AIRealRect bounds{};
    ASSERT_EQ(suite->GetArtboardProperties(list, 1, props), kNoErr);
    ASSERT_EQ(suite->GetPosition(props, &bounds), kNoErr);
    EXPECT_EQ(bounds.left, 700);
    EXPECT_EQ(bounds.top, 300);
    EXPECT_EQ(bounds.right, 1000);
    EXPECT_EQ(bounds.bottom, -20);

    ASSERT_EQ(suite->GetArtboardProperties(list, 0, props), kNoErr);
    ASSERT_EQ(suite->GetPosition(props, &bounds), kNoErr);
    const Rect a4 = Document::emptyA4().artboards.at(0).bounds;
    EXPECT_EQ(bounds.right - bounds.left, a4.right - a4.left);
    EXPECT_EQ(bounds.top - bounds.bottom, a4.top - a4.bottom);
    EXPECT_TRUE(host.misbehaviour().empty());

    for (ASInt32 index : {-1, 2})
        EXPECT_EQ(suite->GetArtboardProperties(list, index, props), kBadParameterErr) << index;

    EXPECT_EQ(suite->ReleaseArtboardList(&list), kNoErr);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(suite->DisposeArtboardProperties(&props), kNoErr);
    EXPECT_EQ(props, nullptr);
    EXPECT_EQ(suite->DisposeArtboardProperties(&props), kNoErr) << "a null properties object is ignored";
}

TEST_F(ArtboardSuite, WithoutADocumentThereIsNoList) {
    AIArtboardListRef list = reinterpret_cast<AIArtboardListRef>(0x1);
    EXPECT_EQ(suite->GetArtboardList(&list), kBadContextErr);
    EXPECT_EQ(list, nullptr);
}

TEST_F(ArtboardSuite, AHandleGivenBackIsRefusedAndReported) {
    host.documents().open(twoArtboards());
    AIArtboardListRef list = nullptr, stale = nullptr;
    AIArtboardPropertiesRef props = nullptr, staleProps = nullptr;
    ASSERT_EQ(suite->GetArtboardList(&list), kNoErr);
    ASSERT_EQ(suite->InitArtboardProperties(&props), kNoErr);
    stale = list;
    staleProps = props;
    ASSERT_EQ(suite->ReleaseArtboardList(&list), kNoErr);
    ASSERT_EQ(suite->DisposeArtboardProperties(&props), kNoErr);

    ASInt32 active = -1;
    AIRealRect bounds{};
    ASSERT_EQ(suite->InitArtboardProperties(&props), kNoErr);
    const std::size_t before = host.misbehaviour().size();
    EXPECT_EQ(suite->GetActive(stale, &active), kBadParameterErr);
    EXPECT_EQ(active, -1);
    EXPECT_EQ(suite->GetArtboardProperties(stale, 0, props), kBadParameterErr);
    EXPECT_EQ(suite->ReleaseArtboardList(&stale), kBadParameterErr) << "released twice";
    EXPECT_EQ(suite->GetPosition(staleProps, &bounds), kBadParameterErr);
    EXPECT_EQ(suite->GetPosition(props, &bounds), kBadParameterErr) << "properties never filled";
    EXPECT_EQ(host.misbehaviour().size(), before + 5);
    EXPECT_EQ(suite->DisposeArtboardProperties(&props), kNoErr);
}

} // namespace
} // namespace vyn::host
