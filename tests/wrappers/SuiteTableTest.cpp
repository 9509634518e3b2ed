// The framework's suite tables (Suites), compiled into this test program
// with tables of its own and run against the host's SP Basic suite.
#include <gtest/gtest.h>

// Suites.h first: it declares the SP Basic record that Host.h names.
#include "Suites.h"
#include "AIArtboard.h"
#include "gate/FaultPlan.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"

// What the framework expects the plug-in to define.
SPBasicSuite *sSPBasic = nullptr;
SPAccessSuite *sSPAccess = nullptr;
SPPluginsSuite *sSPPlugins = nullptr;
AINotifierSuite *sAINotifier = nullptr;
AIAppContextSuite *sAIAppContext = nullptr;
ADMBasicSuite *sADMBasic = nullptr;

AIArtboardSuite *sFirst = nullptr;
AIArtboardSuite *sLast = nullptr;

ImportSuite gBasicSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion, &sSPAccess},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, &sSPPlugins},
    {kAINotifierSuite, kAINotifierSuiteVersion, &sAINotifier},
    {kAIAppContextSuite, kAIAppContextSuiteVersion, &sAIAppContext},
    {kADMBasicSuite, kADMBasicSuiteVersion, &sADMBasic},
};

// The middle row names a suite the host does not offer; its pointer address
// is null, so it must be neither acquired nor released.
ImportSuite gImportSuites[] = {
    {kAIArtboardSuite, kAIArtboardSuiteVersion, &sFirst},
    {"No Such Suite", 1, nullptr},
    {kAIArtboardSuite, kAIArtboardSuiteVersion, &sLast},
    {nullptr, 0, nullptr},
};

namespace {

TEST(SuiteTables, ARowWithoutAPointerAddressIsSkipped) {
    vyn::host::Host host;
    sSPBasic = const_cast<SPBasicSuite *>(vyn::host::basicSuite());
    {
        Suites suites;
        Suites::InitializeRefCount();
        EXPECT_EQ(suites.Error(), kNoErr);
        EXPECT_NE(sFirst, nullptr);
        EXPECT_NE(sLast, nullptr) << "the rows after the skipped one are acquired";
        EXPECT_EQ(host.registry().outstanding(), 5 + 2);
    }
    EXPECT_EQ(sFirst, nullptr);
    EXPECT_EQ(sLast, nullptr);
    EXPECT_EQ(host.registry().outstanding(), 0);
    EXPECT_EQ(host.faults().calls(kSPBasicSuite, "AcquireSuite"), 5 + 2);
    EXPECT_EQ(host.faults().calls(kSPBasicSuite, "ReleaseSuite"), 5 + 2);
    EXPECT_TRUE(host.misbehaviour().empty());
    sSPBasic = nullptr;
}

} // namespace
