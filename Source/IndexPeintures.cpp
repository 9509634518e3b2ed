// IndexPeintures.cpp — hash sets of canonical paint keys for the build.
//
// Two sets: one of fill keys (the colour with the flags StylesFondsEgaux
// compares too) and one of colour keys alone (for strokes, which are
// compared with a listed entry's fill colour only). Custom colour names are
// interned: each colour handle is asked for its name once, and each distinct
// name gets a small number that goes into the keys.
//
// The sets and the names' look-ups are TableHachage tables; they and the
// names' pool take their memory from the host through the plug-in's
// allocation functions, which yield null when the host has no memory.
#include "IndexPeintures.h"

#include <cstdint>
#include <cstring>

#include "IAIUnicodeString.h"
#include "Reglages.h"
#include "SuiteGlobals.h"
#include "TableHachage.h"

bool ParcoursLitteral = false;

namespace {

// ---- hashing ------------------------------------------------------------

ASUInt32 Melange(ASUInt32 h, ASUInt32 mot) {
    std::uint64_t x = (static_cast<std::uint64_t>(h) << 32 | mot) + 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return static_cast<ASUInt32>(x ^ (x >> 31));
}

ASUInt32 MelangePointeur(ASUInt32 h, const void *pointeur) {
    const std::uint64_t bits = reinterpret_cast<std::uintptr_t>(pointeur);
    return Melange(Melange(h, static_cast<ASUInt32>(bits)), static_cast<ASUInt32>(bits >> 32));
}

// ---- keys ---------------------------------------------------------------

// A paint's canonical key. What a paint does not have stays 0 (or null).
struct Cle {
    ASUInt32 genre = 0;             // the colour's kind
    ASUInt32 valeurs[4] = {};       // the bits of its components, in order
    const void *nuancier = nullptr; // a pattern's or gradient's swatch
    ASUInt32 nom = 0;               // a custom colour's name number
    ASUInt32 surimpression = 0;     // a fill's overprint, the one flag compared (Comparaison.h)

    bool operator==(const Cle &) const = default;
};

ASUInt32 HacheCle(const Cle &cle) {
    ASUInt32 h = Melange(0, cle.genre);
    for (ASUInt32 valeur : cle.valeurs)
        h = Melange(h, valeur);
    h = MelangePointeur(h, cle.nuancier);
    h = Melange(h, cle.nom);
    return Melange(h, cle.surimpression);
}

// The bits of `x` as equality sees it: -0 as 0; false for a NaN.
bool MotReel(ASReal x, ASUInt32 &mot) {
    if (x != x) return false;
    if (x == 0) x = 0.0f;
    std::memcpy(&mot, &x, sizeof mot);
    return true;
}

// The components, in order, into the key's values; false at the first NaN.
template <class... Reels> bool Valeurs(Cle &cle, Reels... composantes) {
    static_assert(sizeof...(composantes) <= sizeof cle.valeurs / sizeof cle.valeurs[0]);
    ASUInt32 *valeur = cle.valeurs;
    return (MotReel(composantes, *valeur++) && ...);
}

// ---- sets of keys ---------------------------------------------------------

using EnsembleCles = TableHachage<Cle>;

bool Contient(const EnsembleCles &e, const Cle &cle) {
    return e.Cherche(HacheCle(cle), [&](const Cle &listee) { return listee == cle; }) != nullptr;
}

// Adds `cle` unless it is there. False when no memory.
bool Insere(EnsembleCles &e, const Cle &cle) {
    const ASUInt32 hache = HacheCle(cle);
    return e.Cherche(hache, [&](const Cle &listee) { return listee == cle; }) != nullptr || e.Ajoute(hache, cle);
}

// ---- custom colour names ----------------------------------------------------

struct NomDePoignee {
    AICustomColorHandle poignee;
    ASUInt32 numero;
};

// Each distinct name once, in a pool of UTF-16 code units; the names'
// numbers by their text, and the colours' handles with the number of their
// name.
struct Noms {
    ASUInt16 *reserve = nullptr; // the names' code units, end to end
    ASUInt32 tailleReserve = 0;
    ASUInt32 capaciteReserve = 0;
    ASUInt32 *debuts = nullptr;    // per name number: where it starts,
    ASUInt32 *longueurs = nullptr; // and its length
    ASUInt32 nombre = 0;
    ASUInt32 capaciteNoms = 0;
    TableHachage<ASUInt32> parTexte;
    TableHachage<NomDePoignee> parPoignee;
};

constexpr ASUInt32 kCapaciteNomsInitiale = 64;

EnsembleCles gFonds;
EnsembleCles gCouleurs;
Noms gNoms;

void Libere(Noms &n) {
    delete[] n.reserve;
    delete[] n.debuts;
    delete[] n.longueurs;
    n.reserve = nullptr;
    n.debuts = n.longueurs = nullptr;
    n.tailleReserve = n.capaciteReserve = n.nombre = n.capaciteNoms = 0;
    n.parTexte.Libere();
    n.parPoignee.Libere();
}

template <class T> bool Redimensionne(T *&tableau, ASUInt32 ancienne, ASUInt32 nouvelle) {
    T *nouveau = new T[nouvelle];
    if (nouveau == nullptr) return false;
    if (ancienne > 0) std::memcpy(nouveau, tableau, ancienne * sizeof(T));
    delete[] tableau;
    tableau = nouveau;
    return true;
}

ASUInt32 HacheTexte(const ASUInt16 *texte, ASUInt32 longueur) {
    ASUInt32 h = longueur;
    for (ASUInt32 i = 0; i < longueur; ++i)
        h = Melange(h, texte[i]);
    return h;
}

bool TexteEgal(const Noms &n, ASUInt32 numero, const ASUInt16 *texte, ASUInt32 longueur) {
    return n.longueurs[numero] == longueur &&
           std::memcmp(n.reserve + n.debuts[numero], texte, longueur * sizeof(ASUInt16)) == 0;
}

// The number of the name `texte`, added when new. False when no memory.
bool NumeroDeTexte(Noms &n, const ASUInt16 *texte, ASUInt32 longueur, ASUInt32 &numero) {
    const ASUInt32 hache = HacheTexte(texte, longueur);
    if (const ASUInt32 *connu =
            n.parTexte.Cherche(hache, [&](ASUInt32 nom) { return TexteEgal(n, nom, texte, longueur); })) {
        numero = *connu;
        return true;
    }
    if (n.nombre == n.capaciteNoms) {
        const ASUInt32 capacite = n.capaciteNoms == 0 ? kCapaciteNomsInitiale : 2 * n.capaciteNoms;
        if (!Redimensionne(n.debuts, n.nombre, capacite) || !Redimensionne(n.longueurs, n.nombre, capacite))
            return false;
        n.capaciteNoms = capacite;
    }
    if (n.tailleReserve + longueur > n.capaciteReserve) {
        ASUInt32 capacite = n.capaciteReserve == 0 ? 1024 : n.capaciteReserve;
        while (n.tailleReserve + longueur > capacite)
            capacite *= 2;
        if (!Redimensionne(n.reserve, n.tailleReserve, capacite)) return false;
        n.capaciteReserve = capacite;
    }
    if (!n.parTexte.Ajoute(hache, n.nombre)) return false;
    if (longueur > 0) std::memcpy(n.reserve + n.tailleReserve, texte, longueur * sizeof(ASUInt16));
    numero = n.nombre++;
    n.debuts[numero] = n.tailleReserve;
    n.longueurs[numero] = longueur;
    n.tailleReserve += longueur;
    return true;
}

// The number of the name of custom colour `poignee`, asking the host for
// the name the first time the colour is met in this build. A name the host
// cannot give is the empty name, as in the comparisons.
bool NumeroDeCouleur(AICustomColorHandle poignee, ASUInt32 &numero) {
    Noms &n = gNoms;
    const ASUInt32 hache = MelangePointeur(0, poignee);
    if (const NomDePoignee *connue =
            n.parPoignee.Cherche(hache, [&](const NomDePoignee &e) { return e.poignee == poignee; })) {
        numero = connue->numero;
        return true;
    }
    ai::UnicodeString nom;
    sAICustomColor->GetCustomColorName(poignee, nom.RefAddress());
    ASUInt32 longueur = 0;
    if (nom.GetRef() != nullptr) sAIUnicodeString->Length(nom.GetRef(), &longueur);
    ASUInt16 *texte = longueur > 0 ? new ASUInt16[longueur] : nullptr;
    if (longueur > 0 && texte == nullptr) return false;
    for (ASUInt32 i = 0; i < longueur; ++i)
        texte[i] = nom[i];
    const bool trouve = NumeroDeTexte(n, texte, longueur, numero);
    delete[] texte;
    if (!trouve) return false;
    // A null handle is not filed: such a colour is asked again.
    if (poignee == nullptr) return true;
    return n.parPoignee.Ajoute(hache, NomDePoignee{poignee, numero});
}

// ---- keys of paints -------------------------------------------------------

enum class Resultat { Cle, AucuneCle, PlusDeMemoire };

// The colour's key; AucuneCle when it equals nothing (a NaN value).
Resultat CleCouleur(const AIColor &couleur, Cle &cle) {
    cle = Cle();
    cle.genre = static_cast<ASUInt32>(couleur.kind);
    bool nombres = true;
    switch (couleur.kind) {
    case kGrayColor: nombres = Valeurs(cle, couleur.c.g.gray); break;
    case kFourColor:
        nombres = Valeurs(cle, couleur.c.f.cyan, couleur.c.f.magenta, couleur.c.f.yellow, couleur.c.f.black);
        break;
    case kThreeColor: nombres = Valeurs(cle, couleur.c.rgb.red, couleur.c.rgb.green, couleur.c.rgb.blue); break;
    case kPattern: cle.nuancier = couleur.c.p.pattern; break;
    case kGradient: cle.nuancier = couleur.c.b.gradient; break;
    case kCustomColor:
        if (!NumeroDeCouleur(couleur.c.c.color, cle.nom)) return Resultat::PlusDeMemoire;
        if (CaseTeintes) nombres = Valeurs(cle, couleur.c.c.tint);
        break;
    default:
        // No value to compare: every colour of this kind is the same.
        break;
    }
    return nombres ? Resultat::Cle : Resultat::AucuneCle;
}

// The key of a painted fill: its colour and its overprint.
Resultat CleFond(const AIPathStyle &style, Cle &cle) {
    const Resultat r = CleCouleur(style.fill.color, cle);
    if (r != Resultat::Cle) return r;
    cle.surimpression = style.fill.overprint ? 1u : 0u;
    return Resultat::Cle;
}

} // namespace

bool IndexPrepare() {
    IndexLibere();
    return gFonds.Prepare() && gCouleurs.Prepare();
}

void IndexLibere() {
    gFonds.Libere();
    gCouleurs.Libere();
    Libere(gNoms);
}

bool IndexAjoute(const AIPathStyle &entree) {
    if (!entree.fillPaint) return true;
    Cle cle;
    Resultat r = CleFond(entree, cle);
    if (r == Resultat::PlusDeMemoire) return false;
    if (r == Resultat::Cle && !Insere(gFonds, cle)) return false;
    r = CleCouleur(entree.fill.color, cle);
    if (r == Resultat::PlusDeMemoire) return false;
    return r != Resultat::Cle || Insere(gCouleurs, cle);
}

bool IndexFondListe(const AIPathStyle &style, bool &memoire) {
    memoire = true;
    if (!style.fillPaint) return true;
    Cle cle;
    const Resultat r = CleFond(style, cle);
    memoire = r != Resultat::PlusDeMemoire;
    return r == Resultat::Cle && Contient(gFonds, cle);
}

bool IndexContourListe(const AIPathStyle &style, bool &memoire) {
    memoire = true;
    if (!style.strokePaint) return true;
    Cle cle;
    const Resultat r = CleCouleur(style.stroke.color, cle);
    memoire = r != Resultat::PlusDeMemoire;
    return r == Resultat::Cle && Contient(gCouleurs, cle);
}
