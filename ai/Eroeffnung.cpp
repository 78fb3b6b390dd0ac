#include "ai/Schritte.h"

namespace steinfall {

void EroeffnungZufall(Analyse& a) {
    a.Zufall->Saeen();
    const double x = a.Zufall->Ziehen();
    const int k = static_cast<int>(100.0 * x + 1.0); // 1..100

    if (a.Stand->Zugzaehler <= 2) {
        // First move: a slight lean to the middle cells of the bottom row,
        // given through the human's array so that any real score outweighs it.
        if (k >= 1 && k <= 49) {
            a.WertSpieler(6, 4) += 1;
        } else if (k >= 51 && k <= 73) {
            a.WertSpieler(6, 3) += 1;
        } else if (k >= 74 && k <= 96) {
            a.WertSpieler(6, 5) += 1;
        }
        return;
    }
    // Second move: now and then make the fallback shy of the bottom row.
    if (k >= 1 && k <= 29) {
        for (int spalte = 1; spalte <= 7; ++spalte) {
            a.MeidenLeicht(6, spalte) = 1;
        }
    }
}

} // namespace steinfall
