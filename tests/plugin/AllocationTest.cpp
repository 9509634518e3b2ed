// The plug-in's allocation functions, run inside the probe bundle (the real
// plug-in with a few extra notification types): every request goes to the
// host's block allocator, and none of them throws.
#include "PluginHarness.h"

namespace vyn::test {
namespace {

constexpr const char *kBasic = "SP Basic Suite";

TEST(Allocation, BeforeTheFirstMessageARequestGetsNull) {
    PluginHarness h(kProbePluginsFolder);
    ASSERT_TRUE(h.start().empty());
    // The probe asked for a block while its module loaded; it answers 0 when
    // that request got null and freeing the null did nothing.
    EXPECT_EQ(h.notify("Probe Allocation Before First Message"), kNoErr);
    EXPECT_TRUE(h.host().misbehaviour().empty());
}

TEST(Allocation, AZeroByteRequestYieldsADistinctBlock) {
    PluginHarness h(kProbePluginsFolder);
    ASSERT_TRUE(h.start().empty());
    const std::size_t live = h.host().blocks().liveBlocks();
    const int allocations = h.host().faults().calls(kBasic, "AllocateBlock");
    EXPECT_EQ(h.notify("Probe Zero-Byte Requests"), kNoErr) << "two distinct non-null blocks";
    EXPECT_EQ(h.host().faults().calls(kBasic, "AllocateBlock"), allocations + 2);
    EXPECT_EQ(h.host().blocks().liveBlocks(), live) << "both given back";
}

TEST(Allocation, OverAlignedRequestsAreAlignedAndGivenBackWhole) {
    PluginHarness h(kProbePluginsFolder);
    ASSERT_TRUE(h.start().empty());
    const std::size_t live = h.host().blocks().liveBlocks();
    EXPECT_EQ(h.notify("Probe Over-Aligned Requests"), kNoErr) << "every form aligned on 64 bytes";
    EXPECT_EQ(h.host().blocks().liveBlocks(), live);

    // With the allocator exhausted every form yields null, none throws.
    h.host().blocks().failAfter(0);
    EXPECT_EQ(h.notify("Probe Over-Aligned Requests"), kOutOfMemoryErr);
    h.host().blocks().failAfter(std::nullopt);
    EXPECT_EQ(h.host().blocks().liveBlocks(), live);
    EXPECT_TRUE(h.host().misbehaviour().empty()) << "no free of a block the host never handed out";
}

} // namespace
} // namespace vyn::test
