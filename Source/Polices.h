// Polices.h — the settings dialog's font list: every font the host knows,
// in the host's order, with the stored font selected.
#pragma once

#include "ADMItem.h"

// Fills the list of `item` and selects the font named `nom`: the font whose
// name equals it, else the last font whose name begins it, else the first
// font. Returns the selected font's position in the host's list.
ASInt32 RechercheNomsPolices(ADMItemRef item, const char *nom);

// Notification procedure of the font list: the chosen font becomes the
// label font, by position and by name.
void ASAPI NomsPolicesCBP(ADMItemRef item, ADMNotifierRef notifier);
