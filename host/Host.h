// Host.h — the stand-in host: one object that owns every piece of host state
// and offers the suites to the plug-ins it loads.
//
// Suite tables are plain C function pointers with no context argument, so
// the entry points reach the running host through Host::current(); exactly
// one Host may exist at a time.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ASTypes.h"

struct SPBasicSuite;

namespace vyn::host {

class SuiteRegistry;
class BlockAllocator;
class FaultPlan;
class Trace;
class Frontend;
class PluginSet;
class MenuModel;
class NotifierModel;
class UnicodeStrings;
class TextEngine;
class DocumentModel;
class DialogEngine;
class DocumentHandles;
class Preferences;
class FontList;
class MemoryBlocks;

struct HostOptions {
    // Where the bundles (NAME.aip folders) are; empty: load none.
    std::filesystem::path pluginsFolder;
    // The screen the dialogs are placed on, in pixels.
    ADMRect screen{0, 0, 900, 1440};
    // The preferences file; empty: the user's own, under the XDG
    // configuration folder (Preferences::defaultFile()).
    std::filesystem::path preferencesFile{};
    // Whether what plug-ins put is written to the preferences file; when
    // not, the file is only read and the values put stay for the run.
    bool savePreferences = true;
    // The font list, names in UTF-8, instead of the system's installed fonts;
    // an empty list makes a host without fonts.
    std::optional<std::vector<std::string>> fonts{};
};

class Host {
  public:
    explicit Host(HostOptions options = {});
    ~Host();
    Host(const Host &) = delete;
    Host &operator=(const Host &) = delete;

    // The running host, or null.
    static Host *current();

    // Loads every bundle of the plug-ins folder, starts each one, then sends
    // the application-started notification. Returns the sentences of the
    // bundles that failed to load or start (those are unloaded again).
    std::vector<std::string> start();
    // Shuts every plug-in down and closes its module; a plug-in that still
    // holds blocks afterwards is reported as a warning.
    void shutdown();

    // Chooses the menu item at `path` (texts in UTF-8, from a host group's
    // item down, e.g. {"Vyn•Tools", "Vyn•Colors…"}). Throws HostError
    // (kNotFoundErr) when no such item exists; returns the plug-in's result.
    ASErr chooseMenuItem(const std::vector<std::string> &path);

    // A plug-in broke the interface's rules (stale handle, call out of
    // context, an exception escaping one of its procedures). Recorded and
    // shown as a warning.
    void misbehaving(const std::string &what);
    const std::vector<std::string> &misbehaviour() const { return misbehaviour_; }
    // The host itself failed an operation (one it does not offer, an error
    // of its own): not the plug-in's fault. Recorded, traced, and shown as a
    // warning.
    void hostFault(const std::string &what);
    const std::vector<std::string> &hostFaults() const { return hostFaults_; }

    const HostOptions &options() const { return options_; }
    ADMRect screen() const { return options_.screen; }
    void setScreen(ADMRect screen) { options_.screen = screen; }

    SuiteRegistry &registry() { return *registry_; }
    BlockAllocator &blocks() { return *blocks_; }
    FaultPlan &faults() { return *faults_; }
    Trace &trace() { return *trace_; }
    Frontend &frontend() { return *frontend_; }
    PluginSet &plugins() { return *plugins_; }
    MenuModel &menus() { return *menus_; }
    NotifierModel &notifiers() { return *notifiers_; }
    UnicodeStrings &strings() { return *strings_; }
    TextEngine &textEngine() { return *textEngine_; }
    DocumentModel &documents() { return *documents_; }
    DialogEngine &dialogs() { return *dialogs_; }
    DocumentHandles &documentHandles() { return *documentHandles_; }
    Preferences &preferences() { return *preferences_; }
    FontList &fonts() { return *fonts_; }
    MemoryBlocks &memoryBlocks() { return *memoryBlocks_; }

  private:
    void registerSuites();
    std::unique_ptr<Preferences> makePreferences();

    HostOptions options_;
    std::vector<std::string> misbehaviour_;
    std::vector<std::string> hostFaults_;
    std::unique_ptr<SuiteRegistry> registry_;
    std::unique_ptr<BlockAllocator> blocks_;
    std::unique_ptr<FaultPlan> faults_;
    std::unique_ptr<Trace> trace_;
    std::unique_ptr<Frontend> frontend_;
    std::unique_ptr<MenuModel> menus_;
    std::unique_ptr<NotifierModel> notifiers_;
    std::unique_ptr<UnicodeStrings> strings_;
    std::unique_ptr<TextEngine> textEngine_;
    std::unique_ptr<DocumentModel> documents_;
    std::unique_ptr<DialogEngine> dialogs_;
    std::unique_ptr<DocumentHandles> documentHandles_;
    std::unique_ptr<Preferences> preferences_;
    std::unique_ptr<FontList> fonts_;
    std::unique_ptr<MemoryBlocks> memoryBlocks_;
    std::unique_ptr<PluginSet> plugins_; // last: shut down before the rest goes
};

// Registration hooks, one per suite family file: each adds its tables (every
// offered version its own row) to the registry.
void registerSPSuites(SuiteRegistry &registry);
void registerMenuAndNotifierSuites(SuiteRegistry &registry);
void registerUnicodeStringSuite(SuiteRegistry &registry);
void registerTextEngineSuites(SuiteRegistry &registry);
void registerArtboardSuite(SuiteRegistry &registry);
void registerPreferenceSuite(SuiteRegistry &registry);
void registerFontSuite(SuiteRegistry &registry);
void registerDocumentSuite(SuiteRegistry &registry);
void registerAcquiredOnlySuites(SuiteRegistry &registry);
void registerADMSuites(SuiteRegistry &registry);
void registerArtSuite(SuiteRegistry &registry);
void registerPathSuites(SuiteRegistry &registry);
void registerLayerSuite(SuiteRegistry &registry);
void registerTagSuite(SuiteRegistry &registry);
void registerMatchingArtSuites(SuiteRegistry &registry);
void registerPathStyleSuite(SuiteRegistry &registry);
void registerSwatchSuites(SuiteRegistry &registry);
void registerTextFrameSuite(SuiteRegistry &registry);
void registerATEPaintSuite(SuiteRegistry &registry);

// The SP Basic table every message header carries.
const ::SPBasicSuite *basicSuite();

} // namespace vyn::host
