/*
 * ADMDrawer.h — ADM Drawer: painting inside a drawing procedure, and the
 * host's interface fonts and colours, which are named by number.
 *
 * A drawer is handed to a drawing procedure and is valid only during that
 * call. Coordinates are pixels of the thing being drawn (a dialog's content
 * area or an item), x to the right and y downwards from its top left
 * corner. The drawer keeps a current colour and font; every operation paints
 * with them. Nothing painted outside the drawn area shows.
 */
#ifndef VYN_ILLUSTRATORAPI_ADMDRAWER_H
#define VYN_ILLUSTRATORAPI_ADMDRAWER_H

#include "ASTypes.h"

#define kADMDrawerSuite "ADM Drawer Suite"
#define kADMDrawerSuiteVersion 7

/* ---- interface fonts ----------------------------------------------------
 * The faces and sizes behind the codes are the host's
 * (docs/host-behaviour.md, "Dialog fonts"). */

typedef ASInt32 ADMFont;
enum {
    kADMDefaultFont = 0,
    kADMDialogFont = 1,
    kADMPaletteFont = 2,
    kADMItalicDialogFont = 3,
    kADMItalicPaletteFont = 4,
    kADMBoldDialogFont = 5,
    kADMBoldPaletteFont = 6,
    kADMBoldItalicDialogFont = 7,
    kADMBoldItalicPaletteFont = 8,
    kADMFixedWidthFont = 9,
    kADMItalicFixedWidthFont = 10,
    kADMBoldFixedWidthFont = 11,
    kADMBoldItalicFixedWidthFont = 12,
    kADMSmallDialogFont = 13
};

/* ---- interface colours --------------------------------------------------
 * The shades behind the codes other than black and white are the host's
 * (docs/host-behaviour.md, "Dialog colours"). */

typedef ASInt32 ADMColor;
enum {
    kADMBlackColor = 0,
    kADMWhiteColor = 1,
    kADMHiliteColor = 2,
    kADMHiliteTextColor = 3,
    kADMLightColor = 4,
    kADMBackgroundColor = 5,
    kADMShadowColor = 6,
    kADMDisabledColor = 7,
    kADMButtonUpColor = 8,
    kADMButtonDownColor = 9,
    kADMWindowColor = 10,
    kADMTextColor = 11
};

typedef struct ADMDrawerSuite {
    /* Makes one of the host's interface colours current. An unknown code
     * selects black. [inside a drawing procedure] */
    void(ASAPI *SetADMColor)(ADMDrawerRef drawer, ADMColor color);

    /* Makes an RGB colour current (each channel 0 to 65535). A null colour
     * is ignored. [inside a drawing procedure] */
    void(ASAPI *SetRGBColor)(ADMDrawerRef drawer, const ADMRGBColor *color);

    /* Paints the pixels of `rect` (top, left, bottom, right; bottom and
     * right excluded) with the current colour. [inside a drawing procedure] */
    void(ASAPI *FillRect)(ADMDrawerRef drawer, const ADMRect *rect);

    /* Paints a one-pixel outline along the inside of `rect` with the
     * current colour. [inside a drawing procedure] */
    void(ASAPI *FrameRect)(ADMDrawerRef drawer, const ADMRect *rect);

    /* Paints `rect` with the dialog's background colour, whatever the
     * current colour. [inside a drawing procedure] */
    void(ASAPI *ClearRect)(ADMDrawerRef drawer, const ADMRect *rect);

    /* Paints the whole drawn area with the dialog's background colour.
     * [inside a drawing procedure] */
    void(ASAPI *Clear)(ADMDrawerRef drawer);

    /* Paints a one-pixel line from `start` to `end`, both pixels included,
     * with the current colour. [inside a drawing procedure] */
    void(ASAPI *DrawLine)(ADMDrawerRef drawer, const ADMPoint *start, const ADMPoint *end);

    /* Makes one of the host's interface fonts current (see above). An
     * unknown code selects kADMDefaultFont. [inside a drawing procedure] */
    void(ASAPI *SetFont)(ADMDrawerRef drawer, ADMFont font);

    /* Draws one line of `text` (8-bit, platform encoding) in the current
     * font and colour with its baseline starting at `origin`.
     * [inside a drawing procedure] */
    void(ASAPI *DrawText)(ADMDrawerRef drawer, const char *text, const ADMPoint *origin);

    /* Draws one line of `text` centred horizontally and vertically in
     * `rect`. [inside a drawing procedure] */
    void(ASAPI *DrawTextCentered)(ADMDrawerRef drawer, const char *text, const ADMRect *rect);

    /* Draws `icon` at its own size with its top left corner at `topLeft`.
     * A null icon (a resource that was not found) draws nothing.
     * [inside a drawing procedure] */
    void(ASAPI *DrawIcon)(ADMDrawerRef drawer, ADMIconRef icon, const ADMPoint *topLeft);
} ADMDrawerSuite;

#endif /* VYN_ILLUSTRATORAPI_ADMDRAWER_H */
