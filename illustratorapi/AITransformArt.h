/*
 * AITransformArt.h — AI Transform Art: moves, scales, rotates or otherwise
 * maps art by an affine matrix.
 */
#ifndef VYN_ILLUSTRATORAPI_AITRANSFORMART_H
#define VYN_ILLUSTRATORAPI_AITRANSFORMART_H

#include "ASTypes.h"

#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1001

/* What a transformation applies to (bits of a 32-bit word). */
typedef ASInt32 AITransformArtOptions;
enum {
    /* The art's own geometry: the anchors and handles of a path, the anchor
     * of a text frame, every child of a group. */
    kTransformObjects = 1
    /* Other bits are reserved and refused. */
};

typedef struct AITransformArtSuite {
    /* Maps `art` by *matrix (document points). With kTransformObjects its
     * geometry moves, and only its geometry: the pattern and gradient
     * placements in its style stay where they are on the page, so the art
     * moves under its paint. A plug-in that wants a paint placed on the art
     * where it now stands sets the style after the move (AIPathStyle.h gives
     * the frame of a gradient's placement). `lineScale` multiplies the
     * stroke widths when it is above 0; 0 leaves them unchanged.
     * Returns 0, or kBadParameterErr for a stale handle, a null matrix, a
     * negative line scale or an unknown option bit, which leaves the art as
     * it was. [document open]
     * See docs/host-behaviour.md, "Art tree". */
    AIErr(ASAPI *TransformArt)(AIArtHandle art, const AIRealMatrix *matrix, ASReal lineScale,
                               AITransformArtOptions flags);
} AITransformArtSuite;

#endif /* VYN_ILLUSTRATORAPI_AITRANSFORMART_H */
