/*
 * AIMdMemory.h — AI MdMemory: the host's relocatable memory blocks. Suites
 * that return a list of variable length (AIMatchingArtSuite's GetMatchingArt)
 * hand it out as such a block, which the caller gives back here.
 *
 * A block is reached through its handle: *handle is the address of the
 * block's first element. The handing suite types the handle by its elements
 * (GetMatchingArt: AIArtHandle **); that typed handle is passed here as it
 * is, since it converts to AIMdMemoryHandle (void *) without a cast.
 */
#ifndef VYN_ILLUSTRATORAPI_AIMDMEMORY_H
#define VYN_ILLUSTRATORAPI_AIMDMEMORY_H

#include "ASTypes.h"

#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1001

typedef struct AIMdMemorySuite {
    /* Frees the block and its handle; both become invalid. `handle` is the
     * typed handle the handing suite gave out (AIArtHandle ** from
     * GetMatchingArt), unchanged. A null handle is ignored. Returns 0, or kBadParameterErr for a handle the
     * host did not hand out or has already freed (the host reports the plug-in as misbehaving). [any time] */
    AIErr(ASAPI *MdMemoryDisposeHandle)(AIMdMemoryHandle handle);
} AIMdMemorySuite;

#endif /* VYN_ILLUSTRATORAPI_AIMDMEMORY_H */
