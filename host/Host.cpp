#include "Host.h"

#include "AINotifier.h"
#include "memory/BlockAllocator.h"
#include "gate/DocumentHandles.h"
#include "gate/FaultPlan.h"
#include "fonts/FontList.h"
#include "frontend/Frontend.h"
#include "gate/HostError.h"
#include "memory/MemoryBlocks.h"
#include "frontend/MenuModel.h"
#include "frontend/NotifierModel.h"
#include "loader/PluginSet.h"
#include "preferences/Preferences.h"
#include "gate/SuiteRegistry.h"
#include "text/TextEngine.h"
#include "gate/Trace.h"
#include "text/UnicodeStrings.h"
#include "dialog/DialogEngine.h"
#include "model/Document.h"

namespace vyn::host {
namespace {
Host *gCurrent = nullptr;
} // namespace

Host *Host::current() { return gCurrent; }

Host::Host(HostOptions options)
    : options_(std::move(options)), registry_(std::make_unique<SuiteRegistry>()),
      blocks_(std::make_unique<BlockAllocator>()), faults_(std::make_unique<FaultPlan>()),
      trace_(std::make_unique<Trace>()), frontend_(std::make_unique<Frontend>()),
      menus_(std::make_unique<MenuModel>()), notifiers_(std::make_unique<NotifierModel>()),
      strings_(std::make_unique<UnicodeStrings>()), textEngine_(std::make_unique<TextEngine>()),
      documents_(std::make_unique<DocumentModel>()), dialogs_(std::make_unique<DialogEngine>()),
      documentHandles_(std::make_unique<DocumentHandles>()), preferences_(makePreferences()),
      fonts_(std::make_unique<FontList>(options_.fonts)), memoryBlocks_(std::make_unique<MemoryBlocks>()),
      plugins_(std::make_unique<PluginSet>(*this)) {
    if (gCurrent) throw std::logic_error("only one host may run at a time");
    gCurrent = this;
    registerSuites();
}

Host::~Host() {
    shutdown();
    plugins_.reset();
    gCurrent = nullptr;
}

std::unique_ptr<Preferences> Host::makePreferences() {
    const bool ownFile = options_.preferencesFile.empty();
    return std::make_unique<Preferences>(
        ownFile ? Preferences::defaultFile() : options_.preferencesFile, ownFile,
        [this](const std::string &warning) { frontend_->show(FrontendEvent::Kind::Warning, warning); },
        options_.savePreferences);
}

void Host::registerSuites() {
    registerSPSuites(*registry_);
    registerMenuAndNotifierSuites(*registry_);
    registerUnicodeStringSuite(*registry_);
    registerTextEngineSuites(*registry_);
    registerArtboardSuite(*registry_);
    registerPreferenceSuite(*registry_);
    registerFontSuite(*registry_);
    registerDocumentSuite(*registry_);
    registerADMSuites(*registry_);
    registerAcquiredOnlySuites(*registry_);
    registerArtSuite(*registry_);
    registerPathSuites(*registry_);
    registerLayerSuite(*registry_);
    registerTagSuite(*registry_);
    registerMatchingArtSuites(*registry_);
    registerPathStyleSuite(*registry_);
    registerSwatchSuites(*registry_);
    registerTextFrameSuite(*registry_);
    registerATEPaintSuite(*registry_);
}

std::vector<std::string> Host::start() {
    std::vector<std::string> failures;
    if (options_.pluginsFolder.empty()) return failures;
    std::error_code unreadable;
    const auto bundles = PluginSet::bundlesIn(options_.pluginsFolder, unreadable);
    if (unreadable)
        failures.push_back(options_.pluginsFolder.string() + ": the plug-ins folder cannot be read (" +
                           unreadable.message() + ")");
    for (const auto &bundle : bundles) {
        LoadFailure failure;
        LoadedPlugin *plugin = plugins_->open(bundle, failure);
        if (!plugin) {
            failures.push_back(failure.sentence());
            continue;
        }
        if (ASErr code = plugins_->startup(*plugin)) {
            failure.kind = LoadFailure::Kind::StartupRefused;
            failure.detail = describeCode(code);
            failure.code = code;
            failures.push_back(failure.sentence());
        }
    }
    // Every plug-in has started: tell those that asked.
    for (const auto &reg : notifiers_->ofType(kAIApplicationStartedNotifier)) {
        LoadedPlugin *plugin = plugins_->find(reg.owner);
        if (!plugin) continue;
        AINotifierMessage message{};
        message.notifier = reg.handle;
        message.type = kAIApplicationStartedNotifier;
        plugins_->send(*plugin, kAINotifierCaller, kAINotifySelector, &message.d);
    }
    return failures;
}

void Host::shutdown() {
    if (!plugins_) return;
    for (LoadedPlugin *plugin : plugins_->all())
        plugins_->shutdown(*plugin);
    preferences_->savePending();
    auto warn = [this](const std::string &text) { frontend_->show(FrontendEvent::Kind::Warning, text); };
    if (int n = registry_->outstanding()) warn(std::to_string(n) + " suite acquisition(s) still outstanding");
    if (std::size_t n = strings_->live()) warn(std::to_string(n) + " Unicode string(s) never disposed of");
    if (std::size_t n = textEngine_->live())
        warn(std::to_string(n) + " text-engine reference(s) never released");
    if (std::size_t n = memoryBlocks_->live()) warn(std::to_string(n) + " memory block(s) never disposed of");
}

ASErr Host::chooseMenuItem(const std::vector<std::string> &path) {
    const MenuItem *item = menus_->findByPath(path);
    std::string joined;
    for (const auto &p : path)
        joined += (joined.empty() ? "" : " \u203A ") + p;
    if (!item) throw HostError(kNotFoundErr, "no menu item " + joined);
    LoadedPlugin *plugin = plugins_->find(item->owner);
    if (!plugin) throw HostError(kNotFoundErr, "the plug-in of menu item " + joined + " is gone");
    AIMenuMessage message{};
    message.menuItem = item->handle;
    return plugins_->send(*plugin, kCallerAIMenu, kSelectorAIGoMenuItem, &message.d);
}

void Host::misbehaving(const std::string &what) {
    misbehaviour_.push_back(what);
    if (trace_->enabled()) trace_->record("misbehaving " + what);
    frontend_->show(FrontendEvent::Kind::Warning, "plug-in misbehaving: " + what);
}

void Host::hostFault(const std::string &what) {
    hostFaults_.push_back(what);
    if (trace_->enabled()) trace_->record("host fault " + what);
    frontend_->show(FrontendEvent::Kind::Warning, "host fault: " + what);
}

} // namespace vyn::host
