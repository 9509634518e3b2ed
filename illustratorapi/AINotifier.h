/*
 * AINotifier.h — AI Notifier (registration for host notifications) and
 * AI Context (the application context a plug-in pushes around host calls).
 */
#ifndef VYN_ILLUSTRATORAPI_AINOTIFIER_H
#define VYN_ILLUSTRATORAPI_AINOTIFIER_H

#include "ASTypes.h"

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 1002
#define kAIAppContextSuite "AI Context Suite"
#define kAIAppContextSuiteVersion 1005

/* Sent once, after every plug-in of the host has started. */
#define kAIApplicationStartedNotifier "AI Application Started Notifier"

typedef struct AINotifierSuite {
    /* Asks the host to send "AI Notifier"/"AI Notify" messages to `self`
     * whenever a notification of `type` occurs. `name` identifies the
     * registration (copied). `notifier` receives its handle, valid until the
     * plug-in is shut down. Returns 0, or kBadParameterErr for an unknown
     * plug-in or a null name or type. [during a message] */
    AIErr(ASAPI *AddNotifier)(SPPluginRef self, const char *name, const char *type,
                              AINotifierHandle *notifier);
} AINotifierSuite;

typedef struct AIAppContextSuite {
    /* Makes the host's application context current for `plugin`; `context`
     * receives a handle to give back to PopAppContext. Pushes nest.
     * Returns 0 or kBadParameterErr for an unknown plug-in. [during a message]
     * See docs/host-behaviour.md, "Application context". */
    AIErr(ASAPI *PushAppContext)(SPPluginRef plugin, AIAppContextHandle *context);

    /* Ends the context opened by the matching push. Returns 0, or
     * kBadParameterErr when `context` is not the innermost push.
     * [during a message] */
    AIErr(ASAPI *PopAppContext)(AIAppContextHandle context);
} AIAppContextSuite;

#endif /* VYN_ILLUSTRATORAPI_AINOTIFIER_H */
