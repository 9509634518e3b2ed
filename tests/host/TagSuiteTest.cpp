// AI Tag through the table the registry hands out: the chart's mark set,
// asked about, replaced and refused.
#include <gtest/gtest.h>

#include <string>

#include "AITag.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

class TagSuite : public ::testing::Test {
  protected:
    TagSuite() {
        host.documents().open(Document::emptyA4());
        Document &doc = *host.documents().current();
        boxId = doc.addArt(doc.insertLayer(0, "L").group, PathShape{}).id;
        box = host.documentHandles().art.handleOf(boxId);
    }
    const std::map<std::string, Tag> &tags() { return host.documents().current()->art(boxId)->tags; }

    Host host;
    SuiteLease<const AITagSuite> suite{host.registry(), kAITagSuite, kAITagSuiteVersion};
    ArtId boxId;
    AIArtHandle box = nullptr;
};

TEST_F(TagSuite, ATagIsSetAskedAboutAndReplaced) {
    EXPECT_EQ(suite->GetTag(box, "VYNCOL", nullptr), kNotFoundErr);
    ASSERT_EQ(suite->SetTag(box, "VYNCOL", kTagString, "jj"), kNoErr);
    EXPECT_EQ(suite->GetTag(box, "VYNCOL", nullptr), kNoErr) << "a null value only asks";
    const char *value = nullptr;
    ASSERT_EQ(suite->GetTag(box, "VYNCOL", &value), kNoErr);
    EXPECT_STREQ(value, "jj");
    EXPECT_EQ(suite->GetTag(box, "VYNCO", nullptr), kNotFoundErr) << "names are compared whole";

    ASSERT_EQ(suite->SetTag(box, "VYNCOL", kTagString, "kk"), kNoErr);
    ASSERT_EQ(suite->GetTag(box, "VYNCOL", &value), kNoErr);
    EXPECT_STREQ(value, "kk");
    EXPECT_EQ(tags().size(), 1u);
    EXPECT_EQ(tags().at("VYNCOL").type, "string");
    EXPECT_TRUE(host.misbehaviour().empty()) << "a missing tag is an answer, not misuse";
}

TEST_F(TagSuite, BadTagsAndStaleArtAreRefusedAndChangeNothing) {
    ASSERT_EQ(suite->SetTag(box, "VYNCOL", kTagString, "jj"), kNoErr);
    AIArtHandle gone = host.documentHandles().art.handleOf(
        host.documents().current()->addArt(host.documents().current()->layers()[0].group, PathShape{}).id);
    host.documents().current()->removeArt(*host.documentHandles().art.idOf(gone));
    const struct {
        const char *what;
        AIArtHandle art;
        const char *name, *type, *value;
    } cases[] = {
        {"null name", box, nullptr, kTagString, "x"},       {"empty name", box, "", kTagString, "x"},
        {"other type", box, "VYNCOL", "integer", "x"},      {"null type", box, "VYNCOL", nullptr, "x"},
        {"null value", box, "VYNCOL", kTagString, nullptr}, {"stale art", gone, "VYNCOL", kTagString, "x"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(suite->SetTag(c.art, c.name, c.type, c.value), kBadParameterErr) << c.what;
    EXPECT_EQ(tags().at("VYNCOL").value, "jj");

    const char *value = "unchanged";
    EXPECT_EQ(suite->GetTag(gone, "VYNCOL", &value), kBadParameterErr);
    EXPECT_EQ(suite->GetTag(box, nullptr, &value), kBadParameterErr);
    EXPECT_STREQ(value, "unchanged");
    EXPECT_EQ(host.misbehaviour().size(), std::size(cases) + 2);
}

} // namespace
} // namespace vyn::host
