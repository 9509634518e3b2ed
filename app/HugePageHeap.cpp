#include "HugePageHeap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace vyn::app {

std::size_t heapRoomFor(std::size_t largestInput) {
    constexpr std::size_t kLeast = std::size_t{512} << 20;
    constexpr std::size_t kMost = std::size_t{2047} << 20; // mallopt takes an int
    return std::clamp(largestInput > kMost / 10 ? kMost : 10 * largestInput, kLeast, kMost);
}

void useHugePagesForHeap(std::size_t room) {
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    // The file's bytes and the parser's copy (up to 32 MiB each, the most
    // glibc allows here) come from the heap too, and the heap keeps its
    // room when they are freed.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(room));
    mallopt(M_TOP_PAD, static_cast<int>(room));
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // Bigger than what is free at the heap's top: the heap grows, by this
    // and by the pad.
    // (volatile: a compiler may drop an allocation freed unused.)
    void *volatile growth = std::malloc(std::size_t{1} << 20);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    std::free(growth);
    const std::uintptr_t start = (before + kHugePage - 1) & ~(kHugePage - 1);
    if (after > start) madvise(reinterpret_cast<void *>(start), after - start, MADV_HUGEPAGE);
}

} // namespace vyn::app
