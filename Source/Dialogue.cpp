// Dialogue.cpp — the settings dialog's construction: the items in their
// creation order, each with its rectangle, format, limits, value, procedures
// and tooltip, the settings loaded one by one as their items are made.
#include "Dialogue.h"

#include <limits>

#include "Apercu.h"
#include "DialogueCBP.h"
#include "Graphique.h"
#include "IAIArtboards.h"
#include "Polices.h"
#include "SuiteGlobals.h"

namespace {

const char kTitreReglages[] = "Vyn\xA5"
                              "Colors (Settings)";

// The box fields' steps: 1 mm and 10 mm for the length, 0.5 mm and 1 mm for
// the height, in points.
constexpr ASReal kUnMillimetre = 2.8346457f;
constexpr ASReal kDixMillimetres = 28.346457f;
constexpr ASReal kDemiMillimetre = 1.4173229f;

// Records the active artboard's bounds; failures are not looked at.
void LitPlanDeTravail() {
    ai::ArtboardList liste;
    ai::ArtboardProperties proprietes;
    ASInt32 actif = 0;
    sAIArtboard->GetActive(liste.GetRef(), &actif);
    sAIArtboard->GetArtboardProperties(liste.GetRef(), actif, proprietes.GetRef());
    sAIArtboard->GetPosition(proprietes.GetRef(), &RectanglePlanDeTravail);
}

ADMItemRef Cree(ADMDialogRef dialog, ASInt32 id, ADMItemType type, ADMRect rect) {
    return sADMItem->Create(dialog, id, type, &rect, nullptr, nullptr, 0);
}

ADMItemRef ChampNumerique(ADMDialogRef dialog, ASInt32 id, ADMRect rect, ADMUnits unite, ASReal petitPas,
                          ASReal grandPas) {
    ADMItemRef champ = Cree(dialog, id, kADMSpinEditType, rect);
    sADMItem->SetUnits(champ, unite);
    sADMItem->SetSmallIncrement(champ, petitPas);
    sADMItem->SetLargeIncrement(champ, grandPas);
    return champ;
}

void Termine(ADMItemRef item, ADMItemNotifyProc notification, const char *bulle) {
    sADMItem->SetNotifyProc(item, notification);
    sADMItem->SetTipString(item, bulle);
}

// A field whose minimum is the text size: the minimum goes in before the
// value.
void ChampDeCase(ADMDialogRef dialog, ASInt32 id, ADMRect rect, ASReal petitPas, ASReal grandPas,
                 const char *cle, double &reglage, double defaut, ADMItemNotifyProc notification,
                 const char *bulle) {
    ADMItemRef champ = ChampNumerique(dialog, id, rect, kADMMillimeterUnits, petitPas, grandPas);
    // A box no larger than nothing is no box; the field's own minimum, the
    // text size, is kept when OK saves.
    ChargeReel(cle, reglage, defaut, std::numeric_limits<double>::min());
    sADMItem->SetMinFloatValue(champ, static_cast<ASReal>(CorpsTexteCase));
    sADMItem->SetFloatValue(champ, static_cast<ASReal>(reglage));
    Termine(champ, notification, bulle);
}

void ChampDePosition(ADMDialogRef dialog, ASInt32 id, ADMRect rect, const char *cle, ASReal &reglage,
                     ADMItemNotifyProc notification, const char *bulle) {
    ADMItemRef champ = ChampNumerique(dialog, id, rect, kADMPointUnits, 1.0f, 10.0f);
    ChargeCoordonnee(cle, reglage);
    sADMItem->SetFloatValue(champ, reglage);
    Termine(champ, notification, bulle);
}

void Icone(ADMDialogRef dialog, ASInt32 id, ADMRect rect, ADMItemDrawProc dessin, const char *bulle) {
    ADMItemRef icone = Cree(dialog, id, kADMPicturePushButtonType, rect);
    sADMItem->SetDrawProc(icone, dessin);
    Termine(icone, MotCBP, bulle);
}

ADMItemRef CaseACocher(ADMDialogRef dialog, ASInt32 id, ADMRect rect, const char *texte, const char *cle,
                       ASBoolean &reglage, ADMItemNotifyProc notification, const InfoBulles &bulles) {
    ADMItemRef caseACocher = Cree(dialog, id, kADMTextCheckBoxType, rect);
    ChargeBooleen(cle, reglage, true);
    sADMItem->SetBooleanValue(caseACocher, reglage);
    sADMItem->SetText(caseACocher, texte);
    Termine(caseACocher, notification, reglage ? bulles.cochee : bulles.decochee);
    return caseACocher;
}

void Bouton(ADMDialogRef dialog, ASInt32 id, ADMRect rect, const char *texte, ADMItemNotifyProc notification,
            const char *bulle) {
    ADMItemRef bouton = Cree(dialog, id, kADMTextPushButtonType, rect);
    sADMItem->SetText(bouton, texte);
    Termine(bouton, notification, bulle);
}

void CreeElements(ADMDialogRef dialog) {
    sADMDialog->SetText(dialog, kTitreReglages);

    ChargeNomPolice();
    ADMItemRef polices = Cree(dialog, kIdListePolices, kADMTextEditScrollingPopupType, {70, 143, 92, 315});
    Termine(polices, NomsPolicesCBP, "Choice of font.");
    NumeroPolice = RechercheNomsPolices(polices, NomsPolices);

    ADMItemRef corps = ChampNumerique(dialog, kIdCorpsTexte, {70, 36, 92, 101}, kADMPointUnits, 1.0f, 4.0f);
    sADMItem->SetMinFloatValue(corps, 0.1f);
    ChargeReel(kCleCorpsCase, CorpsTexteCase, kCorpsTexteCaseDefaut, 0.1f);
    sADMItem->SetFloatValue(corps, static_cast<ASReal>(CorpsTexteCase));
    Termine(corps, CorpsTexteCaseCBP, "Text size.");
    Icone(dialog, 3, {73, 16, 86, 32}, CorpsTexteCaseDraw, "Text size.");

    ChampDeCase(dialog, kIdLongueur, {103, 36, 125, 101}, kUnMillimetre, kDixMillimetres, kCleLongueurCase,
                LongueurCase, kLongueurCaseDefaut, LongueurCaseCBP, "Length of each box.");
    Icone(dialog, 6, {103, 9, 125, 34}, LongueurCaseDraw, "Length of each box.");

    ADMItemRef ecart = ChampNumerique(dialog, kIdEcart, {103, 143, 125, 208}, kADMPointUnits, 1.0f, 10.0f);
    ChargeReel(kCleEcartCases, EcartEntreCases, kEcartEntreCasesDefaut, 0.0);
    sADMItem->SetFloatValue(ecart, static_cast<ASReal>(EcartEntreCases));
    sADMItem->SetMinFloatValue(ecart, 0.0f);
    Termine(ecart, EcartEntreCasesCBP, "Gap between the boxes.");
    Icone(dialog, 8, {103, 118, 125, 141}, EcartEntreCasesDraw, "Gap between the boxes.");

    ChampDeCase(dialog, kIdHauteur, {103, 250, 125, 315}, kDemiMillimetre, kUnMillimetre, kCleHauteurCase,
                HauteurCase, kHauteurCaseDefaut, HauteurCaseCBP, "Height of each box.");
    Icone(dialog, 10, {103, 218, 125, 248}, HauteurCaseDraw, "Height of each box.");

    const char kBulleX[] = "Horizontal offset of the first box from the top left corner of the artboard.";
    ChampDePosition(dialog, kIdPosX, {133, 36, 155, 101}, kClePosXCase, CoinHGCase.h, PosXCaseCBP, kBulleX);
    Icone(dialog, 12, {133, 7, 155, 32}, PosXCaseDraw, kBulleX);
    const char kBulleY[] = "Vertical offset of the first box from the top left corner of the artboard.";
    ChampDePosition(dialog, kIdPosY, {133, 143, 155, 208}, kClePosYCase, CoinHGCase.v, PosYCaseCBP, kBulleY);
    Icone(dialog, 14, {133, 114, 155, 139}, PosYCaseDraw, kBulleY);

    // "Selection" is the one box that starts clear.
    ADMItemRef selection = Cree(dialog, 15, kADMTextCheckBoxType, {136, 250, 151, 330});
    ChargeBooleen(kCleCaseSelection, CaseSelection, false);
    sADMItem->SetBooleanValue(selection, CaseSelection);
    sADMItem->SetText(selection, "Selection");
    Termine(selection, CaseSelectionCBP, CaseSelection ? kBullesSelection.cochee : kBullesSelection.decochee);

    CaseACocher(dialog, 16, {10, 10, 25, 90}, "Patterns", kCleCaseMotifs, CaseMotifs, CaseMotifsCBP,
                kBullesMotifs);
    CaseACocher(dialog, 17, {10, 90, 25, 170}, "Gradients", kCleCaseDegrades, CaseDegrades, CaseDegradesCBP,
                kBullesDegrades);
    CaseACocher(dialog, 18, {10, 170, 25, 250}, "Custom", kCleCaseGlobales, CaseGlobales, CaseGlobalesCBP,
                kBullesGlobales);

    // "Tints" is dimmed while custom colours are not sought, before its state
    // is shown.
    ADMItemRef teintes = Cree(dialog, kIdTeintes, kADMTextCheckBoxType, {36, 170, 51, 250});
    ChargeBooleen(kCleCaseTeintes, CaseTeintes, true);
    sADMItem->Enable(teintes, CaseGlobales);
    sADMItem->SetBooleanValue(teintes, CaseTeintes);
    sADMItem->SetText(teintes, "Tints");
    Termine(teintes, CaseTeintesCBP, CaseTeintes ? kBullesTeintes.cochee : kBullesTeintes.decochee);

    CaseACocher(dialog, 19, {10, 250, 25, 330}, "Other", kCleCaseAutres, CaseAutres, CaseAutresCBP,
                kBullesAutres);

    ADMItemRef apercu = Cree(dialog, kIdApercu, kADMPicturePushButtonType, {13, 330, 168, 460});
    sADMItem->SetDrawProc(apercu, ZoneDessinDansDialogueDraw);
    sADMItem->SetTipString(apercu, "Example of what you will get.");

    Bouton(dialog, kADMCancelItemID, {182, 13, 202, 105}, "Cancel", AnnulerCouleursCBP, "No modification.");
    Bouton(dialog, kADMDefaultItemID, {182, 355, 202, 447}, "OK", OKCouleurs, "New settings validation.");
}

// Without the host's default font the dialog has no items to show. It says
// why, and keeps a Cancel button so that it can be closed as usual.
void DialogueSansPolice(ADMDialogRef dialog) {
    sADMBasic->MessageAlert("Vyn\xA5"
                            "Colors cannot show its settings: the host offers no font for the labels.");
    Bouton(dialog, kADMCancelItemID, {182, 13, 202, 105}, "Cancel", AnnulerCouleursCBP, "No modification.");
}

} // namespace

ADMErr ASAPI ValeursDefautDialogue(ADMDialogRef dialog) {
    LitPlanDeTravail();
    PtrPremierAHCaseLiee = nullptr;
    const bool policeConnue = NomPoliceParDefaut();

    CouleurTexte = {};
    CouleurTexte.kind = kFourColor;
    CouleurTexte.c.f = {1.0f, 1.0f, 1.0f, 1.0f};

    PosDialReglages.bottom = static_cast<ASInt16>(PosDialReglages.top + kSettingsDialogHeight);
    PosDialReglages.right = static_cast<ASInt16>(PosDialReglages.left + kSettingsDialogWidth);
    sADMDialog->SetBoundsRect(dialog, &PosDialReglages);

    if (policeConnue)
        CreeElements(dialog);
    else
        DialogueSansPolice(dialog);
    return kNoErr;
}
