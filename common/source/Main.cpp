// Main.cpp — PluginMain, the one entry point the host calls.
//
// The plug-in object lives in the message header's globals slot from a
// successful start-up until shut-down, across unloads of the code. Every
// message refreshes sSPBasic first, so allocation works from the first
// message on.
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "Plugin.h"
#include "SPMessages.h"
#include "Suites.h"

SPBasicSuite *sSPBasic = nullptr;

namespace {

void DestroyPlugin(Plugin *&plugin, SPMessageData *header) {
    delete plugin;
    plugin = nullptr;
    header->globals = nullptr;
}

} // namespace

extern "C" AS_EXPORT ASErr ASAPI PluginMain(const char *caller, const char *selector, void *message) {
    SPMessageData *header = static_cast<SPMessageData *>(message);
    sSPBasic = header->basic;
    Plugin *plugin = static_cast<Plugin *>(header->globals);
    ASErr result = kNoErr;

    if (std::strcmp(caller, kSPInterfaceCaller) == 0) {
        if (std::strcmp(selector, kSPInterfaceStartupSelector) == 0) {
            plugin = AllocatePlugin(header->self);
            if (plugin == nullptr) {
                result = kErrOutOfMemory;
            } else {
                header->globals = plugin;
                result = plugin->StartupPlugin(static_cast<SPInterfaceMessage *>(message));
                if (result != kNoErr) DestroyPlugin(plugin, header);
            }
        } else if (std::strcmp(selector, kSPInterfaceShutdownSelector) == 0 && plugin != nullptr) {
            // The object goes whatever the shut-down returned.
            result = plugin->ShutdownPlugin(static_cast<SPInterfaceMessage *>(message));
            DestroyPlugin(plugin, header);
        }
    }

    if (plugin != nullptr) {
        if (Plugin::IsReloadMsg(caller, selector)) {
            // The code was loaded anew: the object's dynamic type must be
            // re-established before any virtual call.
            FixupReload(plugin);
            result = plugin->ReloadPlugin(static_cast<SPInterfaceMessage *>(message));
        } else if (plugin->SuitesAcquired()) {
            result = plugin->Message(caller, selector, message);
        } else {
            // Unloaded: nothing but the reload and the shut-down is served.
            result = kNoErr;
        }
        if (result == kErrUnhandledMessage) {
            result = kNoErr;
            std::fprintf(stderr, "Warning: Unhandled plugin message: caller \"%s\" selector \"%s\"\n", caller,
                         selector);
        }
    }

    if (result != kNoErr) {
        if (plugin != nullptr)
            plugin->ReportError(result, caller, selector, message);
        else
            Plugin::DefaultError(header->self, result);
    }
    return result;
}

static_assert(std::is_same_v<decltype(&PluginMain), PluginMainProc>,
              "PluginMain has the host's entry point type");
