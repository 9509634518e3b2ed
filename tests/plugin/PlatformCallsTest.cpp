// The platform calls a plug-in makes outside the host's suites: bound by the
// system loader when the host loads the module, and heard by the front end of
// the host that is running.
#include "Platform.h"
#include "PluginHarness.h"

namespace vyn::test {
namespace {

TEST(PlatformCalls, APlugInsBeepReachesTheRunningHostsFrontEnd) {
    PluginHarness h(kProbePluginsFolder);
    ASSERT_TRUE(h.start().empty()) << "the module's SysBeep is bound when it loads";
    EXPECT_EQ(h.host().frontend().count(FrontendEvent::Kind::Beep), 0u);
    EXPECT_EQ(h.notify("Probe Beep"), kNoErr);
    EXPECT_EQ(h.host().frontend().count(FrontendEvent::Kind::Beep), 1u) << "SysBeep(1) is one beep";
    EXPECT_TRUE(h.host().misbehaviour().empty());
}

TEST(PlatformCalls, ABeepWithNoHostRunningIsLostAndTheNextHostHearsItsOwn) {
    {
        Host first;
        SysBeep(1);
        EXPECT_EQ(first.frontend().count(FrontendEvent::Kind::Beep), 1u);
    }
    SysBeep(1); // must not reach the front end that went with the first host
    Host second;
    EXPECT_EQ(second.frontend().count(FrontendEvent::Kind::Beep), 0u);
    SysBeep(1);
    EXPECT_EQ(second.frontend().count(FrontendEvent::Kind::Beep), 1u);
}

} // namespace
} // namespace vyn::test
