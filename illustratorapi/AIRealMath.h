/*
 * AIRealMath.h — AI Real Math: arithmetic on the host's geometry records.
 *
 * Matrices map (x, y) to (a x + c y + tx, b x + d y + ty); see AIRealMatrix
 * in ASTypes.h.
 */
#ifndef VYN_ILLUSTRATORAPI_AIREALMATH_H
#define VYN_ILLUSTRATORAPI_AIREALMATH_H

#include "ASTypes.h"

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1001

typedef struct AIRealMathSuite {
    /* Makes *matrix the pure translation by (tx, ty) points: a = d = 1,
     * b = c = 0. `matrix` must not be null. Returns nothing: it cannot fail.
     * [any time] */
    void(ASAPI *AIRealMatrixSetTranslate)(AIRealMatrix *matrix, ASReal tx, ASReal ty);
} AIRealMathSuite;

#endif /* VYN_ILLUSTRATORAPI_AIREALMATH_H */
