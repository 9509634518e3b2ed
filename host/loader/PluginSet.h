// PluginSet.h — loading plug-in bundles and sending them messages.
//
// A bundle is a folder NAME.aip holding the module NAME.so and a Resources/
// folder. Loading opens the module with the system loader and looks up
// PluginMain; every step that succeeds registers its undo, so a failure
// leaves nothing loaded. Unloading really closes the module and reloading
// really opens it again (docs/host-behaviour.md, "Unload and reload").
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "loader/BundleResources.h"
#include "gate/HandleTable.h"
#include "preferences/Preferences.h"
#include "SPMessages.h"

namespace vyn::host {

class Host;

struct LoadFailure {
    enum class Kind {
        NotABundle,       // the bundle is not a folder that can be read
        NoModule,         // NAME.so is missing
        UnreadableModule, // NAME.so cannot be opened
        NotAModule,       // NAME.so is no complete shared object for this machine (ModuleFile.h)
        LoaderError,
        NoEntryPoint,
        StartupRefused,
    };
    Kind kind;
    std::filesystem::path bundle;
    std::string detail; // the reason: the system's, the loader's, or the plug-in's code as text
    ASErr code = kNoErr;
    std::string sentence() const;
};

class LoadedPlugin {
  public:
    std::filesystem::path bundle;
    std::string name; // the bundle's stem
    std::string registeredName;
    SPPluginRef ref = nullptr;
    void *module = nullptr; // null while the code is unloaded
    PluginMainProc main = nullptr;
    void *globals = nullptr; // the per-plug-in slot of every message header
    bool started = false;
    int pins = 0; // outstanding SP Access acquisitions: the module stays open
    BundleResources resources;
};

class PluginSet {
  public:
    explicit PluginSet(Host &host);
    ~PluginSet();
    PluginSet(const PluginSet &) = delete;
    PluginSet &operator=(const PluginSet &) = delete;

    // Opens one bundle's module. Null (with `failure` filled) on failure.
    LoadedPlugin *open(const std::filesystem::path &bundle, LoadFailure &failure);
    // The bundles of `folder`, in name order: every entry named NAME.aip.
    // Those that are not readable folders are kept, so that opening them
    // says why. `error` tells when the folder itself cannot be read.
    static std::vector<std::filesystem::path> bundlesIn(const std::filesystem::path &folder,
                                                        std::error_code &error);

    // "SP Interface"/"Startup". A refusal forgets the plug-in; the code is
    // returned.
    ASErr startup(LoadedPlugin &plugin);
    // "SP Interface"/"Shutdown", then forgets the plug-in. Blocks it still
    // holds are reported as a warning.
    ASErr shutdown(LoadedPlugin &plugin);
    // "SP Access"/"Unload"; with `closeModule` the module is then closed.
    ASErr unload(LoadedPlugin &plugin, bool closeModule = true);
    // Opens the module again if it is closed, then "SP Access"/"Reload".
    ASErr reload(LoadedPlugin &plugin);

    // Sends any message: fills the header (plug-in reference, globals slot,
    // SP Basic) and keeps the globals slot the plug-in leaves in it. A
    // plug-in whose module is closed is reloaded first.
    ASErr send(LoadedPlugin &plugin, const char *caller, const char *selector, SPMessageData *message);
    ASErr sendInterface(LoadedPlugin &plugin, const char *caller, const char *selector);

    LoadedPlugin *find(SPPluginRef ref) const { return refs_.find(ref); }
    LoadedPlugin *byName(const std::string &name) const;
    // The plug-in whose PluginMain is running (innermost), or null.
    LoadedPlugin *current() const { return calling_.empty() ? nullptr : calling_.back(); }
    // Whether the host is inside a message: a plug-in's PluginMain, or a
    // MessageScope of the host's own.
    bool inMessage() const { return !calling_.empty(); }

    // Marks the host as inside a message to `plugin` (null: to no plug-in,
    // as tests do when they drive suites with C procedures of their own).
    // The preferences put inside are saved when the outermost scope ends.
    class MessageScope {
      public:
        MessageScope(PluginSet &set, LoadedPlugin *plugin);
        ~MessageScope() { set_.calling_.pop_back(); }
        MessageScope(const MessageScope &) = delete;
        MessageScope &operator=(const MessageScope &) = delete;

      private:
        PluginSet &set_;
        Preferences::Batch preferences_;
    };
    std::vector<LoadedPlugin *> all() const;

    // SP Access references: each stands for one pin of a plug-in.
    HandleTable<LoadedPlugin, SPAccessRef> &accessRefs() { return access_; }

  private:
    bool openModule(LoadedPlugin &plugin, LoadFailure &failure);
    void closeModule(LoadedPlugin &plugin);
    // The one way a plug-in leaves the host, whether its start-up was refused
    // or it shut down: everything it owns here (menu items, notifiers, icons)
    // goes, then its module is closed and its reference retired.
    void forget(LoadedPlugin &plugin);

    Host &host_;
    std::vector<std::unique_ptr<LoadedPlugin>> plugins_;
    HandleTable<LoadedPlugin, SPPluginRef> refs_;
    std::vector<LoadedPlugin *> calling_;
    HandleTable<LoadedPlugin, SPAccessRef> access_;
    // Address ranges held reserved while a module is closed, so that the next
    // open cannot land where the old code was (see unload/reload).
    std::vector<std::pair<void *, std::size_t>> reserved_;
};

} // namespace vyn::host
