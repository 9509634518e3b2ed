// ASMemory.cpp — the plug-in's global allocation functions.
//
// Every allocation of the plug-in, the plug-in object included, takes a block
// from the host's block allocator through the SP Basic suite, never from the
// C runtime heap. Blocks outlive an unload of the plug-in's code, which is what
// lets the plug-in object survive between an unload and the next reload.
//
// None of these functions throws. The throwing forms return null on failure
// like the non-throwing ones, so the plug-in is built with -fcheck-new: the
// compiler must not assume that `new` yields a non-null pointer, and every
// caller tests the result.
#include <cstddef>
#include <cstdint>
#include <new>

#include "SPSuites.h"

// Refreshed from every message header by PluginMain; null before the first.
extern SPBasicSuite *sSPBasic;

namespace {

void *AllocateFromHost(std::size_t size) noexcept {
    if (sSPBasic == nullptr) return nullptr;
    // A zero-byte request still has to yield a distinct block.
    void *block = nullptr;
    if (sSPBasic->AllocateBlock(size != 0 ? size : 1, &block) != kNoErr) return nullptr;
    return block;
}

void FreeToHost(void *block) noexcept {
    if (sSPBasic != nullptr && block != nullptr) sSPBasic->FreeBlock(block);
}

// Over-aligned requests: the host aligns blocks for any fundamental type only,
// so a larger alignment is obtained by over-allocating and keeping the host's
// block address in the word just before the aligned address.
void *AllocateAligned(std::size_t size, std::align_val_t alignment) noexcept {
    const std::size_t align = static_cast<std::size_t>(alignment);
    if (align <= alignof(std::max_align_t)) return AllocateFromHost(size);
    const std::size_t extra = align + sizeof(void *);
    if (size > SIZE_MAX - extra) return nullptr;
    void *block = AllocateFromHost(size + extra);
    if (block == nullptr) return nullptr;
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(block) + sizeof(void *);
    const std::uintptr_t aligned = (start + align - 1) & ~(static_cast<std::uintptr_t>(align) - 1);
    reinterpret_cast<void **>(aligned)[-1] = block;
    return reinterpret_cast<void *>(aligned);
}

void FreeAligned(void *p, std::align_val_t alignment) noexcept {
    if (p == nullptr) return;
    if (static_cast<std::size_t>(alignment) <= alignof(std::max_align_t))
        FreeToHost(p);
    else
        FreeToHost(static_cast<void **>(p)[-1]);
}

} // namespace

void *operator new(std::size_t size) { return AllocateFromHost(size); }
void *operator new[](std::size_t size) { return AllocateFromHost(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept { return AllocateFromHost(size); }
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept { return AllocateFromHost(size); }

void *operator new(std::size_t size, std::align_val_t al) { return AllocateAligned(size, al); }
void *operator new[](std::size_t size, std::align_val_t al) { return AllocateAligned(size, al); }
void *operator new(std::size_t size, std::align_val_t al, const std::nothrow_t &) noexcept {
    return AllocateAligned(size, al);
}
void *operator new[](std::size_t size, std::align_val_t al, const std::nothrow_t &) noexcept {
    return AllocateAligned(size, al);
}

void operator delete(void *p) noexcept { FreeToHost(p); }
void operator delete[](void *p) noexcept { FreeToHost(p); }
void operator delete(void *p, const std::nothrow_t &) noexcept { FreeToHost(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { FreeToHost(p); }
void operator delete(void *p, std::size_t) noexcept { FreeToHost(p); }
void operator delete[](void *p, std::size_t) noexcept { FreeToHost(p); }

void operator delete(void *p, std::align_val_t al) noexcept { FreeAligned(p, al); }
void operator delete[](void *p, std::align_val_t al) noexcept { FreeAligned(p, al); }
void operator delete(void *p, std::align_val_t al, const std::nothrow_t &) noexcept { FreeAligned(p, al); }
void operator delete[](void *p, std::align_val_t al, const std::nothrow_t &) noexcept { FreeAligned(p, al); }
void operator delete(void *p, std::size_t, std::align_val_t al) noexcept { FreeAligned(p, al); }
void operator delete[](void *p, std::size_t, std::align_val_t al) noexcept { FreeAligned(p, al); }
