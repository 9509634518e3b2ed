// PluginHarness.h — a stand-in host with the real plug-in bundle loaded,
// for tests that talk to the module as the host would.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "memory/BlockAllocator.h"
#include "gate/FaultPlan.h"
#include "frontend/Frontend.h"
#include "Host.h"
#include "loader/PluginSet.h"
#include "gate/SuiteRegistry.h"
#include "gate/Trace.h"
#include "model/Document.h"
#include "support/TempFolder.h"

namespace vyn::test {

using namespace vyn::host;

inline const std::filesystem::path kPluginsFolder = VYN_PLUGINS_DIR;
inline const std::filesystem::path kProbePluginsFolder = VYN_TEST_PLUGINS_DIR;

// How many suites a started plug-in holds: its five basic rows and its 129
// required rows.
inline constexpr int kSuitesThePlugInAcquires = 5 + 129;

// A host over `folder`, traced, with an empty A4 document open and its
// preferences in a file of its own (never the user's). The test fails if the
// host recorded any misbehaviour of the plug-in, unless the test says it
// expects some.
class PluginHarness {
  public:
    explicit PluginHarness(std::filesystem::path folder = kPluginsFolder, ADMRect screen = {0, 0, 900, 1440})
        : PluginHarness(HostOptions{std::move(folder), screen}) {}
    explicit PluginHarness(HostOptions options) : host_(withOwnPreferences(std::move(options), scratch_)) {
        host_.trace().enable(true);
        // As the command line does: the plug-in's commands work on a document.
        host_.documents().open(Document::emptyA4());
    }
    ~PluginHarness() {
        if (misbehaviourExpected_) return;
        for (const auto &what : host_.misbehaviour())
            ADD_FAILURE() << "the plug-in misbehaved: " << what;
    }
    PluginHarness(const PluginHarness &) = delete;
    PluginHarness &operator=(const PluginHarness &) = delete;

    // For tests that provoke misbehaviour on purpose.
    void expectMisbehaviour() { misbehaviourExpected_ = true; }

    std::vector<std::string> start() { return host_.start(); }
    Host &host() { return host_; }

    // The one plug-in of the folder, or null when it did not start.
    LoadedPlugin *plugin() {
        auto all = host_.plugins().all();
        return all.empty() ? nullptr : all.front();
    }

    ASErr send(const char *caller, const char *selector) {
        return host_.plugins().sendInterface(*plugin(), caller, selector);
    }
    ASErr notify(const char *type) {
        AINotifierMessage message{};
        message.type = type;
        return host_.plugins().send(*plugin(), kAINotifierCaller, kAINotifySelector, &message.d);
    }

    // Trace lines that start with `prefix`.
    int traced(const std::string &prefix) {
        int n = 0;
        for (const auto &line : host_.trace().lines())
            n += line.rfind(prefix, 0) == 0;
        return n;
    }

    std::vector<std::string> alerts() { return host_.frontend().texts(FrontendEvent::Kind::ErrorAlert); }

  private:
    static HostOptions withOwnPreferences(HostOptions options, const TempFolder &scratch) {
        if (options.preferencesFile.empty()) options.preferencesFile = scratch / "preferences.json";
        return options;
    }

    // Before host_: the host writes into it until it goes. In memory, so that
    // saving the settings at every OK costs nothing.
    TempFolder scratch_{TempFolder::inMemory()};
    Host host_;
    bool misbehaviourExpected_ = false;
};

// A copy of the built bundle in a fresh folder, whose error string list
// (16050) reads `errorList` instead, one entry per line.
class BundleCopy {
  public:
    explicit BundleCopy(const std::string &errorList);
    const std::filesystem::path &folder() const { return folder_.path(); }

  private:
    TempFolder folder_;
};

} // namespace vyn::test
