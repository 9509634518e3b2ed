// DocumentHandles.h — the handles the document suites give plug-ins for the
// open document's objects (art, layers, swatches) and for the snapshots some
// suites hand out (artboard lists and properties).
//
// The model names its objects by ids; a handle maps to an id and the id to
// the object, so a handle whose object is gone finds nothing, without
// touching freed memory. Handle values come from the host's one handle space.
#pragma once

#include <optional>
#include <unordered_map>
#include <vector>

#include "ASTypes.h"
#include "gate/HandleTable.h"
#include "model/Document.h"

namespace vyn::host {

// A two-way map between model ids and the handles that stand for them: one
// handle per id, made when the id is first handed out.
template <class IdT, class Handle> class IdHandles {
  public:
    Handle handleOf(IdT id) {
        auto [it, added] = byId_.try_emplace(id, nullptr);
        if (added) {
            it->second = HandleSpace::nextAs<Handle>();
            byHandle_.emplace(reinterpret_cast<std::uintptr_t>(it->second), id);
        }
        return it->second;
    }
    // The id behind `handle`, or none for a handle this map never made.
    std::optional<IdT> idOf(Handle handle) const {
        auto it = byHandle_.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == byHandle_.end()) return std::nullopt;
        return it->second;
    }
    void clear() {
        byId_.clear();
        byHandle_.clear();
    }

  private:
    std::unordered_map<IdT, Handle> byId_;
    std::unordered_map<std::uintptr_t, IdT> byHandle_;
};

// The artboards as they were when the list was made: later edits of the
// document do not change a list or a properties object.
struct ArtboardListSnapshot {
    std::vector<Artboard> artboards;
    int active = 0;
};
struct ArtboardPropertiesSnapshot {
    std::optional<Artboard> artboard;
};

class DocumentHandles {
  public:
    IdHandles<ArtId, AIArtHandle> art;
    IdHandles<LayerId, AILayerHandle> layers;
    IdHandles<PatternId, AIPatternHandle> patterns;
    IdHandles<GradientId, AIGradientHandle> gradients;
    IdHandles<CustomColorId, AICustomColorHandle> customColors;

    OwningHandleTable<ArtboardListSnapshot, AIArtboardListRef> artboardLists;
    OwningHandleTable<ArtboardPropertiesSnapshot, AIArtboardPropertiesRef> artboardProperties;
};

// The art or layer of `document` behind a handle. A null, stale or foreign
// handle (one made for another document, or for another kind of object) is
// the plug-in's error: HostError(kBadParameterErr), found by lookups alone.
Art &artOf(const DocumentHandles &handles, Document &document, AIArtHandle handle);
Layer &layerOf(const DocumentHandles &handles, Document &document, AILayerHandle handle);

} // namespace vyn::host
