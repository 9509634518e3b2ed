// The suites of the document, its art, styles, text, preferences and fonts,
// registered under their names and versions so a plug-in can acquire them,
// with every operation answering kCantHappenErr until this host implements
// the family. Each family leaves this file when its own file takes over.
#include <type_traits>

#include "CallGate.h"
#include "Host.h"
#include "SuiteRegistry.h"

#include "AIPreference.h"
#include "AIFont.h"
#include "AIArt.h"
#include "AIPath.h"
#include "AIPathStyle.h"
#include "AIRealMath.h"
#include "AITransformArt.h"
#include "AILayer.h"
#include "AIDocument.h"
#include "AIMdMemory.h"
#include "AITextFrame.h"
#include "AIATEPaint.h"
#include "AITag.h"
#include "AIMatchingArt.h"
#include "AICustomColor.h"
#include "AIPattern.h"
#include "AIGradient.h"

namespace vyn::host {
namespace {

// An operation this host does not offer yet: fails through the gate, so the
// call is traced and can be injected like any other.
template <class F> struct NotOffered;
template <class R, class... A> struct NotOffered<R(ASAPI *)(A...)> {
    static R ASAPI call(A...) {
        ASErr code = gate("pending suite", "operation", [](Host &) -> ASErr {
            throw HostError(kCantHappenErr, "this operation is not offered by the stand-in host yet");
        });
        if constexpr (std::is_same_v<R, ASErr>)
            return code;
        else if constexpr (!std::is_void_v<R>)
            return R{};
    }
};

#define VYN_NOT_OFFERED(table, field) table.field = &NotOffered<decltype(table.field)>::call

AIPreferenceSuite makeAIPreferenceSuite() {
    AIPreferenceSuite t{};
    VYN_NOT_OFFERED(t, GetBooleanPreference);
    VYN_NOT_OFFERED(t, PutBooleanPreference);
    VYN_NOT_OFFERED(t, GetRealPreference);
    VYN_NOT_OFFERED(t, PutRealPreference);
    VYN_NOT_OFFERED(t, GetStringPreference);
    VYN_NOT_OFFERED(t, PutStringPreference);
    return t;
}
const AIPreferenceSuite kAIPreferenceSuiteTable = makeAIPreferenceSuite();

AIFontSuite makeAIFontSuite() {
    AIFontSuite t{};
    VYN_NOT_OFFERED(t, CountFonts);
    VYN_NOT_OFFERED(t, IndexFontList);
    VYN_NOT_OFFERED(t, FontKeyFromPlatformFont);
    VYN_NOT_OFFERED(t, GetFontName);
    VYN_NOT_OFFERED(t, ATEFontFromFontKey);
    return t;
}
const AIFontSuite kAIFontSuiteTable = makeAIFontSuite();

AIArtSuite makeAIArtSuite() {
    AIArtSuite t{};
    VYN_NOT_OFFERED(t, NewArt);
    VYN_NOT_OFFERED(t, DisposeArt);
    VYN_NOT_OFFERED(t, GetArtType);
    VYN_NOT_OFFERED(t, GetArtUserAttr);
    VYN_NOT_OFFERED(t, SetArtUserAttr);
    VYN_NOT_OFFERED(t, ValidArt);
    VYN_NOT_OFFERED(t, GetFirstArtOfLayer);
    VYN_NOT_OFFERED(t, GetArtFirstChild);
    VYN_NOT_OFFERED(t, SetArtCenterPointVisible);
    return t;
}
const AIArtSuite kAIArtSuiteTable = makeAIArtSuite();

AIPathSuite makeAIPathSuite() {
    AIPathSuite t{};
    VYN_NOT_OFFERED(t, GetPathSegmentCount);
    VYN_NOT_OFFERED(t, SetPathSegmentCount);
    VYN_NOT_OFFERED(t, GetPathSegments);
    VYN_NOT_OFFERED(t, SetPathSegments);
    VYN_NOT_OFFERED(t, GetPathClosed);
    VYN_NOT_OFFERED(t, SetPathClosed);
    return t;
}
const AIPathSuite kAIPathSuiteTable = makeAIPathSuite();

AIPathStyleSuite makeAIPathStyleSuite() {
    AIPathStyleSuite t{};
    VYN_NOT_OFFERED(t, GetPathStyle);
    VYN_NOT_OFFERED(t, SetPathStyle);
    VYN_NOT_OFFERED(t, GetCurrentPathStyle);
    return t;
}
const AIPathStyleSuite kAIPathStyleSuiteTable = makeAIPathStyleSuite();

AIRealMathSuite makeAIRealMathSuite() {
    AIRealMathSuite t{};
    VYN_NOT_OFFERED(t, AIRealMatrixSetTranslate);
    return t;
}
const AIRealMathSuite kAIRealMathSuiteTable = makeAIRealMathSuite();

AITransformArtSuite makeAITransformArtSuite() {
    AITransformArtSuite t{};
    VYN_NOT_OFFERED(t, TransformArt);
    return t;
}
const AITransformArtSuite kAITransformArtSuiteTable = makeAITransformArtSuite();

AILayerSuite makeAILayerSuite() {
    AILayerSuite t{};
    VYN_NOT_OFFERED(t, CountLayers);
    VYN_NOT_OFFERED(t, GetNthLayer);
    VYN_NOT_OFFERED(t, GetCurrentLayer);
    VYN_NOT_OFFERED(t, InsertLayer);
    VYN_NOT_OFFERED(t, GetLayerTitle);
    VYN_NOT_OFFERED(t, SetLayerTitle);
    VYN_NOT_OFFERED(t, GetLayerEditable);
    return t;
}
const AILayerSuite kAILayerSuiteTable = makeAILayerSuite();

AIDocumentSuite makeAIDocumentSuite() {
    AIDocumentSuite t{};
    VYN_NOT_OFFERED(t, GetDocumentColorModel);
    return t;
}
const AIDocumentSuite kAIDocumentSuiteTable = makeAIDocumentSuite();

AIMdMemorySuite makeAIMdMemorySuite() {
    AIMdMemorySuite t{};
    VYN_NOT_OFFERED(t, MdMemoryDisposeHandle);
    return t;
}
const AIMdMemorySuite kAIMdMemorySuiteTable = makeAIMdMemorySuite();

AITextFrameSuite makeAITextFrameSuite() {
    AITextFrameSuite t{};
    VYN_NOT_OFFERED(t, NewPointText);
    VYN_NOT_OFFERED(t, GetPointTextAnchor);
    VYN_NOT_OFFERED(t, GetATETextRange);
    return t;
}
const AITextFrameSuite kAITextFrameSuiteTable = makeAITextFrameSuite();

AIATEPaintSuite makeAIATEPaintSuite() {
    AIATEPaintSuite t{};
    VYN_NOT_OFFERED(t, CreateATEApplicationPaint);
    return t;
}
const AIATEPaintSuite kAIATEPaintSuiteTable = makeAIATEPaintSuite();

AITagSuite makeAITagSuite() {
    AITagSuite t{};
    VYN_NOT_OFFERED(t, SetTag);
    VYN_NOT_OFFERED(t, GetTag);
    return t;
}
const AITagSuite kAITagSuiteTable = makeAITagSuite();

AIMatchingArtSuite makeAIMatchingArtSuite() {
    AIMatchingArtSuite t{};
    VYN_NOT_OFFERED(t, GetMatchingArt);
    return t;
}
const AIMatchingArtSuite kAIMatchingArtSuiteTable = makeAIMatchingArtSuite();

AICustomColorSuite makeAICustomColorSuite() {
    AICustomColorSuite t{};
    VYN_NOT_OFFERED(t, GetCustomColor);
    VYN_NOT_OFFERED(t, GetCustomColorName);
    return t;
}
const AICustomColorSuite kAICustomColorSuiteTable = makeAICustomColorSuite();

AIPatternSuite makeAIPatternSuite() {
    AIPatternSuite t{};
    VYN_NOT_OFFERED(t, GetPatternName);
    return t;
}
const AIPatternSuite kAIPatternSuiteTable = makeAIPatternSuite();

AIGradientSuite makeAIGradientSuite() {
    AIGradientSuite t{};
    VYN_NOT_OFFERED(t, GetGradientName);
    VYN_NOT_OFFERED(t, GetGradientType);
    return t;
}
const AIGradientSuite kAIGradientSuiteTable = makeAIGradientSuite();

#undef VYN_NOT_OFFERED

} // namespace

void registerPendingSuites(SuiteRegistry &registry) {
    registry.add(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &kAIPreferenceSuiteTable);
    registry.add(kAIFontSuite, kAIFontSuiteVersion, &kAIFontSuiteTable);
    registry.add(kAIArtSuite, kAIArtSuiteVersion, &kAIArtSuiteTable);
    registry.add(kAIPathSuite, kAIPathSuiteVersion, &kAIPathSuiteTable);
    registry.add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kAIPathStyleSuiteTable);
    registry.add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kAIRealMathSuiteTable);
    registry.add(kAITransformArtSuite, kAITransformArtSuiteVersion, &kAITransformArtSuiteTable);
    registry.add(kAILayerSuite, kAILayerSuiteVersion, &kAILayerSuiteTable);
    registry.add(kAIDocumentSuite, kAIDocumentSuiteVersion, &kAIDocumentSuiteTable);
    registry.add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kAIMdMemorySuiteTable);
    registry.add(kAITextFrameSuite, kAITextFrameSuiteVersion, &kAITextFrameSuiteTable);
    registry.add(kAIATEPaintSuite, kAIATEPaintSuiteVersion, &kAIATEPaintSuiteTable);
    registry.add(kAITagSuite, kAITagSuiteVersion, &kAITagSuiteTable);
    registry.add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kAIMatchingArtSuiteTable);
    registry.add(kAICustomColorSuite, kAICustomColorSuiteVersion, &kAICustomColorSuiteTable);
    registry.add(kAIPatternSuite, kAIPatternSuiteVersion, &kAIPatternSuiteTable);
    registry.add(kAIGradientSuite, kAIGradientSuiteVersion, &kAIGradientSuiteTable);
}

} // namespace vyn::host
