// DialogueCBP.h — the settings dialog's item procedures: they keep the
// settings in step with the items, the limits between the fields, the
// warning when no kind of paint is sought, the focus, the preview and the
// dialog's place.
#pragma once

#include "ADMDialog.h"
#include "ADMItem.h"

// Item ids of the settings dialog that procedures look up.
enum {
    kIdListePolices = 2, // shares the host's cancel id; never looked up by it
    kIdCorpsTexte = 4,
    kIdLongueur = 5,
    kIdEcart = 7,
    kIdHauteur = 9,
    kIdPosX = 11,
    kIdPosY = 13,
    kIdTeintes = 20,
    kIdApercu = 21,
};

// Check boxes.
void ASAPI CaseSelectionCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI CaseMotifsCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI CaseDegradesCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI CaseGlobalesCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI CaseTeintesCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI CaseAutresCBP(ADMItemRef item, ADMNotifierRef notifier);

// Fields.
void ASAPI CorpsTexteCaseCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI LongueurCaseCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI EcartEntreCasesCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI HauteurCaseCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI PosXCaseCBP(ADMItemRef item, ADMNotifierRef notifier);
void ASAPI PosYCaseCBP(ADMItemRef item, ADMNotifierRef notifier);

// The icons beside the fields: a click gives the field the focus.
void ASAPI MotCBP(ADMItemRef item, ADMNotifierRef notifier);
void MotPlusCBP(ADMItemRef item, ASInt32 idChamp);
void ASAPI CorpsTexteCaseDraw(ADMItemRef item, ADMDrawerRef drawer);
void ASAPI LongueurCaseDraw(ADMItemRef item, ADMDrawerRef drawer);
void ASAPI EcartEntreCasesDraw(ADMItemRef item, ADMDrawerRef drawer);
void ASAPI HauteurCaseDraw(ADMItemRef item, ADMDrawerRef drawer);
void ASAPI PosXCaseDraw(ADMItemRef item, ADMDrawerRef drawer);
void ASAPI PosYCaseDraw(ADMItemRef item, ADMDrawerRef drawer);

// Cancel: closes the dialog and remembers where it was; saves nothing.
void ASAPI AnnulerCouleursCBP(ADMItemRef item, ADMNotifierRef notifier);

// The tooltips of the check boxes, for their set and clear states.
struct InfoBulles {
    const char *cochee;
    const char *decochee;
};
extern const InfoBulles kBullesSelection, kBullesMotifs, kBullesDegrades, kBullesGlobales, kBullesTeintes,
    kBullesAutres;
