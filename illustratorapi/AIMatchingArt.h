/*
 * AIMatchingArt.h — AI Matching Art: finds the art of the current document
 * that has a given type and given user attributes.
 */
#ifndef VYN_ILLUSTRATORAPI_AIMATCHINGART_H
#define VYN_ILLUSTRATORAPI_AIMATCHINGART_H

#include "ASTypes.h"
#include "AIArt.h"

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 1005

/* One condition: art of type `type` whose user attributes, masked by
 * `whichAttr`, equal `attr` (bits as in AIArt.h; a zero mask accepts any
 * attributes). */
typedef struct AIMatchingArtSpec {
    AIArtType type;
    AIArtUserAttr whichAttr;
    AIArtUserAttr attr;
} AIMatchingArtSpec;

AS_STATIC_ASSERT(offsetof(AIMatchingArtSpec, whichAttr) == 4, "16-bit type, then the mask");
AS_STATIC_ASSERT(offsetof(AIMatchingArtSpec, attr) == 8, "then the values");
AS_STATIC_ASSERT(sizeof(AIMatchingArtSpec) == 12, "AIMatchingArtSpec is three words");

typedef struct AIMatchingArtSuite {
    /* Every art of the current document, in every layer and at any depth of
     * groups, that meets at least one of the `numConditions` conditions,
     * each art listed once, in an order the host fixes. *matches receives a
     * memory block (AIMdMemory.h) holding *numMatches art handles, reached
     * as (*matches)[i]; the caller frees it by handing that same
     * AIArtHandle ** to MdMemoryDisposeHandle, which takes it without a cast
     * (AIMdMemoryHandle is void *). With no match, *numMatches is 0 and
     * *matches is null (nothing to free).
     * Whether a locked or hidden enclosing group or layer makes its art
     * count as locked or hidden is the host's choice.
     * Returns 0, kOutOfMemoryErr, kBadContextErr when no document is open,
     * or kBadParameterErr for a null argument or numConditions below 1; on
     * failure *matches is null and *numMatches 0. [document open]
     * See docs/host-behaviour.md, "Matching art". */
    AIErr(ASAPI *GetMatchingArt)(const AIMatchingArtSpec *conditions, ASInt16 numConditions,
                                 AIArtHandle ***matches, ASInt32 *numMatches);
} AIMatchingArtSuite;

#endif /* VYN_ILLUSTRATORAPI_AIMATCHINGART_H */
