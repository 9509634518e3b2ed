// The suites a plug-in acquires without calling: each is offered with an
// empty table, so that acquiring it succeeds and can be made to fail. The
// dialog manager's two such suites are registered with the other ADM suites.
#include "AcquiredSuites.h"
#include "Host.h"
#include "gate/SuiteRegistry.h"

namespace vyn::host {
namespace {
const ASNoOperations kEmptyTable = {nullptr};
} // namespace

void registerAcquiredOnlySuites(SuiteRegistry &registry) {
    static constexpr struct {
        const char *name;
        ASInt32 version;
    } kRows[] = {
        {kASLibSuite, kASLibSuiteVersion},
        {kAIToolSuite, kAIToolSuiteVersion},
        {kSPBlocksSuite, kSPBlocksSuiteVersion},
        {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion},
        {kAIAnnotatorSuite, kAIAnnotatorSuiteVersion},
        {kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion},
        {kAICursorSnapSuite, kAICursorSnapSuiteVersion},
        {kAIPluginSuite, kAIPluginSuiteVersion},
        {kAIUserSuite, kAIUserSuiteVersion},
        {kAIURLSuite, kAIURLSuiteVersion},
        {kAIFilePathSuite, kAIFilePathSuiteVersion},
        {kAISwatchListSuite, kAISwatchListSuiteVersion},
        {kAISwatchGroupSuite, kAISwatchGroupSuiteVersion},
        {kCompFontSuite, kCompFontSuiteVersion},
        {kCompFontClassSuite, kCompFontClassSuiteVersion},
        {kCompFontClassSetSuite, kCompFontClassSetSuiteVersion},
        {kCompFontComponentSuite, kCompFontComponentSuiteVersion},
        {kCompFontSetSuite, kCompFontSetSuiteVersion},
        {kGlyphRunSuite, kGlyphRunSuiteVersion},
        {kGlyphRunsIteratorSuite, kGlyphRunsIteratorSuiteVersion},
        {kMojiKumiSuite, kMojiKumiSuiteVersion},
        {kMojiKumiSetSuite, kMojiKumiSetSuiteVersion},
        {kTextFrameSuite, kTextFrameSuiteVersion},
        {kTextFramesIteratorSuite, kTextFramesIteratorSuiteVersion},
        {kTextLineSuite, kTextLineSuiteVersion},
        {kTextLinesIteratorSuite, kTextLinesIteratorSuiteVersion},
        {kTextResourcesSuite, kTextResourcesSuiteVersion},
        {kApplicationTextResourcesSuite, kApplicationTextResourcesSuiteVersion},
        {kDocumentTextResourcesSuite, kDocumentTextResourcesSuiteVersion},
        {kVersionInfoSuite, kVersionInfoSuiteVersion},
        {kArrayApplicationPaintRefSuite, kArrayApplicationPaintRefSuiteVersion},
        {kArrayRealSuite, kArrayRealSuiteVersion},
        {kArrayBoolSuite, kArrayBoolSuiteVersion},
        {kArrayIntegerSuite, kArrayIntegerSuiteVersion},
        {kArrayLineCapTypeSuite, kArrayLineCapTypeSuiteVersion},
        {kArrayFigureStyleSuite, kArrayFigureStyleSuiteVersion},
        {kArrayLineJoinTypeSuite, kArrayLineJoinTypeSuiteVersion},
        {kArrayWariChuJustificationSuite, kArrayWariChuJustificationSuiteVersion},
        {kArrayStyleRunAlignmentSuite, kArrayStyleRunAlignmentSuiteVersion},
        {kArrayAutoKernTypeSuite, kArrayAutoKernTypeSuiteVersion},
        {kArrayBaselineDirectionSuite, kArrayBaselineDirectionSuiteVersion},
        {kArrayLanguageSuite, kArrayLanguageSuiteVersion},
        {kArrayFontCapsOptionSuite, kArrayFontCapsOptionSuiteVersion},
        {kArrayFontBaselineOptionSuite, kArrayFontBaselineOptionSuiteVersion},
        {kArrayFontOpenTypePositionOptionSuite, kArrayFontOpenTypePositionOptionSuiteVersion},
        {kArrayUnderlinePositionSuite, kArrayUnderlinePositionSuiteVersion},
        {kArrayStrikethroughPositionSuite, kArrayStrikethroughPositionSuiteVersion},
        {kArrayParagraphJustificationSuite, kArrayParagraphJustificationSuiteVersion},
        {kArrayArrayRealSuite, kArrayArrayRealSuiteVersion},
        {kArrayBurasagariTypeSuite, kArrayBurasagariTypeSuiteVersion},
        {kArrayPreferredKinsokuOrderSuite, kArrayPreferredKinsokuOrderSuiteVersion},
        {kArrayKinsokuRefSuite, kArrayKinsokuRefSuiteVersion},
        {kArrayMojiKumiRefSuite, kArrayMojiKumiRefSuiteVersion},
        {kArrayMojiKumiSetRefSuite, kArrayMojiKumiSetRefSuiteVersion},
        {kArrayTabStopsRefSuite, kArrayTabStopsRefSuiteVersion},
        {kArrayLeadingTypeSuite, kArrayLeadingTypeSuiteVersion},
        {kArrayFontRefSuite, kArrayFontRefSuiteVersion},
        {kArrayGlyphIDSuite, kArrayGlyphIDSuiteVersion},
        {kArrayRealPointSuite, kArrayRealPointSuiteVersion},
        {kArrayRealMatrixSuite, kArrayRealMatrixSuiteVersion},
        {kArrayParagraphDirectionSuite, kArrayParagraphDirectionSuiteVersion},
        {kArrayJustificationMethodSuite, kArrayJustificationMethodSuiteVersion},
        {kArrayKashidasSuite, kArrayKashidasSuiteVersion},
        {kArrayDirOverrideSuite, kArrayDirOverrideSuiteVersion},
        {kArrayDigitSetSuite, kArrayDigitSetSuiteVersion},
        {kArrayDiacVPosSuite, kArrayDiacVPosSuiteVersion},
        {kCharInspectorSuite, kCharInspectorSuiteVersion},
        {kCharStyleSuite, kCharStyleSuiteVersion},
        {kCharStylesSuite, kCharStylesSuiteVersion},
        {kCharStylesIteratorSuite, kCharStylesIteratorSuiteVersion},
        {kFindSuite, kFindSuiteVersion},
        {kGlyphSuite, kGlyphSuiteVersion},
        {kGlyphsSuite, kGlyphsSuiteVersion},
        {kGlyphsIteratorSuite, kGlyphsIteratorSuiteVersion},
        {kKinsokuSuite, kKinsokuSuiteVersion},
        {kKinsokuSetSuite, kKinsokuSetSuiteVersion},
        {kParagraphSuite, kParagraphSuiteVersion},
        {kParagraphsIteratorSuite, kParagraphsIteratorSuiteVersion},
        {kParaInspectorSuite, kParaInspectorSuiteVersion},
        {kParaStyleSuite, kParaStyleSuiteVersion},
        {kParaStylesSuite, kParaStylesSuiteVersion},
        {kParaStylesIteratorSuite, kParaStylesIteratorSuiteVersion},
        {kSpellSuite, kSpellSuiteVersion},
        {kStoriesSuite, kStoriesSuiteVersion},
        {kStorySuite, kStorySuiteVersion},
        {kTabStopSuite, kTabStopSuiteVersion},
        {kTabStopsSuite, kTabStopsSuiteVersion},
        {kTabStopsIteratorSuite, kTabStopsIteratorSuiteVersion},
        {kTextRangesSuite, kTextRangesSuiteVersion},
        {kTextRangesIteratorSuite, kTextRangesIteratorSuiteVersion},
        {kTextRunsIteratorSuite, kTextRunsIteratorSuiteVersion},
        {kWordsIteratorSuite, kWordsIteratorSuiteVersion},
        {kArrayLineSuite, kArrayLineSuiteVersion},
        {kArrayComposerEngineSuite, kArrayComposerEngineSuiteVersion},
    };
    for (const auto &row : kRows)
        registry.add(row.name, row.version, &kEmptyTable);
}

} // namespace vyn::host
