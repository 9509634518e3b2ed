// MemoryBlocks.h — the relocatable blocks the host hands out for lists of
// variable length (AI MdMemory): a handle is the address of a cell holding
// the address of the block's first element, so the plug-in reaches element
// i as (*handle)[i].
//
// Every block is counted until it is disposed of, so a block a plug-in
// forgets shows at shut-down. A handle given back is found by a lookup of
// its value, never by reading through it.
#pragma once

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <vector>

namespace vyn::host {

class MemoryBlocks {
  public:
    // A block holding `elements` (at least one); its handle.
    template <class T> T **make(std::vector<T> elements) {
        auto block = std::make_unique<Typed<T>>();
        block->elements = std::move(elements);
        block->first = block->elements.data();
        T **handle = &block->first;
        live_.emplace(static_cast<void *>(handle), std::move(block));
        return handle;
    }
    // Frees the block; false for a handle that is not live (never handed
    // out, or already freed), which frees nothing.
    bool dispose(void *handle) { return live_.erase(handle) == 1; }
    // Blocks handed out and not yet disposed of.
    std::size_t live() const { return live_.size(); }

  private:
    struct Block {
        virtual ~Block() = default;
    };
    template <class T> struct Typed : Block {
        std::vector<T> elements;
        T *first = nullptr;
    };
    std::unordered_map<void *, std::unique_ptr<Block>> live_;
};

} // namespace vyn::host
