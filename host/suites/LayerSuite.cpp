// AI Layer over the open document's layers.
#include <string>

#include "AILayer.h"
#include "gate/CallGate.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "text/Utf.h"
#include "gate/SuiteRegistry.h"
#include "text/UnicodeStrings.h"
#include "model/Document.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAILayerSuite;

AIErr ASAPI countLayers(ASInt32 *count) {
    if (count) *count = 0;
    return gate({kSuite, "CountLayers", CallContext::DocumentOpen}, [&](Host &, Document &document) {
        require(count != nullptr, "null address for the count");
        *count = static_cast<ASInt32>(document.layers().size());
        return kNoErr;
    });
}

AIErr ASAPI getNthLayer(ASInt32 n, AILayerHandle *layer) {
    if (layer) *layer = nullptr;
    return gate({kSuite, "GetNthLayer", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        require(layer != nullptr, "null address for the layer");
        require(n >= 0 && static_cast<std::size_t>(n) < document.layers().size(), "layer index out of range");
        *layer = host.documentHandles().layers.handleOf(document.layers()[static_cast<std::size_t>(n)].id);
        return kNoErr;
    });
}

AIErr ASAPI getCurrentLayer(AILayerHandle *layer) {
    if (layer) *layer = nullptr;
    return gate({kSuite, "GetCurrentLayer", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        require(layer != nullptr, "null address for the layer");
        if (const Layer *current = document.currentLayer())
            *layer = host.documentHandles().layers.handleOf(current->id);
        return kNoErr;
    });
}

AIErr ASAPI insertLayer(AILayerHandle reference, AIPaintOrder paintOrder, AILayerHandle *newLayer) {
    if (newLayer) *newLayer = nullptr;
    return gate({kSuite, "InsertLayer", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        require(newLayer != nullptr, "null address for the new layer");
        require(paintOrder == kPlaceAboveAll, "InsertLayer places layers above all only");
        if (reference) layerOf(host.documentHandles(), document, reference);
        const std::string title = "Layer " + std::to_string(document.layers().size() + 1);
        const LayerId made = document.insertLayer(0, title).id;
        document.setCurrentLayer(made);
        *newLayer = host.documentHandles().layers.handleOf(made);
        return kNoErr;
    });
}

AIErr ASAPI getLayerTitle(AILayerHandle layer, AIUnicodeStringRef *title) {
    return gate({kSuite, "GetLayerTitle", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const Layer &l = layerOf(host.documentHandles(), document, layer);
        require(title != nullptr, "null address for the title");
        std::u16string text = utf8ToUtf16(l.title);
        if (!*title) {
            *title = host.strings().make(std::move(text));
            return kNoErr;
        }
        std::u16string *existing = host.strings().find(*title);
        require(existing != nullptr, "stale Unicode string");
        *existing = std::move(text);
        return kNoErr;
    });
}

AIErr ASAPI setLayerTitle(AILayerHandle layer, AIUnicodeStringRef title) {
    return gate({kSuite, "SetLayerTitle", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        Layer &l = layerOf(host.documentHandles(), document, layer);
        l.title = utf16ToUtf8(host.strings().text(title));
        return kNoErr;
    });
}

AIErr ASAPI getLayerEditable(AILayerHandle layer, ASBoolean *editable) {
    if (editable) *editable = 0;
    return gate({kSuite, "GetLayerEditable", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const Layer &l = layerOf(host.documentHandles(), document, layer);
        require(editable != nullptr, "null address for the answer");
        *editable = l.editable && l.visible ? 1 : 0;
        return kNoErr;
    });
}

const AILayerSuite kTable = {
    .CountLayers = countLayers,
    .GetNthLayer = getNthLayer,
    .GetCurrentLayer = getCurrentLayer,
    .InsertLayer = insertLayer,
    .GetLayerTitle = getLayerTitle,
    .SetLayerTitle = setLayerTitle,
    .GetLayerEditable = getLayerEditable,
};

} // namespace

void registerLayerSuite(SuiteRegistry &registry) {
    registry.add(kAILayerSuite, kAILayerSuiteVersion, &kTable);
}

} // namespace vyn::host
