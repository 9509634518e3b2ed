/*
 * AcquiredSuites.h — names and versions of the suites a plug-in acquires at
 * start-up without calling any of their operations.
 *
 * Acquiring them makes their presence a condition of start-up. The host hands
 * out an empty table for each (ASNoOperations); the tables exist so that
 * every acquisition has a type to receive it. Listed in the order the plug-in
 * acquires them. The dialog manager's uncalled suites are declared with the
 * other dialog-manager headers.
 */
#ifndef VYN_ILLUSTRATORAPI_ACQUIREDSUITES_H
#define VYN_ILLUSTRATORAPI_ACQUIREDSUITES_H

#include "ASTypes.h"

/* ---- plug-in layer and drawing application ---------------------------- */

#define kASLibSuite "AS Lib Suite"
#define kASLibSuiteVersion 1002
typedef ASNoOperations ASLibSuite;

#define kAIToolSuite "AI Tool Suite"
#define kAIToolSuiteVersion 1011
typedef ASNoOperations AIToolSuite;

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2
typedef ASNoOperations SPBlocksSuite;

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 1010
typedef ASNoOperations AIDocumentViewSuite;

#define kAIAnnotatorSuite "AI Annotator Suite"
#define kAIAnnotatorSuiteVersion 1004
typedef ASNoOperations AIAnnotatorSuite;

#define kAIAnnotatorDrawerSuite "AI Annotator Drawer Suite"
#define kAIAnnotatorDrawerSuiteVersion 1002
typedef ASNoOperations AIAnnotatorDrawerSuite;

#define kAICursorSnapSuite "AI Cursor Snap Suite"
#define kAICursorSnapSuiteVersion 1003
typedef ASNoOperations AICursorSnapSuite;

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 1003
typedef ASNoOperations AIPluginSuite;

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 1009
typedef ASNoOperations AIUserSuite;

#define kAIURLSuite "AI URL Suite"
#define kAIURLSuiteVersion 1001
typedef ASNoOperations AIURLSuite;

#define kAIFilePathSuite "AI File Path Suite"
#define kAIFilePathSuiteVersion 1002
typedef ASNoOperations AIFilePathSuite;

#define kAISwatchListSuite "AI Swatch List Suite"
#define kAISwatchListSuiteVersion 1005
typedef ASNoOperations AISwatchListSuite;

#define kAISwatchGroupSuite "AI Swatch Group Suite"
#define kAISwatchGroupSuiteVersion 1001
typedef ASNoOperations AISwatchGroupSuite;

/* ---- text engine ------------------------------------------------------ */

#define kCompFontSuite "ATE CompFont Suite"
#define kCompFontSuiteVersion 1
typedef ASNoOperations CompFontSuite;

#define kCompFontClassSuite "ATE CompFontClass Suite"
#define kCompFontClassSuiteVersion 1
typedef ASNoOperations CompFontClassSuite;

#define kCompFontClassSetSuite "ATE CompFontClassSet Suite"
#define kCompFontClassSetSuiteVersion 1
typedef ASNoOperations CompFontClassSetSuite;

#define kCompFontComponentSuite "ATE CompFontComponent Suite"
#define kCompFontComponentSuiteVersion 1
typedef ASNoOperations CompFontComponentSuite;

#define kCompFontSetSuite "ATE CompFontSet Suite"
#define kCompFontSetSuiteVersion 1
typedef ASNoOperations CompFontSetSuite;

#define kGlyphRunSuite "ATE GlyphRun Suite"
#define kGlyphRunSuiteVersion 1
typedef ASNoOperations GlyphRunSuite;

#define kGlyphRunsIteratorSuite "ATE GlyphRunsIterator Suite"
#define kGlyphRunsIteratorSuiteVersion 1
typedef ASNoOperations GlyphRunsIteratorSuite;

#define kMojiKumiSuite "ATE MojiKumi Suite"
#define kMojiKumiSuiteVersion 1
typedef ASNoOperations MojiKumiSuite;

#define kMojiKumiSetSuite "ATE MojiKumiSet Suite"
#define kMojiKumiSetSuiteVersion 1
typedef ASNoOperations MojiKumiSetSuite;

#define kTextFrameSuite "ATE TextFrame Suite"
#define kTextFrameSuiteVersion 101
typedef ASNoOperations TextFrameSuite;

#define kTextFramesIteratorSuite "ATE TextFramesIterator Suite"
#define kTextFramesIteratorSuiteVersion 1
typedef ASNoOperations TextFramesIteratorSuite;

#define kTextLineSuite "ATE TextLine Suite"
#define kTextLineSuiteVersion 1
typedef ASNoOperations TextLineSuite;

#define kTextLinesIteratorSuite "ATE TextLinesIterator Suite"
#define kTextLinesIteratorSuiteVersion 1
typedef ASNoOperations TextLinesIteratorSuite;

#define kTextResourcesSuite "ATE TextResources Suite"
#define kTextResourcesSuiteVersion 1
typedef ASNoOperations TextResourcesSuite;

#define kApplicationTextResourcesSuite "ATE ApplicationTextResources Suite"
#define kApplicationTextResourcesSuiteVersion 1
typedef ASNoOperations ApplicationTextResourcesSuite;

#define kDocumentTextResourcesSuite "ATE DocumentTextResources Suite"
#define kDocumentTextResourcesSuiteVersion 101
typedef ASNoOperations DocumentTextResourcesSuite;

#define kVersionInfoSuite "ATE VersionInfo Suite"
#define kVersionInfoSuiteVersion 1
typedef ASNoOperations VersionInfoSuite;

#define kArrayApplicationPaintRefSuite "ATE ArrayApplicationPaintRef Suite"
#define kArrayApplicationPaintRefSuiteVersion 1
typedef ASNoOperations ArrayApplicationPaintRefSuite;

#define kArrayRealSuite "ATE ArrayReal Suite"
#define kArrayRealSuiteVersion 1
typedef ASNoOperations ArrayRealSuite;

#define kArrayBoolSuite "ATE ArrayBool Suite"
#define kArrayBoolSuiteVersion 1
typedef ASNoOperations ArrayBoolSuite;

#define kArrayIntegerSuite "ATE ArrayInteger Suite"
#define kArrayIntegerSuiteVersion 1
typedef ASNoOperations ArrayIntegerSuite;

#define kArrayLineCapTypeSuite "ATE ArrayLineCapType Suite"
#define kArrayLineCapTypeSuiteVersion 1
typedef ASNoOperations ArrayLineCapTypeSuite;

#define kArrayFigureStyleSuite "ATE ArrayFigureStyle Suite"
#define kArrayFigureStyleSuiteVersion 1
typedef ASNoOperations ArrayFigureStyleSuite;

#define kArrayLineJoinTypeSuite "ATE ArrayLineJoinType Suite"
#define kArrayLineJoinTypeSuiteVersion 1
typedef ASNoOperations ArrayLineJoinTypeSuite;

#define kArrayWariChuJustificationSuite "ATE ArrayWariChuJustification Suite"
#define kArrayWariChuJustificationSuiteVersion 1
typedef ASNoOperations ArrayWariChuJustificationSuite;

#define kArrayStyleRunAlignmentSuite "ATE ArrayStyleRunAlignment Suite"
#define kArrayStyleRunAlignmentSuiteVersion 1
typedef ASNoOperations ArrayStyleRunAlignmentSuite;

#define kArrayAutoKernTypeSuite "ATE ArrayAutoKernType Suite"
#define kArrayAutoKernTypeSuiteVersion 1
typedef ASNoOperations ArrayAutoKernTypeSuite;

#define kArrayBaselineDirectionSuite "ATE ArrayBaselineDirection Suite"
#define kArrayBaselineDirectionSuiteVersion 1
typedef ASNoOperations ArrayBaselineDirectionSuite;

#define kArrayLanguageSuite "ATE ArrayLanguage Suite"
#define kArrayLanguageSuiteVersion 1
typedef ASNoOperations ArrayLanguageSuite;

#define kArrayFontCapsOptionSuite "ATE ArrayFontCapsOption Suite"
#define kArrayFontCapsOptionSuiteVersion 1
typedef ASNoOperations ArrayFontCapsOptionSuite;

#define kArrayFontBaselineOptionSuite "ATE ArrayFontBaselineOption Suite"
#define kArrayFontBaselineOptionSuiteVersion 1
typedef ASNoOperations ArrayFontBaselineOptionSuite;

#define kArrayFontOpenTypePositionOptionSuite "ATE ArrayFontOpenTypePositionOption Suite"
#define kArrayFontOpenTypePositionOptionSuiteVersion 1
typedef ASNoOperations ArrayFontOpenTypePositionOptionSuite;

#define kArrayUnderlinePositionSuite "ATE ArrayUnderlinePosition Suite"
#define kArrayUnderlinePositionSuiteVersion 1
typedef ASNoOperations ArrayUnderlinePositionSuite;

#define kArrayStrikethroughPositionSuite "ATE ArrayStrikethroughPosition Suite"
#define kArrayStrikethroughPositionSuiteVersion 1
typedef ASNoOperations ArrayStrikethroughPositionSuite;

#define kArrayParagraphJustificationSuite "ATE ArrayParagraphJustification Suite"
#define kArrayParagraphJustificationSuiteVersion 1
typedef ASNoOperations ArrayParagraphJustificationSuite;

#define kArrayArrayRealSuite "ATE ArrayArrayReal Suite"
#define kArrayArrayRealSuiteVersion 1
typedef ASNoOperations ArrayArrayRealSuite;

#define kArrayBurasagariTypeSuite "ATE ArrayBurasagariType Suite"
#define kArrayBurasagariTypeSuiteVersion 1
typedef ASNoOperations ArrayBurasagariTypeSuite;

#define kArrayPreferredKinsokuOrderSuite "ATE ArrayPreferredKinsokuOrder Suite"
#define kArrayPreferredKinsokuOrderSuiteVersion 1
typedef ASNoOperations ArrayPreferredKinsokuOrderSuite;

#define kArrayKinsokuRefSuite "ATE ArrayKinsokuRef Suite"
#define kArrayKinsokuRefSuiteVersion 1
typedef ASNoOperations ArrayKinsokuRefSuite;

#define kArrayMojiKumiRefSuite "ATE ArrayMojiKumiRef Suite"
#define kArrayMojiKumiRefSuiteVersion 1
typedef ASNoOperations ArrayMojiKumiRefSuite;

#define kArrayMojiKumiSetRefSuite "ATE ArrayMojiKumiSetRef Suite"
#define kArrayMojiKumiSetRefSuiteVersion 1
typedef ASNoOperations ArrayMojiKumiSetRefSuite;

#define kArrayTabStopsRefSuite "ATE ArrayTabStopsRef Suite"
#define kArrayTabStopsRefSuiteVersion 1
typedef ASNoOperations ArrayTabStopsRefSuite;

#define kArrayLeadingTypeSuite "ATE ArrayLeadingType Suite"
#define kArrayLeadingTypeSuiteVersion 1
typedef ASNoOperations ArrayLeadingTypeSuite;

#define kArrayFontRefSuite "ATE ArrayFontRef Suite"
#define kArrayFontRefSuiteVersion 1
typedef ASNoOperations ArrayFontRefSuite;

#define kArrayGlyphIDSuite "ATE ArrayGlyphID Suite"
#define kArrayGlyphIDSuiteVersion 1
typedef ASNoOperations ArrayGlyphIDSuite;

#define kArrayRealPointSuite "ATE ArrayRealPoint Suite"
#define kArrayRealPointSuiteVersion 1
typedef ASNoOperations ArrayRealPointSuite;

#define kArrayRealMatrixSuite "ATE ArrayRealMatrix Suite"
#define kArrayRealMatrixSuiteVersion 1
typedef ASNoOperations ArrayRealMatrixSuite;

#define kArrayParagraphDirectionSuite "ATE ArrayParagraphDirection Suite"
#define kArrayParagraphDirectionSuiteVersion 1
typedef ASNoOperations ArrayParagraphDirectionSuite;

#define kArrayJustificationMethodSuite "ATE ArrayJustificationMethod Suite"
#define kArrayJustificationMethodSuiteVersion 1
typedef ASNoOperations ArrayJustificationMethodSuite;

#define kArrayKashidasSuite "ATE ArrayKashidas Suite"
#define kArrayKashidasSuiteVersion 1
typedef ASNoOperations ArrayKashidasSuite;

#define kArrayDirOverrideSuite "ATE ArrayDirOverride Suite"
#define kArrayDirOverrideSuiteVersion 1
typedef ASNoOperations ArrayDirOverrideSuite;

#define kArrayDigitSetSuite "ATE ArrayDigitSet Suite"
#define kArrayDigitSetSuiteVersion 1
typedef ASNoOperations ArrayDigitSetSuite;

#define kArrayDiacVPosSuite "ATE ArrayDiacVPos Suite"
#define kArrayDiacVPosSuiteVersion 1
typedef ASNoOperations ArrayDiacVPosSuite;

#define kCharInspectorSuite "ATE CharInspector Suite"
#define kCharInspectorSuiteVersion 101
typedef ASNoOperations CharInspectorSuite;

#define kCharStyleSuite "ATE CharStyle Suite"
#define kCharStyleSuiteVersion 1
typedef ASNoOperations CharStyleSuite;

#define kCharStylesSuite "ATE CharStyles Suite"
#define kCharStylesSuiteVersion 1
typedef ASNoOperations CharStylesSuite;

#define kCharStylesIteratorSuite "ATE CharStylesIterator Suite"
#define kCharStylesIteratorSuiteVersion 1
typedef ASNoOperations CharStylesIteratorSuite;

#define kFindSuite "ATE Find Suite"
#define kFindSuiteVersion 101
typedef ASNoOperations FindSuite;

#define kGlyphSuite "ATE Glyph Suite"
#define kGlyphSuiteVersion 1
typedef ASNoOperations GlyphSuite;

#define kGlyphsSuite "ATE Glyphs Suite"
#define kGlyphsSuiteVersion 1
typedef ASNoOperations GlyphsSuite;

#define kGlyphsIteratorSuite "ATE GlyphsIterator Suite"
#define kGlyphsIteratorSuiteVersion 1
typedef ASNoOperations GlyphsIteratorSuite;

#define kKinsokuSuite "ATE Kinsoku Suite"
#define kKinsokuSuiteVersion 1
typedef ASNoOperations KinsokuSuite;

#define kKinsokuSetSuite "ATE KinsokuSet Suite"
#define kKinsokuSetSuiteVersion 1
typedef ASNoOperations KinsokuSetSuite;

#define kParagraphSuite "ATE Paragraph Suite"
#define kParagraphSuiteVersion 1
typedef ASNoOperations ParagraphSuite;

#define kParagraphsIteratorSuite "ATE ParagraphsIterator Suite"
#define kParagraphsIteratorSuiteVersion 1
typedef ASNoOperations ParagraphsIteratorSuite;

#define kParaInspectorSuite "ATE ParaInspector Suite"
#define kParaInspectorSuiteVersion 101
typedef ASNoOperations ParaInspectorSuite;

#define kParaStyleSuite "ATE ParaStyle Suite"
#define kParaStyleSuiteVersion 1
typedef ASNoOperations ParaStyleSuite;

#define kParaStylesSuite "ATE ParaStyles Suite"
#define kParaStylesSuiteVersion 1
typedef ASNoOperations ParaStylesSuite;

#define kParaStylesIteratorSuite "ATE ParaStylesIterator Suite"
#define kParaStylesIteratorSuiteVersion 1
typedef ASNoOperations ParaStylesIteratorSuite;

#define kSpellSuite "ATE Spell Suite"
#define kSpellSuiteVersion 101
typedef ASNoOperations SpellSuite;

#define kStoriesSuite "ATE Stories Suite"
#define kStoriesSuiteVersion 1
typedef ASNoOperations StoriesSuite;

#define kStorySuite "ATE Story Suite"
#define kStorySuiteVersion 1
typedef ASNoOperations StorySuite;

#define kTabStopSuite "ATE TabStop Suite"
#define kTabStopSuiteVersion 1
typedef ASNoOperations TabStopSuite;

#define kTabStopsSuite "ATE TabStops Suite"
#define kTabStopsSuiteVersion 1
typedef ASNoOperations TabStopsSuite;

#define kTabStopsIteratorSuite "ATE TabStopsIterator Suite"
#define kTabStopsIteratorSuiteVersion 1
typedef ASNoOperations TabStopsIteratorSuite;

#define kTextRangesSuite "ATE TextRanges Suite"
#define kTextRangesSuiteVersion 1
typedef ASNoOperations TextRangesSuite;

#define kTextRangesIteratorSuite "ATE TextRangesIterator Suite"
#define kTextRangesIteratorSuiteVersion 1
typedef ASNoOperations TextRangesIteratorSuite;

#define kTextRunsIteratorSuite "ATE TextRunsIterator Suite"
#define kTextRunsIteratorSuiteVersion 1
typedef ASNoOperations TextRunsIteratorSuite;

#define kWordsIteratorSuite "ATE WordsIterator Suite"
#define kWordsIteratorSuiteVersion 1
typedef ASNoOperations WordsIteratorSuite;

#define kArrayLineSuite "ATE ArrayLine Suite"
#define kArrayLineSuiteVersion 1
typedef ASNoOperations ArrayLineSuite;

#define kArrayComposerEngineSuite "ATE ArrayComposerEngine Suite"
#define kArrayComposerEngineSuiteVersion 1
typedef ASNoOperations ArrayComposerEngineSuite;

#endif /* VYN_ILLUSTRATORAPI_ACQUIREDSUITES_H */
