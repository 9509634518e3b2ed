#include "DocumentModel.h"

namespace vyn::host {

Document Document::emptyA4() {
    Document d;
    d.artboards.push_back({"Artboard 1", Rect{0.0f, 841.89f, 595.28f, 0.0f}});
    return d;
}

} // namespace vyn::host
