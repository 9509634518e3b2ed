/*
 * ADMList.h — ADM List: the list of entries behind a pop-up item.
 *
 * A list belongs to its item and lives as long as the item's dialog runs.
 * Entries are numbered from 0 in the order they were created (ADMEntry.h).
 * At most one entry of a pop-up list is selected: the active entry, whose
 * text the pop-up's field shows.
 */
#ifndef VYN_ILLUSTRATORAPI_ADMLIST_H
#define VYN_ILLUSTRATORAPI_ADMLIST_H

#include "ASTypes.h"

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

typedef struct ADMListSuite {
    /* The entry at `index` (from 0), or null when the index is out of range
     * (an empty list has no entry 0). The handle is valid while the dialog
     * runs. [inside a dialog procedure] */
    ADMEntryRef(ASAPI *IndexEntry)(ADMListRef list, ASInt32 index);

    /* The selected entry, or null when none is (the user typed a text that
     * names no entry, or nothing was selected yet).
     * [inside a dialog procedure] */
    ADMEntryRef(ASAPI *GetActiveEntry)(ADMListRef list);

    /* The number of entries (0 for a stale list).
     * [inside a dialog procedure] */
    ASInt32(ASAPI *NumberOfEntries)(ADMListRef list);
} ADMListSuite;

#endif /* VYN_ILLUSTRATORAPI_ADMLIST_H */
