// SuiteGlobals.h — the pointer globals of every host suite the plug-in holds.
//
// Each global is set while the plug-in runs (between a successful start-up or
// reload and the next unload or shut-down) and null otherwise. Every host
// operation the plug-in performs is a call through one of them. The tables
// that fill them are in SuiteTables.cpp; the globals of the basic table are
// declared with the framework (Suites.h).
#pragma once

#include "IllustratorAPI.h"
#include "Suites.h"

// ---- suites the plug-in calls ---------------------------------------------

extern AIMenuSuite *sAIMenu;
extern AIPreferenceSuite *sAIPreference;
extern AIRealMathSuite *sMath;
extern AIArtSuite *sAIArt;
extern AIPathSuite *sAIPath;
extern AITransformArtSuite *sAITransformArt;
extern AIUnicodeStringSuite *sAIUnicodeString;
extern ADMDialogSuite *sADMDialog;
extern ADMItemSuite *sADMItem;
extern ADMListSuite *sADMList;
extern ADMNotifierSuite *sADMNotifier;
extern ADMEntrySuite *sADMEntry;
extern ADMIconSuite *sADMIcon;
extern ADMIconSuite *sADMIcon2;
extern ADMDrawerSuite *sADMDrawer;
extern AILayerSuite *sLayer;
extern AIDocumentSuite *sDoc;
extern AIMdMemorySuite *sAIMDMemory;
extern AIPathStyleSuite *sPathStyle;
extern AITextFrameSuite *sAITextFrame;
extern AIATEPaintSuite *sATEPaint;
extern AIFontSuite *sAIFont;
extern AITagSuite *sTag;
extern AIMatchingArtSuite *sAIMatchingArt;
extern AIArtboardSuite *sAIArtboard;
extern AICustomColorSuite *sAICustomColor;
extern AIPatternSuite *sAIPattern;
extern AIGradientSuite *sAIGradient;
extern ApplicationPaintSuite *sApplicationPaint;
extern CharFeaturesSuite *sCharFeatures;
extern FontSuite *sFont;
extern ParaFeaturesSuite *sParaFeatures;
extern TextRangeSuite *sTextRange;
// ---- suites acquired but never called ---------------------------------------
// Their presence is a condition of start-up.

extern ASLibSuite *sASLib;
extern AIToolSuite *sAITool;
extern SPBlocksSuite *sSPBlocks;
extern ADMDialogGroupSuite *sADMDialogGroup;
extern ADMTrackerSuite *sADMTracker;
extern AIDocumentViewSuite *sDocView;
extern AIAnnotatorSuite *sAIAnnotator;
extern AIAnnotatorDrawerSuite *sAIAnnotatorDrawer;
extern AICursorSnapSuite *sCursorSnap;
extern AIPluginSuite *sAIPlugin;
extern AIUserSuite *sAIUser;
extern AIURLSuite *sURL;
extern AIFilePathSuite *sAIFilePath;
extern AISwatchListSuite *sAISwatchList;
extern AISwatchGroupSuite *sAISwatchGroupe;
extern CompFontSuite *sCompFont;
extern CompFontClassSuite *sCompFontClass;
extern CompFontClassSetSuite *sCompFontClassSet;
extern CompFontComponentSuite *sCompFontComponent;
extern CompFontSetSuite *sCompFontSet;
extern GlyphRunSuite *sGlyphRun;
extern GlyphRunsIteratorSuite *sGlyphRunsIterator;
extern MojiKumiSuite *sMojiKumi;
extern MojiKumiSetSuite *sMojiKumiSet;
extern TextFrameSuite *sTextFrame;
extern TextFramesIteratorSuite *sTextFramesIterator;
extern TextLineSuite *sTextLine;
extern TextLinesIteratorSuite *sTextLinesIterator;
extern TextResourcesSuite *sTextResources;
extern ApplicationTextResourcesSuite *sApplicationTextResources;
extern DocumentTextResourcesSuite *sDocumentTextResources;
extern VersionInfoSuite *sVersionInfo;
extern ArrayApplicationPaintRefSuite *sArrayApplicationPaintRef;
extern ArrayRealSuite *sArrayReal;
extern ArrayBoolSuite *sArrayBool;
extern ArrayIntegerSuite *sArrayInteger;
extern ArrayLineCapTypeSuite *sArrayLineCapType;
extern ArrayFigureStyleSuite *sArrayFigureStyle;
extern ArrayLineJoinTypeSuite *sArrayLineJoinType;
extern ArrayWariChuJustificationSuite *sArrayWariChuJustification;
extern ArrayStyleRunAlignmentSuite *sArrayStyleRunAlignment;
extern ArrayAutoKernTypeSuite *sArrayAutoKernType;
extern ArrayBaselineDirectionSuite *sArrayBaselineDirection;
extern ArrayLanguageSuite *sArrayLanguage;
extern ArrayFontCapsOptionSuite *sArrayFontCapsOption;
extern ArrayFontBaselineOptionSuite *sArrayFontBaselineOption;
extern ArrayFontOpenTypePositionOptionSuite *sArrayFontOpenTypePositionOption;
extern ArrayUnderlinePositionSuite *sArrayUnderlinePosition;
extern ArrayStrikethroughPositionSuite *sArrayStrikethroughPosition;
extern ArrayParagraphJustificationSuite *sArrayParagraphJustification;
extern ArrayArrayRealSuite *sArrayArrayReal;
extern ArrayBurasagariTypeSuite *sArrayBurasagariType;
extern ArrayPreferredKinsokuOrderSuite *sArrayPreferredKinsokuOrder;
extern ArrayKinsokuRefSuite *sArrayKinsokuRef;
extern ArrayMojiKumiRefSuite *sArrayMojiKumiRef;
extern ArrayMojiKumiSetRefSuite *sArrayMojiKumiSetRef;
extern ArrayTabStopsRefSuite *sArrayTabStopsRef;
extern ArrayLeadingTypeSuite *sArrayLeadingType;
extern ArrayFontRefSuite *sArrayFontRef;
extern ArrayGlyphIDSuite *sArrayGlyphID;
extern ArrayRealPointSuite *sArrayRealPoint;
extern ArrayRealMatrixSuite *sArrayRealMatrix;
extern ArrayParagraphDirectionSuite *sArrayParagraphDirection;
extern ArrayJustificationMethodSuite *sArrayJustificationMethod;
extern ArrayKashidasSuite *sArrayKashidas;
extern ArrayDirOverrideSuite *sArrayDirOverride;
extern ArrayDigitSetSuite *sArrayDigitSet;
extern ArrayDiacVPosSuite *sArrayDiacVPos;
extern CharInspectorSuite *sCharInspector;
extern CharStyleSuite *sCharStyle;
extern CharStylesSuite *sCharStyles;
extern CharStylesIteratorSuite *sCharStylesIterator;
extern FindSuite *sFind;
extern GlyphSuite *sGlyph;
extern GlyphsSuite *sGlyphs;
extern GlyphsIteratorSuite *sGlyphsIterator;
extern KinsokuSuite *sKinsoku;
extern KinsokuSetSuite *sKinsokuSet;
extern ParagraphSuite *sParagraph;
extern ParagraphsIteratorSuite *sParagraphsIterator;
extern ParaInspectorSuite *sParaInspector;
extern ParaStyleSuite *sParaStyle;
extern ParaStylesSuite *sParaStyles;
extern ParaStylesIteratorSuite *sParaStylesIterator;
extern SpellSuite *sSpell;
extern StoriesSuite *sStories;
extern StorySuite *sStory;
extern TabStopSuite *sTabStop;
extern TabStopsSuite *sTabStops;
extern TabStopsIteratorSuite *sTabStopsIterator;
extern TextRangesSuite *sTextRanges;
extern TextRangesIteratorSuite *sTextRangesIterator;
extern TextRunsIteratorSuite *sTextRunsIterator;
extern WordsIteratorSuite *sWordsIterator;
extern ArrayLineSuite *sArrayLine;
extern ArrayComposerEngineSuite *sArrayComposerEngine;