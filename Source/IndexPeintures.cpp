// IndexPeintures.cpp — hash sets of canonical paint keys for the build.
//
// Two sets: one of fill keys (the colour with the flags StylesFondsEgaux
// compares too) and one of colour keys alone (for strokes, which are
// compared with a listed entry's fill colour only). Custom colour names are
// interned: each colour handle is asked for its name once, and each distinct
// name gets a small number that goes into the keys.
//
// Open addressing with linear probing over power-of-two tables, grown at
// half load; every array comes from the host through the plug-in's
// allocation functions, which yield null when the host has no memory.
#include "IndexPeintures.h"

#include <cstdint>
#include <cstring>

#include "IAIUnicodeString.h"
#include "Reglages.h"
#include "SuiteGlobals.h"

bool ParcoursLitteral = false;

namespace {

constexpr ASUInt32 kCapaciteInitiale = 64;

// ---- hashing ------------------------------------------------------------

ASUInt32 Melange(ASUInt32 h, ASUInt32 mot) {
    std::uint64_t x = (static_cast<std::uint64_t>(h) << 32 | mot) + 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return static_cast<ASUInt32>(x ^ (x >> 31));
}

// ---- keys ---------------------------------------------------------------

// A paint's canonical key: its kind, up to four value words, a swatch handle
// (two words), a name number, the fill's flags and resolution. Unused words
// are 0.
struct Cle {
    ASUInt32 mots[10];
};

bool CleEgale(const Cle &a, const Cle &b) { return std::memcmp(a.mots, b.mots, sizeof a.mots) == 0; }

ASUInt32 HacheCle(const Cle &cle) {
    ASUInt32 h = 0;
    for (ASUInt32 mot : cle.mots)
        h = Melange(h, mot);
    return h;
}

// The bits of `x` as equality sees it: -0 as 0; false for a NaN.
bool MotReel(ASReal x, ASUInt32 &mot) {
    if (x != x) return false;
    if (x == 0) x = 0.0f;
    std::memcpy(&mot, &x, sizeof mot);
    return true;
}

void MotsPoignee(const void *poignee, Cle &cle) {
    const std::uint64_t bits = reinterpret_cast<std::uintptr_t>(poignee);
    cle.mots[5] = static_cast<ASUInt32>(bits);
    cle.mots[6] = static_cast<ASUInt32>(bits >> 32);
}

// ---- a set of keys --------------------------------------------------------

struct EnsembleCles {
    Cle *cles = nullptr;
    ASUInt8 *occupe = nullptr;
    ASUInt32 capacite = 0;
    ASUInt32 nombre = 0;
};

void Libere(EnsembleCles &e) {
    delete[] e.cles;
    delete[] e.occupe;
    e = EnsembleCles();
}

bool Alloue(EnsembleCles &e, ASUInt32 capacite) {
    Cle *cles = new Cle[capacite];
    ASUInt8 *occupe = new ASUInt8[capacite];
    if (cles == nullptr || occupe == nullptr) {
        delete[] cles;
        delete[] occupe;
        return false;
    }
    std::memset(occupe, 0, capacite);
    e.cles = cles;
    e.occupe = occupe;
    e.capacite = capacite;
    e.nombre = 0;
    return true;
}

// The slot of `cle`, or of the free slot where it would go.
ASUInt32 Case(const EnsembleCles &e, const Cle &cle) {
    ASUInt32 i = HacheCle(cle) & (e.capacite - 1);
    while (e.occupe[i] && !CleEgale(e.cles[i], cle))
        i = (i + 1) & (e.capacite - 1);
    return i;
}

bool Contient(const EnsembleCles &e, const Cle &cle) { return e.nombre > 0 && e.occupe[Case(e, cle)]; }

bool Insere(EnsembleCles &e, const Cle &cle);

bool Agrandit(EnsembleCles &e) {
    EnsembleCles ancien = e;
    if (!Alloue(e, ancien.capacite * 2)) {
        e = ancien;
        return false;
    }
    for (ASUInt32 i = 0; i < ancien.capacite; ++i)
        if (ancien.occupe[i]) Insere(e, ancien.cles[i]);
    Libere(ancien);
    return true;
}

bool Insere(EnsembleCles &e, const Cle &cle) {
    if (2 * (e.nombre + 1) > e.capacite && !Agrandit(e)) return false;
    const ASUInt32 i = Case(e, cle);
    if (!e.occupe[i]) {
        e.occupe[i] = 1;
        e.cles[i] = cle;
        ++e.nombre;
    }
    return true;
}

// ---- custom colour names ----------------------------------------------------

// Each distinct name once, in a pool of UTF-16 code units; the colours'
// handles with the number of their name.
struct Noms {
    ASUInt16 *reserve = nullptr; // the names' code units, end to end
    ASUInt32 tailleReserve = 0;
    ASUInt32 capaciteReserve = 0;
    ASUInt32 *debuts = nullptr;    // per name number: where it starts,
    ASUInt32 *longueurs = nullptr; // and its length
    ASUInt32 nombre = 0;
    ASUInt32 capaciteNoms = 0;
    ASUInt32 *parTexte = nullptr; // open addressing: name number + 1, 0 free
    ASUInt32 capaciteParTexte = 0;
    AICustomColorHandle *poignees = nullptr; // open addressing: handle, null free
    ASUInt32 *nomDePoignee = nullptr;
    ASUInt32 nombrePoignees = 0;
    ASUInt32 capacitePoignees = 0;
};

EnsembleCles gFonds;
EnsembleCles gCouleurs;
Noms gNoms;

void Libere(Noms &n) {
    delete[] n.reserve;
    delete[] n.debuts;
    delete[] n.longueurs;
    delete[] n.parTexte;
    delete[] n.poignees;
    delete[] n.nomDePoignee;
    n = Noms();
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

bool RangeParTexte(Noms &n, ASUInt32 numero) {
    ASUInt32 i = HacheTexte(n.reserve + n.debuts[numero], n.longueurs[numero]) & (n.capaciteParTexte - 1);
    while (n.parTexte[i] != 0)
        i = (i + 1) & (n.capaciteParTexte - 1);
    n.parTexte[i] = numero + 1;
    return true;
}

bool AgranditParTexte(Noms &n) {
    const ASUInt32 capacite = n.capaciteParTexte == 0 ? kCapaciteInitiale : 2 * n.capaciteParTexte;
    ASUInt32 *table = new ASUInt32[capacite];
    if (table == nullptr) return false;
    std::memset(table, 0, capacite * sizeof(ASUInt32));
    delete[] n.parTexte;
    n.parTexte = table;
    n.capaciteParTexte = capacite;
    for (ASUInt32 numero = 0; numero < n.nombre; ++numero)
        RangeParTexte(n, numero);
    return true;
}

// The number of the name `texte`, added when new. False when no memory.
bool NumeroDeTexte(Noms &n, const ASUInt16 *texte, ASUInt32 longueur, ASUInt32 &numero) {
    if (n.capaciteParTexte > 0) {
        ASUInt32 i = HacheTexte(texte, longueur) & (n.capaciteParTexte - 1);
        for (; n.parTexte[i] != 0; i = (i + 1) & (n.capaciteParTexte - 1)) {
            if (TexteEgal(n, n.parTexte[i] - 1, texte, longueur)) {
                numero = n.parTexte[i] - 1;
                return true;
            }
        }
    }
    if (n.nombre == n.capaciteNoms) {
        const ASUInt32 capacite = n.capaciteNoms == 0 ? kCapaciteInitiale : 2 * n.capaciteNoms;
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
    if (2 * (n.nombre + 1) > n.capaciteParTexte && !AgranditParTexte(n)) return false;
    if (longueur > 0) std::memcpy(n.reserve + n.tailleReserve, texte, longueur * sizeof(ASUInt16));
    numero = n.nombre++;
    n.debuts[numero] = n.tailleReserve;
    n.longueurs[numero] = longueur;
    n.tailleReserve += longueur;
    RangeParTexte(n, numero);
    return true;
}

ASUInt32 HachePoignee(AICustomColorHandle poignee) {
    const std::uint64_t bits = reinterpret_cast<std::uintptr_t>(poignee);
    return Melange(static_cast<ASUInt32>(bits), static_cast<ASUInt32>(bits >> 32));
}

void RangePoignee(Noms &n, AICustomColorHandle poignee, ASUInt32 numero) {
    ASUInt32 i = HachePoignee(poignee) & (n.capacitePoignees - 1);
    while (n.poignees[i] != nullptr)
        i = (i + 1) & (n.capacitePoignees - 1);
    n.poignees[i] = poignee;
    n.nomDePoignee[i] = numero;
}

bool AgranditPoignees(Noms &n) {
    const ASUInt32 ancienne = n.capacitePoignees;
    const ASUInt32 capacite = ancienne == 0 ? kCapaciteInitiale : 2 * ancienne;
    AICustomColorHandle *poignees = new AICustomColorHandle[capacite];
    ASUInt32 *noms = new ASUInt32[capacite];
    if (poignees == nullptr || noms == nullptr) {
        delete[] poignees;
        delete[] noms;
        return false;
    }
    for (ASUInt32 i = 0; i < capacite; ++i)
        poignees[i] = nullptr;
    AICustomColorHandle *anciennesPoignees = n.poignees;
    ASUInt32 *anciensNoms = n.nomDePoignee;
    n.poignees = poignees;
    n.nomDePoignee = noms;
    n.capacitePoignees = capacite;
    for (ASUInt32 i = 0; i < ancienne; ++i)
        if (anciennesPoignees[i] != nullptr) RangePoignee(n, anciennesPoignees[i], anciensNoms[i]);
    delete[] anciennesPoignees;
    delete[] anciensNoms;
    return true;
}

// The number of the name of custom colour `poignee`, asking the host for
// the name the first time the colour is met in this build. A name the host
// cannot give is the empty name, as in the comparisons.
bool NumeroDeCouleur(AICustomColorHandle poignee, ASUInt32 &numero) {
    Noms &n = gNoms;
    if (n.capacitePoignees > 0) {
        ASUInt32 i = HachePoignee(poignee) & (n.capacitePoignees - 1);
        for (; n.poignees[i] != nullptr; i = (i + 1) & (n.capacitePoignees - 1)) {
            if (n.poignees[i] == poignee) {
                numero = n.nomDePoignee[i];
                return true;
            }
        }
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
    // A null handle is the empty slot's mark: such a colour is asked again.
    if (poignee == nullptr) return true;
    if (2 * (n.nombrePoignees + 1) > n.capacitePoignees && !AgranditPoignees(n)) return false;
    RangePoignee(n, poignee, numero);
    ++n.nombrePoignees;
    return true;
}

// ---- keys of paints -------------------------------------------------------

enum class Resultat { Cle, AucuneCle, PlusDeMemoire };

// The colour's key; AucuneCle when it equals nothing (a NaN value).
Resultat CleCouleur(const AIColor &couleur, Cle &cle) {
    cle = Cle();
    cle.mots[0] = static_cast<ASUInt32>(couleur.kind);
    bool nombres = true;
    switch (couleur.kind) {
    case kGrayColor: nombres = MotReel(couleur.c.g.gray, cle.mots[1]); break;
    case kFourColor:
        nombres = MotReel(couleur.c.f.cyan, cle.mots[1]) && MotReel(couleur.c.f.magenta, cle.mots[2]) &&
                  MotReel(couleur.c.f.yellow, cle.mots[3]) && MotReel(couleur.c.f.black, cle.mots[4]);
        break;
    case kThreeColor:
        nombres = MotReel(couleur.c.rgb.red, cle.mots[1]) && MotReel(couleur.c.rgb.green, cle.mots[2]) &&
                  MotReel(couleur.c.rgb.blue, cle.mots[3]);
        break;
    case kPattern: MotsPoignee(couleur.c.p.pattern, cle); break;
    case kGradient: MotsPoignee(couleur.c.b.gradient, cle); break;
    case kCustomColor:
        if (!NumeroDeCouleur(couleur.c.c.color, cle.mots[7])) return Resultat::PlusDeMemoire;
        if (CaseTeintes) nombres = MotReel(couleur.c.c.tint, cle.mots[1]);
        break;
    default:
        // No value to compare: every colour of this kind is the same.
        break;
    }
    return nombres ? Resultat::Cle : Resultat::AucuneCle;
}

// The key of a painted fill: its colour with the flags and resolution.
Resultat CleFond(const AIPathStyle &style, Cle &cle) {
    const Resultat r = CleCouleur(style.fill.color, cle);
    if (r != Resultat::Cle) return r;
    cle.mots[8] = (style.clip ? 1u : 0u) | (style.lockClip ? 2u : 0u) | (style.evenOdd ? 4u : 0u) |
                  (style.fill.overprint ? 8u : 0u);
    return MotReel(style.resolution, cle.mots[9]) ? Resultat::Cle : Resultat::AucuneCle;
}

} // namespace

bool IndexPrepare() {
    IndexLibere();
    return Alloue(gFonds, kCapaciteInitiale) && Alloue(gCouleurs, kCapaciteInitiale);
}

void IndexLibere() {
    Libere(gFonds);
    Libere(gCouleurs);
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
