#include "DialogueCBP.h"

#include "Reglages.h"
#include "SuiteGlobals.h"

const InfoBulles kBullesSelection = {"Only the colors of the selected paths.", "All colors of the document."};
const InfoBulles kBullesMotifs = {"Patterns used will be sought.", "Patterns used will not be sought."};
const InfoBulles kBullesDegrades = {"Gradients used will be sought.", "Gradients used will not be sought."};
// The clear text has no full stop: it is shown as the plug-in has always
// shown it.
const InfoBulles kBullesGlobales = {"Custom colors used will be sought.",
                                    "Custom colors used will not be sought"};
const InfoBulles kBullesTeintes = {"The different tints of custom colors used will be sought.",
                                   "The different tints of custom colors used will not be sought."};
const InfoBulles kBullesAutres = {"Simple colors used will be sought.",
                                  "Simple colors used will not be sought."};

namespace {

ADMItemRef ElementVoisin(ADMItemRef item, ASInt32 id) {
    return sADMDialog->GetItem(sADMItem->GetDialog(item), id);
}

void RedessineApercu(ADMItemRef item) { sADMItem->Invalidate(ElementVoisin(item, kIdApercu)); }

// What a check box does besides flipping its setting.
enum class Suite { Rien, RegleDesSortes, RegleDesSortesEtApercu, Apercu };

// The check boxes' common procedure: on a user change, flip the setting and
// show the tooltip of its new state; then the kind rule and the preview as
// the box asks.
void CaseACocher(ADMItemRef item, ADMNotifierRef notifier, ASBoolean &reglage, const InfoBulles &bulles,
                 Suite suite, void (*enPlus)(ADMItemRef) = nullptr) {
    if (sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) {
        reglage = !reglage;
        sADMItem->SetTipString(item, reglage ? bulles.cochee : bulles.decochee);
        if (enPlus) enPlus(item);
    }
    if (suite == Suite::RegleDesSortes || suite == Suite::RegleDesSortesEtApercu) {
        // Warned, not prevented: OK stays possible with no kind sought.
        if (!CaseMotifs && !CaseDegrades && !CaseGlobales && !CaseAutres)
            sADMBasic->MessageAlert("You have to select at least one box!");
    }
    if (suite == Suite::RegleDesSortesEtApercu || suite == Suite::Apercu) RedessineApercu(item);
}

void ActiveTeintes(ADMItemRef item) { sADMItem->Enable(ElementVoisin(item, kIdTeintes), CaseGlobales); }

void DessineIcone(ADMDrawerRef drawer, ASInt32 idIcone, ADMPoint position) {
    SPPluginRef plugin = nullptr;
    sSPAccess->GetCurrentPlugin(&plugin);
    ADMIconRef icone = sADMIcon->GetFromResource(plugin, nullptr, idIcone, 0);
    sADMDrawer->DrawIcon(drawer, icone, &position);
    // Given back at once: a dialog is redrawn many times.
    sADMIcon->Destroy(icone);
}

} // namespace

void ASAPI CaseSelectionCBP(ADMItemRef item, ADMNotifierRef notifier) {
    CaseACocher(item, notifier, CaseSelection, kBullesSelection, Suite::Rien);
}
void ASAPI CaseMotifsCBP(ADMItemRef item, ADMNotifierRef notifier) {
    CaseACocher(item, notifier, CaseMotifs, kBullesMotifs, Suite::RegleDesSortesEtApercu);
}
void ASAPI CaseDegradesCBP(ADMItemRef item, ADMNotifierRef notifier) {
    CaseACocher(item, notifier, CaseDegrades, kBullesDegrades, Suite::RegleDesSortesEtApercu);
}
void ASAPI CaseGlobalesCBP(ADMItemRef item, ADMNotifierRef notifier) {
    CaseACocher(item, notifier, CaseGlobales, kBullesGlobales, Suite::RegleDesSortesEtApercu, ActiveTeintes);
}
void ASAPI CaseTeintesCBP(ADMItemRef item, ADMNotifierRef notifier) {
    CaseACocher(item, notifier, CaseTeintes, kBullesTeintes, Suite::Apercu);
}
void ASAPI CaseAutresCBP(ADMItemRef item, ADMNotifierRef notifier) {
    CaseACocher(item, notifier, CaseAutres, kBullesAutres, Suite::RegleDesSortesEtApercu);
}

void ASAPI CorpsTexteCaseCBP(ADMItemRef item, ADMNotifierRef) {
    CorpsTexteCase = sADMItem->GetFloatValue(item);
    // No box may be made smaller than its text; the boxes' values stay.
    sADMItem->SetMinFloatValue(ElementVoisin(item, kIdLongueur), static_cast<ASReal>(CorpsTexteCase));
    sADMItem->SetMinFloatValue(ElementVoisin(item, kIdHauteur), static_cast<ASReal>(CorpsTexteCase));
}
void ASAPI LongueurCaseCBP(ADMItemRef item, ADMNotifierRef) { LongueurCase = sADMItem->GetFloatValue(item); }
void ASAPI EcartEntreCasesCBP(ADMItemRef item, ADMNotifierRef) {
    EcartEntreCases = sADMItem->GetFloatValue(item);
    RedessineApercu(item);
}
void ASAPI HauteurCaseCBP(ADMItemRef item, ADMNotifierRef) { HauteurCase = sADMItem->GetFloatValue(item); }
void ASAPI PosXCaseCBP(ADMItemRef item, ADMNotifierRef) { CoinHGCase.h = sADMItem->GetFloatValue(item); }
void ASAPI PosYCaseCBP(ADMItemRef item, ADMNotifierRef) { CoinHGCase.v = sADMItem->GetFloatValue(item); }

void ASAPI MotCBP(ADMItemRef item, ADMNotifierRef) {
    switch (sADMItem->GetID(item)) {
    case 3: MotPlusCBP(item, kIdCorpsTexte); break;
    case 6: MotPlusCBP(item, kIdLongueur); break;
    case 8: MotPlusCBP(item, kIdEcart); break;
    case 10: MotPlusCBP(item, kIdHauteur); break;
    case 12: MotPlusCBP(item, kIdPosX); break;
    case 14: MotPlusCBP(item, kIdPosY); break;
    default: break;
    }
}

void MotPlusCBP(ADMItemRef item, ASInt32 idChamp) { sADMItem->Activate(ElementVoisin(item, idChamp), true); }

void ASAPI CorpsTexteCaseDraw(ADMItemRef, ADMDrawerRef drawer) { DessineIcone(drawer, 1000, {0, 0}); }
void ASAPI LongueurCaseDraw(ADMItemRef, ADMDrawerRef drawer) { DessineIcone(drawer, 1001, {0, 0}); }
void ASAPI EcartEntreCasesDraw(ADMItemRef, ADMDrawerRef drawer) { DessineIcone(drawer, 1003, {0, 0}); }
void ASAPI HauteurCaseDraw(ADMItemRef, ADMDrawerRef drawer) { DessineIcone(drawer, 1002, {0, 0}); }
void ASAPI PosXCaseDraw(ADMItemRef, ADMDrawerRef drawer) { DessineIcone(drawer, 1004, {2, 0}); }
void ASAPI PosYCaseDraw(ADMItemRef, ADMDrawerRef drawer) { DessineIcone(drawer, 1005, {0, 0}); }

void ASAPI AnnulerCouleursCBP(ADMItemRef item, ADMNotifierRef notifier) {
    ADMDialogRef dialogue = sADMItem->GetDialog(item);
    // The host's handling of its cancel button ends the dialog.
    sADMItem->DefaultNotify(item, notifier);
    sADMDialog->GetBoundsRect(dialogue, &PosDialReglages);
}
