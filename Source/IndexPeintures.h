// IndexPeintures.h — the build's index of the paints already listed.
//
// The chart build asks, for each art, whether its fill (or its stroke) is a
// paint already listed. Walking the list answers in time proportional to the
// number of paints; this index answers in constant time and gives the same
// answers: each listed entry is filed under a canonical key of its paint
// that two paints share exactly when the comparisons (Comparaison.h) call
// them equal. Floats are keyed by their bits, with -0 as 0 and a NaN under
// no key at all (it equals nothing); custom colours by their name, fetched
// once per colour and build, and by their tint only while tints are listed
// separately; patterns and gradients by their swatch.
//
// The index takes its memory from the host's allocator. Every operation that
// may allocate says so by returning false when no memory could be had; the
// build then stops as when an entry cannot be allocated.
#pragma once

#include "AIPathStyle.h"

// Whether the build walks the list (the reference the index is checked
// against) instead of using the index. False outside tests.
extern bool ParcoursLitteral;

// Makes the index empty, ready for a build. False when no memory.
bool IndexPrepare();
// Gives back the index's memory; safe to call twice.
void IndexLibere();

// Files a listed entry's style (as the build keeps it after making the
// entry's row, if any). An entry whose fill is not painted is filed under
// nothing: it never matches. False when no memory.
bool IndexAjoute(const AIPathStyle &entree);

// As StylesFondsEgaux against every listed entry: true when `style` has no
// painted fill or its fill is listed. `memoire` becomes false when no
// memory could be had, and the answer is then meaningless.
bool IndexFondListe(const AIPathStyle &style, bool &memoire);
// As StylesContoursEgaux against every listed entry.
bool IndexContourListe(const AIPathStyle &style, bool &memoire);
