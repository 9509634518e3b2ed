// DrawingSize.h — the size of a generated drawing, and its seed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vyn::bench {

struct DrawingSize {
    std::size_t shapes; // paths and text frames
    std::size_t paints; // distinct paints to draw them with
    std::uint64_t seed = 1;
};

} // namespace vyn::bench
