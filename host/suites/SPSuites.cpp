// SP Basic, SP Access and SP Plug-ins over the registry, the block allocator
// and the plug-in set.
#include "SPSuites.h"

#include <string>

#include "memory/BlockAllocator.h"
#include "gate/CallGate.h"
#include "Host.h"
#include "loader/PluginSet.h"
#include "gate/SuiteRegistry.h"
#include "gate/Trace.h"

namespace vyn::host {
namespace {

constexpr const char *kBasic = kSPBasicSuite;
constexpr const char *kAccess = kSPAccessSuite;
constexpr const char *kPlugins = kSPPluginsSuite;

LoadedPlugin &pluginOf(Host &host, SPPluginRef ref) {
    LoadedPlugin *p = host.plugins().find(ref);
    require(p != nullptr, "unknown plug-in reference");
    return *p;
}

SPErr ASAPI acquireSuite(const char *name, ASInt32 version, const void **suite) {
    if (suite) *suite = nullptr;
    return gate({kBasic, "AcquireSuite", CallContext::AnyTime}, [&](Host &host) {
        require(name && suite, "null suite name or result address");
        host.trace().annotate(std::string(name) + " " + std::to_string(version));
        *suite = host.registry().acquire(name, version);
        return kNoErr;
    });
}

SPErr ASAPI releaseSuite(const char *name, ASInt32 version) {
    return gate({kBasic, "ReleaseSuite", CallContext::AnyTime}, [&](Host &host) {
        require(name != nullptr, "null suite name");
        host.trace().annotate(std::string(name) + " " + std::to_string(version));
        host.registry().release(name, version);
        return kNoErr;
    });
}

SPErr ASAPI allocateBlock(size_t size, void **block) {
    if (block) *block = nullptr;
    return gate({kBasic, "AllocateBlock", CallContext::AnyTime}, [&](Host &host) -> ASErr {
        require(block != nullptr, "null block address");
        LoadedPlugin *caller = host.plugins().current();
        *block = host.blocks().allocate(size, caller ? caller->ref : nullptr);
        return *block ? kNoErr : kOutOfMemoryErr;
    });
}

SPErr ASAPI freeBlock(void *block) {
    return gate({kBasic, "FreeBlock", CallContext::AnyTime}, [&](Host &host) {
        if (block) require(host.blocks().free(block), "free of a block the host never handed out");
        return kNoErr;
    });
}

SPErr ASAPI getCurrentPlugin(SPPluginRef *plugin) {
    if (plugin) *plugin = nullptr;
    return gate({kAccess, "GetCurrentPlugin", CallContext::DuringMessage}, [&](Host &host) -> ASErr {
        require(plugin != nullptr, "null result address");
        LoadedPlugin *current = host.plugins().current();
        if (!current) throw HostError(kBadContextErr, "no plug-in is being called");
        *plugin = current->ref;
        return kNoErr;
    });
}

SPErr ASAPI acquirePlugin(SPPluginRef plugin, SPAccessRef *access) {
    if (access) *access = nullptr;
    return gate({kAccess, "AcquirePlugin", CallContext::AnyTime}, [&](Host &host) {
        require(access != nullptr, "null result address");
        LoadedPlugin &p = pluginOf(host, plugin);
        ++p.pins;
        *access = host.plugins().accessRefs().add(&p);
        return kNoErr;
    });
}

SPErr ASAPI releasePlugin(SPAccessRef access) {
    return gate({kAccess, "ReleasePlugin", CallContext::AnyTime}, [&](Host &host) {
        LoadedPlugin *p = host.plugins().accessRefs().find(access);
        require(p != nullptr, "unknown access reference");
        --p->pins;
        host.plugins().accessRefs().remove(access);
        return kNoErr;
    });
}

SPErr ASAPI setPluginName(SPPluginRef plugin, const char *name) {
    return gate({kPlugins, "SetPluginName", CallContext::DuringMessage}, [&](Host &host) {
        require(name != nullptr, "null plug-in name");
        pluginOf(host, plugin).registeredName = name;
        return kNoErr;
    });
}

const SPBasicSuite kBasicTable = {
    .AcquireSuite = acquireSuite,
    .ReleaseSuite = releaseSuite,
    .AllocateBlock = allocateBlock,
    .FreeBlock = freeBlock,
};
const SPAccessSuite kAccessTable = {
    .GetCurrentPlugin = getCurrentPlugin,
    .AcquirePlugin = acquirePlugin,
    .ReleasePlugin = releasePlugin,
};
const SPPluginsSuite kPluginsTable = {
    .SetPluginName = setPluginName,
};

} // namespace

const SPBasicSuite *basicSuite() { return &kBasicTable; }

void registerSPSuites(SuiteRegistry &registry) {
    registry.add(kSPBasicSuite, kSPBasicSuiteVersion, &kBasicTable);
    registry.add(kSPAccessSuite, kSPAccessSuiteVersion, &kAccessTable);
    registry.add(kSPPluginsSuite, kSPPluginsSuiteVersion, &kPluginsTable);
}

} // namespace vyn::host
