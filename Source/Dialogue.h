// Dialogue.h — the settings dialog: its size and its initialisation
// procedure, which records the artboard, loads the settings and builds the
// items.
#pragma once

#include "ADMDialog.h"
#include "ASTypes.h"
#include "Reglages.h"

constexpr ASInt16 kSettingsDialogWidth = 460;
constexpr ASInt16 kSettingsDialogHeight = 240;

// Places the settings dialog as at start-up: centred horizontally, with a
// third of the free height above it (Menu.cpp).
void PlaceSettingsDialog();
// Whether the dialog's bounds are still the fresh module's zeros.
bool SettingsDialogUnplaced();

// Initialisation procedure of the settings dialog. Returns 0 in every case.
ADMErr ASAPI ValeursDefautDialogue(ADMDialogRef dialog);
