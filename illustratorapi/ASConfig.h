/*
 * ASConfig.h — portability macros shared by every interface header.
 *
 * Private to illustratorapi/: suite headers include it, plug-ins and hosts
 * include the suite headers. Nothing here declares a suite.
 *
 * Call-time tags used in the contract blocks of every suite function:
 *   [any time]                  from the first message on, including start-up
 *   [during a message]          only while the host is inside PluginMain for
 *                               this plug-in (which includes dialog procedures,
 *                               since modal dialogs run nested in a message)
 *   [document open]             a document is open in the host
 *   [inside a dialog procedure] only from an initialisation, notification or
 *                               drawing procedure of a dialog that is running
 *   [inside a drawing procedure] only with the drawer handed to a drawing
 *                               procedure, and only during that call
 */
#ifndef VYN_ILLUSTRATORAPI_ASCONFIG_H
#define VYN_ILLUSTRATORAPI_ASCONFIG_H

#include <stddef.h>
#include <stdint.h>

/* Calling convention of every suite function and of PluginMain: the platform's C
 * convention. Kept as a macro so a port to a host with another convention
 * changes one line. */
#define ASAPI

/* Linkage for C entry points. */
#ifdef __cplusplus
#define AS_EXTERN_C extern "C"
#define AS_EXTERN_C_BEGIN extern "C" {
#define AS_EXTERN_C_END }
#else
#define AS_EXTERN_C
#define AS_EXTERN_C_BEGIN
#define AS_EXTERN_C_END
#endif

/* Marks the one symbol a plug-in module exports. */
#define AS_EXPORT __attribute__((visibility("default")))

/* Compile-time layout checks usable from C and C++. */
#ifdef __cplusplus
#define AS_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define AS_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

#endif /* VYN_ILLUSTRATORAPI_ASCONFIG_H */
