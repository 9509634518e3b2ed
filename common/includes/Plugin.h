// Plugin.h — the plug-in framework's base class.
//
// A Plugin object turns the host's caller/selector pairs into virtual
// operations. It is created at start-up from the host's block allocator, kept
// in the message header's globals slot, and survives unloads of the plug-in's
// code: after a reload its dynamic type is re-established in place (see
// FixupReload) before any virtual call. The order of the virtual operations
// and of the fields is fixed; subclasses override, never reorder.
#pragma once

#include <cstddef>

#include "ASTypes.h"
#include "SPMessages.h"

class Suites;

// Result codes of the framework.
constexpr ASErr kErrUnhandledMessage = AS_FOURCC('!', 'M', 'S', 'G');
constexpr ASErr kErrOutOfMemory = AS_FOURCC('M', 'E', 'M', '!');
constexpr ASErr kErrCannotComplete = AS_FOURCC('C', 'A', 'N', 'T');
constexpr ASErr kReplyCachesFlushed = AS_FOURCC('p', 'F', 'l', 's');

// Resource ids of the framework's string lists.
constexpr ASInt32 kAboutStringListID = 16600; // 1: title, 2: notice
constexpr ASInt32 kErrorStringListID = 16050; // pairs: code, message template

class Plugin {
  public:
    explicit Plugin(SPPluginRef pluginRef);
    virtual ~Plugin();

    // Host messages, in slot order. "Unhandled" operations return
    // kErrUnhandledMessage, which PluginMain turns into 0 with a warning.
    virtual void ReportError(long error, const char *caller, const char *selector, void *message);
    virtual ASErr LockPlugin(ASBoolean lock);
    virtual ASErr StartupPlugin(SPInterfaceMessage *message);
    virtual ASErr PostStartupPlugin();
    virtual ASErr ShutdownPlugin(SPInterfaceMessage *message);
    virtual ASErr UnloadPlugin(SPInterfaceMessage *message);
    virtual ASErr ReloadPlugin(SPInterfaceMessage *message);
    virtual ASErr AcquireProperty(SPPropertiesMessage *message);
    virtual ASErr ReleaseProperty(SPPropertiesMessage *message);
    virtual int GetPluginName(char *buffer, unsigned int length);
    virtual ASErr About(SPInterfaceMessage *message);
    virtual bool Purge();
    virtual ASErr Message(const char *caller, const char *selector, void *message);
    virtual ASErr SetGlobal(Plugin *plugin);
    virtual ASErr AllocateSuiteTables();
    virtual ASErr FillSuiteTables();
    virtual ASErr EmptySuiteTables();
    virtual ASErr AcquireOptionalSuites();
    virtual ASErr Notify(AINotifierMessage *message);
    virtual ASErr GoAction(DoActionMessage *message);
    virtual ASErr GoMenuItem(AIMenuMessage *message);
    virtual ASErr UpdateMenuItem(AIMenuMessage *message);
    virtual ASErr GetFilterParameters(AIFilterMessage *message);
    virtual ASErr GoFilter(AIFilterMessage *message);
    virtual ASErr PluginGroupNotify(AIPluginGroupMessage *message);
    virtual ASErr PluginGroupUpdate(AIPluginGroupMessage *message);
    virtual ASErr GetFileFormatParameters(AIFileFormatMessage *message);
    virtual ASErr GoFileFormat(AIFileFormatMessage *message);
    virtual ASErr CheckFileFormat(AIFileFormatMessage *message);
    virtual ASErr FileFormatUpdate(AIUpdateFileFormatMessage *message);
    virtual ASErr SetFileFormatParameters(DoActionMessage *message);
    virtual ASErr EditTool(AIToolMessage *message);
    virtual ASErr TrackToolCursor(AIToolMessage *message);
    virtual ASErr ToolMouseDown(AIToolMessage *message);
    virtual ASErr ToolMouseDrag(AIToolMessage *message);
    virtual ASErr ToolMouseUp(AIToolMessage *message);
    virtual ASErr SelectTool(AIToolMessage *message);
    virtual ASErr DeselectTool(AIToolMessage *message);
    virtual ASErr ReselectTool(AIToolMessage *message);
    virtual ASErr DecreaseDiameter(AIToolMessage *message);
    virtual ASErr IncreaseDiameter(AIToolMessage *message);
    virtual ASErr EditLiveEffectParameters(AILiveEffectEditParamMessage *message);
    virtual ASErr GoLiveEffect(AILiveEffectGoMessage *message);
    virtual ASErr LiveEffectInterpolate(AILiveEffectInterpParamMessage *message);
    virtual ASErr LiveEffectGetInputType(AILiveEffectInputTypeMessage *message);
    virtual ASErr LiveEffectConvertColorSpace(AILiveEffectConvertColorMessage *message);
    virtual ASErr LiveEffectScaleParameters(AILiveEffectScaleParamMessage *message);
    virtual ASErr LiveEffectAdjustColors(AILiveEffectAdjustColorsMessage *message);
    virtual ASErr LiveEffectHandleMerge(AILiveEffectHandleMergeMessage *message);
    virtual ASErr GoTimer(AITimerMessage *message);
    virtual ASErr GoClipboard(AIClipboardMessage *message);
    virtual ASErr CanCopyClipboard(AIClipboardMessage *message);
    virtual ASErr CloneClipboard(AIClipboardMessage *message);
    virtual ASErr DisposeClipboard(AIClipboardMessage *message);
    virtual ASErr WorkspaceWrite(AIWorkspaceMessage *message);
    virtual ASErr WorkspaceRestore(AIWorkspaceMessage *message);
    virtual ASErr WorkspaceDefault(AIWorkspaceMessage *message);

    // True while the plug-in holds its suites (between start-up or reload
    // and unload or shut-down).
    bool SuitesAcquired() const { return fSuites != nullptr; }

    static bool IsReloadMsg(const char *caller, const char *selector);

    // Error reporting when no plug-in object is left (start-up failed, or
    // the message was the shut-down).
    static bool FilterError(long error);
    static char *FindMsg(SPPluginRef pluginRef, long error, char *buffer, int bufferSize);
    static void DefaultError(SPPluginRef pluginRef, long error);

    // The object comes from the host's block allocator; null when it is
    // exhausted (the new-expression then skips the constructor).
    static void *operator new(std::size_t size) noexcept;
    static void operator delete(void *p) noexcept;

  protected:
    // Leaves every field as it is: only used when a subclass re-establishes
    // the dynamic type of an existing object in place after a reload.
    Plugin() {}

    SPPluginRef fPluginRef;
    char fPluginName[256];
    Suites *fSuites;
    ASInt32 fLockCount;
    SPAccessRef fAccessRef;
    AINotifierHandle fAppStartedNotifier;
};

// Supplied by the plug-in: creates its Plugin subclass for `pluginRef` (null
// when memory is exhausted), and re-establishes the dynamic type of an object
// that survived an unload of the code.
Plugin *AllocatePlugin(SPPluginRef pluginRef);
void FixupReload(Plugin *plugin);
