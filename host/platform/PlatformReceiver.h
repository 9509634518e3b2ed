/*
 * PlatformReceiver.h — how the stand-in platform library hands the platform
 * calls of a plug-in (Platform.h) to the host that is running.
 *
 * The library is shared by the programs that embed the host and by the
 * plug-in modules they load, so both sides see one receiver. With no
 * receiver, a call does nothing, as a beep with the sound turned off.
 */
#ifndef VYN_HOST_PLATFORM_RECEIVER_H
#define VYN_HOST_PLATFORM_RECEIVER_H

#include "ASTypes.h"

AS_EXTERN_C_BEGIN

/* Receives SysBeep(duration) with the context it was registered with. Must
 * not throw. */
typedef void (*VynBeepReceiver)(void *context, ASInt16 duration);

/* Makes `receiver` (null: none) hear every SysBeep from now on. */
void vyn_platform_set_beep_receiver(VynBeepReceiver receiver, void *context);

/* Whether `context` is the registered receiver's context. */
ASBoolean vyn_platform_beep_receiver_is(const void *context);

AS_EXTERN_C_END

#endif /* VYN_HOST_PLATFORM_RECEIVER_H */
