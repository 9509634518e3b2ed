// Ids.h — identities of the things a document holds.
//
// An id is a number that is never reused in the life of the process, so an
// id from a deleted art or a closed document finds nothing instead of
// finding something else. Each kind has its own type, so an art id cannot be
// passed where a swatch id is meant.
#pragma once

#include <cstdint>
#include <functional>

namespace vyn::host {

template <class Tag> struct Id {
    std::uint64_t value = 0; // 0 is no object

    explicit operator bool() const { return value != 0; }
    friend bool operator==(Id, Id) = default;
    friend auto operator<=>(Id, Id) = default;
};

// The next number of the process-wide sequence all ids draw from.
std::uint64_t nextModelId();

template <class Tag> Id<Tag> newId() { return Id<Tag>{nextModelId()}; }

using ArtId = Id<struct ArtTag>;
using LayerId = Id<struct LayerTag>;
using PatternId = Id<struct PatternTag>;
using GradientId = Id<struct GradientTag>;
using CustomColorId = Id<struct CustomColorTag>;

} // namespace vyn::host

template <class Tag> struct std::hash<vyn::host::Id<Tag>> {
    std::size_t operator()(vyn::host::Id<Tag> id) const noexcept {
        return std::hash<std::uint64_t>{}(id.value);
    }
};
