// The suites of the document's art, styles, layers, text and swatches,
// registered under their names and versions so a plug-in can acquire them,
// with every operation failing with 'CANT' until this host implements the
// family. Each operation passes the gate under its own suite and operation
// name and context, so it is traced, checked and can be injected like any
// other; the gate files the 'CANT' as a host fault, not the plug-in's. Each
// family leaves this file when its own file takes over.
#include <algorithm>
#include <cstddef>
#include <type_traits>

#include "CallGate.h"
#include "Host.h"
#include "SuiteRegistry.h"
#include "AIPathStyle.h"
#include "AITextFrame.h"
#include "AIATEPaint.h"
#include "AICustomColor.h"
#include "AIPattern.h"
#include "AIGradient.h"

namespace vyn::host {
namespace {

// A string literal as a template argument: an operation's names live in
// the template parameter object, one address per name.
template <std::size_t N> struct Literal {
    char text[N];
    constexpr Literal(const char (&s)[N]) { std::copy_n(s, N, text); }
};

// Converts to any suite function pointer type: the function it yields fails
// through the gate as the named operation.
template <Literal Suite, Literal Name, CallContext Context> struct NotOffered {
    template <class R, class... A> static R ASAPI call(A...) {
        ASErr code = gate({Suite.text, Name.text, Context}, [](Host &) -> ASErr {
            throw HostError(kCantHappenErr, "this operation is not offered by the stand-in host yet");
        });
        if constexpr (std::is_same_v<R, ASErr>)
            return code;
        else if constexpr (!std::is_void_v<R>)
            return R{};
    }
    template <class R, class... A> using Function = R(ASAPI *)(A...);
    template <class R, class... A> constexpr operator Function<R, A...>() const { return &call<R, A...>; }
};

#define VYN_NOT_OFFERED(suite, operation, context)                                                           \
    .operation = NotOffered<suite, #operation, CallContext::context> {}

const AIPathStyleSuite kAIPathStyleSuiteTable = {
    VYN_NOT_OFFERED(kAIPathStyleSuite, GetPathStyle, DocumentOpen),
    VYN_NOT_OFFERED(kAIPathStyleSuite, SetPathStyle, DocumentOpen),
    VYN_NOT_OFFERED(kAIPathStyleSuite, GetCurrentPathStyle, DocumentOpen),
};

const AITextFrameSuite kAITextFrameSuiteTable = {
    VYN_NOT_OFFERED(kAITextFrameSuite, NewPointText, DocumentOpen),
    VYN_NOT_OFFERED(kAITextFrameSuite, GetPointTextAnchor, DocumentOpen),
    VYN_NOT_OFFERED(kAITextFrameSuite, GetATETextRange, DocumentOpen),
};

const AIATEPaintSuite kAIATEPaintSuiteTable = {
    VYN_NOT_OFFERED(kAIATEPaintSuite, CreateATEApplicationPaint, AnyTime),
};

const AICustomColorSuite kAICustomColorSuiteTable = {
    VYN_NOT_OFFERED(kAICustomColorSuite, GetCustomColor, DocumentOpen),
    VYN_NOT_OFFERED(kAICustomColorSuite, GetCustomColorName, DocumentOpen),
};

const AIPatternSuite kAIPatternSuiteTable = {
    VYN_NOT_OFFERED(kAIPatternSuite, GetPatternName, DocumentOpen),
};

const AIGradientSuite kAIGradientSuiteTable = {
    VYN_NOT_OFFERED(kAIGradientSuite, GetGradientName, DocumentOpen),
    VYN_NOT_OFFERED(kAIGradientSuite, GetGradientType, DocumentOpen),
};

#undef VYN_NOT_OFFERED

} // namespace

void registerPendingSuites(SuiteRegistry &registry) {
    registry.add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kAIPathStyleSuiteTable);
    registry.add(kAITextFrameSuite, kAITextFrameSuiteVersion, &kAITextFrameSuiteTable);
    registry.add(kAIATEPaintSuite, kAIATEPaintSuiteVersion, &kAIATEPaintSuiteTable);
    registry.add(kAICustomColorSuite, kAICustomColorSuiteVersion, &kAICustomColorSuiteTable);
    registry.add(kAIPatternSuite, kAIPatternSuiteVersion, &kAIPatternSuiteTable);
    registry.add(kAIGradientSuite, kAIGradientSuiteVersion, &kAIGradientSuiteTable);
}

} // namespace vyn::host
