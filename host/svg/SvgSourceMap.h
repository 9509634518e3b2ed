// SvgSourceMap.h — the map from the document's art to the elements it came
// from (SvgSource::elements and SvgSource::art), as the builder makes it.
//
// Each shape, text and <use> element that makes art is one entry, with all
// the art made from it; what an element makes inside another's entry (the
// content of a <use>) belongs to the outer one. Groups are not entries, so
// entries never overlap. While recording is paused (the earlier chart layer,
// which the writer replaces whole) no entry is opened.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "model/Ids.h"
#include "svg/SvgSource.h"

namespace vyn::host::svg {

class SourceMapRecorder {
  public:
    void reserve(std::size_t elements);

    // Opens the element at `span` as the one whose art is being made; false
    // (and nothing opened) inside another entry or while paused.
    bool open(ByteSpan span);
    // Closes what open() opened; an element that made no art is dropped.
    void close(bool opened);
    // `id` was made from the open element, if any.
    void record(ArtId id) {
        if (!open_) return;
        art_.push_back(id);
        ++elements_[*open_].artCount;
    }
    void pause(bool paused) { paused_ = paused; }
    void clear();

    std::vector<SourceElement> takeElements() { return std::move(elements_); }
    std::vector<ArtId> takeArt() { return std::move(art_); }

  private:
    std::vector<SourceElement> elements_;
    std::vector<ArtId> art_;
    std::optional<std::size_t> open_;
    bool paused_ = false;
};

} // namespace vyn::host::svg
