// About.h — the About dialog's procedures.
#pragma once

#include "ADMDialog.h"

ADMErr ASAPI AboutParDefautProc(ADMDialogRef dialog);
void ASAPI AboutDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
void ASAPI OKAboutCBP(ADMItemRef item, ADMNotifierRef notifier);
