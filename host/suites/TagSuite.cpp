// AI Tag: named string values on art.
#include <cstring>

#include "AITag.h"
#include "gate/CallGate.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"
#include "model/Document.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAITagSuite;

AIErr ASAPI setTag(AIArtHandle art, const char *name, const char *type, const void *value) {
    return gate({kSuite, "SetTag", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        Art &a = artOf(host.documentHandles(), document, art);
        require(name != nullptr && *name != '\0', "null or empty tag name");
        require(type != nullptr && std::strcmp(type, kTagString) == 0, "the only tag type is \"string\"");
        require(value != nullptr, "null tag value");
        a.tags[name] = Tag{kTagString, static_cast<const char *>(value)};
        return kNoErr;
    });
}

AIErr ASAPI getTag(AIArtHandle art, const char *name, void *value) {
    return gate({kSuite, "GetTag", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        const Art &a = artOf(host.documentHandles(), document, art);
        require(name != nullptr, "null tag name");
        auto it = a.tags.find(name);
        if (it == a.tags.end()) return kNotFoundErr;
        if (value) *static_cast<const char **>(value) = it->second.value.c_str();
        return kNoErr;
    });
}

const AITagSuite kTable = {
    .SetTag = setTag,
    .GetTag = getTag,
};

} // namespace

void registerTagSuite(SuiteRegistry &registry) { registry.add(kAITagSuite, kAITagSuiteVersion, &kTable); }

} // namespace vyn::host
