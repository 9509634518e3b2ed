// AI Matching Art and AI MdMemory through the tables the registry hands out:
// which art each mask and value select (a locked layer locks its art, hidden
// art is found), the order of the list, and the list's memory block, which
// shows as live until it is disposed of.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "AIMatchingArt.h"
#include "AIMdMemory.h"
#include "gate/DocumentHandles.h"
#include "frontend/Frontend.h"
#include "Host.h"
#include "memory/MemoryBlocks.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

class MatchingArt : public ::testing::Test {
  protected:
    // Layer "Top" (unlocked): plain path, hidden path, locked path, group
    // {selected path, text}, locked group {path}; layer "Under" (locked):
    // selected path, text. Each art in paint order, bottom first.
    MatchingArt() {
        host.documents().open(Document::emptyA4());
        Document &doc = *host.documents().current();
        const ArtId top = doc.insertLayer(0, "Top").group;
        Layer &under = doc.insertLayer(1, "Under");
        under.editable = false;
        add("plain", top, PathShape{});
        add("hidden", top, PathShape{}, kHidden);
        add("locked", top, PathShape{}, kLocked);
        const ArtId group = add("group", top, Group{});
        add("selected", group, PathShape{}, kSelected);
        add("text", group, TextFrame{});
        const ArtId lockedGroup = add("lockedGroup", top, Group{}, kLocked);
        add("inLockedGroup", lockedGroup, PathShape{});
        add("underSelected", under.group, PathShape{}, kSelected);
        add("underText", under.group, TextFrame{});
    }
    ArtId add(std::string name, ArtId parent, std::variant<Group, PathShape, TextFrame> content,
              std::uint32_t attributes = 0) {
        Document &doc = *host.documents().current();
        Art &art = doc.addArt(parent, std::move(content));
        art.attributes = attributes;
        names[host.documentHandles().art.handleOf(art.id)] = std::move(name);
        return art.id;
    }
    // The names of the matches, in the order of the list; the list freed.
    std::vector<std::string> match(std::vector<AIMatchingArtSpec> specs) {
        AIArtHandle **list = nullptr;
        ASInt32 count = -1;
        EXPECT_EQ(matching->GetMatchingArt(specs.data(), static_cast<ASInt16>(specs.size()), &list, &count),
                  kNoErr);
        std::vector<std::string> found;
        for (ASInt32 i = 0; i < count; ++i)
            found.push_back(names.at((*list)[i]));
        EXPECT_EQ(memory->MdMemoryDisposeHandle(list), kNoErr);
        return found;
    }

    Host host;
    SuiteLease<const AIMatchingArtSuite> matching{host.registry(), kAIMatchingArtSuite,
                                                  kAIMatchingArtSuiteVersion};
    SuiteLease<const AIMdMemorySuite> memory{host.registry(), kAIMdMemorySuite, kAIMdMemorySuiteVersion};
    std::map<AIArtHandle, std::string> names;
};

using Names = std::vector<std::string>;

TEST_F(MatchingArt, MasksAndValuesSelectTheArtInPaintOrderLayersFirstToLast) {
    const struct {
        const char *what;
        std::vector<AIMatchingArtSpec> specs;
        Names expected;
    } cases[] = {
        {"unlocked paths and texts (the old chart's search)",
         {{kTextFrameArt, kArtLocked, 0}, {kPathArt, kArtLocked, 0}},
         {"plain", "hidden", "selected", "text"}},
        {"selected paths and texts",
         {{kPathArt, kArtSelected, kArtSelected}, {kTextFrameArt, kArtSelected, kArtSelected}},
         {"selected", "underSelected"}},
        {"every path, a zero mask",
         {{kPathArt, 0, 0}},
         {"plain", "hidden", "locked", "selected", "inLockedGroup", "underSelected"}},
        {"locked paths, by their layer or group too",
         {{kPathArt, kArtLocked, kArtLocked}},
         {"locked", "inLockedGroup", "underSelected"}},
        {"hidden paths", {{kPathArt, kArtHidden, kArtHidden}}, {"hidden"}},
        {"groups, not the layers' own", {{kGroupArt, 0, 0}}, {"group", "lockedGroup"}},
        {"a value outside its mask matches nothing", {{kPathArt, kArtLocked, kArtLocked | kArtSelected}}, {}},
        {"art meeting two conditions is listed once",
         {{kPathArt, 0, 0}, {kPathArt, kArtSelected, kArtSelected}},
         {"plain", "hidden", "locked", "selected", "inLockedGroup", "underSelected"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(match(c.specs), c.expected) << c.what;
    EXPECT_EQ(host.memoryBlocks().live(), 0u);
    EXPECT_TRUE(host.misbehaviour().empty());
}

TEST_F(MatchingArt, TheListIsAMemoryBlockLiveUntilDisposedOfOnce) {
    const AIMatchingArtSpec paths{kPathArt, 0, 0};
    AIArtHandle **first = nullptr, **second = nullptr;
    ASInt32 count = 0;
    ASSERT_EQ(matching->GetMatchingArt(&paths, 1, &first, &count), kNoErr);
    ASSERT_EQ(matching->GetMatchingArt(&paths, 1, &second, &count), kNoErr);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(host.memoryBlocks().live(), 2u);
    EXPECT_EQ(memory->MdMemoryDisposeHandle(first), kNoErr);
    EXPECT_EQ(memory->MdMemoryDisposeHandle(second), kNoErr);
    EXPECT_EQ(host.memoryBlocks().live(), 0u);
    EXPECT_EQ(memory->MdMemoryDisposeHandle(nullptr), kNoErr) << "nothing to free";
    EXPECT_TRUE(host.misbehaviour().empty());

    EXPECT_EQ(memory->MdMemoryDisposeHandle(first), kBadParameterErr) << "freed twice";
    int local = 0;
    EXPECT_EQ(memory->MdMemoryDisposeHandle(&local), kBadParameterErr) << "never handed out";
    EXPECT_EQ(host.misbehaviour().size(), 2u);

    const AIMatchingArtSpec none{kTextFrameArt, kArtHidden, kArtHidden};
    count = 7;
    ASSERT_EQ(matching->GetMatchingArt(&none, 1, &first, &count), kNoErr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(first, nullptr) << "no match, no block";
    EXPECT_EQ(host.memoryBlocks().live(), 0u);
}

TEST_F(MatchingArt, AListNeverDisposedOfIsReportedAtShutDown) {
    const AIMatchingArtSpec paths{kPathArt, 0, 0};
    AIArtHandle **list = nullptr;
    ASInt32 count = 0;
    ASSERT_EQ(matching->GetMatchingArt(&paths, 1, &list, &count), kNoErr);
    host.shutdown();
    bool reported = false;
    for (const FrontendEvent &e : host.frontend().events())
        reported |= e.kind == FrontendEvent::Kind::Warning && e.text == "1 memory block(s) never disposed of";
    EXPECT_TRUE(reported);
    EXPECT_EQ(memory->MdMemoryDisposeHandle(list), kNoErr);
}

TEST_F(MatchingArt, BadArgumentsLeaveNoList) {
    const AIMatchingArtSpec paths{kPathArt, 0, 0};
    AIArtHandle **list = reinterpret_cast<AIArtHandle **>(&names);
    ASInt32 count = 7;
    EXPECT_EQ(matching->GetMatchingArt(&paths, 0, &list, &count), kBadParameterErr);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(matching->GetMatchingArt(nullptr, 1, &list, &count), kBadParameterErr);
    EXPECT_EQ(matching->GetMatchingArt(&paths, 1, nullptr, &count), kBadParameterErr);
    host.documents().close();
    EXPECT_EQ(matching->GetMatchingArt(&paths, 1, &list, &count), kBadContextErr);
    EXPECT_EQ(host.memoryBlocks().live(), 0u);
}

} // namespace
} // namespace vyn::host
