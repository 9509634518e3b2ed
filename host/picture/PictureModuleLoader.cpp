#include "picture/PictureModuleLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>

#include "platform/PlatformReceiver.h"

namespace vyn::host {
namespace {

struct Loaded {
    const VynPictureModule *module = nullptr;
    std::string failure;
};

// The system loader's last message; dlsym may fail without one.
std::string loaderMessage() {
    const char *message = dlerror();
    return message ? message : "no entry point " kVynPictureModuleEntry;
}

Loaded opened(const std::string &name) {
    auto refused = [&](const std::string &why) {
        return Loaded{nullptr, "cannot load the picture renderer " + name + ": " + why};
    };
    void *library = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return refused(loaderMessage());
    auto entry = reinterpret_cast<VynPictureModuleEntryPoint>(dlsym(library, kVynPictureModuleEntry));
    if (!entry) {
        Loaded failed = refused(loaderMessage());
        dlclose(library);
        return failed;
    }
    const VynPictureModule *module = entry();
    if (!module || module->version != kVynPictureModuleVersion) {
        Loaded failed = refused("it is version " + std::to_string(module ? module->version : 0) +
                                ", the host needs version " + std::to_string(kVynPictureModuleVersion));
        dlclose(library);
        return failed;
    }
    return Loaded{module, {}};
}

const VynPictureModule &moduleOf(const Loaded &loaded) {
    if (!loaded.module) throw std::runtime_error(loaded.failure);
    return *loaded.module;
}

// The module beside libvyn_platform.so, as the system loader found that.
// Not the bare name: the system loader searches the run path of the code
// that calls dlopen, and under the address sanitizer that is the
// sanitizer's own library.
std::string besideThePlatform() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&vyn_platform_set_beep_receiver), &info) || !info.dli_fname)
        return kVynPictureModuleName;
    return (std::filesystem::path(info.dli_fname).parent_path() / kVynPictureModuleName).string();
}

} // namespace

const VynPictureModule &pictureModule() {
    static const Loaded loaded = opened(besideThePlatform());
    return moduleOf(loaded);
}

const VynPictureModule &loadPictureModule(const std::string &module) { return moduleOf(opened(module)); }

} // namespace vyn::host
