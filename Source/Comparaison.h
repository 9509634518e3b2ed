// Comparaison.h — whether a paint found on an art is already listed.
//
// Each predicate is true when the paint of the art under examination is the
// same as a listed one, or when there is no paint to list; false when the
// paint is new. A listed entry holds its paint in its fill colour, also when
// the paint was found on a stroke.
#pragma once

#include "AIPathStyle.h"

// The art's fill (`a`) against a listed entry (`b`): besides the colour, the
// fill overprint must be equal (it changes what prints). The fill rule, the
// clip and lock-clip flags and the resolution say how a shape is filled, not
// with what, and are not compared: they would list one colour twice, under
// the same label.
bool StylesFondsEgaux(AIPathStyle a, AIPathStyle b);
// The art's stroke (`a`) against a listed entry's fill colour (`b`).
bool StylesContoursEgaux(AIPathStyle a, AIPathStyle b);
// The art's stroke against its own fill colour.
bool StylesContourEtFondEgaux(AIPathStyle a);
