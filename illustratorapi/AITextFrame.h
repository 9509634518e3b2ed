/*
 * AITextFrame.h — AI Text Frame: text art. A point-text frame is a line of
 * text that starts at its anchor; its characters live in the text engine and
 * are reached through a text range (ATESuites.h).
 */
#ifndef VYN_ILLUSTRATORAPI_AITEXTFRAME_H
#define VYN_ILLUSTRATORAPI_AITEXTFRAME_H

#include "ASTypes.h"
#include "AIArt.h"
#include "ATESuites.h"

#define kAITextFrameSuite "AI Text Frame Suite"
#define kAITextFrameSuiteVersion 1002

/* The direction text runs in (32-bit). */
typedef ASInt32 AITextOrientation;
enum { kHorizontalTextOrientation = 0, kVerticalTextOrientation = 1 };

typedef struct AITextFrameSuite {
    /* Makes a new, empty point-text frame (art type kTextFrameArt) placed by
     * `paintOrder` relative to `prep`, with the given orientation and its
     * anchor at `anchor` (document points). As with AIArtSuite's NewArt, only
     * kPlaceInsideOnTop into a group is offered. `newFrame` receives the
     * handle, valid until the frame is disposed of.
     * Returns 0; kBadParameterErr for another paint order, a stale prep or a
     * prep that is not a group, or an unknown orientation; kCantHappenErr
     * when prep's layer is locked or hidden; kOutOfMemoryErr. On failure
     * *newFrame is null. [document open]
     * See docs/host-behaviour.md, "Text frames". */
    AIErr(ASAPI *NewPointText)(AIPaintOrder paintOrder, AIArtHandle prep, AITextOrientation orientation,
                               AIRealPoint anchor, AIArtHandle *newFrame);

    /* The anchor of a point-text frame, where its first baseline starts, in
     * document points as it stands now (after any transformation).
     * Returns 0, or kBadParameterErr for a stale handle or art that is not a
     * point-text frame; on failure *anchor is left as it was.
     * [document open] */
    AIErr(ASAPI *GetPointTextAnchor)(AIArtHandle frame, AIRealPoint *anchor);

    /* The text range covering the frame's whole text, with one count that
     * the caller gives back through the ATE TextRange suite's Release. The
     * range follows the text as it is edited.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale handle or
     * art that is not a text frame; on failure *range is null.
     * [document open] See docs/host-behaviour.md, "Text frames". */
    AIErr(ASAPI *GetATETextRange)(AIArtHandle frame, ATE_NS TextRangeRef *range);
} AITextFrameSuite;

#endif /* VYN_ILLUSTRATORAPI_AITEXTFRAME_H */
