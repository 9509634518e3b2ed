/*
 * ATESuites.h — the text engine suites a plug-in calls: ApplicationPaint,
 * CharFeatures, Font, ParaFeatures and TextRange.
 *
 * Text-engine objects are reference counted: every reference a suite hands
 * out carries one count, given back with the suite's Release.
 */
#ifndef VYN_ILLUSTRATORAPI_ATESUITES_H
#define VYN_ILLUSTRATORAPI_ATESUITES_H

#include "ASTypes.h"

#define kApplicationPaintSuite "ATE ApplicationPaint Suite"
#define kApplicationPaintSuiteVersion 1
#define kCharFeaturesSuite "ATE CharFeatures Suite"
#define kCharFeaturesSuiteVersion 101
#define kFontSuite "ATE Font Suite"
#define kFontSuiteVersion 1
#define kParaFeaturesSuite "ATE ParaFeatures Suite"
#define kParaFeaturesSuiteVersion 101
#define kTextRangeSuite "ATE TextRange Suite"
#define kTextRangeSuiteVersion 1

#ifdef __cplusplus
namespace ATE {
#endif

typedef ASInt32 ATEErr;
typedef ASBoolean ATEBool8;

typedef struct _ApplicationPaint *ApplicationPaintRef;
typedef struct _Font *FontRef;
typedef struct _CharFeatures *CharFeaturesRef;
typedef struct _ParaFeatures *ParaFeaturesRef;
typedef struct _TextRange *TextRangeRef;

typedef enum ParagraphJustification {
    kLeftJustify = 0,
    kRightJustify,
    kCenterJustify,
    kFullJustifyLastLineLeft,
    kFullJustifyLastLineRight,
    kFullJustifyLastLineCenter,
    kFullJustifyLastLineFull
} ParagraphJustification;

typedef enum LeadingType { kRomanLeadingType = 0, kJapaneseLeadingType = 1 } LeadingType;

/* The text length that means "up to the terminating NUL" (TextRange's
 * InsertAfter). */
enum { kATEUpToNul = -1 };

#ifdef __cplusplus
} /* namespace ATE */
#define ATE_NS ATE::
#else
#define ATE_NS
#endif

typedef struct ApplicationPaintSuite {
    /* Gives back one count of `paint`. Returns 0 or kBadParameterErr for a
     * stale reference. [any time] */
    ATE_NS ATEErr(ASAPI *Release)(ATE_NS ApplicationPaintRef paint);
} ApplicationPaintSuite;

typedef struct FontSuite {
    /* Takes one more count of `font`; a null font (the default IFont, which
     * a plug-in may copy) is ignored. Returns 0 or kBadParameterErr for a
     * stale reference. [any time] */
    ATE_NS ATEErr(ASAPI *AddRef)(ATE_NS FontRef font);

    /* Gives back one count of `font`; a null font is ignored. Returns 0 or
     * kBadParameterErr for a stale reference. [any time] */
    ATE_NS ATEErr(ASAPI *Release)(ATE_NS FontRef font);
} FontSuite;

typedef struct CharFeaturesSuite {
    /* A new, empty set of character features (every feature unassigned) in
     * *features, with one count. Returns 0 or kOutOfMemoryErr. [any time] */
    ATE_NS ATEErr(ASAPI *Initialize)(ATE_NS CharFeaturesRef *features);

    /* Gives back one count. Returns 0 or kBadParameterErr. [any time] */
    ATE_NS ATEErr(ASAPI *Release)(ATE_NS CharFeaturesRef features);

    /* The setters assign one feature. Each returns 0 or kBadParameterErr for
     * a stale reference or a value out of range (a font size must be
     * positive). [any time] */
    ATE_NS ATEErr(ASAPI *SetFont)(ATE_NS CharFeaturesRef features, ATE_NS FontRef font);
    ATE_NS ATEErr(ASAPI *SetFontSize)(ATE_NS CharFeaturesRef features, ASReal size);
    ATE_NS ATEErr(ASAPI *SetTracking)(ATE_NS CharFeaturesRef features, ASInt32 tracking);
    ATE_NS ATEErr(ASAPI *SetBaselineShift)(ATE_NS CharFeaturesRef features, ASReal shift);
    ATE_NS ATEErr(ASAPI *SetFillColor)(ATE_NS CharFeaturesRef features, ATE_NS ApplicationPaintRef paint);
} CharFeaturesSuite;

typedef struct ParaFeaturesSuite {
    /* A new, empty set of paragraph features in *features, with one count.
     * Returns 0 or kOutOfMemoryErr. [any time] */
    ATE_NS ATEErr(ASAPI *Initialize)(ATE_NS ParaFeaturesRef *features);

    /* Gives back one count. Returns 0 or kBadParameterErr. [any time] */
    ATE_NS ATEErr(ASAPI *Release)(ATE_NS ParaFeaturesRef features);

    /* The setters assign one feature; 0 or kBadParameterErr. [any time] */
    ATE_NS ATEErr(ASAPI *SetJustification)(ATE_NS ParaFeaturesRef features,
                                           ATE_NS ParagraphJustification value);
    ATE_NS ATEErr(ASAPI *SetFirstLineIndent)(ATE_NS ParaFeaturesRef features, ASReal value);
    ATE_NS ATEErr(ASAPI *SetStartIndent)(ATE_NS ParaFeaturesRef features, ASReal value);
    ATE_NS ATEErr(ASAPI *SetLeadingType)(ATE_NS ParaFeaturesRef features, ATE_NS LeadingType value);
} ParaFeaturesSuite;

typedef struct TextRangeSuite {
    /* Gives back one count. Returns 0 or kBadParameterErr. [any time] */
    ATE_NS ATEErr(ASAPI *Release)(ATE_NS TextRangeRef range);

    /* Applies the assigned features of `features` to every character (or
     * paragraph) of the range. Returns 0 or kBadParameterErr. [document open] */
    ATE_NS ATEErr(ASAPI *SetLocalCharFeatures)(ATE_NS TextRangeRef range, ATE_NS CharFeaturesRef features);
    ATE_NS ATEErr(ASAPI *SetLocalParaFeatures)(ATE_NS TextRangeRef range, ATE_NS ParaFeaturesRef features);

    /* Inserts `length` bytes of platform-encoded `text` at the end of the
     * range, in `font` (null: the font of the range's last character). A
     * length of kATEUpToNul (-1) takes the bytes of `text` up to its
     * terminating NUL; a length of 0 inserts nothing, and only then may
     * `text` be null. An explicit length counts bytes, a NUL among them
     * included.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale range or
     * font, a length below -1, or a null text with a length other than 0;
     * on failure the range's text is as it was. [document open]
     * See docs/host-behaviour.md, "Text encodings". */
    ATE_NS ATEErr(ASAPI *InsertAfter)(ATE_NS TextRangeRef range, const char *text, ASInt32 length,
                                      ATE_NS FontRef font);

    /* Deletes the range's text. Returns 0 or kBadParameterErr.
     * [document open] */
    ATE_NS ATEErr(ASAPI *Remove)(ATE_NS TextRangeRef range);
} TextRangeSuite;

#endif /* VYN_ILLUSTRATORAPI_ATESUITES_H */
