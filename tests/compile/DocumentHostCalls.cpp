// DocumentHostCalls.cpp — every host call of the settings, the chart build
// and the colour description, written as the plug-in writes them: through the
// suite pointer globals, with the plug-in's own variable types, and without a
// cast or a helper variable that only exists to please the compiler.
//
// Compiled, never linked or run: it keeps the interface headers and the
// wrappers fit for that code. A call that stops compiling here is an
// interface change the plug-in would have to work around. The functions make
// the calls in the order the plug-in makes them, not its logic: results are
// mostly ignored and loops are cut to one pass.
#include "IAIArtboards.h"
#include "IAIUnicodeString.h"
#include "IText.h"
#include "Platform.h"
#include "SuiteGlobals.h"

namespace document_host_calls {

// ---- the plug-in's globals, with their types ----------------------------------

char NomsPolices[256];
double CorpsTexteCase;
double LongueurCase;
double HauteurCase;
double EcartEntreCases;
AIRealPoint CoinHGCase;
ASBoolean CaseSelection; // the interface's one-byte boolean
ASBoolean CaseMotifs;
ASBoolean CaseDegrades;
ASBoolean CaseGlobales;
ASBoolean CaseTeintes;
ASBoolean CaseAutres;
ASInt32 NumeroPolice;
ADMRect PosDialReglages;

AIRealRect RectanglePlanDeTravail;
AIArtHandle AHGroupe;
char TexteCase[100];
AIColor CouleurTexte;
ADMDialogRef DialogueReglages; // never assigned: always null

const char kPrefix[] = "VynColors";
const char kChartTag[] = "VYNCOL";

// ---- settings: loading and saving the preferences ------------------------------

void LoadSettings() {
    AIFontKey key = nullptr;
    if (sAIFont->FontKeyFromPlatformFont(kAIDefaultPlatformFont, &key) == kNoErr)
        sAIFont->GetFontName(key, NomsPolices, 256);
    sAIPreference->GetStringPreference(kPrefix, "PoliceCase", NomsPolices, 256);
    sAIPreference->GetRealPreference(kPrefix, "CorpsCase", &CorpsTexteCase);
    sAIPreference->GetRealPreference(kPrefix, "LongueurCase", &LongueurCase);
    double position = 12.0;
    sAIPreference->GetRealPreference(kPrefix, "PosXCase", &position);
    CoinHGCase.h = position;
    sAIPreference->GetBooleanPreference(kPrefix, "CaseSelection", &CaseSelection);
}

ASErr EcriturePreferences() {
    sAIPreference->PutStringPreference(kPrefix, "PoliceCase", NomsPolices);
    sAIPreference->PutRealPreference(kPrefix, "CorpsCase", CorpsTexteCase);
    sAIPreference->PutRealPreference(kPrefix, "PosXCase", CoinHGCase.h);
    return sAIPreference->PutBooleanPreference(kPrefix, "CaseTeintes", CaseTeintes);
}

// ---- settings dialog: construction ---------------------------------------------

void CorpsTexteCaseCBP(ADMItemRef item, ADMNotifierRef notifier);
void ZoneDessinDansDialogueDraw(ADMItemRef item, ADMDrawerRef drawer);

ADMErr ValeursDefautDialogue(ADMDialogRef dialog) {
    {
        ai::ArtboardList list;
        ai::ArtboardProperties properties;
        ASInt32 active = 0;
        sAIArtboard->GetActive(list.GetRef(), &active);
        sAIArtboard->GetArtboardProperties(list.GetRef(), active, properties.GetRef());
        sAIArtboard->GetPosition(properties.GetRef(), &RectanglePlanDeTravail);
    }
    sADMDialog->SetBoundsRect(dialog, &PosDialReglages);
    sADMDialog->SetText(dialog, "Vyn\xA5"
                                "Colors (Settings)");

    const ADMRect sizeBounds = {70, 36, 92, 101};
    ADMItemRef size = sADMItem->Create(dialog, 4, kADMSpinEditType, &sizeBounds, nullptr, nullptr, 0);
    sADMItem->SetUnits(size, kADMPointUnits);
    sADMItem->SetSmallIncrement(size, 1.0f);
    sADMItem->SetLargeIncrement(size, 4.0f);
    sADMItem->SetMinFloatValue(size, 0.1f);
    sADMItem->SetFloatValue(size, CorpsTexteCase);
    sADMItem->SetNotifyProc(size, CorpsTexteCaseCBP);
    sADMItem->SetTipString(size, "Text size.");

    const ADMRect selectionBounds = {136, 250, 151, 330};
    ADMItemRef selection =
        sADMItem->Create(dialog, 15, kADMTextCheckBoxType, &selectionBounds, nullptr, nullptr, 0);
    sADMItem->SetBooleanValue(selection, CaseSelection);
    sADMItem->SetText(selection, "Selection");
    sADMItem->Enable(selection, CaseGlobales);

    const ADMRect previewBounds = {13, 330, 168, 460};
    ADMItemRef preview =
        sADMItem->Create(dialog, 21, kADMPicturePushButtonType, &previewBounds, nullptr, nullptr, 0);
    sADMItem->SetDrawProc(preview, ZoneDessinDansDialogueDraw);
    return kNoErr;
}

// ---- settings dialog: item callbacks ---------------------------------------------

void CaseGlobalesCBP(ADMItemRef item, ADMNotifierRef notifier) {
    if (sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) {
        CaseGlobales = !CaseGlobales;
        sADMItem->SetTipString(item, "Custom colors used will be sought.");
        sADMItem->Enable(sADMDialog->GetItem(sADMItem->GetDialog(item), 20), CaseGlobales);
    }
    if (!CaseMotifs && !CaseDegrades && !CaseGlobales && !CaseAutres)
        sADMBasic->MessageAlert("You have to select at least one box!");
    sADMItem->Invalidate(sADMDialog->GetItem(sADMItem->GetDialog(item), 21));
}

void CorpsTexteCaseCBP(ADMItemRef item, ADMNotifierRef) {
    CorpsTexteCase = sADMItem->GetFloatValue(item);
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    sADMItem->SetMinFloatValue(sADMDialog->GetItem(dialog, 5), CorpsTexteCase);
    sADMItem->SetMinFloatValue(sADMDialog->GetItem(dialog, 9), CorpsTexteCase);
}

void MotCBP(ADMItemRef item, ADMNotifierRef) {
    if (sADMItem->GetID(item) == 3)
        sADMItem->Activate(sADMDialog->GetItem(sADMItem->GetDialog(item), 4), true);
}

void PosXCaseDraw(ADMItemRef, ADMDrawerRef drawer) {
    SPPluginRef plugin = nullptr;
    sSPAccess->GetCurrentPlugin(&plugin);
    ADMIconRef icon = sADMIcon->GetFromResource(plugin, nullptr, 1004, 0);
    const ADMPoint at = {2, 0};
    sADMDrawer->DrawIcon(drawer, icon, &at);
}

void AnnulerCouleursCBP(ADMItemRef item, ADMNotifierRef notifier) {
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    sADMItem->DefaultNotify(item, notifier);
    sADMDialog->GetBoundsRect(dialog, &PosDialReglages);
    sADMDialog->EndModal(DialogueReglages, 1, 1);
}

// ---- live preview ------------------------------------------------------------------

void ZoneDessinDansDialogueDraw(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    const ADMRGBColor patternColor = {0xC738, 0x55AA, 0xC738};
    const ADMRect box = {0, 0, 15, 24};
    sADMDrawer->SetRGBColor(drawer, &patternColor);
    sADMDrawer->FillRect(drawer, &box);
    sADMDrawer->FrameRect(drawer, &box);
    sADMDrawer->SetFont(drawer, kADMBoldDialogFont);
    sADMDrawer->SetADMColor(drawer, kADMWhiteColor);
    sADMDrawer->DrawTextCentered(drawer, "P", &box);
    sADMDrawer->SetFont(drawer, kADMSmallDialogFont);
    const ADMPoint label = {12, 26};
    sADMDrawer->DrawText(drawer, "Pattern", &label);
    const ADMPoint top = {1, 1}, bottom = {14, 1};
    sADMDrawer->DrawLine(drawer, &top, &bottom);
    AIDocumentColorModel model = kDocCMYKColor;
    sDoc->GetDocumentColorModel(&model);
    sADMDrawer->ClearRect(drawer, &box);
}

// ---- font list ----------------------------------------------------------------------

ASInt32 RechercheNomsPolices(ADMItemRef item, const char *) {
    ADMListRef list = sADMItem->GetList(item);
    ASInt32 count = 0;
    sAIFont->CountFonts(&count);
    char name[1024] = {};
    AIFontKey key = nullptr;
    if (sAIFont->IndexFontList(0, &key) == kNoErr) sAIFont->GetFontName(key, name, 1024);
    ADMEntryRef entry = sADMEntry->Create(list);
    sADMEntry->SetText(entry, name);
    sADMEntry->SetID(entry, 0);
    sADMEntry->Select(sADMList->IndexEntry(list, 0), true);
    return 0;
}

void NomsPolicesCBP(ADMItemRef item, ADMNotifierRef notifier) {
    if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
    ADMEntryRef active = sADMList->GetActiveEntry(sADMItem->GetList(item));
    if (active) NumeroPolice = sADMEntry->GetID(active);
}

// ---- chart build -----------------------------------------------------------------------

// The paint of an art: a text frame's is the current style while the frame is
// marked fully selected.
void LitStyle(AIArtHandle art, AIPathStyle *style) {
    AIArtType type = kUnknownArt;
    sAIArt->GetArtType(art, &type);
    if (type == kTextFrameArt) {
        AIPathStyleMap map;
        ASBoolean mixed = 0;
        sAIArt->SetArtUserAttr(art, kArtFullySelected, kArtFullySelected);
        sPathStyle->GetCurrentPathStyle(style, &map, &mixed);
        sAIArt->SetArtUserAttr(art, kArtFullySelected, 0);
    } else {
        sPathStyle->GetPathStyle(art, style);
    }
}

void OKCouleurs(ADMItemRef item, ADMNotifierRef notifier) {
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    sADMItem->DefaultNotify(item, notifier);

    AIMatchingArtSpec specs[2] = {{kPathArt, kArtSelected, kArtSelected},
                                  {kTextFrameArt, kArtSelected, kArtSelected}};
    AIArtHandle **matches = nullptr;
    ASInt32 count = 0;
    sAIMatchingArt->GetMatchingArt(specs, 2, &matches, &count);
    if (count == 0) {
        sADMBasic->ErrorAlert("You must first select paths.");
    } else {
        AIPathStyle style;
        LitStyle((*matches)[0], &style);
        if (!style.fillPaint && !style.strokePaint) SysBeep(1);
    }
    sAIMDMemory->MdMemoryDisposeHandle(matches);
    EcriturePreferences();
    sADMDialog->GetBoundsRect(dialog, &PosDialReglages);
    sADMDialog->EndModal(DialogueReglages, 1, 1);
}

// ---- chart group, old chart removal and boxes ------------------------------------------

ASErr SupprimeAnciennesCases() {
    AIMatchingArtSpec specs[2] = {{kTextFrameArt, kArtLocked, 0}, {kPathArt, kArtLocked, 0}};
    AIArtHandle **matches = nullptr;
    ASInt32 count = 0;
    ASErr result = sAIMatchingArt->GetMatchingArt(specs, 2, &matches, &count);
    for (ASInt32 i = 0; i < count; ++i) {
        AIArtHandle art = (*matches)[i];
        result = sTag->GetTag(art, kChartTag, nullptr);
        if (result == kNoErr && sAIArt->ValidArt(art, true)) result = sAIArt->DisposeArt(art);
    }
    return sAIMDMemory->MdMemoryDisposeHandle(matches);
}

ASErr CreationGroupe() {
    ai::UnicodeString chartName("Vyn\xA5"
                                "Colors");
    ASInt32 layers = 0;
    sLayer->CountLayers(&layers);
    AILayerHandle layer = nullptr;
    sLayer->GetNthLayer(0, &layer);
    ai::UnicodeString title;
    sLayer->GetLayerTitle(layer, title.RefAddress());
    ASInt32 order = 1;
    sAIUnicodeString->Compare(title.GetRef(), chartName.GetRef(), &order);
    if (order != 0) {
        AILayerHandle current = nullptr;
        sLayer->GetCurrentLayer(&current);
        sLayer->InsertLayer(current, kPlaceAboveAll, &layer);
        sLayer->SetLayerTitle(layer, chartName.GetRef());
    }
    ASBoolean editable = 0;
    sLayer->GetLayerEditable(layer, &editable);
    if (!editable) {
        sADMBasic->ErrorAlert("Impossible, the layer is locked!");
        return kCantHappenErr;
    }
    AIArtHandle layerGroup = nullptr;
    sAIArt->GetFirstArtOfLayer(layer, &layerGroup);
    AIArtHandle child = nullptr;
    if (sAIArt->ValidArt(AHGroupe, true) && sAIArt->GetArtFirstChild(AHGroupe, &child) == kNoErr && !child)
        sAIArt->DisposeArt(AHGroupe);
    return sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, layerGroup, &AHGroupe);
}

ASErr TraceRectangle(float width, float height, AIArtHandle *box, int row) {
    if (!sAIArt->ValidArt(*box, true)) return kNoErr;
    sAIArt->SetArtCenterPointVisible(*box, true);
    AIPathSegment segments[4] = {};
    segments[1].p.h = width;
    segments[2].p.v = -height;
    AIRealMatrix matrix;
    sMath->AIRealMatrixSetTranslate(&matrix, RectanglePlanDeTravail.left + CoinHGCase.h,
                                    RectanglePlanDeTravail.top - CoinHGCase.v -
                                        row * (height + EcartEntreCases));
    sAIPath->SetPathClosed(*box, true);
    sAIPath->SetPathSegmentCount(*box, 4);
    sAIPath->SetPathSegments(*box, 0, 4, segments);
    return sAITransformArt->TransformArt(*box, &matrix, 0.0f, kTransformObjects);
}

// ---- box label ---------------------------------------------------------------------------

ASErr AffichageTexteCase(AIArtHandle *frame) {
    ATE::IParaFeatures paragraph;
    ATE::ICharFeatures characters;
    if (!sAIArt->ValidArt(*frame, true)) return kNoErr;
    ATE::TextRangeRef rangeRef = nullptr;
    ASErr error = sAITextFrame->GetATETextRange(*frame, &rangeRef);
    if (error != kNoErr) return error;
    ATE::ITextRange range(rangeRef);
    range.Remove();
    paragraph.SetLeadingType(ATE::kRomanLeadingType);
    paragraph.SetStartIndent(0.0f);
    paragraph.SetFirstLineIndent(0.0f);
    characters.SetTracking(0);
    ATE::ApplicationPaintRef paintRef = nullptr;
    sATEPaint->CreateATEApplicationPaint(&CouleurTexte, &paintRef);
    {
        ATE::IApplicationPaint paint(paintRef);
        characters.SetFillColor(paint);
    }
    paragraph.SetJustification(ATE::kLeftJustify);
    characters.SetFontSize(CorpsTexteCase);
    characters.SetBaselineShift(CorpsTexteCase / -3.0);
    AIFontKey key = nullptr;
    sAIFont->IndexFontList(NumeroPolice, &key);
    ATE::FontRef fontRef = nullptr;
    error = sAIFont->ATEFontFromFontKey(key, &fontRef);
    ATE::IFont font(fontRef);
    characters.SetFont(font);
    range.InsertAfter(TexteCase, -1, ATE::IFont());
    range.SetLocalCharFeatures(characters);
    range.SetLocalParaFeatures(paragraph);
    return error;
}

// ---- box paint and label for one colour ------------------------------------------------

// Appends the name's characters to the label, each as the low byte of its
// code unit.
void AppendName(const ai::UnicodeString &name) {
    ASUInt32 length = 0;
    sAIUnicodeString->Length(name.GetRef(), &length);
    if (length > 0) TexteCase[0] = name[0];
}

ASErr CreationCouleurFondCase(AIArtHandle *box, AIArtHandle *text, AIPathStyle *style, int row) {
    ai::UnicodeString patternName(""), customName(""), gradientName("");
    sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, AHGroupe, box);
    sTag->SetTag(*box, kChartTag, kTagString, "jj");
    TraceRectangle(LongueurCase, HauteurCase, box, row);
    const AIRealPoint origin = {0, 0};
    sAITextFrame->NewPointText(kPlaceInsideOnTop, AHGroupe, kHorizontalTextOrientation, origin, text);
    sTag->SetTag(*text, kChartTag, kTagString, "jj");
    AIRealPoint anchor;
    sAITextFrame->GetPointTextAnchor(*text, &anchor);
    AIRealMatrix matrix;
    sMath->AIRealMatrixSetTranslate(&matrix, RectanglePlanDeTravail.left + CoinHGCase.h - anchor.h,
                                    RectanglePlanDeTravail.top - CoinHGCase.v - anchor.v);
    sAITransformArt->TransformArt(*text, &matrix, 0, kTransformObjects);

    AIColor &paint = style->fill.color;
    switch (paint.kind) {
    case kPattern:
        sAIPattern->GetPatternName(paint.c.p.pattern, patternName.RefAddress());
        AppendName(patternName);
        break;
    case kCustomColor: {
        sAICustomColor->GetCustomColorName(paint.c.c.color, customName.RefAddress());
        AICustomColor definition;
        sAICustomColor->GetCustomColor(paint.c.c.color, &definition);
        if (definition.flag == kCustomSpotColor) AppendName(customName);
        break;
    }
    case kGradient: {
        sAIGradient->GetGradientName(paint.c.b.gradient, gradientName.RefAddress());
        AIGradientType type = kLinearGradient;
        sAIGradient->GetGradientType(paint.c.b.gradient, &type);
        paint.c.b.gradientLength = type == kLinearGradient ? LongueurCase : HauteurCase;
        paint.c.b.gradientOrigin.h = CoinHGCase.h;
        break;
    }
    default: break;
    }
    style->strokePaint = true;
    style->stroke.color.kind = kGrayColor;
    style->stroke.color.c.g.gray = 1.0f;
    sPathStyle->SetPathStyle(*box, style);
    return AffichageTexteCase(text);
}

// ---- path style comparison -----------------------------------------------------------------

bool MemeCouleurGlobale(const AIColor &x, const AIColor &y) {
    ai::UnicodeString first, second;
    sAICustomColor->GetCustomColorName(x.c.c.color, first.RefAddress());
    sAICustomColor->GetCustomColorName(y.c.c.color, second.RefAddress());
    ASInt32 order = 1;
    sAIUnicodeString->Compare(first.GetRef(), second.GetRef(), &order);
    return order == 0 && (!CaseTeintes || x.c.c.tint == y.c.c.tint);
}

} // namespace document_host_calls
