/*
 * ADMBasic.h — ADM Basic: the dialog manager's services that need no dialog:
 * the plug-in's string lists, alerts, the standard about box, the beep and
 * the screen's bounds.
 *
 * The suite is offered at version 10 and at version 11 with the same table;
 * each version is its own registration and is acquired and released under
 * its own number.
 */
#ifndef VYN_ILLUSTRATORAPI_ADMBASIC_H
#define VYN_ILLUSTRATORAPI_ADMBASIC_H

#include "ASTypes.h"

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion10 10
#define kADMBasicSuiteVersion11 11
#define kADMBasicSuiteVersion kADMBasicSuiteVersion10

typedef struct ADMBasicSuite {
    /* Copies entry `index` (from 1) of the plug-in's string list `listID`
     * into `buffer`, as 8-bit text in the platform encoding, NUL-terminated
     * and cut to `bufferSize` − 1 bytes. An empty entry reads as "".
     * Returns 0; kNotFoundErr when the list or the entry does not exist
     * (the buffer then holds ""); kBadParameterErr for an unknown plug-in,
     * a null buffer or a size below 1. [any time]
     * See docs/host-behaviour.md, "Resources". */
    ADMErr(ASAPI *GetIndexString)(SPPluginRef plugin, ASInt32 listID, ASInt32 index, char *buffer,
                                  ASInt32 bufferSize);

    /* Shows a modal error alert with `text` (8-bit, platform encoding) and
     * returns when the user has dismissed it. A null text is ignored.
     * [any time] See docs/host-behaviour.md, "Alerts and the about box". */
    void(ASAPI *ErrorAlert)(const char *text);

    /* Shows a modal message alert with `text` (8-bit, platform encoding) and
     * returns when the user has dismissed it. A null text is ignored.
     * [any time] See docs/host-behaviour.md, "Alerts and the about box". */
    void(ASAPI *MessageAlert)(const char *text);

    /* Shows the host's standard about box for `plugin` with two lines of
     * text (8-bit, platform encoding; null reads as ""). Returns when it is
     * dismissed. An unknown plug-in is ignored. [any time]
     * See docs/host-behaviour.md, "Alerts and the about box". */
    void(ASAPI *AboutBox)(SPPluginRef plugin, const char *text1, const char *text2);

    /* Sounds the host's beep. [any time] */
    void(ASAPI *Beep)(void);

    /* The bounds of the main screen in pixels (top, left, bottom, right),
     * written to *bounds. Returns 0 or kBadParameterErr for a null address.
     * [any time] */
    ADMErr(ASAPI *GetScreenDimensions)(ADMRect *bounds);
} ADMBasicSuite;

#endif /* VYN_ILLUSTRATORAPI_ADMBASIC_H */
