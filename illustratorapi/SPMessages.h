/*
 * SPMessages.h — the message records the host passes to PluginMain, and the
 * caller and selector strings that name them.
 *
 * Every record begins with SPMessageData. The host owns the records; a
 * plug-in reads them and writes only the globals slot.
 */
#ifndef VYN_ILLUSTRATORAPI_SPMESSAGES_H
#define VYN_ILLUSTRATORAPI_SPMESSAGES_H

#include "ASTypes.h"
#include "SPSuites.h"

/* Marks a well-formed header ('SPCk'). */
#define kSPValidSPMessageData AS_FOURCC('S', 'P', 'C', 'k')

/* The common header of every message. */
typedef struct SPMessageData {
    ASInt32 SPCheck;     /* kSPValidSPMessageData */
    SPPluginRef self;    /* the host's reference for the receiving plug-in */
    void *globals;       /* per-plug-in slot the host keeps between calls */
    SPBasicSuite *basic; /* the SP Basic suite */
} SPMessageData;

AS_STATIC_ASSERT(offsetof(SPMessageData, self) == sizeof(void *),
                 "the plug-in reference is the header's second word");
AS_STATIC_ASSERT(offsetof(SPMessageData, basic) == 3 * sizeof(void *),
                 "the basic suite is the header's fourth word");

/* Start-up, shut-down, about, unload and reload carry nothing more. */
typedef struct SPInterfaceMessage {
    SPMessageData d;
} SPInterfaceMessage;

typedef struct AINotifierMessage {
    SPMessageData d;
    AINotifierHandle notifier; /* the registration that fired */
    const char *type;          /* the notification type, e.g. kAIApplicationStartedNotifier */
    void *notifyData;          /* type-specific; null for application started */
} AINotifierMessage;

typedef struct AIMenuMessage {
    SPMessageData d;
    AIMenuItemHandle menuItem; /* the item the user chose */
} AIMenuMessage;

/* Messages this system answers as unhandled: only their header is defined. */
typedef struct SPPropertiesMessage {
    SPMessageData d;
} SPPropertiesMessage;
typedef struct DoActionMessage {
    SPMessageData d;
} DoActionMessage;
typedef struct AIFilterMessage {
    SPMessageData d;
} AIFilterMessage;
typedef struct AIPluginGroupMessage {
    SPMessageData d;
} AIPluginGroupMessage;
typedef struct AIFileFormatMessage {
    SPMessageData d;
} AIFileFormatMessage;
typedef struct AIUpdateFileFormatMessage {
    SPMessageData d;
} AIUpdateFileFormatMessage;
typedef struct AIToolMessage {
    SPMessageData d;
} AIToolMessage;
typedef struct AILiveEffectEditParamMessage {
    SPMessageData d;
} AILiveEffectEditParamMessage;
typedef struct AILiveEffectGoMessage {
    SPMessageData d;
} AILiveEffectGoMessage;
typedef struct AILiveEffectInterpParamMessage {
    SPMessageData d;
} AILiveEffectInterpParamMessage;
typedef struct AILiveEffectInputTypeMessage {
    SPMessageData d;
} AILiveEffectInputTypeMessage;
typedef struct AILiveEffectConvertColorMessage {
    SPMessageData d;
} AILiveEffectConvertColorMessage;
typedef struct AILiveEffectScaleParamMessage {
    SPMessageData d;
} AILiveEffectScaleParamMessage;
typedef struct AILiveEffectAdjustColorsMessage {
    SPMessageData d;
} AILiveEffectAdjustColorsMessage;
typedef struct AILiveEffectHandleMergeMessage {
    SPMessageData d;
} AILiveEffectHandleMergeMessage;
typedef struct AITimerMessage {
    SPMessageData d;
} AITimerMessage;
typedef struct AIClipboardMessage {
    SPMessageData d;
} AIClipboardMessage;
typedef struct AIWorkspaceMessage {
    SPMessageData d;
} AIWorkspaceMessage;

/* ---- callers and selectors -------------------------------------------- */

#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kSPInterfaceAboutSelector "About"

#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"

#define kSPCacheCaller "SP Cache"
#define kSPPluginPurgeSelector "Plug-in Purge"

#define kSPPropertiesCaller "SP Properties"
#define kSPPropertiesAcquireSelector "Acquire"
#define kSPPropertiesReleaseSelector "Release"

#define kAINotifierCaller "AI Notifier"
#define kAINotifySelector "AI Notify"

#define kActionCaller "Action Manager"
#define kDoActionSelector "Do Action"

#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"

#define kCallerAIFilter "AI Filter"
#define kSelectorAIGetFilterParameters "AI Get Parameters"
#define kSelectorAIGoFilter "AI Go"

#define kCallerAIPluginGroup "AI Plugin Group"
#define kSelectorAINotifyEdits "AI Notify Edits"
#define kSelectorAIUpdateArt "AI Update"

#define kCallerAIFileFormat "AI File Format"
#define kSelectorAIGetFileFormatParameters "AI Get Parameters"
#define kSelectorAIGoFileFormat "AI Go"
#define kSelectorAICheckFileFormat "AI Check"
#define kSelectorAIUpdateFileFormat "AI Update AI140"
#define kSelectorAISetFileFormatParameters "Do Action"

#define kCallerAITool "AI Tool"
#define kSelectorAIEditToolOptions "AI Edit Options"
#define kSelectorAITrackToolCursor "AI Track Cursor"
#define kSelectorAIToolMouseDown "AI Mouse Down"
#define kSelectorAIToolMouseDrag "AI Mouse Drag"
#define kSelectorAIToolMouseUp "AI Mouse Up"
#define kSelectorAISelectTool "AI Select"
#define kSelectorAIDeselectTool "AI Deselect"
#define kSelectorAIReselectTool "AI Reselect"
#define kSelectorAIDecreaseDiameter "AI Decrease Diameter"
#define kSelectorAIIncreaseDiameter "AI Increase Diameter"

#define kCallerAILiveEffect "AI Live Effect"
#define kSelectorAIEditLiveEffectParameters "AI Live Effect Edit Parameters"
#define kSelectorAIGoLiveEffect "AI Live Effect Go Live"
#define kSelectorAILiveEffectInterpolate "AI Live Effect Interpolate Parameters"
#define kSelectorAILiveEffectInputType "AI Live Effect Input Type"
#define kSelectorAILiveEffectScaleParameters "AI Live Effect Scale Parameters"
#define kSelectorAILiveEffectConvertColorSpace "AI Live Effect Convert Color Space"
#define kSelectorAILiveEffectAdjustColors "AI Live Effect Adjust Colors"
#define kSelectorAILiveEffectHandleMerge "AI Live Effect Handle Merge"

#define kCallerAITimer "AI Timer"
#define kSelectorAIGoTimer "AI Go"

#define kCallerAIClipboard "AI Clipboard"
#define kSelectorAIGoClipboard "AI Go"
#define kSelectorAICanCopyClipboard "AI Can Copy"
#define kSelectorAICloneClipboard "AI Clone"
#define kSelectorAIDisposeClipboard "AI Dispose"

/* The workspace selectors are spelled "Woskspace" by the host. */
#define kAIWorkspaceCaller "Workspace Manager"
#define kAIWSWriteSelector "Write Woskspace"
#define kAIWSRestoreSelector "Restore Woskspace"
#define kAIWSDefaultSelector "Default Woskspace"

/* ---- the entry point --------------------------------------------------- */

/* Every message enters here. Returns 0 or an error code for the host. */
typedef ASErr(ASAPI *PluginMainProc)(const char *caller, const char *selector, void *message);
#define kPluginMainSymbol "PluginMain"

#endif /* VYN_ILLUSTRATORAPI_SPMESSAGES_H */
