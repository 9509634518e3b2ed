// AI Artboard over the open document's artboards.
#include "AIArtboard.h"
#include "gate/CallGate.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "model/Document.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAIArtboardSuite;

AIErr ASAPI getArtboardList(AIArtboardListRef *list) {
    if (list) *list = nullptr;
    return gate({kSuite, "GetArtboardList", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        require(list != nullptr, "null list address");
        *list = host.documentHandles().artboardLists.add(std::make_unique<ArtboardListSnapshot>(
            ArtboardListSnapshot{document.artboards, document.activeArtboard}));
        return kNoErr;
    });
}

AIErr ASAPI releaseArtboardList(AIArtboardListRef *list) {
    return gate({kSuite, "ReleaseArtboardList", CallContext::AnyTime}, [&](Host &host) {
        require(list && host.documentHandles().artboardLists.find(*list), "stale artboard list");
        host.documentHandles().artboardLists.erase(*list);
        *list = nullptr;
        return kNoErr;
    });
}

AIErr ASAPI getActive(AIArtboardListRef list, ASInt32 *index) {
    return gate({kSuite, "GetActive", CallContext::AnyTime}, [&](Host &host) {
        ArtboardListSnapshot *l = host.documentHandles().artboardLists.find(list);
        require(l && index, "stale artboard list");
        *index = l->active;
        return kNoErr;
    });
}

AIErr ASAPI initArtboardProperties(AIArtboardPropertiesRef *props) {
    if (props) *props = nullptr;
    return gate({kSuite, "InitArtboardProperties", CallContext::AnyTime}, [&](Host &host) {
        require(props != nullptr, "null properties address");
        *props =
            host.documentHandles().artboardProperties.add(std::make_unique<ArtboardPropertiesSnapshot>());
        return kNoErr;
    });
}

AIErr ASAPI disposeArtboardProperties(AIArtboardPropertiesRef *props) {
    return gate({kSuite, "DisposeArtboardProperties", CallContext::AnyTime}, [&](Host &host) {
        require(props != nullptr, "null properties address");
        if (!*props) return kNoErr;
        require(host.documentHandles().artboardProperties.find(*props) != nullptr,
                "stale artboard properties");
        host.documentHandles().artboardProperties.erase(*props);
        *props = nullptr;
        return kNoErr;
    });
}

AIErr ASAPI getArtboardProperties(AIArtboardListRef list, ASInt32 index, AIArtboardPropertiesRef props) {
    return gate({kSuite, "GetArtboardProperties", CallContext::AnyTime}, [&](Host &host) {
        ArtboardListSnapshot *l = host.documentHandles().artboardLists.find(list);
        ArtboardPropertiesSnapshot *p = host.documentHandles().artboardProperties.find(props);
        require(l && p, "stale artboard list or properties");
        require(index >= 0 && static_cast<std::size_t>(index) < l->artboards.size(),
                "artboard index out of range");
        p->artboard = l->artboards[static_cast<std::size_t>(index)];
        return kNoErr;
    });
}

AIErr ASAPI getPosition(AIArtboardPropertiesRef props, AIRealRect *bounds) {
    return gate({kSuite, "GetPosition", CallContext::AnyTime}, [&](Host &host) {
        ArtboardPropertiesSnapshot *p = host.documentHandles().artboardProperties.find(props);
        require(p && p->artboard && bounds, "stale or empty artboard properties");
        *bounds = toRecord(p->artboard->bounds);
        return kNoErr;
    });
}

const AIArtboardSuite kTable = {
    .GetArtboardList = getArtboardList,
    .ReleaseArtboardList = releaseArtboardList,
    .GetActive = getActive,
    .InitArtboardProperties = initArtboardProperties,
    .DisposeArtboardProperties = disposeArtboardProperties,
    .GetArtboardProperties = getArtboardProperties,
    .GetPosition = getPosition,
};

} // namespace

void registerArtboardSuite(SuiteRegistry &registry) {
    registry.add(kAIArtboardSuite, kAIArtboardSuiteVersion, &kTable);
}

} // namespace vyn::host
