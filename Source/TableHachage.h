// TableHachage.h — the plug-in's hash table.
//
// Open addressing with linear probing over a power-of-two number of slots,
// grown to twice as many before an entry would take it past half load (the
// first entry makes 64). Each slot keeps its entry's hash: growing needs no
// hash function, and a probe looks at an entry only when the hashes agree.
// Entries are found with a predicate, so that a table can be searched by
// something other than a whole entry (a name's text, when the entry is the
// name's number).
//
// The slots come from new[], which in the plug-in goes to the host's block
// allocator and yields null when the host has no memory: whatever may
// allocate returns false then and leaves the table as it was. A table has
// no destructor: the plug-in's tables are globals that outlive the host's
// suites, so their memory goes back through Libere while the host is there.
#pragma once

#include "ASTypes.h"

template <class Entree> class TableHachage {
  public:
    static constexpr ASUInt32 kCapaciteInitiale = 64;

    constexpr TableHachage() = default;
    TableHachage(const TableHachage &) = delete;
    TableHachage &operator=(const TableHachage &) = delete;

    // Makes the table empty with `capacite` free slots (a power of two).
    // False when no memory: the table is then empty with no slots.
    bool Prepare(ASUInt32 capacite = kCapaciteInitiale) {
        Libere();
        return Alloue(capacite);
    }

    // Gives the slots back; the table is empty. Safe to call twice.
    void Libere() {
        delete[] fCases;
        fCases = nullptr;
        fCapacite = 0;
        fNombre = 0;
    }

    ASUInt32 Nombre() const { return fNombre; }
    ASUInt32 Capacite() const { return fCapacite; }

    // The entry filed under `hache` that `pareille(entree)` accepts, or null.
    template <class Pareille> const Entree *Cherche(ASUInt32 hache, Pareille &&pareille) const {
        if (fNombre == 0) return nullptr;
        for (ASUInt32 i = hache & (fCapacite - 1); fCases[i].occupee; i = (i + 1) & (fCapacite - 1))
            if (fCases[i].hache == hache && pareille(fCases[i].entree)) return &fCases[i].entree;
        return nullptr;
    }

    // Files `entree` under `hache`, growing the table first when needed.
    // The caller has made sure no equal entry is filed. False when no memory.
    bool Ajoute(ASUInt32 hache, const Entree &entree) {
        if (2 * (fNombre + 1) > fCapacite && !Agrandit()) return false;
        Range(hache, entree);
        ++fNombre;
        return true;
    }

  private:
    struct Case {
        Entree entree;
        ASUInt32 hache;
        bool occupee;
    };

    bool Alloue(ASUInt32 capacite) {
        Case *cases = new Case[capacite];
        if (cases == nullptr) return false;
        for (ASUInt32 i = 0; i < capacite; ++i)
            cases[i].occupee = false;
        fCases = cases;
        fCapacite = capacite;
        fNombre = 0;
        return true;
    }

    // Into the first free slot from the hash's own: there is one, the table
    // being at most half full.
    void Range(ASUInt32 hache, const Entree &entree) {
        ASUInt32 i = hache & (fCapacite - 1);
        while (fCases[i].occupee)
            i = (i + 1) & (fCapacite - 1);
        fCases[i].entree = entree;
        fCases[i].hache = hache;
        fCases[i].occupee = true;
    }

    bool Agrandit() {
        Case *anciennes = fCases;
        const ASUInt32 ancienneCapacite = fCapacite;
        const ASUInt32 nombre = fNombre;
        if (!Alloue(ancienneCapacite == 0 ? kCapaciteInitiale : 2 * ancienneCapacite)) return false;
        for (ASUInt32 i = 0; i < ancienneCapacite; ++i)
            if (anciennes[i].occupee) Range(anciennes[i].hache, anciennes[i].entree);
        fNombre = nombre;
        delete[] anciennes;
        return true;
    }

    Case *fCases = nullptr;
    ASUInt32 fCapacite = 0;
    ASUInt32 fNombre = 0;
};
