// Plugin.cpp — the framework's base class: message dispatch, lifetime of the
// suites across start-up, unload, reload and shut-down, and the error alert
// shown when no plug-in object is left to report a failure.
#include "Plugin.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "ADMBasic.h"
#include "AINotifier.h"
#include "AppContext.h"
#include "Suites.h"

namespace {

// Copies `source` into `dest` of `size` bytes, always NUL-terminated.
// Returns the number of characters copied.
int CopyBounded(char *dest, const char *source, std::size_t size) {
    if (size == 0) return 0;
    std::size_t n = std::strlen(source);
    if (n >= size) n = size - 1;
    std::memcpy(dest, source, n);
    dest[n] = '\0';
    return static_cast<int>(n);
}

bool Is(const char *a, const char *b) { return std::strcmp(a, b) == 0; }

} // namespace

// ---- construction and allocation ------------------------------------------

Plugin::Plugin(SPPluginRef pluginRef)
    : fPluginRef(pluginRef), fPluginName(), fSuites(nullptr), fLockCount(0), fAccessRef(nullptr),
      fAppStartedNotifier(nullptr) {
    CopyBounded(fPluginName, "Plugin", sizeof fPluginName);
}

Plugin::~Plugin() {
    // Normally the suites are gone already (shut-down and unload release
    // them). An object destroyed after a start-up step failed still holds
    // them: release them so that no acquisition and no block outlives it.
    delete fSuites;
    fSuites = nullptr;
}

void *Plugin::operator new(std::size_t size) noexcept { return ::operator new[](size, std::nothrow); }

void Plugin::operator delete(void *p) noexcept {
    if (p != nullptr) ::operator delete[](p);
}

// ---- lifetime -----------------------------------------------------------

void Plugin::ReportError(long, const char *, const char *, void *) {}

ASErr Plugin::LockPlugin(ASBoolean lock) {
    if (lock) {
        if (++fLockCount == 1 && sSPAccess != nullptr) sSPAccess->AcquirePlugin(fPluginRef, &fAccessRef);
    } else {
        if (--fLockCount == 0) {
            if (sSPAccess != nullptr) sSPAccess->ReleasePlugin(fAccessRef);
            fAccessRef = nullptr;
        }
        if (fLockCount < 0) fLockCount = 0;
    }
    return kNoErr;
}

ASErr Plugin::StartupPlugin(SPInterfaceMessage *message) {
    ASErr result = SetGlobal(this);

    fSuites = new (std::nothrow) Suites;
    if (fSuites == nullptr) {
        result = kErrOutOfMemory;
    } else {
        result = fSuites->Error();
        Suites::InitializeRefCount();
    }
    if (result != kNoErr) {
        delete fSuites;
        fSuites = nullptr;
    }

    if (result == kNoErr) result = sSPPlugins->SetPluginName(message->d.self, fPluginName);

    if (result == kNoErr) {
        char notifierName[sizeof fPluginName + 32];
        std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", fPluginName);
        result = sAINotifier->AddNotifier(message->d.self, notifierName, kAIApplicationStartedNotifier,
                                          &fAppStartedNotifier);
    }

    if (result == kNoErr) result = AllocateSuiteTables();
    if (result == kNoErr) FillSuiteTables();
    return result;
}

ASErr Plugin::PostStartupPlugin() { return kNoErr; }

ASErr Plugin::ShutdownPlugin(SPInterfaceMessage *) {
    if (fSuites != nullptr) {
        delete fSuites;
        fSuites = nullptr;
    }
    SetGlobal(nullptr);
    return kNoErr;
}

ASErr Plugin::UnloadPlugin(SPInterfaceMessage *) {
    EmptySuiteTables();
    SetGlobal(nullptr);
    delete fSuites;
    fSuites = nullptr;
    return kNoErr;
}

ASErr Plugin::ReloadPlugin(SPInterfaceMessage *) {
    ASErr result = SetGlobal(this);

    if (fSuites == nullptr) {
        fSuites = new (std::nothrow) Suites;
        if (fSuites == nullptr) result = kErrOutOfMemory;
    }
    if (fSuites != nullptr) {
        result = fSuites->Error();
        Suites::InitializeRefCount();
    }
    if (result != kNoErr) {
        delete fSuites;
        fSuites = nullptr;
    }
    if (result == kNoErr) FillSuiteTables();
    return result;
}

ASErr Plugin::AcquireProperty(SPPropertiesMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::ReleaseProperty(SPPropertiesMessage *) { return kErrUnhandledMessage; }

int Plugin::GetPluginName(char *buffer, unsigned int length) {
    return CopyBounded(buffer, fPluginName, length);
}

ASErr Plugin::About(SPInterfaceMessage *message) {
    char title[256] = "";
    char notice[256] = "";
    sADMBasic->GetIndexString(message->d.self, kAboutStringListID, 1, title, sizeof title);
    sADMBasic->GetIndexString(message->d.self, kAboutStringListID, 2, notice, sizeof notice);
    sADMBasic->AboutBox(fPluginRef, title, notice);
    return kNoErr;
}

bool Plugin::Purge() { return false; }

ASErr Plugin::SetGlobal(Plugin *) { return kNoErr; }
ASErr Plugin::AllocateSuiteTables() { return kNoErr; }
ASErr Plugin::FillSuiteTables() { return kNoErr; }
ASErr Plugin::EmptySuiteTables() { return kNoErr; }

ASErr Plugin::AcquireOptionalSuites() {
    if (fSuites != nullptr) fSuites->acquire_Optional_Suites();
    return kNoErr;
}

// ---- dispatch -------------------------------------------------------------

bool Plugin::IsReloadMsg(const char *caller, const char *selector) {
    return Is(caller, kSPAccessCaller) && Is(selector, kSPAccessReloadSelector);
}

ASErr Plugin::Message(const char *caller, const char *selector, void *message) {
    ASErr result = kErrUnhandledMessage;
    AcquireOptionalSuites();

    SPInterfaceMessage *interfaceMessage = static_cast<SPInterfaceMessage *>(message);

    if (Is(caller, kSPAccessCaller)) {
        if (Is(selector, kSPAccessUnloadSelector))
            result = UnloadPlugin(interfaceMessage);
        else if (Is(selector, kSPAccessReloadSelector))
            result = ReloadPlugin(interfaceMessage);
    } else if (Is(caller, kSPInterfaceCaller)) {
        if (Is(selector, kSPInterfaceAboutSelector))
            result = About(interfaceMessage);
        else if (Is(selector, kSPInterfaceStartupSelector))
            result = kNoErr;
    } else if (Is(caller, kSPCacheCaller)) {
        if (Is(selector, kSPPluginPurgeSelector)) result = Purge() ? kReplyCachesFlushed : kNoErr;
    } else if (Is(caller, kSPPropertiesCaller)) {
        SPPropertiesMessage *m = static_cast<SPPropertiesMessage *>(message);
        if (Is(selector, kSPPropertiesAcquireSelector))
            result = AcquireProperty(m);
        else if (Is(selector, kSPPropertiesReleaseSelector))
            result = ReleaseProperty(m);
    } else if (Is(caller, kAINotifierCaller)) {
        AINotifierMessage *m = static_cast<AINotifierMessage *>(message);
        AppContext appContext(m->d.self);
        if (m->type != nullptr && Is(m->type, kAIApplicationStartedNotifier)) result = PostStartupPlugin();
        if (result != kNoErr && result != kErrUnhandledMessage) return result;
        if (Is(selector, kAINotifySelector)) result = Notify(m);
    } else if (Is(caller, kActionCaller)) {
        if (Is(selector, kDoActionSelector)) result = GoAction(static_cast<DoActionMessage *>(message));
    } else if (Is(caller, kCallerAIMenu)) {
        AIMenuMessage *m = static_cast<AIMenuMessage *>(message);
        if (Is(selector, kSelectorAIGoMenuItem))
            result = GoMenuItem(m);
        else if (Is(selector, kSelectorAIUpdateMenuItem))
            result = UpdateMenuItem(m);
    } else if (Is(caller, kCallerAIFilter)) {
        AIFilterMessage *m = static_cast<AIFilterMessage *>(message);
        if (Is(selector, kSelectorAIGetFilterParameters))
            result = GetFilterParameters(m);
        else if (Is(selector, kSelectorAIGoFilter))
            result = GoFilter(m);
    } else if (Is(caller, kCallerAIPluginGroup)) {
        AIPluginGroupMessage *m = static_cast<AIPluginGroupMessage *>(message);
        if (Is(selector, kSelectorAINotifyEdits))
            result = PluginGroupNotify(m);
        else if (Is(selector, kSelectorAIUpdateArt))
            result = PluginGroupUpdate(m);
    } else if (Is(caller, kCallerAIFileFormat)) {
        AIFileFormatMessage *m = static_cast<AIFileFormatMessage *>(message);
        if (Is(selector, kSelectorAIGetFileFormatParameters))
            result = GetFileFormatParameters(m);
        else if (Is(selector, kSelectorAIGoFileFormat))
            result = GoFileFormat(m);
        else if (Is(selector, kSelectorAICheckFileFormat))
            result = CheckFileFormat(m);
        else if (Is(selector, kSelectorAIUpdateFileFormat))
            result = FileFormatUpdate(static_cast<AIUpdateFileFormatMessage *>(message));
        else if (Is(selector, kSelectorAISetFileFormatParameters))
            result = SetFileFormatParameters(static_cast<DoActionMessage *>(message));
    } else if (Is(caller, kCallerAITool)) {
        AIToolMessage *m = static_cast<AIToolMessage *>(message);
        if (Is(selector, kSelectorAIEditToolOptions))
            result = EditTool(m);
        else if (Is(selector, kSelectorAITrackToolCursor))
            result = TrackToolCursor(m);
        else if (Is(selector, kSelectorAIToolMouseDown))
            result = ToolMouseDown(m);
        else if (Is(selector, kSelectorAIToolMouseDrag))
            result = ToolMouseDrag(m);
        else if (Is(selector, kSelectorAIToolMouseUp))
            result = ToolMouseUp(m);
        else if (Is(selector, kSelectorAISelectTool))
            result = SelectTool(m);
        else if (Is(selector, kSelectorAIDeselectTool))
            result = DeselectTool(m);
        else if (Is(selector, kSelectorAIReselectTool))
            result = ReselectTool(m);
        else if (Is(selector, kSelectorAIDecreaseDiameter))
            result = DecreaseDiameter(m);
        else if (Is(selector, kSelectorAIIncreaseDiameter))
            result = IncreaseDiameter(m);
    } else if (Is(caller, kCallerAILiveEffect)) {
        if (Is(selector, kSelectorAIEditLiveEffectParameters))
            result = EditLiveEffectParameters(static_cast<AILiveEffectEditParamMessage *>(message));
        else if (Is(selector, kSelectorAIGoLiveEffect))
            result = GoLiveEffect(static_cast<AILiveEffectGoMessage *>(message));
        else if (Is(selector, kSelectorAILiveEffectInterpolate))
            result = LiveEffectInterpolate(static_cast<AILiveEffectInterpParamMessage *>(message));
        else if (Is(selector, kSelectorAILiveEffectInputType))
            result = LiveEffectGetInputType(static_cast<AILiveEffectInputTypeMessage *>(message));
        else if (Is(selector, kSelectorAILiveEffectScaleParameters))
            result = LiveEffectScaleParameters(static_cast<AILiveEffectScaleParamMessage *>(message));
        else if (Is(selector, kSelectorAILiveEffectConvertColorSpace))
            result = LiveEffectConvertColorSpace(static_cast<AILiveEffectConvertColorMessage *>(message));
        else if (Is(selector, kSelectorAILiveEffectAdjustColors))
            result = LiveEffectAdjustColors(static_cast<AILiveEffectAdjustColorsMessage *>(message));
        else if (Is(selector, kSelectorAILiveEffectHandleMerge))
            result = LiveEffectHandleMerge(static_cast<AILiveEffectHandleMergeMessage *>(message));
    } else if (Is(caller, kCallerAITimer)) {
        if (Is(selector, kSelectorAIGoTimer)) result = GoTimer(static_cast<AITimerMessage *>(message));
    } else if (Is(caller, kCallerAIClipboard)) {
        AIClipboardMessage *m = static_cast<AIClipboardMessage *>(message);
        if (Is(selector, kSelectorAIGoClipboard))
            result = GoClipboard(m);
        else if (Is(selector, kSelectorAICanCopyClipboard))
            result = CanCopyClipboard(m);
        else if (Is(selector, kSelectorAICloneClipboard))
            result = CloneClipboard(m);
        else if (Is(selector, kSelectorAIDisposeClipboard))
            result = DisposeClipboard(m);
    } else if (Is(caller, kAIWorkspaceCaller)) {
        // The host spells these selectors "Woskspace"; they match only so.
        AIWorkspaceMessage *m = static_cast<AIWorkspaceMessage *>(message);
        if (Is(selector, kAIWSWriteSelector))
            result = WorkspaceWrite(m);
        else if (Is(selector, kAIWSRestoreSelector))
            result = WorkspaceRestore(m);
        else if (Is(selector, kAIWSDefaultSelector))
            result = WorkspaceDefault(m);
    }
    return result;
}

// ---- default handlers -----------------------------------------------------

ASErr Plugin::Notify(AINotifierMessage *) { return kNoErr; }
ASErr Plugin::GoAction(DoActionMessage *) { return kNoErr; }
ASErr Plugin::GoMenuItem(AIMenuMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::UpdateMenuItem(AIMenuMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::GetFilterParameters(AIFilterMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::GoFilter(AIFilterMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::PluginGroupNotify(AIPluginGroupMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::PluginGroupUpdate(AIPluginGroupMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::GetFileFormatParameters(AIFileFormatMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::GoFileFormat(AIFileFormatMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::CheckFileFormat(AIFileFormatMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::FileFormatUpdate(AIUpdateFileFormatMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::SetFileFormatParameters(DoActionMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::EditTool(AIToolMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::TrackToolCursor(AIToolMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::ToolMouseDown(AIToolMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::ToolMouseDrag(AIToolMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::ToolMouseUp(AIToolMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::SelectTool(AIToolMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::DeselectTool(AIToolMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::ReselectTool(AIToolMessage *) { return kNoErr; }
ASErr Plugin::DecreaseDiameter(AIToolMessage *) { return kNoErr; }
ASErr Plugin::IncreaseDiameter(AIToolMessage *) { return kNoErr; }
ASErr Plugin::EditLiveEffectParameters(AILiveEffectEditParamMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::GoLiveEffect(AILiveEffectGoMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::LiveEffectInterpolate(AILiveEffectInterpParamMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::LiveEffectGetInputType(AILiveEffectInputTypeMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::LiveEffectConvertColorSpace(AILiveEffectConvertColorMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::LiveEffectScaleParameters(AILiveEffectScaleParamMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::LiveEffectAdjustColors(AILiveEffectAdjustColorsMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::LiveEffectHandleMerge(AILiveEffectHandleMergeMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::GoTimer(AITimerMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::GoClipboard(AIClipboardMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::CanCopyClipboard(AIClipboardMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::CloneClipboard(AIClipboardMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::DisposeClipboard(AIClipboardMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::WorkspaceWrite(AIWorkspaceMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::WorkspaceRestore(AIWorkspaceMessage *) { return kErrUnhandledMessage; }
ASErr Plugin::WorkspaceDefault(AIWorkspaceMessage *) { return kErrUnhandledMessage; }
