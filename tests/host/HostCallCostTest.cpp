// What the host calls a chart build makes by the million cost per call: the
// gate's own work, and the reads of Unicode strings, allocate nothing once
// an operation has been seen, with tracing off. An allocation per call is
// what a copy or a scan of the document looks like from here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "AIUnicodeString.h"
#include "gate/CallGate.h"
#include "gate/FaultPlan.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "support/SuiteLease.h"

namespace {
bool gCounting = false;
std::size_t gAllocations = 0;
} // namespace

// This test program's allocations are counted while gCounting is set.
void *operator new(std::size_t size) {
    if (gCounting) ++gAllocations;
    if (void *p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// The library's nothrow form (std::stable_sort's buffer) must come from the
// same heap as the sized delete it is returned to.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept {
    if (gCounting) ++gAllocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace vyn::host;

// The allocations `calls` makes, after one warm-up round.
template <class Calls> std::size_t allocationsOf(Calls &&calls) {
    calls();
    gAllocations = 0;
    gCounting = true;
    calls();
    gCounting = false;
    return gAllocations;
}

TEST(CallGate, AllocatesNothingPerCallWithTracingOff) {
    Host host;
    host.faults().failCall("Other Suite", "Other", 1, kOutOfMemoryErr); // a plan is in force
    auto call = [] {
        return gate({"AI Path Style Suite", "GetPathStyle"}, [](Host &) { return ASErr(kNoErr); });
    };
    const std::size_t allocations = allocationsOf([&] {
        for (int i = 0; i < 50000; ++i)
            call();
    });
    EXPECT_EQ(allocations, 0u);
    EXPECT_EQ(host.faults().calls("AI Path Style Suite", "GetPathStyle"), 100000);
}

TEST(UnicodeStringReads, AllocateNothingPerCall) {
    Host host;
    vyn::test::SuiteLease<AIUnicodeStringSuite> strings(host.registry(), kAIUnicodeStringSuite,
                                                        kAIUnicodeStringSuiteVersion);
    // Longer than any string kept inside its own object.
    const std::string text(200, 'x');
    AIUnicodeStringRef a = nullptr, b = nullptr;
    ASSERT_EQ(strings->Initialize(&a, text.c_str(), 200, kAIPlatformCharacterEncoding), kNoErr);
    ASSERT_EQ(strings->Initialize(&b, text.c_str(), 200, kAIPlatformCharacterEncoding), kNoErr);
    ASUInt32 length = 0;
    ASInt32 order = 1;
    ASUInt16 unit = 0;
    const std::size_t allocations = allocationsOf([&] {
        for (ASUInt32 i = 0; i < 200; ++i) {
            strings->Length(a, &length);
            strings->Compare(a, b, &order);
            strings->GetCodeUnit(a, i, &unit);
        }
    });
    EXPECT_EQ(allocations, 0u);
    EXPECT_EQ(length, 200u);
    EXPECT_EQ(order, 0);
    EXPECT_EQ(unit, u'x');
    strings->Dispose(&a);
    strings->Dispose(&b);
}

} // namespace
