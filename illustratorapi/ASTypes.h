/*
 * ASTypes.h — scalar types, result codes, geometry records and opaque handles
 * shared by all suite families.
 *
 * Result codes are 32-bit signed; 0 is success. Four-character codes are
 * packed most significant character first, so 'MEM!' is 0x214D454D.
 * Booleans inside records are one byte (ASBoolean).
 */
#ifndef VYN_ILLUSTRATORAPI_ASTYPES_H
#define VYN_ILLUSTRATORAPI_ASTYPES_H

#include "ASConfig.h"

/* ---- scalars ---------------------------------------------------------- */

typedef int8_t ASInt8;
typedef uint8_t ASUInt8;
typedef int16_t ASInt16;
typedef uint16_t ASUInt16;
typedef int32_t ASInt32;
typedef uint32_t ASUInt32;
typedef float ASReal;            /* single precision, as the document model stores it */
typedef double AIDouble;         /* double precision (preferences, dialog values) */
typedef unsigned char ASBoolean; /* 0 false, 1 true; one byte in every record */
typedef ASInt32 ASErr;           /* result code of every suite function that has one */
typedef ASErr AIErr;
typedef ASErr SPErr;
typedef ASErr ADMErr;

/* Character encoding of 8-bit text handed to the host. 0 is the platform
 * encoding, which on this host is Mac Roman. */
typedef ASInt32 AICharacterEncoding;
enum { kAIPlatformCharacterEncoding = 0 };

/* Packs four characters into a result code, most significant first. */
#define AS_FOURCC(a, b, c, d)                                                                                \
    ((ASErr)(((ASUInt32)(ASUInt8)(a) << 24) | ((ASUInt32)(ASUInt8)(b) << 16) |                               \
             ((ASUInt32)(ASUInt8)(c) << 8) | (ASUInt32)(ASUInt8)(d)))

/* ---- result codes the interface itself defines ----------------------- */

enum {
    kNoErr = 0,
    /* An allocation failed (host or plug-in). */
    kOutOfMemoryErr = AS_FOURCC('M', 'E', 'M', '!'),
    /* A plug-in has no handler for a caller/selector pair. */
    kUnhandledMsgErr = AS_FOURCC('!', 'M', 'S', 'G'),
    /* The operation could not be completed (generic failure). */
    kCantHappenErr = AS_FOURCC('C', 'A', 'N', 'T'),
    /* Reply to a purge request when something was freed. */
    kSPPluginCachesFlushedResponse = AS_FOURCC('p', 'F', 'l', 's'),
    /* The named suite, or that version of it, is not offered. */
    kSPSuiteNotFoundError = AS_FOURCC('S', '!', 'F', 'd'),
    /* A handle did not name a live host object. */
    kBadParameterErr = AS_FOURCC('P', 'A', 'R', 'M'),
    /* The requested entry (resource, preference, list row) does not exist. */
    kNotFoundErr = AS_FOURCC('N', 'F', 'N', 'D'),
    /* The call was made outside the context its contract allows. */
    kBadContextErr = AS_FOURCC('C', 'T', 'X', '?')
};

/* ---- dialog geometry (screen and dialog pixels) ----------------------- */

/* A dialog-manager rectangle: top, left, bottom, right, in that order. */
typedef struct ADMRect {
    ASInt16 top;
    ASInt16 left;
    ASInt16 bottom;
    ASInt16 right;
} ADMRect;

/* A dialog-manager point: vertical first, then horizontal. */
typedef struct ADMPoint {
    ASInt16 v;
    ASInt16 h;
} ADMPoint;

/* A colour of the dialog manager, each channel 0 to 65535. */
typedef struct ADMRGBColor {
    ASUInt16 red;
    ASUInt16 green;
    ASUInt16 blue;
} ADMRGBColor;

/* ---- document geometry (points, y growing upwards) -------------------- */

typedef struct AIRealPoint {
    ASReal h;
    ASReal v;
} AIRealPoint;

/* left, top, right, bottom; top is greater than bottom. */
typedef struct AIRealRect {
    ASReal left;
    ASReal top;
    ASReal right;
    ASReal bottom;
} AIRealRect;

/* Affine matrix mapping (x, y) to (a x + c y + tx, b x + d y + ty). */
typedef struct AIRealMatrix {
    ASReal a, b, c, d;
    ASReal tx, ty;
} AIRealMatrix;

AS_STATIC_ASSERT(sizeof(ADMRect) == 8, "ADMRect is four 16-bit words");
AS_STATIC_ASSERT(offsetof(ADMRect, bottom) == 4, "ADMRect order is top, left, bottom, right");
AS_STATIC_ASSERT(sizeof(ADMPoint) == 4, "ADMPoint is two 16-bit words");
AS_STATIC_ASSERT(offsetof(ADMPoint, h) == 2, "ADMPoint is vertical then horizontal");
AS_STATIC_ASSERT(sizeof(ADMRGBColor) == 6, "ADMRGBColor is three 16-bit channels");
AS_STATIC_ASSERT(sizeof(AIRealPoint) == 8, "AIRealPoint is two floats");
AS_STATIC_ASSERT(sizeof(AIRealRect) == 16, "AIRealRect is four floats");
AS_STATIC_ASSERT(offsetof(AIRealRect, right) == 8, "AIRealRect order is left, top, right, bottom");
AS_STATIC_ASSERT(sizeof(AIRealMatrix) == 24, "AIRealMatrix is six floats");

/* ---- opaque handles ----------------------------------------------------
 * The host owns every object behind these; a plug-in stores and passes them
 * back and never looks inside. A host may reject a stale handle. */

typedef struct SPPlugin *SPPluginRef;
typedef struct SPAccess *SPAccessRef;
typedef struct _t_AINotifierOpaque *AINotifierHandle;
typedef struct _t_AIAppContextOpaque *AIAppContextHandle;
typedef struct _t_AIMenuItemOpaque *AIMenuItemHandle;
typedef struct _t_AIMenuGroupOpaque *AIMenuGroup;
typedef struct ArtObject *AIArtHandle;
typedef struct _t_AILayerOpaque *AILayerHandle;
typedef struct _t_AIFontKey *AIFontKey;
typedef struct _t_AIPatternOpaque *AIPatternHandle;
typedef struct _t_AIGradientOpaque *AIGradientHandle;
typedef struct _t_AICustomColorOpaque *AICustomColorHandle;
typedef struct _t_AIUnicodeStringOpaque *AIUnicodeStringRef;
typedef struct _t_AIArtboardPropertiesOpaque *AIArtboardPropertiesRef;
typedef struct _t_AIArtboardListOpaque *AIArtboardListRef;
typedef struct _Opaque_ADMDialog *ADMDialogRef;
typedef struct _Opaque_ADMItem *ADMItemRef;
typedef struct _Opaque_ADMDrawer *ADMDrawerRef;
typedef struct _Opaque_ADMNotifier *ADMNotifierRef;
typedef struct _Opaque_ADMIcon *ADMIconRef;
typedef struct _Opaque_ADMList *ADMListRef;
typedef struct _Opaque_ADMEntry *ADMEntryRef;

/* A block of host memory handed out by a suite and given back to the
 * MdMemory suite. The suite that hands a block out gives it its element type
 * (GetMatchingArt: AIArtHandle **, an array of art handles reached as
 * (*matches)[i]); any such typed handle converts to AIMdMemoryHandle without
 * a cast, in C and in C++. */
typedef void *AIMdMemoryHandle;

/* Placeholder for suites that a plug-in acquires but never calls: the host
 * hands out a table with nothing in it. */
typedef struct ASNoOperations {
    void *reserved;
} ASNoOperations;

#endif /* VYN_ILLUSTRATORAPI_ASTYPES_H */
