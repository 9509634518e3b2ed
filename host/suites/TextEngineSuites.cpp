// The text engine suites over the host's reference-counted text objects.
#include <string_view>

#include "ATESuites.h"
#include "CallGate.h"
#include "Host.h"
#include "MacRoman.h"
#include "SuiteRegistry.h"
#include "TextEngine.h"

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
    return gate(suite, "Initialize", [&](Host &host) {
        require(ref != nullptr, "null reference address");
        *ref = host.textEngine().make<Ref>(T{});
        return kNoErr;
    });
}

template <class T, class Ref> ATEErr releaseAs(const char *suite, Ref ref) {
    return gate(suite, "Release", [&](Host &host) {
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
    return gate(kFontSuite, "AddRef", [&](Host &host) {
        if (!font) return kNoErr; // the copy of a null IFont, as Release ignores its destruction
        object<TextFont>(host, font);
        host.textEngine().addRef(font);
        return kNoErr;
    });
}

ATEErr ASAPI fontRelease(FontRef font) {
    if (!font) return gate(kFontSuite, "Release", [](Host &) { return kNoErr; });
    return releaseAs<TextFont>(kFontSuite, font);
}

// ---- CharFeatures ----------------------------------------------------------

ATEErr ASAPI charInitialize(CharFeaturesRef *f) {
    return initializeAs<TextCharFeatures>(kCharFeaturesSuite, f);
}

ATEErr ASAPI charRelease(CharFeaturesRef f) { return releaseAs<TextCharFeatures>(kCharFeaturesSuite, f); }

template <class Setter> ATEErr setChar(const char *op, CharFeaturesRef f, Setter &&set) {
    return gate(kCharFeaturesSuite, op, [&](Host &host) {
        set(host, object<TextCharFeatures>(host, f));
        return kNoErr;
    });
}

ATEErr ASAPI charSetFont(CharFeaturesRef f, FontRef font) {
    return setChar("SetFont", f, [&](Host &host, TextCharFeatures &c) {
        object<TextFont>(host, font);
        c.font = font;
    });
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
    return setChar("SetFillColor", f, [&](Host &host, TextCharFeatures &c) {
        object<TextPaint>(host, paint);
        c.fill = paint;
    });
}

// ---- ParaFeatures ----------------------------------------------------------

ATEErr ASAPI paraInitialize(ParaFeaturesRef *f) {
    return initializeAs<TextParaFeatures>(kParaFeaturesSuite, f);
}

ATEErr ASAPI paraRelease(ParaFeaturesRef f) { return releaseAs<TextParaFeatures>(kParaFeaturesSuite, f); }

template <class Setter> ATEErr setPara(const char *op, ParaFeaturesRef f, Setter &&set) {
    return gate(kParaFeaturesSuite, op, [&](Host &host) {
        set(object<TextParaFeatures>(host, f));
        return kNoErr;
    });
}

ATEErr ASAPI paraSetJustification(ParaFeaturesRef f, ParagraphJustification v) {
    return setPara("SetJustification", f, [&](TextParaFeatures &p) {
        require(v >= kLeftJustify && v <= kFullJustifyLastLineFull, "unknown justification");
        p.justification = v;
    });
}
ATEErr ASAPI paraSetFirstLineIndent(ParaFeaturesRef f, ASReal v) {
    return setPara("SetFirstLineIndent", f, [&](TextParaFeatures &p) { p.firstLineIndent = v; });
}
ATEErr ASAPI paraSetStartIndent(ParaFeaturesRef f, ASReal v) {
    return setPara("SetStartIndent", f, [&](TextParaFeatures &p) { p.startIndent = v; });
}
ATEErr ASAPI paraSetLeadingType(ParaFeaturesRef f, LeadingType v) {
    return setPara("SetLeadingType", f, [&](TextParaFeatures &p) {
        require(v == kRomanLeadingType || v == kJapaneseLeadingType, "unknown leading type");
        p.leadingType = v;
    });
}

// ---- TextRange -------------------------------------------------------------

ATEErr ASAPI rangeRelease(TextRangeRef r) { return releaseAs<TextRange>(kTextRangeSuite, r); }

// Local features assigned to a range replace the assigned ones on every run.
void merge(TextCharFeatures &into, const TextCharFeatures &from) {
    if (from.font) into.font = from.font;
    if (from.size) into.size = from.size;
    if (from.tracking) into.tracking = from.tracking;
    if (from.baselineShift) into.baselineShift = from.baselineShift;
    if (from.fill) into.fill = from.fill;
}

ATEErr ASAPI rangeSetLocalCharFeatures(TextRangeRef r, CharFeaturesRef f) {
    return gate(kTextRangeSuite, "SetLocalCharFeatures", [&](Host &host) {
        TextRange &range = object<TextRange>(host, r);
        const TextCharFeatures &features = object<TextCharFeatures>(host, f);
        for (auto &run : range.story->runs)
            merge(run.features, features);
        return kNoErr;
    });
}

ATEErr ASAPI rangeSetLocalParaFeatures(TextRangeRef r, ParaFeaturesRef f) {
    return gate(kTextRangeSuite, "SetLocalParaFeatures", [&](Host &host) {
        TextRange &range = object<TextRange>(host, r);
        const TextParaFeatures &p = object<TextParaFeatures>(host, f);
        TextParaFeatures &into = range.story->paragraph;
        if (p.justification) into.justification = p.justification;
        if (p.firstLineIndent) into.firstLineIndent = p.firstLineIndent;
        if (p.startIndent) into.startIndent = p.startIndent;
        if (p.leadingType) into.leadingType = p.leadingType;
        return kNoErr;
    });
}

ATEErr ASAPI rangeInsertAfter(TextRangeRef r, const char *text, ASInt32 length, FontRef font) {
    return gate(kTextRangeSuite, "InsertAfter", [&](Host &host) {
        TextRange &range = object<TextRange>(host, r);
        require(length >= kATEUpToNul, "text length below -1");
        require(text != nullptr || length == 0, "null text with a length other than 0");
        const std::string_view bytes = length == kATEUpToNul
                                           ? std::string_view(text)
                                           : std::string_view(text ? text : "", size_t(length));
        TextRun run;
        if (!range.story->runs.empty()) run.features = range.story->runs.back().features;
        if (font) {
            run.font = object<TextFont>(host, font).name;
        } else if (!range.story->runs.empty()) {
            run.font = range.story->runs.back().font;
        }
        run.text = macRomanToUtf16(bytes);
        range.story->runs.push_back(std::move(run));
        return kNoErr;
    });
}

ATEErr ASAPI rangeRemove(TextRangeRef r) {
    return gate(kTextRangeSuite, "Remove", [&](Host &host) {
        object<TextRange>(host, r).story->runs.clear();
        return kNoErr;
    });
}

const ApplicationPaintSuite kPaintTable = {paintRelease};
const FontSuite kFontTable = {fontAddRef, fontRelease};
const CharFeaturesSuite kCharTable = {charInitialize,  charRelease,          charSetFont,     charSetFontSize,
                                      charSetTracking, charSetBaselineShift, charSetFillColor};
const ParaFeaturesSuite kParaTable = {paraInitialize,         paraRelease,        paraSetJustification,
                                      paraSetFirstLineIndent, paraSetStartIndent, paraSetLeadingType};
const TextRangeSuite kRangeTable = {rangeRelease, rangeSetLocalCharFeatures, rangeSetLocalParaFeatures,
                                    rangeInsertAfter, rangeRemove};

} // namespace

void registerTextEngineSuites(SuiteRegistry &registry) {
    registry.add(kApplicationPaintSuite, kApplicationPaintSuiteVersion, &kPaintTable);
    registry.add(kFontSuite, kFontSuiteVersion, &kFontTable);
    registry.add(kCharFeaturesSuite, kCharFeaturesSuiteVersion, &kCharTable);
    registry.add(kParaFeaturesSuite, kParaFeaturesSuiteVersion, &kParaTable);
    registry.add(kTextRangeSuite, kTextRangeSuiteVersion, &kRangeTable);
}

} // namespace vyn::host
