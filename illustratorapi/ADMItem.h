/*
 * ADMItem.h — ADM Item: the items of a dialog (push buttons, picture
 * buttons, check boxes, spin edits, pop-up lists) and their state.
 *
 * An item belongs to the dialog it was created in and lives as long as that
 * dialog runs. Numeric values cross the interface in points; the display
 * unit only says how the host shows and reads them.
 */
#ifndef VYN_ILLUSTRATORAPI_ADMITEM_H
#define VYN_ILLUSTRATORAPI_ADMITEM_H

#include "ADMDialog.h"
#include "ADMDrawer.h"
#include "ASTypes.h"

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 7

/* ---- item kinds -------------------------------------------------------- */

typedef const char *ADMItemType;

/* A push button showing its text. */
#define kADMTextPushButtonType "ADM Text Push Button Type"
/* A push button showing a picture; with a drawing procedure, the procedure
 * paints all of it. */
#define kADMPicturePushButtonType "ADM Picture Push Button Type"
/* A numeric field with up and down arrows. */
#define kADMSpinEditType "ADM Spin Edit Type"
/* A check box with its text to the right. */
#define kADMTextCheckBoxType "ADM Text Check Box Type"
/* An editable text field with a scrolling pop-up list of entries. */
#define kADMTextEditScrollingPopupType "ADM Text Edit Scrolling Popup Type"

/* ---- text justification ------------------------------------------------ */

typedef ASInt32 ADMJustify;
enum { kADMLeftJustify = 0, kADMCenterJustify = 1, kADMRightJustify = 2 };

/* ---- display units of numeric items ------------------------------------ */

typedef ASInt32 ADMUnits;
enum {
    kADMNoUnits = 0,         /* a bare number, shown as it is */
    kADMPointUnits = 1,      /* "pt", 1/72 inch */
    kADMInchUnits = 2,       /* "in", 72 points */
    kADMMillimeterUnits = 3, /* "mm", 72/25.4 points */
    kADMCentimeterUnits = 4, /* "cm", 720/25.4 points */
    kADMPicaUnits = 5        /* "pc", 12 points */
};

/* The host's own limits of a numeric item, in points, when the plug-in sets
 * none (docs/host-behaviour.md, "Units and typed values"). */
#define kADMHostMinimumValue (-16383.0f)
#define kADMHostMaximumValue 16383.0f

typedef struct ADMItemSuite {
    /* Adds an item of kind `itemType` (one of the kinds above) with id
     * `itemID` to `dialog`, at `bounds` in dialog pixels. `notifyProc` (may
     * be null: the host's default handling), `userData` and `options` are
     * kept for the item. Ids need not be unique.
     * Returns the item, valid while the dialog runs; null for a stale
     * dialog, a null kind or rectangle, or a kind this host does not offer.
     * [inside a dialog procedure] */
    ADMItemRef(ASAPI *Create)(ADMDialogRef dialog, ASInt32 itemID, ADMItemType itemType,
                              const ADMRect *bounds, ADMItemNotifyProc notifyProc, ADMUserData userData,
                              ASInt32 options);

    /* The interface font of the item's text, by code (ADMDrawer.h).
     * [inside a dialog procedure] See docs/host-behaviour.md, "Dialog fonts". */
    void(ASAPI *SetFont)(ADMItemRef item, ADMFont font);

    /* The justification of the item's text: kADMLeftJustify,
     * kADMCenterJustify or kADMRightJustify. [inside a dialog procedure] */
    void(ASAPI *SetJustify)(ADMItemRef item, ADMJustify justify);

    /* The item's text (8-bit, platform encoding; copied; null reads as ""):
     * a button's or check box's caption, a pop-up's field. For a spin edit
     * the text is read as a typed value in its display unit.
     * [inside a dialog procedure] */
    void(ASAPI *SetText)(ADMItemRef item, const char *text);

    /* Replaces the item's notification procedure (null: default handling).
     * [inside a dialog procedure] */
    void(ASAPI *SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);

    /* Replaces the item's drawing procedure (null: the host draws the item
     * by its kind). [inside a dialog procedure]
     * See docs/host-behaviour.md, "Drawing and invalidation". */
    void(ASAPI *SetDrawProc)(ADMItemRef item, ADMItemDrawProc proc);

    /* Runs the host's default handling of `notifier` for `item`: for a user
     * change of a push button with id 1 or 2 it ends the dialog as confirmed
     * or cancelled; otherwise it does nothing. The dialog stays valid until
     * the running procedure returns. [inside a dialog procedure]
     * See docs/host-behaviour.md, "Default notification handling". */
    void(ASAPI *DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);

    /* The dialog the item belongs to (null for a stale item).
     * [inside a dialog procedure] */
    ADMDialogRef(ASAPI *GetDialog)(ADMItemRef item);

    /* The item's id as given to Create (0 for a stale item).
     * [inside a dialog procedure] */
    ASInt32(ASAPI *GetID)(ADMItemRef item);

    /* The item's numeric value in points (0 for a stale item).
     * [inside a dialog procedure] */
    ASReal(ASAPI *GetFloatValue)(ADMItemRef item);

    /* Sets the numeric value in points, held within the item's minimum and
     * maximum. [inside a dialog procedure]
     * See docs/host-behaviour.md, "Units and typed values". */
    void(ASAPI *SetFloatValue)(ADMItemRef item, ASReal value);

    /* Sets the smallest value in points the item accepts from then on. The
     * value already in the item is left as it is. [inside a dialog procedure]
     * See docs/host-behaviour.md, "Units and typed values". */
    void(ASAPI *SetMinFloatValue)(ADMItemRef item, ASReal minimum);

    /* The unit in which the item shows its value and reads typed text
     * (kADMPointUnits, kADMMillimeterUnits, ...); the value stays in points.
     * An unknown code is ignored. [inside a dialog procedure] */
    void(ASAPI *SetUnits)(ADMItemRef item, ADMUnits units);

    /* The steps, in points, of one click on the arrows (small) and of one
     * click with the large-step modifier (large).
     * [inside a dialog procedure] */
    void(ASAPI *SetSmallIncrement)(ADMItemRef item, ASReal increment);
    void(ASAPI *SetLargeIncrement)(ADMItemRef item, ASReal increment);

    /* The tooltip shown over the item (8-bit, platform encoding; copied;
     * null or "" removes it). [inside a dialog procedure] */
    void(ASAPI *SetTipString)(ADMItemRef item, const char *tip);

    /* Enables the item, or dims it when `enable` is false. A dimmed item
     * ignores the user and loses the keyboard focus.
     * [inside a dialog procedure] */
    void(ASAPI *Enable)(ADMItemRef item, ASBoolean enable);

    /* Gives the item the keyboard focus (`activate` true), or takes it away
     * if it has it (false). A dimmed item does not take the focus.
     * [inside a dialog procedure] */
    void(ASAPI *Activate)(ADMItemRef item, ASBoolean activate);

    /* Asks the host to redraw the item: its drawing procedure runs once the
     * running procedure has returned. [inside a dialog procedure]
     * See docs/host-behaviour.md, "Drawing and invalidation". */
    void(ASAPI *Invalidate)(ADMItemRef item);

    /* The check state of a check box (true: ticked); for other kinds the
     * state is kept but not shown. [inside a dialog procedure] */
    void(ASAPI *SetBooleanValue)(ADMItemRef item, ASBoolean value);
    ASBoolean(ASAPI *GetBooleanValue)(ADMItemRef item);

    /* The list of a pop-up item (ADMList.h), valid while the dialog runs;
     * null for an item of another kind or a stale item.
     * [inside a dialog procedure] */
    ADMListRef(ASAPI *GetList)(ADMItemRef item);
} ADMItemSuite;

#endif /* VYN_ILLUSTRATORAPI_ADMITEM_H */
