// Graphique.h — the state of one chart build, and the OK button that starts
// it.
#pragma once

#include "ADMItem.h"
#include "AIPathStyle.h"
#include "ASTypes.h"

// One entry of the chart's list of paints already listed.
struct CaseLiee;

extern AIRealRect RectanglePlanDeTravail; // the active artboard's bounds, as the dialog opened
extern CaseLiee *PtrPremierAHCaseLiee;    // the list's first entry, or null
extern AIColor CouleurTexte;              // the labels' text colour

// Notification procedure of the settings dialog's OK button: closes the
// dialog, remembers where it was, and saves the settings.
void ASAPI OKCouleurs(ADMItemRef item, ADMNotifierRef notifier);
