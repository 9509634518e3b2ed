// Nombres.h — the numbers of the box labels, as plain decimal text.
#pragma once

#include "ASTypes.h"

// Work buffer size of a label's pieces: a number's digits, or a name.
constexpr int kTailleTravail = 60;

// Writes `valeur` rounded to `decimales` places (halves away from zero) into
// `sortie`: the integer digits, then a comma and the decimals when asked
// for, then a NUL; no sign, no grouping, no exponent. Returns the count of
// characters before the NUL. The caller gives room for the digits, the comma
// and decimals, and the NUL; kTailleTravail bytes hold every value this
// routine writes with up to 40 decimals.
//
// A value with no digits to show (NaN, or beyond 10^15, where single
// precision has no units left) is written "?"; a negative one gets a minus
// sign before the digits of its size.
ASInt8 NombreEnChaine(ASReal valeur, ASInt8 decimales, char *sortie);
