// Dialogue.cpp — the settings dialog.
//
// For now the dialog only takes its place and title and offers OK and
// Cancel, both closing it through the host's default handling; the settings
// items come with the settings themselves.
#include "Dialogue.h"

#include "SuiteGlobals.h"

ADMRect PosDialReglages = {0, 0, 0, 0};

namespace {

const char kSettingsTitle[] = "Vyn\xA5"
                              "Colors (Settings)";

constexpr ADMRect kCancelButtonBounds = {182, 13, 202, 105};
constexpr ADMRect kOKButtonBounds = {182, 355, 202, 447};

void AddTextButton(ADMDialogRef dialog, ASInt32 id, const ADMRect &bounds, const char *text) {
    ADMItemRef button = sADMItem->Create(dialog, id, kADMTextPushButtonType, &bounds, nullptr, nullptr, 0);
    sADMItem->SetText(button, text);
}

} // namespace

ADMErr ASAPI ValeursDefautDialogue(ADMDialogRef dialog) {
    PosDialReglages.bottom = static_cast<ASInt16>(PosDialReglages.top + kSettingsDialogHeight);
    PosDialReglages.right = static_cast<ASInt16>(PosDialReglages.left + kSettingsDialogWidth);
    sADMDialog->SetBoundsRect(dialog, &PosDialReglages);
    sADMDialog->SetText(dialog, kSettingsTitle);

    AddTextButton(dialog, kADMCancelItemID, kCancelButtonBounds, "Cancel");
    AddTextButton(dialog, kADMDefaultItemID, kOKButtonBounds, "OK");
    return kNoErr;
}
