// The text engine suites over the host's reference-counted text objects.
#include <string_view>

#include "ATESuites.h"
#include "gate/CallGate.h"
#include "Host.h"
#include "text/MacRoman.h"
#include "gate/SuiteRegistry.h"
#include "text/TextEngine.h"
#include "model/Document.h"
#include "suites/ModelRecords.h"

namespace vyn::host {
namespace {

using namespace ATE;

template <class T, class Ref> T &object(Host &host, Ref ref) {
    T *o = host.textEngine().find<T>(ref);
    require(o != nullptr, "stale or mismatched text-engine reference");
    return *o;
}

// A new, empty object of kind T with one count.
template <class T, class Ref> ATEErr initializeAs(const char *suite, Ref *ref) {
    return gate({suite, "Initialize"}, [&](Host &host) {
        require(ref != nullptr, "null reference address");
        *ref = host.textEngine().make<Ref>(T{});
        return kNoErr;
    });
}

template <class T, class Ref> ATEErr releaseAs(const char *suite, Ref ref) {
    return gate({suite, "Release"}, [&](Host &host) {
        object<T>(host, ref);
        host.textEngine().release(ref);
        return kNoErr;
    });
}

// ---- ApplicationPaint, Font ----------------------------------------------

ATEErr ASAPI paintRelease(ApplicationPaintRef paint) {
    return releaseAs<TextPaint>(kApplicationPaintSuite, paint);
}

ATEErr ASAPI fontAddRef(FontRef font) {
    return gate({kFontSuite, "AddRef", CallContext::AnyTime}, [&](Host &host) {
        if (!font) return kNoErr; // the copy of a null IFont, as Release ignores its destruction
        object<TextFont>(host, font);
        host.textEngine().addRef(font);
        return kNoErr;
    });
}

ATEErr ASAPI fontRelease(FontRef font) {
    if (!font) return gate({kFontSuite, "Release", CallContext::AnyTime}, [](Host &) { return kNoErr; });
    return releaseAs<TextFont>(kFontSuite, font);
}

// ---- CharFeatures ----------------------------------------------------------

ATEErr ASAPI charInitialize(CharFeaturesRef *f) {
    return initializeAs<TextCharFeatures>(kCharFeaturesSuite, f);
}

ATEErr ASAPI charRelease(CharFeaturesRef f) { return releaseAs<TextCharFeatures>(kCharFeaturesSuite, f); }

template <class Setter> ATEErr setChar(const char *op, CharFeaturesRef f, Setter &&set) {
    return gate({kCharFeaturesSuite, op}, [&](Host &host) {
        set(host, object<TextCharFeatures>(host, f));
        return kNoErr;
    });
}

ATEErr ASAPI charSetFont(CharFeaturesRef f, FontRef font) {
    return setChar("SetFont", f,
                   [&](Host &host, TextCharFeatures &c) { c.font = object<TextFont>(host, font).name; });
}
ATEErr ASAPI charSetFontSize(CharFeaturesRef f, ASReal size) {
    return setChar("SetFontSize", f, [&](Host &, TextCharFeatures &c) {
        require(size > 0, "font size must be positive");
        c.size = size;
    });
}
ATEErr ASAPI charSetTracking(CharFeaturesRef f, ASInt32 tracking) {
    return setChar("SetTracking", f, [&](Host &, TextCharFeatures &c) { c.tracking = tracking; });
}
ATEErr ASAPI charSetBaselineShift(CharFeaturesRef f, ASReal shift) {
    return setChar("SetBaselineShift", f, [&](Host &, TextCharFeatures &c) { c.baselineShift = shift; });
}
ATEErr ASAPI charSetFillColor(CharFeaturesRef f, ApplicationPaintRef paint) {
    return setChar("SetFillColor", f,
                   [&](Host &host, TextCharFeatures &c) { c.fill = object<TextPaint>(host, paint).paint; });
}

// ---- ParaFeatures ----------------------------------------------------------

ATEErr ASAPI paraInitialize(ParaFeaturesRef *f) {
    return initializeAs<TextParaFeatures>(kParaFeaturesSuite, f);
}

ATEErr ASAPI paraRelease(ParaFeaturesRef f) { return releaseAs<TextParaFeatures>(kParaFeaturesSuite, f); }

template <class Setter> ATEErr setPara(const char *op, ParaFeaturesRef f, Setter &&set) {
    return gate({kParaFeaturesSuite, op}, [&](Host &host) {
        set(object<TextParaFeatures>(host, f));
        return kNoErr;
    });
}

ATEErr ASAPI paraSetJustification(ParaFeaturesRef f, ParagraphJustification v) {
    return setPara("SetJustification", f, [&](TextParaFeatures &p) { p.justification = toModel(v); });
}
ATEErr ASAPI paraSetFirstLineIndent(ParaFeaturesRef f, ASReal v) {
    return setPara("SetFirstLineIndent", f, [&](TextParaFeatures &p) { p.firstLineIndent = v; });
}
ATEErr ASAPI paraSetStartIndent(ParaFeaturesRef f, ASReal v) {
    return setPara("SetStartIndent", f, [&](TextParaFeatures &p) { p.startIndent = v; });
}
ATEErr ASAPI paraSetLeadingType(ParaFeaturesRef f, LeadingType v) {
    return setPara("SetLeadingType", f, [&](TextParaFeatures &p) { p.leading = toModel(v); });
}

// ---- TextRange -------------------------------------------------------------

ATEErr ASAPI rangeRelease(TextRangeRef r) { return releaseAs<TextRange>(kTextRangeSuite, r); }

// The story of the frame a range covers; a range whose frame is gone is
// stale.
TextStory &storyOf(Host &host, Document &document, TextRangeRef r) {
    Art *frame = document.art(object<TextRange>(host, r).frame);
    require(frame && frame->textFrame(), "text range of a text frame that is gone");
    return frame->textFrame()->story;
}

// Features assigned to a range replace the ones they name on every run.
void merge(CharFeatures &into, const CharFeatures &from) {
    if (!from.font.empty()) into.font = from.font;
    if (from.size) into.size = from.size;
    if (from.tracking) into.tracking = from.tracking;
    if (from.baselineShift) into.baselineShift = from.baselineShift;
    if (from.fill) into.fill = from.fill;
}

void merge(ParagraphFeatures &into, const ParagraphFeatures &from) {
    if (from.justification) into.justification = from.justification;
    if (from.firstLineIndent) into.firstLineIndent = from.firstLineIndent;
    if (from.startIndent) into.startIndent = from.startIndent;
    if (from.leading) into.leading = from.leading;
}

ATEErr ASAPI rangeSetLocalCharFeatures(TextRangeRef r, CharFeaturesRef f) {
    return gate({kTextRangeSuite, "SetLocalCharFeatures", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    TextStory &story = storyOf(host, document, r);
                    const CharFeatures &features = object<TextCharFeatures>(host, f);
                    for (auto &run : story.runs)
                        merge(run.features, features);
                    return kNoErr;
                });
}

ATEErr ASAPI rangeSetLocalParaFeatures(TextRangeRef r, ParaFeaturesRef f) {
    return gate({kTextRangeSuite, "SetLocalParaFeatures", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    merge(storyOf(host, document, r).paragraph, object<TextParaFeatures>(host, f));
                    return kNoErr;
                });
}

// A new run takes the features of the run before it, and `font` if given.
ATEErr ASAPI rangeInsertAfter(TextRangeRef r, const char *text, ASInt32 length, FontRef font) {
    return gate({kTextRangeSuite, "InsertAfter", CallContext::DocumentOpen},
                [&](Host &host, Document &document) {
                    TextStory &story = storyOf(host, document, r);
                    require(length >= kATEUpToNul, "text length below -1");
                    require(text != nullptr || length == 0, "null text with a length other than 0");
                    const std::string_view bytes = length == kATEUpToNul
                                                       ? std::string_view(text)
                                                       : std::string_view(text ? text : "", size_t(length));
                    TextRun run;
                    if (!story.runs.empty()) run.features = story.runs.back().features;
                    if (font) run.features.font = object<TextFont>(host, font).name;
                    run.text = macRomanToUtf16(bytes);
                    story.runs.push_back(std::move(run));
                    return kNoErr;
                });
}

ATEErr ASAPI rangeRemove(TextRangeRef r) {
    return gate({kTextRangeSuite, "Remove", CallContext::DocumentOpen}, [&](Host &host, Document &document) {
        storyOf(host, document, r).runs.clear();
        return kNoErr;
    });
}

const ApplicationPaintSuite kPaintTable = {
    .Release = paintRelease,
};
const FontSuite kFontTable = {
    .AddRef = fontAddRef,
    .Release = fontRelease,
};
const CharFeaturesSuite kCharTable = {
    .Initialize = charInitialize,
    .Release = charRelease,
    .SetFont = charSetFont,
    .SetFontSize = charSetFontSize,
    .SetTracking = charSetTracking,
    .SetBaselineShift = charSetBaselineShift,
    .SetFillColor = charSetFillColor,
};
const ParaFeaturesSuite kParaTable = {
    .Initialize = paraInitialize,
    .Release = paraRelease,
    .SetJustification = paraSetJustification,
    .SetFirstLineIndent = paraSetFirstLineIndent,
    .SetStartIndent = paraSetStartIndent,
    .SetLeadingType = paraSetLeadingType,
};
const TextRangeSuite kRangeTable = {
    .Release = rangeRelease,
    .SetLocalCharFeatures = rangeSetLocalCharFeatures,
    .SetLocalParaFeatures = rangeSetLocalParaFeatures,
    .InsertAfter = rangeInsertAfter,
    .Remove = rangeRemove,
};

} // namespace

void registerTextEngineSuites(SuiteRegistry &registry) {
    registry.add(kApplicationPaintSuite, kApplicationPaintSuiteVersion, &kPaintTable);
    registry.add(kFontSuite, kFontSuiteVersion, &kFontTable);
    registry.add(kCharFeaturesSuite, kCharFeaturesSuiteVersion, &kCharTable);
    registry.add(kParaFeaturesSuite, kParaFeaturesSuiteVersion, &kParaTable);
    registry.add(kTextRangeSuite, kTextRangeSuiteVersion, &kRangeTable);
}

} // namespace vyn::host
