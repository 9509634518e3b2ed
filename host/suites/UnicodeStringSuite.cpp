// AI Unicode String over the host's string store.
#include "AIUnicodeString.h"
#include "gate/CallGate.h"
#include "Host.h"
#include "text/MacRoman.h"
#include "gate/SuiteRegistry.h"
#include "text/UnicodeStrings.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAIUnicodeStringSuite;

AIErr ASAPI initialize(AIUnicodeStringRef *str, const char *text, ASInt32 length,
                       AICharacterEncoding encoding) {
    return gate({kSuite, "Initialize", CallContext::AnyTime}, [&](Host &host) {
        require(str != nullptr, "null string address");
        require(encoding == kAIPlatformCharacterEncoding, "unknown character encoding");
        require(length >= 0 && (text || length == 0), "bad text or length");
        *str = host.strings().make(macRomanToUtf16(std::string_view(text ? text : "", size_t(length))));
        return kNoErr;
    });
}

AIErr ASAPI copy(AIUnicodeStringRef *dest, AIUnicodeStringRef src) {
    return gate({kSuite, "Copy", CallContext::AnyTime}, [&](Host &host) {
        require(dest != nullptr, "null destination address");
        std::u16string text = host.strings().text(src);
        if (!*dest) {
            *dest = host.strings().make(std::move(text));
        } else {
            std::u16string *target = host.strings().find(*dest);
            require(target != nullptr, "stale destination string");
            *target = std::move(text);
        }
        return kNoErr;
    });
}

AIErr ASAPI getCodeUnit(AIUnicodeStringRef str, ASUInt32 index, ASUInt16 *codeUnit) {
    if (codeUnit) *codeUnit = 0xFFFF;
    return gate({kSuite, "GetCodeUnit", CallContext::AnyTime}, [&](Host &host) {
        require(codeUnit != nullptr, "null result address");
        const std::u16string &text = host.strings().text(str);
        require(index < text.size(), "code unit index past the end");
        *codeUnit = text[index];
        return kNoErr;
    });
}

AIErr ASAPI length(AIUnicodeStringRef str, ASUInt32 *result) {
    return gate({kSuite, "Length", CallContext::AnyTime}, [&](Host &host) {
        require(result != nullptr, "null result address");
        *result = static_cast<ASUInt32>(host.strings().text(str).size());
        return kNoErr;
    });
}

AIErr ASAPI compare(AIUnicodeStringRef a, AIUnicodeStringRef b, ASInt32 *result) {
    return gate({kSuite, "Compare", CallContext::AnyTime}, [&](Host &host) {
        require(result != nullptr, "null result address");
        int c = host.strings().text(a).compare(host.strings().text(b));
        *result = c < 0 ? -1 : c > 0 ? 1 : 0;
        return kNoErr;
    });
}

AIErr ASAPI dispose(AIUnicodeStringRef *str) {
    return gate({kSuite, "Dispose", CallContext::AnyTime}, [&](Host &host) {
        require(str != nullptr, "null string address");
        if (!*str) return kNoErr;
        require(host.strings().find(*str) != nullptr, "stale string");
        host.strings().dispose(*str);
        *str = nullptr;
        return kNoErr;
    });
}

const AIUnicodeStringSuite kTable = {
    .Initialize = initialize,
    .Copy = copy,
    .GetCodeUnit = getCodeUnit,
    .Length = length,
    .Compare = compare,
    .Dispose = dispose,
};

} // namespace

void registerUnicodeStringSuite(SuiteRegistry &registry) {
    registry.add(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &kTable);
}

} // namespace vyn::host
