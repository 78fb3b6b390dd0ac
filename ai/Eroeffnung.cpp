#include "ai/Schritte.h"

namespace steinfall {

namespace {

// Zugzaehler on the computer's first move of a game.
constexpr Zahl16 ErsterComputerzug = 2;
constexpr int Unten = AnzahlZeilen;

} // namespace

// 9d (docs/computerspieler.md, "Eröffnung").
void EroeffnungZufall(Analyse& a) {
    a.Zufall->Saeen();
    const double x = a.Zufall->Ziehen();
    const int k = static_cast<int>(100.0 * x + 1.0); // 1..100

    if (a.Stand->Zugzaehler <= ErsterComputerzug) {
        // First move: a slight lean to the middle cells of the bottom row,
        // given through the human's array so that any real score outweighs it.
        if (k >= 1 && k <= 49) {
            a.WertSpieler(Unten, Mittelspalte) += 1;
        } else if (k >= 51 && k <= 73) {
            a.WertSpieler(Unten, Mittelspalte - 1) += 1;
        } else if (k >= 74 && k <= 96) {
            a.WertSpieler(Unten, Mittelspalte + 1) += 1;
        }
        return;
    }
    // Second move: now and then make the fallback shy of the bottom row.
    if (k >= 1 && k <= 29) {
        for (int spalte = 1; spalte <= AnzahlSpalten; ++spalte) {
            a.MeidenLeicht(Unten, spalte) = 1;
        }
    }
}

} // namespace steinfall
