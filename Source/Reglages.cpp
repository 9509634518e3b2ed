#include "Reglages.h"

#include <cmath>
#include <limits>

#include "SuiteGlobals.h"

char NomsPolices[kTailleNomsPolices] = "";
double CorpsTexteCase = 0;
double LongueurCase = 0;
double HauteurCase = 0;
double EcartEntreCases = 0;
AIRealPoint CoinHGCase = {0, 0};
ASBoolean CaseSelection = 0;
ASBoolean CaseMotifs = 0;
ASBoolean CaseDegrades = 0;
ASBoolean CaseGlobales = 0;
ASBoolean CaseTeintes = 0;
ASBoolean CaseAutres = 0;
ASInt32 NumeroPolice = 0;

const char kPrefixePreferences[] = "VynColors";
const char kClePoliceCase[] = "PoliceCase";
const char kCleCorpsCase[] = "CorpsCase";
const char kCleLongueurCase[] = "LongueurCase";
const char kCleEcartCases[] = "EcartCases";
const char kCleHauteurCase[] = "HauteurCase";
const char kClePosXCase[] = "PosXCase";
const char kClePosYCase[] = "PosYCase";
const char kCleCaseSelection[] = "CaseSelection";
const char kCleCaseMotifs[] = "CaseMotifs";
const char kCleCaseDegrades[] = "CaseDegrades";
const char kCleCaseGlobales[] = "CaseGlobales";
const char kCleCaseTeintes[] = "CaseTeintes";
const char kCleCaseAutres[] = "CaseAutres";

namespace {

// Whether `valeur` is a number a single-precision field can hold.
bool Representable(double valeur) { return std::fabs(valeur) <= std::numeric_limits<float>::max(); }

} // namespace

void ChargeReel(const char *cle, double &reglage, double defaut, double minimum) {
    reglage = defaut;
    double valeur = defaut;
    if (sAIPreference->GetRealPreference(kPrefixePreferences, cle, &valeur) != kNoErr) return;
    // A box of infinite or no size would be drawn and written as such.
    if (Representable(valeur) && valeur >= minimum) reglage = valeur;
}

void ChargeCoordonnee(const char *cle, ASReal &reglage) {
    double valeur = kCoinHGCaseDefaut;
    sAIPreference->GetRealPreference(kPrefixePreferences, cle, &valeur);
    reglage = static_cast<ASReal>(Representable(valeur) ? valeur : kCoinHGCaseDefaut);
}

void ChargeBooleen(const char *cle, ASBoolean &reglage, bool defaut) {
    reglage = defaut;
    sAIPreference->GetBooleanPreference(kPrefixePreferences, cle, &reglage);
}

void ChargeNomPolice() {
    sAIPreference->GetStringPreference(kPrefixePreferences, kClePoliceCase, NomsPolices, kTailleNomsPolices);
}

bool NomPoliceParDefaut() {
    AIFontKey police = nullptr;
    if (sAIFont->FontKeyFromPlatformFont(kAIDefaultPlatformFont, &police) != kNoErr) return false;
    return sAIFont->GetFontName(police, NomsPolices, kTailleNomsPolices) == kNoErr;
}

ASErr EcriturePreferences() {
    sAIPreference->PutStringPreference(kPrefixePreferences, kClePoliceCase, NomsPolices);
    sAIPreference->PutRealPreference(kPrefixePreferences, kCleCorpsCase, CorpsTexteCase);
    // The comparisons are strict: a box exactly as large as the text stays.
    if (CorpsTexteCase > LongueurCase) LongueurCase = kLongueurCaseDefaut;
    sAIPreference->PutRealPreference(kPrefixePreferences, kCleLongueurCase, LongueurCase);
    sAIPreference->PutRealPreference(kPrefixePreferences, kCleEcartCases, EcartEntreCases);
    if (CorpsTexteCase > HauteurCase) HauteurCase = kHauteurCaseDefaut;
    sAIPreference->PutRealPreference(kPrefixePreferences, kCleHauteurCase, HauteurCase);
    sAIPreference->PutRealPreference(kPrefixePreferences, kClePosXCase, CoinHGCase.h);
    sAIPreference->PutRealPreference(kPrefixePreferences, kClePosYCase, CoinHGCase.v);
    sAIPreference->PutBooleanPreference(kPrefixePreferences, kCleCaseSelection, CaseSelection);
    sAIPreference->PutBooleanPreference(kPrefixePreferences, kCleCaseMotifs, CaseMotifs);
    sAIPreference->PutBooleanPreference(kPrefixePreferences, kCleCaseDegrades, CaseDegrades);
    sAIPreference->PutBooleanPreference(kPrefixePreferences, kCleCaseGlobales, CaseGlobales);
    sAIPreference->PutBooleanPreference(kPrefixePreferences, kCleCaseAutres, CaseAutres);
    return sAIPreference->PutBooleanPreference(kPrefixePreferences, kCleCaseTeintes, CaseTeintes);
}
ADMRect PosDialReglages = {0, 0, 0, 0};
