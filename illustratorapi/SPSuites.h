/*
 * SPSuites.h — the plug-in layer: SP Basic, SP Access and SP Plug-ins.
 *
 * SP Basic is the one suite a plug-in does not acquire: every message header
 * carries it (see SPMessages.h). Every other suite is obtained through it.
 */
#ifndef VYN_ILLUSTRATORAPI_SPSUITES_H
#define VYN_ILLUSTRATORAPI_SPSUITES_H

#include "ASTypes.h"

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4
#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3
#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4

/* ---- SP Basic ---------------------------------------------------------- */

typedef struct SPBasicSuite {
    /* Hands out the suite table registered under (name, version).
     * `suite` receives the table, or null on failure. Every successful
     * acquisition must be matched by one ReleaseSuite with the same pair.
     * Returns 0, or kSPSuiteNotFoundError when the pair is not offered (or
     * has been made unavailable). [any time]
     * See docs/host-behaviour.md, "Suite registry". */
    SPErr(ASAPI *AcquireSuite)(const char *name, ASInt32 version, const void **suite);

    /* Gives back one acquisition of (name, version).
     * Returns 0, or kSPSuiteNotFoundError when the pair was not acquired.
     * [any time] */
    SPErr(ASAPI *ReleaseSuite)(const char *name, ASInt32 version);

    /* Allocates `size` bytes from the host's block allocator, aligned for any
     * type. `block` receives the block, or null on failure.
     * Returns 0 or kOutOfMemoryErr. The caller owns the block until FreeBlock;
     * blocks stay valid across an unload of the plug-in's code. [any time]
     * See docs/host-behaviour.md, "Block allocator". */
    SPErr(ASAPI *AllocateBlock)(size_t size, void **block);

    /* Frees a block from AllocateBlock. A null block is ignored.
     * Returns 0, or kBadParameterErr for a block the allocator never handed
     * out (the host reports the plug-in as misbehaving). [any time] */
    SPErr(ASAPI *FreeBlock)(void *block);
} SPBasicSuite;

/* ---- SP Access --------------------------------------------------------- */

typedef struct SPAccessSuite {
    /* The plug-in the host is currently talking to. `plugin` receives it
     * (null on failure). Returns 0 or kBadContextErr outside a message.
     * [during a message] */
    SPErr(ASAPI *GetCurrentPlugin)(SPPluginRef *plugin);

    /* Pins a plug-in's code in memory: the host does not unload it while an
     * access reference is held. `access` receives the reference.
     * Returns 0 or kBadParameterErr for an unknown plug-in. [any time] */
    SPErr(ASAPI *AcquirePlugin)(SPPluginRef plugin, SPAccessRef *access);

    /* Gives back a reference from AcquirePlugin.
     * Returns 0 or kBadParameterErr for an unknown reference. [any time] */
    SPErr(ASAPI *ReleasePlugin)(SPAccessRef access);
} SPAccessSuite;

/* ---- SP Plug-ins ------------------------------------------------------- */

typedef struct SPPluginsSuite {
    /* Registers the plug-in's display name (8-bit text, copied by the host).
     * Returns 0, or kBadParameterErr for an unknown plug-in or a null name.
     * [during a message] */
    SPErr(ASAPI *SetPluginName)(SPPluginRef plugin, const char *name);
} SPPluginsSuite;

#endif /* VYN_ILLUSTRATORAPI_SPSUITES_H */
