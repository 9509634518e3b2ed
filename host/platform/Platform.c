/*
 * Platform.c — the stand-in platform: the platform calls of Platform.h, each
 * handed to the receiver the running host registered.
 */
#include "Platform.h"
#include "PlatformReceiver.h"

static VynBeepReceiver gBeepReceiver;
static void *gBeepContext;

void vyn_platform_set_beep_receiver(VynBeepReceiver receiver, void *context) {
    gBeepReceiver = receiver;
    gBeepContext = context;
}

ASBoolean vyn_platform_beep_receiver_is(const void *context) {
    return gBeepReceiver != NULL && gBeepContext == context;
}

void SysBeep(ASInt16 duration) {
    if (gBeepReceiver != NULL) gBeepReceiver(gBeepContext, duration);
}
