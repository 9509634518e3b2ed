// Cases.h — the chart's place in the document: removing the previous chart,
// the chart layer and its group, and the shape and place of each box.
#pragma once

#include "AIArt.h"
#include "ASTypes.h"

// The tag every box and label of a chart carries; a build finds the previous
// chart by its name alone.
extern const char kNomEtiquette[];    // "VYNCOL"
extern const char kTypeEtiquette[];   // "string"
extern const char kValeurEtiquette[]; // "jj"

// Deletes every unlocked path and text frame of the document that bears the
// chart tag. Returns the last code the host gave.
ASErr SupprimeAnciennesCases();

// Finds the layer titled "Vyn•Colors", or makes it above all layers, and
// makes a new group on top inside it into AHGroupe; the previous group goes
// when the removal of the old chart left it empty. False, after the alert
// "Impossible, the layer is locked!" or on the host's refusal to make the
// group, when no row may be made.
bool CreationGroupe();

// Shapes `caseArt` as the closed rectangle of `largeur` × `hauteur` points of
// row `rang`: its top-left corner at CoinHGCase from the artboard's top-left
// corner, each row HauteurCase + EcartEntreCases below the one before.
// Returns the code of the final move; 0, doing nothing, when `caseArt` is not
// a valid art.
ASErr TraceRectangle(ASReal largeur, ASReal hauteur, AIArtHandle *caseArt, int rang);
