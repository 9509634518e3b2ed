/*
 * AIPath.h — AI Path: the geometry of a path art, a run of segments that is
 * open or closed.
 *
 * Coordinates are document points, y growing upwards. A closed path has one
 * more side, from its last segment back to its first.
 */
#ifndef VYN_ILLUSTRATORAPI_AIPATH_H
#define VYN_ILLUSTRATORAPI_AIPATH_H

#include "ASTypes.h"

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 1009

/* One anchor of a path: the anchor point, the handle that shapes the curve
 * arriving at it and the handle that shapes the curve leaving it. Handles
 * equal to the anchor make straight sides. `corner` is 1 when the two
 * handles may point in independent directions. */
typedef struct AIPathSegment {
    AIRealPoint p;
    AIRealPoint in;
    AIRealPoint out;
    ASBoolean corner;
} AIPathSegment;

AS_STATIC_ASSERT(offsetof(AIPathSegment, in) == 8, "AIPathSegment order is p, in, out");
AS_STATIC_ASSERT(offsetof(AIPathSegment, out) == 16, "AIPathSegment order is p, in, out");
AS_STATIC_ASSERT(offsetof(AIPathSegment, corner) == 24, "the corner flag follows the points");
AS_STATIC_ASSERT(sizeof(AIPathSegment) == 28, "AIPathSegment is three points and a one-byte flag");

typedef struct AIPathSuite {
    /* The number of segments of the path. Returns 0, or kBadParameterErr
     * for a stale handle or art that is not a path, in which case *count is
     * 0. [document open] */
    AIErr(ASAPI *GetPathSegmentCount)(AIArtHandle path, ASInt16 *count);

    /* Makes the path `count` segments long (0 or more). Segments kept keep
     * their values; added segments are corners at the last anchor (at the
     * origin for a path that had none).
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale handle,
     * art that is not a path or a negative count. [document open] */
    AIErr(ASAPI *SetPathSegmentCount)(AIArtHandle path, ASInt16 count);

    /* Copies segments first .. first + count - 1 into `segments`, which holds
     * `count` records. Returns 0, or kBadParameterErr for a stale handle, art
     * that is not a path or a run outside the path; on failure `segments` is
     * left as it was. [document open] */
    AIErr(ASAPI *GetPathSegments)(AIArtHandle path, ASInt16 first, ASInt16 count, AIPathSegment *segments);

    /* Replaces segments first .. first + count - 1 with the `count` records
     * of `segments`. The path's length does not change: set the count first.
     * Returns 0, or kBadParameterErr for a stale handle, art that is not a
     * path or a run outside the path, which leaves the path as it was.
     * [document open] */
    AIErr(ASAPI *SetPathSegments)(AIArtHandle path, ASInt16 first, ASInt16 count,
                                  const AIPathSegment *segments);

    /* Whether the path is closed. Returns 0, or kBadParameterErr for a stale
     * handle or art that is not a path, in which case *closed is 0.
     * [document open] */
    AIErr(ASAPI *GetPathClosed)(AIArtHandle path, ASBoolean *closed);

    /* Closes (non-zero) or opens (0) the path. Returns 0, or kBadParameterErr
     * for a stale handle or art that is not a path. [document open] */
    AIErr(ASAPI *SetPathClosed)(AIArtHandle path, ASBoolean closed);
} AIPathSuite;

#endif /* VYN_ILLUSTRATORAPI_AIPATH_H */
