/*
 * AIArt.h — AI Art: the document's art tree. Every object on the page is an
 * art handle: groups hold other art, each layer has one group of its own at
 * the root of its art, paths and text frames are the leaves.
 *
 * The paint-order constants place new art relative to a reference ("prep")
 * art; the Layer suite uses them for layers too.
 */
#ifndef VYN_ILLUSTRATORAPI_AIART_H
#define VYN_ILLUSTRATORAPI_AIART_H

#include "ASTypes.h"

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 1015

/* ---- art types (16-bit) ----------------------------------------------- */

typedef ASInt16 AIArtType;
enum {
    kUnknownArt = 0,
    kGroupArt = 1,
    kPathArt = 2,
    kTextFrameArt = 12
    /* Other values name kinds of art this host does not make. */
};

/* ---- paint orders (16-bit) -------------------------------------------- */

typedef ASInt16 AIPaintOrder;
enum {
    /* Inside the reference group, above all its other children. */
    kPlaceInsideOnTop = 3,
    /* Above everything (for layers: above every layer). */
    kPlaceAboveAll = 5
};

/* ---- user attributes (bits of a 32-bit word) -------------------------- */

typedef ASInt32 AIArtUserAttr;
enum {
    kArtSelected = 1,
    kArtLocked = 2,
    kArtHidden = 4,
    /* Marked as a whole (every anchor of a path, the whole of a text
     * frame). The mark is not the selection: setting or clearing it leaves
     * kArtSelected, and so the selection, as they were. While any art
     * carries it, the current path style is that of the art marked last
     * (AIPathStyle.h, GetCurrentPathStyle). */
    kArtFullySelected = 8
};

typedef struct AIArtSuite {
    /* Makes a new, empty art of `type` (kGroupArt or kPathArt) placed by
     * `paintOrder` relative to `prep`. Only kPlaceInsideOnTop is offered:
     * `prep` must be a group, a layer's own group included. A new path has
     * no segments and is open; new art is unselected, unlocked and visible.
     * `newArt` receives the handle, which stays valid until the art is
     * disposed of (directly or with its group or layer).
     * Returns 0; kBadParameterErr for another type or paint order, a stale
     * prep or a prep that is not a group; kCantHappenErr when prep's layer
     * is locked or hidden; kOutOfMemoryErr. On failure *newArt is null.
     * [document open] See docs/host-behaviour.md, "Art tree". */
    AIErr(ASAPI *NewArt)(AIArtType type, AIPaintOrder paintOrder, AIArtHandle prep, AIArtHandle *newArt);

    /* Removes the art from the document, with everything inside it; the
     * handle and the handles of its contents become stale.
     * Returns 0, or kBadParameterErr for a stale handle or a layer's own
     * group (which goes only with its layer). [document open] */
    AIErr(ASAPI *DisposeArt)(AIArtHandle art);

    /* The art's type (see the art type constants). Returns 0, or
     * kBadParameterErr for a stale handle, in which case *type is
     * kUnknownArt. [document open] */
    AIErr(ASAPI *GetArtType)(AIArtHandle art, AIArtType *type);

    /* The art's user attributes masked by `whichAttr`: *attr receives
     * (attributes & whichAttr). Returns 0, or kBadParameterErr for a stale
     * handle, in which case *attr is 0. [document open] */
    AIErr(ASAPI *GetArtUserAttr)(AIArtHandle art, AIArtUserAttr whichAttr, AIArtUserAttr *attr);

    /* Sets the attribute bits selected by `whichAttr` to their values in
     * `attr`; the other bits keep theirs. Setting or clearing kArtSelected
     * changes the host's current selection at once. Setting or clearing
     * kArtFullySelected changes no other bit and no selection, but decides
     * the current path style while any art carries it (AIPathStyle.h,
     * GetCurrentPathStyle): the art marked last gives its style.
     * Returns 0, or kBadParameterErr for a stale handle. [document open]
     * See docs/host-behaviour.md, "Selection", and "Current path style". */
    AIErr(ASAPI *SetArtUserAttr)(AIArtHandle art, AIArtUserAttr whichAttr, AIArtUserAttr attr);

    /* Whether `art` names art that is still in the current document. With
     * `searchAllLayerLists` the art of every layer list is searched, else
     * only the current one. Never touches freed memory: any value, null or
     * stale included, may be asked about. Returns the answer itself (1 or 0),
     * not a result code. [any time]
     * See docs/host-behaviour.md, "Art tree". */
    ASBoolean(ASAPI *ValidArt)(AIArtHandle art, ASBoolean searchAllLayerLists);

    /* The layer's own group, the root of the layer's art. Returns 0, or
     * kBadParameterErr for a stale layer, in which case *art is null.
     * [document open] */
    AIErr(ASAPI *GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle *art);

    /* The first child of a group, the topmost in its paint order (the one
     * kPlaceInsideOnTop placed last); null when the group is empty or the
     * art is not a group. Returns 0, or kBadParameterErr for a stale handle,
     * in which case *child is null. [document open] */
    AIErr(ASAPI *GetArtFirstChild)(AIArtHandle art, AIArtHandle *child);

    /* Shows or hides the centre point of a path while it is selected. It
     * changes nothing in the path's geometry or style.
     * Returns 0, or kBadParameterErr for a stale handle or art that is not
     * a path. [document open] */
    AIErr(ASAPI *SetArtCenterPointVisible)(AIArtHandle art, ASBoolean visible);
} AIArtSuite;

#endif /* VYN_ILLUSTRATORAPI_AIART_H */
