/*
 * AIPattern.h — AI Pattern: the document's patterns, which paints use with a
 * placement (AIPatternStyle in AIPathStyle.h).
 *
 * Names are host Unicode strings; a plug-in written in C++ passes the
 * reference held by its ai::UnicodeString.
 */
#ifndef VYN_ILLUSTRATORAPI_AIPATTERN_H
#define VYN_ILLUSTRATORAPI_AIPATTERN_H

#include "ASTypes.h"

#define kAIPatternSuite "AI Pattern Suite"
#define kAIPatternSuiteVersion 1008

typedef struct AIPatternSuite {
    /* Copies the pattern's name into *name. A null *name receives a new
     * string, which the caller owns until the Unicode String suite's
     * Dispose; an existing one is overwritten in place.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale handle or
     * string; on failure *name is left as it was. [document open] */
    AIErr(ASAPI *GetPatternName)(AIPatternHandle pattern, AIUnicodeStringRef *name);
} AIPatternSuite;

#endif /* VYN_ILLUSTRATORAPI_AIPATTERN_H */
