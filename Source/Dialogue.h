// Dialogue.h — the settings dialog: its screen position and its
// initialisation procedure.
#pragma once

#include "ADMDialog.h"
#include "ASTypes.h"

// Bounds of the settings dialog on the screen (top, left, bottom, right).
// Top and left are computed when the menus are installed; the dialog is
// always 460 pixels wide and 240 high.
extern ADMRect PosDialReglages;

constexpr ASInt16 kSettingsDialogWidth = 460;
constexpr ASInt16 kSettingsDialogHeight = 240;

// Initialisation procedure of the settings dialog.
ADMErr ASAPI ValeursDefautDialogue(ADMDialogRef dialog);
