#include "memory/BlockAllocator.h"

#include <cstdlib>

namespace vyn::host {

BlockAllocator::~BlockAllocator() {
    // Blocks a plug-in leaked are reported at shut-down; they are freed here
    // so the host itself leaks nothing.
    for (auto &[block, info] : live_)
        std::free(block);
}

void *BlockAllocator::allocate(std::size_t size, SPPluginRef owner) {
    if (failAfter_) {
        if (*failAfter_ == 0) return nullptr;
        --*failAfter_;
    }
    // A zero-sized request still yields a distinct block, as operator new needs.
    void *block = std::malloc(size == 0 ? 1 : size);
    if (!block) return nullptr;
    live_[block] = Block{size, owner};
    ++total_;
    return block;
}

bool BlockAllocator::free(void *block) {
    auto it = live_.find(block);
    if (it == live_.end()) return false;
    std::free(block);
    live_.erase(it);
    return true;
}

std::size_t BlockAllocator::liveBytes() const {
    std::size_t bytes = 0;
    for (const auto &[block, info] : live_)
        bytes += info.size;
    return bytes;
}

std::size_t BlockAllocator::liveBlocks(SPPluginRef owner) const {
    std::size_t n = 0;
    for (const auto &[block, info] : live_)
        n += info.owner == owner;
    return n;
}

std::size_t BlockAllocator::liveBytes(SPPluginRef owner) const {
    std::size_t bytes = 0;
    for (const auto &[block, info] : live_)
        if (info.owner == owner) bytes += info.size;
    return bytes;
}

} // namespace vyn::host
