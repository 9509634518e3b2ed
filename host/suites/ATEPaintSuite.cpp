// AIATE Paint: the host's colour records as text-engine paints.
#include "AIATEPaint.h"
#include "gate/CallGate.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "text/TextEngine.h"
#include "model/Document.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

AIErr ASAPI createATEApplicationPaint(const AIColor *color, ATE::ApplicationPaintRef *paint) {
    if (paint) *paint = nullptr;
    return gate({kAIATEPaintSuite, "CreateATEApplicationPaint", CallContext::AnyTime}, [&](Host &host) {
        require(color != nullptr, "null colour");
        require(paint != nullptr, "null paint address");
        // With no document open, only colours that name no swatch convert.
        TextPaint text{toModel(*color, host.documentHandles(), host.documents().current())};
        *paint = host.textEngine().make<ATE::ApplicationPaintRef>(std::move(text));
        return kNoErr;
    });
}

const AIATEPaintSuite kTable = {
    .CreateATEApplicationPaint = createATEApplicationPaint,
};

} // namespace

void registerATEPaintSuite(SuiteRegistry &registry) {
    registry.add(kAIATEPaintSuite, kAIATEPaintSuiteVersion, &kTable);
}

} // namespace vyn::host
