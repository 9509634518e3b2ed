// DescriptionCouleur.h — one row of the chart: the box painted with a paint,
// and the label that describes it.
#pragma once

#include "AIArt.h"
#include "AIPathStyle.h"
#include "ASTypes.h"

// Makes the row `rang` for the fill paint of `style` (the style of the art
// where it was met): a tagged box in AHGroupe, a tagged label frame beside
// it, the label text in TexteCase. `style` becomes the box's style: the
// paint as its fill (a custom colour at tint 0 unless tints are listed, a
// gradient laid on the box) and a one-point gray outline. Returns the
// label's code (AffichageTexteCase).
ASErr CreationCouleurFondCase(AIArtHandle *boite, AIArtHandle *texte, AIPathStyle *style, int rang);
// The same for the stroke paint of `style`, which becomes the box's fill.
ASErr CreationCouleurContourCase(AIArtHandle *boite, AIArtHandle *texte, AIPathStyle *style, int rang);
