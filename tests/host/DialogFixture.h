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
#include "PluginSet.h"
#include "SuiteRegistry.h"
#include "dialog/DialogEngine.h"

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
    void SetUp() override {
        gLog.clear();
        auto acquire = [this](const char *name, ASInt32 version) {
            return host.registry().acquire(name, version);
        };
        gADM.basic = static_cast<const ADMBasicSuite *>(acquire(kADMBasicSuite, kADMBasicSuiteVersion));
        gADM.dialog = static_cast<const ADMDialogSuite *>(acquire(kADMDialogSuite, kADMDialogSuiteVersion));
        gADM.item = static_cast<const ADMItemSuite *>(acquire(kADMItemSuite, kADMItemSuiteVersion));
        gADM.list = static_cast<const ADMListSuite *>(acquire(kADMListSuite, kADMListSuiteVersion));
        gADM.entry = static_cast<const ADMEntrySuite *>(acquire(kADMEntrySuite, kADMEntrySuiteVersion));
        gADM.notifier =
            static_cast<const ADMNotifierSuite *>(acquire(kADMNotifierSuite, kADMNotifierSuiteVersion));
        gADM.drawer = static_cast<const ADMDrawerSuite *>(acquire(kADMDrawerSuite, kADMDrawerSuiteVersion));
    }

    void TearDown() override {
        for (auto [name, version] : {std::pair{kADMBasicSuite, kADMBasicSuiteVersion},
                                     {kADMDialogSuite, kADMDialogSuiteVersion},
                                     {kADMItemSuite, kADMItemSuiteVersion},
                                     {kADMListSuite, kADMListSuiteVersion},
                                     {kADMEntrySuite, kADMEntrySuiteVersion},
                                     {kADMNotifierSuite, kADMNotifierSuiteVersion},
                                     {kADMDrawerSuite, kADMDrawerSuiteVersion}})
            host.registry().release(name, version);
        gADM = {};
    }

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
};

} // namespace vyn::host::testing
