// Graphique.cpp — the chart build that the settings dialog's OK button runs.
//
// The build removes the previous chart, makes a new chart group, asks the
// host for the paths and text frames to examine (all unlocked ones, or the
// selected ones), and walks them twice: first their fills, then their
// strokes. Each paint not met before gets an entry in a list, and a row of
// the chart when its kind is sought. Row 0 is the first painted art's fill,
// or its stroke when it has no fill; then come the new fills in the order of
// the art, then the new strokes. The row counter grows only when a row is
// made, so the rows stay contiguous whatever kinds are left out.
//
// The list entries and the host's match list live for one build: they are
// given back when it ends, however it ends. A host failure that a wrapper
// reports by an exception stops the build where it is; the rows made so far
// stay, the settings are saved, and an alert says that the chart is
// incomplete. When an entry cannot be allocated the build stops at once with
// a beep, and nothing is saved.
#include "Graphique.h"

#include <cstdio>

#include "ADMBasic.h"
#include "Cases.h"
#include "Comparaison.h"
#include "DescriptionCouleur.h"
#include "ErrorCodeText.h"
#include "IAIUnicodeString.h"
#include "IndexPeintures.h"
#include "IThrowException.h"
#include "Platform.h"
#include "Reglages.h"
#include "SuiteGlobals.h"

AIRealRect RectanglePlanDeTravail = {0, 0, 0, 0};
AIArtHandle AHGroupe = nullptr;
CaseLiee *PtrPremierAHCaseLiee = nullptr;
char TexteCase[kTailleTexteCase] = "";
AIColor CouleurTexte = {};

namespace {

const char kSelectionVide[] = "You must first select paths.";
const char kDocumentSansTrace[] = "The document has no path or only locked paths.";
const char kSelectionSansPeinture[] = "The selection contains only paths that have neither fill nor stroke.";
const char kDocumentSansPeinture[] = "The document contains only paths that have neither fill nor stroke.";

// Whether the settings ask for a row for a paint of kind `genre`.
bool GenreCherche(ASInt32 genre) {
    switch (genre) {
    case kPattern: return CaseMotifs;
    case kGradient: return CaseDegrades;
    case kCustomColor: return CaseGlobales;
    default: return CaseAutres;
    }
}

// Reads the paints of `art` into `style`. A text frame's paints are the
// host's current style while the frame alone is marked fully selected; the
// mark is cleared again at once. Result codes are not examined.
void LitStyle(AIArtHandle art, AIPathStyle *style) {
    AIArtType type = kUnknownArt;
    sAIArt->GetArtType(art, &type);
    if (type == kTextFrameArt) {
        sAIArt->SetArtUserAttr(art, kArtFullySelected, kArtFullySelected);
        AIPathStyleMap carte;
        ASBoolean melange = false;
        sPathStyle->GetCurrentPathStyle(style, &carte, &melange);
        sAIArt->SetArtUserAttr(art, kArtFullySelected, 0);
    } else {
        sPathStyle->GetPathStyle(art, style);
    }
}

CaseLiee *NouvelleEntree(const AIPathStyle &style) {
    CaseLiee *entree = new CaseLiee;
    if (entree == nullptr) return nullptr;
    entree->Suivante = nullptr;
    entree->AHCase = nullptr;
    entree->AHTexte = nullptr;
    entree->Style = style;
    return entree;
}

void LibereListe() {
    while (PtrPremierAHCaseLiee != nullptr) {
        CaseLiee *suivante = PtrPremierAHCaseLiee->Suivante;
        delete PtrPremierAHCaseLiee;
        PtrPremierAHCaseLiee = suivante;
    }
}

// What one build holds: the art to examine, the list's last entry, the next
// row, and why it stopped early.
struct Construction {
    AIArtHandle **correspondances = nullptr;
    ASInt32 nombre = 0;
    CaseLiee *derniere = nullptr;
    int rang = 0;
    bool memoireEpuisee = false;
};

AIArtHandle Art(const Construction &c, ASInt32 i) { return (*c.correspondances)[i]; }

// Gives back the match list and the entries, however the build ended.
void LibereConstruction(Construction &c) {
    if (c.correspondances != nullptr) sAIMDMemory->MdMemoryDisposeHandle(c.correspondances);
    c.correspondances = nullptr;
    IndexLibere();
    LibereListe();
}

// Links a new entry holding `style` after the last one; null, with the
// build marked as out of memory, when none can be had.
CaseLiee *AjouteEntree(Construction &c, const AIPathStyle &style) {
    CaseLiee *entree = NouvelleEntree(style);
    if (entree == nullptr) {
        c.memoireEpuisee = true;
        return nullptr;
    }
    c.derniere->Suivante = entree;
    c.derniere = entree;
    return entree;
}

// Whether `style`'s fill (or stroke) is already listed, by the index or, as
// a reference for tests, by comparing it with every entry. A build out of
// memory is marked so and the answer is then "listed".
bool DejaListe(Construction &c, const AIPathStyle &style, bool contour) {
    if (ParcoursLitteral) {
        for (const CaseLiee *e = PtrPremierAHCaseLiee; e != nullptr; e = e->Suivante)
            if (contour ? StylesContoursEgaux(style, e->Style) : StylesFondsEgaux(style, e->Style))
                return true;
        return false;
    }
    bool memoire = true;
    const bool liste = contour ? IndexContourListe(style, memoire) : IndexFondListe(style, memoire);
    if (!memoire) c.memoireEpuisee = true;
    return liste || !memoire;
}

// Files `entree` in the index once its row, if any, is made.
void Enregistre(Construction &c, const CaseLiee *entree) {
    if (!ParcoursLitteral && !IndexAjoute(entree->Style)) c.memoireEpuisee = true;
}

// The paths and text frames to examine: the selected ones in selection
// mode, else every unlocked one. False after the alert when there is none.
bool TrouveArt(Construction &c) {
    const AIArtUserAttr masque = CaseSelection ? kArtSelected : kArtLocked;
    const AIArtUserAttr valeur = CaseSelection ? kArtSelected : 0;
    const AIMatchingArtSpec criteres[2] = {{kPathArt, masque, valeur}, {kTextFrameArt, masque, valeur}};
    sAIMatchingArt->GetMatchingArt(criteres, 2, &c.correspondances, &c.nombre);
    if (c.nombre > 0 && c.correspondances != nullptr) return true;
    c.nombre = 0;
    sADMBasic->MessageAlert(CaseSelection ? kSelectionVide : kDocumentSansTrace);
    return false;
}

// Reads the art one by one into the head entry until one has a painted fill
// or stroke. False after the alert when none has.
bool PremiereArtPeinte(const Construction &c, ASInt32 &premiere) {
    AIPathStyle &style = PtrPremierAHCaseLiee->Style;
    for (premiere = 0; premiere < c.nombre; ++premiere) {
        LitStyle(Art(c, premiere), &style);
        if (style.fillPaint || style.strokePaint) return true;
    }
    sADMBasic->MessageAlert(CaseSelection ? kSelectionSansPeinture : kDocumentSansPeinture);
    return false;
}

// Row 0: the first painted art's fill, or its stroke when it has no fill.
// The head entry stays in the list either way.
void RangDeTete(Construction &c) {
    CaseLiee *tete = PtrPremierAHCaseLiee;
    if (tete->Style.fillPaint) {
        if (GenreCherche(tete->Style.fill.color.kind))
            CreationCouleurFondCase(&tete->AHCase, &tete->AHTexte, &tete->Style, c.rang++);
        Enregistre(c, tete);
        return;
    }
    if (StylesContourEtFondEgaux(tete->Style)) return;
    CaseLiee *entree = AjouteEntree(c, tete->Style);
    if (entree == nullptr) return;
    if (GenreCherche(entree->Style.stroke.color.kind))
        CreationCouleurContourCase(&entree->AHCase, &entree->AHTexte, &entree->Style, c.rang++);
    Enregistre(c, entree);
}

// One pass over the art from `debut`: each paint not listed yet gets its
// entry, and its row when its kind is sought. The fill pass (contour false)
// lists the fills, the stroke pass the strokes.
void Passe(Construction &c, ASInt32 debut, bool contour) {
    AIPathStyle style;
    for (ASInt32 j = debut; j < c.nombre; ++j) {
        LitStyle(Art(c, j), &style);
        if (DejaListe(c, style, contour)) {
            if (c.memoireEpuisee) return;
            continue;
        }
        CaseLiee *entree = AjouteEntree(c, style);
        if (entree == nullptr) return;
        const AIColor &couleur = contour ? entree->Style.stroke.color : entree->Style.fill.color;
        if (GenreCherche(couleur.kind)) {
            if (contour)
                CreationCouleurContourCase(&entree->AHCase, &entree->AHTexte, &entree->Style, c.rang++);
            else
                CreationCouleurFondCase(&entree->AHCase, &entree->AHTexte, &entree->Style, c.rang++);
        }
        Enregistre(c, entree);
        if (c.memoireEpuisee) return;
    }
}

void Construit(Construction &c) {
    SupprimeAnciennesCases();

    LibereListe();
    const AIPathStyle vide = {};
    PtrPremierAHCaseLiee = c.derniere = NouvelleEntree(vide);
    if (PtrPremierAHCaseLiee == nullptr || (!ParcoursLitteral && !IndexPrepare())) {
        c.memoireEpuisee = true;
        return;
    }

    if (!CreationGroupe() || !TrouveArt(c)) return;
    ASInt32 premiere = 0;
    if (!PremiereArtPeinte(c, premiere)) return;

    RangDeTete(c);
    if (!c.memoireEpuisee) Passe(c, premiere + 1, false);
    if (!c.memoireEpuisee) Passe(c, premiere, true);
}

void AlerteGraphiqueIncomplet(long code) {
    char texteCode[16];
    ErrorCodeText(code, texteCode, sizeof texteCode);
    char message[96];
    std::snprintf(message, sizeof message, "The chart is incomplete: the host reported the error %s.",
                  texteCode);
    sADMBasic->ErrorAlert(message);
}

} // namespace

void ASAPI OKCouleurs(ADMItemRef item, ADMNotifierRef notifier) {
    ADMDialogRef dialogue = sADMItem->GetDialog(item);
    // The host's handling of the OK button ends the modal dialog; the build
    // runs before control goes back to it.
    sADMItem->DefaultNotify(item, notifier);

    Construction construction;
    long erreur = kNoErr;
    try {
        Construit(construction);
    } catch (const ai::Error &e) {
        erreur = e;
    } catch (const ATE::Exception &e) {
        erreur = e.error;
    } catch (...) {
        erreur = kCantHappenErr;
    }
    LibereConstruction(construction);

    if (construction.memoireEpuisee) {
        SysBeep(1);
        return;
    }
    if (erreur != kNoErr) AlerteGraphiqueIncomplet(erreur);
    EcriturePreferences();
    sADMDialog->GetBoundsRect(dialogue, &PosDialReglages);
}
