#include "Apercu.h"

#include "AIDocument.h"
#include "Reglages.h"
#include "SuiteGlobals.h"

namespace {

constexpr ASInt16 kLargeurCase = 24;
constexpr ASInt16 kHauteurCase = 15;
constexpr ASInt16 kDecalageTexte = 12; // from a row's top to its label's baseline
constexpr ASInt16 kLargeurZone = 130;
constexpr double kEcartMaximal = 8.0; // the seven rows then always fit

// The gap in pixels: at most 8, truncated toward zero.
ASInt16 EcartAffiche() {
    const double ecart = EcartEntreCases < kEcartMaximal ? EcartEntreCases : kEcartMaximal;
    return static_cast<ASInt16>(ecart);
}

ADMRect CaseDeLigne(int ligne, ASInt16 ecart) {
    const auto haut = static_cast<ASInt16>(ligne * (ecart + kHauteurCase));
    return {haut, 0, static_cast<ASInt16>(haut + kHauteurCase), kLargeurCase};
}

// Fills and frames a row's box and writes its label in the current font.
void LigneUnie(ADMDrawerRef drawer, int ligne, ASInt16 ecart, ADMRGBColor couleur, const char *texte) {
    const ADMRect box = CaseDeLigne(ligne, ecart);
    sADMDrawer->SetRGBColor(drawer, &couleur);
    sADMDrawer->FillRect(drawer, &box);
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    sADMDrawer->FrameRect(drawer, &box);
    const ADMPoint origine = {static_cast<ASInt16>(box.top + kDecalageTexte),
                              static_cast<ASInt16>(kLargeurCase + ecart)};
    sADMDrawer->DrawText(drawer, texte, &origine);
}

// Row 1: a ramp of 23 vertical lines. The channels are 16-bit and wrap, as
// the drawing has always computed them: pale yellow to orange from column 1,
// column 0 nearly black under the frame.
void LigneDegrade(ADMDrawerRef drawer, ASInt16 ecart) {
    const ADMRect box = CaseDeLigne(1, ecart);
    for (ASUInt16 i = 0; i <= 22; ++i) {
        const ADMRGBColor couleur = {static_cast<ASUInt16>(0xFF - 4 * 0xFF * i),
                                     static_cast<ASUInt16>(0xFF - 8 * 0xFF * i),
                                     static_cast<ASUInt16>(11 * i)};
        sADMDrawer->SetRGBColor(drawer, &couleur);
        const ADMPoint haut = {static_cast<ASInt16>(box.top + 1), static_cast<ASInt16>(i)};
        const ADMPoint bas = {static_cast<ASInt16>(box.top + 14), static_cast<ASInt16>(i)};
        sADMDrawer->DrawLine(drawer, &haut, &bas);
    }
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    sADMDrawer->FrameRect(drawer, &box);
    const ADMPoint origine = {static_cast<ASInt16>(box.top + kDecalageTexte),
                              static_cast<ASInt16>(kLargeurCase + ecart)};
    sADMDrawer->DrawText(drawer, "Gradient", &origine);
}

void Efface(ADMDrawerRef drawer, int haut, int bas) {
    const ADMRect zone = {static_cast<ASInt16>(haut), 0, static_cast<ASInt16>(bas), kLargeurZone};
    sADMDrawer->ClearRect(drawer, &zone);
}

// The 8-bit colours of the rows, times 255 as the drawer takes them.
constexpr ASUInt16 Canal(int huitBits) { return static_cast<ASUInt16>(huitBits * 255); }

} // namespace

void ASAPI ZoneDessinDansDialogueDraw(ADMItemRef, ADMDrawerRef drawer) {
    const ASInt16 g = EcartAffiche();
    sADMDrawer->Clear(drawer);
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);

    // Row 0, a pattern: a white "P" in the box, then the label font for all
    // the rows.
    const ADMRect motif = CaseDeLigne(0, g);
    const ADMRGBColor violet = {Canal(200), Canal(86), Canal(200)};
    sADMDrawer->SetRGBColor(drawer, &violet);
    sADMDrawer->FillRect(drawer, &motif);
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    sADMDrawer->FrameRect(drawer, &motif);
    sADMDrawer->SetFont(drawer, kADMBoldDialogFont);
    sADMDrawer->SetADMColor(drawer, kADMWhiteColor);
    sADMDrawer->DrawTextCentered(drawer, "P", &motif);
    sADMDrawer->SetFont(drawer, kADMSmallDialogFont);
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    const ADMPoint origine = {kDecalageTexte, static_cast<ASInt16>(kLargeurCase + g)};
    sADMDrawer->DrawText(drawer, "Pattern", &origine);

    LigneDegrade(drawer, g);
    LigneUnie(drawer, 2, g, {Canal(88), Canal(86), Canal(255)}, "Custom 100%");
    LigneUnie(drawer, 3, g, {Canal(118), Canal(116), Canal(255)}, "Tint 82%");
    LigneUnie(drawer, 4, g, {Canal(175), Canal(174), Canal(255)}, "Tint 48%");
    LigneUnie(drawer, 5, g, {Canal(202), Canal(201), Canal(255)}, "Tint 32%");
    AIDocumentColorModel modele = kDocCMYKColor;
    sDoc->GetDocumentColorModel(&modele);
    LigneUnie(drawer, 6, g, {Canal(234), Canal(112), Canal(23)},
              modele == kDocRGBColor ? "R:234 G:112 B:23" : "C:2 M:66 Y:96 K:0");

    const int pas = g + kHauteurCase;
    if (!CaseMotifs) Efface(drawer, 0, kHauteurCase);
    if (!CaseDegrades) Efface(drawer, pas, pas + kHauteurCase);
    if (!CaseGlobales) Efface(drawer, 2 * pas, 2 * pas + 3 * g + 60);
    if (!CaseTeintes) Efface(drawer, 3 * pas, 3 * pas + 2 * g + 45);
    if (!CaseAutres) Efface(drawer, 6 * pas, 6 * pas + kHauteurCase);
}
