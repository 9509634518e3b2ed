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
#include "AIArt.h"
#include "AIPath.h"
#include "AIRealMath.h"
#include "AITransformArt.h"
#include "AILayer.h"
#include "AIMdMemory.h"
#include "AITag.h"
#include "AIMatchingArt.h"

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

const AIArtSuite kAIArtSuiteTable = {
    VYN_NOT_OFFERED(kAIArtSuite, NewArt, DocumentOpen),
    VYN_NOT_OFFERED(kAIArtSuite, DisposeArt, DocumentOpen),
    VYN_NOT_OFFERED(kAIArtSuite, GetArtType, DocumentOpen),
    VYN_NOT_OFFERED(kAIArtSuite, GetArtUserAttr, DocumentOpen),
    VYN_NOT_OFFERED(kAIArtSuite, SetArtUserAttr, DocumentOpen),
    VYN_NOT_OFFERED(kAIArtSuite, ValidArt, AnyTime),
    VYN_NOT_OFFERED(kAIArtSuite, GetFirstArtOfLayer, DocumentOpen),
    VYN_NOT_OFFERED(kAIArtSuite, GetArtFirstChild, DocumentOpen),
    VYN_NOT_OFFERED(kAIArtSuite, SetArtCenterPointVisible, DocumentOpen),
};

const AIPathSuite kAIPathSuiteTable = {
    VYN_NOT_OFFERED(kAIPathSuite, GetPathSegmentCount, DocumentOpen),
    VYN_NOT_OFFERED(kAIPathSuite, SetPathSegmentCount, DocumentOpen),
    VYN_NOT_OFFERED(kAIPathSuite, GetPathSegments, DocumentOpen),
    VYN_NOT_OFFERED(kAIPathSuite, SetPathSegments, DocumentOpen),
    VYN_NOT_OFFERED(kAIPathSuite, GetPathClosed, DocumentOpen),
    VYN_NOT_OFFERED(kAIPathSuite, SetPathClosed, DocumentOpen),
};

const AIRealMathSuite kAIRealMathSuiteTable = {
    VYN_NOT_OFFERED(kAIRealMathSuite, AIRealMatrixSetTranslate, AnyTime),
};

const AITransformArtSuite kAITransformArtSuiteTable = {
    VYN_NOT_OFFERED(kAITransformArtSuite, TransformArt, DocumentOpen),
};

const AILayerSuite kAILayerSuiteTable = {
    VYN_NOT_OFFERED(kAILayerSuite, CountLayers, DocumentOpen),
    VYN_NOT_OFFERED(kAILayerSuite, GetNthLayer, DocumentOpen),
    VYN_NOT_OFFERED(kAILayerSuite, GetCurrentLayer, DocumentOpen),
    VYN_NOT_OFFERED(kAILayerSuite, InsertLayer, DocumentOpen),
    VYN_NOT_OFFERED(kAILayerSuite, GetLayerTitle, DocumentOpen),
    VYN_NOT_OFFERED(kAILayerSuite, SetLayerTitle, DocumentOpen),
    VYN_NOT_OFFERED(kAILayerSuite, GetLayerEditable, DocumentOpen),
};

const AIMdMemorySuite kAIMdMemorySuiteTable = {
    VYN_NOT_OFFERED(kAIMdMemorySuite, MdMemoryDisposeHandle, AnyTime),
};

const AITagSuite kAITagSuiteTable = {
    VYN_NOT_OFFERED(kAITagSuite, SetTag, DocumentOpen),
    VYN_NOT_OFFERED(kAITagSuite, GetTag, DocumentOpen),
};

const AIMatchingArtSuite kAIMatchingArtSuiteTable = {
    VYN_NOT_OFFERED(kAIMatchingArtSuite, GetMatchingArt, DocumentOpen),
};

#undef VYN_NOT_OFFERED

} // namespace

void registerPendingSuites(SuiteRegistry &registry) {
    registry.add(kAIArtSuite, kAIArtSuiteVersion, &kAIArtSuiteTable);
    registry.add(kAIPathSuite, kAIPathSuiteVersion, &kAIPathSuiteTable);
    registry.add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kAIRealMathSuiteTable);
    registry.add(kAITransformArtSuite, kAITransformArtSuiteVersion, &kAITransformArtSuiteTable);
    registry.add(kAILayerSuite, kAILayerSuiteVersion, &kAILayerSuiteTable);
    registry.add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kAIMdMemorySuiteTable);
    registry.add(kAITagSuite, kAITagSuiteVersion, &kAITagSuiteTable);
    registry.add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kAIMatchingArtSuiteTable);
}

} // namespace vyn::host
