// SuiteTables.cpp — the plug-in's suite tables and their pointer globals.
//
// The order of the rows is the order of acquisition and release, so it also
// decides which error start-up reports when several suites are missing.
#include "SuiteGlobals.h"

// ---- globals --------------------------------------------------------------

SPAccessSuite *sSPAccess = nullptr;
SPPluginsSuite *sSPPlugins = nullptr;
AINotifierSuite *sAINotifier = nullptr;
AIAppContextSuite *sAIAppContext = nullptr;
ADMBasicSuite *sADMBasic = nullptr;

AIMenuSuite *sAIMenu = nullptr;
AIPreferenceSuite *sAIPreference = nullptr;
AIRealMathSuite *sMath = nullptr;
AIArtSuite *sAIArt = nullptr;
AIPathSuite *sAIPath = nullptr;
AITransformArtSuite *sAITransformArt = nullptr;
AIUnicodeStringSuite *sAIUnicodeString = nullptr;
ADMDialogSuite *sADMDialog = nullptr;
ADMItemSuite *sADMItem = nullptr;
ADMListSuite *sADMList = nullptr;
ADMNotifierSuite *sADMNotifier = nullptr;
ADMEntrySuite *sADMEntry = nullptr;
ADMIconSuite *sADMIcon = nullptr;
ADMIconSuite *sADMIcon2 = nullptr;
ADMDrawerSuite *sADMDrawer = nullptr;
AILayerSuite *sLayer = nullptr;
AIDocumentSuite *sDoc = nullptr;
AIMdMemorySuite *sAIMDMemory = nullptr;
AIPathStyleSuite *sPathStyle = nullptr;
AITextFrameSuite *sAITextFrame = nullptr;
AIATEPaintSuite *sATEPaint = nullptr;
AIFontSuite *sAIFont = nullptr;
AITagSuite *sTag = nullptr;
AIMatchingArtSuite *sAIMatchingArt = nullptr;
AIArtboardSuite *sAIArtboard = nullptr;
AICustomColorSuite *sAICustomColor = nullptr;
AIPatternSuite *sAIPattern = nullptr;
AIGradientSuite *sAIGradient = nullptr;
ApplicationPaintSuite *sApplicationPaint = nullptr;
CharFeaturesSuite *sCharFeatures = nullptr;
FontSuite *sFont = nullptr;
ParaFeaturesSuite *sParaFeatures = nullptr;
TextRangeSuite *sTextRange = nullptr;
ASLibSuite *sASLib = nullptr;
AIToolSuite *sAITool = nullptr;
SPBlocksSuite *sSPBlocks = nullptr;
ADMDialogGroupSuite *sADMDialogGroup = nullptr;
ADMTrackerSuite *sADMTracker = nullptr;
AIDocumentViewSuite *sDocView = nullptr;
AIAnnotatorSuite *sAIAnnotator = nullptr;
AIAnnotatorDrawerSuite *sAIAnnotatorDrawer = nullptr;
AICursorSnapSuite *sCursorSnap = nullptr;
AIPluginSuite *sAIPlugin = nullptr;
AIUserSuite *sAIUser = nullptr;
AIURLSuite *sURL = nullptr;
AIFilePathSuite *sAIFilePath = nullptr;
AISwatchListSuite *sAISwatchList = nullptr;
AISwatchGroupSuite *sAISwatchGroupe = nullptr;
CompFontSuite *sCompFont = nullptr;
CompFontClassSuite *sCompFontClass = nullptr;
CompFontClassSetSuite *sCompFontClassSet = nullptr;
CompFontComponentSuite *sCompFontComponent = nullptr;
CompFontSetSuite *sCompFontSet = nullptr;
GlyphRunSuite *sGlyphRun = nullptr;
GlyphRunsIteratorSuite *sGlyphRunsIterator = nullptr;
MojiKumiSuite *sMojiKumi = nullptr;
MojiKumiSetSuite *sMojiKumiSet = nullptr;
TextFrameSuite *sTextFrame = nullptr;
TextFramesIteratorSuite *sTextFramesIterator = nullptr;
TextLineSuite *sTextLine = nullptr;
TextLinesIteratorSuite *sTextLinesIterator = nullptr;
TextResourcesSuite *sTextResources = nullptr;
ApplicationTextResourcesSuite *sApplicationTextResources = nullptr;
DocumentTextResourcesSuite *sDocumentTextResources = nullptr;
VersionInfoSuite *sVersionInfo = nullptr;
ArrayApplicationPaintRefSuite *sArrayApplicationPaintRef = nullptr;
ArrayRealSuite *sArrayReal = nullptr;
ArrayBoolSuite *sArrayBool = nullptr;
ArrayIntegerSuite *sArrayInteger = nullptr;
ArrayLineCapTypeSuite *sArrayLineCapType = nullptr;
ArrayFigureStyleSuite *sArrayFigureStyle = nullptr;
ArrayLineJoinTypeSuite *sArrayLineJoinType = nullptr;
ArrayWariChuJustificationSuite *sArrayWariChuJustification = nullptr;
ArrayStyleRunAlignmentSuite *sArrayStyleRunAlignment = nullptr;
ArrayAutoKernTypeSuite *sArrayAutoKernType = nullptr;
ArrayBaselineDirectionSuite *sArrayBaselineDirection = nullptr;
ArrayLanguageSuite *sArrayLanguage = nullptr;
ArrayFontCapsOptionSuite *sArrayFontCapsOption = nullptr;
ArrayFontBaselineOptionSuite *sArrayFontBaselineOption = nullptr;
ArrayFontOpenTypePositionOptionSuite *sArrayFontOpenTypePositionOption = nullptr;
ArrayUnderlinePositionSuite *sArrayUnderlinePosition = nullptr;
ArrayStrikethroughPositionSuite *sArrayStrikethroughPosition = nullptr;
ArrayParagraphJustificationSuite *sArrayParagraphJustification = nullptr;
ArrayArrayRealSuite *sArrayArrayReal = nullptr;
ArrayBurasagariTypeSuite *sArrayBurasagariType = nullptr;
ArrayPreferredKinsokuOrderSuite *sArrayPreferredKinsokuOrder = nullptr;
ArrayKinsokuRefSuite *sArrayKinsokuRef = nullptr;
ArrayMojiKumiRefSuite *sArrayMojiKumiRef = nullptr;
ArrayMojiKumiSetRefSuite *sArrayMojiKumiSetRef = nullptr;
ArrayTabStopsRefSuite *sArrayTabStopsRef = nullptr;
ArrayLeadingTypeSuite *sArrayLeadingType = nullptr;
ArrayFontRefSuite *sArrayFontRef = nullptr;
ArrayGlyphIDSuite *sArrayGlyphID = nullptr;
ArrayRealPointSuite *sArrayRealPoint = nullptr;
ArrayRealMatrixSuite *sArrayRealMatrix = nullptr;
ArrayParagraphDirectionSuite *sArrayParagraphDirection = nullptr;
ArrayJustificationMethodSuite *sArrayJustificationMethod = nullptr;
ArrayKashidasSuite *sArrayKashidas = nullptr;
ArrayDirOverrideSuite *sArrayDirOverride = nullptr;
ArrayDigitSetSuite *sArrayDigitSet = nullptr;
ArrayDiacVPosSuite *sArrayDiacVPos = nullptr;
CharInspectorSuite *sCharInspector = nullptr;
CharStyleSuite *sCharStyle = nullptr;
CharStylesSuite *sCharStyles = nullptr;
CharStylesIteratorSuite *sCharStylesIterator = nullptr;
FindSuite *sFind = nullptr;
GlyphSuite *sGlyph = nullptr;
GlyphsSuite *sGlyphs = nullptr;
GlyphsIteratorSuite *sGlyphsIterator = nullptr;
KinsokuSuite *sKinsoku = nullptr;
KinsokuSetSuite *sKinsokuSet = nullptr;
ParagraphSuite *sParagraph = nullptr;
ParagraphsIteratorSuite *sParagraphsIterator = nullptr;
ParaInspectorSuite *sParaInspector = nullptr;
ParaStyleSuite *sParaStyle = nullptr;
ParaStylesSuite *sParaStyles = nullptr;
ParaStylesIteratorSuite *sParaStylesIterator = nullptr;
SpellSuite *sSpell = nullptr;
StoriesSuite *sStories = nullptr;
StorySuite *sStory = nullptr;
TabStopSuite *sTabStop = nullptr;
TabStopsSuite *sTabStops = nullptr;
TabStopsIteratorSuite *sTabStopsIterator = nullptr;
TextRangesSuite *sTextRanges = nullptr;
TextRangesIteratorSuite *sTextRangesIterator = nullptr;
TextRunsIteratorSuite *sTextRunsIterator = nullptr;
WordsIteratorSuite *sWordsIterator = nullptr;
ArrayLineSuite *sArrayLine = nullptr;
ArrayComposerEngineSuite *sArrayComposerEngine = nullptr;
// ---- tables -------------------------------------------------------------

ImportSuite gBasicSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion, &sSPAccess},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, &sSPPlugins},
    {kAINotifierSuite, kAINotifierSuiteVersion, &sAINotifier},
    {kAIAppContextSuite, kAIAppContextSuiteVersion, &sAIAppContext},
    {kADMBasicSuite, kADMBasicSuiteVersion, &sADMBasic},
};

// The required rows, then a terminator of zeros: no optional rows.
ImportSuite gImportSuites[] = {
    {kAIMenuSuite, kAIMenuSuiteVersion, &sAIMenu},
    {kASLibSuite, kASLibSuiteVersion, &sASLib},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion, &sAIPreference},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, &sMath},
    {kAIArtSuite, kAIArtSuiteVersion, &sAIArt},
    {kAIPathSuite, kAIPathSuiteVersion, &sAIPath},
    {kAIToolSuite, kAIToolSuiteVersion, &sAITool},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, &sAITransformArt},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &sAIUnicodeString},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, &sSPBlocks},
    {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, &sADMDialogGroup},
    {kADMDialogSuite, kADMDialogSuiteVersion, &sADMDialog},
    {kADMItemSuite, kADMItemSuiteVersion, &sADMItem},
    {kADMListSuite, kADMListSuiteVersion, &sADMList},
    {kADMNotifierSuite, kADMNotifierSuiteVersion, &sADMNotifier},
    {kADMEntrySuite, kADMEntrySuiteVersion, &sADMEntry},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, &sADMTracker},
    {kADMIconSuite, kADMIconSuiteVersion1, &sADMIcon},
    {kADMIconSuite, kADMIconSuiteVersion2, &sADMIcon2},
    {kADMDrawerSuite, kADMDrawerSuiteVersion, &sADMDrawer},
    {kAILayerSuite, kAILayerSuiteVersion, &sLayer},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &sDocView},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, &sDoc},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, &sAIMDMemory},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, &sPathStyle},
    {kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, &sAIAnnotator},
    {kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, &sAIAnnotatorDrawer},
    {kAICursorSnapSuite, kAICursorSnapSuiteVersion, &sCursorSnap},
    {kAIPluginSuite, kAIPluginSuiteVersion, &sAIPlugin},
    {kAIUserSuite, kAIUserSuiteVersion, &sAIUser},
    {kAITextFrameSuite, kAITextFrameSuiteVersion, &sAITextFrame},
    {kAIATEPaintSuite, kAIATEPaintSuiteVersion, &sATEPaint},
    {kAIFontSuite, kAIFontSuiteVersion, &sAIFont},
    {kAIURLSuite, kAIURLSuiteVersion, &sURL},
    {kAITagSuite, kAITagSuiteVersion, &sTag},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &sAIMatchingArt},
    {kAIArtboardSuite, kAIArtboardSuiteVersion, &sAIArtboard},
    {kAIFilePathSuite, kAIFilePathSuiteVersion, &sAIFilePath},
    {kAICustomColorSuite, kAICustomColorSuiteVersion, &sAICustomColor},
    {kAISwatchListSuite, kAISwatchListSuiteVersion, &sAISwatchList},
    {kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, &sAISwatchGroupe},
    {kAIPatternSuite, kAIPatternSuiteVersion, &sAIPattern},
    {kAIGradientSuite, kAIGradientSuiteVersion, &sAIGradient},
    {kApplicationPaintSuite, kApplicationPaintSuiteVersion, &sApplicationPaint},
    {kCompFontSuite, kCompFontSuiteVersion, &sCompFont},
    {kCompFontClassSuite, kCompFontClassSuiteVersion, &sCompFontClass},
    {kCompFontClassSetSuite, kCompFontClassSetSuiteVersion, &sCompFontClassSet},
    {kCompFontComponentSuite, kCompFontComponentSuiteVersion, &sCompFontComponent},
    {kCompFontSetSuite, kCompFontSetSuiteVersion, &sCompFontSet},
    {kGlyphRunSuite, kGlyphRunSuiteVersion, &sGlyphRun},
    {kGlyphRunsIteratorSuite, kGlyphRunsIteratorSuiteVersion, &sGlyphRunsIterator},
    {kMojiKumiSuite, kMojiKumiSuiteVersion, &sMojiKumi},
    {kMojiKumiSetSuite, kMojiKumiSetSuiteVersion, &sMojiKumiSet},
    {kTextFrameSuite, kTextFrameSuiteVersion, &sTextFrame},
    {kTextFramesIteratorSuite, kTextFramesIteratorSuiteVersion, &sTextFramesIterator},
    {kTextLineSuite, kTextLineSuiteVersion, &sTextLine},
    {kTextLinesIteratorSuite, kTextLinesIteratorSuiteVersion, &sTextLinesIterator},
    {kTextResourcesSuite, kTextResourcesSuiteVersion, &sTextResources},
    {kApplicationTextResourcesSuite, kApplicationTextResourcesSuiteVersion, &sApplicationTextResources},
    {kDocumentTextResourcesSuite, kDocumentTextResourcesSuiteVersion, &sDocumentTextResources},
    {kVersionInfoSuite, kVersionInfoSuiteVersion, &sVersionInfo},
    {kArrayApplicationPaintRefSuite, kArrayApplicationPaintRefSuiteVersion, &sArrayApplicationPaintRef},
    {kArrayRealSuite, kArrayRealSuiteVersion, &sArrayReal},
    {kArrayBoolSuite, kArrayBoolSuiteVersion, &sArrayBool},
    {kArrayIntegerSuite, kArrayIntegerSuiteVersion, &sArrayInteger},
    {kArrayLineCapTypeSuite, kArrayLineCapTypeSuiteVersion, &sArrayLineCapType},
    {kArrayFigureStyleSuite, kArrayFigureStyleSuiteVersion, &sArrayFigureStyle},
    {kArrayLineJoinTypeSuite, kArrayLineJoinTypeSuiteVersion, &sArrayLineJoinType},
    {kArrayWariChuJustificationSuite, kArrayWariChuJustificationSuiteVersion, &sArrayWariChuJustification},
    {kArrayStyleRunAlignmentSuite, kArrayStyleRunAlignmentSuiteVersion, &sArrayStyleRunAlignment},
    {kArrayAutoKernTypeSuite, kArrayAutoKernTypeSuiteVersion, &sArrayAutoKernType},
    {kArrayBaselineDirectionSuite, kArrayBaselineDirectionSuiteVersion, &sArrayBaselineDirection},
    {kArrayLanguageSuite, kArrayLanguageSuiteVersion, &sArrayLanguage},
    {kArrayFontCapsOptionSuite, kArrayFontCapsOptionSuiteVersion, &sArrayFontCapsOption},
    {kArrayFontBaselineOptionSuite, kArrayFontBaselineOptionSuiteVersion, &sArrayFontBaselineOption},
    {kArrayFontOpenTypePositionOptionSuite, kArrayFontOpenTypePositionOptionSuiteVersion,
     &sArrayFontOpenTypePositionOption},
    {kArrayUnderlinePositionSuite, kArrayUnderlinePositionSuiteVersion, &sArrayUnderlinePosition},
    {kArrayStrikethroughPositionSuite, kArrayStrikethroughPositionSuiteVersion, &sArrayStrikethroughPosition},
    {kArrayParagraphJustificationSuite, kArrayParagraphJustificationSuiteVersion,
     &sArrayParagraphJustification},
    {kArrayArrayRealSuite, kArrayArrayRealSuiteVersion, &sArrayArrayReal},
    {kArrayBurasagariTypeSuite, kArrayBurasagariTypeSuiteVersion, &sArrayBurasagariType},
    {kArrayPreferredKinsokuOrderSuite, kArrayPreferredKinsokuOrderSuiteVersion, &sArrayPreferredKinsokuOrder},
    {kArrayKinsokuRefSuite, kArrayKinsokuRefSuiteVersion, &sArrayKinsokuRef},
    {kArrayMojiKumiRefSuite, kArrayMojiKumiRefSuiteVersion, &sArrayMojiKumiRef},
    {kArrayMojiKumiSetRefSuite, kArrayMojiKumiSetRefSuiteVersion, &sArrayMojiKumiSetRef},
    {kArrayTabStopsRefSuite, kArrayTabStopsRefSuiteVersion, &sArrayTabStopsRef},
    {kArrayLeadingTypeSuite, kArrayLeadingTypeSuiteVersion, &sArrayLeadingType},
    {kArrayFontRefSuite, kArrayFontRefSuiteVersion, &sArrayFontRef},
    {kArrayGlyphIDSuite, kArrayGlyphIDSuiteVersion, &sArrayGlyphID},
    {kArrayRealPointSuite, kArrayRealPointSuiteVersion, &sArrayRealPoint},
    {kArrayRealMatrixSuite, kArrayRealMatrixSuiteVersion, &sArrayRealMatrix},
    {kArrayParagraphDirectionSuite, kArrayParagraphDirectionSuiteVersion, &sArrayParagraphDirection},
    {kArrayJustificationMethodSuite, kArrayJustificationMethodSuiteVersion, &sArrayJustificationMethod},
    {kArrayKashidasSuite, kArrayKashidasSuiteVersion, &sArrayKashidas},
    {kArrayDirOverrideSuite, kArrayDirOverrideSuiteVersion, &sArrayDirOverride},
    {kArrayDigitSetSuite, kArrayDigitSetSuiteVersion, &sArrayDigitSet},
    {kArrayDiacVPosSuite, kArrayDiacVPosSuiteVersion, &sArrayDiacVPos},
    {kCharFeaturesSuite, kCharFeaturesSuiteVersion, &sCharFeatures},
    {kCharInspectorSuite, kCharInspectorSuiteVersion, &sCharInspector},
    {kCharStyleSuite, kCharStyleSuiteVersion, &sCharStyle},
    {kCharStylesSuite, kCharStylesSuiteVersion, &sCharStyles},
    {kCharStylesIteratorSuite, kCharStylesIteratorSuiteVersion, &sCharStylesIterator},
    {kFindSuite, kFindSuiteVersion, &sFind},
    {kFontSuite, kFontSuiteVersion, &sFont},
    {kGlyphSuite, kGlyphSuiteVersion, &sGlyph},
    {kGlyphsSuite, kGlyphsSuiteVersion, &sGlyphs},
    {kGlyphsIteratorSuite, kGlyphsIteratorSuiteVersion, &sGlyphsIterator},
    {kKinsokuSuite, kKinsokuSuiteVersion, &sKinsoku},
    {kKinsokuSetSuite, kKinsokuSetSuiteVersion, &sKinsokuSet},
    {kParaFeaturesSuite, kParaFeaturesSuiteVersion, &sParaFeatures},
    {kParagraphSuite, kParagraphSuiteVersion, &sParagraph},
    {kParagraphsIteratorSuite, kParagraphsIteratorSuiteVersion, &sParagraphsIterator},
    {kParaInspectorSuite, kParaInspectorSuiteVersion, &sParaInspector},
    {kParaStyleSuite, kParaStyleSuiteVersion, &sParaStyle},
    {kParaStylesSuite, kParaStylesSuiteVersion, &sParaStyles},
    {kParaStylesIteratorSuite, kParaStylesIteratorSuiteVersion, &sParaStylesIterator},
    {kSpellSuite, kSpellSuiteVersion, &sSpell},
    {kStoriesSuite, kStoriesSuiteVersion, &sStories},
    {kStorySuite, kStorySuiteVersion, &sStory},
    {kTabStopSuite, kTabStopSuiteVersion, &sTabStop},
    {kTabStopsSuite, kTabStopsSuiteVersion, &sTabStops},
    {kTabStopsIteratorSuite, kTabStopsIteratorSuiteVersion, &sTabStopsIterator},
    {kTextRangeSuite, kTextRangeSuiteVersion, &sTextRange},
    {kTextRangesSuite, kTextRangesSuiteVersion, &sTextRanges},
    {kTextRangesIteratorSuite, kTextRangesIteratorSuiteVersion, &sTextRangesIterator},
    {kTextRunsIteratorSuite, kTextRunsIteratorSuiteVersion, &sTextRunsIterator},
    {kWordsIteratorSuite, kWordsIteratorSuiteVersion, &sWordsIterator},
    {kArrayLineSuite, kArrayLineSuiteVersion, &sArrayLine},
    {kArrayComposerEngineSuite, kArrayComposerEngineSuiteVersion, &sArrayComposerEngine},
    {nullptr, 0, nullptr},
};

static_assert(sizeof gBasicSuites / sizeof gBasicSuites[0] == 5, "five basic suites");
static_assert(sizeof gImportSuites / sizeof gImportSuites[0] == 129 + 1,
              "129 required suites and a terminator");
