// How the plug-in answers messages: unhandled ones, the purge request, and
// exceptions escaping a handler.
#include "PluginHarness.h"

namespace vyn::test {
namespace {

struct Message {
    const char *caller, *selector;
};

TEST(Dispatch, AnswersMessagesItHasNoHandlerForWithAWarningLine) {
    PluginHarness h;
    ASSERT_TRUE(h.start().empty());
    const Message cases[] = {
        {"AI Annotation", "AI Draw"},              // a caller the plug-in does not know
        {kCallerAITool, kSelectorAIToolMouseDown}, // a known caller, unhandled operation
        {kAIWorkspaceCaller, kAIWSWriteSelector},
    };
    for (const auto &c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(h.send(c.caller, c.selector), kNoErr) << c.caller;
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  std::string("Warning: Unhandled plugin message: caller \"") + c.caller + "\" selector \"" +
                      c.selector + "\"\n");
    }
}

TEST(Dispatch, AnswersHandledMessagesSilently) {
    PluginHarness h;
    ASSERT_TRUE(h.start().empty());
    const Message cases[] = {
        {kSPCacheCaller, kSPPluginPurgeSelector}, // nothing to purge: 0, not 'pFls'
        {kCallerAITool, kSelectorAIReselectTool},
        {kCallerAITool, kSelectorAIDecreaseDiameter},
        {kSPInterfaceCaller, kSPInterfaceStartupSelector},
    };
    for (const auto &c : cases) {
        testing::internal::CaptureStderr();
        ASErr result = h.send(c.caller, c.selector);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(result, kNoErr) << c.caller << "/" << c.selector;
        EXPECT_EQ(err, "") << c.caller << "/" << c.selector;
    }
    EXPECT_EQ(h.notify("AI Some Other Notifier"), kNoErr);
    EXPECT_EQ(h.notify(nullptr), kNoErr) << "a notification without a type is not read";
}

TEST(Dispatch, TheAboutRequestShowsTheHostsAboutBox) {
    PluginHarness h;
    ASSERT_TRUE(h.start().empty());
    EXPECT_EQ(h.send(kSPInterfaceCaller, kSPInterfaceAboutSelector), kNoErr);
    auto about = h.host().frontend().texts(FrontendEvent::Kind::AboutBox);
    ASSERT_EQ(about.size(), 1u);
    EXPECT_NE(about[0].find("Vyn•Colors"), std::string::npos) << about[0];
}

TEST(Dispatch, AnExceptionEscapingAHandlerBecomesItsResult) {
    PluginHarness h(kProbePluginsFolder);
    ASSERT_TRUE(h.start().empty());
    EXPECT_EQ(h.notify("Probe Foreign Exception"), kCantHappenErr) << "anything but a host error is 'CANT'";
    EXPECT_EQ(h.notify("Probe Host Error"), -42) << "a host error keeps its code";
    EXPECT_EQ(h.notify("Probe Nothing"), kNoErr);
    EXPECT_EQ(h.host().registry().outstanding(), kSuitesThePlugInAcquires) << "the plug-in keeps running";
}

TEST(Dispatch, TheHostSurvivesAnExceptionEscapingPluginMain) {
    PluginHarness h(kProbePluginsFolder);
    h.expectMisbehaviour();
    ASSERT_TRUE(h.start().empty());
    // The reload is handled outside the plug-in's message guard.
    EXPECT_EQ(h.notify("Probe Throw From Next Reload"), kNoErr);
    EXPECT_EQ(h.host().plugins().unload(*h.plugin(), false), kNoErr);
    EXPECT_EQ(h.host().plugins().reload(*h.plugin()), kCantHappenErr);
    ASSERT_EQ(h.host().misbehaviour().size(), 1u);
    EXPECT_NE(h.host().misbehaviour()[0].find("an exception escaped PluginMain"), std::string::npos);
    h.host().shutdown();
    EXPECT_EQ(h.host().plugins().all().size(), 0u);
}

} // namespace
} // namespace vyn::test
