/*
 * ADMIcon.h — ADM Icon: pictures from a plug-in's resources, to be drawn
 * with the drawer (ADMDrawer.h).
 *
 * The suite is offered at version 1 and at version 2 with the same table;
 * each version is its own registration and is acquired and released under
 * its own number.
 */
#ifndef VYN_ILLUSTRATORAPI_ADMICON_H
#define VYN_ILLUSTRATORAPI_ADMICON_H

#include "ASTypes.h"

#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion1 1
#define kADMIconSuiteVersion2 2
#define kADMIconSuiteVersion kADMIconSuiteVersion2

typedef struct ADMIconSuite {
    /* Loads icon `iconID` from the resources of `plugin`. `iconName` names
     * an icon by text instead and is unused by this host (pass null);
     * `iconIndex` picks one picture of a multi-picture icon (pass 0).
     * Returns a new icon that the caller may give back with Destroy (the
     * host frees the rest when the plug-in shuts down), or null when the
     * plug-in has no such icon. [any time]
     * See docs/host-behaviour.md, "Resources". */
    ADMIconRef(ASAPI *GetFromResource)(SPPluginRef plugin, const char *iconName, ASInt32 iconID,
                                       ASInt32 iconIndex);

    /* Frees an icon from GetFromResource. A null icon is ignored.
     * [any time] */
    void(ASAPI *Destroy)(ADMIconRef icon);

    /* The icon's size in pixels (0 for a stale icon). [any time] */
    ASInt32(ASAPI *GetWidth)(ADMIconRef icon);
    ASInt32(ASAPI *GetHeight)(ADMIconRef icon);
} ADMIconSuite;

#endif /* VYN_ILLUSTRATORAPI_ADMICON_H */
