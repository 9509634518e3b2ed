// About.cpp — the About dialog: a picture, the version line and one wide
// button with the credit line that closes the dialog.
//
// Everything is built and drawn in code; the dialog template only names it.
// The button is item 1, so the host's default handling of a press ends the
// dialog.
#include "About.h"

#include "SuiteGlobals.h"

namespace {

constexpr ASInt16 kAboutWidth = 532;
constexpr ASInt16 kAboutHeight = 370;

const char kAboutTitle[] = "About Vyn\xA5"
                           "Colors";
const char kVersionLine[] = "Version 2.0 May 2012";
// One line that fits the 482-pixel button.
const char kCreditLine[] = "Vyn\xA5"
                           "Colors by Vyn\xA5Tools \xD1 click to close";

constexpr ASInt32 kPictureIconID = 1100;
constexpr ADMPoint kPictureTopLeft = {30, 0};
constexpr ADMRect kVersionBounds = {6, 0, 26, kAboutWidth};
constexpr ADMRect kButtonBounds = {316, 25, 336, 507};

} // namespace

ADMErr ASAPI AboutParDefautProc(ADMDialogRef dialog) {
    sADMDialog->SetDrawProc(dialog, AboutDraw);

    ADMRect screen = {0, 0, 0, 0};
    sADMBasic->GetScreenDimensions(&screen);
    ADMRect bounds;
    bounds.top = static_cast<ASInt16>((screen.bottom - screen.top - kAboutHeight) / 3);
    bounds.left = static_cast<ASInt16>((screen.right - screen.left - kAboutWidth) >> 1);
    bounds.bottom = static_cast<ASInt16>(bounds.top + kAboutHeight);
    bounds.right = static_cast<ASInt16>(bounds.left + kAboutWidth);
    sADMDialog->SetBoundsRect(dialog, &bounds);

    sADMDialog->SetText(dialog, kAboutTitle);

    ADMItemRef button = sADMItem->Create(dialog, kADMDefaultItemID, kADMTextPushButtonType, &kButtonBounds,
                                         nullptr, nullptr, 0);
    sADMItem->SetFont(button, kADMBoldDialogFont);
    sADMItem->SetJustify(button, kADMCenterJustify);
    sADMItem->SetText(button, kCreditLine);
    sADMItem->SetNotifyProc(button, OKAboutCBP);
    return kNoErr;
}

void ASAPI AboutDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    SPPluginRef plugin = sADMDialog->GetPluginRef(dialog);
    sADMDialog->DefaultDraw(dialog, drawer);

    // Loaded for each redraw and given back at once: nothing outlives the
    // drawing.
    ADMIconRef picture = sADMIcon2->GetFromResource(plugin, nullptr, kPictureIconID, 0);
    sADMDrawer->DrawIcon(drawer, picture, &kPictureTopLeft);
    sADMIcon2->Destroy(picture);

    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    sADMDrawer->DrawTextCentered(drawer, kVersionLine, &kVersionBounds);
}

void ASAPI OKAboutCBP(ADMItemRef item, ADMNotifierRef notifier) { sADMItem->DefaultNotify(item, notifier); }
