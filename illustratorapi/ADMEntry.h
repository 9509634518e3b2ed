/*
 * ADMEntry.h — ADM Entry: one entry of a pop-up list: its text, its id and
 * whether it is selected.
 *
 * An entry belongs to its list and lives as long as the list's dialog runs.
 */
#ifndef VYN_ILLUSTRATORAPI_ADMENTRY_H
#define VYN_ILLUSTRATORAPI_ADMENTRY_H

#include "ASTypes.h"

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

typedef struct ADMEntrySuite {
    /* Adds a new entry, with empty text, id 0 and not selected, at the end
     * of `list`. Returns the entry, or null for a stale list.
     * [inside a dialog procedure] */
    ADMEntryRef(ASAPI *Create)(ADMListRef list);

    /* The entry's text (8-bit, platform encoding; copied; null reads as
     * ""). When the entry is selected, its pop-up's field shows the new
     * text. [inside a dialog procedure] */
    void(ASAPI *SetText)(ADMEntryRef entry, const char *text);

    /* The entry's id: any number the plug-in chooses, not necessarily
     * unique. [inside a dialog procedure] */
    void(ASAPI *SetID)(ADMEntryRef entry, ASInt32 entryID);

    /* The entry's id (0 for a stale entry). [inside a dialog procedure] */
    ASInt32(ASAPI *GetID)(ADMEntryRef entry);

    /* Selects the entry (`select` true), which deselects every other entry
     * of its list and puts the entry's text into the pop-up's field; or
     * deselects it (false). Sends no notification.
     * [inside a dialog procedure] */
    void(ASAPI *Select)(ADMEntryRef entry, ASBoolean select);
} ADMEntrySuite;

#endif /* VYN_ILLUSTRATORAPI_ADMENTRY_H */
