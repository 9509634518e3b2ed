// Cases.cpp — the chart layer, its group, and the boxes' rectangles.
#include "Cases.h"

#include "ADMBasic.h"
#include "Graphique.h"
#include "IAIUnicodeString.h"
#include "Reglages.h"
#include "SuiteGlobals.h"

const char kNomEtiquette[] = "VYNCOL";
const char kTypeEtiquette[] = "string";
const char kValeurEtiquette[] = "jj";

namespace {

const char kTitreCalque[] = "Vyn\xA5"
                            "Colors";
const char kCalqueVerrouille[] = "Impossible, the layer is locked!";

bool Modifiable(AILayerHandle calque) {
    ASBoolean modifiable = false;
    sLayer->GetLayerEditable(calque, &modifiable);
    return modifiable;
}

// The first layer, in the host's order, titled `nom`; null when none is.
AILayerHandle CalqueNomme(const ai::UnicodeString &nom) {
    ASInt32 nombre = 0;
    sLayer->CountLayers(&nombre);
    for (ASInt32 i = 0; i < nombre; ++i) {
        AILayerHandle calque = nullptr;
        sLayer->GetNthLayer(i, &calque);
        ai::UnicodeString titre;
        sLayer->GetLayerTitle(calque, titre.RefAddress());
        ASInt32 difference = 1;
        sAIUnicodeString->Compare(titre.GetRef(), nom.GetRef(), &difference);
        if (difference == 0) return calque;
    }
    return nullptr;
}

// Disposes of the previous chart's group when nothing is left in it.
void SupprimeGroupeVide() {
    if (AHGroupe == nullptr || !sAIArt->ValidArt(AHGroupe, true)) return;
    AIArtHandle enfant = nullptr;
    if (sAIArt->GetArtFirstChild(AHGroupe, &enfant) == kNoErr && enfant == nullptr &&
        sAIArt->ValidArt(AHGroupe, true))
        sAIArt->DisposeArt(AHGroupe);
}

} // namespace

ASErr SupprimeAnciennesCases() {
    const AIMatchingArtSpec criteres[2] = {{kTextFrameArt, kArtLocked, 0}, {kPathArt, kArtLocked, 0}};
    AIArtHandle **correspondances = nullptr;
    ASInt32 nombre = 0;
    ASErr resultat = sAIMatchingArt->GetMatchingArt(criteres, 2, &correspondances, &nombre);
    for (ASInt32 i = 0; i < nombre; ++i) {
        AIArtHandle art = (*correspondances)[i];
        resultat = sTag->GetTag(art, kNomEtiquette, nullptr);
        if (resultat == kNoErr && sAIArt->ValidArt(art, true)) resultat = sAIArt->DisposeArt(art);
    }
    if (correspondances != nullptr) resultat = sAIMDMemory->MdMemoryDisposeHandle(correspondances);
    return resultat;
}

bool CreationGroupe() {
    const ai::UnicodeString nom(kTitreCalque);
    AILayerHandle calque = CalqueNomme(nom);
    if (calque != nullptr) {
        if (!Modifiable(calque)) {
            sADMBasic->MessageAlert(kCalqueVerrouille);
            return false;
        }
    } else {
        AILayerHandle courant = nullptr;
        sLayer->GetCurrentLayer(&courant);
        sLayer->InsertLayer(courant, kPlaceAboveAll, &calque);
        sLayer->SetLayerTitle(calque, nom.GetRef());
    }

    AILayerHandle courant = nullptr;
    sLayer->GetCurrentLayer(&courant);
    if (!Modifiable(courant)) {
        sADMBasic->MessageAlert(kCalqueVerrouille);
        return false;
    }

    AIArtHandle premiere = nullptr;
    sAIArt->GetFirstArtOfLayer(calque, &premiere);
    SupprimeGroupeVide();
    AIArtHandle groupe = nullptr;
    if (sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, premiere, &groupe) != kNoErr) return false;
    AHGroupe = groupe;
    return true;
}

ASErr TraceRectangle(ASReal largeur, ASReal hauteur, AIArtHandle *caseArt, int rang) {
    if (!sAIArt->ValidArt(*caseArt, true)) return kNoErr;
    sAIArt->SetArtCenterPointVisible(*caseArt, true);

    const AIPathSegment segments[4] = {
        {{0, 0}, {0, 0}, {0, 0}, true},
        {{largeur, 0}, {largeur, 0}, {largeur, 0}, true},
        {{largeur, -hauteur}, {largeur, -hauteur}, {largeur, -hauteur}, true},
        {{0, -hauteur}, {0, -hauteur}, {0, -hauteur}, true},
    };

    // The corner's sums are single precision; the row's offset is double.
    const ASReal gauche = RectanglePlanDeTravail.left + CoinHGCase.h;
    const ASReal haut = RectanglePlanDeTravail.top - CoinHGCase.v;
    const double v = static_cast<double>(haut) - rang * (static_cast<double>(hauteur) + EcartEntreCases);
    AIRealMatrix deplacement;
    sMath->AIRealMatrixSetTranslate(&deplacement, gauche, static_cast<ASReal>(v));

    sAIPath->SetPathClosed(*caseArt, true);
    sAIPath->SetPathSegmentCount(*caseArt, 4);
    sAIPath->SetPathSegments(*caseArt, 0, 4, segments);
    return sAITransformArt->TransformArt(*caseArt, &deplacement, 0.0f, kTransformObjects);
}
