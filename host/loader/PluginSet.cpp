#include "loader/PluginSet.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/mman.h>

#include <algorithm>
#include <cerrno>

#include "memory/BlockAllocator.h"
#include "frontend/Frontend.h"
#include "gate/HostError.h"
#include "Host.h"
#include "frontend/MenuModel.h"
#include "loader/ModuleFile.h"
#include "frontend/NotifierModel.h"
#include "preferences/Preferences.h"
#include "gate/Trace.h"
#include "dialog/DialogEngine.h"

namespace vyn::host {
namespace {

// The address range the module's loadable segments occupy.
struct ModuleExtent {
    void *base = nullptr;
    std::size_t length = 0;
};

ModuleExtent extentOf(void *module) {
    link_map *map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map) return {};
    struct Search {
        ElfW(Addr) loadAddress;
        ModuleExtent extent;
    } search{map->l_addr, {}};
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            auto *s = static_cast<Search *>(data);
            if (info->dlpi_addr != s->loadAddress) return 0;
            ElfW(Addr) low = ~ElfW(Addr)(0), high = 0;
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const auto &ph = info->dlpi_phdr[i];
                if (ph.p_type != PT_LOAD) continue;
                low = std::min(low, ph.p_vaddr);
                high = std::max(high, ph.p_vaddr + ph.p_memsz);
            }
            if (high <= low) return 0;
            long page = sysconf(_SC_PAGESIZE);
            ElfW(Addr) start = (info->dlpi_addr + low) & ~ElfW(Addr)(page - 1);
            ElfW(Addr) end = (info->dlpi_addr + high + page - 1) & ~ElfW(Addr)(page - 1);
            s->extent = {reinterpret_cast<void *>(start), std::size_t(end - start)};
            return 1;
        },
        &search);
    return search.extent;
}

std::string codeText(ASErr code) { return describeCode(code); }

} // namespace

std::string LoadFailure::sentence() const {
    std::string where = bundle.string();
    switch (kind) {
    case Kind::NotABundle: return where + ": the bundle is not a readable folder (" + detail + ")";
    case Kind::NoModule: return where + ": no plug-in module in the bundle (" + detail + ")";
    case Kind::UnreadableModule:
        return where + ": the module " + bundle.stem().string() + ".so cannot be read (" + detail + ")";
    case Kind::NotAModule:
        return where + ": " + bundle.stem().string() +
               ".so is not a complete shared object for this machine: " + detail;
    case Kind::LoaderError: return where + ": the system loader refused the module: " + detail;
    case Kind::NoEntryPoint: return where + ": the module has no PluginMain entry point";
    case Kind::StartupRefused: return where + ": the plug-in refused to start (code " + detail + ")";
    }
    return where;
}

PluginSet::PluginSet(Host &host) : host_(host) {}

PluginSet::MessageScope::MessageScope(PluginSet &set, LoadedPlugin *plugin)
    : set_(set), preferences_(set.host_.preferences()) {
    set_.calling_.push_back(plugin);
}

PluginSet::~PluginSet() {
    for (auto &p : plugins_)
        closeModule(*p);
    for (auto [base, length] : reserved_)
        munmap(base, length);
}

std::vector<std::filesystem::path> PluginSet::bundlesIn(const std::filesystem::path &folder,
                                                        std::error_code &error) {
    std::vector<std::filesystem::path> bundles;
    std::filesystem::directory_iterator entries(folder, error), end;
    while (!error && entries != end) {
        if (entries->path().extension() == ".aip") bundles.push_back(entries->path());
        entries.increment(error);
    }
    std::sort(bundles.begin(), bundles.end());
    return bundles;
}

LoadedPlugin *PluginSet::open(const std::filesystem::path &bundle, LoadFailure &failure) {
    auto plugin = std::make_unique<LoadedPlugin>();
    plugin->bundle = bundle;
    plugin->name = bundle.stem().string();
    plugin->resources = BundleResources(bundle / "Resources", [this](const std::string &refusal) {
        host_.frontend().show(FrontendEvent::Kind::Warning, refusal);
    });
    if (!openModule(*plugin, failure)) return nullptr;
    plugin->ref = refs_.add(plugin.get());
    plugins_.push_back(std::move(plugin));
    return plugins_.back().get();
}

bool PluginSet::openModule(LoadedPlugin &plugin, LoadFailure &failure) {
    failure.bundle = plugin.bundle;
    auto refuse = [&failure](LoadFailure::Kind kind, std::string detail) {
        failure.kind = kind;
        failure.detail = std::move(detail);
        return false;
    };
    std::error_code error;
    auto bundleType = std::filesystem::status(plugin.bundle, error).type();
    if (error) return refuse(LoadFailure::Kind::NotABundle, error.message());
    using Type = std::filesystem::file_type;
    if (bundleType == Type::not_found)
        return refuse(LoadFailure::Kind::NotABundle, "it is a link that leads nowhere");
    if (bundleType == Type::regular) return refuse(LoadFailure::Kind::NotABundle, "it is a file");
    if (bundleType != Type::directory) return refuse(LoadFailure::Kind::NotABundle, "it is not a folder");
    auto file = plugin.bundle / (plugin.name + ".so");
    ModuleFileCheck check = checkModuleFile(file);
    switch (check.verdict) {
    case ModuleFileCheck::Verdict::Loadable: break;
    case ModuleFileCheck::Verdict::Missing:
        return refuse(LoadFailure::Kind::NoModule, file.filename().string() + " is missing");
    case ModuleFileCheck::Verdict::Unreadable:
        return refuse(LoadFailure::Kind::UnreadableModule, check.detail);
    case ModuleFileCheck::Verdict::NotLoadable: return refuse(LoadFailure::Kind::NotAModule, check.detail);
    }
    void *module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        failure.kind = LoadFailure::Kind::LoaderError;
        const char *why = dlerror();
        failure.detail = why ? why : "unknown error";
        return false;
    }
    void *entry = dlsym(module, kPluginMainSymbol);
    if (!entry) {
        dlclose(module);
        failure.kind = LoadFailure::Kind::NoEntryPoint;
        return false;
    }
    plugin.module = module;
    plugin.main = reinterpret_cast<PluginMainProc>(entry);
    host_.trace().record("open " + plugin.name);
    return true;
}

void PluginSet::closeModule(LoadedPlugin &plugin) {
    if (!plugin.module) return;
    ModuleExtent extent = extentOf(plugin.module);
    dlclose(plugin.module);
    plugin.module = nullptr;
    plugin.main = nullptr;
    host_.trace().record("close " + plugin.name);
    // Hold the old code's addresses so the next open lands elsewhere: a
    // plug-in that keeps a pointer into its old code then fails loudly
    // instead of working by the accident of being mapped at the same place.
    if (!extent.base) return;
    void *held =
        mmap(extent.base, extent.length, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    if (held == extent.base)
        reserved_.emplace_back(held, extent.length);
    else if (held != MAP_FAILED)
        munmap(held, extent.length); // an old kernel ignored the hint
    else if (errno == EEXIST)
        host_.trace().record("module " + plugin.name + " stayed mapped after closing");
}

void PluginSet::forget(LoadedPlugin &plugin) {
    host_.menus().dropPlugin(plugin.ref);
    host_.notifiers().dropPlugin(plugin.ref);
    host_.dialogs().forgetPlugin(plugin.ref);
    closeModule(plugin);
    // Pins outlive a plug-in only as stale handles, never as pointers to it.
    access_.removeIf([&](const LoadedPlugin *pinned) { return pinned == &plugin; });
    refs_.remove(plugin.ref);
    std::erase_if(plugins_, [&](const auto &p) { return p.get() == &plugin; });
}

ASErr PluginSet::send(LoadedPlugin &plugin, const char *caller, const char *selector,
                      SPMessageData *message) {
    if (!plugin.module) {
        if (ASErr e = reload(plugin)) return e;
    }
    message->SPCheck = kSPValidSPMessageData;
    message->self = plugin.ref;
    message->globals = plugin.globals;
    message->basic = const_cast<SPBasicSuite *>(basicSuite());
    host_.trace().record(std::string("message ") + caller + "/" + selector);
    ASErr result = kCantHappenErr;
    {
        MessageScope inside(*this, &plugin);
        try {
            result = plugin.main(caller, selector, message);
        } catch (...) {
            // No exception may cross PluginMain: the host survives it, the
            // plug-in is reported.
            host_.misbehaving(plugin.name + ": an exception escaped PluginMain (" + caller + "/" + selector +
                              ")");
        }
    }
    plugin.globals = message->globals;
    host_.trace().record(std::string("result ") + caller + "/" + selector + " " + codeText(result));
    return result;
}

ASErr PluginSet::sendInterface(LoadedPlugin &plugin, const char *caller, const char *selector) {
    SPInterfaceMessage message{};
    return send(plugin, caller, selector, &message.d);
}

ASErr PluginSet::startup(LoadedPlugin &plugin) {
    ASErr result = sendInterface(plugin, kSPInterfaceCaller, kSPInterfaceStartupSelector);
    if (result != kNoErr) {
        forget(plugin);
        return result;
    }
    plugin.started = true;
    return kNoErr;
}

ASErr PluginSet::shutdown(LoadedPlugin &plugin) {
    // A closed module is reloaded first, so the plug-in can free what it holds.
    ASErr result = sendInterface(plugin, kSPInterfaceCaller, kSPInterfaceShutdownSelector);
    if (std::size_t blocks = host_.blocks().liveBlocks(plugin.ref))
        host_.frontend().show(FrontendEvent::Kind::Warning,
                              plugin.name + " still holds " + std::to_string(blocks) + " block(s) of " +
                                  std::to_string(host_.blocks().liveBytes(plugin.ref)) +
                                  " bytes after shutting down");
    forget(plugin);
    return result;
}

ASErr PluginSet::unload(LoadedPlugin &plugin, bool closeModuleAfter) {
    ASErr result = sendInterface(plugin, kSPAccessCaller, kSPAccessUnloadSelector);
    if (closeModuleAfter && plugin.pins == 0) closeModule(plugin);
    return result;
}

ASErr PluginSet::reload(LoadedPlugin &plugin) {
    if (!plugin.module) {
        LoadFailure failure;
        if (!openModule(plugin, failure)) {
            host_.frontend().show(FrontendEvent::Kind::Warning, failure.sentence());
            return kCantHappenErr;
        }
    }
    return sendInterface(plugin, kSPAccessCaller, kSPAccessReloadSelector);
}

LoadedPlugin *PluginSet::byName(const std::string &name) const {
    for (const auto &p : plugins_)
        if (p->name == name) return p.get();
    return nullptr;
}

std::vector<LoadedPlugin *> PluginSet::all() const {
    std::vector<LoadedPlugin *> out;
    for (const auto &p : plugins_)
        out.push_back(p.get());
    return out;
}

} // namespace vyn::host
