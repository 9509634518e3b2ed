// The ATE TextRange suite's InsertAfter: how a length says which bytes of the
// text go into the range, the NUL-terminated form (-1) among them.
#include <gtest/gtest.h>

#include "ATESuites.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "text/TextEngine.h"
#include "model/Document.h"

using namespace vyn::host;

namespace {

struct InsertCase {
    const char *what;
    const char *text;
    ASInt32 length;
    ATE::ATEErr result;
    std::u16string after; // the story's text after the call, which held "ab"
};

const InsertCase kInsertCases[] = {
    {"-1 takes the text up to its NUL", "C=2 M=66\0junk", ATE::kATEUpToNul, kNoErr, u"abC=2 M=66"},
    {"-1 converts from the platform encoding",
     "Vyn\xA5"
     "Colors",
     ATE::kATEUpToNul, kNoErr, u"abVyn\u2022Colors"},
    {"-1 with an empty text inserts nothing", "", ATE::kATEUpToNul, kNoErr, u"ab"},
    {"an explicit length counts bytes", "C=2 M=66", 3, kNoErr, u"abC=2"},
    {"an explicit length takes a NUL as a byte", "x\0y", 3, kNoErr, std::u16string(u"abx\0y", 5)},
    {"no text with length 0 inserts nothing", nullptr, 0, kNoErr, u"ab"},
    {"a length below -1 is refused", "C=2", -2, kBadParameterErr, u"ab"},
    {"no text up to a NUL is refused", nullptr, ATE::kATEUpToNul, kBadParameterErr, u"ab"},
    {"no text with a length is refused", nullptr, 3, kBadParameterErr, u"ab"},
};

TEST(TextRangeSuite, InsertAfterTakesTheBytesTheLengthNames) {
    for (const InsertCase &c : kInsertCases) {
        SCOPED_TRACE(c.what);
        Host host;
        auto *ranges = static_cast<const TextRangeSuite *>(
            host.registry().acquire(kTextRangeSuite, kTextRangeSuiteVersion));
        host.documents().open(Document::emptyA4());
        Document &doc = *host.documents().current();
        TextFrame frame;
        frame.story.runs.push_back(TextRun{u"ab", {}});
        const ArtId id = doc.addArt(doc.insertLayer(0, "Layer 1").group, std::move(frame)).id;
        ATE::TextRangeRef range = host.textEngine().make<ATE::TextRangeRef>(TextRange{id});

        EXPECT_EQ(ranges->InsertAfter(range, c.text, c.length, nullptr), c.result);
        EXPECT_EQ(doc.art(id)->textFrame()->story.text(), c.after);
        EXPECT_EQ(host.misbehaviour().empty(), c.result == kNoErr) << "a refusal is the plug-in's misuse";

        EXPECT_EQ(ranges->Release(range), kNoErr);
        host.registry().release(kTextRangeSuite, kTextRangeSuiteVersion);
    }
}

} // namespace
