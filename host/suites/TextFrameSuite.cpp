// AI Text Frame over the open document: point-text frames made inside a
// group, their anchors, and text ranges over their stories.
#include "AITextFrame.h"
#include "gate/CallGate.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "text/TextEngine.h"
#include "model/Document.h"
#include "suites/EditableLayer.h"
#include "suites/HandleLookup.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAITextFrameSuite;

Art &artOf(Host &host, Document &document, AIArtHandle handle) {
    return lookUp(
        host.documentHandles().art, handle, [&](ArtId id) { return document.art(id); }, "stale art handle");
}

TextOrientation orientationOf(AITextOrientation orientation) {
    switch (orientation) {
    case kHorizontalTextOrientation: return TextOrientation::Horizontal;
    case kVerticalTextOrientation: return TextOrientation::Vertical;
    }
    throw HostError(kBadParameterErr, "unknown text orientation " + std::to_string(orientation));
}

AIErr ASAPI newPointText(AIPaintOrder paintOrder, AIArtHandle prep, AITextOrientation orientation,
                         AIRealPoint anchor, AIArtHandle *newFrame) {
    if (newFrame) *newFrame = nullptr;
    return gate({kSuite, "NewPointText", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        require(newFrame != nullptr, "null frame address");
        require(paintOrder == kPlaceInsideOnTop, "only kPlaceInsideOnTop is offered");
        const Art &group = artOf(host, document, prep);
        require(group.group() != nullptr, "new text goes inside a group");
        TextFrame frame;
        frame.anchor = toModel(anchor);
        frame.orientation = orientationOf(orientation);
        if (!takesNewArt(document, group.layer)) return kCantHappenErr;
        const ArtId id = document.addArt(group.id, std::move(frame)).id;
        *newFrame = host.documentHandles().art.handleOf(id);
        return kNoErr;
    });
}

AIErr ASAPI getPointTextAnchor(AIArtHandle frame, AIRealPoint *anchor) {
    return gate({kSuite, "GetPointTextAnchor", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    const TextFrame *text = artOf(host, document, frame).textFrame();
                    require(text != nullptr, "the art is not a point-text frame");
                    require(anchor != nullptr, "null anchor address");
                    *anchor = toRecord(text->anchor);
                    return kNoErr;
                });
}

AIErr ASAPI getATETextRange(AIArtHandle frame, ATE::TextRangeRef *range) {
    if (range) *range = nullptr;
    return gate({kSuite, "GetATETextRange", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const Art &art = artOf(host, document, frame);
        require(art.textFrame() != nullptr, "the art is not a text frame");
        require(range != nullptr, "null range address");
        *range = host.textEngine().make<ATE::TextRangeRef>(TextRange{art.id});
        return kNoErr;
    });
}

const AITextFrameSuite kTable = {
    .NewPointText = newPointText,
    .GetPointTextAnchor = getPointTextAnchor,
    .GetATETextRange = getATETextRange,
};

} // namespace

void registerTextFrameSuite(SuiteRegistry &registry) {
    registry.add(kAITextFrameSuite, kAITextFrameSuiteVersion, &kTable);
}

} // namespace vyn::host
