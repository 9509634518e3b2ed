#include "gate/DocumentHandles.h"

#include "gate/HostError.h"

namespace vyn::host {

Art &artOf(const DocumentHandles &handles, Document &document, AIArtHandle handle) {
    std::optional<ArtId> id = handles.art.idOf(handle);
    Art *art = id ? document.art(*id) : nullptr;
    require(art != nullptr, "stale or unknown art handle");
    return *art;
}

Layer &layerOf(const DocumentHandles &handles, Document &document, AILayerHandle handle) {
    std::optional<LayerId> id = handles.layers.idOf(handle);
    Layer *layer = id ? document.layer(*id) : nullptr;
    require(layer != nullptr, "stale or unknown layer handle");
    return *layer;
}

} // namespace vyn::host
