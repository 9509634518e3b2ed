// AI Path Style over the open document: the styles of paths, and the style
// the host shows as current (model/CurrentStyle.h).
#include "AIPathStyle.h"
#include "gate/CallGate.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "model/CurrentStyle.h"
#include "model/Document.h"
#include "suites/HandleLookup.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAIPathStyleSuite;

PathShape &pathOf(Host &host, Document &document, AIArtHandle handle) {
    Art &art = lookUp(
        host.documentHandles().art, handle, [&](ArtId id) { return document.art(id); }, "stale art handle");
    require(art.path() != nullptr, "the art is not a path");
    return *art.path();
}

AIErr ASAPI getPathStyle(AIArtHandle path, AIPathStyle *style) {
    return gate({kSuite, "GetPathStyle", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const PathShape &shape = pathOf(host, document, path);
        require(style != nullptr, "null style address");
        *style = toRecord(shape.style, host.documentHandles(), document);
        return kNoErr;
    });
}

AIErr ASAPI setPathStyle(AIArtHandle path, const AIPathStyle *style) {
    return gate({kSuite, "SetPathStyle", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        PathShape &shape = pathOf(host, document, path);
        require(style != nullptr, "null style");
        shape.style = toModel(*style, host.documentHandles(), &document); // converts all before it assigns
        return kNoErr;
    });
}

AIErr ASAPI getCurrentPathStyle(AIPathStyle *style, AIPathStyleMap *map, ASBoolean *mixed) {
    return gate({kSuite, "GetCurrentPathStyle", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    require(style != nullptr, "null style address");
                    const CurrentStyle current = currentStyle(document);
                    const AIPathStyle record = toRecord(current.style, host.documentHandles(), document);
                    *style = record;
                    if (map) *map = toRecord(current.shared);
                    if (mixed) *mixed = current.mixed;
                    return kNoErr;
                });
}

const AIPathStyleSuite kTable = {
    .GetPathStyle = getPathStyle,
    .SetPathStyle = setPathStyle,
    .GetCurrentPathStyle = getCurrentPathStyle,
};

} // namespace

void registerPathStyleSuite(SuiteRegistry &registry) {
    registry.add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kTable);
}

} // namespace vyn::host
