/*
 * ADMAcquired.h — names and versions of the dialog manager's suites that a
 * plug-in acquires at start-up without calling any of their operations.
 *
 * The host hands out an empty table for each (ASNoOperations).
 */
#ifndef VYN_ILLUSTRATORAPI_ADMACQUIRED_H
#define VYN_ILLUSTRATORAPI_ADMACQUIRED_H

#include "ASTypes.h"

#define kADMDialogGroupSuite "ADM Dialog Group Suite"
#define kADMDialogGroupSuiteVersion 1
typedef ASNoOperations ADMDialogGroupSuite;

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 2
typedef ASNoOperations ADMTrackerSuite;

#endif /* VYN_ILLUSTRATORAPI_ADMACQUIRED_H */
