// Nombres.cpp — the digits of a label's numbers.
//
// The rounding and the digits follow a fixed sequence of single- and
// double-precision steps, so that a label reads the same wherever it is
// made: the value is rounded to its decimals first (9.96 at one decimal is
// "10,0"), the integer digits are taken from the right by dividing by ten,
// and the decimals from the left by truncation of a fraction that carries
// half a unit of the first digit not written.
#include "Nombres.h"

#include <cmath>

namespace {

// Above this, single precision keeps no units: the digits would be noise.
constexpr float kPlusGrandAvecUnites = 1e15f;
constexpr int kDecimalesMax = 40;

} // namespace

ASInt8 NombreEnChaine(ASReal valeur, ASInt8 decimales, char *sortie) {
    int compte = 0;
    if (std::isnan(valeur) || std::fabs(valeur) >= kPlusGrandAvecUnites) {
        sortie[compte++] = '?';
        sortie[compte] = '\0';
        return static_cast<ASInt8>(compte);
    }
    if (valeur < 0) {
        sortie[compte++] = '-';
        valeur = -valeur;
    }
    const int n = decimales < 0 ? 0 : (decimales > kDecimalesMax ? kDecimalesMax : decimales);

    const double a = std::pow(0.1, n);
    const double b = std::pow(10.0, n);
    const double r = std::round(b * valeur);
    const float y = static_cast<float>(r * a);
    float i = static_cast<float>(std::floor(y));
    float f = static_cast<float>((5.0 * std::pow(0.1, n + 1) + y) - i);

    if (i == 0) {
        sortie[compte++] = '0';
    } else {
        const int k = static_cast<int>(1 + std::floor(std::log10(i)));
        for (int j = 0; j < k; ++j) {
            const float t = static_cast<float>(i * 0.1);
            i = static_cast<float>(std::floor(t));
            const float chiffre = 10.0f * (t - i);
            const int d = static_cast<int>(std::round(chiffre));
            sortie[compte + k - 1 - j] = static_cast<char>(48 + d);
        }
        compte += k;
    }

    if (n > 0) {
        sortie[compte++] = ',';
        for (int p = 0; p < n; ++p) {
            const float t = static_cast<float>(std::floor(f * 10.0));
            f = static_cast<float>(f * 10.0 - t);
            sortie[compte++] = static_cast<char>(static_cast<int>(48.0f + t));
        }
    }
    sortie[compte] = '\0';
    return static_cast<ASInt8>(compte);
}
