// Graphique.cpp — the chart build's state and its start.
//
// This version builds no chart yet: OK closes the dialog through the host's
// default handling, remembers the dialog's place and saves the settings.
#include "Graphique.h"

#include "Reglages.h"
#include "SuiteGlobals.h"

AIRealRect RectanglePlanDeTravail = {0, 0, 0, 0};
CaseLiee *PtrPremierAHCaseLiee = nullptr;
AIColor CouleurTexte = {};

void ASAPI OKCouleurs(ADMItemRef item, ADMNotifierRef notifier) {
    ADMDialogRef dialogue = sADMItem->GetDialog(item);
    sADMItem->DefaultNotify(item, notifier);
    sADMDialog->GetBoundsRect(dialogue, &PosDialReglages);
    EcriturePreferences();
}
