// DescriptionCouleur.cpp — the box, the label frame and the label text of one
// paint.
//
// The label is 8-bit text in the platform encoding (Mac Roman), at most
// kTailleTexteCase − 1 bytes. A swatch's name is turned into that encoding
// character by character: a character Mac Roman has becomes its byte, any
// other (and any control character) becomes '?'. A name longer than the
// work buffer is cut and ends with an ellipsis, so every label fits.
#include "DescriptionCouleur.h"

#include <cstring>

#include "ASMacRoman.h"
#include "Cases.h"
#include "Etiquette.h"
#include "Graphique.h"
#include "IAIUnicodeString.h"
#include "Nombres.h"
#include "Reglages.h"
#include "SuiteGlobals.h"

namespace {

constexpr char kEllipse = '\xC9';
constexpr char kInconnu = '?';
constexpr int kLongueurNomMax = kTailleTravail - 1;

// Appends `morceau` to TexteCase as far as it fits.
void Ajoute(const char *morceau) {
    std::size_t longueur = std::strlen(TexteCase);
    while (*morceau != '\0' && longueur + 1 < sizeof TexteCase)
        TexteCase[longueur++] = *morceau++;
    TexteCase[longueur] = '\0';
}

void AjouteNombre(ASReal valeur) {
    char travail[kTailleTravail];
    NombreEnChaine(valeur, 0, travail);
    Ajoute(travail);
}

// The Mac Roman byte of a UTF-16 code unit, or '?' when it has none.
char OctetMacRoman(ASUInt16 caractere) {
    static const ASUInt16 kMoitieHaute[128] = {AS_MAC_ROMAN_HIGH_HALF};
    if (caractere >= 0x20 && caractere < 0x7F) return static_cast<char>(caractere);
    for (int i = 0; i < 128; ++i)
        if (kMoitieHaute[i] == caractere) return static_cast<char>(0x80 + i);
    return kInconnu;
}

bool EstDebutDePaire(ASUInt16 u) { return u >= 0xD800 && u <= 0xDBFF; }
bool EstFinDePaire(ASUInt16 u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Appends `nom` in Mac Roman, at most kLongueurNomMax characters of it.
void AjouteNom(const ai::UnicodeString &nom) {
    ASUInt32 unites = 0;
    sAIUnicodeString->Length(nom.GetRef(), &unites);

    char travail[kTailleTravail];
    int ecrits = 0;
    for (ASUInt32 i = 0; i < unites; ++i) {
        if (ecrits == kLongueurNomMax) {
            travail[kLongueurNomMax - 1] = kEllipse;
            break;
        }
        const ASUInt16 unite = nom[i];
        // A character beyond the 16-bit plane is one character, never two.
        if (EstDebutDePaire(unite) && i + 1 < unites && EstFinDePaire(nom[i + 1])) {
            travail[ecrits++] = kInconnu;
            ++i;
            continue;
        }
        travail[ecrits++] = OctetMacRoman(unite);
    }
    travail[ecrits] = '\0';
    Ajoute(travail);
}

void DecritMotif(const AIColor &couleur) {
    ai::UnicodeString nom;
    sAIPattern->GetPatternName(couleur.c.p.pattern, nom.RefAddress());
    Ajoute("Pattern ");
    AjouteNom(nom);
}

void DecritCouleurGlobale(AIColor &couleur) {
    ai::UnicodeString nom;
    sAICustomColor->GetCustomColorName(couleur.c.c.color, nom.RefAddress());
    AICustomColor definition = {};
    sAICustomColor->GetCustomColor(couleur.c.c.color, &definition);
    switch (definition.flag) {
    case kCustomSpotColor: Ajoute("Spot color "); break;
    case kCustomRegistrationColor: Ajoute("Registration "); break;
    default: Ajoute("Custom "); break;
    }
    AjouteNom(nom);
    if (CaseTeintes) {
        Ajoute(" ");
        AjouteNombre(static_cast<ASReal>((1.0 - couleur.c.c.tint) * 100.0));
        Ajoute(" %");
    } else {
        couleur.c.c.tint = 0;
    }
}

// The box shows the gradient's whole ramp, whatever the placement of the art
// it was found on: a linear gradient level (angle 0) from the box's left
// edge to its right edge, a radial one from the box's centre out to half its
// width, with no matrix and no highlight offset. (The found art's angle,
// length and matrix, on a box this small, show most gradients as one flat
// colour.) The origin is measured from the artboard's top-left corner, the
// frame in which the host takes a gradient's placement, so it lands on this
// row's box.
void DecritDegrade(AIColor &couleur, int rang) {
    ai::UnicodeString nom;
    sAIGradient->GetGradientName(couleur.c.b.gradient, nom.RefAddress());
    AIGradientType type = kLinearGradient;
    sAIGradient->GetGradientType(couleur.c.b.gradient, &type);
    AIGradientStyle &degrade = couleur.c.b;
    const double milieu = -CoinHGCase.v - 0.5 * HauteurCase - rang * (HauteurCase + EcartEntreCases);
    Ajoute("Gradient ");
    if (type == kLinearGradient) {
        Ajoute("Linear ");
        degrade.gradientLength = static_cast<ASReal>(LongueurCase);
        degrade.gradientOrigin.h = CoinHGCase.h;
    } else {
        Ajoute("Radial ");
        degrade.gradientLength = static_cast<ASReal>(0.5 * LongueurCase);
        degrade.gradientOrigin.h = static_cast<ASReal>(CoinHGCase.h + 0.5 * LongueurCase);
    }
    degrade.gradientOrigin.v = static_cast<ASReal>(milieu);
    degrade.gradientAngle = 0;
    degrade.matrix = AIRealMatrix{1, 0, 0, 1, 0, 0};
    degrade.hiliteAngle = 0;
    degrade.hiliteLength = 0;
    AjouteNom(nom);
}

// Composes TexteCase for `couleur`, changing the paint where the box shows
// it otherwise than it was found.
void TexteDeCouleur(AIColor &couleur, int rang, bool contour) {
    TexteCase[0] = '\0';
    switch (couleur.kind) {
    case kGrayColor:
        Ajoute("Gray=");
        AjouteNombre(couleur.c.g.gray * 100.0f);
        Ajoute(" %");
        break;
    case kFourColor:
        Ajoute("C=");
        AjouteNombre(couleur.c.f.cyan * 100.0f);
        Ajoute(" M=");
        AjouteNombre(couleur.c.f.magenta * 100.0f);
        Ajoute(" Y=");
        AjouteNombre(couleur.c.f.yellow * 100.0f);
        Ajoute(" K=");
        AjouteNombre(couleur.c.f.black * 100.0f);
        break;
    case kThreeColor:
        Ajoute("R=");
        AjouteNombre(couleur.c.rgb.red * 255.0f);
        Ajoute(" G=");
        AjouteNombre(couleur.c.rgb.green * 255.0f);
        Ajoute(" B=");
        AjouteNombre(couleur.c.rgb.blue * 255.0f);
        break;
    case kPattern: DecritMotif(couleur); break;
    case kCustomColor: DecritCouleurGlobale(couleur); break;
    case kGradient: DecritDegrade(couleur, rang); break;
    case kNoneColor: Ajoute(contour ? "rien" : "Empty "); break;
    default:
        // No host gives another kind; say so rather than guess.
        Ajoute("Unknown paint");
        break;
    }
}

// Moves the label frame's anchor one gap right of the box, at the height of
// the box's middle.
void PlaceEtiquette(AIArtHandle texte, int rang) {
    AIRealPoint ancre = {0, 0};
    sAITextFrame->GetPointTextAnchor(texte, &ancre);
    const ASReal gauche = RectanglePlanDeTravail.left + CoinHGCase.h;
    const ASReal haut = RectanglePlanDeTravail.top - CoinHGCase.v;
    const double h = static_cast<double>(gauche) + LongueurCase + EcartEntreCases - ancre.h;
    const double v =
        static_cast<double>(haut) - 0.5 * HauteurCase - rang * (HauteurCase + EcartEntreCases) - ancre.v;
    AIRealMatrix deplacement;
    sMath->AIRealMatrixSetTranslate(&deplacement, static_cast<ASReal>(h), static_cast<ASReal>(v));
    sAITransformArt->TransformArt(texte, &deplacement, 0.0f, kTransformObjects);
}

ASErr CreationCase(AIArtHandle *boite, AIArtHandle *texte, AIPathStyle *style, int rang, bool contour) {
    sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, AHGroupe, boite);
    sTag->SetTag(*boite, kNomEtiquette, kTypeEtiquette, kValeurEtiquette);
    TraceRectangle(static_cast<ASReal>(LongueurCase), static_cast<ASReal>(HauteurCase), boite, rang);

    const AIRealPoint origine = {0, 0};
    sAITextFrame->NewPointText(kPlaceInsideOnTop, AHGroupe, kHorizontalTextOrientation, origine, texte);
    sTag->SetTag(*texte, kNomEtiquette, kTypeEtiquette, kValeurEtiquette);
    PlaceEtiquette(*texte, rang);

    TexteDeCouleur(contour ? style->stroke.color : style->fill.color, rang, contour);

    if (contour) {
        style->fillPaint = true;
        style->fill.color = style->stroke.color;
    }
    style->strokePaint = true;
    style->stroke.color.kind = kGrayColor;
    style->stroke.color.c.g.gray = 1.0f;
    style->stroke.width = 1.0f;
    style->stroke.dash.length = 0;
    style->stroke.cap = kAIButtCap;
    style->stroke.join = kAIMiterJoin;
    sPathStyle->SetPathStyle(*boite, style);

    return AffichageTexteCase(texte);
}

} // namespace

ASErr CreationCouleurFondCase(AIArtHandle *boite, AIArtHandle *texte, AIPathStyle *style, int rang) {
    return CreationCase(boite, texte, style, rang, false);
}

ASErr CreationCouleurContourCase(AIArtHandle *boite, AIArtHandle *texte, AIPathStyle *style, int rang) {
    return CreationCase(boite, texte, style, rang, true);
}
