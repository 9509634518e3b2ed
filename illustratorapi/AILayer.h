/*
 * AILayer.h — AI Layer: the document's layers, their titles and whether
 * they may be edited.
 *
 * Layers are kept in paint order, index 0 the topmost. Each layer's art hangs
 * from a group of its own (AIArtSuite's GetFirstArtOfLayer). Titles are host
 * Unicode strings; a plug-in written in C++ passes the reference held by its
 * ai::UnicodeString.
 */
#ifndef VYN_ILLUSTRATORAPI_AILAYER_H
#define VYN_ILLUSTRATORAPI_AILAYER_H

#include "ASTypes.h"
#include "AIArt.h"

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 1011

typedef struct AILayerSuite {
    /* The number of layers of the current document. Returns 0, or
     * kBadContextErr when no document is open, in which case *count is 0.
     * [document open] */
    AIErr(ASAPI *CountLayers)(ASInt32 *count);

    /* The layer at index `n` (from 0, topmost first). The handle stays valid
     * while the layer exists. Returns 0, or kBadParameterErr when n is out of
     * range, in which case *layer is null. [document open] */
    AIErr(ASAPI *GetNthLayer)(ASInt32 n, AILayerHandle *layer);

    /* The current layer, the one new art goes to by default. Returns 0, or
     * kBadContextErr when no document is open, in which case *layer is null.
     * [document open] See docs/host-behaviour.md, "Layers". */
    AIErr(ASAPI *GetCurrentLayer)(AILayerHandle *layer);

    /* Makes a new, empty, visible and unlocked layer placed by `paintOrder`
     * relative to `reference`. Only kPlaceAboveAll (above every layer) is
     * offered, so the reference only has to be a live layer or null. The
     * host makes up its title. `newLayer` receives its handle; whether it
     * also becomes the current layer is the host's choice.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale reference
     * or another paint order; on failure *newLayer is null. [document open]
     * See docs/host-behaviour.md, "Layers". */
    AIErr(ASAPI *InsertLayer)(AILayerHandle reference, AIPaintOrder paintOrder, AILayerHandle *newLayer);

    /* Copies the layer's title into *title. A null *title receives a new
     * string, which the caller owns until the Unicode String suite's Dispose;
     * an existing one is overwritten in place.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale layer or a
     * stale string; on failure *title is left as it was. [document open] */
    AIErr(ASAPI *GetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef *title);

    /* Gives the layer a copy of `title` as its title (null: an empty title).
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale layer or
     * string. [document open] */
    AIErr(ASAPI *SetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef title);

    /* Whether art may be added to the layer or changed in it: 1 when the
     * layer is neither locked nor hidden. Returns 0, or kBadParameterErr for
     * a stale layer, in which case *editable is 0. [document open]
     * See docs/host-behaviour.md, "Layers". */
    AIErr(ASAPI *GetLayerEditable)(AILayerHandle layer, ASBoolean *editable);
} AILayerSuite;

#endif /* VYN_ILLUSTRATORAPI_AILAYER_H */
