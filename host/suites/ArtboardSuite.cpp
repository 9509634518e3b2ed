// AI Artboard over the open document's artboards.
#include "AIArtboard.h"
#include "CallGate.h"
#include "HandleTable.h"
#include "Host.h"
#include "SuiteRegistry.h"
#include "model/DocumentModel.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAIArtboardSuite;

// The list and the properties are snapshots: later edits of the document do
// not change them.
struct ArtboardListSnapshot {
    std::vector<Artboard> artboards;
    int active = 0;
};
struct ArtboardPropertiesSnapshot {
    std::optional<Artboard> artboard;
};

struct ArtboardObjects {
    OwningHandleTable<ArtboardListSnapshot, AIArtboardListRef> lists{0x80000};
    OwningHandleTable<ArtboardPropertiesSnapshot, AIArtboardPropertiesRef> properties{0x90000};
};
ArtboardObjects &objects(Host &host) { return host.familyState<ArtboardObjects>(); }

AIErr ASAPI getArtboardList(AIArtboardListRef *list) {
    if (list) *list = nullptr;
    return gate(kSuite, "GetArtboardList", [&](Host &host) {
        require(list != nullptr, "null list address");
        Document *doc = host.documents().current();
        if (!doc) throw HostError(kBadContextErr, "no document is open");
        *list = objects(host).lists.add(std::make_unique<ArtboardListSnapshot>(
            ArtboardListSnapshot{doc->artboards, doc->activeArtboard}));
        return kNoErr;
    });
}

AIErr ASAPI releaseArtboardList(AIArtboardListRef *list) {
    return gate(kSuite, "ReleaseArtboardList", [&](Host &host) {
        require(list && objects(host).lists.find(*list), "stale artboard list");
        objects(host).lists.erase(*list);
        *list = nullptr;
        return kNoErr;
    });
}

AIErr ASAPI getActive(AIArtboardListRef list, ASInt32 *index) {
    return gate(kSuite, "GetActive", [&](Host &host) {
        ArtboardListSnapshot *l = objects(host).lists.find(list);
        require(l && index, "stale artboard list");
        *index = l->active;
        return kNoErr;
    });
}

AIErr ASAPI initArtboardProperties(AIArtboardPropertiesRef *props) {
    if (props) *props = nullptr;
    return gate(kSuite, "InitArtboardProperties", [&](Host &host) {
        require(props != nullptr, "null properties address");
        *props = objects(host).properties.add(std::make_unique<ArtboardPropertiesSnapshot>());
        return kNoErr;
    });
}

AIErr ASAPI disposeArtboardProperties(AIArtboardPropertiesRef *props) {
    return gate(kSuite, "DisposeArtboardProperties", [&](Host &host) {
        require(props != nullptr, "null properties address");
        if (!*props) return kNoErr;
        require(objects(host).properties.find(*props) != nullptr, "stale artboard properties");
        objects(host).properties.erase(*props);
        *props = nullptr;
        return kNoErr;
    });
}

AIErr ASAPI getArtboardProperties(AIArtboardListRef list, ASInt32 index, AIArtboardPropertiesRef props) {
    return gate(kSuite, "GetArtboardProperties", [&](Host &host) {
        ArtboardListSnapshot *l = objects(host).lists.find(list);
        ArtboardPropertiesSnapshot *p = objects(host).properties.find(props);
        require(l && p, "stale artboard list or properties");
        require(index >= 0 && static_cast<std::size_t>(index) < l->artboards.size(),
                "artboard index out of range");
        p->artboard = l->artboards[static_cast<std::size_t>(index)];
        return kNoErr;
    });
}

AIErr ASAPI getPosition(AIArtboardPropertiesRef props, AIRealRect *bounds) {
    return gate(kSuite, "GetPosition", [&](Host &host) {
        ArtboardPropertiesSnapshot *p = objects(host).properties.find(props);
        require(p && p->artboard && bounds, "stale or empty artboard properties");
        const Rect &r = p->artboard->bounds;
        *bounds = AIRealRect{r.left, r.top, r.right, r.bottom};
        return kNoErr;
    });
}

const AIArtboardSuite kTable = {
    getArtboardList,           releaseArtboardList,   getActive,  initArtboardProperties,
    disposeArtboardProperties, getArtboardProperties, getPosition};

} // namespace

void registerArtboardSuite(SuiteRegistry &registry) {
    registry.add(kAIArtboardSuite, kAIArtboardSuiteVersion, &kTable);
}

} // namespace vyn::host
