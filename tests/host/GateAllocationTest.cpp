// The gate's own work per call allocates nothing once an operation has been
// seen, with tracing off: big documents make millions of host calls.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "CallGate.h"
#include "FaultPlan.h"
#include "Host.h"

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

TEST(CallGate, AllocatesNothingPerCallWithTracingOff) {
    Host host;
    host.faults().failCall("Other Suite", "Other", 1, kOutOfMemoryErr); // a plan is in force
    auto call = [] {
        return gate({"AI Path Style Suite", "GetPathStyle"}, [](Host &) { return ASErr(kNoErr); });
    };
    ASSERT_EQ(call(), kNoErr); // the first call of an operation may make its counter
    gCounting = true;
    for (int i = 0; i < 100000; ++i)
        call();
    gCounting = false;
    EXPECT_EQ(gAllocations, 0u);
    EXPECT_EQ(host.faults().calls("AI Path Style Suite", "GetPathStyle"), 100001);
}

} // namespace
