// DialogFixture.h — a running host with the dialog-manager suites acquired,
// for tests that script dialogs with plain C procedures and no plug-in.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ADMBasic.h"
#include "ADMDialog.h"
#include "ADMDrawer.h"
#include "ADMEntry.h"
#include "ADMItem.h"
#include "ADMList.h"
#include "ADMNotifier.h"
#include "Host.h"
#include "loader/PluginSet.h"
#include "gate/SuiteRegistry.h"
#include "dialog/DialogEngine.h"
#include "support/SuiteLease.h"

namespace vyn::host::testing {

// The suites as a plug-in holds them; the C procedures of the tests reach
// them through this global, as a plug-in reaches its suite globals.
struct DialogSuites {
    const ADMBasicSuite *basic = nullptr;
    const ADMDialogSuite *dialog = nullptr;
    const ADMItemSuite *item = nullptr;
    const ADMListSuite *list = nullptr;
    const ADMEntrySuite *entry = nullptr;
    const ADMNotifierSuite *notifier = nullptr;
    const ADMDrawerSuite *drawer = nullptr;
};
inline DialogSuites gADM;

// What the procedures did, in order.
inline std::vector<std::string> gLog;

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override { gLog.clear(); }

    DialogEngine &engine() { return host.dialogs(); }
    UserActions &user() { return host.dialogs().user(); }

    // Opens a modal dialog of no plug-in with `init` as its initialisation,
    // inside a message as a plug-in would.
    ASInt32 run(ADMDialogInitProc init) {
        PluginSet::MessageScope inside(host.plugins(), nullptr);
        return gADM.dialog->Modal(nullptr, "Test", 100, kADMModalDialogStyle, init, nullptr, 0);
    }

    // The replayed queue of the last dialog, for failure messages.
    std::string replayed() {
        const DialogSnapshot *last = engine().lastFinished();
        return last ? "replayed:\n" + last->replayLog() : "no dialog finished";
    }

    Host host;

  private:
    template <class Suite> using Lease = vyn::test::SuiteLease<const Suite>;
    Lease<ADMBasicSuite> basic_{host.registry(), kADMBasicSuite, kADMBasicSuiteVersion, &gADM.basic};
    Lease<ADMDialogSuite> dialog_{host.registry(), kADMDialogSuite, kADMDialogSuiteVersion, &gADM.dialog};
    Lease<ADMItemSuite> item_{host.registry(), kADMItemSuite, kADMItemSuiteVersion, &gADM.item};
    Lease<ADMListSuite> list_{host.registry(), kADMListSuite, kADMListSuiteVersion, &gADM.list};
    Lease<ADMEntrySuite> entry_{host.registry(), kADMEntrySuite, kADMEntrySuiteVersion, &gADM.entry};
    Lease<ADMNotifierSuite> notifier_{host.registry(), kADMNotifierSuite, kADMNotifierSuiteVersion,
                                      &gADM.notifier};
    Lease<ADMDrawerSuite> drawer_{host.registry(), kADMDrawerSuite, kADMDrawerSuiteVersion, &gADM.drawer};
};

} // namespace vyn::host::testing
