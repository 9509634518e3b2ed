/*
 * Platform.h — the calls a plug-in makes to its platform rather than to the
 * host: those a Mac plug-in takes from the system (Carbon).
 *
 * They are plain C functions, not a suite: a plug-in module links the
 * platform's library for them and the system loader binds them when the host
 * loads the module. Under the stand-in host that library is the stand-in
 * platform (docs/host-behaviour.md, "Platform calls"), which hands each call
 * to the host that is running.
 */
#ifndef VYN_ILLUSTRATORAPI_PLATFORM_H
#define VYN_ILLUSTRATORAPI_PLATFORM_H

#include "ASTypes.h"

AS_EXTERN_C_BEGIN

/* Sounds the system's alert sound once. `duration` is the length the caller
 * asks for, in ticks of 1/60 second (plug-ins pass 1); the sound itself is
 * the platform's. Cannot fail. [any time]
 * See docs/host-behaviour.md, "Platform calls". */
void SysBeep(ASInt16 duration);

AS_EXTERN_C_END

#endif /* VYN_ILLUSTRATORAPI_PLATFORM_H */
