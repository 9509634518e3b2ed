// DatePlugIn.cpp — creation, reload fix-up and message guard of the plug-in
// object.
#include "DatePlugIn.h"

#include <cstring>

#include "Dialogue.h"
#include "IAIUnicodeString.h"

namespace {

// Turns an exception escaping a handler into the handler's result: a host
// error keeps its code, anything else becomes "cannot complete".
template <typename Handler> ASErr Guarded(Handler handler) {
    try {
        return handler();
    } catch (const ai::Error &e) {
        return static_cast<ASErr>(static_cast<long>(e));
    } catch (...) {
        return kErrCannotComplete;
    }
}

} // namespace

DatePlugIn::DatePlugIn(SPPluginRef pluginRef)
    : Plugin(pluginRef), fColorsMenuItem(nullptr), fAboutMenuItem(nullptr) {
    std::strncpy(fPluginName, "Colors", sizeof fPluginName);
    fPluginName[sizeof fPluginName - 1] = '\0';
}

DatePlugIn::DatePlugIn(long) : Plugin() {}

DatePlugIn::~DatePlugIn() {}

void *DatePlugIn::operator new(std::size_t size) noexcept { return Plugin::operator new(size); }

void DatePlugIn::operator delete(void *p) noexcept { Plugin::operator delete(p); }

void *DatePlugIn::operator new(std::size_t, DatePlugIn *where) noexcept { return where; }

void DatePlugIn::operator delete(void *, DatePlugIn *) noexcept {}

void DatePlugIn::FixupVTable(DatePlugIn *plugin) {
    new (plugin) DatePlugIn(0L);
    // The constructor leaves the fields alone, but the compiler may treat an
    // object's storage as fresh once its constructor has run: make it read
    // the fields back from memory, where they kept their values.
    __asm__ __volatile__("" : : "r"(plugin) : "memory");
}

ASErr DatePlugIn::StartupPlugin(SPInterfaceMessage *message) {
    ASErr result = Plugin::StartupPlugin(message);
    if (result != kNoErr) return result;
    // Start-up is not dispatched through Message, so it needs its own guard:
    // no exception may leave PluginMain.
    return Guarded([&] { return AddMenus(message); });
}

ASErr DatePlugIn::ShutdownPlugin(SPInterfaceMessage *message) {
    message->d.globals = nullptr;
    return Plugin::ShutdownPlugin(message);
}

ASErr DatePlugIn::ReloadPlugin(SPInterfaceMessage *message) {
    ASErr result = Plugin::ReloadPlugin(message);
    if (result == kNoErr && SettingsDialogUnplaced()) PlaceSettingsDialog();
    return result;
}

ASErr DatePlugIn::Message(const char *caller, const char *selector, void *message) {
    ASErr result = Guarded([&] { return Plugin::Message(caller, selector, message); });
    if (result != kNoErr && result != kErrUnhandledMessage) ReportError(result, caller, selector, message);
    return result;
}

ASErr DatePlugIn::Notify(AINotifierMessage *) { return kNoErr; }
