/*
 * ADMNotifier.h — ADM Notifier: what an item's notification procedure is
 * told, and the types of notification the host sends.
 *
 * A notifier is handed to a notification procedure and is valid only during
 * that call.
 */
#ifndef VYN_ILLUSTRATORAPI_ADMNOTIFIER_H
#define VYN_ILLUSTRATORAPI_ADMNOTIFIER_H

#include "ASTypes.h"

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 2

/* The user changed the item: typed a value and confirmed it, stepped a
 * spin edit, ticked or cleared a check box, pressed or clicked a button,
 * chose a pop-up entry. This host sends no other type to items
 * (docs/host-behaviour.md, "Default notification handling"). */
#define kADMUserChangedNotifier "ADM User Changed Notifier"

typedef struct ADMNotifierSuite {
    /* True when the notifier is of type `type` (compared as bytes), false
     * otherwise, for a null type, or for a stale notifier.
     * [inside a dialog procedure] */
    ASBoolean(ASAPI *IsNotifierType)(ADMNotifierRef notifier, const char *type);
} ADMNotifierSuite;

#endif /* VYN_ILLUSTRATORAPI_ADMNOTIFIER_H */
