// IAIArtboards.h — holders for the artboard objects of the AI Artboard suite.
//
// Both fetch their object when constructed and give it back when destroyed.
// Their constructors ignore the suite's result: a holder whose call failed
// keeps a null reference, and the suite calls made with it fail in turn.
#pragma once

#include "AIArtboard.h"

namespace ai {

// An empty properties object, filled by the suite's GetArtboardProperties.
class ArtboardProperties {
  public:
    ArtboardProperties();
    ArtboardProperties(const ArtboardProperties &) = delete;
    ArtboardProperties &operator=(const ArtboardProperties &) = delete;
    ~ArtboardProperties();

    AIArtboardPropertiesRef GetRef() const noexcept { return fProperties; }

  private:
    AIArtboardPropertiesRef fProperties;
};

// A snapshot of the current document's artboard list.
class ArtboardList {
  public:
    ArtboardList();
    ArtboardList(const ArtboardList &) = delete;
    ArtboardList &operator=(const ArtboardList &) = delete;
    ~ArtboardList();

    AIArtboardListRef GetRef() const noexcept { return fList; }

  private:
    AIArtboardListRef fList;
};

} // namespace ai
