// ADM Basic over the plug-ins' bundle resources, the front end and the
// screen. Offered at versions 10 and 11 with one table.
#include <algorithm>
#include <cstring>

#include "ADMBasic.h"
#include "gate/CallGate.h"
#include "frontend/Frontend.h"
#include "Host.h"
#include "text/MacRoman.h"
#include "loader/PluginSet.h"
#include "gate/SuiteRegistry.h"
#include "suites/ADMSuiteParts.h"

namespace vyn::host {

std::string admText(const char *text) { return text ? macRomanToUtf8(text) : std::string(); }

namespace {

constexpr const char *kBasic = kADMBasicSuite;

ADMErr ASAPI getIndexString(SPPluginRef plugin, ASInt32 listID, ASInt32 index, char *buffer,
                            ASInt32 bufferSize) {
    if (buffer && bufferSize > 0) buffer[0] = '\0';
    return gate({kBasic, "GetIndexString", CallContext::AnyTime}, [&](Host &host) {
        const LoadedPlugin *owner = host.plugins().find(plugin);
        require(owner != nullptr, "unknown plug-in reference");
        require(buffer != nullptr && bufferSize > 0, "null buffer or buffer size below 1");
        std::optional<std::string> entry = owner->resources.string(listID, index);
        if (!entry) return ASErr(kNotFoundErr);
        const std::string bytes = utf8ToMacRoman(*entry);
        const std::size_t n = std::min(bytes.size(), static_cast<std::size_t>(bufferSize) - 1);
        std::memcpy(buffer, bytes.data(), n);
        buffer[n] = '\0';
        return ASErr(kNoErr);
    });
}

void ASAPI errorAlert(const char *text) {
    gateVoid({kBasic, "ErrorAlert", CallContext::AnyTime}, [&](Host &host) {
        if (text) host.frontend().show(FrontendEvent::Kind::ErrorAlert, admText(text));
    });
}

void ASAPI messageAlert(const char *text) {
    gateVoid({kBasic, "MessageAlert", CallContext::AnyTime}, [&](Host &host) {
        if (text) host.frontend().show(FrontendEvent::Kind::Alert, admText(text));
    });
}

void ASAPI aboutBox(SPPluginRef plugin, const char *text1, const char *text2) {
    gateVoid({kBasic, "AboutBox", CallContext::AnyTime}, [&](Host &host) {
        if (host.plugins().find(plugin))
            host.frontend().show(FrontendEvent::Kind::AboutBox, admText(text1) + "\n" + admText(text2));
    });
}

void ASAPI beep() {
    gateVoid({kBasic, "Beep", CallContext::AnyTime},
             [&](Host &host) { host.frontend().show(FrontendEvent::Kind::Beep, ""); });
}

ADMErr ASAPI getScreenDimensions(ADMRect *bounds) {
    return gate({kBasic, "GetScreenDimensions", CallContext::AnyTime}, [&](Host &host) {
        require(bounds != nullptr, "null rectangle address");
        *bounds = host.screen();
        return ASErr(kNoErr);
    });
}

const ADMBasicSuite kBasicTable = {
    .GetIndexString = getIndexString,
    .ErrorAlert = errorAlert,
    .MessageAlert = messageAlert,
    .AboutBox = aboutBox,
    .Beep = beep,
    .GetScreenDimensions = getScreenDimensions,
};

} // namespace

void registerADMBasicSuite(SuiteRegistry &registry) {
    registry.add(kADMBasicSuite, kADMBasicSuiteVersion10, &kBasicTable);
    registry.add(kADMBasicSuite, kADMBasicSuiteVersion11, &kBasicTable);
}

} // namespace vyn::host
