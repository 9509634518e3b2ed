/*
 * AIATEPaint.h — AIATE Paint: turns the host's colour records into the text
 * engine's paints, so that text can be painted like art.
 */
#ifndef VYN_ILLUSTRATORAPI_AIATEPAINT_H
#define VYN_ILLUSTRATORAPI_AIATEPAINT_H

#include "ASTypes.h"
#include "AIPathStyle.h"
#include "ATESuites.h"

#define kAIATEPaintSuite "AIATE Paint Suite"
#define kAIATEPaintSuiteVersion 1001

typedef struct AIATEPaintSuite {
    /* A new text-engine paint holding a copy of *color, with one count that
     * the caller gives back through the ATE ApplicationPaint suite's
     * Release. The kind must be an AIColorTag, and a pattern, custom colour
     * or gradient handle must name a live swatch.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a null colour, an
     * unknown kind or a stale swatch handle; on failure *paint is null.
     * [any time] */
    AIErr(ASAPI *CreateATEApplicationPaint)(const AIColor *color, ATE_NS ApplicationPaintRef *paint);
} AIATEPaintSuite;

#endif /* VYN_ILLUSTRATORAPI_AIATEPAINT_H */
