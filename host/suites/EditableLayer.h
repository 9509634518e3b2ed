// EditableLayer.h — whether a layer takes new art.
#pragma once

#include "model/Document.h"

namespace vyn::host {

// New art goes only into a layer that is there, unlocked and visible, as the
// application's own tools behave. The suites that make art answer
// kCantHappenErr otherwise: a locked or hidden layer is the user's doing,
// not the plug-in's misuse.
inline bool takesNewArt(const Document &document, LayerId id) {
    const Layer *layer = document.layer(id);
    return layer != nullptr && layer->editable && layer->visible;
}

} // namespace vyn::host
