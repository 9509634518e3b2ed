// Reglages.h — the settings of the chart: plain globals that the settings
// dialog edits and the chart build reads, their defaults, and their storage
// in the host's preferences under the prefix "VynColors".
//
// Every length is in points (1/72 inch); the dialog shows the box length and
// height in millimetres.
#pragma once

#include "ADMDialog.h"
#include "ASTypes.h"

constexpr ASInt32 kTailleNomsPolices = 256;

extern char NomsPolices[kTailleNomsPolices]; // the label font's name, NUL-terminated
extern double CorpsTexteCase;                // label text size
extern double LongueurCase;                  // box length (width)
extern double HauteurCase;                   // box height
extern double EcartEntreCases;               // gap between two boxes
extern AIRealPoint CoinHGCase;               // first box from the artboard's top left: h right, v down
extern ASBoolean CaseSelection;              // only the selected art, else the whole document
extern ASBoolean CaseMotifs;                 // seek patterns
extern ASBoolean CaseDegrades;               // seek gradients
extern ASBoolean CaseGlobales;               // seek custom colours
extern ASBoolean CaseTeintes;                // list a custom colour's tints separately
extern ASBoolean CaseAutres;                 // seek simple colours

// Not stored: the label font's position in the host's font list, and the
// settings dialog's bounds on the screen.
extern ASInt32 NumeroPolice;
extern ADMRect PosDialReglages;

constexpr double kCorpsTexteCaseDefaut = 12.0;
constexpr double kLongueurCaseDefaut = 85.0393700787402; // 30 mm
constexpr double kHauteurCaseDefaut = 42.5196850393701;  // 15 mm
constexpr double kEcartEntreCasesDefaut = 2.0;
constexpr double kCoinHGCaseDefaut = 12.0;

// Preference keys under the prefix kPrefixePreferences.
extern const char kPrefixePreferences[];
extern const char kClePoliceCase[];
extern const char kCleCorpsCase[];
extern const char kCleLongueurCase[];
extern const char kCleEcartCases[];
extern const char kCleHauteurCase[];
extern const char kClePosXCase[];
extern const char kClePosYCase[];
extern const char kCleCaseSelection[];
extern const char kCleCaseMotifs[];
extern const char kCleCaseDegrades[];
extern const char kCleCaseGlobales[];
extern const char kCleCaseTeintes[];
extern const char kCleCaseAutres[];

// Loading, one setting at a time: the default first, then the stored value
// when there is one (a missing or unreadable key keeps the default).
// A stored number the dialog's field could not show (no single-precision
// value, or below the field's `minimum`) is not used: the default is.
void ChargeReel(const char *cle, double &reglage, double defaut, double minimum);
void ChargeCoordonnee(const char *cle, ASReal &reglage); // widened to double to read
void ChargeBooleen(const char *cle, ASBoolean &reglage, bool defaut);
void ChargeNomPolice(); // the stored font name over the default one

// The name of the host's default font into NomsPolices; false when the host
// cannot say.
bool NomPoliceParDefaut();

// Saves all thirteen settings. A box smaller than the text is reset to its
// default size first, in the global too. Returns the code of the last write.
ASErr EcriturePreferences();
