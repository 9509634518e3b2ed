#include "Polices.h"

#include <cstring>

#include "Reglages.h"
#include "SuiteGlobals.h"

namespace {

constexpr ASInt32 kTailleNomPolice = 1024;

// The name of font `position` into `nom` (zeroed first); false when the host
// cannot give it.
bool NomDePolice(ASInt32 position, char (&nom)[kTailleNomPolice]) {
    std::memset(nom, 0, sizeof nom);
    AIFontKey police = nullptr;
    if (sAIFont->IndexFontList(position, &police) != kNoErr) return false;
    return sAIFont->GetFontName(police, nom, kTailleNomPolice) == kNoErr;
}

// Whether `nom` is the beginning of `cherche` (an equal name is one).
bool Commence(const char *nom, const char *cherche) {
    return std::strncmp(nom, cherche, std::strlen(nom)) == 0;
}

} // namespace

ASInt32 RechercheNomsPolices(ADMItemRef item, const char *cherche) {
    ADMListRef liste = sADMItem->GetList(item);
    // A font whose name is the stored name wins; only without one does a
    // font whose name begins it stand in, the last such in the host's order.
    ASInt32 egale = -1, debut = 0;
    ASInt32 nombre = 0;
    if (sAIFont->CountFonts(&nombre) == kNoErr) {
        bool lu = true;
        for (ASInt32 i = 0; i < nombre && lu; ++i) {
            char nom[kTailleNomPolice];
            // A font the host cannot name still gets its entry, and ends the
            // list.
            lu = NomDePolice(i, nom);
            if (lu && egale < 0 && std::strcmp(nom, cherche) == 0) egale = i;
            if (lu && Commence(nom, cherche)) debut = i;
            ADMEntryRef entree = sADMEntry->Create(liste);
            sADMEntry->SetText(entree, nom);
            sADMEntry->SetID(entree, i);
        }
    }
    const ASInt32 position = egale >= 0 ? egale : debut;
    if (ADMEntryRef choisie = sADMList->IndexEntry(liste, position)) sADMEntry->Select(choisie, true);
    return position;
}

void ASAPI NomsPolicesCBP(ADMItemRef item, ADMNotifierRef notifier) {
    if (!sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier)) return;
    ADMEntryRef active = sADMList->GetActiveEntry(sADMItem->GetList(item));
    // A typed name that selects no entry changes nothing.
    if (!active) return;
    NumeroPolice = sADMEntry->GetID(active);
    char nom[kTailleNomPolice];
    NomDePolice(NumeroPolice, nom);
    std::strncpy(NomsPolices, nom, kTailleNomsPolices - 1);
    NomsPolices[kTailleNomsPolices - 1] = '\0';
}
