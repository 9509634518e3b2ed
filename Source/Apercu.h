// Apercu.h — the settings dialog's live preview: a sample chart with one row
// per kind of paint, showing the gap and erasing the kinds not sought.
#pragma once

#include "ADMItem.h"

// Drawing procedure of the preview item (130 × 155 pixels).
void ASAPI ZoneDessinDansDialogueDraw(ADMItemRef item, ADMDrawerRef drawer);
