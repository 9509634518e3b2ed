/*
 * AIGradient.h — AI Gradient: the document's gradients, which paints use
 * with a placement (AIGradientStyle in AIPathStyle.h).
 *
 * Names are host Unicode strings; a plug-in written in C++ passes the
 * reference held by its ai::UnicodeString.
 */
#ifndef VYN_ILLUSTRATORAPI_AIGRADIENT_H
#define VYN_ILLUSTRATORAPI_AIGRADIENT_H

#include "ASTypes.h"

#define kAIGradientSuite "AI Gradient Suite"
#define kAIGradientSuiteVersion 1007

/* The shape of a gradient's ramp, as a 16-bit signed word. */
typedef ASInt16 AIGradientType;
enum { kLinearGradient = 0, kRadialGradient = 1 };

typedef struct AIGradientSuite {
    /* Copies the gradient's name into *name. A null *name receives a new
     * string, which the caller owns until the Unicode String suite's
     * Dispose; an existing one is overwritten in place.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale handle or
     * string; on failure *name is left as it was. [document open] */
    AIErr(ASAPI *GetGradientName)(AIGradientHandle gradient, AIUnicodeStringRef *name);

    /* The gradient's type: kLinearGradient or kRadialGradient. Returns 0, or
     * kBadParameterErr for a stale handle, in which case *type is left as it
     * was. [document open] */
    AIErr(ASAPI *GetGradientType)(AIGradientHandle gradient, AIGradientType *type);
} AIGradientSuite;

#endif /* VYN_ILLUSTRATORAPI_AIGRADIENT_H */
