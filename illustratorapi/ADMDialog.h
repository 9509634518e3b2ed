/*
 * ADMDialog.h — ADM Dialog: modal dialogs, and the procedure types through
 * which the host calls a plug-in back while one of its dialogs runs.
 *
 * A modal dialog lives only inside the Modal call that opens it: its handle,
 * and the handles of its items, are valid from the call of its
 * initialisation procedure until Modal returns. Dialog coordinates are
 * pixels; a dialog's bounds are its content area on the screen, items are
 * placed relative to that area's top left corner.
 */
#ifndef VYN_ILLUSTRATORAPI_ADMDIALOG_H
#define VYN_ILLUSTRATORAPI_ADMDIALOG_H

#include "ASTypes.h"

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 10

/* Dialog styles; this host runs every dialog modally, whatever the style. */
typedef ASInt32 ADMDialogStyle;
enum { kADMModalDialogStyle = 0 };

/* The item ids the host treats specially: its default handling of a push
 * button with id 1 ends the dialog as confirmed, of one with id 2 as
 * cancelled (docs/host-behaviour.md, "Default notification handling"). */
enum { kADMDefaultItemID = 1, kADMCancelItemID = 2 };

/* What Modal returns when the dialog could not be shown at all. */
enum { kADMNoModalResult = -1 };

/* Anything the plug-in wants handed back; the host never looks inside. */
typedef void *ADMUserData;

/* ---- procedures the host calls ----------------------------------------- */

/* Builds the dialog's items before it is shown. A non-zero result closes the
 * dialog without showing it (Modal then returns kADMNoModalResult). */
typedef ADMErr(ASAPI *ADMDialogInitProc)(ADMDialogRef dialog);

/* Paints the whole dialog into `drawer`, in dialog coordinates. Replaces the
 * host's drawing of the dialog's background; DefaultDraw paints it. */
typedef void(ASAPI *ADMDialogDrawProc)(ADMDialogRef dialog, ADMDrawerRef drawer);

/* Tells an item's owner that something happened to the item; the notifier
 * says what (ADMNotifier.h). Replaces the host's default handling, which
 * the procedure may run itself with the item suite's DefaultNotify. */
typedef void(ASAPI *ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);

/* Paints an item into `drawer`, in the item's own coordinates (0, 0 is its
 * top left corner). Replaces the host's drawing of the item entirely. */
typedef void(ASAPI *ADMItemDrawProc)(ADMItemRef item, ADMDrawerRef drawer);

/* ---- the suite --------------------------------------------------------- */

typedef struct ADMDialogSuite {
    /* Opens a modal dialog and returns when it has been dismissed; every
     * procedure of the dialog runs in between, on the caller's thread.
     * `name` is the dialog's name in UTF-8; `dialogID` names the plug-in's
     * dialog template; `initProc` (may be null) builds the items; `userData`
     * and `options` are kept for the plug-in. `plugin` may be null (a dialog
     * of no plug-in, which then has no resources).
     * Returns the id of the item that ended the dialog (1 when confirmed and
     * 2 when cancelled by the default handling), or kADMNoModalResult when
     * the dialog could not be shown (initialisation failed, unknown
     * plug-in). [during a message]
     * See docs/host-behaviour.md, "Dialog templates", and
     * docs/dialog-protocol.md. */
    ASInt32(ASAPI *Modal)(SPPluginRef plugin, const char *name, ASInt32 dialogID, ADMDialogStyle style,
                          ADMDialogInitProc initProc, ADMUserData userData, ASInt32 options);

    /* Moves and sizes the dialog: `bounds` is its content area in screen
     * pixels (top, left, bottom, right). A stale dialog or a null rectangle
     * is ignored. [inside a dialog procedure] */
    void(ASAPI *SetBoundsRect)(ADMDialogRef dialog, const ADMRect *bounds);

    /* The dialog's content area in screen pixels, as last set or as the user
     * moved it, written to *bounds (all zeros for a stale dialog).
     * [inside a dialog procedure] */
    void(ASAPI *GetBoundsRect)(ADMDialogRef dialog, ADMRect *bounds);

    /* Sets the title shown in the dialog's title bar (8-bit, platform
     * encoding; copied; null reads as ""). [inside a dialog procedure] */
    void(ASAPI *SetText)(ADMDialogRef dialog, const char *text);

    /* Makes `proc` the dialog's drawing procedure (null: the host's default
     * drawing). [inside a dialog procedure]
     * See docs/host-behaviour.md, "Drawing and invalidation". */
    void(ASAPI *SetDrawProc)(ADMDialogRef dialog, ADMDialogDrawProc proc);

    /* Runs the host's own drawing of the dialog (its background) into
     * `drawer`; meant for the dialog's drawing procedure.
     * [inside a drawing procedure] */
    void(ASAPI *DefaultDraw)(ADMDialogRef dialog, ADMDrawerRef drawer);

    /* The plug-in that opened the dialog (null for a stale dialog or a
     * dialog of no plug-in). [inside a dialog procedure] */
    SPPluginRef(ASAPI *GetPluginRef)(ADMDialogRef dialog);

    /* The dialog's first created item with id `itemID`, or null when it has
     * none. The handle is valid while the dialog runs.
     * [inside a dialog procedure] */
    ADMItemRef(ASAPI *GetItem)(ADMDialogRef dialog, ASInt32 itemID);

    /* Ends the modal dialog as if item `modalResultID` had ended it, as
     * cancelled when `cancelling` is true: Modal returns that id once the
     * running procedure has returned. Returns true when this call ended a
     * running dialog; false when it had already been ended, or for a null or
     * stale dialog (a null dialog is ignored without complaint).
     * [inside a dialog procedure]
     * See docs/host-behaviour.md, "Default notification handling". */
    ASBoolean(ASAPI *EndModal)(ADMDialogRef dialog, ASInt32 modalResultID, ASBoolean cancelling);
} ADMDialogSuite;

#endif /* VYN_ILLUSTRATORAPI_ADMDIALOG_H */
