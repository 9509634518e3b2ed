// IAIArtboards.cpp — the artboard holders over the AI Artboard suite.
#include "IAIArtboards.h"

#include "SuiteGlobals.h"

namespace ai {

ArtboardProperties::ArtboardProperties() : fProperties(nullptr) {
    sAIArtboard->InitArtboardProperties(&fProperties);
}

ArtboardProperties::~ArtboardProperties() {
    // Called even for a null reference; the suite ignores it.
    if (sAIArtboard != nullptr) sAIArtboard->DisposeArtboardProperties(&fProperties);
}

ArtboardList::ArtboardList() : fList(nullptr) { sAIArtboard->GetArtboardList(&fList); }

ArtboardList::~ArtboardList() {
    if (fList != nullptr && sAIArtboard != nullptr) sAIArtboard->ReleaseArtboardList(&fList);
}

} // namespace ai
