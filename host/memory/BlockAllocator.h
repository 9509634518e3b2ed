// BlockAllocator.h — the SP Basic block allocator with live-block accounting.
//
// Every block is a separate heap allocation recorded with its owner (the
// plug-in that was being called when it was allocated), so the host can
// report what a plug-in still holds at shut-down and reject a free of a
// pointer it never handed out.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <optional>

#include "ASTypes.h"

namespace vyn::host {

class BlockAllocator {
  public:
    BlockAllocator() = default;
    BlockAllocator(const BlockAllocator &) = delete;
    BlockAllocator &operator=(const BlockAllocator &) = delete;
    ~BlockAllocator();

    // Null when the allocation fails (out of memory or an injected failure).
    void *allocate(std::size_t size, SPPluginRef owner);
    // False for a pointer this allocator does not own (nothing is freed).
    bool free(void *block);

    // After `n` more successful allocations every allocation fails, until
    // cleared with std::nullopt.
    void failAfter(std::optional<std::size_t> n) { failAfter_ = n; }

    std::size_t liveBlocks() const { return live_.size(); }
    std::size_t liveBytes() const;
    std::size_t liveBlocks(SPPluginRef owner) const;
    std::size_t liveBytes(SPPluginRef owner) const;
    std::size_t totalAllocations() const { return total_; }

  private:
    struct Block {
        std::size_t size;
        SPPluginRef owner;
    };
    std::unordered_map<void *, Block> live_; // by address: O(1) per allocation and free
    std::optional<std::size_t> failAfter_;
    std::size_t total_ = 0;
};

} // namespace vyn::host
