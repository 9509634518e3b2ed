// AI Document over the open document's properties.
#include "AIDocument.h"
#include "gate/CallGate.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "model/Document.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAIDocumentSuite;

AIErr ASAPI getDocumentColorModel(AIDocumentColorModel *model) {
    return gate({kSuite, "GetDocumentColorModel", CallContext::DocumentOpen},
                [&](Host &, Document &document) {
                    require(model != nullptr, "null colour model address");
                    *model = toRecord(document.colorModel);
                    return kNoErr;
                });
}

const AIDocumentSuite kTable = {
    .GetDocumentColorModel = getDocumentColorModel,
};

} // namespace

void registerDocumentSuite(SuiteRegistry &registry) {
    registry.add(kAIDocumentSuite, kAIDocumentSuiteVersion, &kTable);
}

} // namespace vyn::host
