// Graphique.h — the state of one chart build, and the OK button that starts
// it.
#pragma once

#include "ADMItem.h"
#include "AIArt.h"
#include "AIPathStyle.h"
#include "ASTypes.h"

// One paint the build has met, in the order of meeting. Once its row is made
// its style is the box's, whose fill colour holds the paint, also when the
// paint was met on a stroke.
struct CaseLiee {
    CaseLiee *Suivante;  // the next entry, null in the last
    AIArtHandle AHCase;  // the row's box, null when no row was made
    AIArtHandle AHTexte; // the row's label, null when no row was made
    AIPathStyle Style;
};

constexpr int kTailleTexteCase = 100;

extern AIRealRect RectanglePlanDeTravail; // the active artboard's bounds, as the dialog opened
extern AIArtHandle AHGroupe;              // the group of the latest chart
extern CaseLiee *PtrPremierAHCaseLiee;    // the build's first entry; null between builds
extern char TexteCase[kTailleTexteCase];  // the label being made
extern AIColor CouleurTexte;              // the labels' text colour

// Notification procedure of the settings dialog's OK button: closes the
// dialog, builds the chart of the document's (or the selection's) paints,
// saves the settings and remembers where the dialog was.
void ASAPI OKCouleurs(ADMItemRef item, ADMNotifierRef notifier);
