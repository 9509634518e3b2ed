// Etiquette.h — writing a row's label into its text frame.
#pragma once

#include "AIArt.h"
#include "ASTypes.h"

// Replaces the text of the point-text frame `texte` by TexteCase, in the
// chart's font (NumeroPolice) and size (CorpsTexteCase), shifted down a
// third of its size, left-aligned, without tracking or indents, filled with
// CouleurTexte. Returns the code of the font lookup; 0, doing nothing, when
// `texte` is not a valid art; the text range's code when the frame has none.
// A failing text-engine call throws ATE::Exception.
ASErr AffichageTexteCase(AIArtHandle *texte);
