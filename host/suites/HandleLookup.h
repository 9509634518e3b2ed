// HandleLookup.h — the live model object behind a handle a plug-in passes.
#pragma once

#include <optional>

#include "gate/DocumentHandles.h"
#include "gate/HostError.h"

namespace vyn::host {

// `find` maps the handle's id to the object, or to null when it is gone. A
// handle the host never gave, or whose object is gone, is the plug-in's
// error: HostError(kBadParameterErr) with `why`.
template <class IdT, class Handle, class Find>
auto &lookUp(const IdHandles<IdT, Handle> &ids, Handle handle, Find &&find, const char *why) {
    const std::optional<IdT> id = ids.idOf(handle);
    auto *object = id ? find(*id) : nullptr;
    require(object != nullptr, why);
    return *object;
}

} // namespace vyn::host
