// AI Matching Art, and AI MdMemory for the lists it hands out.
#include <span>
#include <vector>

#include "AIMatchingArt.h"
#include "AIMdMemory.h"
#include "gate/CallGate.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "memory/MemoryBlocks.h"
#include "gate/SuiteRegistry.h"
#include "model/Document.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

// Lists the art of one document that meets a condition, in paint order,
// layers from first to last, each art before what it holds. Locked and
// hidden pass down: art inside a locked (or hidden) layer or group counts as
// locked (or hidden) itself.
class Matcher {
  public:
    Matcher(const Document &document, DocumentHandles &handles, std::span<const AIMatchingArtSpec> conditions)
        : document_(document), handles_(handles), conditions_(conditions) {}

    std::vector<AIArtHandle> run() {
        for (const Layer &layer : document_.layers()) {
            std::uint32_t inherited = 0;
            if (!layer.editable) inherited |= kLocked;
            if (!layer.visible) inherited |= kHidden;
            // A layer's own group stands for the layer: it is not listed.
            if (const Art *root = document_.art(layer.group)) visitChildren(*root, inherited);
        }
        return std::move(matches_);
    }

  private:
    void visit(const Art &art, std::uint32_t inherited) {
        const std::uint32_t attributes = art.attributes | inherited;
        if (meets(artTypeOf(art), attributes)) matches_.push_back(handles_.art.handleOf(art.id));
        visitChildren(art, attributes & (kLocked | kHidden));
    }
    void visitChildren(const Art &art, std::uint32_t inherited) {
        if (const Group *group = art.group())
            for (ArtId child : group->children)
                visit(*document_.art(child), inherited);
    }
    bool meets(AIArtType type, std::uint32_t attributes) const {
        for (const AIMatchingArtSpec &c : conditions_)
            if (c.type == type &&
                (attributes & static_cast<std::uint32_t>(c.whichAttr)) == static_cast<std::uint32_t>(c.attr))
                return true;
        return false;
    }

    const Document &document_;
    DocumentHandles &handles_;
    std::span<const AIMatchingArtSpec> conditions_;
    std::vector<AIArtHandle> matches_;
};

AIErr ASAPI getMatchingArt(const AIMatchingArtSpec *conditions, ASInt16 numConditions, AIArtHandle ***matches,
                           ASInt32 *numMatches) {
    if (matches) *matches = nullptr;
    if (numMatches) *numMatches = 0;
    return gate({kAIMatchingArtSuite, "GetMatchingArt", CallContext::DocumentOpen}, [&](Host &host,
                                                                                        Document &document) {
        require(conditions && matches && numMatches, "null argument");
        require(numConditions >= 1, "no condition");
        std::vector<AIArtHandle> found =
            Matcher(document, host.documentHandles(), {conditions, static_cast<std::size_t>(numConditions)})
                .run();
        if (found.empty()) return kNoErr;
        const auto count = static_cast<ASInt32>(found.size());
        *matches = host.memoryBlocks().make(std::move(found));
        *numMatches = count;
        return kNoErr;
    });
}

const AIMatchingArtSuite kMatchingTable = {
    .GetMatchingArt = getMatchingArt,
};

AIErr ASAPI mdMemoryDisposeHandle(AIMdMemoryHandle handle) {
    return gate({kAIMdMemorySuite, "MdMemoryDisposeHandle", CallContext::AnyTime}, [&](Host &host) {
        if (handle)
            require(host.memoryBlocks().dispose(handle), "memory handle not handed out or already freed");
        return kNoErr;
    });
}

const AIMdMemorySuite kMemoryTable = {
    .MdMemoryDisposeHandle = mdMemoryDisposeHandle,
};

} // namespace

void registerMatchingArtSuites(SuiteRegistry &registry) {
    registry.add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kMatchingTable);
    registry.add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kMemoryTable);
}

} // namespace vyn::host
