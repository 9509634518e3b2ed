// AI Art over the open document's art tree.
#include "AIArt.h"
#include "gate/CallGate.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "model/Document.h"
#include "suites/EditableLayer.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAIArtSuite;

AIErr ASAPI newArt(AIArtType type, AIPaintOrder paintOrder, AIArtHandle prep, AIArtHandle *made) {
    if (made) *made = nullptr;
    return gate({kSuite, "NewArt", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        require(made != nullptr, "null address for the new art");
        require(type == kGroupArt || type == kPathArt, "NewArt makes groups and paths only");
        require(paintOrder == kPlaceInsideOnTop, "NewArt places art inside a group, on top, only");
        DocumentHandles &handles = host.documentHandles();
        const Art &parent = artOf(handles, document, prep);
        require(parent.group() != nullptr, "the reference art of kPlaceInsideOnTop is not a group");
        if (!takesNewArt(document, parent.layer)) return kCantHappenErr;
        const ArtId parentId = parent.id;
        const Art &art =
            type == kGroupArt ? document.addArt(parentId, Group{}) : document.addArt(parentId, PathShape{});
        *made = handles.art.handleOf(art.id);
        return kNoErr;
    });
}

AIErr ASAPI disposeArt(AIArtHandle art) {
    return gate({kSuite, "DisposeArt", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const Art &a = artOf(host.documentHandles(), document, art);
        require(bool(a.parent), "a layer's own group goes only with its layer");
        document.removeArt(a.id);
        return kNoErr;
    });
}

AIErr ASAPI getArtType(AIArtHandle art, AIArtType *type) {
    if (type) *type = kUnknownArt;
    return gate({kSuite, "GetArtType", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const Art &a = artOf(host.documentHandles(), document, art);
        require(type != nullptr, "null address for the type");
        *type = artTypeOf(a);
        return kNoErr;
    });
}

AIErr ASAPI getArtUserAttr(AIArtHandle art, AIArtUserAttr whichAttr, AIArtUserAttr *attr) {
    if (attr) *attr = 0;
    return gate({kSuite, "GetArtUserAttr", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const Art &a = artOf(host.documentHandles(), document, art);
        require(attr != nullptr, "null address for the attributes");
        *attr = static_cast<AIArtUserAttr>(a.attributes & static_cast<std::uint32_t>(whichAttr));
        return kNoErr;
    });
}

AIErr ASAPI setArtUserAttr(AIArtHandle art, AIArtUserAttr whichAttr, AIArtUserAttr attr) {
    return gate({kSuite, "SetArtUserAttr", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        Art &a = artOf(host.documentHandles(), document, art);
        document.setAttributes(a, static_cast<std::uint32_t>(whichAttr), static_cast<std::uint32_t>(attr));
        return kNoErr;
    });
}

// An answer, not a check: any value may be asked about without misbehaving.
// The document has one layer list, so both searches look in the same place.
ASBoolean ASAPI validArt(AIArtHandle art, ASBoolean /*searchAllLayerLists*/) {
    return gateValue({kSuite, "ValidArt", CallContext::AnyTime}, ASBoolean(0), [&](Host &host) {
        Document *document = host.documents().current();
        std::optional<ArtId> id = host.documentHandles().art.idOf(art);
        return ASBoolean(document && id && document->art(*id) ? 1 : 0);
    });
}

AIErr ASAPI getFirstArtOfLayer(AILayerHandle layer, AIArtHandle *art) {
    if (art) *art = nullptr;
    return gate({kSuite, "GetFirstArtOfLayer", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    const Layer &l = layerOf(host.documentHandles(), document, layer);
                    require(art != nullptr, "null address for the art");
                    *art = host.documentHandles().art.handleOf(l.group);
                    return kNoErr;
                });
}

AIErr ASAPI getArtFirstChild(AIArtHandle art, AIArtHandle *child) {
    if (child) *child = nullptr;
    return gate({kSuite, "GetArtFirstChild", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const Art &a = artOf(host.documentHandles(), document, art);
        require(child != nullptr, "null address for the child");
        if (const Group *group = a.group(); group && !group->children.empty())
            *child = host.documentHandles().art.handleOf(group->children.top());
        return kNoErr;
    });
}

AIErr ASAPI setArtCenterPointVisible(AIArtHandle art, ASBoolean visible) {
    return gate({kSuite, "SetArtCenterPointVisible", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    PathShape *path = artOf(host.documentHandles(), document, art).path();
                    require(path != nullptr, "only a path has a centre point");
                    path->centerPointVisible = visible != 0;
                    return kNoErr;
                });
}

const AIArtSuite kTable = {
    .NewArt = newArt,
    .DisposeArt = disposeArt,
    .GetArtType = getArtType,
    .GetArtUserAttr = getArtUserAttr,
    .SetArtUserAttr = setArtUserAttr,
    .ValidArt = validArt,
    .GetFirstArtOfLayer = getFirstArtOfLayer,
    .GetArtFirstChild = getArtFirstChild,
    .SetArtCenterPointVisible = setArtCenterPointVisible,
};

} // namespace

void registerArtSuite(SuiteRegistry &registry) { registry.add(kAIArtSuite, kAIArtSuiteVersion, &kTable); }

} // namespace vyn::host
