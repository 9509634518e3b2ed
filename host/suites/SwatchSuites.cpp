// AI Custom Color, AI Pattern and AI Gradient over the open document's
// swatches: their names, a custom colour's definition, a gradient's type.
#include <string_view>

#include "AICustomColor.h"
#include "AIGradient.h"
#include "AIPattern.h"
#include "gate/CallGate.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "text/Utf.h"
#include "gate/SuiteRegistry.h"
#include "text/UnicodeStrings.h"
#include "model/Document.h"
#include "suites/HandleLookup.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

const CustomColor &customColorOf(Host &host, const Document &document, AICustomColorHandle handle) {
    return lookUp(
        host.documentHandles().customColors, handle,
        [&](CustomColorId id) { return document.customColor(id); }, "stale custom colour handle");
}

const Pattern &patternOf(Host &host, const Document &document, AIPatternHandle handle) {
    return lookUp(
        host.documentHandles().patterns, handle, [&](PatternId id) { return document.pattern(id); },
        "stale pattern handle");
}

const Gradient &gradientOf(Host &host, const Document &document, AIGradientHandle handle) {
    return lookUp(
        host.documentHandles().gradients, handle, [&](GradientId id) { return document.gradient(id); },
        "stale gradient handle");
}

// A swatch's name into the plug-in's string: a new string for a null *name,
// else the existing one overwritten. *name is untouched on failure.
void copyName(Host &host, std::string_view utf8, AIUnicodeStringRef *name) {
    require(name != nullptr, "null string address");
    std::u16string *existing = nullptr;
    if (*name) {
        existing = host.strings().find(*name);
        require(existing != nullptr, "stale string");
    }
    std::u16string text = utf8ToUtf16(utf8);
    if (existing)
        *existing = std::move(text);
    else
        *name = host.strings().make(std::move(text));
}

// ---- AI Custom Color -------------------------------------------------------

AIErr ASAPI getCustomColor(AICustomColorHandle customColor, AICustomColor *color) {
    return gate({kAICustomColorSuite, "GetCustomColor", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    const CustomColor &c = customColorOf(host, document, customColor);
                    require(color != nullptr, "null colour address");
                    *color = toRecord(c);
                    return kNoErr;
                });
}

AIErr ASAPI getCustomColorName(AICustomColorHandle customColor, AIUnicodeStringRef *name) {
    return gate({kAICustomColorSuite, "GetCustomColorName", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    copyName(host, customColorOf(host, document, customColor).name, name);
                    return kNoErr;
                });
}

// ---- AI Pattern ------------------------------------------------------------

AIErr ASAPI getPatternName(AIPatternHandle pattern, AIUnicodeStringRef *name) {
    return gate({kAIPatternSuite, "GetPatternName", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    copyName(host, patternOf(host, document, pattern).name, name);
                    return kNoErr;
                });
}

// ---- AI Gradient -----------------------------------------------------------

AIErr ASAPI getGradientName(AIGradientHandle gradient, AIUnicodeStringRef *name) {
    return gate({kAIGradientSuite, "GetGradientName", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    copyName(host, gradientOf(host, document, gradient).name, name);
                    return kNoErr;
                });
}

AIErr ASAPI getGradientType(AIGradientHandle gradient, AIGradientType *type) {
    return gate({kAIGradientSuite, "GetGradientType", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    const Gradient &g = gradientOf(host, document, gradient);
                    require(type != nullptr, "null type address");
                    *type = toRecord(g.kind);
                    return kNoErr;
                });
}

const AICustomColorSuite kCustomColorTable = {
    .GetCustomColor = getCustomColor,
    .GetCustomColorName = getCustomColorName,
};
const AIPatternSuite kPatternTable = {
    .GetPatternName = getPatternName,
};
const AIGradientSuite kGradientTable = {
    .GetGradientName = getGradientName,
    .GetGradientType = getGradientType,
};

} // namespace

void registerSwatchSuites(SuiteRegistry &registry) {
    registry.add(kAICustomColorSuite, kAICustomColorSuiteVersion, &kCustomColorTable);
    registry.add(kAIPatternSuite, kAIPatternSuiteVersion, &kPatternTable);
    registry.add(kAIGradientSuite, kAIGradientSuiteVersion, &kGradientTable);
}

} // namespace vyn::host
