// Start-up, unload, reload and shut-down of the real plug-in module.
#include <algorithm>

#include "PluginHarness.h"
#include "support/SuiteLease.h"
#include "AIMenu.h"
#include "frontend/MenuModel.h"
#include "frontend/NotifierModel.h"
#include "text/UnicodeStrings.h"
#include "dialog/DialogEngine.h"

namespace vyn::test {
namespace {

// The suites the plug-in acquired or released, in order, from the trace.
std::vector<std::string> suitesIn(const Trace &trace, const std::string &operation) {
    std::vector<std::string> out;
    const std::string prefix = "call SP Basic Suite." + operation + " (";
    for (const auto &line : trace.lines())
        if (line.rfind(prefix, 0) == 0)
            out.push_back(line.substr(prefix.size(), line.size() - prefix.size() - 1));
    return out;
}

TEST(Lifecycle, StartsWithEverySuiteAndLeavesNothingBehind) {
    PluginHarness h;
    EXPECT_TRUE(h.start().empty());
    ASSERT_NE(h.plugin(), nullptr);
    EXPECT_NE(h.plugin()->globals, nullptr) << "the object lives in the globals slot";
    EXPECT_EQ(h.plugin()->registeredName, "Colors");
    EXPECT_EQ(h.host().registry().outstanding(), kSuitesThePlugInAcquires);
    EXPECT_EQ(h.traced("message AI Notifier/AI Notify"), 1) << "application started";

    // A few messages, an unload, a reload, a menu command, a shut-down.
    EXPECT_EQ(h.send(kSPCacheCaller, kSPPluginPurgeSelector), kNoErr);
    EXPECT_EQ(h.notify("Some Other Notifier"), kNoErr);
    EXPECT_EQ(h.send(kSPAccessCaller, kSPAccessUnloadSelector), kNoErr);
    EXPECT_EQ(h.host().registry().outstanding(), 0) << "every suite is released while unloaded";
    EXPECT_EQ(h.send(kSPAccessCaller, kSPAccessReloadSelector), kNoErr);
    EXPECT_EQ(h.host().registry().outstanding(), kSuitesThePlugInAcquires);
    h.host().dialogs().user().pressOK();
    EXPECT_EQ(h.host().chooseMenuItem({"About Vyn•Tools…", "Vyn•Colors…"}), kNoErr);

    h.host().shutdown();
    EXPECT_EQ(h.host().plugins().all().size(), 0u);
    EXPECT_EQ(h.host().registry().outstanding(), 0) << "every suite global was released";
    EXPECT_EQ(h.host().blocks().liveBlocks(), 0u);
    EXPECT_TRUE(h.host().menus().listing().empty());
    EXPECT_TRUE(h.host().misbehaviour().empty());
    EXPECT_TRUE(h.host().frontend().events().empty()) << "no alert, no warning";
}

// The probe loads an icon once its suites are acquired and leaves it to the
// host; whether it then goes by a refused start-up or by a shut-down, the host
// drops everything it owned.
TEST(Lifecycle, APlugInThatGoesLeavesNothingOfItsOwnInTheHost) {
    for (bool refuseStartup : {true, false}) {
        SCOPED_TRACE(refuseStartup ? "start-up refused after the icon was loaded" : "shut down");
        PluginHarness h(kProbePluginsFolder);
        // The About item (the first) is optional; the second item is not.
        if (refuseStartup) h.host().faults().failCall(kAIMenuSuite, "AddMenuItem", 2, kCantHappenErr, true);
        h.start();
        if (!refuseStartup) {
            ASSERT_NE(h.plugin(), nullptr);
            EXPECT_EQ(h.host().dialogs().handles().liveIcons(), 1u);
            h.host().shutdown();
        }
        EXPECT_EQ(h.host().plugins().all().size(), 0u);
        EXPECT_EQ(h.host().dialogs().handles().liveIcons(), 0u);
        EXPECT_TRUE(h.host().menus().listing().empty());
        EXPECT_EQ(h.host().notifiers().size(), 0u);
        EXPECT_EQ(h.host().blocks().liveBlocks(), 0u);
    }
}

TEST(Lifecycle, AMissingSuiteFailsStartUpAndReleasesExactlyWhatWasAcquired) {
    PluginHarness h;
    // The 40th row of the plug-in's required table.
    h.host().registry().setUnavailable("AI Swatch List Suite", 1005);
    auto failures = h.start();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("refused to start (code 'S!Fd')"), std::string::npos) << failures[0];

    auto acquired = suitesIn(h.host().trace(), "AcquireSuite");
    auto released = suitesIn(h.host().trace(), "ReleaseSuite");
    ASSERT_EQ(acquired.size(), 5u + 40u) << "the five basic rows, then required rows up to the missing one";
    EXPECT_EQ(acquired.front(), "SP Access Suite 3");
    EXPECT_EQ(acquired.back(), "AI Swatch List Suite 1005");
    acquired.pop_back();
    EXPECT_EQ(released, acquired) << "released in acquisition order, the missing one excepted";

    EXPECT_EQ(h.plugin(), nullptr);
    EXPECT_EQ(h.host().registry().outstanding(), 0);
    EXPECT_EQ(h.host().blocks().liveBlocks(), 0u);
    EXPECT_TRUE(h.alerts().empty()) << "'S!Fd' is never shown";
}

TEST(Lifecycle, StartUpSurvivesEveryAllocationFailure) {
    // Allocation failing after N blocks, for every N start-up needs.
    for (std::size_t n = 0;; ++n) {
        PluginHarness h;
        h.host().blocks().failAfter(n);
        auto failures = h.start();
        SCOPED_TRACE("allocations allowed: " + std::to_string(n));
        EXPECT_EQ(h.host().registry().outstanding(), failures.empty() ? kSuitesThePlugInAcquires : 0);
        if (failures.empty()) {
            h.host().blocks().failAfter(std::nullopt);
            h.host().shutdown();
            EXPECT_EQ(h.host().blocks().liveBlocks(), 0u);
            EXPECT_GE(n, 2u) << "the object and the suite table need a block each";
            break;
        }
        EXPECT_NE(failures[0].find("'MEM!'"), std::string::npos) << failures[0];
        EXPECT_EQ(h.host().blocks().liveBlocks(), 0u);
        ASSERT_EQ(h.alerts().size(), 1u);
        EXPECT_NE(h.alerts()[0].find("MEM!"), std::string::npos) << h.alerts()[0];
    }
}

TEST(Lifecycle, MessagesAreIgnoredWhileUnloadedAndDispatchedAfterReload) {
    PluginHarness h;
    ASSERT_TRUE(h.start().empty());

    // The plug-in is told to unload but its code stays open: it must ignore
    // what comes until it is reloaded.
    ASSERT_EQ(h.host().plugins().unload(*h.plugin(), /*closeModule=*/false), kNoErr);
    h.host().dialogs().user().pressOK();
    EXPECT_EQ(h.host().chooseMenuItem({"About Vyn•Tools…", "Vyn•Colors…"}), kNoErr);
    EXPECT_TRUE(h.host().dialogs().finished().empty()) << "no dialog opened while unloaded";
    EXPECT_EQ(h.host().registry().outstanding(), 0);

    ASSERT_EQ(h.send(kSPAccessCaller, kSPAccessReloadSelector), kNoErr);
    EXPECT_EQ(h.host().chooseMenuItem({"About Vyn•Tools…", "Vyn•Colors…"}), kNoErr);
    ASSERT_EQ(h.host().dialogs().finished().size(), 1u);
    EXPECT_EQ(h.host().dialogs().finished()[0].model.name, "About");
}

TEST(Lifecycle, ARealUnloadClosesTheModuleAndTheObjectSurvivesTheReload) {
    PluginHarness h;
    ASSERT_TRUE(h.start().empty());
    void *object = h.plugin()->globals;
    std::size_t blocks = h.host().blocks().liveBlocks();

    ASSERT_EQ(h.host().plugins().unload(*h.plugin()), kNoErr);
    EXPECT_EQ(h.plugin()->module, nullptr) << "the module is really closed";
    EXPECT_EQ(h.traced("module VynColors stayed mapped"), 0);
    EXPECT_LT(h.host().blocks().liveBlocks(), blocks) << "the suite table went, the object stays";

    // The next message reopens the module elsewhere and reloads first; the
    // menu items' handles, kept in the object, still answer.
    h.host().dialogs().user().pressOK();
    EXPECT_EQ(h.host().chooseMenuItem({"About Vyn•Tools…", "Vyn•Colors…"}), kNoErr);
    EXPECT_EQ(h.traced("message SP Access/Reload"), 1);
    EXPECT_EQ(h.plugin()->globals, object);
    ASSERT_EQ(h.host().dialogs().finished().size(), 1u);

    h.host().shutdown();
    EXPECT_EQ(h.host().blocks().liveBlocks(), 0u);
    EXPECT_EQ(h.host().registry().outstanding(), 0);
}

TEST(Lifecycle, ShutdownWithoutAnObjectDoesNothing) {
    PluginHarness h;
    h.host().registry().setUnavailable("AI Menu Suite", 1009);
    LoadFailure failure;
    LoadedPlugin *plugin = h.host().plugins().open(kPluginsFolder / "VynColors.aip", failure);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(h.host().plugins().sendInterface(*plugin, kSPInterfaceCaller, kSPInterfaceStartupSelector),
              kSPSuiteNotFoundError);
    EXPECT_EQ(plugin->globals, nullptr);
    std::size_t calls = h.host().trace().lines().size();
    EXPECT_EQ(h.host().plugins().sendInterface(*plugin, kSPInterfaceCaller, kSPInterfaceShutdownSelector),
              kNoErr);
    EXPECT_EQ(h.host().trace().lines().size(), calls + 2) << "only the message and its result";
}

} // namespace
} // namespace vyn::test

namespace vyn::test {
namespace {

TEST(Lifecycle, APinOutlivingItsPlugInIsOnlyAStaleHandle) {
    PluginHarness h;
    ASSERT_TRUE(h.start().empty());
    SuiteLease<const SPAccessSuite> access(h.host().registry(), kSPAccessSuite, kSPAccessSuiteVersion);
    SPAccessRef pin = nullptr;
    ASSERT_EQ(access->AcquirePlugin(h.plugin()->ref, &pin), kNoErr);
    h.host().shutdown();
    EXPECT_EQ(access->ReleasePlugin(pin), kBadParameterErr) << "the pin went with its plug-in";
    h.expectMisbehaviour();
}

// Calls that give something back: failing them leaves the host holding
// what the plug-in meant to return, which no plug-in can repair.
bool givesNothingBack(const char *, const char *operation) {
    const std::string op = operation;
    return op != "ReleaseSuite" && op != "FreeBlock" && op != "Dispose" && op != "PopAppContext";
}

// Start-up, the About command, an unload, a reload and a shut-down, with
// the n-th call failing, for every n.
TEST(Lifecycle, TheWholeLifeSurvivesEveryFailingCall) {
    const ASErr injected = AS_FOURCC('T', 'E', 'S', 'T');
    int n = 1;
    for (;; ++n) {
        PluginHarness h;
        h.host().faults().failNthCall(n, injected, givesNothingBack);
        auto failures = h.start();
        SCOPED_TRACE("failing call " + std::to_string(n));
        if (!failures.empty()) {
            // A failed allocation reaches the host as 'MEM!', anything else as it was.
            bool injectedCode = failures[0].find("'TEST'") != std::string::npos ||
                                failures[0].find("'MEM!'") != std::string::npos;
            EXPECT_TRUE(injectedCode) << failures[0];
        }
        // Start-up tests every result. The About box's procedures test none,
        // by design: a failure there may lead to calls with null handles,
        // which the host refuses safely.
        EXPECT_TRUE(h.host().misbehaviour().empty()) << h.host().misbehaviour().front();
        h.expectMisbehaviour();
        if (h.plugin()) {
            const std::vector<std::string> about = {"About Vyn•Tools…", "Vyn•Colors…"};
            h.host().dialogs().user().pressOK();
            if (h.host().menus().findByPath(about)) h.host().chooseMenuItem(about);
            h.host().plugins().unload(*h.plugin());
            h.host().plugins().reload(*h.plugin());
        }
        h.host().shutdown();
        EXPECT_EQ(h.host().blocks().liveBlocks(), 0u);
        EXPECT_EQ(h.host().registry().outstanding(), 0);
        EXPECT_EQ(h.host().strings().live(), 0u);
        if (!h.host().faults().sweepStruck()) break; // past the last call
        ASSERT_LT(n, 2000) << "the sweep does not end";
    }
    EXPECT_GT(n, kSuitesThePlugInAcquires) << "every suite acquisition was a failure point";
}

} // namespace
} // namespace vyn::test
