/*
 * AIPathStyle.h — AI Path Style: how a path is painted (its fill and its
 * stroke), the colour record shared by every suite that takes a paint, and
 * the style the host shows as current.
 *
 * Colour components are floats from 0 to 1. Handles inside a colour (pattern,
 * custom colour, gradient) name swatches of the document that holds the art.
 */
#ifndef VYN_ILLUSTRATORAPI_AIPATHSTYLE_H
#define VYN_ILLUSTRATORAPI_AIPATHSTYLE_H

#include "ASTypes.h"

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 1011

/* ---- colours ---------------------------------------------------------- */

/* The kind of an AIColor, stored in its 32-bit `kind` field. */
typedef enum AIColorTag {
    kGrayColor = 0,
    kFourColor = 1, /* process: cyan, magenta, yellow, black */
    kPattern = 2,
    kCustomColor = 3, /* a named (global) colour at a tint */
    kGradient = 4,
    kThreeColor = 5, /* red, green, blue */
    kNoneColor = 6   /* no paint */
} AIColorTag;

/* 0 is black, 1 is white. */
typedef struct AIGrayColorStyle {
    ASReal gray;
} AIGrayColorStyle;

/* 0 is no ink, 1 full ink. */
typedef struct AIFourColorStyle {
    ASReal cyan;
    ASReal magenta;
    ASReal yellow;
    ASReal black;
} AIFourColorStyle;

typedef struct AIThreeColorStyle {
    ASReal red;
    ASReal green;
    ASReal blue;
} AIThreeColorStyle;

/* A pattern and where its tile sits: shifted by `shiftDist` points in the
 * direction `shiftAngle`, scaled, rotated, optionally reflected about the
 * axis at `reflectAngle`, sheared, then mapped by `transform`. Angles are in
 * degrees. */
typedef struct AIPatternStyle {
    AIPatternHandle pattern;
    ASReal shiftDist;
    ASReal shiftAngle;
    AIRealPoint scale;
    ASReal rotate;
    ASBoolean reflect;
    ASReal reflectAngle;
    ASReal shearAngle;
    ASReal shearAxis;
    AIRealMatrix transform;
} AIPatternStyle;

/* A custom colour at a tint: 0 is full strength, 1 none of the colour. */
typedef struct AICustomColorStyle {
    AICustomColorHandle color;
    ASReal tint;
} AICustomColorStyle;

/* A gradient and its placement: the ramp starts at `gradientOrigin` and runs
 * `gradientLength` points at `gradientAngle` (degrees, anticlockwise from
 * the h axis); `matrix` then maps all of it; a radial gradient's highlight
 * lies `hiliteLength` points from the origin at `hiliteAngle` degrees.
 *
 * The placement is given in the artboard frame: points, y growing upwards,
 * from the top-left corner of the document's active artboard, so a point
 * below that corner has a negative v (a box's left edge is at h = its
 * distance from the artboard's left edge). The document keeps each placement
 * where it lands on the page; the numbers a plug-in reads and writes are
 * those of the artboard active at the time of the call, which does not
 * change during a call. Transforming art leaves its placement where it is
 * (AITransformArt.h). See docs/host-behaviour.md, "Gradient placement". */
typedef struct AIGradientStyle {
    AIGradientHandle gradient;
    AIRealPoint gradientOrigin;
    ASReal gradientAngle;
    ASReal gradientLength;
    AIRealMatrix matrix;
    ASReal hiliteAngle;
    ASReal hiliteLength;
} AIGradientStyle;

/* The value of a colour; `kind` says which member is meaningful. */
typedef union AIColorUnion {
    AIGrayColorStyle g;
    AIFourColorStyle f;
    AIPatternStyle p;
    AICustomColorStyle c;
    AIGradientStyle b;
    AIThreeColorStyle rgb;
} AIColorUnion;

typedef struct AIColor {
    ASInt32 kind; /* an AIColorTag */
    AIColorUnion c;
} AIColor;

/* ---- fill, stroke and path style -------------------------------------- */

enum { kMaxDashComponents = 6 };

/* Line caps and joins, stored in 32-bit fields. */
typedef enum AILineCap { kAIButtCap = 0, kAIRoundCap = 1, kAIProjectingCap = 2 } AILineCap;
typedef enum AILineJoin { kAIMiterJoin = 0, kAIRoundJoin = 1, kAIBevelJoin = 2 } AILineJoin;

/* A dash pattern: `length` of the six lengths (points) are used, alternately
 * dash and gap, starting `offset` points into the pattern. A length of 0 is a
 * solid line. */
typedef struct AIDashStyle {
    ASInt16 length;
    ASReal offset;
    ASReal array[kMaxDashComponents];
} AIDashStyle;

typedef struct AIFillStyle {
    AIColor color;
    ASBoolean overprint;
} AIFillStyle;

typedef struct AIStrokeStyle {
    AIColor color;
    ASBoolean overprint;
    ASReal width; /* points */
    AIDashStyle dash;
    ASInt32 cap;  /* an AILineCap */
    ASInt32 join; /* an AILineJoin */
    ASReal miterLimit;
} AIStrokeStyle;

/* How a path is painted. The fill and the stroke only show while their
 * painted flag is set; their colours are kept either way. `clip` makes the
 * path a clipping path, `lockClip` keeps that clip in place, `evenOdd` uses
 * the even-odd rule for the fill, and `resolution` is the output resolution
 * (dots per inch) for curve flattening. */
typedef struct AIPathStyle {
    ASBoolean fillPaint;
    ASBoolean strokePaint;
    AIFillStyle fill;
    AIStrokeStyle stroke;
    ASBoolean clip;
    ASBoolean lockClip;
    ASBoolean evenOdd;
    ASReal resolution;
} AIPathStyle;

/* Which fields of a current style are shared by every selected object: 1
 * where they all agree, 0 where the returned value is only the first one's. */
typedef struct AIPathStyleMap {
    ASBoolean fillPaint;
    ASBoolean strokePaint;
    ASBoolean fillColor;
    ASBoolean fillOverprint;
    ASBoolean strokeColor;
    ASBoolean strokeOverprint;
    ASBoolean strokeWidth;
    ASBoolean dash;
    ASBoolean cap;
    ASBoolean join;
    ASBoolean miterLimit;
    ASBoolean clip;
    ASBoolean lockClip;
    ASBoolean evenOdd;
    ASBoolean resolution;
} AIPathStyleMap;

/* ---- layout checks ------------------------------------------------------
 * Handles are pointers; everything after a handle is placed relative to its
 * size, so the checks hold for 32-bit and 64-bit builds alike. */

#define AS_PTR_SIZE sizeof(void *)

AS_STATIC_ASSERT(sizeof(AIGrayColorStyle) == 4, "gray is one float");
AS_STATIC_ASSERT(sizeof(AIFourColorStyle) == 16, "four-colour is four floats");
AS_STATIC_ASSERT(offsetof(AIFourColorStyle, black) == 12, "order is cyan, magenta, yellow, black");
AS_STATIC_ASSERT(sizeof(AIThreeColorStyle) == 12, "three-colour is three floats");
AS_STATIC_ASSERT(offsetof(AIThreeColorStyle, blue) == 8, "order is red, green, blue");

AS_STATIC_ASSERT(offsetof(AIPatternStyle, shiftDist) == AS_PTR_SIZE, "handle first");
AS_STATIC_ASSERT(offsetof(AIPatternStyle, scale) == AS_PTR_SIZE + 8, "then shift, scale");
AS_STATIC_ASSERT(offsetof(AIPatternStyle, reflect) == AS_PTR_SIZE + 20, "then rotate, reflect");
AS_STATIC_ASSERT(offsetof(AIPatternStyle, reflectAngle) == AS_PTR_SIZE + 24,
                 "reflect is one byte, padded to a float");
AS_STATIC_ASSERT(offsetof(AIPatternStyle, transform) == AS_PTR_SIZE + 36, "matrix last");

AS_STATIC_ASSERT(offsetof(AICustomColorStyle, tint) == AS_PTR_SIZE, "handle, then tint");

AS_STATIC_ASSERT(offsetof(AIGradientStyle, gradientOrigin) == AS_PTR_SIZE, "handle first");
AS_STATIC_ASSERT(offsetof(AIGradientStyle, gradientAngle) == AS_PTR_SIZE + 8, "origin, angle");
AS_STATIC_ASSERT(offsetof(AIGradientStyle, gradientLength) == AS_PTR_SIZE + 12, "then length");
AS_STATIC_ASSERT(offsetof(AIGradientStyle, matrix) == AS_PTR_SIZE + 16, "then matrix");
AS_STATIC_ASSERT(offsetof(AIGradientStyle, hiliteAngle) == AS_PTR_SIZE + 40, "then highlight");
AS_STATIC_ASSERT(offsetof(AIGradientStyle, hiliteLength) == AS_PTR_SIZE + 44, "angle, length");

AS_STATIC_ASSERT(offsetof(AIColor, c) == AS_PTR_SIZE, "a 32-bit kind, then the value");

AS_STATIC_ASSERT(offsetof(AIDashStyle, offset) == 4, "16-bit count, then offset");
AS_STATIC_ASSERT(offsetof(AIDashStyle, array) == 8, "then the six lengths");
AS_STATIC_ASSERT(sizeof(AIDashStyle) == 32, "AIDashStyle is a word and seven floats");

AS_STATIC_ASSERT(offsetof(AIFillStyle, overprint) == sizeof(AIColor), "colour, then overprint");
AS_STATIC_ASSERT(sizeof(AIFillStyle) == sizeof(AIColor) + AS_PTR_SIZE,
                 "one-byte overprint padded to the colour's alignment");

AS_STATIC_ASSERT(offsetof(AIStrokeStyle, overprint) == sizeof(AIColor), "colour, overprint");
AS_STATIC_ASSERT(offsetof(AIStrokeStyle, width) == sizeof(AIColor) + 4, "then width");
AS_STATIC_ASSERT(offsetof(AIStrokeStyle, dash) == sizeof(AIColor) + 8, "then dash");
AS_STATIC_ASSERT(offsetof(AIStrokeStyle, cap) == sizeof(AIColor) + 40, "then cap");
AS_STATIC_ASSERT(offsetof(AIStrokeStyle, join) == sizeof(AIColor) + 44, "then join");
AS_STATIC_ASSERT(offsetof(AIStrokeStyle, miterLimit) == sizeof(AIColor) + 48, "miter last");

AS_STATIC_ASSERT(offsetof(AIPathStyle, strokePaint) == 1, "two one-byte painted flags first");
AS_STATIC_ASSERT(offsetof(AIPathStyle, fill) == AS_PTR_SIZE, "then the fill, aligned");
AS_STATIC_ASSERT(offsetof(AIPathStyle, stroke) == offsetof(AIPathStyle, fill) + sizeof(AIFillStyle),
                 "then the stroke");
AS_STATIC_ASSERT(offsetof(AIPathStyle, clip) == offsetof(AIPathStyle, stroke) + sizeof(AIStrokeStyle),
                 "then the clip flag");
AS_STATIC_ASSERT(offsetof(AIPathStyle, lockClip) == offsetof(AIPathStyle, clip) + 1,
                 "clip, lock-clip, even-odd are one byte each");
AS_STATIC_ASSERT(offsetof(AIPathStyle, evenOdd) == offsetof(AIPathStyle, clip) + 2,
                 "clip, lock-clip, even-odd are one byte each");
AS_STATIC_ASSERT(offsetof(AIPathStyle, resolution) == offsetof(AIPathStyle, clip) + 4,
                 "the resolution is the last field");

AS_STATIC_ASSERT(sizeof(AIPathStyleMap) == 15, "one byte per field of the path style");

#undef AS_PTR_SIZE

/* ---- the suite -------------------------------------------------------- */

typedef struct AIPathStyleSuite {
    /* Copies the path's style into *style. Returns 0, or kBadParameterErr
     * for a stale handle or art that is not a path; on failure *style is
     * left as it was. [document open] */
    AIErr(ASAPI *GetPathStyle)(AIArtHandle path, AIPathStyle *style);

    /* Gives the path the style *style (copied). Every handle in the two
     * colours must name a live swatch of the path's document, and each kind
     * must be an AIColorTag.
     * Returns 0, or kBadParameterErr for a stale path, art that is not a
     * path, an unknown kind or a stale swatch handle, which leaves the path's
     * style as it was. [document open] */
    AIErr(ASAPI *SetPathStyle)(AIArtHandle path, const AIPathStyle *style);

    /* The style the host shows as current. While some art carries the
     * fully-selected mark (kArtFullySelected, AIArt.h), it is the style of
     * the one that received the mark most recently, alone: *map is then all
     * 1 and *mixed 0. Otherwise it follows the selection (art carrying
     * kArtSelected): the style of the selected art; with nothing selected,
     * the style new art receives. A text frame's style is the paint of its
     * text. The mark changes no selection, so marking a text frame, reading
     * this style and clearing the mark reads the frame's paint and leaves the
     * user's selection as it was. `map` (may be null) receives which fields
     * every object the style was read from shares; `mixed` (may be null)
     * receives 1 when those objects differ in any field, in which case
     * *style holds the first one's values where they differ.
     * Returns 0, or kBadContextErr when no document is open; on failure the
     * out-parameters are left as they were. [document open]
     * See docs/host-behaviour.md, "Current path style". */
    AIErr(ASAPI *GetCurrentPathStyle)(AIPathStyle *style, AIPathStyleMap *map, ASBoolean *mixed);
} AIPathStyleSuite;

#endif /* VYN_ILLUSTRATORAPI_AIPATHSTYLE_H */
