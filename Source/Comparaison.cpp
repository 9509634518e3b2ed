// Comparaison.cpp — the paint comparisons of the chart build.
//
// Colours match by kind and exact values: no tolerance, and a NaN equals
// nothing. Patterns and gradients are the same paint when they are the same
// swatch, whatever their placement. Custom colours are compared by name,
// never by handle, and by tint only while tints are listed separately.
//
// A fill that is not painted offers no colour to compare: the colour a host
// keeps in an unpainted fill is left over from some earlier paint, and
// matching it would hide a paint that is really used. So an entry whose fill
// is not painted (the entry of an art that was listed for its stroke but
// whose kind is not sought) matches nothing, and a stroke is never "the same
// as" its own unpainted fill.
#include "Comparaison.h"

#include "IAIUnicodeString.h"
#include "Reglages.h"
#include "SuiteGlobals.h"

namespace {

bool NomsEgaux(AICustomColorHandle x, AICustomColorHandle y) {
    ai::UnicodeString nomX;
    ai::UnicodeString nomY;
    sAICustomColor->GetCustomColorName(x, nomX.RefAddress());
    sAICustomColor->GetCustomColorName(y, nomY.RefAddress());
    ASInt32 resultat = 1;
    sAIUnicodeString->Compare(nomX.GetRef(), nomY.GetRef(), &resultat);
    return resultat == 0;
}

bool CouleursEgales(const AIColor &x, const AIColor &y) {
    if (x.kind != y.kind) return false;
    switch (x.kind) {
    case kGrayColor: return x.c.g.gray == y.c.g.gray;
    case kFourColor:
        return x.c.f.cyan == y.c.f.cyan && x.c.f.magenta == y.c.f.magenta && x.c.f.yellow == y.c.f.yellow &&
               x.c.f.black == y.c.f.black;
    case kThreeColor:
        return x.c.rgb.red == y.c.rgb.red && x.c.rgb.green == y.c.rgb.green && x.c.rgb.blue == y.c.rgb.blue;
    case kPattern: return x.c.p.pattern == y.c.p.pattern;
    case kGradient: return x.c.b.gradient == y.c.b.gradient;
    case kCustomColor:
        if (!NomsEgaux(x.c.c.color, y.c.c.color)) return false;
        return !CaseTeintes || x.c.c.tint == y.c.c.tint;
    default: return true;
    }
}

} // namespace

bool StylesFondsEgaux(AIPathStyle a, AIPathStyle b) {
    if (!a.fillPaint) return true;
    if (!b.fillPaint) return false;
    if (a.fill.overprint != b.fill.overprint) return false;
    return CouleursEgales(a.fill.color, b.fill.color);
}

bool StylesContoursEgaux(AIPathStyle a, AIPathStyle b) {
    if (!a.strokePaint) return true;
    if (!b.fillPaint) return false;
    return CouleursEgales(a.stroke.color, b.fill.color);
}

bool StylesContourEtFondEgaux(AIPathStyle a) {
    if (!a.strokePaint) return true;
    if (!a.fillPaint) return false;
    return CouleursEgales(a.stroke.color, a.fill.color);
}
