// 9a.4 and 9a.6: stacked pairs (docs/computerspieler.md, "Gestapelte
// Drohungen"). Once the lower cell can be played the pair decides the game:
// whoever blocks it opens the upper one.
//
//   T     upper threat cell (r, c)
//   T     lower threat cell (r + 1, c)
//   #     occupied: the lower one is playable

#include "ai/Schritte.h"

namespace steinfall {

namespace {

template <int E, int L>
bool AlleNull(const Analysefeld<E, L>& feld, int zeileVon, int zeileBis, int spalte) {
    for (int zeile = zeileVon; zeile <= zeileBis; ++zeile) {
        if (feld(zeile, spalte) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace

// The threat scan bans the lower cell of a human pair (it lies under the upper
// threat), so this step plays it when it can be played now.
Zahl16 DoppelDrohungAbwehren(Analyse& a) {
    Zahl16 ergebnis = 0;
    for (int r = 1; r < AnzahlZeilen; ++r) { // the lower cell r + 1 on the board
        for (int c = 1; c <= AnzahlSpalten; ++c) {
            if (AlleNull(a.DrohungComputer, r + 1, r + 5, c) && a.DrohungSpieler(r, c) > 0 &&
                a.DrohungSpieler(r + 1, c) > 0 && a.Arbeitsfeld(r + 2, c) != 0) {
                ergebnis = SpaltencodeVon(c); // the last pair in loop order wins
            }
        }
    }
    return ergebnis;
}

// A computer pair wins once the lower cell is reached; 20 lifts the upper
// cell over a soft ban.
void DoppelDrohungBonus(Analyse& a) {
    for (int r = 1; r <= AnzahlZeilen - 2; ++r) { // the lower cell above the bottom row
        for (int c = 1; c <= AnzahlSpalten; ++c) {
            if (a.DrohungComputer(r, c) > 0 && a.DrohungComputer(r + 1, c) > 0 &&
                a.DrohungSpieler(r + 1, c) == 0 && AlleNull(a.VerbotHart, r + 2, r + 5, c)) {
                a.WertComputer(r, c) += 20;
            }
        }
    }
}

} // namespace steinfall
